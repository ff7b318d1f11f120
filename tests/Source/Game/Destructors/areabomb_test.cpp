#include "powerup_fixture.h"

namespace {

class AreaBombTest : public PowerupTest {};

// The block goes in one call, without removal looks, once the spray's
// timer (1000 ms) is down to 300 ms: frame 44 at 16 ms; the bomb stays
// until the spray has ended, frame 63.
TEST_F(AreaBombTest, TheBlockGoesAtOnceThreeHundredMillisecondsBeforeTheSprayEnds)
{
    struct Case {
        int nRow, nColumn;
        size_t nCells;
    };
    const Case cases[] = {{3, 3, 9}, {0, 0, 4}, {7, 7, 4}, {0, 4, 6}, {5, 7, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(CellName(c.nRow, c.nColumn));
        load(FULL);
        const PowerupRun result = run(ePowerupCuttlefish, c.nRow, c.nColumn);
        ASSERT_EQ(c.nCells, result.deliveries.size());
        for (const Delivery& d : result.deliveries) {
            EXPECT_EQ(44, d.nFrame);
            EXPECT_FALSE(d.bOrdinary);
            EXPECT_LE(std::abs(d.nRow - c.nRow), 1);
            EXPECT_LE(std::abs(d.nColumn - c.nColumn), 1);
        }
        EXPECT_EQ(CellName(c.nRow, c.nColumn), result.cells().back());
        EXPECT_EQ(44, result.nDoneFrame);
        EXPECT_EQ(63, result.nFinishedFrame);
    }
}

TEST_F(AreaBombTest, HolesAndTheTrunkInTheBlockAreLeftOut)
{
    Layout rows = FULL;
    rows[2][2] = '#';
    rows[4][3] = 't';
    load(rows);
    const std::vector<std::string> cells = run(ePowerupCuttlefish, 3, 3).cells();
    const std::vector<std::string> expected = {"3,2", "4,2", "2,3", "2,4", "3,4", "4,4", "3,3"};
    EXPECT_EQ(expected, cells);
}

// On the board the block's items are taken off in one frame; the board
// refills it at once, since the bomb no longer holds any cell, so the
// block then holds only items on their way in.
TEST_F(AreaBombTest, OnTheBoardTheWholeBlockLeavesInOneFrame)
{
    load(FULL);
    auto resting = [&]() {
        int nResting = 0;
        for (int r = 2; r <= 4; ++r)
            for (int c = 2; c <= 4; ++c)
                nResting += at(r, c)->item() && at(r, c)->item()->isIdle();
        return nResting;
    };
    spend(ePowerupCuttlefish, 3, 3);
    for (int i = 0; i < 43; ++i)
        m_pDriver->frame();
    EXPECT_EQ(9, resting());
    m_pDriver->frame();
    EXPECT_EQ(0, resting());
    settle();
    for (const std::string& row : board())
        EXPECT_EQ(std::string::npos, row.find('.'));
}

}  // namespace
