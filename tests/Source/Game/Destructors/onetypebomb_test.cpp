#include "powerup_fixture.h"

namespace {

class OneTypeBombTest : public PowerupTest {};

// Kind 1 sits only where the layout puts it; the pearls go by their random
// times, each one base delay (the inner pearl and its growth, 800 ms)
// after it appeared within 0.4 s, and the used cell goes last.
TEST_F(OneTypeBombTest, EveryItemOfTheUsedKindGoesWithinTheSpreadAfterTheBaseDelay)
{
    Layout rows = FULL;
    for (const char* szCell : {"00", "52", "26", "77", "44"})
        rows[szCell[0] - '0'][szCell[1] - '0'] = '1';
    rows[6][6] = 't';
    load(rows);
    const PowerupRun result = run(ePowerupMussel, 4, 4);
    std::vector<std::string> cells = result.cells();
    ASSERT_EQ(5u, cells.size());
    EXPECT_EQ("4,4", cells.back());
    cells.pop_back();
    std::sort(cells.begin(), cells.end());
    EXPECT_EQ((std::vector<std::string>{"0,0", "2,6", "5,2", "7,7"}), cells);
    const float fBaseMs = (PEARL_LENGTH + 0.3f) * 1000.0f;
    for (const Delivery& d : result.deliveries) {
        EXPECT_GE(d.nFrame * 16.0f + 16.0f, fBaseMs);
        EXPECT_LE(d.nFrame * 16.0f, fBaseMs + 400.0f);
    }
    EXPECT_EQ(result.deliveries.back().nFrame, result.nFinishedFrame);
}

TEST_F(OneTypeBombTest, AKindFoundNowhereElseTakesOnlyTheUsedCell)
{
    Layout rows = FULL;
    rows[2][5] = '3';
    load(rows);
    const PowerupRun result = run(ePowerupMussel, 2, 5);
    ASSERT_EQ(1u, result.deliveries.size());
    EXPECT_EQ("2,5", result.cells()[0]);
    EXPECT_EQ(1, result.deliveries[0].nFrame);
}

// A pearl fades in over 0.3 s once it has appeared.
TEST_F(OneTypeBombTest, PearlsGrowFromClearToSolid)
{
    Layout rows = FULL;
    rows[0][0] = rows[7][7] = '1';
    load(rows);
    run(ePowerupMussel, 0, 0);
    const std::vector<float> alphas = m_Visuals.alphasOf("pearl_lev2.ifl");
    ASSERT_FALSE(alphas.empty());
    EXPECT_LT(*std::min_element(alphas.begin(), alphas.end()), 0.1f);
    EXPECT_FLOAT_EQ(1.0f, alphas.back());
}

}  // namespace
