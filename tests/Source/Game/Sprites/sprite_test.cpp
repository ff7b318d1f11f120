#include "Game/Sprites/sprite.h"

#include <cmath>

#include "Resources/vantile_resourcemanager.h"
#include "sprite_test_scene.h"

namespace {

class SpriteTest : public SpriteScene {};

// The 40 x 30 red sprite must cover exactly the pixels of its quad: the
// pixels just inside each corner are red, those just outside are black.
TEST_F(SpriteTest, EachAnchorPlacesTheQuadPixelExact)
{
    const float fHalfPi = 1.5707963f;
    const struct {
        int nAnchor;
        float fRotation;
        int nLeft, nTop, nWidth, nHeight;  // pixels, for a sprite at (-100, 50)
    } cases[] = {
        {0, 0, 300, 250, 40, 30},  // top-left corner at the position
        {1, 0, 260, 250, 40, 30},  // top-right
        {2, 0, 300, 220, 40, 30},  // bottom-left
        {3, 0, 260, 220, 40, 30},  // bottom-right
        {4, 0, 280, 235, 40, 30},  // centre
        {5, 0, 280, 220, 40, 30},  // middle of the bottom edge
        {6, 0, 280, 250, 40, 30},  // middle of the top edge
        {7, 0, 260, 235, 40, 30},  // middle of the right edge
        {8, 0, 300, 235, 40, 30},  // middle of the left edge
        // Turned a quarter left about the bottom-left corner, which stays
        // at the position.
        {2, fHalfPi, 270, 210, 30, 40},
    };
    CSprite sprite("red.png", CSprite::WHITE, false, true);
    ASSERT_EQ(sprite.getWidth(), 40.0f);
    ASSERT_EQ(sprite.getHeight(), 30.0f);
    for (const auto& test : cases) {
        sprite.setAnchor(test.nAnchor);
        sprite.setRotation(test.fRotation);
        sprite.placeAt(D3DXVECTOR3(-100.0f, 50.0f, 0.0f));
        renderFrame();
        const int nRight = test.nLeft + test.nWidth - 1, nBottom = test.nTop + test.nHeight - 1;
        SCOPED_TRACE(::testing::Message() << "anchor " << test.nAnchor << " rotation " << test.fRotation);
        for (int x : {test.nLeft, nRight})
            for (int y : {test.nTop, nBottom})
                EXPECT_EQ(pixel(x, y), RED) << x << ", " << y;
        for (int x : {test.nLeft - 1, nRight + 1})
            EXPECT_EQ(pixel(x, test.nTop + 5), BLACK) << x;
        for (int y : {test.nTop - 1, nBottom + 1})
            EXPECT_EQ(pixel(test.nLeft + 5, y), BLACK) << y;
    }
}

TEST_F(SpriteTest, ColourTintsAndAlphaFades)
{
    CSprite tinted("white.png", 0xFF00FF00, false, true);
    tinted.placeAt(D3DXVECTOR3(-200.0f, 0.0f, 0.0f));
    CSprite faded("red.png", CSprite::WHITE, false, true);
    faded.SetAlpha(0.5f);
    faded.placeAt(D3DXVECTOR3(200.0f, 0.0f, 0.0f));
    renderFrame();
    EXPECT_EQ(pixel(200, 300), 0xFF00FF00u);
    const uint32_t dwFaded = pixel(600, 300);
    EXPECT_NEAR(int(dwFaded >> 16 & 0xFF), 128, 2) << std::hex << dwFaded;
    EXPECT_EQ(dwFaded & 0xFFFF, 0u);

    faded.SetAlpha(7.0f);
    EXPECT_EQ(faded.GetAlpha(), 1.0f);
    faded.placeAt(D3DXVECTOR3(200.0f, 0.0f, 0.0f));
    renderFrame();
    EXPECT_EQ(pixel(600, 300), RED) << "the texture factor leaked into later draws";
}

TEST_F(SpriteTest, SizedSpriteTakesTheGivenSize)
{
    CSprite sprite("red.png", 100.0f, 20.0f);
    EXPECT_TRUE(sprite.isBuilt());
    EXPECT_EQ(sprite.getTextureWidth(), 100.0f);
    sprite.setAnchor(2);
    sprite.placeAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    renderFrame();
    EXPECT_EQ(pixel(499, 280), RED);
    EXPECT_EQ(pixel(500, 280), BLACK);
    EXPECT_EQ(pixel(450, 279), BLACK);
}

TEST_F(SpriteTest, AnimateReportsTheStepThatCompletesAPass)
{
    CSprite sprite("ten.ifl", CSprite::WHITE, false, true);
    ASSERT_FLOAT_EQ(sprite.getLength(), 1.0f);
    sprite.setTime(0.0f);
    int nPassEnds = 0;
    for (int i = 1; i <= 25; ++i) {
        const bool bSamePass = sprite.Animate(0.1f);
        nPassEnds += bSamePass ? 0 : 1;
        if (i == 9) {
            EXPECT_EQ(nPassEnds, 0);
        }
        if (i == 10) {
            EXPECT_EQ(nPassEnds, 1) << "the first pass ends with the tenth step";
        }
    }
    EXPECT_EQ(nPassEnds, 2);
    EXPECT_NEAR(sprite.getTime(), 2.5f, 1e-4f);

    sprite.setReverse(true);
    EXPECT_TRUE(sprite.Animate(0.2f));
    EXPECT_NEAR(sprite.getTime(), 2.3f, 1e-4f);
    EXPECT_FALSE(sprite.Animate(0.4f)) << "running back over a pass boundary completes a pass too";
}

TEST_F(SpriteTest, SetLengthChangesTheRateAndKeepsTheClock)
{
    CSprite sprite("ten.ifl", CSprite::WHITE, false, true);
    sprite.setTime(0.45f);
    sprite.setLength(2.0f);
    EXPECT_FLOAT_EQ(sprite.getLength(), 2.0f);
    EXPECT_FLOAT_EQ(sprite.getTime(), 0.45f);
    EXPECT_EQ(sprite.getFrameIndex(), 2);
    for (float fBad : {0.0f, -1.0f, NAN, INFINITY}) {
        sprite.setLength(fBad);
        EXPECT_FLOAT_EQ(sprite.getLength(), 2.0f) << fBad;
    }
}

TEST_F(SpriteTest, TheFrameShownFollowsTheClock)
{
    CSprite sprite("ten.ifl", CSprite::WHITE, false, true);
    for (int nFrame : {0, 3, 9}) {
        sprite.setTime(0.1f * float(nFrame) + 0.05f);
        sprite.placeAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
        renderFrame();
        EXPECT_EQ(pixel(400, 300), FrameColour(nFrame)) << nFrame;
    }
}

// A missing image loads as a texture without frames; an animation of it
// must end rather than divide by its zero length.
TEST_F(SpriteTest, ATextureWithoutFramesHasNoLengthAndEndsAtOnce)
{
    CSprite sprite("missing.png", CSprite::WHITE, false, true);
    EXPECT_EQ(sprite.getLength(), 0.0f);
    EXPECT_FALSE(sprite.Animate(0.01f));
    EXPECT_EQ(sprite.getFrameIndex(), 0);
    sprite.placeAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    EXPECT_NO_FATAL_FAILURE(renderFrame());
}

TEST_F(SpriteTest, ParentsDoNotMoveASprite)
{
    Vantile::CNode parent("parent", Translation(50.0f, 50.0f, 0.0f));
    CSprite* pSprite = new CSprite("red.png", CSprite::WHITE, false, true);
    parent.AddChild(pSprite);
    pSprite->setPosition(D3DXVECTOR3(10.0f, 20.0f, 0.0f));
    parent.Process(Vantile::PROCESS_UPDATE);
    // The quad's corner (-10, 5), on the pixel edge beside it.
    EXPECT_TRUE(MatrixNear(pSprite->GetWorld(), Translation(-10.5f, 5.5f, 0.0f)));
}

// Every texel of a one-pixel checkerboard must come out on a pixel of its
// own, whatever the sprite's size, anchor, place or sampling: a quad whose
// edges ran through the pixel centres dropped or doubled a row or column
// here and there, and blurred a filtered sprite.
TEST_F(SpriteTest, EachTexelCoversOnePixel)
{
    const struct {
        int nWidth, nHeight, nAnchor;
        float x, y;
    } cases[] = {
        {40, 30, 0, -361.0f, 267.0f},  // a story panel's top-left corner
        {40, 30, 4, 10.0f, -20.0f},
        {37, 23, 4, 10.0f, -20.0f},    // odd sizes: the centre on a half pixel
        {37, 23, 0, 100.25f, 50.75f},  // between pixels
        {410, 270, 0, -361.0f, 267.0f},
    };
    const uint32_t dwDark = RED, dwLight = WHITE_ARGB;
    for (const auto& test : cases)
        for (bool bFiltered : {false, true}) {
            SCOPED_TRACE(::testing::Message() << test.nWidth << " x " << test.nHeight << " anchor " << test.nAnchor
                                              << " at " << test.x << ", " << test.y << " filtered " << bFiltered);
            ArgbImage checker;
            checker.nWidth = uint32_t(test.nWidth);
            checker.nHeight = uint32_t(test.nHeight);
            for (int y = 0; y < test.nHeight; ++y)
                for (int x = 0; x < test.nWidth; ++x)
                    checker.pixels.push_back((x + y) % 2 ? dwLight : dwDark);
            const std::string strName = "checker" + std::to_string(test.nWidth) + ".png";
            writeFile(strName, EncodePng(checker));
            m_Textures.push_back(strName);
            // The data folder is listed when it opens.
            Vantile::CResourceManager::Instance().Init(m_Temp.path() + "/game", true);
            CSprite sprite(strName, CSprite::WHITE, bFiltered, true);
            sprite.setAnchor(test.nAnchor);
            sprite.placeAt(D3DXVECTOR3(test.x, test.y, 0.0f));
            renderFrame();
            // The first pixel whose centre lies within the quad as placed.
            const float fLeft = 400.0f + test.x - (test.nAnchor == 4 ? test.nWidth / 2.0f : 0.0f);
            const float fTop = 300.0f - test.y - (test.nAnchor == 4 ? test.nHeight / 2.0f : 0.0f);
            const int nLeft = int(std::ceil(fLeft)), nTop = int(std::ceil(fTop));
            UINT nScreenWidth = 0;
            const std::vector<uint8_t> screen = m_Device.ReadRgba(&nScreenWidth);
            int nWrong = 0;
            for (int y = 0; y < test.nHeight; ++y)
                for (int x = 0; x < test.nWidth; ++x) {
                    const uint8_t* p = &screen[(size_t(nTop + y) * nScreenWidth + size_t(nLeft + x)) * 4];
                    nWrong += D3DCOLOR_ARGB(0xFF, p[0], p[1], p[2]) != checker.At(uint32_t(x), uint32_t(y));
                }
            EXPECT_EQ(nWrong, 0);
            EXPECT_EQ(pixel(nLeft - 1, nTop + 1), BLACK);
            EXPECT_EQ(pixel(nLeft + test.nWidth, nTop + 1), BLACK);
        }
}

}  // namespace
