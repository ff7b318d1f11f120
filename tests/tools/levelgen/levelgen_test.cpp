// quellon-levelgen, run as the build runs it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tinyxml.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "Game/Items/animationmanager.h"
#include "Game/Level/level.h"
#include "Resources/vantile_resourcemanager.h"
#include "support/temp_folder.h"

namespace {

const char* const OPEN_BOARD = "board\n........\n........\n........\n........\n........\n........\n........\n"
                               "........\n";

class LevelGenTest : public ::testing::Test {
protected:
    void TearDown() override { CAnimationManager::Instance().clear(); }

    // Returns the exit status; stderr lands in m_strErr.
    int generate(const std::string& strDesign)
    {
        const std::string strPath = m_Temp.write("design.txt", strDesign);
        mkdir((m_Temp.path() + "/out").c_str(), 0755);
        const std::string strErr = m_Temp.path() + "/err";
        const int nRaw = system(("./quellon-levelgen " + strPath + " " + m_Temp.path() + "/out 2>" + strErr).c_str());
        std::ifstream err(strErr);
        m_strErr.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
        return WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1;
    }

    bool written(const std::string& strName) const
    {
        struct stat info;
        return stat((m_Temp.path() + "/out/" + strName).c_str(), &info) == 0;
    }

    CTempFolder m_Temp;
    std::string m_strErr;
};

TEST_F(LevelGenTest, WritesTheGameFileAndLevelsAsTheGameReadsThem)
{
    ASSERT_EQ(0, generate(std::string("; two levels\n"
                                      "level Sandy Cove\nkinds 1 2 3\nperiod 200\nbonustime 2\npowerups 0\n"
                                      "scene a.xml\nfog FF102030\nfish 1000000 0100000\n") +
                          OPEN_BOARD +
                          "level Kraken's Door\nperiod 150\nfield shared.jpg\n"
                          "minigame 4 3 5 | Find it. | Found!\n"
                          "board\n#......#\n........\nDDDDDDDD\n........\n...T....\n........\nhv*+f...\n........\n"))
        << m_strErr;
    TiXmlDocument game((m_Temp.path() + "/out/game.gam").c_str());
    ASSERT_TRUE(game.LoadFile());
    const TiXmlElement* pFirst = game.RootElement()->FirstChildElement("level");
    const TiXmlElement* pSecond = pFirst->NextSiblingElement("level");
    EXPECT_STREQ("level01.xml", pFirst->Attribute("file"));
    EXPECT_STREQ("field01.jpg", pFirst->Attribute("field"));
    // Settings carry on; the field picture and the mini-game do not.
    EXPECT_STREQ("Kraken's Door", pSecond->Attribute("name"));
    EXPECT_STREQ("shared.jpg", pSecond->Attribute("field"));
    EXPECT_STREQ("a.xml", pSecond->Attribute("scene"));
    EXPECT_STREQ("0100000", pSecond->Attribute("fgfishes"));
    const TiXmlElement* pMini = game.RootElement()->FirstChildElement("minigame");
    ASSERT_NE(nullptr, pMini);
    EXPECT_STREQ("1", pMini->Attribute("level"));
    EXPECT_STREQ("Find it.", pMini->Attribute("before"));
    EXPECT_EQ(nullptr, pMini->NextSiblingElement("minigame"));

    Vantile::CResourceManager::Instance().Init(m_Temp.path() + "/out", false);
    CLevel level;
    CLevel::Cells cells;
    level.loadFile("level02.xml", cells);
    EXPECT_EQ(150, level.m_nPeriod);
    EXPECT_EQ(2, level.m_nBonusTime);
    EXPECT_EQ((std::vector<int>{1, 2, 3}), CAnimationManager::Instance().activeItemTypes());
    EXPECT_FALSE(cells[0].m_bExists);
    EXPECT_EQ(eTrunk, cells[4 * 8 + 3].m_nType);
    const int specials[] = {eHorz, eVert, eVertHorz, eHeart, eTimeFreeze};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(specials[k], cells[6 * 8 + k].m_nType);
    // A row of double fish alternates kinds, so it never starts as a run.
    for (int k = 2 * 8; k < 3 * 8; ++k) {
        EXPECT_EQ(2, cells[k].m_nLives);
        EXPECT_TRUE(isOrdinaryType(cells[k].m_nType));
        if (k > 2 * 8) {
            EXPECT_NE(cells[k - 1].m_nType, cells[k].m_nType);
        }
    }
}

TEST_F(LevelGenTest, RefusesADesignWithTheReasonAndWritesNoGame)
{
    const std::string strHead = "level Reef\nkinds 1 2 3\nperiod 100\nscene s.xml\nfog FF000000\nfish 0 0\n";
    const std::string strNarrowFoot =
        "board\n........\n........\n........\n........\n........\n........\n..####..\n..####..\n";
    const std::pair<std::string, const char*> cases[] = {
        {"period 100\n" + std::string(OPEN_BOARD), "design.txt:1: \"period\" before the first level"},
        {strHead + "depth 3\n" + OPEN_BOARD, "design.txt:7: unknown setting \"depth\""},
        {strHead + "period\n" + OPEN_BOARD, "\"period\" lacks its value"},
        {strHead + "board\n........\n", "the board ends early"},
        {strHead + "board\n.......\n", "a board row needs 8 cells"},
        {strHead, "level \"Reef\" has no board"},
        {strHead + "minigame 4 4 1\n" + OPEN_BOARD, "a mini-game needs \"| before | after\" texts"},
        {strHead + "board\nX.......\n........\n........\n........\n........\n........\n........\n........\n",
         "unknown board symbol 'X'"},
        {strHead + strNarrowFoot, "level \"Reef\": a trunk in column 0 can stick above row 6, column 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.second);
        EXPECT_EQ(1, generate(c.first));
        EXPECT_NE(std::string::npos, m_strErr.find(c.second)) << m_strErr;
        EXPECT_FALSE(written("game.gam"));
    }
}

TEST_F(LevelGenTest, ReportsEveryFaultyLevelInOneRun)
{
    const std::string strLevel = "kinds 1 2\nperiod 100\nscene s.xml\nfog FF000000\nfish 0 0\n" + std::string(OPEN_BOARD);
    EXPECT_EQ(1, generate("level One\n" + strLevel + "level Two\n" + strLevel));
    EXPECT_NE(std::string::npos, m_strErr.find("level \"One\": the refill needs at least three fish kinds"));
    EXPECT_NE(std::string::npos, m_strErr.find("level \"Two\": the refill needs at least three fish kinds"));
}

}  // namespace
