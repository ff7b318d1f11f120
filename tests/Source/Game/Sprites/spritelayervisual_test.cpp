#include "Game/Sprites/spritelayervisual.h"

#include <cmath>

#include "Game/Sprites/spritevbarray.h"
#include "Resources/vantile_texturemanager.h"
#include "sprite_test_scene.h"

namespace {

class SpriteLayerVisualTest : public SpriteScene {
protected:
    void TearDown() override
    {
        m_Source.clear();
        SpriteScene::TearDown();
    }

    // "marks.ifl": two frames of 9 x 7 whose every texel differs from its
    // neighbours and from the other frame's.
    static uint32_t markTexel(int nFrame, int x, int y)
    {
        return D3DCOLOR_ARGB(0xFF, 40 + 20 * x, 30 + 30 * y, 60 + 150 * nFrame);
    }

    void writeMarks() { writeAnimation("marks", 4, 2, 9, 7, markTexel); }

    // Texels of the frame found at their pixels around the centred point.
    int wrongTexels(int nFrame, float x, float y) const
    {
        const int nLeft = int(std::ceil(400.0f + x - 4.5f)), nTop = int(std::ceil(300.0f - y - 3.5f));
        int nWrong = 0;
        for (int ty = 0; ty < 7; ++ty)
            for (int tx = 0; tx < 9; ++tx)
                nWrong += pixel(nLeft + tx, nTop + ty) != markTexel(nFrame, tx, ty);
        return nWrong;
    }

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

// Items showing different frames of their animations draw them from the
// item atlas: each frame still comes out texel for texel where it is drawn,
// on a whole pixel or between pixels.
TEST_F(SpriteLayerVisualTest, FramesFromTheItemAtlasKeepEveryTexel)
{
    writeMarks();
    std::shared_ptr<ILayerVisual> pFirst = m_Source.create("marks.ifl");
    std::shared_ptr<ILayerVisual> pSecond = m_Source.create("marks.ifl");
    std::shared_ptr<ILayerVisual> pThird = m_Source.create("marks.ifl");
    EXPECT_EQ(pFirst->frameCount(), 2);
    EXPECT_FLOAT_EQ(pFirst->length(), 0.5f);
    pFirst->draw(D3DXVECTOR3(-100.0f, 0.0f, 0.0f), 0, 0.0f, WHITE_ARGB);
    pSecond->draw(D3DXVECTOR3(0.0f, 50.0f, 0.0f), 1, 0.0f, WHITE_ARGB);
    pThird->draw(D3DXVECTOR3(100.25f, -20.75f, 0.0f), 3, 0.0f, WHITE_ARGB);
    renderFrame();
    EXPECT_EQ(wrongTexels(0, -100.0f, 0.0f), 0);
    EXPECT_EQ(wrongTexels(1, 0.0f, 50.0f), 0);
    EXPECT_EQ(wrongTexels(1, 100.25f, -20.75f), 0) << "frames past the end wrap";
}

TEST_F(SpriteLayerVisualTest, FramesTooLargeForTheItemAtlasDrawFromTheirOwnTextures)
{
    writeAnimation("wide", 4, 2, 70, 4, [](int nFrame, int, int) { return FrameColour(nFrame); });
    std::shared_ptr<ILayerVisual> pVisual = m_Source.create("wide.ifl");
    EXPECT_EQ(pVisual->frameCount(), 2);
    EXPECT_FLOAT_EQ(pVisual->length(), 0.5f);
    pVisual->draw(D3DXVECTOR3(0, 0, 0), 1, 0.0f, WHITE_ARGB);
    renderFrame();
    EXPECT_EQ(pixel(370, 300), FrameColour(1));
    EXPECT_EQ(pixel(430, 300), FrameColour(1));
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
