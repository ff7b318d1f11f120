// The five power-ups the player spends on a cell: 0 sea urchin, 1 mussel,
// 2 turtle, 3 stingray, 4 cuttlefish.
#pragma once

#include <memory>

#include "Game/Destructors/celldestructor.h"

class CGameField;

// Chooses the targets on the board and starts the destructor; none for an
// index that names no power-up.
std::unique_ptr<CBaseCellDestructor> MakePowerup(const CGameField& field, int nPowerup, CellRef usedCell);
const char* PowerupSound(int nPowerup);
