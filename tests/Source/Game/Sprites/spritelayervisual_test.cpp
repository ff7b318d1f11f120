#include "Game/Sprites/spritelayervisual.h"

#include "Game/Sprites/spritevbarray.h"
#include "Resources/vantile_texturemanager.h"
#include "sprite_test_scene.h"

namespace {

class SpriteLayerVisualTest : public SpriteScene {
protected:
    CSpriteLayerVisualSource m_Source;
};

TEST_F(SpriteLayerVisualTest, AnimatedTextureKnowsItsFramesAndDrawsTheOneAsked)
{
    std::shared_ptr<ILayerVisual> pVisual = m_Source.create("ten.ifl");
    EXPECT_EQ(pVisual->frameCount(), 10);
    EXPECT_FLOAT_EQ(pVisual->length(), 1.0f);
    pVisual->draw(D3DXVECTOR3(0, 0, 0), 7, 0.0f, WHITE_ARGB);
    renderFrame();
    EXPECT_EQ(pixel(400, 300), FrameColour(7));
}

// Visuals are made for every registered layer at start-up; only those a
// layer shows may decode their texture.
TEST_F(SpriteLayerVisualTest, MakingAVisualDecodesNothingUntilItIsUsed)
{
    std::shared_ptr<ILayerVisual> pUnused = m_Source.create("ten.ifl");
    EXPECT_EQ(Vantile::CTextureManager::Instance().FindTexture("ten.ifl"), nullptr);
    std::shared_ptr<ILayerVisual> pUsed = m_Source.create("ten.ifl");
    EXPECT_EQ(pUsed->frameCount(), 10);
    EXPECT_NE(Vantile::CTextureManager::Instance().FindTexture("ten.ifl"), nullptr);
    EXPECT_EQ(pUnused->frameCount(), 10) << "the texture is shared, not decoded again";
}

// Two items of one kind share their layer records; each must still be
// drawn where it stands.
TEST_F(SpriteLayerVisualTest, EachVisualDrawsAtItsOwnPlace)
{
    std::shared_ptr<ILayerVisual> pLeft = m_Source.create("red.png");
    std::shared_ptr<ILayerVisual> pRight = m_Source.create("red.png");
    ASSERT_NE(pLeft, pRight);
    pLeft->draw(D3DXVECTOR3(-200, 0, 0), 0, 0.0f, WHITE_ARGB);
    pRight->draw(D3DXVECTOR3(200, 0, 0), 0, 0.0f, WHITE_ARGB);
    renderFrame();
    EXPECT_EQ(pixel(200, 300), RED);
    EXPECT_EQ(pixel(600, 300), RED);
    EXPECT_EQ(pixel(400, 300), BLACK);
}

TEST_F(SpriteLayerVisualTest, TintColoursTheImage)
{
    std::shared_ptr<ILayerVisual> pVisual = m_Source.create("white.png");
    pVisual->draw(D3DXVECTOR3(0, 0, 0), 0, 0.0f, 0xFF00FF00);
    renderFrame();
    EXPECT_EQ(pixel(400, 300), 0xFF00FF00u);
}

TEST_F(SpriteLayerVisualTest, AtlasFramesGoIntoTheAtlasBatch)
{
    std::shared_ptr<ILayerVisual> pVisual = m_Source.create("strip.map");
    EXPECT_EQ(pVisual->frameCount(), 4);
    EXPECT_FLOAT_EQ(pVisual->length(), 0.5f);
    pVisual->draw(D3DXVECTOR3(-100, 0, 0), 2, 0.0f, WHITE_ARGB);
    pVisual->draw(D3DXVECTOR3(100, 0, 0), 5, 0.0f, WHITE_ARGB);
    CSpriteVBArray::Instance().submitAll();
    renderFrame();
    EXPECT_EQ(pixel(300, 300), FrameColour(2));
    EXPECT_EQ(pixel(500, 300), FrameColour(1)) << "frames past the end wrap";
}

}  // namespace
