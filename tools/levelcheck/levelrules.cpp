#include "levelcheck/levelrules.h"

#include <algorithm>
#include <cctype>

#include "Game/Items/itemtype.h"

using std::to_string;

namespace {

const int N = CLevel::BOARD_SIZE;
// Shorter runs never match, so a cell needs this many in a line to clear.
const int MIN_RUN = 3;

}  // namespace

std::string CellText(int nRow, int nColumn)
{
    return "row " + to_string(nRow) + ", column " + to_string(nColumn);
}

CLevelRules::CLevelRules(const CLevel::Cells& cells, const std::vector<int>& types) : m_Cells(cells), m_Types(types)
{
    for (int nType : types) {
        if (isSpecialType(nType))
            m_bRefillHasSpecial = true;
        if (isOrdinaryType(nType) && std::find(m_FishKinds.begin(), m_FishKinds.end(), nType) == m_FishKinds.end())
            m_FishKinds.push_back(nType);
    }
}

CLevelRules::Faults CLevelRules::check() const
{
    Faults faults = ItemTypeFaults(m_Types);
    checkRuns(faults);
    checkReach(faults);
    checkTrunk(faults);
    if (faults.empty())
        checkFill(faults);
    return faults;
}

bool CLevelRules::exists(int nRow, int nColumn) const
{
    return nRow >= 0 && nRow < N && nColumn >= 0 && nColumn < N && m_Cells[nRow * N + nColumn].m_bExists;
}

int CLevelRules::typeAt(int nRow, int nColumn) const
{
    return exists(nRow, nColumn) ? m_Cells[nRow * N + nColumn].m_nType : eNoItem;
}

int CLevelRules::segmentLength(int nRow, int nColumn, int nRowStep, int nColumnStep) const
{
    int nLength = 1;
    for (int k = 1; exists(nRow + k * nRowStep, nColumn + k * nColumnStep); ++k)
        ++nLength;
    for (int k = 1; exists(nRow - k * nRowStep, nColumn - k * nColumnStep); ++k)
        ++nLength;
    return nLength;
}

int CLevelRules::lowestRow(int nColumn) const
{
    for (int nRow = N - 1; nRow >= 0; --nRow)
        if (exists(nRow, nColumn))
            return nRow;
    return -1;
}

int CLevelRules::topRow(int nColumn) const
{
    for (int nRow = 0; nRow < N; ++nRow)
        if (exists(nRow, nColumn))
            return nRow;
    return -1;
}

std::vector<int> ListedItemTypes(const std::string& strTypes)
{
    std::vector<int> types;
    for (size_t nPos = 0; nPos < strTypes.size(); nPos += 2) {
        bool bFirst, bSecond;
        const std::string strCode = strTypes.substr(nPos, 2);
        const bool bDigits = strCode.size() == 2 && isxdigit(static_cast<unsigned char>(strCode[0])) &&
                             isxdigit(static_cast<unsigned char>(strCode[1]));
        const int nType = bDigits ? itemTypeFromCode(strCode.c_str(), bFirst, bSecond) : int(eNoItem);
        // A cell's flags have no meaning in a list of types.
        types.push_back(bDigits && !bFirst ? nType : int(eNoItem));
    }
    return types;
}

CLevelRules::Faults ItemTypeFaults(const std::vector<int>& types)
{
    CLevelRules::Faults faults;
    const int nKinds = CLevel::fishKinds(types);
    if (types.empty())
        faults.push_back("the level names no item types, so nothing can refill the board");
    if (std::count(types.begin(), types.end(), int(eNoItem)))
        faults.push_back("the item types hold a code that names no item");
    if (std::count(types.begin(), types.end(), int(eTrunk)))
        faults.push_back("the item types hold the trunk, so the refill would drop trunks");
    if (!types.empty() && nKinds < CLevel::MIN_FISH_KINDS)
        faults.push_back("the refill needs at least three fish kinds, the level names " + to_string(nKinds));
    return faults;
}

// The same walk as the board's run search: equal fish kinds side by side
// inside a line of existing cells; special items and empty cells break a
// run, and so do holes, because a line ends there.
void CLevelRules::checkRuns(Faults& faults) const
{
    for (const bool bDown : {false, true}) {
        for (int nLine = 0; nLine < N; ++nLine) {
            // The cell at position k of this row or column.
            auto rowOf = [&](int k) { return bDown ? k : nLine; };
            auto columnOf = [&](int k) { return bDown ? nLine : k; };
            int nRunType = eNoItem, nRunStart = 0;
            for (int k = 0; k <= N; ++k) {
                const int nType = k < N ? typeAt(rowOf(k), columnOf(k)) : eNoItem;
                if (isOrdinaryType(nType) && nType == nRunType)
                    continue;
                if (isOrdinaryType(nRunType) && k - nRunStart >= MIN_RUN)
                    faults.push_back("the board starts with a run of " + to_string(k - nRunStart) + " from " +
                                     CellText(rowOf(nRunStart), columnOf(nRunStart)) +
                                     (bDown ? " down its column" : " along its row"));
                nRunType = nType;
                nRunStart = k;
            }
        }
    }
}

void CLevelRules::checkReach(Faults& faults) const
{
    for (int nRow = 0; nRow < N; ++nRow)
        for (int nColumn = 0; nColumn < N; ++nColumn)
            if (exists(nRow, nColumn) && segmentLength(nRow, nColumn, 0, 1) < MIN_RUN &&
                segmentLength(nRow, nColumn, 1, 0) < MIN_RUN)
                faults.push_back(CellText(nRow, nColumn) + " has fewer than three cells in its row and in its "
                                 "column, so it can never be matched and its background never clears");
}

// A placed trunk is the level's goal from the start and keeps a second one
// from being spawned; without one, the trunk enters at the top of any
// column the refill reaches, so every column must let it down.
void CLevelRules::checkTrunk(Faults& faults) const
{
    std::vector<int> trunks;
    for (int k = 0; k < CLevel::CELL_COUNT; ++k)
        if (m_Cells[k].m_bExists && m_Cells[k].m_nType == eTrunk)
            trunks.push_back(k);
    if (trunks.size() > 1) {
        faults.push_back("the level places " + to_string(trunks.size()) + " trunks; the first to land ends it");
        return;
    }
    if (trunks.size() == 1) {
        const int nRow = trunks[0] / N, nColumn = trunks[0] % N;
        if (nRow == lowestRow(nColumn))
            faults.push_back("the trunk at " + CellText(nRow, nColumn) +
                             " starts at the bottom of its column and would end the level at the first fall");
        checkDescent(nColumn, nRow, faults);
        return;
    }
    for (int nColumn = 0; nColumn < N; ++nColumn)
        if (topRow(nColumn) >= 0)
            checkDescent(nColumn, topRow(nColumn), faults);
}

// A cell under the trunk clears by a match along its row, or by one down
// the cells under the trunk, which swaps with a row neighbour can bring
// about because the refill keeps feeding the neighbour's column. A cell
// with no row neighbour has only the fish already under the trunk, and
// they may never make three.
void CLevelRules::checkDescent(int nColumn, int nFromRow, Faults& faults) const
{
    for (int nRow = nFromRow + 1; nRow < N; ++nRow) {
        if (!exists(nRow, nColumn))
            continue;
        const int nRowCells = segmentLength(nRow, nColumn, 0, 1);
        if (nRowCells >= MIN_RUN || (nRowCells == 2 && cellsDown(nRow, nColumn) >= MIN_RUN))
            continue;
        faults.push_back("a trunk in column " + to_string(nColumn) + " can stick above " + CellText(nRow, nColumn) +
                         ": too few cells beside and below it to match");
        return;
    }
}

int CLevelRules::cellsDown(int nRow, int nColumn) const
{
    int nCount = 0;
    while (exists(nRow + nCount, nColumn))
        ++nCount;
    return nCount;
}
