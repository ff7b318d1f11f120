#include "Game/Sprites/spritevb.h"

#include "Core/vantile_exception.h"
#include "Game/Sprites/spritescreen.h"
#include "Game/Sprites/spritevbarray.h"
#include "sprite_test_scene.h"
#include "Resources/vantile_resourcemanager.h"
#include "support/log_capture.h"

namespace {

class SpriteVBTest : public SpriteScene {};

TEST_F(SpriteVBTest, AFrameIsAQuadAroundItsPositionWithTheFrameCoordinates)
{
    CSpriteVB batch(CSpriteVBArray::EFFECT, "strip.map", 64);
    ASSERT_EQ(batch.getFrameCount(), 4);
    EXPECT_EQ(batch.getFPS(), 8);
    ASSERT_TRUE(batch.addFrame(0, D3DXVECTOR3(1.0f, 2.0f, 3.0f), 0.0f, 0x80112233));
    ASSERT_TRUE(batch.addFrame(2, D3DXVECTOR3(100.0f, 0.0f, 0.0f), 1.5707963f, 0xFFFFFFFF));
    EXPECT_EQ(batch.getUsedVertexCount(), 8u);
    EXPECT_EQ(batch.getUsedIndexCount(), 12u);

    const SSpriteVertex* v = batch.getVertices();
    // Bottom-left, top-left, bottom-right, top-right with half sizes 8.
    const float afExpected[4][4] = {{-7, -6, 0.0f, 1}, {-7, 10, 0.0f, 0}, {9, -6, 0.25f, 1}, {9, 10, 0.25f, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(v[i].x, afExpected[i][0]) << i;
        EXPECT_FLOAT_EQ(v[i].y, afExpected[i][1]) << i;
        EXPECT_FLOAT_EQ(v[i].z, 3.0f) << i;
        EXPECT_FLOAT_EQ(v[i].u, afExpected[i][2]) << i;
        EXPECT_FLOAT_EQ(v[i].v, afExpected[i][3]) << i;
        EXPECT_EQ(v[i].dwDiffuse, 0x80112233u);
        EXPECT_EQ(v[i].dwSpecular, 0xFFFFFFFFu);
    }
    // A quarter turn takes the bottom-left corner (-8, -8) to (8, -8).
    EXPECT_NEAR(v[4].x, 108.0f, 1e-4f);
    EXPECT_NEAR(v[4].y, -8.0f, 1e-4f);
    EXPECT_FLOAT_EQ(v[4].u, 0.5f);
    const uint16_t anExpected[12] = {0, 1, 2, 1, 3, 2, 4, 5, 6, 5, 7, 6};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(batch.getIndices()[i], anExpected[i]) << i;
}

TEST_F(SpriteVBTest, ManyFramesAreOneDrawCall)
{
    CSpriteVB* pBatch = CSpriteVBArray::Instance().load("strip.map");
    EXPECT_EQ(CSpriteVBArray::Instance().load("strip.map"), pBatch);
    EXPECT_EQ(CSpriteVBArray::Instance().count(), 1u);
    for (int i = 0; i < 200; ++i)
        pBatch->addFrame(i % 4, D3DXVECTOR3(-380.0f + 20.0f * float(i % 38), 280.0f - 20.0f * float(i / 38), 0.0f), 0.0f,
                         0xFFFFFFFF);
    CSpriteVBArray::Instance().submitAll();
    renderFrame();
    EXPECT_EQ(effect(CSpriteVBArray::EFFECT)->drawCount(), 1u);
    for (int i : {0, 1, 2, 3, 77, 199}) {
        const int x = 400 - 380 + 20 * (i % 38), y = 300 - 280 + 20 * (i / 38);
        EXPECT_EQ(pixel(x, y), FrameColour(i % 4)) << "frame " << i;
    }
    EXPECT_EQ(pixel(400 - 380 + 20 * 10, 300 - 280 + 20 * 5), BLACK) << "past the last frame";

    CSpriteVBArray::Instance().resetAll();
    EXPECT_EQ(pBatch->getUsedVertexCount(), 0u);
    CSpriteVBArray::Instance().submitAll();
    renderFrame();
    EXPECT_EQ(pixel(20, 20), BLACK) << "a batch without frames draws nothing";
}

// A batch nobody resets fills up; it must stop there instead of writing
// past its arrays.
TEST_F(SpriteVBTest, AFullBatchDropsFramesUntilReset)
{
    CLogCapture log;
    CSpriteVB batch(CSpriteVBArray::EFFECT, "strip.map", 10);
    const D3DXVECTOR3 vOrigin(0.0f, 0.0f, 0.0f);
    EXPECT_TRUE(batch.addFrame(0, vOrigin, 0.0f, 0xFFFFFFFF));
    EXPECT_TRUE(batch.addFrame(1, vOrigin, 0.0f, 0xFFFFFFFF));
    EXPECT_FALSE(batch.addFrame(2, vOrigin, 0.0f, 0xFFFFFFFF));
    EXPECT_FALSE(batch.addFrame(3, vOrigin, 0.0f, 0xFFFFFFFF));
    EXPECT_EQ(batch.getUsedVertexCount(), 8u);
    EXPECT_EQ(batch.getUsedIndexCount(), 12u);
    const std::string strLine = "Sprite batch is full";
    EXPECT_TRUE(log.contains(strLine));
    EXPECT_EQ(log.text().find(strLine), log.text().rfind(strLine)) << "reported once per frame, not per quad";
    batch.reset();
    EXPECT_TRUE(batch.addFrame(2, vOrigin, 0.0f, 0xFFFFFFFF));
}

TEST_F(SpriteVBTest, FramesTheAtlasDoesNotHaveAreRefused)
{
    CSpriteVB batch(CSpriteVBArray::EFFECT, "strip.map", 64);
    for (int nFrame : {-1, 4, 1000})
        EXPECT_FALSE(batch.addFrame(nFrame, D3DXVECTOR3(0.0f, 0.0f, 0.0f), 0.0f, 0xFFFFFFFF)) << nFrame;
    EXPECT_EQ(batch.getUsedVertexCount(), 0u);
}

TEST_F(SpriteVBTest, BadAtlasFilesThrowAndLeaveNoBatch)
{
    writeFile("short.map", "c 3 t strip.png f 8 s 16 16 0 0 0.25 1");
    writeFile("flat.map", "c 1 t strip.png f 8 s 16 0 0 0 1 1");
    Vantile::CResourceManager::Instance().Init(m_Temp.path() + "/game", true);
    for (const char* pszName : {"short.map", "flat.map", "absent.map"}) {
        EXPECT_THROW(CSpriteVBArray::Instance().load(pszName), Vantile::Exception) << pszName;
        EXPECT_EQ(CSpriteVBArray::Instance().get(pszName), nullptr) << pszName;
    }
    try {
        CSpriteVBArray::Instance().load("short.map");
    } catch (const Vantile::Exception& e) {
        EXPECT_EQ(e.getDetails(), "Failed to load sprite map [short.map]: fewer frames than the count");
    }
    EXPECT_EQ(CSpriteVBArray::Instance().count(), 0u);
}

}  // namespace
