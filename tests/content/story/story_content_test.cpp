// The story art as the build wrote it: every page of every story set is
// there, and at the place the story screen puts it the page lies on the
// screen and clear of the buttons along the bottom; the backdrop and the
// title picture fill the screen.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "Game/Story/comicsguibuttons.h"
#include "Game/Story/storypages.h"
#include "d3d/d3dx8.h"

namespace {

bool ImageSize(const std::string& strName, UINT& nWidth, UINT& nHeight)
{
    std::ifstream file("game/" + strName, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    const std::string strBytes = bytes.str();
    D3DXIMAGE_INFO info = {};
    if (!file || FAILED(D3DXGetImageInfoFromFileInMemory(strBytes.data(), UINT(strBytes.size()), &info)))
        return false;
    nWidth = info.Width;
    nHeight = info.Height;
    return true;
}

std::vector<const SStorySet*> AllSets()
{
    return {StorySetOf(0), StorySetOf(14), StorySetOf(24), StorySetOf(49), &FinalStorySet()};
}

TEST(StoryContentTest, EveryPageLiesOnTheScreenAboveTheButtons)
{
    for (const SStorySet* pSet : AllSets())
        for (const SStoryPage& page : pSet->pages) {
            UINT nWidth = 0, nHeight = 0;
            ASSERT_TRUE(ImageSize(page.szImage, nWidth, nHeight)) << page.szImage;
            // Top-left corner in pixels: the screen's centre is the origin, y up.
            const float fLeft = page.fX + 400.0f, fTop = 300.0f - page.fY;
            EXPECT_GE(fLeft, 0.0f) << page.szImage;
            EXPECT_GE(fTop, 0.0f) << page.szImage;
            EXPECT_LE(fLeft + float(nWidth), 800.0f) << page.szImage;
            EXPECT_LT(fTop + float(nHeight), CComicsGuiButtons::BUTTONS_Y) << page.szImage;
        }
}

TEST(StoryContentTest, TheBackdropAndTheTitlePictureFillTheScreen)
{
    for (const char* pszName : {"hisotry-backgr_text.jpg", "splash.jpg"}) {
        UINT nWidth = 0, nHeight = 0;
        ASSERT_TRUE(ImageSize(pszName, nWidth, nHeight)) << pszName;
        EXPECT_EQ(800u, nWidth) << pszName;
        EXPECT_EQ(600u, nHeight) << pszName;
    }
}

}  // namespace
