// The frame clock: milliseconds per frame from the high-resolution counter,
// or from the tick count where no counter exists, with a frames-per-second
// sample once a second. With a fixed step (headless runs) every frame is
// exactly that long whatever the machine's speed, and the frames-per-second
// sample counts the frames of each second of game time.
#pragma once

#include <cstdint>

namespace Vantile {

class CFrameTimer {
public:
    static CFrameTimer& Instance();

    void update();
    // Pausing drops the current frame time at once; the total stands still.
    void pause(bool bPause);

    double timeSinceLastFrame() const { return m_dDelta; }
    // The same frame time in seconds, as game rules and animations use it.
    float frameSeconds() const { return float(m_dDelta / 1000.0); }
    double totalTime() const { return m_dTotal; }
    double currentTime() const { return m_dCurrent; }
    int fps() const { return m_nFps; }
    const char* fpsText() const { return m_szFps; }
    bool isPaused() const { return m_bPaused; }

    // Every later frame lasts exactly dMilliseconds of game time; 0 goes
    // back to the clocks. The window then draws without pacing.
    void setFixedStep(double dMilliseconds);
    bool isFixedStep() const { return m_dFixedStep > 0.0; }
    double fixedStep() const { return m_dFixedStep; }
    // Milliseconds of fixed steps taken, counted on while paused: the
    // clock of a fixed-step run for what the real clock would time.
    double steppedTime() const { return m_dStepped; }

    // Starts over as a new timer would, choosing the clock again and with
    // no fixed step. Tests use it after replacing the platform clocks.
    void reset();

private:
    // A stalled frame (window drag, loading) never advances the game by
    // more than this.
    static constexpr double MAX_DELTA = 100.0;

    CFrameTimer();

    void updateCounter();
    void updateTicks();
    void updateFixed();
    void countFrame();
    void publishFps();

    int64_t m_nFrequency;
    bool m_bStarted;
    uint32_t m_dwLastTick;
    int64_t m_nLastCounter;
    uint32_t m_dwTickAccum;
    int64_t m_nCounterAccum;
    int32_t m_nFps;
    int32_t m_nFrames;
    double m_dCurrent;
    double m_dDelta;
    char m_szFps[8];
    double m_dTotal;
    bool m_bPaused;
    double m_dFixedStep = 0.0;
    double m_dStepped = 0.0;
    int32_t m_nStepFrames = 0;
};

}  // namespace Vantile
