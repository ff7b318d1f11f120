#include "Core/vantile_frametimer.h"

#include <gtest/gtest.h>

#include <string>

#include "system/win32.h"

using Vantile::CFrameTimer;

namespace {

// Drives the timer from a fake clock: the counter runs at 1000 ticks per
// second so ticks read as milliseconds, or frequency 0 selects tick mode.
class FrameTimerTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        m_clock = {0, GetParam() ? 1000 : 0, 0};
        PlatformSetClockOverride(&m_clock);
        CFrameTimer::Instance().reset();
    }
    void TearDown() override
    {
        PlatformSetClockOverride(nullptr);
        CFrameTimer::Instance().reset();
    }

    void frameAt(int64_t nMilliseconds)
    {
        m_clock.counter = nMilliseconds;
        m_clock.ticks = static_cast<DWORD>(nMilliseconds);
        PlatformSetClockOverride(&m_clock);
        CFrameTimer::Instance().update();
    }

    PlatformClockOverride m_clock;
};

TEST_P(FrameTimerTest, ClampsLongFramesAndSumsTheClampedTimes)
{
    CFrameTimer& timer = CFrameTimer::Instance();
    frameAt(1000);
    EXPECT_EQ(timer.timeSinceLastFrame(), 0.0) << "the first frame has no predecessor";
    const double deltas[] = {50, 100, 20};
    const int64_t times[] = {1050, 1350, 1370};
    for (int i = 0; i < 3; ++i) {
        frameAt(times[i]);
        EXPECT_DOUBLE_EQ(timer.timeSinceLastFrame(), deltas[i]) << "frame " << i;
    }
    EXPECT_DOUBLE_EQ(timer.totalTime(), 170.0);
}

TEST_P(FrameTimerTest, PausedTimerAddsNothing)
{
    CFrameTimer& timer = CFrameTimer::Instance();
    frameAt(0);
    frameAt(40);
    timer.pause(true);
    EXPECT_EQ(timer.timeSinceLastFrame(), 0.0);
    frameAt(80);
    EXPECT_EQ(timer.timeSinceLastFrame(), 0.0);
    EXPECT_DOUBLE_EQ(timer.totalTime(), 40.0);
    timer.pause(false);
    frameAt(5000);
    EXPECT_DOUBLE_EQ(timer.timeSinceLastFrame(), 100.0) << "a long pause resumes as one clamped frame";
}

TEST_P(FrameTimerTest, FpsTextReplacesDashesAfterOneSecond)
{
    CFrameTimer& timer = CFrameTimer::Instance();
    EXPECT_STREQ(timer.fpsText(), "---");
    for (int nFrame = 0; nFrame <= 20; ++nFrame) {
        frameAt(nFrame * 50);
        if (nFrame < 20) {
            EXPECT_STREQ(timer.fpsText(), "---") << "frame " << nFrame;
        }
    }
    EXPECT_STREQ(timer.fpsText(), "21");
    EXPECT_EQ(timer.fps(), 21);
}

// Under a fixed step the clocks do not matter: a frame the clock says took
// half a second and one it says took a millisecond are both one step.
TEST_P(FrameTimerTest, FixedStepMakesEveryFrameOneStepWhateverTheClockSays)
{
    CFrameTimer& timer = CFrameTimer::Instance();
    const double dStep = 1000.0 / 60.0;
    frameAt(0);
    timer.setFixedStep(dStep);
    EXPECT_TRUE(timer.isFixedStep());
    const int64_t times[] = {500, 501, 501, 9000};
    for (int i = 0; i < 4; ++i) {
        frameAt(times[i]);
        EXPECT_DOUBLE_EQ(timer.timeSinceLastFrame(), dStep) << "frame " << i;
        EXPECT_FLOAT_EQ(timer.frameSeconds(), float(dStep / 1000.0));
    }
    EXPECT_DOUBLE_EQ(timer.totalTime(), 4 * dStep);
    EXPECT_DOUBLE_EQ(timer.steppedTime(), 4 * dStep);
}

// A pause stops the game's time; the steps taken still count, for what a
// fixed-step run times by them.
TEST_P(FrameTimerTest, FixedStepPausedAddsNoGameTimeButCountsItsSteps)
{
    CFrameTimer& timer = CFrameTimer::Instance();
    timer.setFixedStep(10.0);
    frameAt(0);
    timer.pause(true);
    frameAt(1);
    frameAt(2);
    EXPECT_EQ(timer.timeSinceLastFrame(), 0.0);
    EXPECT_DOUBLE_EQ(timer.totalTime(), 10.0);
    EXPECT_DOUBLE_EQ(timer.steppedTime(), 30.0);
    timer.pause(false);
    frameAt(3);
    EXPECT_DOUBLE_EQ(timer.timeSinceLastFrame(), 10.0);
}

TEST_P(FrameTimerTest, FixedStepCountsFramesPerSecondOfGameTimeAndResetsAway)
{
    CFrameTimer& timer = CFrameTimer::Instance();
    timer.setFixedStep(1000.0 / 60.0);
    for (int nFrame = 0; nFrame < 60; ++nFrame)
        frameAt(0);
    EXPECT_EQ(timer.fps(), 60);
    timer.setFixedStep(0.0);
    EXPECT_FALSE(timer.isFixedStep());
    frameAt(100);
    frameAt(140);
    EXPECT_DOUBLE_EQ(timer.timeSinceLastFrame(), 40.0) << "the clocks again";
    timer.setFixedStep(5.0);
    timer.reset();
    EXPECT_FALSE(timer.isFixedStep()) << "a reset timer is a new one";
}

INSTANTIATE_TEST_SUITE_P(CounterAndTicks, FrameTimerTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Counter" : "Ticks");
                         });

TEST(FrameTimerTicks, TickCountWrapGivesAShortFrameNotANegativeOne)
{
    PlatformClockOverride clock = {0, 0, 0xFFFFFFF0u};
    PlatformSetClockOverride(&clock);
    CFrameTimer& timer = CFrameTimer::Instance();
    timer.reset();
    timer.update();
    clock.ticks = 0x10;
    PlatformSetClockOverride(&clock);
    timer.update();
    EXPECT_DOUBLE_EQ(timer.timeSinceLastFrame(), 32.0);
    EXPECT_DOUBLE_EQ(timer.totalTime(), 32.0);
    PlatformSetClockOverride(nullptr);
    timer.reset();
}

}  // namespace
