#include "Game/Fish/fishfood.h"

#include <gtest/gtest.h>

#include "Core/vantile_random.h"

namespace {

// A seabed from -400 to 400 that rises from -280 on the left to -200 on
// the right.
void LaySlope(CFishFood& food)
{
    food.floor().setPoints({{-400, -280, 0}, {0, -240, 0}, {400, -200, 0}});
}

TEST(FloorCurve, InterpolatesBetweenPointsAndHoldsBeyondThem)
{
    CFishFood food;
    LaySlope(food);
    const struct {
        float x;
        float fHeight;
    } cases[] = {{-500, -280}, {-400, -285}, {-200, -265}, {0, -245}, {200, -225}, {400, -205}, {900, -205}};
    for (const auto& c : cases)
        EXPECT_NEAR(food.floor().heightAt(c.x), c.fHeight, 1e-4f) << "x = " << c.x;
    EXPECT_EQ(CHeights().heightAt(0), -300.0f) << "no curve: the bottom of the screen";
}

TEST(FishFood, PelletsSinkUntilTheyRestOnTheCurve)
{
    CFishFood food;
    LaySlope(food);
    food.add(D3DXVECTOR3(-200, 100, 0), 60.0f, 4.0f, "food-01.dds");
    food.add(D3DXVECTOR3(200, 100, 0), 66.0f, 0.0f, "food-02.dds");
    for (int i = 0; i < 600; ++i)
        food.update(0.016f);
    for (const CFishFood::SPellet& pellet : food.pellets()) {
        EXPECT_FALSE(pellet.bSinking);
        const float fRest = food.floor().heightAt(pellet.vPosition.x);
        EXPECT_LE(pellet.vPosition.y + pellet.fHeightOffset, fRest);
        EXPECT_GT(pellet.vPosition.y + pellet.fHeightOffset, fRest - 2.0f) << "one step at most below";
    }
    EXPECT_EQ(food.landedCount(), 2);
}

TEST(FishFood, EleventhLandedPelletSendsTheLastLandedOneFadingAway)
{
    CFishFood food;
    LaySlope(food);
    for (int i = 0; i < CFishFood::MAX_LANDED + 1; ++i)
        food.add(D3DXVECTOR3(-300.0f + 50.0f * i, -100, 0), 60.0f, 0.0f, "food-03.dds");
    // The last of them lands after about 2.9 s; the fade takes 1 s.
    for (int i = 0; i < 190; ++i)
        food.update(0.016f);
    EXPECT_EQ(food.landedCount(), CFishFood::MAX_LANDED);
    ASSERT_EQ(food.pellets().size(), size_t(CFishFood::MAX_LANDED + 1)) << "still fading";
    EXPECT_FALSE(food.pellets().back().bActive);
    for (int i = 0; i < 70; ++i)
        food.update(0.016f);
    EXPECT_EQ(food.pellets().size(), size_t(CFishFood::MAX_LANDED));
    // Frames without time (a pause) still fade what was let go.
    food.add(D3DXVECTOR3(350, -215, 0), 60.0f, 0.0f, "food-03.dds");
    for (int i = 0; i < 110; ++i)
        food.update(0.0f);
    EXPECT_EQ(food.pellets().size(), size_t(CFishFood::MAX_LANDED));
    EXPECT_EQ(food.landedCount(), CFishFood::MAX_LANDED);
}

TEST(FishFood, DropScattersOneOrTwoPelletsOfTheSevenKinds)
{
    Vantile::SeedRandom(7);
    CFishFood food;
    for (int i = 0; i < 50; ++i) {
        const size_t nBefore = food.pellets().size();
        food.drop(D3DXVECTOR3(100, 50, 0));
        const size_t nAdded = food.pellets().size() - nBefore;
        EXPECT_TRUE(nAdded == 1 || nAdded == 2);
    }
    for (const CFishFood::SPellet& pellet : food.pellets()) {
        EXPECT_LE(std::abs(pellet.vPosition.x - 100), 30.0f);
        EXPECT_GE(pellet.fSpeed, 60.0f);
        EXPECT_LE(pellet.fSpeed, 66.0f);
        EXPECT_TRUE(pellet.strTexture >= "food-01.dds" && pellet.strTexture <= "food-07.dds") << pellet.strTexture;
    }
}

TEST(FishFood, EatingTakesOnlyAnActivePelletWithinReach)
{
    CFishFood food;
    food.add(D3DXVECTOR3(0, 0, 0), 60.0f, 0.0f, "food-01.dds");
    food.add(D3DXVECTOR3(100, 0, 0), 60.0f, 0.0f, "food-01.dds");
    EXPECT_FALSE(food.eatNear(D3DXVECTOR3(50, 0, 0), 30.0f));
    EXPECT_EQ(food.nearest(D3DXVECTOR3(80, 0, 0)), &food.pellets().back());
    EXPECT_TRUE(food.eatNear(D3DXVECTOR3(90, 10, 0), 30.0f));
    EXPECT_EQ(food.pellets().size(), 1u);
    EXPECT_EQ(food.nearest(D3DXVECTOR3(80, 0, 0)), &food.pellets().front());
}

}  // namespace
