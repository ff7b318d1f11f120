#include "Game/Rules/scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Business/profile.h"
#include "Game/Rules/leveltimer.h"

namespace {

struct Step {
    bool bFound;
    bool bBig;
};

TEST(ScoringTest, EvaluationsCountTheComboAndArmTheSnowflakeAtExactlyFour)
{
    struct Case {
        const char* szName;
        std::vector<Step> steps;
        std::vector<int> combos;
        std::vector<int> armed;  // evaluations (0-based) that arm the snowflake
    };
    const Case cases[] = {
        {"a move and three cascades", {{true, false}, {true, false}, {true, false}, {true, false}}, {1, 2, 3, 4}, {3}},
        {"two groups at once count two", {{true, true}, {true, false}}, {2, 3}, {}},
        {"a chain that jumps from three to five", {{true, false}, {true, false}, {true, false}, {true, true}},
         {1, 2, 3, 5}, {}},
        {"the counter stops at seven", {{true, true}, {true, true}, {true, true}, {true, true}, {true, false}},
         {2, 4, 6, 7, 7}, {1}},
        {"nothing found starts over", {{true, false}, {true, false}, {false, false}, {true, false}}, {1, 2, 0, 1}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CScoring scoring;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const CScoring::Evaluation result = scoring.evaluated(c.steps[i].bFound, c.steps[i].bBig);
            EXPECT_EQ(c.combos[i], result.nCombo) << "evaluation " << i;
            const bool bArmed = std::find(c.armed.begin(), c.armed.end(), int(i)) != c.armed.end();
            EXPECT_EQ(bArmed, result.bArmTimeFreeze) << "evaluation " << i;
            EXPECT_EQ(!c.steps[i].bFound, result.bDisarmTimeFreeze);
            EXPECT_EQ(result.nCombo ? "combo" + std::to_string(result.nCombo) + ".ogg" : "", result.strSound);
        }
    }
}

TEST(ScoringTest, BonusMatchesAreCascadesAndBigCombosAndOnlyMovesThatMatchAreGood)
{
    CScoring scoring;
    scoring.setPlayerMoved();
    scoring.evaluated(true, false);
    EXPECT_FALSE(scoring.isBonusMatch()) << "the player's own match";
    EXPECT_EQ(1, scoring.goodMoves());
    scoring.evaluated(true, false);
    EXPECT_TRUE(scoring.isBonusMatch()) << "a cascade";
    scoring.setPlayerMoved();
    scoring.evaluated(false, false);
    EXPECT_FALSE(scoring.isBonusMatch());
    EXPECT_EQ(1, scoring.goodMoves()) << "a move that matched nothing";
    scoring.setPlayerMoved();
    scoring.evaluated(true, true);
    EXPECT_TRUE(scoring.isBonusMatch()) << "a big combo";
    EXPECT_EQ(2, scoring.goodMoves());
}

TEST(ScoringTest, ClearedItemsScoreTenPointsEachAndBonusMatchesAHundredAnEvent)
{
    struct Case {
        const char* szName;
        int nCount;
        bool bBonus;
        int nLevelScore;
        int nComboBonus;
    };
    const Case cases[] = {
        {"one board item", 1, false, 10, 0},
        {"a mini-game fish cell", 5, false, 50, 0},
        {"an item of a cascade", 1, true, 10, 100},
        {"an empty record", 0, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CScoring scoring;
        if (c.bBonus)
            scoring.evaluated(true, true);
        CProfile profile;
        EXPECT_EQ(c.bBonus && c.nCount > 0, scoring.itemsCleared(c.nCount, profile));
        EXPECT_EQ(c.nLevelScore, profile.m_nLevelScore);
        EXPECT_EQ(c.nComboBonus, profile.m_nComboBonus);
    }
}

TEST(ScoringTest, HeartsAddLivesUpToNine)
{
    CProfile profile;
    profile.m_nLives = 8;
    CScoring::extraLife(profile);
    EXPECT_EQ(9, profile.m_nLives);
    CScoring::extraLife(profile);
    EXPECT_EQ(9, profile.m_nLives) << "a tenth heart only plays its sound";
}

TEST(ScoringTest, TheEndOfALevelFollowsTheClockAndTheLives)
{
    struct Case {
        const char* szName;
        bool bMiniGame;
        bool bTimeOut;
        int nLives;
        int nLevel;
        CScoring::LevelEnd end;
        int nLivesAfter;
    };
    const Case cases[] = {
        {"the mini-game is over", true, true, 2, 0, CScoring::eBackToLevelStart, 2},
        {"time out with one life", false, true, 1, 0, CScoring::eRetry, 0},
        {"time out with no life", false, true, 0, 0, CScoring::eGameOver, 0},
        {"won with levels to come", false, false, 3, 8, CScoring::eWon, 3},
        {"won the last level", false, false, 3, 9, CScoring::eWonLastLevel, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CProfile profile;
        profile.m_nLives = c.nLives;
        profile.m_bInLevel = true;
        profile.m_nLevelScore = 120;
        profile.m_nComboBonus = 300;
        CLevelTimer timer;
        timer.start(60.0f);
        timer.run(c.bTimeOut ? 60.0f : 10.0f);
        timer.charge(60.0f);
        EXPECT_EQ(c.end, CScoring::levelOver(c.bMiniGame, timer, profile, c.nLevel, 10));
        EXPECT_EQ(c.nLivesAfter, profile.m_nLives);
        const bool bLost = c.end == CScoring::eRetry || c.end == CScoring::eGameOver;
        EXPECT_EQ(bLost ? 0 : 120, profile.m_nLevelScore);
        EXPECT_EQ(bLost ? 0 : 300, profile.m_nComboBonus);
        EXPECT_EQ(!bLost, profile.m_bInLevel);
    }
}

TEST(ScoringTest, EverySecondLeftIsWorthTenPointsAndTheLevelGoesIntoTheScore)
{
    CProfile profile;
    profile.m_nScore = 1000;
    profile.m_nLevelScore = 200;
    profile.m_nComboBonus = 100;
    CLevelTimer timer;
    timer.start(300.0f);
    timer.run(150.0f);
    timer.charge(150.0f);
    CScoring::addTimeBonus(timer, profile);
    EXPECT_EQ(1500, profile.m_nTimeBonus) << "half of a 300-second level left";
    CScoring::bankLevel(profile);
    EXPECT_EQ(2800, profile.m_nScore);
    EXPECT_EQ(0, profile.m_nLevelScore + profile.m_nComboBonus + profile.m_nTimeBonus);
}

}  // namespace
