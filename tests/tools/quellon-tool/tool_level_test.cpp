// quellon-tool level, run as a level author would run it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "support/temp_folder.h"

namespace {

class ToolLevelTest : public ::testing::Test {
protected:
    // Tests run in the folder that holds the programs. Returns the exit
    // status; the outputs land in m_strOut and m_strErr.
    int level(const std::string& strPath) { return run("level " + strPath); }

    int run(const std::string& strArguments)
    {
        const std::string strErr = m_Temp.path() + "/err";
        FILE* pOut = popen(("./quellon-tool " + strArguments + " 2>" + strErr).c_str(), "r");
        m_strOut.clear();
        char acBuffer[512];
        for (size_t n; (n = fread(acBuffer, 1, sizeof(acBuffer), pOut)) > 0;)
            m_strOut.append(acBuffer, n);
        const int nRaw = pclose(pOut);
        std::ifstream err(strErr);
        m_strErr.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
        return WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1;
    }

    CTempFolder m_Temp;
    std::string m_strOut;
    std::string m_strErr;
};

TEST_F(ToolLevelTest, PrintsTheLevelAsLoadedInTheFileFormat)
{
    // Row 0: hole, double 5, trunk, "40" hole, "C0" empty, unknown code,
    // eVertHorz, eTimeFreeze; then a last row of holes.
    std::string strCells = "00C59340C08B9295";
    for (int k = 8; k < 56; ++k)
        strCells += "81";
    strCells += std::string(16, '0');
    m_Temp.write("levels/level07.xml", "<root><game types=\"0A010215\" period=\"90\" powerups=\"3\" bonustime=\"2\"/>"
                                       "<cells value=\"" + strCells + "\"/></root>");
    ASSERT_EQ(0, level(m_Temp.path() + "/levels/level07.xml")) << m_strErr;
    std::string strRows;
    for (int nRow = 1; nRow < 7; ++nRow)
        strRows += "81 81 81 81 81 81 81 81\n";
    EXPECT_EQ("period=90 powerups=3 bonustime=2\n"
              "types=0a010215\n"
              "00 c5 93 00 80 80 92 95\n" +
                  strRows + "00 00 00 00 00 00 00 00\n",
              m_strOut);
    EXPECT_EQ("", m_strErr);
}

TEST_F(ToolLevelTest, ALevelThatCannotBeLoadedIsOneLineAndStatusOne)
{
    m_Temp.write("broken.xml", "<root><game types=\"01\"");
    m_Temp.write("no_game.xml", "<root><cells value=\"\"/></root>");
    m_Temp.write("no_types.xml", "<root><game period=\"10\"/></root>");
    const std::pair<const char*, const char*> cases[] = {
        {"broken.xml", "Failed to load level file [broken.xml]"},
        {"no_game.xml", "Incorrect level file"},
        {"no_types.xml", "Incorrect level file"},
        {"missing.xml", "missing.xml"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(1, level(m_Temp.path() + "/" + c.first));
        EXPECT_EQ("", m_strOut);
        EXPECT_EQ(1, std::count(m_strErr.begin(), m_strErr.end(), '\n')) << m_strErr;
        EXPECT_EQ(0u, m_strErr.rfind("quellon-tool: ", 0)) << m_strErr;
        EXPECT_NE(std::string::npos, m_strErr.find(c.second)) << m_strErr;
    }
}

// Both commands that load a level refuse the same item-type lists, for
// the same reason, before anything is drawn or played.
TEST_F(ToolLevelTest, LevelAndBoardRefuseTheSameItemTypeLists)
{
    const std::pair<const char*, const char*> cases[] = {
        {"010101", "at least three fish kinds, the level names 1"},
        {"0102", "at least three fish kinds, the level names 2"},
        {"01020304FF", "a code that names no item"},
        {"010203040E", "a code that names no item"},
        {"0102030", "a code that names no item"},
        {"0102038104", "a code that names no item"},
        {"0102030413", "the trunk"},
    };
    const std::string strCells(128, '8');
    const std::string strFile = m_Temp.path() + "/types.xml";
    for (const auto& c : cases) {
        m_Temp.write("types.xml", std::string("<root><game types=\"") + c.first +
                                      "\" period=\"90\"/><cells value=\"" + strCells + "\"/></root>");
        for (const std::string& strCommand : {"level " + strFile, "board " + strFile + " --seed 1"}) {
            SCOPED_TRACE(std::string(c.first) + " " + strCommand);
            EXPECT_EQ(1, run(strCommand));
            EXPECT_EQ("", m_strOut);
            EXPECT_NE(std::string::npos, m_strErr.find(c.second)) << m_strErr;
        }
    }
}

}  // namespace
