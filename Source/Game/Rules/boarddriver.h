// Plays the board without the game session: it runs frames, handles the
// board's events through the session's own play rules (scores, combos,
// lives) and counts them, and offers a simple player that picks among the
// possible moves. The level clock stays still unless it is started; then
// it runs as in the session's level play. Tools, tests and the benchmark
// use it.
#pragma once

#include <functional>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "Business/profile.h"
#include "Game/Board/boardsounds.h"
#include "Game/Board/gamefield.h"
#include "Game/Hud/gamegui.h"
#include "Game/Rules/playevents.h"
#include "Game/Rules/scoring.h"
#include "system/win32.h"

class CBoardDriver : public IBoardSounds {
public:
    // With a simulated clock every frame lasts exactly FRAME_MS, so a seed
    // replays a game frame for frame; without it the real clock runs.
    CBoardDriver(CGameField& field, bool bSimulatedClock, unsigned nBotSeed = 1);
    ~CBoardDriver();

    static const int FRAME_MS = 16;

    // One frame as the session runs it: timer, the event queue, then the
    // board's update and drawing. drawQueued, when given, draws what the
    // board queued; nothing deletes an item between its queuing and then.
    void frame(const std::function<void()>& drawQueued = nullptr);
    // Frames until the board rests or the level is won, or -1 when
    // nMaxFrames did not do.
    int settle(int nMaxFrames);
    bool isSettled() const;

    // Two clicks: the first selects, the second swaps.
    void playMove(CGameCell* pFirst, CGameCell* pSecond);
    // The bot's choice among the possible moves; false when there is none.
    bool chooseMove(std::pair<CGameCell*, CGameCell*>& move);

    // The level clock from now on, as the session starts a level: the
    // HUD's timer on the level's period, both charge bars empty, the
    // power-up bar only with power-ups; every frame then runs it.
    void startLevelClock();
    // Seconds in which the board rests (a player thinking): only the clock
    // and the bars run, in steps no longer than a frame may be.
    void rest(float fSeconds);
    CGameGui& hud() { return m_Hud; }
    const CGameGui& hud() const { return m_Hud; }

    int eventCount(int nCode) const;
    bool isWon() const { return eventCount(4) > 0; }
    int frames() const { return m_nFrames; }
    // Level points and combo bonuses so far, by the session's rules.
    int score() const { return m_Profile.m_nLevelScore + m_Profile.m_nComboBonus; }
    const CScoring& scoring() const { return m_Scoring; }
    const std::vector<std::string>& sounds() const { return m_Sounds; }
    // Forgets the counts and sounds (a new level).
    void clearRecords();

    void playSound(const std::string& strName, float fVolume) override;
    void fadeOutAllMusic(float fSpeed) override;

private:
    void drainEvents();
    void runClock(float fSeconds);

    CGameField& m_Field;
    bool m_bSimulatedClock;
    PlatformClockOverride m_Clock;
    std::minstd_rand m_Bot;
    std::map<int, int> m_EventCounts;
    std::vector<std::string> m_Sounds;
    int m_nFrames = 0;
    bool m_bClockRunning = false;
    CProfile m_Profile;
    CScoring m_Scoring;
    CGameGui m_Hud;
    CPlayEvents m_Events;
};
