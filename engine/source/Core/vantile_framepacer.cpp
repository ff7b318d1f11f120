#include "Core/vantile_framepacer.h"

#include <cmath>

namespace Vantile {

void CFramePacer::setRate(UINT nFramesPerSecond)
{
    m_nRate = nFramesPerSecond ? nFramesPerSecond : DEFAULT_RATE;
    m_bStarted = false;
}

DWORD CFramePacer::frameShown()
{
    LARGE_INTEGER frequency, counter;
    if (!QueryPerformanceFrequency(&frequency) || !QueryPerformanceCounter(&counter))
        return 0;
    const double dNow = double(counter.QuadPart);
    const double dInterval = double(frequency.QuadPart) / m_nRate;
    if (m_bStarted && dNow < m_dNextFrame) {
        // Rounded up: a sleep of whole milliseconds must not start the
        // next frame early.
        const DWORD dwWait = DWORD(std::ceil((m_dNextFrame - dNow) * 1000.0 / double(frequency.QuadPart)));
        m_dNextFrame += dInterval;
        return dwWait;
    }
    // A frame a little late (a sleep overshoots) keeps the cadence; one
    // late by a whole interval or more starts a new one.
    const bool bKeepCadence = m_bStarted && dNow - m_dNextFrame < dInterval;
    m_dNextFrame = bKeepCadence ? m_dNextFrame + dInterval : dNow + dInterval;
    m_bStarted = true;
    return 0;
}

void CFramePacer::pace()
{
    const DWORD dwWait = frameShown();
    if (dwWait > 0)
        Sleep(dwWait);
}

}  // namespace Vantile
