#include "Game/Items/animationlayer.h"

#include <gtest/gtest.h>

#include "Core/vantile_exception.h"
#include "item_fakes.h"

namespace {

class AnimationLayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Services.m_Visuals.m_Shapes["half.ifl"] = {5, 0.5f};
        m_Services.m_Visuals.m_Shapes["empty.ifl"] = {0, 0.0f};
        m_Services.m_Visuals.m_Shapes["atlas.map"] = {8, 2.0f};
        CAnimationManager::Instance().setTypeColorInfo(1, {0xFF000011, 0xFF000022, 0xFF000033});
    }

    CItemServices m_Services;
};

TEST_F(AnimationLayerTest, LimitedLayersEndAfterTheirRepeats)
{
    struct Case {
        const char* szWhat;
        const char* szTexture;
        int nRepeat;
        bool bLimited;
        float fPlayingAt;  // still playing at this time
        float fEndedAt;    // ended at this time; < 0: never ends
    };
    const Case cases[] = {
        {"three repeats of 0.5 s", "half.ifl", 3, true, 1.49f, 1.5f},
        {"one repeat", "half.ifl", 1, true, 0.49f, 0.5f},
        {"not limited", "half.ifl", 3, false, 100.0f, -1.0f},
        {"endless", "half.ifl", ENDLESS_REPEAT, true, 100.0f, -1.0f},
        {"repeat 0 plays once", "half.ifl", 0, true, 0.49f, 0.5f},
        {"negative repeat plays once", "half.ifl", -4, true, 0.49f, 0.5f},
        // Nothing to play: a one-shot ends at once, a loop stands still.
        {"one-shot without frames", "empty.ifl", 1, true, -1.0f, 0.0f},
        {"loop without frames", "empty.ifl", 1, false, 5.0f, -1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szWhat);
        CAnimationLayer layer(1, CItemServices::layer("x", c.szTexture, c.nRepeat, c.bLimited), 0.0f, 0.0f);
        if (c.fPlayingAt >= 0.0f) {
            layer.setTime(c.fPlayingAt);
            EXPECT_TRUE(layer.isPlaying());
        }
        if (c.fEndedAt >= 0.0f) {
            layer.setTime(c.fEndedAt);
            EXPECT_FALSE(layer.isPlaying());
        }
    }
}

TEST_F(AnimationLayerTest, RepeatLengthsFitTheMotionWhereAsked)
{
    struct Case {
        const char* szWhat;
        const char* szTexture;
        int nRepeat;
        bool bFit;
        float fDuration;
        float fLength;
    };
    const Case cases[] = {
        {"own rate", "half.ifl", 4, false, 2.0f, 0.5f},
        {"fitted", "half.ifl", 8, true, 2.0f, 0.25f},
        {"fitted, one repeat", "half.ifl", 1, true, 2.0f, 2.0f},
        {"fitted, endless", "half.ifl", ENDLESS_REPEAT, true, 2.0f, 2.0f},
        {"fitted without motion", "half.ifl", 4, true, 0.0f, 0.5f},
        {"atlas without motion", "atlas.map", 4, false, 0.0f, 0.5f},
        {"atlas over a motion", "atlas.map", 3, false, 3.0f, 1.0f},
        {"endless atlas", "atlas.map", ENDLESS_REPEAT, false, 0.0f, 2.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szWhat);
        ANIDATA data = CItemServices::layer("x", c.szTexture, c.nRepeat, true, false, c.bFit);
        EXPECT_FLOAT_EQ(c.fLength, CAnimationLayer(1, data, 0.0f, c.fDuration).repeatLength());
    }
}

TEST_F(AnimationLayerTest, FramesFollowTheClockAndHoldTheLastOneAtTheEnd)
{
    CAnimationLayer sprite(1, CItemServices::layer("x", "half.ifl", 2, true), 0.0f, 0.0f);
    CAnimationLayer atlas(1, CItemServices::layer("x", "atlas.map", 1, true), 0.0f, 0.0f);
    const std::pair<float, int> spriteFrames[] = {{0.0f, 0}, {0.11f, 1}, {0.45f, 4}, {0.55f, 0}, {0.95f, 4}, {7.0f, 4}};
    for (const auto& c : spriteFrames) {
        SCOPED_TRACE(c.first);
        sprite.setTime(c.first);
        EXPECT_EQ(c.second, sprite.currentFrame());
    }
    // An atlas spreads frames 0 .. n-1 over the whole repeat.
    const std::pair<float, int> atlasFrames[] = {{0.0f, 0}, {0.3f, 1}, {1.99f, 6}, {2.0f, 7}, {9.0f, 7}};
    for (const auto& c : atlasFrames) {
        SCOPED_TRACE(c.first);
        atlas.setTime(c.first);
        EXPECT_EQ(c.second, atlas.currentFrame());
    }
}

TEST_F(AnimationLayerTest, TintsComeFromTheTypeOnlyForColouredLayers)
{
    ANIDATA data = CItemServices::layer("x", "half.ifl", 1, true);
    data.nColor = eUseColor2;
    EXPECT_EQ(0xFF000022u, CAnimationLayer(1, data, 0.0f, 0.0f).tint());
    data.nColor = eUseWhiteColor;
    EXPECT_EQ(0xFFFFFFFFu, CAnimationLayer(7, data, 0.0f, 0.0f).tint());
    data.nColor = eUseColor3;
    EXPECT_THROW(CAnimationLayer(7, data, 0.0f, 0.0f), Vantile::Exception);
}

TEST_F(AnimationLayerTest, DrawsTheCurrentFrameWithItsTint)
{
    ANIDATA data = CItemServices::layer("x", "half.ifl", 1, true);
    data.nColor = eUseColor1;
    CAnimationLayer layer(1, data, 0.0f, 0.0f);
    layer.setTime(0.25f);
    layer.draw(D3DXVECTOR3(3.0f, 4.0f, 0.0f));
    ASSERT_EQ(1u, m_Services.m_Visuals.m_Draws.size());
    const FakeDraw& draw = m_Services.m_Visuals.m_Draws[0];
    EXPECT_EQ(2, draw.nFrame);
    EXPECT_EQ(0xFF000011u, draw.dwTint);
    EXPECT_EQ(D3DXVECTOR3(3.0f, 4.0f, 0.0f), layer.lastDrawPosition());
}

}  // namespace
