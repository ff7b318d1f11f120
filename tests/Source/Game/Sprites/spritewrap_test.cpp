#include "Game/Sprites/spritewrap.h"

#include "sprite_test_scene.h"

namespace {

class SpriteWrapTest : public SpriteScene {};

TEST_F(SpriteWrapTest, FinishesInTheUpdateThatEndsTheFirstSecond)
{
    CSpriteWrap wrap("ten.ifl");
    EXPECT_FLOAT_EQ(wrap.getLength(), 1.0f);
    for (int i = 1; i <= 9; ++i) {
        m_Clock.Step(100);
        wrap.update();
        ASSERT_FALSE(wrap.isFinished()) << "after update " << i;
    }
    wrap.renderAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    renderFrame();
    EXPECT_EQ(pixel(400, 300), FrameColour(9));
    m_Clock.Step(100);
    wrap.update();
    EXPECT_TRUE(wrap.isFinished());
    wrap.renderAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    wrap.render();
    renderFrame();
    EXPECT_EQ(pixel(400, 300), BLACK) << "a finished wrap draws nothing";
}

TEST_F(SpriteWrapTest, AMissingAnimationFinishesAtOnce)
{
    CSpriteWrap wrap("missing.png");
    m_Clock.Step(16);
    wrap.update();
    EXPECT_TRUE(wrap.isFinished());
}

TEST_F(SpriteWrapTest, SizedWrapPlacesItsQuadByAnchor)
{
    CSpriteWrap wrap("red.png", 20.0f, 10.0f);
    wrap.setAnchor(0);
    wrap.setPosition(D3DXVECTOR3(-10.0f, 10.0f, 0.0f));
    wrap.render();
    renderFrame();
    EXPECT_EQ(pixel(390, 290), RED);
    EXPECT_EQ(pixel(409, 299), RED);
    EXPECT_EQ(pixel(410, 295), BLACK);
    EXPECT_EQ(pixel(395, 300), BLACK);
}

}  // namespace
