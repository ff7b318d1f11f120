// The level design table: one block per level, in play order. A level
// states only what changes from the one before; its name, board and
// mini-game are its own.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Game/Level/level.h"

struct LevelDesign {
    std::string strName;
    std::vector<int> kinds;  // fish kinds 1 to 10 the refill draws
    int nPeriod = 0;
    int nPowerups = 0;
    int nBonusTime = 0;
    std::string strField;
    std::string strScene;
    std::string strFog;
    std::string strBackFish;
    std::string strFrontFish;
    std::array<std::string, CLevel::BOARD_SIZE> board;
    // The memory game played before the level, when nMiniColumns > 0.
    int nMiniColumns = 0, nMiniRows = 0, nMiniFish = 0;
    std::string strMiniBefore, strMiniAfter;
};

// Reads the table; throws Vantile::Exception naming the line of the
// first fault.
std::vector<LevelDesign> ReadDesignTable(const std::string& strPath);

// The level's cells as the level loader reads them back. Double items get
// a kind that no placed neighbour has, so placed items never start a run.
CLevel::Cells DesignCells(const LevelDesign& design);
// The two-digit codes of the level file.
std::string CellCodes(const CLevel::Cells& cells);
