#include "powerup_fixture.h"

#include <cmath>
#include <set>

namespace {

// The bolt as it runs up-right from the bottom-left corner: (row, column).
const std::vector<std::pair<int, int>> BOLT = {{0, 5}, {0, 6}, {0, 7}, {1, 4}, {1, 5}, {2, 3}, {2, 4},
                                               {3, 3}, {4, 3}, {5, 2}, {6, 1}, {6, 2}, {7, 0}};

class LightningBombTest : public PowerupTest {};

// From each corner the bolt runs to the opposite one: the template turned
// so that its start lies on the used cell.
TEST_F(LightningBombTest, FromEachCornerTheBoltCrossesTheBoard)
{
    struct Case {
        const char* szName;
        int nRow, nColumn;
        std::pair<int, int> (*place)(int a, int b);
    };
    const Case cases[] = {
        {"left lower", 7, 0, [](int a, int b) { return std::make_pair(a, b); }},
        {"right upper", 0, 7, [](int a, int b) { return std::make_pair(7 - a, 7 - b); }},
        {"left upper", 0, 0, [](int a, int b) { return std::make_pair(b, 7 - a); }},
        {"right lower", 7, 7, [](int a, int b) { return std::make_pair(7 - b, a); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        load(FULL);
        const std::vector<std::string> cells = run(ePowerupStingray, c.nRow, c.nColumn).cells();
        std::set<std::string> expected;
        for (const auto& cell : BOLT) {
            const std::pair<int, int> at = c.place(cell.first, cell.second);
            expected.insert(CellName(at.first, at.second));
        }
        EXPECT_EQ(CellName(c.nRow, c.nColumn), cells.front()) << "the used cell goes at once";
        EXPECT_EQ(expected, std::set<std::string>(cells.begin(), cells.end()));
        EXPECT_EQ(BOLT.size(), cells.size());
    }
}

// Half the flare (200 ms) and 200 ms after the use the bolt's cells go
// every 50 ms, column by column away from the used cell, each column from
// the used cell's row outward.
TEST_F(LightningBombTest, BoltCellsGoFiftyMillisecondsApartInScanOrder)
{
    load(FULL);
    const PowerupRun result = run(ePowerupStingray, 7, 0);
    const std::vector<std::string> order = {"7,0", "6,1", "6,2", "5,2", "4,3", "3,3", "2,3",
                                            "2,4", "1,4", "1,5", "0,5", "0,6", "0,7"};
    EXPECT_EQ(order, result.cells());
    ASSERT_EQ(order.size(), result.deliveries.size());
    EXPECT_EQ(1, result.deliveries[0].nFrame);
    for (size_t i = 1; i < result.deliveries.size(); ++i) {
        const float fDue = FLARE_LENGTH / 2.0f * 1000.0f + 200.0f + 50.0f * (i - 1);
        EXPECT_EQ(static_cast<int>(fDue / 16.0f) + 1, result.deliveries[i].nFrame) << order[i];
    }
}

// The flash stays dark for half the flare, flickers between full and half
// three times, then fades out; the bomb is done when the fade has ended,
// even with nothing to take.
TEST_F(LightningBombTest, TheFlashFlickersThreeTimesThenFadesAndEndsTheBomb)
{
    Layout rows(8, "########");
    rows[7][0] = '5';
    rows[6][0] = '6';
    load(rows);
    const PowerupRun result = run(ePowerupStingray, 7, 0);
    ASSERT_EQ(1u, result.deliveries.size());
    const std::vector<float> alphas = m_Visuals.alphasOf("flash-02.dds");
    ASSERT_EQ(static_cast<size_t>(result.nFinishedFrame), alphas.size());
    const int nHoldFrames = static_cast<int>(FLARE_LENGTH / 2.0f * 1000.0f / 16.0f);
    for (int i = 0; i < nHoldFrames; ++i)
        EXPECT_EQ(0.0f, alphas[i]) << "frame " << i + 1;
    int nFlickers = 0;
    for (size_t i = 1; i < alphas.size(); ++i)
        nFlickers += alphas[i - 1] > 0.99f && std::fabs(alphas[i] - 0.5f) < 0.01f;
    EXPECT_EQ(3, nFlickers);
    EXPECT_NEAR(0.0f, alphas.back(), 0.05f);
    // Hold 0.2 s, flicker 0.3 s and fade 0.5 s: a second, and a few frames
    // more, as each of the curve's eight pieces ends on a whole frame.
    EXPECT_GE(result.nDoneFrame, 63);
    EXPECT_LE(result.nDoneFrame, 72);
}

}  // namespace
