#include "Core/vantile_frametimer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "system/win32.h"

namespace Vantile {

CFrameTimer& CFrameTimer::Instance()
{
    static CFrameTimer timer;
    return timer;
}

CFrameTimer::CFrameTimer()
{
    reset();
}

void CFrameTimer::reset()
{
    LARGE_INTEGER frequency;
    m_nFrequency = QueryPerformanceFrequency(&frequency) ? frequency.QuadPart : 0;
    m_bStarted = false;
    m_dwLastTick = 0;
    m_nLastCounter = 0;
    m_dwTickAccum = 0;
    m_nCounterAccum = 0;
    m_nFps = 0;
    m_nFrames = 0;
    m_dCurrent = 0;
    m_dDelta = 0;
    strcpy(m_szFps, "---");
    m_dTotal = 0;
    m_bPaused = false;
    m_dFixedStep = 0;
    m_dStepped = 0;
    m_nStepFrames = 0;
}

void CFrameTimer::setFixedStep(double dMilliseconds)
{
    m_dFixedStep = dMilliseconds > 0.0 ? dMilliseconds : 0.0;
    m_nStepFrames = 0;
    // The real clocks start afresh from the next frame when it ends.
    m_bStarted = false;
}

void CFrameTimer::pause(bool bPause)
{
    m_bPaused = bPause;
    if (bPause)
        m_dDelta = 0;
}

void CFrameTimer::update()
{
    if (m_dFixedStep > 0.0)
        m_dStepped += m_dFixedStep;
    if (m_bPaused)
        return;
    if (m_dFixedStep > 0.0)
        updateFixed();
    else if (m_nFrequency != 0)
        updateCounter();
    else
        updateTicks();
    if (m_dDelta > MAX_DELTA)
        m_dDelta = MAX_DELTA;
    m_dTotal += m_dDelta;
}

void CFrameTimer::updateCounter()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    const int64_t nNow = counter.QuadPart;
    if (!m_bStarted) {
        m_nLastCounter = nNow;
        m_bStarted = true;
    }
    m_dCurrent = nNow * 1000.0 / m_nFrequency;
    // A counter that went back (another core's clock) restarts from zero.
    const int64_t nElapsed = nNow >= m_nLastCounter ? nNow - m_nLastCounter : nNow;
    m_nCounterAccum += nElapsed;
    m_dDelta = nElapsed * 1000.0 / m_nFrequency;
    m_nLastCounter = nNow;
    countFrame();
    if (m_nCounterAccum >= m_nFrequency) {
        m_nCounterAccum -= m_nFrequency;
        publishFps();
    }
}

void CFrameTimer::updateTicks()
{
    const uint32_t dwNow = GetTickCount();
    m_dCurrent = dwNow;
    if (!m_bStarted) {
        m_dwLastTick = dwNow;
        m_bStarted = true;
    }
    // Unsigned arithmetic carries the difference across the 49.7-day wrap
    // of the tick count instead of going hugely negative.
    const uint32_t dwElapsed = dwNow - m_dwLastTick;
    m_dDelta = dwElapsed;
    m_dwTickAccum += dwElapsed;
    m_dwLastTick = dwNow;
    countFrame();
    if (m_dwTickAccum >= 1000) {
        m_dwTickAccum -= 1000;
        publishFps();
    }
}

// A second's sample is taken every second of game time.
void CFrameTimer::updateFixed()
{
    m_dCurrent += m_dFixedStep;
    m_dDelta = m_dFixedStep;
    countFrame();
    if (++m_nStepFrames * m_dFixedStep >= 1000.0) {
        m_nStepFrames = 0;
        publishFps();
    }
}

void CFrameTimer::countFrame()
{
    ++m_nFrames;
}

void CFrameTimer::publishFps()
{
    // Seven digits fill the text; no real frame rate comes near that.
    snprintf(m_szFps, sizeof(m_szFps), "%d", std::clamp(m_nFrames, 0, 9999999));
    m_nFps = m_nFrames;
    m_nFrames = 0;
}

}  // namespace Vantile
