// The shipped levels, as the build wrote them into the data folder beside
// the test programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Game/Items/animationmanager.h"
#include "Game/Level/level.h"
#include "levelcheck/datachecker.h"

namespace {

// What a player meets in one level.
struct LevelFacts {
    std::string strName;
    int nPowerups = 0;
    int nBonusTime = 0;
    std::set<int> kinds;
    size_t nKinds = 0;
    std::set<std::string> features;  // "holes", "doubles", "trunk", "type N"
};

class ShippedLevelsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_Faults = new CDataSetChecker::Faults(s_Checker.check("game"));
        for (const CDataSetChecker::LevelEntry& entry : s_Checker.levels())
            s_Facts.push_back(readFacts(entry));
    }
    static void TearDownTestSuite() { CAnimationManager::Instance().clear(); }

    static LevelFacts readFacts(const CDataSetChecker::LevelEntry& entry)
    {
        CLevel level;
        CLevel::Cells cells;
        level.loadFile(entry.strFile, cells);
        LevelFacts facts;
        facts.strName = entry.strName;
        facts.nPowerups = level.m_nPowerups;
        facts.nBonusTime = level.m_nBonusTime;
        const std::vector<int>& types = CAnimationManager::Instance().activeItemTypes();
        facts.kinds = std::set<int>(types.begin(), types.end());
        facts.nKinds = facts.kinds.size();
        for (const CLevel::CellRecord& cell : cells) {
            if (!cell.m_bExists)
                facts.features.insert("holes");
            if (cell.m_nLives > 1)
                facts.features.insert("doubles");
            if (isSpecialType(cell.m_nType))
                facts.features.insert("type " + std::to_string(cell.m_nType));
        }
        return facts;
    }

    static CDataSetChecker s_Checker;
    static CDataSetChecker::Faults* s_Faults;
    static std::vector<LevelFacts> s_Facts;
};

CDataSetChecker ShippedLevelsTest::s_Checker;
CDataSetChecker::Faults* ShippedLevelsTest::s_Faults;
std::vector<LevelFacts> ShippedLevelsTest::s_Facts;

TEST_F(ShippedLevelsTest, FiftyLevelsPassEveryRule)
{
    for (const CDataSetChecker::Fault& fault : *s_Faults)
        ADD_FAILURE() << fault.strFile << ": " << fault.strText;
    // The story pages come before levels 0, 14, 24 and 49.
    EXPECT_EQ(50u, s_Facts.size());
}

// Something new at most once a level, each power-up kept once given, more
// fish kinds by small steps, every kind in play, the power item wherever a
// power-up bar must charge, and time back that only ever shrinks.
TEST_F(ShippedLevelsTest, TheCurveIntroducesOneThingAtATime)
{
    ASSERT_EQ(50u, s_Facts.size());
    std::set<std::string> seen;
    std::set<int> kinds = s_Facts.front().kinds;
    size_t nMostKinds = s_Facts.front().nKinds;
    EXPECT_LE(nMostKinds, 4u);
    EXPECT_EQ(0, s_Facts.front().nPowerups);
    for (size_t i = 1; i < s_Facts.size(); ++i) {
        const LevelFacts& facts = s_Facts[i];
        SCOPED_TRACE(facts.strName);
        int nNew = 0;
        for (const std::string& strFeature : facts.features)
            nNew += seen.insert(strFeature).second;
        nNew += facts.nPowerups > s_Facts[i - 1].nPowerups;
        nNew += facts.nKinds > nMostKinds;
        EXPECT_LE(nNew, 1);
        EXPECT_LE(facts.nKinds, nMostKinds + 1);
        EXPECT_GE(facts.nPowerups, s_Facts[i - 1].nPowerups);
        EXPECT_LE(facts.nBonusTime, s_Facts[i - 1].nBonusTime);
        EXPECT_TRUE(facts.nPowerups == 0 || facts.kinds.count(4)) << "power-ups that never charge";
        kinds.insert(facts.kinds.begin(), facts.kinds.end());
        nMostKinds = std::max(nMostKinds, facts.nKinds);
    }
    EXPECT_EQ(5, s_Facts.back().nPowerups);
    EXPECT_GE(nMostKinds, 6u);
    EXPECT_EQ((std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), kinds);
    EXPECT_EQ((std::set<std::string>{"doubles", "holes", "type 11", "type 12", "type 13", "type 14", "type 15",
                                     "type 16"}),
              seen);
    EXPECT_EQ(0, s_Facts.back().nBonusTime);
}

}  // namespace
