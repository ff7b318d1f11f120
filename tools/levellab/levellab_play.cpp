// One game of the lab: the level as the session starts it, the board in
// the session's 16 ms frames while anything moves, and the player's
// thinking time in long steps of the clock alone while the board rests.
#include <algorithm>
#include <memory>

#include "Core/vantile_random.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gamecontext.h"
#include "Game/Context/gameevents.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"
#include "Game/Rules/boarddriver.h"
#include "Game/Rules/scoring.h"
#include "Game/Session/game.h"
#include "labbot.h"
#include "levellab.h"

namespace {

// A charged power-up is spent once it takes this many goal cells, or any
// when no more are left, or when no swap does anything.
const int POWERUP_GOALS = 3;
// The wait for the shuffle bar, in steps the frame timer allows.
const float WAIT_STEP = 0.1f;
// Guards against a level that never ends.
const int MAX_FRAMES = 400000;
const int MAX_MOVES = 3000;

void ClearEventQueue()
{
    CGameContext& context = CGameContext::Instance();
    while (context.eventCount() > 0)
        context.popEvent();
    context.m_bPowerupArmed = false;
    context.m_bTrunkShown = false;
}

class CLabGame {
public:
    CLabGame(const std::string& strLevelFile, unsigned nSeed, float fThinkSeconds);
    SLabRun play();

private:
    bool isOver() const { return m_Driver.eventCount(eEventTrunkHome) > 0 || m_Driver.hud().isTimeOut(); }
    void decide();
    void think() { m_Driver.rest(m_fThinkSeconds); }
    void usePowerup(const CLabBot::Action& action);
    void shuffleWhenCharged();

    CGameField m_Field;
    CBoardDriver m_Driver;
    std::unique_ptr<CLabBot> m_pBot;
    float m_fThinkSeconds;
    SLabRun m_Run;
};

CLabGame::CLabGame(const std::string& strLevelFile, unsigned nSeed, float fThinkSeconds)
    : m_Driver(m_Field, true, nSeed), m_fThinkSeconds(fThinkSeconds)
{
    ClearEventQueue();
    Vantile::SeedRandom(nSeed);
    m_Field.initCells("");
    m_Field.Load(strLevelFile);
    const bool bPowerups = m_Field.level().m_nPowerups != 0;
    // The chooser's first power-up, the one the session takes for it.
    CGameContext::Instance().m_nPowerup = CGame::FIRST_CHOOSER_POWERUP;
    m_pBot = std::make_unique<CLabBot>(nSeed, bPowerups);
    m_Driver.startLevelClock();
}

SLabRun CLabGame::play()
{
    while (!isOver() && m_Driver.frames() < MAX_FRAMES && m_Run.nMoves < MAX_MOVES) {
        if (m_Driver.isSettled())
            decide();
        else
            m_Driver.frame();
    }
    const CLevelTimer& timer = m_Driver.hud().timer();
    m_Run.bWon = m_Driver.eventCount(eEventTrunkHome) > 0 && !timer.isOut();
    m_Run.fUsed = m_Run.bWon ? timer.used() : 1.0f;
    m_Run.nScore = m_Driver.score();
    if (m_Run.bWon)
        m_Run.nScore += timer.secondsLeft() * CScoring::POINTS_PER_SECOND_LEFT;
    return m_Run;
}

// A fresh settled board: a swap, a power-up, or the shuffle.
void CLabGame::decide()
{
    m_pBot->read(m_Field);
    CGameField::MoveList moves;
    m_Field.findPossibleMoves(moves);
    if (moves.empty())
        ++m_Run.nDeadBoards;
    const CLabBot::Action swap = m_pBot->bestSwap(m_Field);
    if (m_Driver.hud().isPowerupFull()) {
        const CLabBot::Action cell = m_pBot->bestPowerupCell(m_Field, CGameContext::Instance().m_nPowerup);
        const int nWanted = m_pBot->goalsLeft() <= POWERUP_GOALS ? 1 : POWERUP_GOALS;
        if (cell.isValid() && (cell.nGoals >= nWanted || !swap.isValid())) {
            usePowerup(cell);
            return;
        }
    }
    if (!swap.isValid()) {
        shuffleWhenCharged();
        return;
    }
    think();
    if (isOver())
        return;
    if (isSpecialType(swap.pFirst->item()->getType()) || isSpecialType(swap.pSecond->item()->getType()))
        ++m_Run.nSpecials;
    m_Driver.playMove(swap.pFirst, swap.pSecond);
    ++m_Run.nMoves;
}

void CLabGame::usePowerup(const CLabBot::Action& action)
{
    think();
    if (isOver())
        return;
    CGameContext::Instance().m_bPowerupArmed = true;
    m_Field.mouseDown(action.pFirst->position());
    m_Field.mouseUp(action.pFirst->position());
    ++m_Run.nPowerups;
}

// No swap does anything: the player waits for the shuffle bar.
void CLabGame::shuffleWhenCharged()
{
    think();
    while (!isOver() && !m_Driver.hud().shuffleButton().isFull())
        m_Driver.rest(WAIT_STEP);
    if (isOver())
        return;
    // What the shuffle button does when pressed.
    CGameContext::Instance().postEvent(eEventShuffle);
    m_Driver.hud().resetShuffle();
    ++m_Run.nShuffles;
}

}  // namespace

SLabRun PlayLabLevel(const std::string& strLevelFile, unsigned nSeed, float fThinkSeconds)
{
    CLabGame game(strLevelFile, nSeed, fThinkSeconds);
    SLabRun run = game.play();
    run.nSeed = nSeed;
    ClearEventQueue();
    return run;
}
