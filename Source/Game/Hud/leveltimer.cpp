#include "Game/Hud/leveltimer.h"

#include <algorithm>

namespace {

// Time given back flows back this many times faster than time runs.
const float GIVE_BACK_RATE = 5.0f;

}  // namespace

// A bank or frozen time left over from the last level is not carried
// into the next: it would start frozen or owe time it never used.
void CLevelTimer::start(float fPeriod)
{
    m_fPeriod = fPeriod;
    m_fUsed = 0.0f;
    m_fBank = 0.0f;
    m_fFrozen = 0.0f;
}

void CLevelTimer::tick(float fSeconds)
{
    if (m_fFrozen > 0.0f)
        m_fFrozen -= fSeconds;
    else if (m_fBank >= 0.0f)
        m_fBank += fSeconds;
}

// A step that would carry the bank past 0 charges only what the bank held.
void CLevelTimer::charge(float fSeconds)
{
    float fStep = 0.0f;
    if (m_fBank > 0.0f)
        fStep = fSeconds;
    else if (m_fBank < 0.0f)
        fStep = -fSeconds * GIVE_BACK_RATE;
    if ((m_fBank > 0.0f && fStep > m_fBank) || (m_fBank < 0.0f && fStep < m_fBank)) {
        fStep = m_fBank;
        m_fBank = 0.0f;
    } else {
        m_fBank -= fStep;
    }
    // A period of 0 would divide by nothing: such a level is out at once.
    m_fUsed = m_fPeriod > 0.0f ? std::min(1.0f, std::max(0.0f, m_fUsed + fStep / m_fPeriod)) : 1.0f;
}

void CLevelTimer::giveBack(float fSeconds)
{
    if (m_fFrozen <= 0.0f)
        m_fBank -= fSeconds;
}

float CLevelTimer::indicatorFraction() const
{
    return INDICATOR_START + INDICATOR_SPAN * (m_fUsed * INDICATOR_SCALE);
}
