// quellon-tool sprites: the sheet is an 800 x 600 picture with the sprites
// where the sheet puts them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

#include "png_pixels.h"
#include "support/temp_folder.h"

namespace {

class ToolSpritesTest : public ::testing::Test {
protected:
    // Tests run in the folder that holds the programs.
    int sprites(const std::string& strArgs) const
    {
        const std::string strCommand = "./quellon-tool sprites " + strArgs + " 2>" + m_Temp.path() + "/err";
        const int nRaw = system(strCommand.c_str());
        return WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1;
    }

    CTempFolder m_Temp;
};

TEST_F(ToolSpritesTest, WritesTheSheetAsAn800By600Picture)
{
    const std::string strOut = m_Temp.path() + "/sheet.png";
    ASSERT_EQ(sprites("--out " + strOut), 0);
    int nWidth = 0, nHeight = 0;
    std::ifstream file(strOut, std::ios::binary);
    const std::string strPng((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::unique_ptr<unsigned char, void (*)(void*)> pPixels(
        DecodePng(strPng, &nWidth, &nHeight, 4),
        free);
    ASSERT_TRUE(pPixels);
    ASSERT_EQ(nWidth, 800);
    ASSERT_EQ(nHeight, 600);
    auto rgb = [&](int x, int y) {
        const unsigned char* p = pPixels.get() + (size_t(y) * 800 + size_t(x)) * 4;
        return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    };
    EXPECT_EQ(rgb(5, 5), 0x101820u) << "background";
    EXPECT_EQ(rgb(130, 120), 0x3060C0u) << "the box of anchor 0 hangs below and right of its point";
    EXPECT_EQ(rgb(70, 120), 0x101820u);
    EXPECT_EQ(rgb(440, 490), 0xFF8000u) << "white tinted orange";
    const uint32_t dwFaded = rgb(180, 490);
    EXPECT_NEAR(int(dwFaded >> 16), 0x86, 3) << std::hex << dwFaded;
    EXPECT_NEAR(int(dwFaded >> 8 & 0xFF), 0x9A, 3) << std::hex << dwFaded;
}

TEST_F(ToolSpritesTest, RefusesAnythingButOut)
{
    EXPECT_EQ(sprites("--in " + m_Temp.path() + "/x.png"), 1);
    EXPECT_EQ(sprites("--out " + m_Temp.path() + "/missing/folder/x.png"), 1);
}

}  // namespace
