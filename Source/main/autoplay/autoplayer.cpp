#include "main/autoplay/autoplayer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "Business/profilesstore.h"
#include "Core/vantile_frametimer.h"
#include "Core/vantile_log.h"
#include "Core/vantile_root.h"
#include "Game/Session/game.h"
#include "gui/Framework/windowstack.h"
#include "levellab/labbot.h"
#include "main/autoplay/shotqueue.h"
#include "main/clientapplication.h"

namespace {

// The pictures come after the last render queue: the frame as shown.
const size_t SHOT_QUEUE = 1;
// A screen is pictured once it has stood still this long (its windows
// and first animations are up), and acted on a little later.
// On a slow machine the game's clock may step less than the wall clock,
// so a screen must also have been drawn this many times.
const float SHOT_DELAY = 0.6f;
const int SHOT_FRAMES = 40;
const float ACTION_DELAY = 0.4f;
// Between two clicks on a screen that pages or waits for a prompt.
const float CLICK_PAUSE = 1.2f;

}  // namespace

CAutoPlayer::CAutoPlayer(Vantile::CClientApplication& application, const SAutoplayOptions& options)
    : m_Application(application),
      m_Options(options),
      m_Input(application),
      m_pShots(std::make_shared<CShotQueue>())
{
    Vantile::CRoot::Instance().setRenderQueue(SHOT_QUEUE, m_pShots);
    Vantile::CRoot::Instance().addFrameHandler(this);
}

CAutoPlayer::~CAutoPlayer()
{
    Vantile::CRoot::Instance().removeFrameHandler(this);
    Vantile::CRoot::Instance().setRenderQueue(SHOT_QUEUE, nullptr);
}

bool CAutoPlayer::frameStarted(const Vantile::FrameEvent&)
{
    const float fSeconds = advanceClock();
    CGame* pGame = m_Application.game();
    if (!m_strFault.empty())
        return false;
    if (!pGame)
        return true;
    const Screen screen = DetectScreen(*pGame);
    if (screen != m_Screen)
        onNewScreen(*pGame, screen);
    keepLevelFigures(*pGame, fSeconds);
    m_fIdle += fSeconds;
    if (m_fIdle > STUCK_SECONDS) {
        giveUp(std::string("nothing happened for a long time on the screen \"") + ScreenName(screen) + "\"");
        return false;
    }
    if (IsScreenSettled(*pGame))
        runScreen(*pGame, fSeconds);
    return m_strFault.empty();
}

// Real seconds since the last frame, or under a fixed step its game time:
// the game's clock stands still while it is paused, the player's does not.
float CAutoPlayer::advanceClock()
{
    const Clock::time_point now = Clock::now();
    const bool bFirst = m_nFrames++ == 0;
    const float fReal = bFirst ? 0.0f : std::chrono::duration<float>(now - m_LastFrame).count();
    m_LastFrame = now;
    m_fRealSeconds += fReal;
    const Vantile::CFrameTimer& timer = Vantile::CFrameTimer::Instance();
    const float fSeconds = timer.isFixedStep() ? (bFirst ? 0.0f : float(timer.fixedStep() / 1000.0)) : fReal;
    m_fSeconds += fSeconds;
    return fSeconds;
}

// The level's time, and its points, which only grow until the level ends
// and clears them.
void CAutoPlayer::keepLevelFigures(CGame& game, float fSeconds)
{
    if (!IsLevelScreen(m_Screen))
        return;
    m_fLevelTime += fSeconds;
    if (const CProfile* pProfile = game.profile())
        m_nLevelPoints = std::max(m_nLevelPoints, pProfile->m_nLevelScore + pProfile->m_nComboBonus);
}

// A settled screen is pictured first, then acted on.
void CAutoPlayer::runScreen(CGame& game, float fSeconds)
{
    m_fOnScreen += fSeconds;
    ++m_nFramesOnScreen;
    if (!m_bShotTaken) {
        const bool bSettled = m_fOnScreen >= SHOT_DELAY && m_nFramesOnScreen >= SHOT_FRAMES;
        // The loading screen shows only while it loads.
        if (bSettled || m_Screen == Screen::Loading) {
            takeShot(ScreenName(m_Screen));
            m_bShotTaken = true;
            m_fWait = ACTION_DELAY;
        }
        return;
    }
    m_fWait -= fSeconds;
    if (m_fWait <= 0.0f)
        act(game);
}

void CAutoPlayer::onNewScreen(CGame& game, Screen screen)
{
    const Screen previous = m_Screen;
    m_Screen = screen;
    m_bShotTaken = false;
    m_fOnScreen = 0.0f;
    m_nFramesOnScreen = 0;
    m_fIdle = 0.0f;
    if (screen == Screen::MiniGame)
        m_SeenKinds.clear();
    const bool bWasPlaying = IsLevelScreen(previous);
    if (IsLevelScreen(screen) && !bWasPlaying) {
        m_fLevelTime = 0.0f;
        m_nLevelPoints = 0;
        m_pBot.reset();
        m_nLevel = game.level();
        m_nScoreBefore = game.profile() ? game.profile()->m_nScore : 0;
    }
    if (bWasPlaying && (screen == Screen::Won || screen == Screen::Lost || screen == Screen::GameOver))
        summariseLevel(game, screen);
}

void CAutoPlayer::summariseLevel(CGame& game, Screen result)
{
    ++m_nLevelsPlayed;
    const bool bWon = result == Screen::Won;
    // A won level's points are banked with its bonuses; a lost one keeps
    // nothing, so its points are those the HUD showed.
    const int nPoints = bWon && game.profile() ? game.profile()->m_nScore - m_nScoreBefore : m_nLevelPoints;
    const std::string strName = m_nLevel < int(game.levels().size()) ? game.levels()[m_nLevel].m_strName : "";
    printf("level %d (%s): %s, score %d, time %.1f s\n", m_nLevel + 1, strName.c_str(), bWon ? "won" : "lost",
           nPoints, m_fLevelTime);
    fflush(stdout);
}

void CAutoPlayer::takeShot(const std::string& strName)
{
    char szName[16];
    snprintf(szName, sizeof szName, "%03d-", ++m_nShots);
    m_pShots->request(m_Options.strShots + "/" + szName + strName + ".png");
}

void CAutoPlayer::act(CGame& game)
{
    m_fWait = ACTION_DELAY;
    switch (m_Screen) {
    case Screen::Play: actOnPlay(game); break;
    case Screen::MiniGame: actOnMiniGame(game); break;
    case Screen::TimeOut: click(TIMEOUT_OK_X, TIMEOUT_OK_Y); break;
    case Screen::Tooltip: closeTooltip(); break;
    // The power-up chooser: OK takes the power-up that is checked.
    case Screen::LevelStart:
        click(CHOOSER_OK_X, CHOOSER_OK_Y);
        m_fWait = CLICK_PAUSE;
        break;
    case Screen::Story:
    case Screen::FinalStory:
    case Screen::Map:
    case Screen::Won:
    case Screen::GameOver:
        click(400, 300);
        m_fWait = CLICK_PAUSE;
        break;
    default:
        if (IsMenuScreen(m_Screen))
            actOnMenu(game, m_Screen);
        break;
    }
}

void CAutoPlayer::giveUp(const std::string& strFault)
{
    m_strFault = strFault;
    Vantile::CLog::Instance().Write(Vantile::LOG_ERROR, "Autoplay: " + strFault);
}
