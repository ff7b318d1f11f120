#include "Business/profilelist.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace {

TEST(ProfileListTest, CreateAppendsANewGameProfileWithoutMakingItCurrent)
{
    CProfileList list("/nonexistent");
    CProfile* pAnn = list.create("Ann");
    EXPECT_EQ(-1, pAnn->m_nLevel);
    EXPECT_EQ(3, pAnn->m_nLives);
    EXPECT_EQ(0, pAnn->m_nScore);
    EXPECT_TRUE(pAnn->m_bTooltips);
    EXPECT_FALSE(pAnn->m_bPowerUpShown);
    EXPECT_EQ(nullptr, list.current());
    EXPECT_TRUE(list.contains("Ann"));
    EXPECT_FALSE(list.contains("ann"));
    EXPECT_FALSE(list.contains("Ann "));
}

TEST(ProfileListTest, RemovingTheCurrentProfileLeavesNoCurrent)
{
    CProfileList list("/nonexistent");
    CProfile* pAnn = list.create("Ann");
    CProfile* pBob = list.create("Bob");
    list.setCurrent(pBob);
    CProfile stranger;
    list.remove(&stranger);
    EXPECT_EQ(2u, list.size());
    list.remove(pBob);
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ(pAnn, list.at(0));
    EXPECT_EQ(nullptr, list.current());
}

TEST(ProfileListTest, RankingIsByScoreAndStableForTies)
{
    CProfileList list("/nonexistent");
    std::vector<CProfile*> profiles;
    for (int nScore : {100, 300, 300, 50}) {
        profiles.push_back(list.create("p" + std::to_string(profiles.size())));
        profiles.back()->m_nScore = nScore;
    }
    EXPECT_EQ((std::vector<CProfile*>{profiles[1], profiles[2], profiles[0], profiles[3]}),
              list.rankByScore());
}

TEST(ProfileListTest, OnlyPlainNamesDeleteTheirOldFileInTheLegacyFolder)
{
    CTempFolder folder;
    std::string strLegacy = folder.write("Profiles/Ann", "old");
    std::string strVictim = folder.write("victim", "keep me");
    std::string strInner = folder.write("Profiles/sub/x", "keep me");
    CProfileList list(folder.path() + "/Profiles");

    list.rename(list.create("Ann"), "Anna");
    EXPECT_FALSE(std::filesystem::exists(strLegacy));
    EXPECT_EQ("Anna", list.at(0)->getName());

    for (const char* szName : {"../victim", "..", "sub/x", "..\\victim"}) {
        SCOPED_TRACE(szName);
        list.remove(list.create(szName));
        list.rename(list.create(szName), "z");
    }
    EXPECT_TRUE(std::filesystem::exists(strVictim));
    EXPECT_TRUE(std::filesystem::exists(strInner));
    EXPECT_TRUE(std::filesystem::exists(folder.path() + "/Profiles/sub"));
}

}  // namespace
