// Plays the board without the game session: it runs frames, answers the
// board's evaluation requests the way the session will (event 1 runs
// processMatches; every other event is counted and dropped) and offers a
// simple player that picks among the possible moves. Tools, tests and the
// benchmark use it.
#pragma once

#include <functional>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "Game/Board/boardsounds.h"
#include "Game/Board/gamefield.h"
#include "system/win32.h"

class CBoardDriver : public IBoardSounds {
public:
    // With a simulated clock every frame lasts exactly FRAME_MS, so a seed
    // replays a game frame for frame; without it the real clock runs.
    CBoardDriver(CGameField& field, bool bSimulatedClock, unsigned nBotSeed = 1);
    ~CBoardDriver();

    static const int FRAME_MS = 16;

    // One frame: timer, board update and drawing, then the event queue.
    // drawQueued, when given, draws what the board queued before the
    // events are handled: handling them can delete item layers whose
    // sprites are still queued.
    void frame(const std::function<void()>& drawQueued = nullptr);
    // Frames until the board rests or the level is won, or -1 when
    // nMaxFrames did not do.
    int settle(int nMaxFrames);
    bool isSettled() const;

    // Two clicks: the first selects, the second swaps.
    void playMove(CGameCell* pFirst, CGameCell* pSecond);
    // The bot's choice among the possible moves; false when there is none.
    bool chooseMove(std::pair<CGameCell*, CGameCell*>& move);

    int eventCount(int nCode) const;
    bool isWon() const { return eventCount(4) > 0; }
    int frames() const { return m_nFrames; }
    int bigCombos() const { return m_nBigCombos; }
    const std::vector<std::string>& sounds() const { return m_Sounds; }
    // Forgets the counts and sounds (a new level).
    void clearRecords();

    void playSound(const std::string& strName, float fVolume) override;
    void fadeOutAllMusic(float fSpeed) override;

private:
    void drainEvents();

    CGameField& m_Field;
    bool m_bSimulatedClock;
    PlatformClockOverride m_Clock;
    std::minstd_rand m_Bot;
    std::map<int, int> m_EventCounts;
    std::vector<std::string> m_Sounds;
    int m_nFrames = 0;
    int m_nBigCombos = 0;
};
