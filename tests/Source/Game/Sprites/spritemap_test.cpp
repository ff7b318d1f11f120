#include "Game/Sprites/spritemap.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Parse(const std::string& strText, SSpriteMap& map, std::string& strError)
{
    return ParseSpriteMap(strText.data(), strText.size(), map, strError);
}

TEST(SpriteMapTest, ReadsHeaderAndFramesAsLeftRightTopBottom)
{
    SSpriteMap map;
    std::string strError;
    ASSERT_TRUE(Parse("c 2\nt items.dds\r\nf 12.7 s 64 32\t0 0.1 0.5 0.9  0.5 0 1 1", map, strError)) << strError;
    EXPECT_EQ(map.strTexture, "items.dds");
    EXPECT_EQ(map.nFPS, 12) << "only the integer part of the rate is kept";
    EXPECT_EQ(map.nFrameWidth, 64);
    EXPECT_EQ(map.nFrameHeight, 32);
    ASSERT_EQ(map.frames.size(), 2u);
    EXPECT_FLOAT_EQ(map.frames[0].fU0, 0.0f);   // left
    EXPECT_FLOAT_EQ(map.frames[0].fU1, 0.5f);   // right
    EXPECT_FLOAT_EQ(map.frames[0].fV0, 0.1f);   // top
    EXPECT_FLOAT_EQ(map.frames[0].fV1, 0.9f);   // bottom
    EXPECT_FLOAT_EQ(map.frames[1].fU0, 0.5f);
}

TEST(SpriteMapTest, LabelsAreSingleCharactersWhereverTheyStand)
{
    SSpriteMap map;
    std::string strError;
    EXPECT_TRUE(Parse("c16 tatlas.png f10 s8 8 "
                      "0 0 1 1 0 0 1 1 0 0 1 1 0 0 1 1 0 0 1 1 0 0 1 1 0 0 1 1 0 0 1 1 "
                      "0 0 1 1 0 0 1 1 0 0 1 1 0 0 1 1 0 0 1 1 0 0 1 1 0 0 1 1 0 0 1 1",
                      map, strError))
        << strError;
    EXPECT_EQ(map.strTexture, "atlas.png");
    EXPECT_EQ(map.frames.size(), 16u);
}

// A rate below one would make every atlas clock divide by zero.
TEST(SpriteMapTest, RatesBelowOneBecomeTheDefault)
{
    for (const char* pszRate : {"0", "0.9", "-5", "1e300"}) {
        SSpriteMap map;
        std::string strError;
        ASSERT_TRUE(Parse(std::string("c 1 t a.png f ") + pszRate + " s 4 4 0 0 1 1", map, strError)) << pszRate;
        EXPECT_EQ(map.nFPS, SSpriteMap::DEFAULT_FPS) << pszRate;
    }
}

TEST(SpriteMapTest, MalformedFilesAreRefusedWithTheReason)
{
    const struct {
        const char* pszText;
        const char* pszReason;
    } cases[] = {
        {"", "no frame count"},
        {"c", "no frame count"},
        {"c x", "no frame count"},
        {"c 99999999999999999999 t a.png", "no frame count"},
        {"c 1 t", "no texture name"},
        {"c 1 t a.png", "no frame rate"},
        {"c 1 t a.png f nan s 4 4 0 0 1 1", "no frame rate"},
        {"c 1 t a.png f 10", "no frame size"},
        {"c 1 t a.png f 10 s 4", "no frame size"},
        {"c 1 t a.png f 10 s 4 4.5 0 0 1 1", "no frame size"},
        {"c 0 t a.png f 10 s 4 4", "no frames"},
        {"c -3 t a.png f 10 s 4 4 0 0 1 1", "no frames"},
        {"c 1 t a.png f 10 s 0 4 0 0 1 1", "frame size is not positive"},
        {"c 1 t a.png f 10 s 4 -4 0 0 1 1", "frame size is not positive"},
        {"c 2 t a.png f 10 s 4 4 0 0 1 1", "fewer frames than the count"},
        {"c 1 t a.png f 10 s 4 4 0 0 1", "fewer frames than the count"},
        {"c 1 t a.png f 10 s 4 4 0 0 inf 1", "fewer frames than the count"},
        {"c 1 t a.png f 10 s 4 4 0 0 1e39 1", "frame coordinates out of range"},
        {"c 2000000000 t a.png f 10 s 4 4 0 0 1 1", "fewer frames than the count"},
    };
    for (const auto& test : cases) {
        SSpriteMap map;
        std::string strError;
        EXPECT_FALSE(Parse(test.pszText, map, strError)) << test.pszText;
        EXPECT_EQ(strError, test.pszReason) << test.pszText;
    }
}

TEST(SpriteMapTest, AZeroByteEndsTheText)
{
    const std::string strText("c 1 t a.png f 10 s 4 4 0 0\0 1 1", 32);
    SSpriteMap map;
    std::string strError;
    EXPECT_FALSE(ParseSpriteMap(strText.data(), strText.size(), map, strError));
}

TEST(SpriteMapTest, AtlasNamesEndInMapInAnyCase)
{
    EXPECT_TRUE(IsSpriteMapName("items.map"));
    EXPECT_TRUE(IsSpriteMapName("ITEMS.MAP"));
    EXPECT_FALSE(IsSpriteMapName("map"));
    EXPECT_FALSE(IsSpriteMapName("items.map.ifl"));
}

}  // namespace
