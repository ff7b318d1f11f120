// The session's frame: the state applied at the fade's midpoint, the
// event drain, the current screen and the fader.
#include "Game/Session/game.h"

#include "Core/vantile_frametimer.h"
#include "Game/Aquarium/aquarium.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gameevents.h"
#include "Game/Hints/hintmanager.h"
#include "Game/Hud/loadingscreen.h"
#include "Game/Session/gamemenus.h"
#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spritevbarray.h"

namespace {

// A paused clock gives frames of no time; the fades go on regardless.
const float PAUSED_FADE_SECONDS = 0.1f;

}  // namespace

void CGame::update(float fSeconds)
{
    // Whoever draws atlas frames this frame fills the batches afresh.
    CSpriteVBArray::Instance().resetAll();
    Vantile::CFrameTimer& timer = Vantile::CFrameTimer::Instance();
    if (timer.isPaused() && m_nState != ePlay && m_nState != eMiniGame) {
        timer.pause(false);
        chooseMusic();
    }
    if (m_pAquarium)
        m_pAquarium->setVisible(m_nState == ePlay);
    CGameContext& context = CGameContext::Instance();
    if (m_nState == ePlay)
        context.m_bMouseOffBoard = !CGameContext::isInRect(m_vMouse, CGameField::cellCentre(0, 0),
                                                            CGameField::cellCentre(CGameField::SIZE - 1,
                                                                                   CGameField::SIZE - 1));
    else if (m_nState == eMainMenu)
        context.m_bMouseOffBoard = true;
    if (m_bApplyState)
        applyPendingState();
    drainEvents();
    runState(fSeconds);
    const bool bMidpoint = m_Fader.advance(fSeconds > 0.0f ? fSeconds : PAUSED_FADE_SECONDS, timer.isPaused());
    if (bMidpoint && m_bTransition)
        m_bApplyState = true;
    CHintManager::Instance().update(fSeconds, m_vMouse);
}

void CGame::runState(float fSeconds)
{
    switch (m_nState) {
    case eLogo: runLogo(fSeconds); break;
    case eLoading:
        if (m_pSplash)
            m_pSplash->draw();
        if (m_pLoading && m_bDraw)
            m_pLoading->render(fSeconds);
        break;
    case ePlay: playLevel(fSeconds); break;
    case eMap: renderMap(fSeconds); break;
    case eMiniGame: playMiniGame(fSeconds); break;
    case eFinalStory:
    case eStory: runStory(fSeconds); break;
    case eLevelStart: runChooser(fSeconds); break;
    case eWon: m_AfterWin.update(fSeconds); break;
    case eMainMenu:
        m_pMenus->renderBackground();
        m_Bubbles.update(fSeconds, m_bDraw);
        m_pMenus->renderMenus();
        break;
    default: break;
    }
}

void CGame::playLevel(float fSeconds)
{
    offerIdleHint(fSeconds);
    if (m_pAquarium)
        m_pAquarium->update(fSeconds);
    m_pField->update();
    m_pField->render();
    m_Hud.setBoardSettled(m_pField->isSettled());
    m_Hud.update(fSeconds);
    if (m_bDraw) {
        m_Hud.render(fSeconds);
        // The hint bubbles of the HUD's parts under the mouse.
        CHintManager::Instance().render();
    }
    runLevelTooltips(fSeconds);
    if (!m_Scoring.isTimerStopped() && !isTooltipShowing())
        m_Hud.tickTimer(fSeconds);
}
