#include "main/autoplay/autoplayer.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>

#include "Business/profilesstore.h"
#include "Core/vantile_log.h"
#include "Core/vantile_root.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/Session/game.h"
#include "RenderSystem/vantile_renderwindow.h"
#include "gui/Framework/windowstack.h"
#include "gui/Menus/mainmenuwindow.h"
#include "gui/Menus/messagebox.h"
#include "gui/Menus/userwindows.h"
#include "levellab/labbot.h"
#include "main/autoplay/shotqueue.h"
#include "main/clientapplication.h"
#include "system/win32.h"

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
    : m_Application(application), m_Options(options), m_pShots(std::make_shared<CShotQueue>())
{
    Vantile::CRoot::Instance().setRenderQueue(SHOT_QUEUE, m_pShots);
    Vantile::CRoot::Instance().addFrameHandler(this);
}

CAutoPlayer::~CAutoPlayer()
{
    Vantile::CRoot::Instance().removeFrameHandler(this);
    Vantile::CRoot::Instance().setRenderQueue(SHOT_QUEUE, nullptr);
}

const char* CAutoPlayer::screenName(Screen screen)
{
    switch (screen) {
    case Screen::None: return "start";
    case Screen::Logo: return "logo";
    case Screen::Loading: return "loading";
    case Screen::NameDialog: return "name-dialog";
    case Screen::MainMenu: return "main-menu";
    case Screen::GameChoice: return "game-choice";
    case Screen::Question: return "question";
    case Screen::MessageBox: return "message";
    case Screen::OtherMenu: return "menu";
    case Screen::Story: return "story";
    case Screen::Map: return "map";
    case Screen::MiniGame: return "minigame";
    case Screen::LevelStart: return "level-start";
    case Screen::Play: return "play";
    case Screen::TimeOut: return "time-out";
    case Screen::Tooltip: return "tooltip";
    case Screen::Won: return "won";
    case Screen::Lost: return "lost";
    case Screen::GameOver: return "game-over";
    case Screen::FinalStory: return "final-story";
    }
    return "unknown";
}

bool CAutoPlayer::frameStarted(const Vantile::FrameEvent&)
{
    const float fSeconds = advanceClock();
    CGame* pGame = m_Application.game();
    if (!m_strFault.empty())
        return false;
    if (!pGame)
        return true;
    const Screen screen = currentScreen(*pGame);
    if (screen != m_Screen)
        onNewScreen(*pGame, screen);
    keepLevelFigures(*pGame, fSeconds);
    m_fIdle += fSeconds;
    if (m_fIdle > STUCK_SECONDS) {
        giveUp(std::string("nothing happened for a long time on the screen \"") + screenName(screen) + "\"");
        return false;
    }
    if (isSettled(*pGame))
        runScreen(*pGame, fSeconds);
    return m_strFault.empty();
}

// Real seconds since the last frame: the game's clock stands still while
// it is paused.
float CAutoPlayer::advanceClock()
{
    const Clock::time_point now = Clock::now();
    const float fSeconds = m_nFrames++ == 0 ? 0.0f : std::chrono::duration<float>(now - m_LastFrame).count();
    m_LastFrame = now;
    m_fSeconds += fSeconds;
    return fSeconds;
}

// The level's time, and its points, which only grow until the level ends
// and clears them.
void CAutoPlayer::keepLevelFigures(CGame& game, float fSeconds)
{
    if (!isLevelScreen(m_Screen))
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
            takeShot(screenName(m_Screen));
            m_bShotTaken = true;
            m_fWait = ACTION_DELAY;
        }
        return;
    }
    m_fWait -= fSeconds;
    if (m_fWait <= 0.0f)
        act(game);
}

CAutoPlayer::Screen CAutoPlayer::currentScreen(CGame& game) const
{
    switch (game.getState()) {
    case CGame::eLogo: return Screen::Logo;
    case CGame::eLoading: return Screen::Loading;
    case CGame::eMap: return Screen::Map;
    case CGame::ePlay:
        if (game.hud().isTimeoutVisible())
            return Screen::TimeOut;
        return CTooltipManager::Instance().isShowing() ? Screen::Tooltip : Screen::Play;
    case CGame::eLevelStart: return Screen::LevelStart;
    case CGame::eWon: return Screen::Won;
    case CGame::eGameOver: return Screen::GameOver;
    case CGame::eLost: return Screen::Lost;
    case CGame::eFinalStory: return Screen::FinalStory;
    case CGame::eMiniGame: return Screen::MiniGame;
    case CGame::eStory: return Screen::Story;
    default: break;
    }
    CBaseWindow* pTop = CWindowStack::instance().current();
    if (dynamic_cast<CCreateUserWindow*>(pTop))
        return Screen::NameDialog;
    if (dynamic_cast<CMainMenuWindow*>(pTop))
        return Screen::MainMenu;
    if (dynamic_cast<CSelectGameWindow*>(pTop))
        return Screen::GameChoice;
    if (const CMessageBox* pBox = dynamic_cast<CMessageBox*>(pTop))
        return pBox->getForm() == CMessageBox::OK_ONLY ? Screen::MessageBox : Screen::Question;
    return pTop ? Screen::OtherMenu : Screen::None;
}

// Nothing fading, no window about to replace the top one, and in play
// the HUD's panels in place.
bool CAutoPlayer::isSettled(CGame& game) const
{
    if (game.getState() == CGame::ePlay && game.hud().panelOffset() < 0.0f)
        return false;
    return !game.isTransition() && game.fader().progress() >= 1.0f && !CWindowStack::instance().isSwitchPending();
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
    const bool bWasPlaying = isLevelScreen(previous);
    if (isLevelScreen(screen) && !bWasPlaying) {
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
    case Screen::NameDialog:
    case Screen::MainMenu:
    case Screen::GameChoice:
    case Screen::Question:
    case Screen::MessageBox:
    case Screen::OtherMenu: actOnMenu(game, m_Screen); break;
    default: break;
    }
}

void CAutoPlayer::giveUp(const std::string& strFault)
{
    m_strFault = strFault;
    Vantile::CLog::Instance().Write(Vantile::LOG_ERROR, "Autoplay: " + strFault);
}

void CAutoPlayer::send(const Vantile::InputEvent& evt)
{
    if (Vantile::IInputHandler* pHandler = m_Application.getWindow()->GetInputHandler())
        pHandler->handleInput(evt);
}

void CAutoPlayer::moveMouse(int nX, int nY)
{
    Vantile::InputEvent evt{};
    evt.type = Vantile::INPUT_MOUSE;
    evt.mouse.x = uint32_t(nX);
    evt.mouse.y = uint32_t(nY);
    evt.mouse.action = Vantile::MOUSE_MOVE;
    send(evt);
}

void CAutoPlayer::click(int nX, int nY)
{
    moveMouse(nX, nY);
    Vantile::InputEvent evt{};
    evt.type = Vantile::INPUT_MOUSE;
    evt.mouse.x = uint32_t(nX);
    evt.mouse.y = uint32_t(nY);
    evt.mouse.action = Vantile::MOUSE_LEFT_DOWN;
    send(evt);
    evt.mouse.action = Vantile::MOUSE_LEFT_UP;
    send(evt);
}

// Down with the character it types, then up, with the scan code in the
// message's bits 16 to 23 as the window reports it.
void CAutoPlayer::pressKey(int nVirtualKey, char ch)
{
    Vantile::InputEvent evt{};
    evt.type = Vantile::INPUT_KEY;
    evt.key.ch = ch;
    evt.key.vk = nVirtualKey;
    evt.key.wParam = uint32_t(nVirtualKey);
    evt.key.lParam = (MapVirtualKeyA(UINT(nVirtualKey), 0) & 0xFF) << 16 | 1;
    evt.key.down = true;
    send(evt);
    evt.key.ch = 0;
    evt.key.down = false;
    evt.key.lParam |= 0xC0000000u;
    send(evt);
}

void CAutoPlayer::typeText(const std::string& strText)
{
    for (const char ch : strText)
        pressKey(std::toupper(static_cast<unsigned char>(ch)), ch);
}
