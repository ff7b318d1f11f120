// Runs the built quellon-tool as the build and engineers do.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/temp_folder.h"

namespace {

struct ToolResult {
    int nStatus;
    std::string strOut;
    std::string strErr;
};

std::string ReadAll(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class ToolTest : public ::testing::Test {
protected:
    // Tests run in the folder that holds the programs.
    ToolResult Run(const std::string& strArgs) const
    {
        const std::string strOut = m_Temp.path() + "/out", strErr = m_Temp.path() + "/err";
        const std::string strCommand = "./quellon-tool " + strArgs + " >" + strOut + " 2>" + strErr;
        const int nRaw = system(strCommand.c_str());
        return {WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1, ReadAll(strOut), ReadAll(strErr)};
    }
    std::string Game() const { return m_Temp.path() + "/game"; }

    CTempFolder m_Temp;
};

TEST_F(ToolTest, PackListAndCatAgreeWithTheGame)
{
    m_Temp.write("game/init.lua", "print('init')");
    m_Temp.write("game/art/Splash.png", "not really a png");
    m_Temp.write("game/art/.hidden.dds", "hidden");
    ToolResult pack = Run("pack " + Game() + "/");
    ASSERT_EQ(pack.nStatus, 0) << pack.strErr;
    EXPECT_EQ(pack.strOut.find("Splash.png"), 0u) << "entries are packed in name order:\n" << pack.strOut;
    EXPECT_NE(pack.strOut.find("init.lua"), std::string::npos);
    EXPECT_EQ(pack.strOut.find("hidden"), std::string::npos);
    const std::string strFirst = ReadAll(Game() + ".dat");
    ASSERT_EQ(Run("pack " + Game()).nStatus, 0);
    EXPECT_EQ(ReadAll(Game() + ".dat"), strFirst) << "packing is not deterministic";

    // A loose file shadows its packed copy, and list tells which serves.
    m_Temp.write("game/INIT.LUA", "print('loose')");
    std::remove((Game() + "/init.lua").c_str());
    std::remove((Game() + "/art/Splash.png").c_str());
    m_Temp.write("game/extra.xml", "<x/>");
    ToolResult list = Run("list " + Game());
    ASSERT_EQ(list.nStatus, 0) << list.strErr;
    EXPECT_NE(list.strOut.find("INIT.LUA"), std::string::npos) << list.strOut;
    EXPECT_EQ(list.strOut.find("init.lua"), std::string::npos) << list.strOut;
    EXPECT_NE(list.strOut.find("loose"), std::string::npos);
    EXPECT_NE(list.strOut.find("archive"), std::string::npos);
    EXPECT_EQ(std::count(list.strOut.begin(), list.strOut.end(), '\n'), 3);

    EXPECT_EQ(Run("cat " + Game() + " init.lua").strOut, "print('loose')");
    EXPECT_EQ(Run("cat " + Game() + " SPLASH.PNG").strOut, "not really a png");
}

TEST_F(ToolTest, ErrorsAreOneLineAndStatusOne)
{
    m_Temp.write("game/a/x.dds", "1");
    m_Temp.write("game/b/X.dds", "2");
    m_Temp.write("other/x.dds", "1");
    m_Temp.write("other/sub/x.dds", "2");
    // An archive cut short: its table is gone with its second half.
    m_Temp.write("cut/x.dds", "1");
    ASSERT_EQ(Run("pack " + m_Temp.path() + "/cut").nStatus, 0);
    std::filesystem::resize_file(m_Temp.path() + "/cut.dat", std::filesystem::file_size(m_Temp.path() + "/cut.dat") / 2);
    std::filesystem::remove_all(m_Temp.path() + "/cut");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "usage"},
        {"frobnicate", "frobnicate"},
        {"pack", "usage"},
        {"pack " + m_Temp.path() + "/nowhere", "nowhere"},
        {"pack " + Game(), "x.dds"},
        {"list " + m_Temp.path() + "/nowhere", "nowhere"},
        {"list " + m_Temp.path() + "/other", "x.dds"},
        {"cat " + Game() + " missing.lua", "missing.lua"},
        {"list " + m_Temp.path() + "/cut", "cut.dat] is damaged: "},
    };
    for (const auto& test : cases) {
        const ToolResult result = Run(test.first);
        EXPECT_EQ(result.nStatus, 1) << test.first;
        EXPECT_EQ(std::count(result.strErr.begin(), result.strErr.end(), '\n'), 1) << test.first << ": " << result.strErr;
        EXPECT_NE(result.strErr.find(test.second), std::string::npos) << test.first << ": " << result.strErr;
        EXPECT_EQ(result.strErr.rfind("quellon-tool: ", 0), 0u) << result.strErr;
    }
    EXPECT_FALSE(std::ifstream(Game() + ".dat").good()) << "a refused pack left an archive";
}

}  // namespace

namespace {

// The shipped first level, copied to a folder of its own: the tool takes
// the art, the script and game.gam from beside itself.
TEST_F(ToolTest, BoardPlaysALevelFromAnyFolderAndScoresByTheSessionsRules)
{
    const std::string strLevel = m_Temp.write("elsewhere/mine.xml", ReadAll("game/level01.xml"));
    const ToolResult first = Run("board " + strLevel + " --seed 3 --moves 6");
    ASSERT_EQ(0, first.nStatus) << first.strErr;
    const size_t nAt = first.strOut.rfind("moves=");
    ASSERT_NE(std::string::npos, nAt) << first.strOut;
    int nMoves = 0, nCleared = 0, nSpecials = 0, nFrames = 0, nScore = 0;
    ASSERT_EQ(5, sscanf(first.strOut.c_str() + nAt, "moves=%d cleared=%d specials=%d frames=%d score=%d", &nMoves,
                        &nCleared, &nSpecials, &nFrames, &nScore))
        << first.strOut.substr(nAt);
    EXPECT_EQ(6, nMoves);
    EXPECT_GE(nScore, nCleared * 10) << "ten points an item, and combo bonuses on top";
    EXPECT_EQ(first.strOut, Run("board " + strLevel + " --seed 3 --moves 6").strOut) << "a seed replays the game";
}

}  // namespace
