#include "Game/Story/afterwindialog.h"

#include <gtest/gtest.h>

#include <array>

#include "Game/Hud/rollingcounter.h"
#include "Game/Items/itemtype.h"

namespace {

const float FRAME = 1.0f / 60.0f;

// A dialog whose falling items have no kind, so it needs no item data.
struct AfterWin {
    int nTypesDrawn = 0;
    CAfterWinDialog dialog{[this] {
                               ++nTypesDrawn;
                               return int(eNoItem);
                           },
                           false};
};

// The frame in which each counter first rolled, and whether the counter
// above it was still rolling then.
struct CountLog {
    std::array<int, CAfterWinDialog::COUNTERS> firstRoll{};
    bool bOverlap = false;
};

CountLog countToRest(CAfterWinDialog& dialog, int nMaxFrames = 5000)
{
    CountLog log;
    log.firstRoll.fill(-1);
    for (int nFrame = 0; nFrame < nMaxFrames; ++nFrame) {
        dialog.update(FRAME);
        bool bAnyRolling = false;
        for (int i = 0; i < CAfterWinDialog::COUNTERS; ++i) {
            if (!dialog.counter(i).isRolling())
                continue;
            bAnyRolling = true;
            if (log.firstRoll[size_t(i)] < 0)
                log.firstRoll[size_t(i)] = nFrame;
            if (i > 0 && dialog.counter(i - 1).isRolling())
                log.bOverlap = true;
        }
        if (!bAnyRolling && dialog.counter(CAfterWinDialog::COUNTERS - 1).pending() == 0 && log.firstRoll[4] >= 0)
            break;
    }
    return log;
}

std::array<int, CAfterWinDialog::COUNTERS> shownValues(const CAfterWinDialog& dialog)
{
    std::array<int, CAfterWinDialog::COUNTERS> values{};
    for (int i = 0; i < CAfterWinDialog::COUNTERS; ++i)
        values[size_t(i)] = CAfterWinDialog::shownValue(dialog.counter(i));
    return values;
}

}  // namespace

TEST(AfterWinDialogTest, CountersCountUpOneAfterAnotherToTheLevelsNumbers)
{
    AfterWin afterWin;
    afterWin.dialog.show(1000, 120, 30, 57);
    EXPECT_EQ((std::array<int, 5>{0, 0, 0, 0, 0}), shownValues(afterWin.dialog));
    const CountLog log = countToRest(afterWin.dialog);
    EXPECT_FALSE(log.bOverlap) << "a counter rolled while the one above it still rolled";
    for (int i = 1; i < CAfterWinDialog::COUNTERS; ++i)
        EXPECT_GT(log.firstRoll[size_t(i)], log.firstRoll[size_t(i - 1)]) << "counter " << i + 1;
    EXPECT_EQ((std::array<int, 5>{120, 30, 57, 207, 1207}), shownValues(afterWin.dialog));
}

TEST(AfterWinDialogTest, ACounterWithNothingToCountLetsTheNextStartAtOnce)
{
    AfterWin afterWin;
    afterWin.dialog.show(0, 0, 40, 0);
    afterWin.dialog.update(FRAME);
    EXPECT_FALSE(afterWin.dialog.counter(0).isRolling());
    EXPECT_TRUE(afterWin.dialog.counter(1).isRolling());
    const CountLog log = countToRest(afterWin.dialog);
    EXPECT_EQ((std::array<int, 5>{0, 40, 0, 40, 40}), shownValues(afterWin.dialog));
    EXPECT_FALSE(log.bOverlap);
}

TEST(AfterWinDialogTest, ASecondShowingCountsFromZeroAgain)
{
    AfterWin afterWin;
    afterWin.dialog.show(0, 500, 20, 80);
    countToRest(afterWin.dialog);
    afterWin.dialog.show(600, 7, 0, 3);
    EXPECT_EQ((std::array<int, 5>{0, 0, 0, 0, 0}), shownValues(afterWin.dialog));
    EXPECT_EQ(0, afterWin.dialog.counter(0).value());
    countToRest(afterWin.dialog);
    EXPECT_EQ((std::array<int, 5>{7, 0, 3, 10, 610}), shownValues(afterWin.dialog));
}

TEST(AfterWinDialogTest, TheLevelIsClampedAndThePileRisesOneStepWhileTheTotalCounts)
{
    struct Case {
        int nLevel;
        int nClamped;
        float fHeight;
    };
    const Case cases[] = {{0, 0, -278.0f}, {25, 25, -218.0f}, {50, 50, -158.0f}, {60, 50, -158.0f}, {-3, 0, -278.0f}};
    for (const Case& c : cases) {
        AfterWin afterWin;
        afterWin.dialog.setLevel(c.nLevel);
        afterWin.dialog.show(9000, 700, 200, 100);
        afterWin.dialog.update(FRAME);
        EXPECT_EQ(c.nClamped, afterWin.dialog.level()) << c.nLevel;
        EXPECT_NEAR(c.fHeight, afterWin.dialog.treasureHeight(), 1e-3f) << c.nLevel;
        countToRest(afterWin.dialog);
        EXPECT_NEAR(c.fHeight + 2.4f, afterWin.dialog.treasureHeight(), 1e-3f) << c.nLevel;
    }
}

TEST(AfterWinDialogTest, ItemsComeOneAFrameNoCloserThanTheirPeriodAndNoMoreThanAShowingsWorth)
{
    AfterWin afterWin;
    afterWin.dialog.show(0, 10, 0, 0);
    int nLastDrawn = 0;
    float fSinceLast = 0.0f;
    // Frames of uneven length, some far longer than the period.
    const float frames[] = {0.02f, 0.04f, 0.2f, 0.01f, 0.06f};
    for (int i = 0; i < 1000; ++i) {
        const float fFrame = frames[i % 5];
        afterWin.dialog.update(fFrame);
        fSinceLast += fFrame;
        const int nMade = afterWin.nTypesDrawn - nLastDrawn;
        ASSERT_LE(nMade, 1);
        if (nMade == 1) {
            EXPECT_GT(fSinceLast, CAfterWinDialog::CItemsGenerator::ITEM_PERIOD);
            fSinceLast = 0.0f;
        }
        nLastDrawn = afterWin.nTypesDrawn;
    }
    EXPECT_EQ(CAfterWinDialog::ITEMS_PER_SHOWING, afterWin.nTypesDrawn);
    EXPECT_EQ(0, afterWin.dialog.generator().itemsLeft());
}
