#include "Game/Sprites/basesprite.h"

#include "Game/Sprites/spritevb.h"
#include "Game/Sprites/spritevbarray.h"
#include "sprite_test_scene.h"

namespace {

class BaseSpriteTest : public SpriteScene {
protected:
    // The left u of the last quad added to the batch tells its frame.
    int lastAtlasFrame(const CSpriteVB& batch) const
    {
        const UINT nUsed = batch.getUsedVertexCount();
        return nUsed == 0 ? -1 : int(batch.getVertices()[nUsed - 4].u * 4.0f + 0.5f);
    }
};

// 4 frames at 8 per second: half a second, frames (4 - 1) x elapsed / 0.5.
TEST_F(BaseSpriteTest, AtlasStepsThroughItsFramesAndHoldsTheLast)
{
    CBaseSprite atlas("strip.map");
    ASSERT_NE(atlas.atlas(), nullptr);
    EXPECT_EQ(atlas.sprite(), nullptr);
    EXPECT_FLOAT_EQ(atlas.getDuration(), 0.5f);
    const int anExpected[] = {0, 0, 1, 1, 1, 2, 2, 3, 3, 3};
    for (int i = 0; i < 10; ++i) {
        m_Clock.Step(60);
        atlas.draw(D3DXVECTOR3(10.0f * float(i), 0.0f, 0.0f));
        EXPECT_EQ(lastAtlasFrame(*atlas.atlas()), anExpected[i]) << "after " << 60 * (i + 1) << " ms";
    }
    EXPECT_FALSE(atlas.isPlaying());
    EXPECT_EQ(atlas.atlas()->getUsedVertexCount(), 40u) << "a finished atlas keeps drawing its last frame";
    atlas.reset();
    m_Clock.Step(60);
    atlas.draw();
    EXPECT_EQ(lastAtlasFrame(*atlas.atlas()), 0);
}

TEST_F(BaseSpriteTest, SpritePlaysFromItsStartAndHoldsItsLastImage)
{
    CBaseSprite animation("ten.ifl");
    ASSERT_NE(animation.sprite(), nullptr);
    EXPECT_FLOAT_EQ(animation.getDuration(), 1.0f);
    m_Clock.Step(50);
    animation.draw(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    renderFrame();
    EXPECT_EQ(pixel(400, 300), FrameColour(0)) << "a one-shot starts at its first image";
    for (int i = 0; i < 15; ++i) {
        m_Clock.Step(100);
        animation.draw();
        renderFrame();
    }
    EXPECT_FALSE(animation.isPlaying());
    EXPECT_EQ(pixel(400, 300), FrameColour(9)) << "the last image, not the first again";
}

TEST_F(BaseSpriteTest, AtlasTakesRotationAndColour)
{
    CBaseSprite atlas("strip.map");
    atlas.setRotation(1.5707963f);
    atlas.setColor(0x7F00FF00);
    m_Clock.Step(10);
    atlas.draw(D3DXVECTOR3(100.0f, 0.0f, 0.0f));
    const SSpriteVertex& corner = atlas.atlas()->getVertices()[0];
    EXPECT_NEAR(corner.x, 108.0f, 1e-4f);
    EXPECT_EQ(corner.dwDiffuse, 0x7F00FF00u);
}

}  // namespace
