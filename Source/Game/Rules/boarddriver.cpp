#include "Game/Rules/boarddriver.h"

#include <algorithm>

#include "Core/vantile_frametimer.h"
#include "Game/Context/gameevents.h"
#include "Game/Board/gamecell.h"
#include "Game/Context/gamecontext.h"
#include "Game/Sprites/spritevbarray.h"

CBoardDriver::CBoardDriver(CGameField& field, bool bSimulatedClock, unsigned nBotSeed)
    : m_Field(field),
      m_bSimulatedClock(bSimulatedClock),
      m_Clock{0, 1000, 0},
      m_Bot(nBotSeed),
      m_Events(field, m_Hud, m_Scoring, this)
{
    m_Field.setSounds(this);
    m_Hud.setSounds(this);
    if (m_bSimulatedClock)
        PlatformSetClockOverride(&m_Clock);
    Vantile::CFrameTimer::Instance().reset();
    Vantile::CFrameTimer::Instance().update();
}

CBoardDriver::~CBoardDriver()
{
    m_Field.setSounds(nullptr);
    if (m_bSimulatedClock) {
        PlatformSetClockOverride(nullptr);
        Vantile::CFrameTimer::Instance().reset();
    }
}

void CBoardDriver::frame(const std::function<void()>& drawQueued)
{
    if (m_bSimulatedClock) {
        m_Clock.counter += FRAME_MS;
        m_Clock.ticks += FRAME_MS;
        PlatformSetClockOverride(&m_Clock);
    }
    Vantile::CFrameTimer::Instance().update();
    CSpriteVBArray::Instance().resetAll();
    drainEvents();
    m_Field.update();
    m_Field.render();
    if (m_bClockRunning)
        runClock(FRAME_MS / 1000.0f);
    if (drawQueued)
        drawQueued();
    ++m_nFrames;
}

void CBoardDriver::drainEvents()
{
    CGameContext& context = CGameContext::Instance();
    GameEvent event;
    while (context.peekEvent(event)) {
        context.popEvent();
        ++m_EventCounts[event.nCode];
        m_Events.handle(event, m_Profile, true, float(m_Field.level().m_nBonusTime));
    }
}

void CBoardDriver::startLevelClock()
{
    const CLevel& level = m_Field.level();
    m_Hud.reset();
    m_Hud.startTimer(float(level.m_nPeriod));
    m_Hud.resetPowerup();
    m_Hud.resetShuffle();
    m_Hud.setPowerupAvailable(level.m_nPowerups != 0);
    m_Hud.setActive(true);
    m_Hud.slideIn();
    m_bClockRunning = true;
}

void CBoardDriver::rest(float fSeconds)
{
    // The frame timer never gives a frame longer than this.
    const float MAX_STEP = 0.1f;
    for (float fLeft = fSeconds; fLeft > 1e-4f; fLeft -= MAX_STEP)
        runClock(std::min(fLeft, MAX_STEP));
}

// The clock's part of the session's level frame, after the board's.
void CBoardDriver::runClock(float fSeconds)
{
    m_Hud.setBoardSettled(m_Field.isSettled());
    m_Hud.update(fSeconds);
    if (!m_Scoring.isTimerStopped())
        m_Hud.tickTimer(fSeconds);
}

bool CBoardDriver::isSettled() const
{
    // A won level keeps its trunk on the way out until the session leaves.
    const bool bResting = m_Field.isSettled() || isWon();
    return bResting && !m_Field.isBusy() && CGameContext::Instance().eventCount() == 0;
}

int CBoardDriver::settle(int nMaxFrames)
{
    for (int i = 0; i < nMaxFrames; ++i) {
        frame();
        if (isSettled())
            return i + 1;
    }
    return -1;
}

void CBoardDriver::playMove(CGameCell* pFirst, CGameCell* pSecond)
{
    m_Field.mouseDown(pFirst->position());
    m_Field.mouseUp(pFirst->position());
    m_Field.mouseDown(pSecond->position());
    m_Field.mouseUp(pSecond->position());
}

bool CBoardDriver::chooseMove(std::pair<CGameCell*, CGameCell*>& move)
{
    CGameField::MoveList moves;
    m_Field.findPossibleMoves(moves);
    if (moves.empty())
        return false;
    move = moves[m_Bot() % moves.size()];
    return true;
}

int CBoardDriver::eventCount(int nCode) const
{
    const auto it = m_EventCounts.find(nCode);
    return it == m_EventCounts.end() ? 0 : it->second;
}

void CBoardDriver::clearRecords()
{
    m_EventCounts.clear();
    m_Sounds.clear();
}

void CBoardDriver::playSound(const std::string& strName, float)
{
    m_Sounds.push_back(strName);
}

void CBoardDriver::fadeOutAllMusic(float)
{
    m_Sounds.push_back("fade out music");
}
