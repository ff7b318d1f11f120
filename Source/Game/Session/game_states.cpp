// Applying a requested state at the fade's dark midpoint, entering each
// state, and the music of each state.
#include "Game/Session/game.h"

#include <iterator>

#include "Business/profilesstore.h"
#include "Core/vantile_frametimer.h"
#include "Core/vantile_random.h"
#include "Game/Aquarium/aquarium.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gameevents.h"
#include "Game/Hints/hintmanager.h"
#include "Game/Hud/loadingscreen.h"
#include "Game/MiniGame/minigame.h"
#include "Game/Session/gamemenus.h"
#include "Game/Sound/soundmanager.h"
#include "Game/Sprites/sprite.h"
#include "Resources/vantile_texturemanager.h"
#include "system/crash_report.h"

namespace {

const float MUSIC_SPEED = 1.0f;
const char* const WON_TUNE = "muz_WINS.ogg";

void fadeTo(const char* szName, float fTarget)
{
    CSoundManager::instance().fadeTo(szName, fTarget, MUSIC_SPEED, true);
}

void fadeOut(const char* szName)
{
    CSoundManager::instance().fadeOut(szName, MUSIC_SPEED);
}

}  // namespace

void CGame::applyPendingState()
{
    m_IdleHint.reset();
    // Deferred calls run instead of a state change, unless another state
    // was requested during the same fade: that one still comes.
    if (!m_Deferred.empty()) {
        std::vector<std::function<void()>> calls;
        calls.swap(m_Deferred);
        for (const std::function<void()>& call : calls)
            call();
        if (m_nPendingState == m_nState) {
            m_bTransition = false;
            m_bApplyState = false;
            return;
        }
    }
    enterState();
    if (m_StopMapEffect)
        m_StopMapEffect();
    m_Fader.setRate(1.0f);
    m_bApplyState = false;
}

// Steps 3 and 4; a state that passes on at once applies the next one here.
const char* CGame::stateName(int nState)
{
    static const char* const NAMES[] = {"logo", "loading", "map", "play", "main menu", "level start",
                                        "won", "game over", "lost", "final story", "mini-game", "story"};
    return nState >= 0 && nState < int(std::size(NAMES)) ? NAMES[nState] : "unknown";
}

void CGame::enterState()
{
    CHintManager::Instance().setGroup(-1);
    CGameContext::Instance().stopSound("scratch.ogg");
    m_pMenus->showBlank();
    m_nState = m_nPendingState;
    CrashReportSetScreen(stateName(m_nState));
    m_bTransition = false;
    CGameContext::Instance().fadeOutAllMusic(1.0f);
    leaveStory();
    switch (m_nState) {
    case eMap: enterMap(); break;
    case ePlay: enterPlay(); break;
    case eMainMenu: enterMainMenu(); break;
    case eLevelStart: enterLevelStart(); break;
    case eWon: enterWon(); break;
    case eGameOver: requestState(eMainMenu); break;
    case eLost:
        CGameContext::Instance().playSound("Muz Losser.ogg");
        requestState(eLevelStart);
        break;
    case eFinalStory:
    case eStory:
        CGameContext::Instance().stopSound(WON_TUNE);
        chooseMusic();
        showStory(m_nState == eFinalStory);
        break;
    case eMiniGame: enterMiniGame(); break;
    default: break;
    }
}

void CGame::enterMap()
{
    CGameContext::Instance().stopSound(WON_TUNE);
    m_Scoring.setTimerStopped(false);
    m_pMenus->releaseBackground();
    chooseMusic();
    showMap();
}

// The story pages of a level come before it, except for the first level,
// whose pages came with the new game.
void CGame::leaveMap()
{
    requestState(hasStory(m_nLevel) && m_nLevel != 0 ? eStory : eMiniGame);
}

void CGame::enterPlay()
{
    CGameContext& context = CGameContext::Instance();
    context.m_bTrunkShown = false;
    m_pMenus->releaseBackground();
    const CProfile* pProfile = profile();
    if (m_pField->level().m_nPowerups == 1 && pProfile && pProfile->m_bPowerUpShown)
        context.m_nPowerup = FIRST_CHOOSER_POWERUP;
    chooseMusic();
    m_Hud.setActive(true);
    m_Hud.makePowerupMarkers();
    m_bMiniGameHud = false;
    m_Hud.slideIn();
    m_pMenus->setMenuCursor(false);
    CHintManager::Instance().setGroup(1);
}

void CGame::enterMainMenu()
{
    chooseMusic();
    m_pMenus->loadBackground();
    // The loading screen and its picture are needed only once.
    if (m_pSplash) {
        Vantile::CTextureManager::Instance().RemoveTexture(m_pSplash->getTextureName());
        m_pSplash.reset();
    }
    m_pLoading.reset();
    if (m_pMenus->showMainMenu())
        return;
    // Without menu windows the game plays on: the current player's game
    // continues, or a new one starts.
    const CProfile* pProfile = profile();
    const bool bProgress = pProfile && (pProfile->m_nLevel != -1 || pProfile->m_bInLevel);
    CGameContext::Instance().postEvent(bProgress ? eEventContinueGame : eEventNewGame);
}

void CGame::enterLevelStart()
{
    CProfile* pProfile = profile();
    pProfile->m_bInLevel = true;
    const CLevelInfo& level = currentLevel();
    m_pField->Load(level.m_strFile);
    if (m_pAquarium)
        m_pAquarium->startLevel(AquariumLevelOf(level));
    m_pMiniGame->releaseFreedFish();
    const int nPowerups = m_pField->level().m_nPowerups;
    m_Hud.reset();
    m_Hud.setScore(0);
    m_Hud.startTimer(float(m_pField->level().m_nPeriod));
    m_Hud.resetPowerup();
    m_Hud.resetShuffle();
    m_Hud.setLevelTitle(level.m_strName);
    m_Hud.setPowerupAvailable(nPowerups != 0);
    startLevelTooltips();
    if (nPowerups == 0 || (nPowerups == 1 && pProfile->m_bPowerUpShown)) {
        m_nPendingState = ePlay;
        enterState();
        return;
    }
    if (nPowerups == 1)
        pProfile->m_bPowerUpShown = true;
    chooseMusic();
    showChooser(nPowerups);
    CHintManager::Instance().setGroup(0);
    m_Hud.resetPowerup();
}

// The level's points go into the score and the profile is saved once they
// are in, after the last level too.
void CGame::enterWon()
{
    CProfile* pProfile = profile();
    CGameContext::Instance().playSound(WON_TUNE, false, 0.6f);
    CScoring::addTimeBonus(m_Hud.timer(), *pProfile);
    pProfile->m_bInLevel = false;
    showAfterWin(*pProfile);
    CScoring::bankLevel(*pProfile);
    m_bWonLastLevel = m_nLevel + 1 >= int(m_Levels.size());
    if (m_bWonLastLevel) {
        pProfile->m_nLevel = -1;
    } else {
        ++m_nLevel;
        pProfile->m_nLevel = m_nLevel - 1;
    }
    saveProfiles();
}

// The story is over: on to the map before the first level, to the level
// before any other, and to the main menu after the final story.
void CGame::passOnFromStory()
{
    if (m_nState == eFinalStory)
        requestState(eMainMenu);
    else
        requestState(m_nLevel == 0 ? eMap : eMiniGame);
}

void CGame::chooseMusic()
{
    switch (m_nState) {
    case eMap: fadeTo("ocean_map.ogg", 1.0f); break;
    case ePlay:
        fadeOut("muz_minigame.ogg");
        fadeToPlayMusic(1.0f);
        break;
    case eMainMenu: fadeTo("muz.ogg", 1.0f); break;
    case eLevelStart:
        fadeTo("ocean_map.ogg", 0.5f);
        fadeToPlayMusic(0.5f);
        break;
    case eFinalStory:
    case eStory: fadeTo("muz intro.ogg", 1.0f); break;
    case eMiniGame:
        fadeOut("muz var 1.ogg");
        fadeOut("muz var 2.ogg");
        fadeTo("muz_minigame.ogg", 1.0f);
        break;
    default: break;
    }
}

void CGame::fadeToPlayMusic(float fTarget)
{
    fadeTo(Vantile::Random() % 2 ? "muz var 1.ogg" : "muz var 2.ogg", fTarget);
}
