// The five power-ups the player spends on a cell: 0 sea urchin, 1 mussel,
// 2 turtle, 3 stingray, 4 cuttlefish.
#pragma once

#include <memory>

#include "Game/Destructors/celldestructor.h"

class CGameField;

enum PowerupIndex {
    ePowerupSeaUrchin = 0,
    ePowerupMussel = 1,
    ePowerupTurtle = 2,
    ePowerupStingray = 3,
    ePowerupCuttlefish = 4,
    POWERUP_COUNT = 5,
};

// Chooses the targets on the board and starts the destructor; none for an
// index that names no power-up or a used cell a destructor may not take.
std::unique_ptr<CBaseCellDestructor> MakePowerup(const CGameField& field, int nPowerup, CellRef usedCell);
const char* PowerupSound(int nPowerup);
