// Plays the game session as a player would, in simulated frames: window
// input (mouse, keys, focus) goes in as InputEvents, frame times as a
// simulated clock, and a simple bot picks moves on the board and clicks
// them. With a device it draws every frame through the session's own
// pipeline. Tests and tools play whole games with it.
#pragma once

#include <functional>
#include <memory>
#include <random>

#include "Game/Session/loadingprogress.h"
#include "system/win32.h"

namespace Vantile {
class CGUIFrameHandler;
class CRenderQueue;
}
class CGame;
class CGameCell;

class CSessionDriver {
public:
    static constexpr int FRAME_MS = 16;
    // Longer frames (up to the frame timer's 100 ms) run a level's clock
    // out sooner.
    void setFrameMs(int nMs) { m_nFrameMs = nMs; }
    // A player turns the story's pages with a click each; tests of the
    // story turn them by hand.
    void setTurnStoryPages(bool bTurn) { m_bTurnStoryPages = bTurn; }
    // A player clicks a tooltip in level play away once it is fully up;
    // tests of the tooltips leave them.
    void setCloseTooltips(bool bClose) { m_bCloseTooltips = bClose; }
    // Below the board, clear of the HUD and any tooltip: a click there
    // only closes a tooltip.
    static constexpr int QUIET_SPOT_X = 400;
    static constexpr int QUIET_SPOT_Y = 590;

    // bDraw needs a device; it draws each frame through a render queue of
    // the driver's own, with the GUI's windows over the game when a GUI
    // is given.
    CSessionDriver(CGame& game, bool bDraw, unsigned nBotSeed = 1, Vantile::CGUIFrameHandler* pGui = nullptr);
    ~CSessionDriver();

    void frame();
    void frames(int nCount);
    // Frames until done() holds; false when nMaxFrames did not do.
    bool runUntil(const std::function<bool()>& done, int nMaxFrames);
    // Until the state is reached and its fade is over.
    bool runUntilState(int nState, int nMaxFrames);

    // Window input, in window pixels.
    void mouseMove(int nX, int nY);
    void click(int nX, int nY);
    void key(int nVirtualKey);
    void activate(bool bActive);
    void clickCell(const CGameCell* pCell);
    // The bot's move on a resting board, two clicks; false when the board
    // is busy or has no move. A preference, when given, picks among the
    // possible moves first.
    typedef std::function<bool(const CGameCell* pFirst, const CGameCell* pSecond)> MovePreference;
    bool playMove(const MovePreference& prefer = nullptr);

    int frameCount() const { return m_nFrames; }
    int movesPlayed() const { return m_nMoves; }

private:
    void turnStoryPage();
    void closeTooltip();
    void send(int nAction, int nX, int nY);

    CGame& m_Game;
    PlatformClockOverride m_Clock;
    std::unique_ptr<Vantile::CRenderQueue> m_pQueue;
    Vantile::CGUIFrameHandler* m_pGui = nullptr;
    CLoadingProgress m_Loading;
    std::minstd_rand m_Bot;
    int m_nFrameMs = FRAME_MS;
    bool m_bTurnStoryPages = true;
    bool m_bCloseTooltips = true;
    int m_nFrames = 0;
    int m_nMoves = 0;
};
