#include "powerup_fixture.h"

#include <cmath>
#include <set>

#include "Game/Items/animationmanager.h"

namespace {

class DiagonalBombTest : public PowerupTest {
protected:
    static std::set<std::string> sorted(const PowerupRun& result)
    {
        const std::vector<std::string> cells = result.cells();
        return std::set<std::string>(cells.begin(), cells.end());
    }
};

// Rays run from the diagonal neighbours to the board's edge and stop at
// the first hole; the trunk is walked past but never taken.
TEST_F(DiagonalBombTest, RaysRunToTheEdgeOrTheFirstHoleAndPassTheTrunk)
{
    struct Case {
        const char* szName;
        int nRow, nColumn;
        std::vector<std::pair<int, int>> holes;
        std::pair<int, int> trunk;
        std::set<std::string> cells;
    };
    const Case cases[] = {
        {"corner", 0, 0, {}, {-1, -1}, {"0,0", "1,1", "2,2", "3,3", "4,4", "5,5", "6,6", "7,7"}},
        {"top edge", 0, 3, {}, {-1, -1}, {"0,3", "1,4", "2,5", "3,6", "4,7", "1,2", "2,1", "3,0"}},
        {"middle",
         3,
         3,
         {{5, 5}},
         {1, 5},
         {"3,3", "2,4", "0,6", "4,4", "4,2", "5,1", "6,0", "2,2", "1,1", "0,0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        Layout rows = FULL;
        for (const auto& hole : c.holes)
            rows[hole.first][hole.second] = '#';
        if (c.trunk.first >= 0)
            rows[c.trunk.first][c.trunk.second] = 't';
        load(rows);
        const PowerupRun result = run(ePowerupTurtle, c.nRow, c.nColumn);
        EXPECT_EQ(c.cells, sorted(result));
        EXPECT_EQ(CellName(c.nRow, c.nColumn), result.cells().front()) << "the used cell goes at once";
        EXPECT_EQ(1, result.deliveries.front().nFrame);
    }
}

// At 300 units a second a turtle moves 4.8 units a frame and a diagonal
// step is 55 * sqrt(2) units; a cell goes once the turtle's centre has
// passed its centre, the last one when the turtle arrives.
TEST_F(DiagonalBombTest, TheTurtleTakesEachCellAsItPassesIt)
{
    load(FULL);
    const PowerupRun result = run(ePowerupTurtle, 7, 0);
    ASSERT_EQ(8u, result.deliveries.size());
    const float fStep = 55.0f * std::sqrt(2.0f);
    for (int k = 1; k <= 6; ++k) {
        const Delivery& d = result.deliveries[k];
        EXPECT_EQ(CellName(7 - k, k), CellName(d.nRow, d.nColumn));
        EXPECT_NEAR(std::floor(fStep * k / 4.8f) + 1, d.nFrame, 1) << "cell " << k;
    }
    EXPECT_NEAR(std::ceil(fStep * 7 / 4.8f), result.deliveries[7].nFrame, 1);
    EXPECT_EQ(result.deliveries[7].nFrame, result.nFinishedFrame);
}

// The flare here is shorter than a frame: the used cell must still go.
TEST_F(DiagonalBombTest, WithNoRayTheUsedCellStillGoesAndTheTurtleIsDone)
{
    CAnimationManager::Instance().setVisualSource(nullptr);
    Layout rows(8, "########");
    rows[3][3] = '5';
    rows[3][4] = '6';
    load(rows);
    const PowerupRun result = run(ePowerupTurtle, 3, 3);
    ASSERT_EQ(1u, result.deliveries.size());
    EXPECT_EQ("3,3", result.cells()[0]);
    EXPECT_EQ(1, result.nFinishedFrame);
}

}  // namespace
