// The memory game before a level: entering it, its frame and its input.
// Its events come back through the drain: every taken cell scores as a
// cleared item does, and the end slides the HUD out, after which the
// level starts.
#include "Game/Session/game.h"

#include "Business/profilesstore.h"
#include "Game/Board/gamefield.h"
#include "Game/Fish/fishworld.h"
#include "Game/Hints/hintmanager.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/MiniGame/minigame.h"
#include "Game/MiniGame/minigamepond.h"
#include "Game/Session/gamemenus.h"
#include "Renderstages/vantile_renderqueue.h"

namespace {

const float MINI_GAME_SECONDS = 300.0f;
// The grid's cells lie half a cell left and up of its origin. Half a cell
// down centres it in height, so that the tallest grid (seven rows) stays
// on the screen; to the left it stays clear of the HUD's wider right panel.
const D3DXVECTOR3 MINI_GAME_ORIGIN(0.0f, -CMiniGame::CELL_SIZE / 2.0f, 0.0f);

}  // namespace

void CGame::makeMiniGame()
{
    m_pMiniGame = std::make_unique<CMiniGame>(m_bDraw);
}

// The fish set free swim in the aquarium's water, when there is one.
void CGame::attachMiniGamePond(bool bAquarium)
{
    if (bAquarium && !m_pPond)
        m_pPond = std::make_unique<CFishWorldPond>();
    m_pMiniGame->setPond(bAquarium ? m_pPond.get() : nullptr);
}

// A fresh start of the level readies the board behind and deals a new game;
// a player back in the level finds the game as it was left.
void CGame::enterMiniGame()
{
    m_pMenus->releaseBackground();
    CFishWorld::Instance().food().clear();
    CProfile* pProfile = profile();
    const std::shared_ptr<CMiniGameInfo> pInfo = currentLevel().m_pMiniGame;
    if (!pProfile->m_bInLevel) {
        m_Hud.setActive(false);
        m_pField->initCells(currentLevel().m_strField);
        CTooltipManager::Instance().setEnabled(pProfile->m_bTooltips);
        m_pField->reset();
        if (pInfo)
            dealMiniGame(*pInfo);
    }
    if (!pInfo) {
        m_nPendingState = eLevelStart;
        enterState();
        return;
    }
    pProfile->m_bInLevel = true;
    chooseMusic();
    m_bMiniGameHud = true;
    m_Hud.slideIn();
    CHintManager::Instance().setGroup(1);
}

void CGame::dealMiniGame(const CMiniGameInfo& info)
{
    m_pMiniGame->setup(MINI_GAME_ORIGIN, info.m_nColumns, info.m_nRows, info.m_nFish);
    m_Hud.startTimer(MINI_GAME_SECONDS);
    m_Hud.setTimeoutArmed(false);
    // The plate names the level the game opens.
    m_Hud.setLevelTitle(currentLevel().m_strName);
    CTooltipManager& tooltips = CTooltipManager::Instance();
    tooltips.makePending(CTooltipManager::HINT_MINIGAME_START);
    tooltips.makePending(CTooltipManager::HINT_MINIGAME_SOLVED);
    tooltips.showNumbered(CTooltipManager::HINT_MINIGAME_START);
}

// Sprites queued so far are drawn now, under whatever is queued next: the
// fish's meshes would otherwise come first.
void CGame::flushQueuedSprites()
{
    if (Vantile::CRenderQueue* pQueue = m_bDraw ? Vantile::CRenderQueue::Current() : nullptr) {
        pQueue->RenderContainers();
        pQueue->ClearContainers();
    }
}

// The bubbles rise between the game's background and its cells. The
// widest grids reach under the HUD's side panels, so the cells come after
// the HUD: every cell stays in sight. The fish set free swims off in front
// of the cells, where the player sees it go. A full timer ends nothing here.
void CGame::playMiniGame(float fSeconds)
{
    m_pMiniGame->update(fSeconds);
    m_pMiniGame->renderBackground();
    m_Bubbles.update(fSeconds, m_bDraw);
    flushQueuedSprites();
    m_Hud.update(fSeconds);
    if (m_bDraw)
        m_Hud.render(fSeconds);
    m_pMiniGame->render();
    flushQueuedSprites();
    m_pMiniGame->renderFreedFish();
    m_Hud.tickTimer(fSeconds);
    CTooltipManager& tooltips = CTooltipManager::Instance();
    if (m_pMiniGame->isSolved() && !tooltips.isShowing())
        tooltips.showNumbered(CTooltipManager::HINT_MINIGAME_SOLVED);
    tooltips.update(fSeconds);
    if (m_bDraw)
        tooltips.render(m_vMouse);
}

void CGame::miniGameMouseDown()
{
    CTooltipManager& tooltips = CTooltipManager::Instance();
    if (tooltips.hitTest(m_vMouse))
        tooltips.close();
    m_pMiniGame->onMouseDown(m_vMouse);
}
