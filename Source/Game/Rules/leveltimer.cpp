#include "Game/Rules/leveltimer.h"

#include <algorithm>

void CLevelTimer::start(float fPeriod)
{
    // A level file never gives a period of 0 (the level refuses it); the
    // guard keeps the used fraction finite whatever calls this.
    m_fPeriod = std::max(fPeriod, 1.0f);
    m_fUsed = 0.0f;
    m_fBank = 0.0f;
    m_fFrozen = 0.0f;
    m_bTimeoutArmed = true;
}

void CLevelTimer::giveBack(float fSeconds)
{
    if (m_fFrozen <= 0.0f)
        m_fBank -= fSeconds;
}

void CLevelTimer::addFrozenTime(float fSeconds)
{
    m_fFrozen += fSeconds;
}

void CLevelTimer::run(float fSeconds)
{
    if (m_fFrozen > 0.0f)
        m_fFrozen = std::max(0.0f, m_fFrozen - fSeconds);
    else if (m_fBank >= 0.0f)
        m_fBank += fSeconds;
}

void CLevelTimer::charge(float fSeconds)
{
    float fStep = 0.0f;
    if (m_fBank > 0.0f)
        fStep = std::min(fSeconds, m_fBank);
    else if (m_fBank < 0.0f)
        fStep = std::max(-fSeconds * GIVE_BACK_RATE, m_fBank);
    m_fBank -= fStep;
    m_fUsed = std::min(1.0f, std::max(0.0f, m_fUsed + fStep / m_fPeriod));
}

int CLevelTimer::secondsLeft() const
{
    return static_cast<int>((1.0f - m_fUsed) * m_fPeriod);
}
