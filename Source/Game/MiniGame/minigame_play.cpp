// The memory game's input, its pairs, the frame and the drawing.
#include "Game/MiniGame/minigame.h"

#include "Core/vantile_random.h"
#include "Game/Context/gameevents.h"
#include "Game/MiniGame/minigamepond.h"
#include "Game/Sprites/sprite.h"

namespace {

const float HALF = CMiniGame::CELL_SIZE / 2.0f;

}  // namespace

CMiniGameCell* CMiniGame::cellAt(const D3DXVECTOR3& vPoint) const
{
    for (const auto& pCell : m_Cells)
        if (pCell->contains(vPoint, HALF))
            return pCell.get();
    return nullptr;
}

// A third cell waits until the open pair has been compared.
bool CMiniGame::onMouseDown(const D3DXVECTOR3& vPoint)
{
    CMiniGameCell* pCell = cellAt(vPoint);
    const bool bSelectable = pCell && (pCell->state() == CMiniGameCell::eCovered ||
                                       pCell->state() == CMiniGameCell::eOpen);
    if (bSelectable && !(m_pFirst && m_pSecond))
        pCell->select();
    if (allTaken())
        CGameContext::Instance().postEvent(eEventMiniGameOver);
    return true;
}

bool CMiniGame::onMouseMove(const D3DXVECTOR3& vPoint)
{
    if (m_pHovered)
        m_pHovered->setHovered(false);
    m_pHovered = cellAt(vPoint);
    if (m_pHovered)
        m_pHovered->setHovered(true);
    return true;
}

void CMiniGame::onStateChange(CMiniGameCell& cell)
{
    switch (cell.state()) {
    case CMiniGameCell::eOpening:
        if (&cell == m_pFirst)
            cell.close();
        else if (!m_pFirst)
            m_pFirst = &cell;
        else if (!m_pSecond)
            m_pSecond = &cell;
        break;
    case CMiniGameCell::eOpen:
        if (m_pFirst && m_pSecond && m_pFirst->state() == CMiniGameCell::eOpen &&
            m_pSecond->state() == CMiniGameCell::eOpen)
            compare();
        break;
    case CMiniGameCell::eClosing:
    case CMiniGameCell::eTaken:
        if (&cell == m_pFirst)
            m_pFirst = nullptr;
        if (&cell == m_pSecond)
            m_pSecond = nullptr;
        break;
    default: break;
    }
}

void CMiniGame::compare()
{
    CMiniGameCell* pFirst = m_pFirst;
    CMiniGameCell* pSecond = m_pSecond;
    if (pFirst->kind().nId != pSecond->kind().nId) {
        pFirst->close();
        pSecond->close();
    } else if (!pFirst->kind().hasFish()) {
        pFirst->take(false);
        pSecond->take(false);
    } else {
        takeFishPair();
    }
}

// One cell of the pair sets the fish free, from where it lay.
void CMiniGame::takeFishPair()
{
    const bool bFirst = Vantile::Random() % 2 == 1;
    CMiniGameCell* pFish = bFirst ? m_pFirst : m_pSecond;
    CMiniGameCell* pOther = bFirst ? m_pSecond : m_pFirst;
    const D3DXVECTOR3 vAt = pFish->position();
    const std::string strFish = pFish->take(true);
    pOther->take(false);
    if (m_pPond)
        m_pPond->freeFish(strFish, vAt);
    m_Freed.push_back(strFish);
    m_bFishFreed = true;
    CGameContext::Instance().postEvent(eEventMiniGameOver);
}

bool CMiniGame::allTaken() const
{
    for (const auto& pCell : m_Cells)
        if (pCell->state() != CMiniGameCell::eTaken)
            return false;
    return true;
}

void CMiniGame::update(float fSeconds)
{
    for (const auto& pCell : m_Cells)
        pCell->update();
    if (m_pPond)
        m_pPond->removeStrayFish(STRAY_LIMIT);
    if (allTaken() && m_Fade.isRunning()) {
        m_Fade.update(fSeconds);
        if (!m_Fade.isRunning())
            CGameContext::Instance().postEvent(eEventMiniGameOver);
    }
}

void CMiniGame::releaseFreedFish()
{
    if (m_pPond)
        for (const std::string& strFish : m_Freed)
            m_pPond->releaseFish(strFish);
    m_Freed.clear();
}

void CMiniGame::renderBackground()
{
    if (m_pBackground)
        m_pBackground->placeAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
}

// The cells' backgrounds and the border fade out once every cell is taken.
void CMiniGame::render()
{
    if (!m_bDraw)
        return;
    const float fAlpha = m_Fade.getValue();
    for (const auto& pCell : m_Cells)
        pCell->render(fAlpha);
    for (const auto& pPiece : m_Border) {
        pPiece->SetAlpha(fAlpha);
        pPiece->placeAt(pPiece->getPosition());
    }
}

void CMiniGame::renderFreedFish()
{
    if (m_bDraw && m_pPond)
        m_pPond->drawFish();
}
