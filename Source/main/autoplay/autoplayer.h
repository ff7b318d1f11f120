// The headless player: plays the running game as a person would, through
// the same input the window gets (mouse moves, clicks, keys; inputsender.h),
// reading only what the screen shows: which screen is up, the board's
// fish, the dialogs. It names a new player, starts a new game, pages the
// stories, clicks through the map and the mini-game, plays levels with a
// simple strategy and quits from the main menu once enough levels are
// over. At every change of screen it writes a picture, and after every
// level a summary line on stdout.
//
// Body by role: autoplayer.cpp (the frame, screens, pictures, summary),
// autoplay_menus.cpp (menus and dialogs), autoplay_board.cpp (the board),
// autoplay_minigame.cpp (the memory game).
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "main/autoplay/autoplayoptions.h"
#include "main/autoplay/headless.h"
#include "main/autoplay/inputsender.h"
#include "main/autoplay/screens.h"

class CGame;
class CLabBot;
class CMiniGame;
class CShotQueue;

namespace Vantile {
class CClientApplication;
}

class CAutoPlayer : public CHeadlessPlayer {
public:
    // Seconds without a new screen or a move after which the player
    // gives up: longer than any level's clock.
    static constexpr float STUCK_SECONDS = 400.0f;
    // The OK button of the HUD's time-out message.
    static constexpr int TIMEOUT_OK_X = 397;
    static constexpr int TIMEOUT_OK_Y = 355;
    // The OK button of the power-up chooser.
    static constexpr int CHOOSER_OK_X = 397;
    static constexpr int CHOOSER_OK_Y = 437;

    CAutoPlayer(Vantile::CClientApplication& application, const SAutoplayOptions& options);
    ~CAutoPlayer() override;

    bool frameStarted(const Vantile::FrameEvent& evt) override;
    // The summary line or the fault; the program's exit status.
    int report() override { return ReportAutoplay(*this, m_Options); }

    int levelsPlayed() const { return m_nLevelsPlayed; }
    // Frames drawn and real seconds since the first frame (game seconds
    // under a fixed step).
    int frames() const { return m_nFrames; }
    float seconds() const { return m_fSeconds; }
    float realSeconds() const { return m_fRealSeconds; }
    // "" when the run went as planned.
    const std::string& fault() const { return m_strFault; }

private:
    // autoplayer.cpp
    float advanceClock();
    void keepLevelFigures(CGame& game, float fSeconds);
    void runScreen(CGame& game, float fSeconds);
    void onNewScreen(CGame& game, Screen screen);
    void takeShot(const std::string& strName);
    void summariseLevel(CGame& game, Screen result);
    void act(CGame& game);
    void giveUp(const std::string& strFault);
    bool isDone() const { return m_nLevelsPlayed >= m_Options.nLevels; }
    // Input as the window sends it.
    void click(int nX, int nY) { m_Input.click(nX, nY); }
    void pressKey(int nVirtualKey) { m_Input.pressKey(nVirtualKey); }
    // autoplay_menus.cpp
    void actOnMenu(CGame& game, Screen screen);
    // autoplay_minigame.cpp
    void actOnMiniGame(CGame& game);
    // autoplay_board.cpp
    void actOnPlay(CGame& game);
    bool closeTooltip();
    bool playBoardMove(CGame& game);
    bool shuffle(CGame& game);

    Vantile::CClientApplication& m_Application;
    SAutoplayOptions m_Options;
    CInputSender m_Input;
    std::shared_ptr<CShotQueue> m_pShots;
    Screen m_Screen = Screen::None;
    bool m_bShotTaken = false;
    int m_nShots = 0;
    // Real seconds (game seconds under a fixed step): on the current screen, to the next action, since
    // anything last happened, in the current level.
    float m_fOnScreen = 0.0f;
    int m_nFramesOnScreen = 0;
    float m_fWait = 0.0f;
    float m_fIdle = 0.0f;
    float m_fLevelTime = 0.0f;
    // The level being played, the score before it and its points so far.
    int m_nLevel = 0;
    int m_nScoreBefore = 0;
    int m_nLevelPoints = 0;
    int m_nLevelsPlayed = 0;
    typedef std::chrono::steady_clock Clock;
    Clock::time_point m_LastFrame;
    int m_nFrames = 0;
    float m_fSeconds = 0.0f;
    float m_fRealSeconds = 0.0f;
    // The board's player, made for each level.
    std::unique_ptr<CLabBot> m_pBot;
    // The memory game's pictures seen so far, by cell; -1 unseen.
    std::vector<int> m_SeenKinds;
    std::string m_strFault;
};
