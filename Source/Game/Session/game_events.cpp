// Draining the game event queue: the play events go to the rules, the
// screen-flow events are the session's own.
#include "Game/Session/game.h"

#include "Business/profilesstore.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gameevents.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/Session/gamemenus.h"

namespace {

// Outside level play (the mini-game) a cleared cell gives back this much.
const float MINI_GAME_BONUS_SECONDS = 5.0f;
const char* const FIRST_PLAYER = "test";

}  // namespace

// Events posted while the queue drains are handled in the same drain.
void CGame::drainEvents()
{
    m_pMenus->setMenuCursor(m_bMouseDown);
    CGameContext& context = CGameContext::Instance();
    GameEvent event;
    while (context.peekEvent(event)) {
        context.popEvent();
        if (!handleFlowEvent(event))
            return;
        if (dropsEvaluation(event))
            continue;
        CProfile* pProfile = profile();
        if (!pProfile)
            continue;
        const bool bPlay = m_nState == ePlay;
        const float fBonus = bPlay ? float(m_pField->level().m_nBonusTime) : MINI_GAME_BONUS_SECONDS;
        if (m_PlayEvents.handle(event, *pProfile, bPlay, fBonus) == CPlayEvents::eStopDrain)
            return;
    }
}

// False when the drain ends for this frame.
bool CGame::handleFlowEvent(const GameEvent& event)
{
    switch (event.nCode) {
    case eEventNewGame: newGame(); break;
    case eEventContinueGame: continueGame(); break;
    case eEventMainMenu:
        // Once the level is ending, leaving it would strand it half over.
        if (!(m_nState == ePlay && (m_Hud.isSlidingOut() || m_Hud.isTimeoutVisible())))
            requestState(eMainMenu);
        break;
    case eEventShowMap: requestState(eMap); break;
    case eEventChooserDone:
    case eEventMiniGameOver:
        if (m_nState == eMiniGame)
            m_Hud.slideOut();
        else
            requestState(event.nCode == eEventChooserDone ? ePlay : eLevelStart);
        break;
    case eEventLeaveMap: requestState(currentLevel().m_pMiniGame ? eMiniGame : ePlay); break;
    case eEventDeferredCall:
        if (const auto* pCall = dynamic_cast<const CDeferredCallPayload*>(event.pPayload.get()))
            m_Deferred.push_back(pCall->m_Call);
        // A state already on its way still comes at this midpoint.
        requestState(m_bTransition ? m_nPendingState : m_nState, 1.0f, true);
        break;
    case eEventLogoDone: requestState(eLoading); break;
    case eEventLevelOver: return levelOver();
    default: break;
    }
    return true;
}

// False when the drain stops for this frame: after the mini-game, and
// after a won level that another one follows.
bool CGame::levelOver()
{
    CProfile* pProfile = profile();
    if (!pProfile)
        return true;
    const CScoring::LevelEnd end = CScoring::levelOver(m_nState == eMiniGame, m_Hud.timer(), *pProfile, m_nLevel,
                                                       int(m_Levels.size()));
    switch (end) {
    case CScoring::eBackToLevelStart: requestState(eLevelStart); return false;
    case CScoring::eRetry:
    case CScoring::eGameOver:
        saveProfiles();
        requestState(end == CScoring::eRetry ? eLost : eGameOver);
        showProfileScore();
        return true;
    case CScoring::eWon: requestState(eWon, 3.0f); return false;
    case CScoring::eWonLastLevel: requestState(eWon, 3.0f); return true;
    }
    return true;
}

void CGame::newGame()
{
    CTooltipManager::Instance().resetTooltips();
    CProfileList& list = *m_pStore->profiles();
    if (!list.current()) {
        if (!list.contains(FIRST_PLAYER))
            list.create(FIRST_PLAYER);
        list.setCurrent(list.at(0));
    }
    CProfile* pProfile = list.current();
    pProfile->m_strTooltipsData = CTooltipManager::Instance().save();
    pProfile->reset();
    pProfile->m_bInLevel = false;
    saveProfiles();
    requestState(eStory);
    loadGame();
    m_nLevel = clampedLevel(pProfile->m_nLevel + 1);
    showProfileScore();
}

void CGame::continueGame()
{
    CProfile* pProfile = profile();
    if (!pProfile)
        return;
    if (!pProfile->m_strTooltipsData.empty())
        CTooltipManager::Instance().load(pProfile->m_strTooltipsData);
    if (pProfile->m_bInLevel) {
        requestState(m_bMiniGameHud ? eMiniGame : ePlay);
        return;
    }
    requestState(eMap);
    loadGame();
    m_nLevel = clampedLevel(pProfile->m_nLevel + 1);
    showProfileScore();
}
