#include "powerup_fixture.h"

#include "Core/vantile_random.h"

namespace {

class SplinterBombTest : public PowerupTest {};

// The four quadrants share the used cell's row and column; one spike lands
// in each quadrant that holds any cell besides the used one.
TEST_F(SplinterBombTest, OneSpikeLandsInEachQuadrantThatHasACell)
{
    struct Case {
        int nRow, nColumn;
        size_t nTargets;
    };
    const Case cases[] = {{3, 3, 4}, {0, 0, 3}, {7, 7, 3}, {0, 7, 3}, {7, 2, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(CellName(c.nRow, c.nColumn));
        load(FULL);
        const PowerupRun result = run(ePowerupSeaUrchin, c.nRow, c.nColumn);
        ASSERT_EQ(c.nTargets + 1, result.deliveries.size());
        const int quadrants[4][4] = {{0, c.nColumn, 0, c.nRow},
                                     {c.nColumn, 7, 0, c.nRow},
                                     {0, c.nColumn, c.nRow, 7},
                                     {c.nColumn, 7, c.nRow, 7}};
        // On a full board a quadrant holds another cell unless it is the
        // used cell alone. Targets go by their spikes' times, not in
        // quadrant order.
        const std::vector<Delivery> targets(result.deliveries.begin(), result.deliveries.end() - 1);
        for (const auto& q : quadrants) {
            if (q[0] == q[1] && q[2] == q[3])
                continue;
            EXPECT_TRUE(std::any_of(targets.begin(), targets.end(), [&](const Delivery& d) {
                return d.nColumn >= q[0] && d.nColumn <= q[1] && d.nRow >= q[2] && d.nRow <= q[3] &&
                       !(d.nRow == c.nRow && d.nColumn == c.nColumn);
            })) << "no target in quadrant from column " << q[0] << ", row " << q[2];
        }
        EXPECT_EQ(CellName(c.nRow, c.nColumn), result.cells().back()) << "the used cell goes last";
    }
}

// Each target goes one base delay (the urchin and its fade-in, 750 ms)
// after its spike appeared, within the first 0.7 s; the used cell goes
// with the last target and the bomb is deleted then.
TEST_F(SplinterBombTest, TargetsGoWithinSevenTenthsOfASecondAfterTheBaseDelay)
{
    load(FULL);
    const PowerupRun result = run(ePowerupSeaUrchin, 3, 4);
    ASSERT_EQ(5u, result.deliveries.size());
    const float fBaseMs = (URCHIN_LENGTH + URCHIN_FADE_IN_LENGTH) * 1000.0f;
    int nLast = 0;
    for (const Delivery& d : result.deliveries) {
        EXPECT_GT(d.nFrame * 16.0f, fBaseMs);
        EXPECT_LE((d.nFrame - 1) * 16.0f, fBaseMs + 700.0f);
        EXPECT_TRUE(d.bOrdinary);
        nLast = std::max(nLast, d.nFrame);
    }
    EXPECT_EQ(nLast, result.deliveries.back().nFrame);
    EXPECT_EQ(nLast, result.nDoneFrame);
    EXPECT_EQ(nLast, result.nFinishedFrame);
}

TEST_F(SplinterBombTest, ASeedChoosesTheSameSpikesAndTimes)
{
    auto play = [this](uint32_t nSeed) {
        load(FULL);
        Vantile::SeedRandom(nSeed);
        std::vector<std::string> record;
        for (const Delivery& d : run(ePowerupSeaUrchin, 4, 3).deliveries)
            record.push_back(CellName(d.nRow, d.nColumn) + "@" + std::to_string(d.nFrame));
        return record;
    };
    EXPECT_EQ(play(11), play(11));
    EXPECT_NE(play(11), play(12));
}

// No spike has anywhere to go: the used cell goes at once.
TEST_F(SplinterBombTest, WithNoTargetOnlyTheUsedCellGoesAtOnce)
{
    Layout rows(8, "########");
    rows[3][3] = '5';
    rows[3][4] = 't';
    load(rows);
    const PowerupRun result = run(ePowerupSeaUrchin, 3, 3);
    ASSERT_EQ(1u, result.deliveries.size());
    EXPECT_EQ("3,3", result.cells()[0]);
    EXPECT_EQ(1, result.deliveries[0].nFrame);
}

}  // namespace
