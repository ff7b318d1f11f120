#include "Game/Sprites/spriteloader.h"

#include <memory>

#include "Game/Sprites/sprite.h"
#include "sprite_test_scene.h"

namespace {

class SpriteLoaderTest : public SpriteScene {
protected:
    void SetUp() override
    {
        SpriteScene::SetUp();
        CSpriteLoader::Instance().setFinished(false);
    }
};

TEST_F(SpriteLoaderTest, LoadsExactlyOneSpritePerCallInOrder)
{
    CSpriteLoader& loader = CSpriteLoader::Instance();
    auto pFirst = std::make_unique<CSprite>("red.png", CSprite::WHITE, false, false);
    auto pSecond = std::make_unique<CSprite>("ten.ifl", 0xFF00FF00, false, false);
    EXPECT_FALSE(pFirst->isBuilt());
    EXPECT_EQ(loader.count(), 2u);

    std::string strName;
    EXPECT_TRUE(loader.loadNext(strName)) << "one sprite still waits";
    EXPECT_EQ(strName, "red.png");
    EXPECT_TRUE(pFirst->isBuilt());
    EXPECT_EQ(pFirst->getWidth(), 40.0f) << "the size comes from the image";
    EXPECT_FALSE(pSecond->isBuilt());

    EXPECT_FALSE(loader.loadNext(strName)) << "the queue is empty now";
    EXPECT_EQ(strName, "ten.ifl");
    EXPECT_TRUE(pSecond->isBuilt());
    EXPECT_EQ(pSecond->getColor(), 0xFF00FF00u);

    strName = "unchanged";
    EXPECT_FALSE(loader.loadNext(strName));
    EXPECT_EQ(strName, "unchanged");
    EXPECT_EQ(loader.count(), 0u);
}

TEST_F(SpriteLoaderTest, ATimeSetWhileWaitingIsAppliedOnLoad)
{
    CSprite sprite("ten.ifl", CSprite::WHITE, false, false);
    sprite.setTime(0.55f);
    EXPECT_FLOAT_EQ(sprite.getTime(), 0.55f);
    EXPECT_EQ(sprite.getLength(), 0.0f);
    EXPECT_TRUE(sprite.Animate(0.1f)) << "a waiting sprite has no clock to run";
    CSpriteLoader::Instance().loadAll();
    EXPECT_FLOAT_EQ(sprite.getTime(), 0.55f);
    EXPECT_EQ(sprite.getFrameIndex(), 5);
}

// The queue holds plain pointers, so a sprite deleted before its turn must
// leave it, or the loading screen would load freed memory.
TEST_F(SpriteLoaderTest, ADeletedSpriteLeavesTheQueue)
{
    auto pGone = std::make_unique<CSprite>("red.png", CSprite::WHITE, false, false);
    CSprite kept("white.png", CSprite::WHITE, false, false);
    pGone.reset();
    EXPECT_EQ(CSpriteLoader::Instance().count(), 1u);
    std::string strName;
    EXPECT_FALSE(CSpriteLoader::Instance().loadNext(strName));
    EXPECT_EQ(strName, "white.png");
}

TEST_F(SpriteLoaderTest, AfterLoadingSpritesGetTheirTextureAtOnce)
{
    CSprite early("red.png", CSprite::WHITE, false, false);
    CSpriteLoader::Instance().setFinished(true);
    EXPECT_FALSE(early.isBuilt());
    CSprite late("white.png", CSprite::WHITE, false, false);
    EXPECT_TRUE(late.isBuilt());
    EXPECT_TRUE(early.isBuilt()) << "whatever still waited is loaded with it";
    EXPECT_EQ(CSpriteLoader::Instance().count(), 0u);
}

}  // namespace
