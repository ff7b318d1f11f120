// quellon-tool level-lab and check-levels --lab, run as a level designer
// runs them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "png_pixels.h"
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

class ToolLevelLabTest : public ::testing::Test {
protected:
    // Tests run in the folder that holds the programs.
    ToolResult Run(const std::string& strProgram, const std::string& strArgs) const
    {
        const std::string strOut = m_Temp.path() + "/out", strErr = m_Temp.path() + "/err";
        const int nRaw = system((strProgram + " " + strArgs + " >" + strOut + " 2>" + strErr).c_str());
        return {WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1, ReadAll(strOut), ReadAll(strErr)};
    }

    // The game's own data with the levels of a design table instead.
    std::string DataFolderFor(const std::string& strDesign) const
    {
        namespace fs = std::filesystem;
        const std::string strFolder = m_Temp.path() + "/game";
        fs::create_directories(strFolder);
        for (const fs::directory_entry& entry : fs::directory_iterator("game")) {
            const std::string strName = entry.path().filename().string();
            if (strName != "game.gam" && strName.compare(0, 5, "level") != 0)
                fs::create_symlink(fs::absolute(entry.path()), strFolder + "/" + strName);
        }
        const ToolResult made = Run("./quellon-levelgen", m_Temp.write("design.txt", strDesign) + " " + strFolder);
        EXPECT_EQ(0, made.nStatus) << made.strErr;
        return strFolder;
    }

    CTempFolder m_Temp;
};

TEST_F(ToolLevelLabTest, WritesATableRowAndACurveColumnPerLevel)
{
    const ToolResult result = Run("./quellon-tool", "level-lab --levels 1-2 --seeds 1 --out " + m_Temp.path() + "/lab");
    ASSERT_EQ(0, result.nStatus) << result.strErr;
    EXPECT_NE(std::string::npos, result.strOut.find("level  2 Sandy Cove")) << result.strOut;
    const std::string strTable = ReadAll(m_Temp.path() + "/lab/level-lab.md");
    EXPECT_EQ(0u, strTable.find("# Level lab\n\nEach level played 1 times, 1.5 s of thought")) << strTable;
    EXPECT_NE(std::string::npos, strTable.find("\n| level | name | kinds | clock s |")) << strTable;
    EXPECT_NE(std::string::npos, strTable.find("\n| 1 | Sunny Shallows | 1 2 3 8 | 300 | 2 | 1/1 |")) << strTable;
    EXPECT_NE(std::string::npos, strTable.find("\n| 2 | Sandy Cove |")) << strTable;
    int nWidth = 0, nHeight = 0;
    unsigned char* pPixels = DecodePng(ReadAll(m_Temp.path() + "/lab/level-lab.png"), &nWidth, &nHeight, 3);
    ASSERT_NE(nullptr, pPixels);
    free(pPixels);
    EXPECT_EQ(1000, nWidth);
    EXPECT_EQ(620, nHeight);
}

TEST_F(ToolLevelLabTest, BadArgumentsAreOneLineAndStatusOne)
{
    const struct {
        const char* szArgs;
        const char* szError;
    } cases[] = {
        {"--levels 3-x", "quellon-tool: level-lab: usage: quellon-tool level-lab [--levels A-B]"},
        {"--seeds", "quellon-tool: level-lab: usage:"},
        {"--levels 49-60 --out /tmp", "quellon-tool: level-lab: the game has levels 1-50"},
    };
    for (const auto& test : cases) {
        const ToolResult result = Run("./quellon-tool", std::string("level-lab ") + test.szArgs);
        EXPECT_EQ(1, result.nStatus) << test.szArgs;
        EXPECT_EQ(0u, result.strErr.find(test.szError)) << result.strErr;
    }
}

// Three levels, the second with a clock no player can beat.
TEST_F(ToolLevelLabTest, CheckLevelsWithTheLabRefusesAnUnfairCurve)
{
    const std::string strBoard = "board\n........\n........\n........\n........\n........\n........\n........\n"
                                 "........\n";
    const std::string strGame = DataFolderFor(
        "level Easy Reef\nkinds 1 2 3 8\nperiod 300\nbonustime 2\npowerups 0\nscene scene01.xml\nfog FF3A8CC0\n"
        "fish 1000000 0100000\n" + strBoard +
        "level Short Fuse\nperiod 20\nbonustime 0\n" + strBoard + "level Last Reef\nperiod 300\nbonustime 2\n" +
        strBoard);
    const ToolResult plain = Run("./quellon-tool", "check-levels " + strGame);
    EXPECT_EQ(0, plain.nStatus) << "the levels themselves are sound: " << plain.strErr;
    const ToolResult lab = Run("./quellon-tool", "check-levels " + strGame + " --lab");
    EXPECT_EQ(1, lab.nStatus);
    const std::string strPrefix = "quellon-tool: " + strGame + ": lab: ";
    EXPECT_NE(std::string::npos, lab.strErr.find(strPrefix + "level 2 \"Short Fuse\": won in 0 of 4 runs"))
        << lab.strErr;
    EXPECT_NE(std::string::npos, lab.strErr.find(strPrefix + "level 2 \"Short Fuse\": a wall: its win rate 0 %"));
    EXPECT_NE(std::string::npos, lab.strErr.find(strPrefix + "fish kind 10 appears in no level"));
    EXPECT_EQ(std::string::npos, lab.strErr.find("Easy Reef")) << "the fair levels pass";
}

}  // namespace
