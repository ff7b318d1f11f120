// quellon-tool gui: the review sheet of the game's GUI data is an
// 800 x 600 picture in which every state sample differs from the normal
// look beside it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

#include "png_pixels.h"
#include "support/temp_folder.h"

namespace {

TEST(ToolGuiTest, DrawsEveryStateOfTheButtonsDifferently)
{
    CTempFolder temp;
    const std::string strOut = temp.path() + "/gui.png";
    const std::string strCommand = "./quellon-tool gui --out " + strOut + " 2>" + temp.path() + "/err";
    const int nRaw = system(strCommand.c_str());
    ASSERT_TRUE(WIFEXITED(nRaw) && WEXITSTATUS(nRaw) == 0) << "the game's GUI data is built with the program";
    int nWidth = 0, nHeight = 0;
    std::ifstream file(strOut, std::ios::binary);
    const std::string strPng((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::unique_ptr<unsigned char, void (*)(void*)> pPixels(
        DecodePng(strPng, &nWidth, &nHeight, 3),
        free);
    ASSERT_TRUE(pPixels);
    ASSERT_EQ(nWidth, 800);
    ASSERT_EQ(nHeight, 600);
    // The share of pixels that differ between two areas of one size.
    auto differ = [&](int xA, int yA, int xB, int yB, int nW, int nH) {
        int nChanged = 0;
        for (int y = 0; y < nH; ++y)
            for (int x = 0; x < nW; ++x) {
                const unsigned char* a = pPixels.get() + (size_t(yA + y) * 800 + size_t(xA + x)) * 3;
                const unsigned char* b = pPixels.get() + (size_t(yB + y) * 800 + size_t(xB + x)) * 3;
                nChanged += std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) > 24;
            }
        return double(nChanged) / (nW * nH);
    };
    // Text button: normal (500, 8), hover (650, 8), pushed (500, 36),
    // disabled (650, 36); image button likewise at y 66 and 116.
    EXPECT_GT(differ(500, 8, 650, 8, 100, 24), 0.05);
    EXPECT_GT(differ(500, 8, 500, 36, 100, 24), 0.05);
    EXPECT_GT(differ(500, 8, 650, 36, 100, 24), 0.05);
    EXPECT_GT(differ(500, 66, 650, 66, 99, 46), 0.2);
    EXPECT_GT(differ(500, 66, 500, 116, 99, 46), 0.2);
    EXPECT_GT(differ(500, 66, 650, 116, 99, 46), 0.2);
    EXPECT_GT(differ(8, 8, 250, 8, 237, 52), 0.2) << "a caption and its hover image";
}

}  // namespace
