// The level lab: its sums over runs, the rules of a fair curve, and the
// bot playing shipped levels under the play rules and the level clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Game/Items/animationmanager.h"
#include "levellab/levellab.h"

namespace {

SLabRun GameRun(bool bWon, float fUsed, int nMoves = 40, int nDead = 0)
{
    SLabRun run;
    run.bWon = bWon;
    run.fUsed = fUsed;
    run.nMoves = nMoves;
    run.nDeadBoards = nDead;
    return run;
}

// A level of four runs: nWins won with fUsed of the clock, the rest lost.
SLevelFigures Level(int nLevel, int nWins, float fUsed, int nDead = 0)
{
    SLevelFigures level;
    level.nLevel = nLevel;
    level.strName = "Reef " + std::to_string(nLevel);
    for (int i = 0; i < 4; ++i)
        level.runs.push_back(GameRun(i < nWins, i < nWins ? fUsed : 1.0f, 40, i == 0 ? nDead : 0));
    return level;
}

// Five levels that get harder gently, with every kind between them.
std::vector<SLevelFigures> FairCurve()
{
    std::vector<SLevelFigures> levels;
    for (int i = 1; i <= 5; ++i) {
        levels.push_back(Level(i, 4, 0.1f * float(i)));
        levels.back().kinds = {2 * i - 1, 2 * i};
    }
    return levels;
}

bool HasFault(const std::vector<std::string>& faults, const std::string& strText)
{
    for (const std::string& strFault : faults)
        if (strFault.find(strText) != std::string::npos)
            return true;
    return false;
}

TEST(LevelLabFiguresTest, MediansCountALostRunAsTheWholeClock)
{
    SLevelFigures level;
    level.runs = {GameRun(true, 0.2f, 10, 1), GameRun(true, 0.4f, 30, 0), GameRun(false, 0.3f, 50, 2),
                  GameRun(true, 0.6f, 70, 0)};
    EXPECT_EQ(3, level.wins());
    EXPECT_FLOAT_EQ(0.75f, level.winRate());
    // Used: 0.2, 0.4, 0.6 and the lost run's 1.0: the middle two.
    EXPECT_FLOAT_EQ(0.5f, level.medianUsed());
    EXPECT_FLOAT_EQ(0.5f, level.margin());
    EXPECT_FLOAT_EQ(40.0f, level.medianMoves());
    // Three boards without a move in 160 moves, over all runs.
    EXPECT_FLOAT_EQ(100.0f * 3.0f / 160.0f, level.deadPer100Moves());
    level.runs.resize(3);
    EXPECT_FLOAT_EQ(1.0f / 3.0f * 2.0f, level.winRate());
    EXPECT_FLOAT_EQ(0.4f, level.medianUsed()) << "an odd count takes the middle run";
}

TEST(LevelLabRulesTest, AFairCurvePasses)
{
    EXPECT_TRUE(CheckLabFigures(FairCurve(), true).empty());
}

// Each case spoils one level of the fair curve; every fault it then
// draws names that level.
TEST(LevelLabRulesTest, EachBrokenRuleIsNamedWithItsLevel)
{
    struct Case {
        const char* szWhat;
        void (*spoil)(std::vector<SLevelFigures>&);
        const char* szFault;
        const char* szLevel;
    };
    const Case cases[] = {
        {"won twice in four", [](std::vector<SLevelFigures>& l) { l[1].runs = Level(2, 2, 0.2f).runs; },
         "level 2 \"Reef 2\": won in 2 of 4 runs, fewer than 75 %", "Reef 2"},
        {"a win-rate wall", [](std::vector<SLevelFigures>& l) { l[2].runs = Level(3, 2, 0.3f).runs; },
         "level 3 \"Reef 3\": a wall: its win rate 50 %", "Reef 3"},
        {"a margin wall", [](std::vector<SLevelFigures>& l) { l[1].runs = Level(2, 4, 0.8f).runs; },
         "level 2 \"Reef 2\": a wall: its time margin 20 %", "Reef 2"},
        {"a wall at the start", [](std::vector<SLevelFigures>& l) { l[0].runs = Level(1, 4, 0.5f).runs; },
         "level 1 \"Reef 1\": a wall: its time margin 50 %", "Reef 1"},
        {"stuck boards", [](std::vector<SLevelFigures>& l) { l[3].runs = Level(4, 4, 0.4f, 5).runs; },
         "level 4 \"Reef 4\": 3.1 boards without a move per 100 moves", "Reef 4"},
        {"an easy finale", [](std::vector<SLevelFigures>& l) { l[4].runs = Level(5, 4, 0.35f).runs; },
         "level 5 \"Reef 5\": the last level is not the hardest: level 4 \"Reef 4\": uses 40 %", "Reef 5"},
        {"a kind nowhere", [](std::vector<SLevelFigures>& l) { l[4].kinds = {9}; }, "fish kind 10 appears in no level",
         "fish kind 10"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.szWhat);
        std::vector<SLevelFigures> levels = FairCurve();
        test.spoil(levels);
        const std::vector<std::string> faults = CheckLabFigures(levels, true);
        EXPECT_TRUE(HasFault(faults, test.szFault)) << (faults.empty() ? "no fault" : faults.front());
        for (const std::string& strFault : faults)
            EXPECT_NE(std::string::npos, strFault.find(test.szLevel)) << strFault;
    }
}

TEST(LevelLabRulesTest, APartOfTheGameIsNotHeldToTheWholeGamesRules)
{
    std::vector<SLevelFigures> levels = FairCurve();
    levels[4] = Level(5, 4, 0.2f);
    levels[4].kinds = {1};
    EXPECT_TRUE(CheckLabFigures(levels, false).empty());
    // A lone level has no neighbours to be a wall against.
    EXPECT_TRUE(CheckLabFigures({Level(7, 3, 0.9f)}, false).empty());
}

class LevelLabPlayTest : public ::testing::Test {
protected:
    void TearDown() override { CAnimationManager::Instance().clear(); }

    static SLabOptions Options(int nFirst, int nLast, int nWorkers)
    {
        SLabOptions options;
        options.strDataFolder = "game";
        options.nFirst = nFirst;
        options.nLast = nLast;
        options.nSeeds = 2;
        options.nWorkers = nWorkers;
        return options;
    }
};

// The first stingray level, a long one, and the first trunk to bring down:
// the same games in one process as in two workers, and every one won.
TEST_F(LevelLabPlayTest, TheBotWinsPowerUpAndTrunkLevelsAlikeInWorkersAndAtHome)
{
    int nReports = 0;
    const std::vector<SLevelFigures> workers =
        RunLevelLab(Options(8, 10, 2), [&](int nDone, int nTotal, const SLevelFigures&, const SLabRun&) {
            EXPECT_EQ(++nReports, nDone);
            EXPECT_EQ(6, nTotal);
        });
    const std::vector<SLevelFigures> home = RunLevelLab(Options(8, 10, 1));
    ASSERT_EQ(3u, workers.size());
    ASSERT_EQ(3u, home.size());
    for (size_t i = 0; i < workers.size(); ++i) {
        SCOPED_TRACE(workers[i].strName);
        EXPECT_EQ(int(8 + i), workers[i].nLevel);
        ASSERT_EQ(2u, workers[i].runs.size());
        EXPECT_EQ(2, workers[i].wins());
        EXPECT_GT(workers[i].medianMoves(), 0.0f);
        EXPECT_EQ(home[i].medianMoves(), workers[i].medianMoves()) << "a seed plays the same game anywhere";
        EXPECT_EQ(home[i].medianScore(), workers[i].medianScore());
        EXPECT_EQ(home[i].medianUsed(), workers[i].medianUsed());
    }
    EXPECT_EQ("Stingray Flats", workers[0].strName);
    EXPECT_GT(workers[0].meanPowerups(), 0.0f) << "the bot spends the stingray once it is charged";
    EXPECT_GT(workers[0].nBonusTime, 0) << "these levels give time back";
}

// The end of the game, where the clock bites: every level won at a
// player's pace, no wall, few stuck boards, the finale the hardest.
TEST_F(LevelLabPlayTest, TheLastLevelsKeepAFairCurve)
{
    SLabOptions options = Options(45, 50, 2);
    options.nSeeds = 4;
    const std::vector<SLevelFigures> levels = RunLevelLab(options);
    ASSERT_EQ(6u, levels.size());
    for (const std::string& strFault : CheckLabFigures(levels, false))
        ADD_FAILURE() << strFault;
    for (size_t i = 0; i + 1 < levels.size(); ++i)
        EXPECT_LT(levels[i].medianUsed(), levels.back().medianUsed()) << levels[i].strName;
    EXPECT_LT(levels.back().medianUsed(), 1.0f);
}

TEST_F(LevelLabPlayTest, LevelsOutsideTheGameAreRefused)
{
    EXPECT_ANY_THROW(RunLevelLab(Options(49, 51, 1)));
    EXPECT_ANY_THROW(RunLevelLab(Options(0, 2, 1)));
}

}  // namespace
