#include "Game/Rules/boarddriver.h"

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
