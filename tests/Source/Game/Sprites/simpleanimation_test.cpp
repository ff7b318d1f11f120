#include "Game/Sprites/simpleanimation.h"

#include "Resources/vantile_resourcemanager.h"
#include "sprite_test_scene.h"

namespace {

class SimpleAnimationTest : public SpriteScene {};

TEST_F(SimpleAnimationTest, OneShotFinishesAndLoopStartsOver)
{
    CSimpleAnimation once("strip.map");
    CSimpleAnimation looped("strip.map");
    looped.setLooping(true);
    EXPECT_FLOAT_EQ(once.getLength(), 0.5f);
    int nFinishedAt = 0;
    for (int i = 1; i <= 20; ++i) {
        m_Clock.Step(60);
        once.update();
        looped.update();
        once.render(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
        looped.render();
        if (once.isFinished() && nFinishedAt == 0)
            nFinishedAt = i;
    }
    // The play test looks one frame ahead: after 8 x 60 ms the next step
    // would pass the half second.
    EXPECT_EQ(nFinishedAt, 9);
    EXPECT_FALSE(looped.isFinished());
}

// Without length an animation can never play; a one-shot must end rather
// than keep its owner waiting, a loop just stands still.
TEST_F(SimpleAnimationTest, AnimationWithoutLengthEndsOrStandsStill)
{
    CSimpleAnimation once("missing.png");
    CSimpleAnimation looped("missing.png");
    looped.setLooping(true);
    m_Clock.Step(16);
    once.update();
    looped.update();
    EXPECT_TRUE(once.isFinished());
    EXPECT_FALSE(looped.isFinished());
    EXPECT_NO_FATAL_FAILURE(looped.render(D3DXVECTOR3(0.0f, 0.0f, 0.0f)));
}

TEST_F(SimpleAnimationTest, FlareUsesTheFlareList)
{
    writeFile("flare.ifl", "#20\nred.png\nwhite.png\n");
    m_Textures.push_back("flare.ifl");
    Vantile::CResourceManager::Instance().Init(m_Temp.path() + "/game", true);
    CFlareAnimation flare;
    EXPECT_EQ(flare.sprite().getName(), "flare.ifl");
    EXPECT_FLOAT_EQ(flare.getLength(), 0.1f);
}

}  // namespace
