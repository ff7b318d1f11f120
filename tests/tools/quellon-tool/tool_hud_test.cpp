// quellon-tool's HUD pictures: the loading screen at a percentage, a level
// with the HUD and a tooltip, and the power-up chooser, each an 800 x 600
// picture drawn with the game's data beside the programs.
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

class ToolHudTest : public ::testing::Test {
protected:
    // Tests run in the folder that holds the programs.
    int tool(const std::string& strArgs) const
    {
        const std::string strCommand = "./quellon-tool " + strArgs + " >/dev/null 2>" + m_Temp.path() + "/err";
        const int nRaw = system(strCommand.c_str());
        return WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1;
    }

    // The picture's pixel as 0xRRGGBB; the picture must be 800 x 600.
    struct SPicture {
        std::unique_ptr<unsigned char, void (*)(void*)> pPixels{nullptr, free};
        uint32_t rgb(int x, int y) const
        {
            const unsigned char* p = pPixels.get() + (size_t(y) * 800 + size_t(x)) * 4;
            return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        }
    };
    SPicture load(const std::string& strPath) const
    {
        std::ifstream file(strPath, std::ios::binary);
        const std::string strPng((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        int nWidth = 0, nHeight = 0;
        SPicture picture;
        picture.pPixels.reset(DecodePng(strPng, &nWidth, &nHeight, 4));
        EXPECT_TRUE(picture.pPixels && nWidth == 800 && nHeight == 600) << strPath;
        return picture;
    }
    std::string out(const char* pszName) const { return m_Temp.path() + "/" + pszName; }

    CTempFolder m_Temp;
};

bool IsSea(uint32_t dwRgb)
{
    return dwRgb == 0x0A2E4Cu;
}

// The bar fills from the left: past 40 % of its travel the tube is still
// dark at 40 % and lit at 100 %.
TEST_F(ToolHudTest, LoadingBarGrowsWithThePercentage)
{
    ASSERT_EQ(tool("loading --shot " + out("40.png")), 0);
    ASSERT_EQ(tool("loading --shot " + out("100.png") + " --percent 100"), 0);
    const SPicture at40 = load(out("40.png")), at100 = load(out("100.png"));
    ASSERT_TRUE(at40.pPixels && at100.pPixels);
    const int y = 300 + 132;
    EXPECT_NE(at40.rgb(500, y), at100.rgb(500, y));
    EXPECT_EQ(at40.rgb(250, y), at100.rgb(250, y));
    EXPECT_EQ(tool("loading --shot " + out("x.png") + " --percent 140"), 1);
}

TEST_F(ToolHudTest, LevelWithTheHudAndTheChooserArePictures)
{
    ASSERT_EQ(tool("board game/level03.xml --hud --shot " + out("hud.png")), 0);
    const SPicture hud = load(out("hud.png"));
    ASSERT_TRUE(hud.pPixels);
    // The score window's brass and the left mast frame the board; the
    // board's middle is not covered by them.
    EXPECT_FALSE(IsSea(hud.rgb(790, 150)));
    EXPECT_FALSE(IsSea(hud.rgb(10, 300)));
    ASSERT_EQ(tool("board game/level03.xml --chooser --shot " + out("chooser.png")), 0);
    const SPicture chooser = load(out("chooser.png"));
    ASSERT_TRUE(chooser.pPixels);
    EXPECT_FALSE(IsSea(chooser.rgb(400, 300)));
}

TEST_F(ToolHudTest, PicturesNeedAShotAndOneKind)
{
    EXPECT_EQ(tool("board game/level03.xml --hud"), 1);
    EXPECT_EQ(tool("board game/level03.xml --hud --chooser --shot " + out("x.png")), 1);
    EXPECT_EQ(tool("loading"), 1);
}

}  // namespace
