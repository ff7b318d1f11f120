// Helpers for scene tests: an exact frame clock and matrix comparisons.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Core/vantile_frametimer.h"
#include "d3d/d3dx8.h"
#include "system/win32.h"

// Drives the frame timer from a fake millisecond counter, so Animate sees
// exact frame times.
class CSceneClock {
public:
    CSceneClock()
    {
        PlatformSetClockOverride(&m_Clock);
        Vantile::CFrameTimer::Instance().reset();
        Vantile::CFrameTimer::Instance().update();
    }
    ~CSceneClock()
    {
        PlatformSetClockOverride(nullptr);
        Vantile::CFrameTimer::Instance().reset();
    }
    // The next frame lasts this long (at most 100 ms, as the timer clamps).
    void Step(double dMilliseconds)
    {
        m_Clock.counter += LONGLONG(dMilliseconds);
        m_Clock.ticks += DWORD(dMilliseconds);
        PlatformSetClockOverride(&m_Clock);
        Vantile::CFrameTimer::Instance().update();
    }

private:
    PlatformClockOverride m_Clock = {1000, 1000, 1000};
};

inline D3DXMATRIX Translation(float x, float y, float z)
{
    D3DXMATRIX m;
    return *D3DXMatrixTranslation(&m, x, y, z);
}

inline ::testing::AssertionResult MatrixNear(const D3DXMATRIX& actual, const D3DXMATRIX& expected, float fTolerance = 1e-5f)
{
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (!(std::fabs(actual.m[r][c] - expected.m[r][c]) <= fTolerance))
                return ::testing::AssertionFailure()
                       << "element _" << r + 1 << c + 1 << " is " << actual.m[r][c] << ", expected " << expected.m[r][c];
        }
    }
    return ::testing::AssertionSuccess();
}
