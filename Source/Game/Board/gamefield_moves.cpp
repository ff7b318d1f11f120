// Possible moves for the hint and the shuffle button.
#include "Game/Board/gamefield.h"

#include <algorithm>

#include "Core/vantile_random.h"
#include "Game/Context/gameevents.h"
#include "Game/Board/gamecell.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"

namespace {

const float SHUFFLE_SPEED = 300.0f;
const int SHUFFLE_REPAIRS = 10;
const int SHUFFLE_DEALS = 20;
const D3DXVECTOR3 ORIGIN(0.0f, 0.0f, 0.0f);

typedef CGameField::Placement Placement;

void exchangeItems(CGameCell* pA, CGameCell* pB)
{
    CGameItem* pItemA = pA->takeItem();
    CGameItem* pItemB = pB->takeItem();
    pA->setItem(pItemB);
    pB->setItem(pItemA);
}

bool canTryMove(const CGameItem* pA, const CGameItem* pB)
{
    return pA && pB && pA->getHits() == 1 && pB->getHits() == 1 && pA->getType() != eTrunk &&
           pB->getType() != eTrunk;
}

Placement::value_type takeRandom(Placement& pool)
{
    const size_t nIndex = static_cast<size_t>(Vantile::Random()) % pool.size();
    const Placement::value_type entry = pool[nIndex];
    pool.erase(pool.begin() + nIndex);
    return entry;
}

}  // namespace

// Empty cells are skipped: the search may run while cells wait for their
// refill.
void CGameField::findPossibleMoves(MoveList& moves)
{
    moves.clear();
    GroupList groups;
    for (const SegmentList* pSegments : {&m_ColumnSegments, &m_RowSegments}) {
        for (const Segment& segment : *pSegments) {
            for (size_t i = 0; i + 1 < segment.size(); ++i) {
                CGameCell* pA = segment[i];
                CGameCell* pB = segment[i + 1];
                if (!canTryMove(pA->item(), pB->item()))
                    continue;
                exchangeItems(pA, pB);
                if (hasRuns())
                    moves.push_back(std::make_pair(pA, pB));
                exchangeItems(pA, pB);
            }
        }
    }
}

void CGameField::shuffle()
{
    // A shuffle only rearranges a resting board: a moving item would lose
    // the end of its fall and the board would wait for it for ever.
    if (!isSettled() || m_bBusy)
        return;
    // 1, 2. Everything but the trunk, column by column from the top.
    const Placement start = shufflePlacement();
    if (start.empty())
        return;
    // 3, 4. Random pairs change places, then the runs that made are broken
    // up. A board left without a move is dealt again, a few times over.
    MoveList moves;
    for (int nDeal = 0; nDeal < SHUFFLE_DEALS && moves.empty(); ++nDeal) {
        scramble(start);
        repairRuns(start);
        findPossibleMoves(moves);
    }
    // 5. Every item glides from where it was.
    for (const Placement::value_type& entry : start) {
        CGameItem* pItem = entry.second;
        CGameCell* pNow = pItem->getCell();
        pItem->setState(eMoving, entry.first->position() - pNow->position(), ORIGIN, 0.0f, SHUFFLE_SPEED);
    }
    // 6. Runs the repairs left are cleared like any cascade.
    addBoardEvent(eEventEvaluateBoard);
}

CGameField::Placement CGameField::shufflePlacement() const
{
    Placement start;
    for (int nColumn = 0; nColumn < SIZE; ++nColumn)
        for (int nRow = 0; nRow < SIZE; ++nRow) {
            CGameCell* pCell = m_ppCells[nRow][nColumn];
            if (pCell->exists() && pCell->item() && pCell->item()->getType() != eTrunk)
                start.push_back(std::make_pair(pCell, pCell->item()));
        }
    return start;
}

void CGameField::scramble(const Placement& start)
{
    Placement pool = start;
    while (pool.size() >= 2) {
        CGameCell* pA = takeRandom(pool).first;
        CGameCell* pB = takeRandom(pool).first;
        exchangeItems(pA, pB);
    }
}

// A group whose first cell has already been moved is left to a later try;
// a pool emptied by the first cell ends the try.
void CGameField::repairRuns(const Placement& start)
{
    for (int nTry = 0; nTry < SHUFFLE_REPAIRS && hasRuns(); ++nTry) {
        GroupList groups, horizontal;
        findRuns(m_ColumnSegments, groups);
        findRuns(m_RowSegments, horizontal);
        groups.insert(groups.end(), horizontal.begin(), horizontal.end());
        Placement pool = start;
        for (const std::vector<CGameCell*>& group : groups) {
            auto it = std::find_if(pool.begin(), pool.end(),
                                   [&](const Placement::value_type& e) { return e.first == group.front(); });
            if (it == pool.end())
                continue;
            pool.erase(it);
            if (pool.empty())
                break;
            exchangeItems(group.front(), takeRandom(pool).first);
        }
    }
}
