// Whether the first fill can always finish. The board fills its empty
// cells in reading order, drawing kinds for each until no run shows, so a
// cell is stuck when every fish kind of the level would complete a run
// with its neighbours. The neighbours filled before it may hold any kind;
// this takes the worst case over them, so a level that passes can never
// hang the fill, whatever the draws.
#include "levelcheck/levelrules.h"

#include <algorithm>
#include <bitset>
#include <set>

#include "Game/Items/itemtype.h"

namespace {

const int N = CLevel::BOARD_SIZE;
// A neighbour that can hold no fish: a hole, a special item, the edge, or
// an empty cell the fill reaches later.
const int NO_FISH = 0;

}  // namespace

void CLevelRules::checkFill(Faults& faults) const
{
    // A special kind in the refill never completes a run, so it always fits.
    if (m_bRefillHasSpecial)
        return;
    for (int nRow = 0; nRow < N; ++nRow)
        for (int nColumn = 0; nColumn < N; ++nColumn) {
            if (!exists(nRow, nColumn) || typeAt(nRow, nColumn) != eNoItem)
                continue;
            const int nRuledOut = mostRuledOut(nRow, nColumn);
            if (nRuledOut >= int(m_FishKinds.size()))
                faults.push_back("the first fill can stick at " + CellText(nRow, nColumn) + ": its neighbours can rule out " +
                                 std::to_string(nRuledOut) + " of the level's " + std::to_string(m_FishKinds.size()) +
                                 " fish kinds");
        }
}

int CLevelRules::mostRuledOut(int nRow, int nColumn) const
{
    const std::vector<unsigned> alongRow = ruledOutSets(nRow, nColumn, 0, 1);
    const std::vector<unsigned> downColumn = ruledOutSets(nRow, nColumn, 1, 0);
    size_t nMost = 0;
    for (unsigned nRowSet : alongRow)
        for (unsigned nColumnSet : downColumn)
            nMost = std::max(nMost, std::bitset<32>(nRowSet | nColumnSet).count());
    return int(nMost);
}

// Every set of kinds (bit = kind) that the two cells before and the two
// after, in one line, can rule out: a kind is out when it would make three
// with the pair before, the pair after, or the two cells on either side.
std::vector<unsigned> CLevelRules::ruledOutSets(int nRow, int nColumn, int nRowStep, int nColumnStep) const
{
    std::vector<int> options[4];
    const int offsets[4] = {-2, -1, 1, 2};
    for (int i = 0; i < 4; ++i) {
        const int nStep = offsets[i];
        // A line ends at a hole: the cell beyond it is no neighbour.
        const bool bInLine = exists(nRow + nStep * nRowStep, nColumn + nStep * nColumnStep) &&
                             exists(nRow + (nStep / 2) * nRowStep, nColumn + (nStep / 2) * nColumnStep);
        if (bInLine)
            options[i] = fillCandidates(nRow + nStep * nRowStep, nColumn + nStep * nColumnStep, nStep < 0);
        if (options[i].empty())
            options[i].push_back(NO_FISH);
    }
    std::set<unsigned> sets;
    for (int a : options[0])
        for (int b : options[1])
            for (int c : options[2])
                for (int d : options[3]) {
                    unsigned nSet = 0;
                    if (a != NO_FISH && a == b)
                        nSet |= 1u << a;
                    if (b != NO_FISH && b == c)
                        nSet |= 1u << b;
                    if (c != NO_FISH && c == d)
                        nSet |= 1u << c;
                    sets.insert(nSet);
                }
    return std::vector<unsigned>(sets.begin(), sets.end());
}

// The kinds a neighbour may hold when the fill reaches the cell.
std::vector<int> CLevelRules::fillCandidates(int nRow, int nColumn, bool bFilledBefore) const
{
    const int nType = typeAt(nRow, nColumn);
    if (isOrdinaryType(nType))
        return {nType};
    if (nType == eNoItem && bFilledBefore)
        return m_FishKinds;
    return {};
}
