// Board drawings: "." an empty cell the fill completes, "#" a hole, "D" a
// double fish, "T" the trunk, "h" and "v" the crabs, "*" the sea star,
// "+" the heart and "f" the snowflake.
#include <cstring>

#include "Core/vantile_exception.h"
#include "Game/Items/itemtype.h"
#include "levelgen_design.h"

namespace {

const int N = CLevel::BOARD_SIZE;

struct PlacedItem {
    char cSymbol;
    int nType;
};
const PlacedItem kPlacedItems[] = {{'T', eTrunk}, {'h', eHorz}, {'v', eVert},
                                   {'*', eVertHorz}, {'+', eHeart}, {'f', eTimeFreeze}};

bool sharesKind(const CLevel::Cells& cells, int nRow, int nColumn, int nKind)
{
    const int neighbours[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& d : neighbours) {
        const int r = nRow + d[0], c = nColumn + d[1];
        if (r >= 0 && r < N && c >= 0 && c < N && cells[r * N + c].m_nType == nKind)
            return true;
    }
    return false;
}

// Starting the search at a place-dependent kind spreads the kinds over
// the board instead of repeating the first ones.
int doubleKind(const LevelDesign& design, const CLevel::Cells& cells, int nRow, int nColumn)
{
    const size_t nCount = design.kinds.size();
    for (size_t i = 0; i < nCount; ++i) {
        const int nKind = design.kinds[(nRow * 3 + nColumn * 5 + i) % nCount];
        if (!sharesKind(cells, nRow, nColumn, nKind))
            return nKind;
    }
    VANTILE_EXCEPT(0, "level \"" + design.strName + "\": no kind fits the double fish at row " +
                          std::to_string(nRow) + ", column " + std::to_string(nColumn), "DesignCells");
}

void placeCell(const LevelDesign& design, CLevel::Cells& cells, int nRow, int nColumn)
{
    CLevel::CellRecord& cell = cells[nRow * N + nColumn];
    const char cSymbol = design.board[nRow][nColumn];
    cell = CLevel::CellRecord();
    cell.m_bExists = cSymbol != '#';
    if (cSymbol == '#' || cSymbol == '.')
        return;
    cell.m_nLives = 1;
    if (cSymbol == 'D') {
        cell.m_nType = doubleKind(design, cells, nRow, nColumn);
        cell.m_nLives = 2;
        return;
    }
    for (const PlacedItem& item : kPlacedItems)
        if (item.cSymbol == cSymbol) {
            cell.m_nType = item.nType;
            return;
        }
    VANTILE_EXCEPT(0, "level \"" + design.strName + "\": unknown board symbol '" + std::string(1, cSymbol) + "'",
                   "DesignCells");
}

}  // namespace

CLevel::Cells DesignCells(const LevelDesign& design)
{
    CLevel::Cells cells;
    for (int nRow = 0; nRow < N; ++nRow)
        for (int nColumn = 0; nColumn < N; ++nColumn)
            placeCell(design, cells, nRow, nColumn);
    return cells;
}

std::string CellCodes(const CLevel::Cells& cells)
{
    std::string strCodes;
    for (const CLevel::CellRecord& cell : cells) {
        const int nCode = cell.m_bExists ? 0x80 | (cell.m_nLives > 1 ? 0x40 : 0) | codeFromItemType(cell.m_nType) : 0;
        strCodes += codeText(nCode);
    }
    return strCodes;
}
