// Special items firing, power-ups spent on a cell, and the per-frame run
// of the destructors they make.
#include "Game/Board/gamefield.h"

#include <algorithm>

#include "Game/Context/gameevents.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/powerups.h"
#include "Game/Destructors/starbonus.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"

namespace {

const float CRAB_SPEED = 400.0f;

}  // namespace

bool CGameField::isDestroyable(const CGameCell* pCell) const
{
    if (!pCell || !pCell->exists() || pCell->isDeleting())
        return false;
    const CGameItem* pItem = pCell->item();
    return pItem && pItem->isIdle() && pItem->getType() != eTrunk;
}

void CGameField::fireSpecial(CGameCell* pCell, int nType)
{
    switch (nType) {
    case eHorz:
    case eVert:
        fireCrabLine(pCell, nType == eHorz);
        playSound("use_crab.ogg", 1.0f);
        break;
    case eVertHorz:
        fireStar(pCell);
        playSound("use_star.ogg", 1.0f);
        break;
    case eHeart:
        CGameContext::Instance().postEvent(eEventExtraLife);
        playSound("use_heart.ogg", 1.0f);
        break;
    case eTimeFreeze:
        CGameContext::Instance().postEvent(eEventTimeFreeze);
        playSound("use_snowflake.ogg", 1.0f);
        break;
    default:
        break;
    }
}

// The two halves of the row or column run through the cell, each starting
// at the cell: leftwards (or down) first, then rightwards (or up).
void CGameField::halvesThrough(const CGameCell* pCell, bool bRow, CellRefList& first, CellRefList& second) const
{
    const SegmentList& segments = bRow ? m_RowSegments : m_ColumnSegments;
    for (const Segment& segment : segments) {
        const auto it = std::find(segment.begin(), segment.end(), pCell);
        if (it == segment.end())
            continue;
        for (auto back = it;; --back) {
            first.push_back(refOf(*back));
            if (back == segment.begin())
                break;
        }
        for (auto ahead = it; ahead != segment.end(); ++ahead)
            second.push_back(refOf(*ahead));
        return;
    }
}

void CGameField::fireCrabLine(CGameCell* pCell, bool bRow)
{
    CellRefList halves[2];
    halvesThrough(pCell, bRow, halves[0], halves[1]);
    const char* szTexture = bRow ? "crab_move.ifl" : "crab_move_ver.ifl";
    for (const CellRefList& half : halves)
        if (half.size() > 1)
            m_Destructors.push_back(std::make_unique<CCellDestructor>(
                pCell->position(), (*half.back())->position(), CRAB_SPEED, half, szTexture, 0.0f));
}

void CGameField::fireStar(CGameCell* pCell)
{
    CStarBonus::Arms arms;
    halvesThrough(pCell, true, arms[0], arms[1]);
    halvesThrough(pCell, false, arms[2], arms[3]);
    auto pStar = std::make_unique<CStarBonus>();
    pStar->start(refOf(pCell), arms);
    m_Destructors.push_back(std::move(pStar));
}

void CGameField::usePowerup(int nPowerup, CGameCell* pCell)
{
    std::unique_ptr<CBaseCellDestructor> pDestructor = MakePowerup(*this, nPowerup, refOf(pCell));
    if (!pDestructor)
        return;
    playSound(PowerupSound(nPowerup), 1.0f);
    m_Destructors.push_back(std::move(pDestructor));
    m_bBusy = true;
    CGameContext::Instance().postEvent(eEventPowerupUsed);
}

// 1. Each running destructor advances and hands over the cells now due.
// 2. Those cells lose their items. 3. Finishing destructors advance.
// 4. The newly done ones move to the finishing list. 5. Finished ones go.
void CGameField::updateDestructors()
{
    const bool bWasRunning = !m_Destructors.empty();
    CellRefList ordinary, immediate;
    DestructorList done;
    for (auto it = m_Destructors.begin(); it != m_Destructors.end();) {
        (*it)->update();
        CellRefList cells;
        bool bOrdinary = true;
        (*it)->collectCells(cells, bOrdinary);
        CellRefList& batch = bOrdinary ? ordinary : immediate;
        batch.insert(batch.end(), cells.begin(), cells.end());
        if ((*it)->isDone()) {
            done.push_back(std::move(*it));
            it = m_Destructors.erase(it);
        } else {
            ++it;
        }
    }
    removeCollected(ordinary, true);
    removeCollected(immediate, false);
    for (auto& pFinishing : m_DestructorsToDelete)
        pFinishing->update();
    m_DestructorsToDelete.insert(m_DestructorsToDelete.begin(), std::make_move_iterator(done.begin()),
                                 std::make_move_iterator(done.end()));
    m_DestructorsToDelete.erase(std::remove_if(m_DestructorsToDelete.begin(), m_DestructorsToDelete.end(),
                                               [](const std::unique_ptr<CBaseCellDestructor>& p) {
                                                   return p->isFinished();
                                               }),
                                m_DestructorsToDelete.end());
    if (!m_Destructors.empty()) {
        m_bBusy = true;
    } else if (bWasRunning) {
        m_bBusy = false;
        refill();
    }
}

void CGameField::removeCollected(const CellRefList& cells, bool bOrdinary)
{
    for (CellRef ref : cells) {
        CGameCell* pCell = *ref;
        if (pCell && pCell->exists())
            hitCell(pCell, bOrdinary, false);
    }
}
