#include "Game/Hud/rollingcounter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const D3DXVECTOR3 ORIGIN(0.0f, 0.0f, 0.0f);

CRollingCounter MakeCounter(int nDigits)
{
    return CRollingCounter("numbers-tablo.png", nDigits, ORIGIN, 0xFFFFFFFF, 20);
}

// The rows each digit passes through until it settles, at 60 frames a
// second.
std::vector<std::vector<int>> RollToRest(CRollingCounter& counter, int nMaxFrames = 2000)
{
    std::vector<std::vector<int>> rows;
    for (const CRollingCounter::CDigit& digit : counter.digits())
        rows.push_back({int(std::fmod(std::floor(digit.shown()), 10.0f))});
    for (int i = 0; i < nMaxFrames && (counter.isRolling() || counter.pending() != 0); ++i) {
        counter.update(1.0f / 60.0f);
        for (size_t d = 0; d < rows.size(); ++d) {
            const int nRow = int(std::fmod(std::floor(counter.digits()[d].shown()), 10.0f));
            if (rows[d].back() != nRow)
                rows[d].push_back(nRow);
        }
    }
    return rows;
}

TEST(RollingCounterTest, RollsUpwardsOverTheTopAndSnapsOntoTheTarget)
{
    CRollingCounter counter = MakeCounter(3);
    counter.setValue(95, false);
    EXPECT_EQ(counter.digits()[1].shown(), 9.0f);
    counter.setValue(105, true);
    EXPECT_TRUE(counter.isRolling());
    const std::vector<std::vector<int>> rows = RollToRest(counter);
    EXPECT_FALSE(counter.isRolling());
    // The last digit stays; the tens wrap from 9 to exactly 0; the hundreds
    // go from 0 to 1.
    EXPECT_EQ(rows[2], std::vector<int>({5}));
    EXPECT_EQ(rows[1], std::vector<int>({9, 0}));
    EXPECT_EQ(counter.digits()[1].shown(), 0.0f);
    EXPECT_EQ(rows[0], std::vector<int>({0, 1}));
    EXPECT_EQ(std::fmod(counter.digits()[0].shown(), 10.0f), 1.0f);
    EXPECT_EQ(counter.value(), 105);
}

TEST(RollingCounterTest, DigitGoingDownRollsOnUpwardsThroughTheStrip)
{
    CRollingCounter counter = MakeCounter(1);
    counter.setValue(7, false);
    counter.setValue(3, true);
    const std::vector<std::vector<int>> rows = RollToRest(counter);
    EXPECT_EQ(rows[0], std::vector<int>({7, 8, 9, 0, 1, 2, 3}));
}

// Paused frames (no time) still roll a tenth of a row a frame.
TEST(RollingCounterTest, FramesWithoutTimeStillRoll)
{
    CRollingCounter counter = MakeCounter(1);
    counter.setValue(1, true);
    int nFrames = 0;
    while (counter.isRolling() && nFrames < 100) {
        counter.update(0.0f);
        ++nFrames;
    }
    EXPECT_EQ(nFrames, 10);
}

TEST(RollingCounterTest, PendingAmountIsPaidInStepsAndTheLastPaysTheRest)
{
    CRollingCounter counter = MakeCounter(4);
    counter.setValue(100, false);
    counter.addAnimated(250, 100);
    std::vector<int> values;
    for (int i = 0; i < 3000 && (counter.pending() != 0 || counter.isRolling()); ++i) {
        counter.update(1.0f / 60.0f);
        if (values.empty() || values.back() != counter.value())
            values.push_back(counter.value());
    }
    EXPECT_EQ(values, std::vector<int>({200, 300, 350}));
    // A step of nothing would keep the amount pending for ever.
    counter.addAnimated(7, 0);
    RollToRest(counter);
    EXPECT_EQ(counter.value(), 357);
}

TEST(RollingCounterTest, StripRectShowsTheDigitRowFromTheBottomOfTheStrip)
{
    const STextureRect zero = CRollingCounter::CDigit::stripRect(0.0f);
    EXPECT_FLOAT_EQ(zero.fV0, 1.0f);
    EXPECT_FLOAT_EQ(zero.fV1, 0.9f);
    const STextureRect between = CRollingCounter::CDigit::stripRect(9.5f);
    EXPECT_FLOAT_EQ(between.fV0, 0.05f);
    EXPECT_NEAR(between.fV1, -0.05f, 1e-6f);
}

TEST(RollingCounterTest, DigitsStandAtWholeUnitsAndResetToZero)
{
    CRollingCounter counter("numbers-tablo.png", 3, D3DXVECTOR3(10.6f, 5.0f, 0.0f), 0xFFFFFFFF, 11);
    EXPECT_EQ(counter.digits()[2].position().x, 32.0f);
    counter.setPosition(D3DXVECTOR3(-4.5f, 1.0f, 0.0f));
    EXPECT_EQ(counter.digits()[1].position().x, 6.0f);
    counter.setValue(987, false);
    counter.resetDigits();
    EXPECT_FALSE(counter.isRolling());
    EXPECT_EQ(counter.digits()[0].shown(), 0.0f);
}

}  // namespace
