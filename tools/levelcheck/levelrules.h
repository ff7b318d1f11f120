// The rules that make a level playable from its first frame to the
// trunk's landing, checked on the cells as the level loader reads them:
// the board starts without a run, the refill can fill every empty cell
// without making one, every cell can be matched so its background clears,
// and a trunk can fall to the bottom of whichever column it enters.
#pragma once

#include <string>
#include <vector>

#include "Game/Level/level.h"

class CLevelRules {
public:
    typedef std::vector<std::string> Faults;

    // nTypes are the level's active item types, in the order of its file.
    CLevelRules(const CLevel::Cells& cells, const std::vector<int>& types);

    // One sentence per fault, naming the cell as "row R, column C"
    // counted from 0 at the top left; empty when the level is playable.
    Faults check() const;

private:
    // levelrules.cpp
    void checkRuns(Faults& faults) const;
    void checkReach(Faults& faults) const;
    void checkTrunk(Faults& faults) const;
    void checkDescent(int nColumn, int nFromRow, Faults& faults) const;
    // levelrules_fill.cpp
    void checkFill(Faults& faults) const;
    int mostRuledOut(int nRow, int nColumn) const;
    std::vector<unsigned> ruledOutSets(int nRow, int nColumn, int nRowStep, int nColumnStep) const;
    std::vector<int> fillCandidates(int nRow, int nColumn, bool bFilledBefore) const;

    bool exists(int nRow, int nColumn) const;
    int typeAt(int nRow, int nColumn) const;
    // Cells of the run of existing cells through this one, along a row or
    // a column.
    int segmentLength(int nRow, int nColumn, int nRowStep, int nColumnStep) const;
    // Existing cells from this one down to the next hole or the bottom.
    int cellsDown(int nRow, int nColumn) const;
    int lowestRow(int nColumn) const;
    int topRow(int nColumn) const;

    const CLevel::Cells& m_Cells;
    std::vector<int> m_Types;
    std::vector<int> m_FishKinds;  // distinct ordinary types of m_Types
    bool m_bRefillHasSpecial = false;
};

// "row R, column C".
std::string CellText(int nRow, int nColumn);

// The types a level's "types" text lists, two hexadecimal digits each; a
// code that names no item, carries a cell's flags or is a lone last digit
// lists eNoItem.
std::vector<int> ListedItemTypes(const std::string& strTypes);
// Why the item types cannot refill a board, one sentence each; empty when
// they can. The level check and every tool that loads a level ask this.
CLevelRules::Faults ItemTypeFaults(const std::vector<int>& types);
