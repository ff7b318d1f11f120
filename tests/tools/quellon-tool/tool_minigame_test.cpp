// quellon-tool minigame: the memory game as the session draws it, dealt
// from a seed, with the data beside the programs.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "png_pixels.h"
#include "support/temp_folder.h"

namespace {

class ToolMiniGameTest : public ::testing::Test {
protected:
    int tool(const std::string& strArgs) const
    {
        const std::string strCommand = "./quellon-tool minigame " + strArgs + " >/dev/null 2>" + m_Temp.path() + "/err";
        const int nRaw = system(strCommand.c_str());
        return WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1;
    }
    std::string pixels(const std::string& strName) const
    {
        std::ifstream file(m_Temp.path() + "/" + strName, std::ios::binary);
        const std::string strPng((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        int nWidth = 0, nHeight = 0;
        std::unique_ptr<unsigned char, void (*)(void*)> pPixels(DecodePng(strPng, &nWidth, &nHeight, 3), free);
        EXPECT_TRUE(pPixels && nWidth == 800 && nHeight == 600) << strName;
        return pPixels ? std::string(reinterpret_cast<const char*>(pPixels.get()), size_t(800 * 600 * 3)) : "";
    }
    std::string shot(const char* pszName) const { return " --shot " + m_Temp.path() + "/" + pszName; }

    CTempFolder m_Temp;
};

TEST_F(ToolMiniGameTest, AnotherSeedDealsAnotherGameInTheGildedFrame)
{
    ASSERT_EQ(0, tool("--seed 1" + shot("a.png")));
    ASSERT_EQ(0, tool("--seed 2" + shot("c.png")));
    const std::string a = pixels("a.png"), c = pixels("c.png");
    ASSERT_FALSE(a.empty());
    EXPECT_FALSE(a == c);
    // The gilded frame runs over the top of the first game's grid (4 x 3):
    // 22 pixels from 163 down, beside a column's pearl.
    const unsigned char* p = reinterpret_cast<const unsigned char*>(a.data()) + (size_t(173) * 800 + 380) * 3;
    EXPECT_GT(p[0], 150);
    EXPECT_GT(p[0], p[2] + 60) << "gold, not water";
}

TEST_F(ToolMiniGameTest, RefusesAMissingSeedAndALevelWithoutAMemoryGame)
{
    EXPECT_EQ(1, tool(shot("x.png")));
    EXPECT_EQ(1, tool("--seed 1 --level 0" + shot("x.png")));
    EXPECT_EQ(1, tool("--seed x" + shot("x.png")));
}

}  // namespace
