// Selection by click and by drag, and the swap of two items.
#include "Game/Board/gamefield.h"

#include "Game/Context/gameevents.h"
#include "Game/Board/gamecell.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"

namespace {

const float PLAYER_SWAP_SPEED = 175.0f;
const D3DXVECTOR3 ORIGIN(0.0f, 0.0f, 0.0f);

}  // namespace

// A cell that may take part in a player's swap right now.
bool CGameField::acceptsTarget(const CGameCell* pCell) const
{
    return isSelectable(pCell) && !isBusy() && pCell->item()->getHits() < 2;
}

void CGameField::startPlayerSwap(CGameCell* pTarget)
{
    m_pSwapFirst = m_pSelected;
    m_pSwapSecond = pTarget;
    swap(m_pSelected, pTarget, true, PLAYER_SWAP_SPEED);
    m_pSelected = nullptr;
}

void CGameField::dropSelection(bool bRestoreLook)
{
    if (bRestoreLook && m_pSelected->item())
        m_pSelected->item()->setState(eNormal);
    m_pSelected = nullptr;
}

void CGameField::mouseDown(const D3DXVECTOR3& vPoint)
{
    m_bMouseDown = true;
    CGameCell* pCell = cellAt(vPoint);
    if (!isSelectable(pCell) || isBusy())
        return;
    CGameContext& context = CGameContext::Instance();
    if (context.m_bPowerupArmed) {
        usePowerup(context.m_nPowerup, pCell);
        return;
    }
    if (pCell->item()->getHits() >= 2 || m_pSwapFirst)
        return;
    playSound("select.ogg", 0.3f);
    if (m_pSelected) {
        if (areNeighbours(m_pSelected, pCell)) {
            startPlayerSwap(pCell);
            return;
        }
        const bool bSame = m_pSelected == pCell;
        dropSelection(true);
        if (bSame)
            return;
    }
    m_pSelected = pCell;
}

void CGameField::mouseMove(const D3DXVECTOR3& vPoint)
{
    m_vMouse = vPoint;
    if (!m_bMouseDown || !m_pSelected)
        return;
    if (!isSelectable(m_pSelected)) {
        m_pSelected = nullptr;
        return;
    }
    CGameCell* pCell = cellAt(vPoint);
    if (pCell == m_pSelected)
        return;
    if (!acceptsTarget(pCell)) {
        dropSelection(true);
        return;
    }
    if (!m_pSwapFirst && areNeighbours(m_pSelected, pCell))
        startPlayerSwap(pCell);
}

void CGameField::mouseUp(const D3DXVECTOR3& vPoint)
{
    m_bMouseDown = false;
    if (!m_pSelected)
        return;
    if (!isSelectable(m_pSelected)) {
        m_pSelected = nullptr;
        return;
    }
    CGameCell* pCell = cellAt(vPoint);
    if (!acceptsTarget(pCell) || m_pSwapFirst)
        return;
    if (pCell != m_pSelected && areNeighbours(m_pSelected, pCell))
        startPlayerSwap(pCell);
    else
        m_pSelected->item()->setState(eCursor);
}

void CGameField::swap(CGameCell* pA, CGameCell* pB, bool bFirst, float fSpeed)
{
    playSound("change.ogg", 0.3f);
    CGameItem* pItemA = pA->takeItem();
    CGameItem* pItemB = pB->takeItem();
    if (bFirst) {
        pItemA->setPlayerMark(true);
        pItemB->setPlayerMark(true);
    }
    pA->setItem(pItemB);
    pB->setItem(pItemA);
    m_pLastSwapTarget = pB;
    pItemB->setState(eMoving, pB->position() - pA->position(), ORIGIN, 0.0f, fSpeed);
    pItemA->setState(eMoving, pA->position() - pB->position(), ORIGIN, 0.0f, fSpeed);
    addBoardEvent(eEventEvaluateBoard);
}
