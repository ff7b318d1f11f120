#include "Game/Items/itemanimator.h"

#include <gtest/gtest.h>

#include "Core/vantile_random.h"
#include "item_fakes.h"

namespace {

class ItemAnimatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Services.m_Visuals.m_Shapes["pop.ifl"] = {20, 1.0f};
        m_Services.m_Visuals.m_Shapes["short.ifl"] = {5, 0.5f};
        add(eNormal, CItemServices::layer("normal", "idle.ifl", ENDLESS_REPEAT, false));
    }

    void add(int nState, const ANIDATA& data) { CAnimationManager::Instance().addAniData(1, nState, data); }

    // Frames of 1/64 s, which add up without rounding.
    void run(CItemAnimator& animator, int nFrames, float fDt = 1000.0f / 64.0f)
    {
        for (int i = 0; i < nFrames; ++i)
            animator.update(fDt, CELL);
    }

    CItemServices m_Services;
    CRecordingCallback m_Callback;
};

TEST_F(ItemAnimatorTest, ALimitedLayerReportsItsEndOnceAndEndlessOnesNever)
{
    add(eClick1, CItemServices::layer("click", "short.ifl", 3, true, true));
    add(eClick1, CItemServices::layer("glow", "short.ifl", ENDLESS_REPEAT, true));
    CItemAnimator animator(1, &m_Callback);
    animator.setState(eClick1, ORIGIN, ORIGIN, 0.0f);
    EXPECT_FALSE(animator.isIdle());
    run(animator, 95);
    EXPECT_TRUE(m_Callback.m_Names.empty());
    run(animator, 1);
    EXPECT_EQ(std::vector<std::string>({"click"}), m_Callback.m_Names);
    run(animator, 1000);
    EXPECT_EQ(1u, m_Callback.m_Names.size());
    EXPECT_TRUE(animator.isIdle());
    EXPECT_TRUE(animator.isLayerActive("glow"));
    EXPECT_FALSE(animator.isLayerActive("click"));
}

TEST_F(ItemAnimatorTest, StatesChooseTheirMotionAndMovingLayersEndWithIt)
{
    struct Case {
        int nState;
        EItemMotion motion;
        const char* szLayer;
    };
    // Shaking shows the normal layers.
    const Case cases[] = {{eMoving, EItemMotion::eStraight, "move"},
                          {eGameOver, EItemMotion::eStraight, "gameover"},
                          {eShaking, EItemMotion::eShaking, "normal"},
                          {eFalling, EItemMotion::eFalling, "falling"},
                          {eTrunkFall, EItemMotion::eFalling, "fall"}};
    add(eMoving, CItemServices::layer("move", "swim.ifl", ENDLESS_REPEAT, false, true));
    add(eGameOver, CItemServices::layer("gameover", "swim.ifl", ENDLESS_REPEAT, false, true));
    add(eFalling, CItemServices::layer("falling", "swim.ifl", ENDLESS_REPEAT, false, true));
    add(eTrunkFall, CItemServices::layer("fall", "swim.ifl", ENDLESS_REPEAT, false, true));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nState);
        m_Services.m_Paths.m_Motions.clear();
        m_Callback.m_Names.clear();
        CItemAnimator animator(1, &m_Callback);
        animator.setSpeed(100.0f);
        animator.setState(c.nState, D3DXVECTOR3(0.0f, 55.0f, 0.0f), ORIGIN, 0.0f);
        ASSERT_EQ(1u, m_Services.m_Paths.m_Motions.size());
        EXPECT_EQ(c.motion, m_Services.m_Paths.m_Motions[0]);
        run(animator, 35);
        EXPECT_TRUE(m_Callback.m_Names.empty());
        run(animator, 1);
        EXPECT_EQ(std::vector<std::string>({c.szLayer}), m_Callback.m_Names);
    }
}

TEST_F(ItemAnimatorTest, LayersAreDrawnAlongTheirPathAndThePositionFollowsTheFirst)
{
    add(eMoving, CItemServices::layer("move", "swim.map", ENDLESS_REPEAT, false, true));
    CItemAnimator animator(1, &m_Callback);
    EXPECT_EQ(ORIGIN, animator.position());
    animator.setSpeed(100.0f);
    animator.setState(eMoving, ORIGIN, D3DXVECTOR3(55.0f, 0.0f, 0.0f), 0.0f);
    run(animator, 16);
    animator.render(CELL);
    EXPECT_NEAR(CELL.x + 25.0f, animator.position().x, 1e-3);
    EXPECT_EQ(CELL.y, animator.position().y);
    ASSERT_EQ(1u, m_Services.m_Visuals.m_Draws.size());
    EXPECT_NEAR(CELL.x + 25.0f, m_Services.m_Visuals.m_Draws[0].vPosition.x, 1e-3);
}

TEST_F(ItemAnimatorTest, TheTrunkFallOutlivesItsPath)
{
    add(eTrunkFall, CItemServices::layer("trunk_fall", "pop.ifl", 1, true, true));
    CItemAnimator animator(1, &m_Callback);
    animator.setState(eTrunkFall, D3DXVECTOR3(0.0f, 10.0f, 0.0f), ORIGIN, 0.0f);
    run(animator, 63);
    EXPECT_TRUE(m_Callback.m_Names.empty());
    EXPECT_TRUE(animator.isLayerActive("trunk_fall"));
    run(animator, 1);
    EXPECT_EQ(std::vector<std::string>({"trunk_fall"}), m_Callback.m_Names);
}

TEST_F(ItemAnimatorTest, ANameWithAColonReplacesTheLayerItNames)
{
    add(eNormal, CItemServices::layer("glow:normal", "glow.ifl", ENDLESS_REPEAT, false));
    CItemAnimator animator(1, &m_Callback);
    animator.setState(eNormal, ORIGIN, ORIGIN, 0.0f);
    EXPECT_FALSE(animator.isLayerActive("normal"));
    EXPECT_TRUE(animator.isLayerActive("glow:normal"));
    // An inactive layer of the same name is replaced on the next start.
    add(eClick2, CItemServices::layer("normal", "idle.ifl", ENDLESS_REPEAT, false));
    animator.setState(eDeleting, ORIGIN, ORIGIN, 0.0f);
    animator.setState(eDeleting, ORIGIN, ORIGIN, 0.0f);
    animator.render(CELL);
    EXPECT_EQ(1u, m_Services.m_Visuals.m_Draws.size());
}

TEST_F(ItemAnimatorTest, ADelayedChangeFreezesTheItemUntilItApplies)
{
    add(eClick1, CItemServices::layer("click", "short.ifl", 1, true, true));
    CItemAnimator animator(1, &m_Callback);
    animator.setState(eClick1, ORIGIN, ORIGIN, 0.0f);
    animator.setState(eNormal, ORIGIN, ORIGIN, 500.0f);
    EXPECT_FALSE(animator.isIdle());
    run(animator, 31);
    // The click would have ended after 500 ms had it not been frozen.
    EXPECT_EQ(eClick1, animator.state());
    EXPECT_TRUE(m_Callback.m_Names.empty());
    run(animator, 1);
    EXPECT_EQ(eNormal, animator.state());
    EXPECT_TRUE(animator.isLayerActive("normal"));
    EXPECT_TRUE(animator.isIdle());
    EXPECT_TRUE(m_Callback.m_Names.empty());
}

TEST_F(ItemAnimatorTest, DeletingKeepsTheNormalLookUntilTheDeleteCoversIt)
{
    add(eDeleting, CItemServices::layer("delete", "pop.ifl", 1, true, true));
    CItemAnimator animator(1, &m_Callback);
    animator.setState(eNormal, ORIGIN, ORIGIN, 0.0f);
    animator.setState(eDeleting, ORIGIN, ORIGIN, 0.0f);
    EXPECT_TRUE(animator.isLayerActive("normal"));
    run(animator, 32);  // frame 10 of 20 is showing now
    EXPECT_TRUE(animator.isLayerActive("normal"));
    run(animator, 1);
    EXPECT_FALSE(animator.isLayerActive("normal"));
    EXPECT_TRUE(m_Callback.m_Names.empty());
    run(animator, 31);
    EXPECT_EQ(std::vector<std::string>({"delete"}), m_Callback.m_Names);
}

TEST_F(ItemAnimatorTest, EndlessLayersOfNewItemsStartOutOfStep)
{
    Vantile::SeedRandom(7);
    m_Services.m_Visuals.m_Shapes["idle.ifl"] = {100, 1.0f};
    CItemAnimator first(1, &m_Callback);
    CItemAnimator second(1, &m_Callback);
    first.setState(eNormal, ORIGIN, ORIGIN, 0.0f);
    second.setState(eNormal, ORIGIN, ORIGIN, 0.0f);
    first.render(CELL);
    second.render(CELL);
    ASSERT_EQ(2u, m_Services.m_Visuals.m_Draws.size());
    EXPECT_NE(m_Services.m_Visuals.m_Draws[0].nFrame, m_Services.m_Visuals.m_Draws[1].nFrame);
}

}  // namespace
