// The random player: plays the running game for a set time through the
// same window input as the autoplayer (inputsender.h), choosing at random
// and at a frantic player's pace among mouse moves, clicks, double clicks,
// drags, held buttons, right clicks, key presses (Esc, Enter, Space,
// arrows, Tab, Backspace, letters, F-keys), typing, focus loss and return,
// minimising and full-screen toggles (through the options).
//
// Its choice is biased so that it keeps moving through every screen: on
// each screen it sees the GUI's buttons, lists, sliders and fields and the
// game's own places (board, memory cells, "click anywhere" screens) and
// favours those it has clicked least and those that led to the screens it
// has seen least. In level play it takes a mood per level: playing to win
// with the bot's swaps, playing to lose on its clock, or leaving early;
// the moods follow the screens still to reach (a won level, the memory
// game and the power-up chooser further on, the end of the lives), and
// while it seeks them it keeps the player's progress (Continue rather than
// a new game). It never quits the game from the main menu.
//
// It checks as it goes: "profiles.xml" always parses and never loses a
// player but through the delete question or a rename; the GUI's window
// stack is never empty on a menu screen; the log has no ERROR line; no
// screen holds it for long. Each finding is printed with the seed and the
// step, and once more at the end. A crash prints the seed and the step
// before the crash reporter writes its report, and each step is written,
// flushed, to "monkey-steps.txt" in the run's folder, so that any finding
// replays exactly: under --fixed-step the same seed gives the same run.
//
// Body by role: monkey.cpp (the frame, screens, steps, report),
// monkey_actions.cpp (choosing what to do), monkey_checks.cpp (the
// invariants).
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "main/autoplay/autoplayoptions.h"
#include "main/autoplay/headless.h"
#include "main/autoplay/inputsender.h"
#include "main/autoplay/screens.h"

class CGame;
class CLabBot;
class CShotQueue;

class CMonkey : public CHeadlessPlayer {
public:
    struct SFinding {
        long nStep;
        Screen screen;
        std::string strText;
    };

    CMonkey(Vantile::CClientApplication& application, const SAutoplayOptions& options);
    ~CMonkey() override;

    bool frameStarted(const Vantile::FrameEvent& evt) override;
    // Checks the files once more after the game's end, prints the summary
    // and every finding; 0 when the run went through without one.
    int report() override;

    long steps() const { return m_nStep; }
    int visits(Screen screen) const;
    const std::vector<SFinding>& findings() const { return m_Findings; }

private:
    enum class Mood { Win, Lose, Leave };
    enum class Goal { Win, Progress, Lose, Any };
    enum class InputKind {
        Move,
        LeftDown,
        LeftUp,
        DoubleClick,
        RightDown,
        RightUp,
        KeyDown,
        KeyUp,
        Deactivate,
        Activate,
        Minimize,
        Restore,
    };
    struct SInput {
        long nFrame;
        InputKind kind;
        int nX, nY, nKey;
    };
    // A place to click: a GUI widget's rectangle or a place of the game's.
    struct STarget {
        int x0, y0, x1, y1;
        std::string strLabel;
    };
    // Where a click on a screen's target led.
    typedef std::pair<Screen, std::string> TargetKey;

    // monkey.cpp
    void onNewScreen(CGame& game, Screen screen);
    void takeShot(Screen screen);
    void writeStep(const std::string& strAction);
    void addFinding(const std::string& strText);
    double gameSeconds() const;
    bool isTimeUp() const;
    void sendDueInputs(CGame& game);
    void send(const SInput& input, CGame& game);
    // monkey_actions.cpp
    void nextStep(CGame& game);
    void collectTargets(CGame& game);
    void addWidgetTargets();
    void addGameTargets(CGame& game);
    const STarget* chooseTarget();
    Goal goal() const;
    void chooseMood();
    std::string doTargetClick();
    std::string doRandomClick();
    std::string doMoves();
    std::string doDoubleClick();
    std::string doDrag(CGame& game);
    std::string doHold();
    std::string doRightClick();
    std::string doKey();
    std::string doTyping();
    std::string doFocusLoss();
    std::string doMinimize();
    std::string doFullScreen();
    std::string doBotMove(CGame& game);
    std::string doMemoryMove(CGame& game);
    std::string doWait();
    void queue(long nDelay, InputKind kind, int nX = 0, int nY = 0, int nKey = 0);
    void queueClick(long nDelay, int nX, int nY);
    void pointIn(const STarget& target, int& nX, int& nY);
    void randomPoint(int& nX, int& nY);
    bool isForbidden(int nX, int nY) const;
    int randomInt(int nLow, int nHigh);
    bool chance(double dProbability);
    // monkey_checks.cpp
    void runChecks(CGame& game);
    void checkProfiles();
    void checkLog();
    void checkWindowStack(CGame& game);
    void checkStuck();
    void checkFilesAtEnd();

    Vantile::CClientApplication& m_Application;
    SAutoplayOptions m_Options;
    CInputSender m_Input;
    std::shared_ptr<CShotQueue> m_pShots;
    uint32_t m_nRandom;
    FILE* m_pStepLog = nullptr;
    // Frames, steps (actions), and the wall clock of the run.
    long m_nFrame = 0;
    long m_nStep = 0;
    typedef std::chrono::steady_clock Clock;
    Clock::time_point m_Start;
    bool m_bTimeUp = false;
    // The screen now, its frames, its visits and where each was first seen.
    Screen m_Screen = Screen::None;
    long m_nScreenFrames = 0;
    std::map<Screen, int> m_Visits;
    std::map<Screen, long> m_FirstStep;
    std::set<Screen> m_Pictured;
    int m_nShots = 0;
    // What the monkey does next and how it chooses.
    std::deque<SInput> m_Inputs;
    long m_nWait = 0;
    std::vector<STarget> m_Targets;
    std::vector<STarget> m_Forbidden;
    std::map<TargetKey, int> m_Clicks;
    std::map<TargetKey, Screen> m_LeadsTo;
    // The last target clicked, until the screen changes or a while passes.
    TargetKey m_LastTarget;
    long m_nLastTargetFrame = -1;
    Mood m_Mood = Mood::Win;
    std::unique_ptr<CLabBot> m_pBot;
    std::vector<int> m_SeenKinds;
    int m_nFullScreenToggles = 0;
    int m_nFocusLosses = 0;
    // The invariants' state.
    std::vector<SFinding> m_Findings;
    std::set<std::string> m_FindingTexts;
    bool m_bProfilesSeen = false;
    std::string m_strProfileStamp;
    std::set<std::string> m_Players;
    int m_nDeletesAllowed = 0;
    int m_nRenamesAllowed = 0;
    long m_nLogOffset = 0;
    std::string m_strLogLine;
    long m_nEmptyStackFrames = 0;
};
