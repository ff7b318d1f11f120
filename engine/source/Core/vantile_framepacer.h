// Keeps a window from drawing more frames than anyone can see. Where the
// swap waits for the display (vsync) the display sets the pace and the
// pacer seldom waits; where the driver gives no vsync (a virtual X server,
// the offscreen driver) it holds frames to DEFAULT_RATE a second instead of
// letting the loop spin a core.
#pragma once

#include <cstdint>

#include "system/win32.h"

namespace Vantile {

class CFramePacer {
public:
    static constexpr UINT DEFAULT_RATE = 60;

    // Frames a second at most; 0 means DEFAULT_RATE.
    void setRate(UINT nFramesPerSecond);
    UINT rate() const { return m_nRate; }

    // Call when a frame has been shown: the milliseconds to wait before the
    // next one may start, from the performance counter. Frames keep an even
    // cadence; a late frame starts a new one rather than rushing to catch
    // up.
    DWORD frameShown();
    // frameShown, then sleeps that long.
    void pace();

private:
    UINT m_nRate = DEFAULT_RATE;
    bool m_bStarted = false;
    // Counter ticks, kept in double so a cadence of 1/60 s does not drift.
    double m_dNextFrame = 0.0;
};

}  // namespace Vantile
