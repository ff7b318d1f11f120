#include "Core/vantile_framepacer.h"

#include <gtest/gtest.h>

using namespace Vantile;

namespace {

// The counter runs in microseconds, so every step is exact.
class FramePacerTest : public ::testing::Test {
protected:
    void TearDown() override { PlatformSetClockOverride(nullptr); }

    DWORD shownAt(CFramePacer& pacer, LONGLONG nMicroseconds)
    {
        const PlatformClockOverride clock = {nMicroseconds, 1000000, DWORD(nMicroseconds / 1000)};
        PlatformSetClockOverride(&clock);
        return pacer.frameShown();
    }
};

// Each row: when a frame has been shown (µs) and the wait the pacer asks
// for before the next (ms). At 60 a second frames are due every 16,667 µs.
TEST_F(FramePacerTest, WaitsOutTheRestOfEachFrameAndKeepsTheCadence)
{
    const struct {
        LONGLONG nShown;
        DWORD dwWait;
    } rows[] = {
        {0, 0},         // the first frame never waits
        {5000, 12},     // the next is due at 16,667: 11.7 ms, rounded up
        {25000, 9},     // due at 33,333
        {51000, 0},     // late by 1 ms: the cadence holds, next due at 66,667
        {60000, 7},
        {200000, 0},    // late by whole frames: a new cadence from here
        {201000, 16},   // due at 216,667
    };
    CFramePacer pacer;
    EXPECT_EQ(pacer.rate(), CFramePacer::DEFAULT_RATE);
    for (const auto& row : rows)
        EXPECT_EQ(shownAt(pacer, row.nShown), row.dwWait) << "shown at " << row.nShown << " us";
}

TEST_F(FramePacerTest, FollowsTheDisplayRateAndFallsBackToTheDefault)
{
    CFramePacer pacer;
    pacer.setRate(144);
    EXPECT_EQ(shownAt(pacer, 1000000), 0u);
    EXPECT_EQ(shownAt(pacer, 1000000), 7u) << "1/144 s is 6.9 ms";
    pacer.setRate(0);
    EXPECT_EQ(pacer.rate(), CFramePacer::DEFAULT_RATE);
    EXPECT_EQ(shownAt(pacer, 2000000), 0u) << "a new rate starts a new cadence";
    EXPECT_EQ(shownAt(pacer, 2000000), 17u);
}

// Over a second of frames shown as fast as possible (each wait honoured to
// the millisecond), no more than the rate start.
TEST_F(FramePacerTest, HoldsAnUnboundedLoopToTheRate)
{
    CFramePacer pacer;
    LONGLONG nNow = 0;
    int nFrames = 0;
    for (; nNow < 1000000; ++nFrames)
        nNow += LONGLONG(shownAt(pacer, nNow)) * 1000 + 300;
    EXPECT_LE(nFrames, 61);
    EXPECT_GE(nFrames, 55);
}

}  // namespace
