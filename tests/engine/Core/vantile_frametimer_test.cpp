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
