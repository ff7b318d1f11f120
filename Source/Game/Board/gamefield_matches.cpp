// Run detection, evaluation of the board after a swap or a fall, and the
// removal of one cell's item.
#include "Game/Board/gamefield.h"

#include <algorithm>

#include "Core/vantile_random.h"
#include "Game/Board/boardaquarium.h"
#include "Game/Context/gameevents.h"
#include "Game/Board/gamecell.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"

namespace {

const float SWAP_BACK_SPEED = 175.0f;
const int POWER_ITEM_TYPE = 4;

bool contains(const std::vector<CGameCell*>& cells, const CGameCell* pCell)
{
    return std::find(cells.begin(), cells.end(), pCell) != cells.end();
}

// One segment's qualifying runs, all in one group.
std::vector<CGameCell*> runsOfSegment(const CGameField::Segment& segment)
{
    std::vector<CGameCell*> group;
    int nType = eNoItem;
    int nStart = -1;
    auto close = [&](int nIndex) {
        if (nStart != -1 && nIndex - nStart > 2 && isOrdinaryType(nType))
            group.insert(group.end(), segment.begin() + nStart, segment.begin() + nIndex);
    };
    const int nCount = static_cast<int>(segment.size());
    for (int i = 0; i < nCount; ++i) {
        const CGameItem* pItem = segment[i]->item();
        if (!pItem) {
            close(i);
            nType = eNoItem;
            nStart = i;
        } else if (pItem->getType() != nType) {
            close(i);
            nType = pItem->getType();
            nStart = i;
        }
    }
    close(nCount);
    return group;
}

}  // namespace

void CGameField::findRuns(const SegmentList& segments, GroupList& groups) const
{
    groups.clear();
    for (const Segment& segment : segments) {
        std::vector<CGameCell*> group = runsOfSegment(segment);
        if (group.empty())
            continue;
        const bool bMarked =
            std::any_of(group.begin(), group.end(), [](CGameCell* p) { return p->item()->hasPlayerMark(); });
        if (bMarked)
            for (CGameCell* pCell : group)
                pCell->item()->setPlayerMark(true);
        const bool bIdle = std::all_of(group.begin(), group.end(), [](CGameCell* p) { return p->isIdle(); });
        if (bIdle)
            groups.push_back(group);
    }
}

bool CGameField::hasRuns() const
{
    GroupList groups;
    findRuns(m_ColumnSegments, groups);
    if (!groups.empty())
        return true;
    findRuns(m_RowSegments, groups);
    return !groups.empty();
}

bool CGameField::processMatches(bool& bBigCombo)
{
    m_bEvaluationDue = false;
    // 1. Nothing moves while the trunk leaves the board.
    if (m_TrunkEffect.isActive())
        return false;
    // 2. Runs in both directions.
    GroupList vertical, horizontal;
    findRuns(m_ColumnSegments, vertical);
    findRuns(m_RowSegments, horizontal);
    // 3. A swapped special fires; a swap that matched nothing goes back.
    bool bFired = false;
    if (m_pSwapFirst) {
        bFired = fireSwappedSpecials();
        if (!bFired && !pairInGroups(vertical, horizontal)) {
            // Marks left on would make a later cascade look like the
            // player's own match.
            clearPlayerMarks();
            if (isSelectable(m_pSwapFirst) && isSelectable(m_pSwapSecond)) {
                swap(m_pSwapFirst, m_pSwapSecond, false, SWAP_BACK_SPEED);
                m_pSwapFirst->item()->shake();
                m_pSwapSecond->item()->shake();
            }
            m_pSwapFirst = m_pSwapSecond = nullptr;
            return false;
        }
    }
    // 4. Clear every group, vertical ones first.
    GroupList cleared;
    clearGroups(vertical, cleared);
    clearGroups(horizontal, cleared);
    m_nChain = m_pSwapFirst ? 1 : m_nChain + 1;
    addScorePopups(cleared);
    // 5. A player's move that made two groups is a big combo.
    if (m_pSwapFirst || m_pSwapSecond) {
        bBigCombo = vertical.size() + horizontal.size() > 1;
        clearPlayerMarks();
    }
    // 6.
    m_pSwapFirst = m_pSwapSecond = nullptr;
    // 7. Runs of four and five leave a special item behind.
    makeSpecials(cleared);
    // 8. Destructors refill the board when they end. A heart or a
    // snowflake fires without one, so then the board refills at once.
    if (!bFired || m_Destructors.empty())
        refill();
    // 9.
    const bool bFound = bFired || !vertical.empty() || !horizontal.empty();
    if (!bFound)
        m_nChain = 0;
    return bFound;
}

bool CGameField::fireSwappedSpecials()
{
    bool bFired = false;
    if (m_pSwapFirst && m_pSwapFirst->item() && isSpecialType(m_pSwapFirst->item()->getType())) {
        m_pSwapFirst->item()->setPlayerMark(false);
        if (m_pSwapSecond && m_pSwapSecond->item())
            m_pSwapSecond->item()->setPlayerMark(false);
        hitCell(m_pSwapFirst, true, false);
        m_pSwapFirst = nullptr;
        bFired = true;
    }
    if (m_pSwapSecond && m_pSwapSecond->item() && isSpecialType(m_pSwapSecond->item()->getType())) {
        m_pSwapSecond->item()->setPlayerMark(false);
        if (m_pSwapFirst && m_pSwapFirst->item())
            m_pSwapFirst->item()->setPlayerMark(false);
        hitCell(m_pSwapSecond, true, false);
        m_pSwapSecond = nullptr;
        bFired = true;
    }
    return bFired;
}

bool CGameField::pairInGroups(const GroupList& vertical, const GroupList& horizontal) const
{
    for (const GroupList* pGroups : {&vertical, &horizontal})
        for (const std::vector<CGameCell*>& group : *pGroups)
            if (contains(group, m_pSwapFirst) || contains(group, m_pSwapSecond))
                return true;
    return false;
}

void CGameField::clearGroups(const GroupList& groups, GroupList& cleared)
{
    for (const std::vector<CGameCell*>& group : groups) {
        std::vector<CGameCell*> gone;
        for (CGameCell* pCell : group)
            if (hitCell(pCell, true, true))
                gone.push_back(pCell);
        cleared.push_back(gone);
    }
}

void CGameField::clearPlayerMarks()
{
    for (CGameCell* pCell : m_Cells) {
        if (pCell->item())
            pCell->item()->setPlayerMark(false);
        if (pCell->itemToDelete())
            pCell->itemToDelete()->setPlayerMark(false);
    }
}

void CGameField::makeSpecials(const GroupList& cleared)
{
    for (std::vector<CGameCell*> set : cleared) {
        if (set.size() == 4 || set.size() == 5) {
            const bool bFour = set.size() == 4;
            const size_t nPick = static_cast<size_t>(Vantile::Random()) % set.size();
            set[nPick]->setItem(new CGameItem(bFour ? eHorz : eVertHorz));
            playSound(bFour ? "crab.ogg" : "star.ogg", 1.0f);
            ++m_nSpecialsMade;
            set.erase(set.begin() + nPick);
        }
        if (m_bTimeFreezeNext && !set.empty()) {
            set[static_cast<size_t>(Vantile::Random()) % set.size()]->setItem(new CGameItem(eTimeFreeze));
            ++m_nSpecialsMade;
            m_bTimeFreezeNext = false;
        }
    }
}

bool CGameField::hitCell(CGameCell* pCell, bool bDestroy, bool bPlayerMove)
{
    // 1.
    CGameItem* pItem = pCell->item();
    if (!pItem)
        return true;
    // 2. Food for the fish from every first clear of a background and
    // from everything the player did not clear himself.
    if (m_pAquarium && (!pCell->isCleared() || !pItem->hasPlayerMark()))
        m_pAquarium->dropFood(pCell->position());
    pCell->clearBackground();
    const int nType = pItem->getType();
    // 3. The trunk has no effect of its own.
    if (isSpecialType(nType) && nType != eTrunk)
        fireSpecial(pCell, nType);
    // 4.
    if (nType == POWER_ITEM_TYPE)
        CGameContext::Instance().postEvent(eEventPowerItemCleared);
    // 5.
    if (nType == eTrunk)
        return true;
    if (!bDestroy) {
        pCell->setItem(nullptr);
        return true;
    }
    bool bGone = true;
    removeItem(pCell, bPlayerMove, bGone);
    // A double item's first hit scores and gives time back too.
    PostItemCleared(1);
    return bGone;
}

void CGameField::removeItem(CGameCell* pCell, bool bPlayerMove, bool& bGone)
{
    // A cell still removing an earlier item drops that one at once, so the
    // item that fell in cannot stay behind in a run.
    CGameItem* pItem = pCell->item();
    if (pItem->getHits() > 1) {
        pItem->hit();
        bGone = false;
        return;
    }
    addClearBurst(pCell, pItem->getType());
    pCell->startRemoval(bPlayerMove && pItem->hasPlayerMark() ? eDeleting : eDeleting2);
}
