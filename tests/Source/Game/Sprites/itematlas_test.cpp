#include "Game/Sprites/itematlas.h"

#include <cmath>

#include "Resources/vantile_texturemanager.h"
#include "sprite_test_scene.h"

namespace {

class ItemAtlasTest : public SpriteScene {
protected:
    // An animation of nFrames frames of one size, each texel its own.
    void writeAnimation(const std::string& strName, int nFrames, int nWidth, int nHeight)
    {
        SpriteScene::writeAnimation(strName, 5, nFrames, nWidth, nHeight, texel);
    }

    static uint32_t texel(int nFrame, int x, int y)
    {
        return D3DCOLOR_ARGB(0x80 + nFrame, x & 0xFF, y & 0xFF, 0x40);
    }

    // The page texel at the rectangle's top-left corner plus (dx, dy).
    static uint32_t pageTexel(const CItemAtlas::SAnimation& animation, const STextureRect& rect, int dx, int dy)
    {
        IDirect3DTexture8* pTexture =
            Vantile::CTextureManager::Instance().FindTexture(animation.strTexture)->GetFrame(0);
        D3DSURFACE_DESC desc;
        pTexture->GetLevelDesc(0, &desc);
        const int x = int(std::lround(rect.fU0 * float(desc.Width))) + dx;
        const int y = int(std::lround(rect.fV1 * float(desc.Height))) + dy;
        D3DLOCKED_RECT locked;
        pTexture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY);
        const uint32_t dwTexel =
            reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(locked.pBits) + y * locked.Pitch)[x];
        pTexture->UnlockRect(0);
        return dwTexel;
    }
};

TEST_F(ItemAtlasTest, PlacesEachFrameWithItsTexelsAndARepeatedEdge)
{
    writeAnimation("fins", 3, 5, 4);
    CItemAtlas atlas(64);
    const CItemAtlas::SAnimation* pFins = atlas.place("fins.ifl");
    ASSERT_NE(pFins, nullptr);
    ASSERT_EQ(pFins->frames.size(), 3u);
    EXPECT_FLOAT_EQ(pFins->fLength, 0.6f);
    EXPECT_FLOAT_EQ(pFins->fWidth, 5.0f);
    EXPECT_FLOAT_EQ(pFins->fHeight, 4.0f);
    EXPECT_EQ(atlas.place("fins.ifl"), pFins) << "an animation is placed once";
    for (int nFrame = 0; nFrame < 3; ++nFrame) {
        SCOPED_TRACE(nFrame);
        const STextureRect& rect = pFins->frames[size_t(nFrame)];
        EXPECT_FLOAT_EQ((rect.fU1 - rect.fU0) * 64.0f, 5.0f);
        EXPECT_FLOAT_EQ((rect.fV0 - rect.fV1) * 64.0f, 4.0f) << "the rectangle runs from the bottom row up";
        int nWrong = 0;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                nWrong += pageTexel(*pFins, rect, x, y) != texel(nFrame, x, y);
        EXPECT_EQ(nWrong, 0);
        EXPECT_EQ(pageTexel(*pFins, rect, -1, -1), texel(nFrame, 0, 0));
        EXPECT_EQ(pageTexel(*pFins, rect, 5, 2), texel(nFrame, 4, 2));
        EXPECT_EQ(pageTexel(*pFins, rect, 2, 4), texel(nFrame, 2, 3));
    }
    atlas.release();
}

// What the atlas refuses draws from its own textures: too large a frame,
// no frames at all, or more frames than a page holds.
TEST_F(ItemAtlasTest, RefusesLargeFramesMissingPicturesAndAnimationsLargerThanAPage)
{
    writeAnimation("large", 1, CItemAtlas::MAX_FRAME_SIDE + 1, 8);
    writeAnimation("many", 30, 10, 10);
    CItemAtlas atlas(64);
    EXPECT_EQ(atlas.place("large.ifl"), nullptr);
    EXPECT_EQ(atlas.place("missing.png"), nullptr);
    EXPECT_EQ(atlas.place("many.ifl"), nullptr) << "25 frames of 12 x 12 fit a 64 x 64 page, 30 do not";
    atlas.release();
}

// An animation is never split: one that does not fit the rest of a page
// starts the next.
TEST_F(ItemAtlasTest, AFullPageStartsTheNext)
{
    writeAnimation("half", 15, 10, 10);
    writeAnimation("rest", 11, 10, 10);
    CItemAtlas atlas(64);
    const CItemAtlas::SAnimation* pFirst = atlas.place("half.ifl");
    const CItemAtlas::SAnimation* pSecond = atlas.place("rest.ifl");
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(atlas.pageCount(), 2u);
    EXPECT_NE(pFirst->strTexture, pSecond->strTexture);
    EXPECT_EQ(pageTexel(*pSecond, pSecond->frames[10], 9, 9), texel(10, 9, 9));
    atlas.release();
}

TEST_F(ItemAtlasTest, ReleasingFreesItsPagesAndPlacesNothingMore)
{
    writeAnimation("fins", 1, 5, 4);
    CItemAtlas atlas(64);
    const CItemAtlas::SAnimation* pTen = atlas.place("ten.ifl");
    ASSERT_NE(pTen, nullptr);
    EXPECT_NE(Vantile::CTextureManager::Instance().FindTexture(pTen->strTexture), nullptr);
    atlas.release();
    EXPECT_EQ(Vantile::CTextureManager::Instance().FindTexture(pTen->strTexture), nullptr);
    EXPECT_EQ(atlas.place("fins.ifl"), nullptr);
}

}  // namespace
