#include "Game/Level/level.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include "Core/vantile_exception.h"
#include "Game/Items/animationmanager.h"
#include "Resources/vantile_resourcemanager.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"

namespace {

// 64 codes: the given ones first, "81" for the rest.
std::string cellsValue(const std::string& strFirst)
{
    std::string strValue = strFirst;
    while (strValue.size() < 128)
        strValue += "81";
    return strValue;
}

std::string levelText(const std::string& strGame, const std::string& strCells)
{
    return "<root>" + strGame + strCells + "</root>";
}

const std::string GAME = "<game types=\"010203\" period=\"180\" powerups=\"2\" bonustime=\"1\"/>";

class LevelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (CLevel::CellRecord& cell : m_Cells)
            cell = {false, 9, 1};  // a state no file produces
    }
    void TearDown() override { CAnimationManager::Instance().clear(); }

    void load(const std::string& strText)
    {
        TiXmlDocument document;
        document.Parse(strText.c_str(), nullptr, TIXML_ENCODING_LEGACY);
        ASSERT_FALSE(document.Error()) << strText;
        m_Level.load(document, m_Cells);
    }

    std::string loadFailure(const std::string& strText)
    {
        try {
            load(strText);
        } catch (const Vantile::Exception& e) {
            return e.getFunc() + ": " + e.getDetails();
        }
        return "";
    }

    bool untouched() const
    {
        for (const CLevel::CellRecord& cell : m_Cells)
            if (cell.m_bExists || cell.m_nType != 9)
                return false;
        return true;
    }

    CLogCapture m_Log;
    CLevel m_Level;
    CLevel::Cells m_Cells;
};

TEST_F(LevelTest, ReadsParametersTypesAndCellsInBoardOrder)
{
    load(levelText(GAME, "<cells value=\"" + cellsValue("00C59340C08B8081") + "\"/>"));
    EXPECT_EQ(180, m_Level.m_nPeriod);
    EXPECT_EQ(2, m_Level.m_nPowerups);
    EXPECT_EQ(1, m_Level.m_nBonusTime);
    EXPECT_EQ(std::vector<int>({1, 2, 3}), CAnimationManager::Instance().activeItemTypes());

    struct Expected {
        bool bExists;
        int nType;
        int nLives;
    };
    // Hole, double 5, trunk, "40" a hole, "C0" an existing empty cell, an
    // unknown code left empty, "80" empty, "81" type 1.
    const Expected expected[] = {{false, 0, 0}, {true, 5, 2}, {true, eTrunk, 1}, {false, 0, 0},
                                 {true, 0, 0},  {true, 0, 0}, {true, 0, 0},      {true, 1, 1}};
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(expected[k].bExists, m_Cells[k].m_bExists);
        EXPECT_EQ(expected[k].nType, m_Cells[k].m_nType);
        EXPECT_EQ(expected[k].nLives, m_Cells[k].m_nLives);
    }
    EXPECT_TRUE(m_Cells[63].m_bExists);
    EXPECT_EQ(1, m_Cells[63].m_nType);
}

// A cells value the board cannot read whole is not read at all: reading
// part of it would start the level on a half-read board.
TEST_F(LevelTest, CellValuesOfAnyOtherLengthOrNotHexadecimalAreLoggedAndLeaveTheCells)
{
    std::vector<std::string> values;
    for (size_t nLength : {0, 126, 127, 129, 130})
        values.push_back("value=\"" + cellsValue("81").append("81").substr(0, nLength) + "\"");
    values.push_back("value=\"" + cellsValue("G1") + "\"");
    values.push_back("value=\"" + cellsValue(" 81").substr(0, 128) + "\"");
    values.push_back("");
    for (const std::string& strValue : values) {
        SCOPED_TRACE(strValue);
        CLogCapture log;
        EXPECT_EQ("", loadFailure(levelText(GAME, "<cells " + strValue + "/>")));
        EXPECT_TRUE(untouched());
        EXPECT_TRUE(log.contains("Incorrect level file - cells value is not 128 hexadecimal digits"));
    }
}

// Numbers must be whole and in range: C's conversions would read these
// as 1, 1, 1 and 5 without a word.
TEST_F(LevelTest, NumbersThatAreNotWholeOrInRangeRefuseTheLevel)
{
    const char* const games[] = {
        "<game types=\"01\" period=\"1e308\"/>",   "<game types=\"01\" period=\"1.9\"/>",
        "<game types=\"01\" period=\"4294967297\"/>", "<game types=\"01\" period=\"5abc\"/>",
        "<game types=\"01\" period=\" 5\"/>",      "<game types=\"01\" period=\"9\" powerups=\"-1\"/>",
        "<game types=\"01\" period=\"9\" bonustime=\"-3\"/>", "<game types=\"01\" period=\"9\" powerups=\"\"/>",
    };
    for (const char* szGame : games) {
        SCOPED_TRACE(szGame);
        EXPECT_NE(std::string::npos, loadFailure(levelText(szGame, "")).find("is not a whole number from"));
    }
    load(levelText("<game types=\"010203\" period=\"+7\" powerups=\"0\" bonustime=\"1000000\"/>", ""));
    EXPECT_EQ(7, m_Level.m_nPeriod);
    EXPECT_EQ(1000000, m_Level.m_nBonusTime);
}

TEST_F(LevelTest, WithoutCellsTheCellsStayAndAnErrorIsLogged)
{
    load(levelText(GAME, ""));
    EXPECT_TRUE(untouched());
    EXPECT_EQ(180, m_Level.m_nPeriod);
    EXPECT_TRUE(m_Log.contains("[ERROR] Incorrect level file - failed to load cells data\n"));
}

TEST_F(LevelTest, MissingAttributesKeepTheValuesOfTheLevelBefore)
{
    load(levelText(GAME, ""));
    load(levelText("<game types=\"040506\" period=\"60\"/>", ""));
    EXPECT_EQ(60, m_Level.m_nPeriod);
    EXPECT_EQ(2, m_Level.m_nPowerups);
    EXPECT_EQ(1, m_Level.m_nBonusTime);
    EXPECT_EQ(std::vector<int>({4, 5, 6}), CAnimationManager::Instance().activeItemTypes());
}

TEST_F(LevelTest, ASecondLevelReplacesEveryCellOfTheFirst)
{
    load(levelText(GAME, "<cells value=\"" + std::string(128, '0') + "\"/>"));
    load(levelText(GAME, "<cells value=\"" + cellsValue("80") + "\"/>"));
    EXPECT_TRUE(m_Cells[0].m_bExists);
    EXPECT_EQ(0, m_Cells[0].m_nType);
    EXPECT_TRUE(m_Cells[40].m_bExists);
}

// A level the board could not play is refused as a whole: without "game",
// without active types (the refill would draw from nothing) or without a
// positive period (the level timer divides by it).
TEST_F(LevelTest, UnplayableLevelsAreRefused)
{
    const std::string strCells = "<cells value=\"" + cellsValue("") + "\"/>";
    const char* const games[] = {
        "",
        "<other period=\"180\" types=\"01\"/>",
        "<game period=\"180\"/>",
        "<game period=\"180\" types=\"\"/>",
        "<game period=\"180\" types=\"0B16\"/>",
        "<game types=\"0102\"/>",
        "<game types=\"0102\" period=\"0\"/>",
        "<game types=\"0102\" period=\"-5\"/>",
    };
    for (const char* szGame : games) {
        SCOPED_TRACE(szGame);
        m_Level = CLevel();
        EXPECT_EQ(0u, loadFailure(levelText(szGame, strCells)).find("CLevel::load(): Incorrect level file"));
        EXPECT_TRUE(untouched());
    }
    EXPECT_EQ("CLevel::load(): Incorrect level file", loadFailure("<level>" + GAME + strCells + "</level>"));
}

// A run is three of a kind: a refill from one or two kinds deals boards
// without a move, shuffled for ever. Special items and repeats add no kind.
TEST_F(LevelTest, FewerThanThreeFishKindsAreRefused)
{
    const struct {
        const char* szTypes;
        int nKinds;
    } refused[] = {{"01", 1}, {"0102", 2}, {"010101", 1}, {"0102101115", 2}, {"01020B", 2}};
    for (const auto& c : refused) {
        SCOPED_TRACE(c.szTypes);
        m_Level = CLevel();
        EXPECT_EQ("CLevel::load(): Incorrect level file: the refill needs at least three fish kinds, the level names " +
                      std::to_string(c.nKinds),
                  loadFailure(levelText(std::string("<game period=\"60\" types=\"") + c.szTypes + "\"/>", "")));
        EXPECT_TRUE(untouched());
    }
    for (const char* szTypes : {"010203", "0A010215", "0102030102"}) {
        SCOPED_TRACE(szTypes);
        EXPECT_EQ("", loadFailure(levelText(std::string("<game period=\"60\" types=\"") + szTypes + "\"/>", "")));
    }
}

TEST_F(LevelTest, FilesAreReadThroughTheResourceManager)
{
    CTempFolder data;
    data.write("game/good.xml", levelText(GAME, "<cells value=\"" + cellsValue("C3") + "\"/>"));
    data.write("game/broken.xml", "<root><game types=\"01\" period=\"1\"/><cells");
    data.write("game/zero.xml", levelText(GAME, "") + std::string(1, '\0') + "<<<");
    Vantile::CResourceManager::Instance().Init(data.path() + "/game", true);

    m_Level.loadFile("GOOD.xml", m_Cells);
    EXPECT_EQ(3, m_Cells[0].m_nType);
    EXPECT_EQ(2, m_Cells[0].m_nLives);
    EXPECT_TRUE(m_Log.contains("[INFO] Loading level [GOOD.xml]\n"));

    // The text ends at a zero byte, so what follows it is never parsed.
    m_Level.m_nPeriod = 0;
    m_Level.loadFile("zero.xml", m_Cells);
    EXPECT_EQ(180, m_Level.m_nPeriod);

    try {
        m_Level.loadFile("broken.xml", m_Cells);
        ADD_FAILURE() << "a malformed file loaded";
    } catch (const Vantile::Exception& e) {
        EXPECT_EQ(0u, e.getDetails().find("Failed to load level file [broken.xml]: "));
    }
    EXPECT_THROW(m_Level.loadFile("missing.xml", m_Cells), Vantile::Exception);

    // A refusal after parsing names the file too.
    data.write("game/periodless.xml", levelText("<game types=\"01\" period=\"0\"/>", ""));
    Vantile::CResourceManager::Instance().Init(data.path() + "/game", true);
    try {
        m_Level.loadFile("periodless.xml", m_Cells);
        ADD_FAILURE() << "a level with a period of 0 loaded";
    } catch (const Vantile::Exception& e) {
        EXPECT_NE(std::string::npos, e.getDetails().find("[periodless.xml]")) << e.getDetails();
    }
}

}  // namespace
