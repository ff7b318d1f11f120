#include "Game/Fish/fish.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Core/vantile_random.h"
#include "Game/Context/gamecontext.h"
#include "Game/Fish/fishfood.h"

namespace {

float Distance(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    const D3DXVECTOR3 v = a - b;
    return D3DXVec3Length(&v);
}

// Fish of size 1 in a database of their own, with no scare points.
class FishTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Vantile::SeedRandom(11);
        const CGameContext& context = CGameContext::Instance();
        m_vSavedMouse = context.m_vMouse;
        m_vSavedTrunk = context.m_vTrunk;
        m_bSavedMouseOff = context.m_bMouseOffBoard;
        m_bSavedTrunkShown = context.m_bTrunkShown;
        setScares(false, false);
    }
    // The context is the process's: it is left as it was found.
    void TearDown() override
    {
        CGameContext& context = CGameContext::Instance();
        context.m_vMouse = m_vSavedMouse;
        context.m_vTrunk = m_vSavedTrunk;
        context.m_bMouseOffBoard = m_bSavedMouseOff;
        context.m_bTrunkShown = m_bSavedTrunkShown;
    }

    static void setScares(bool bCursor, bool bEffect)
    {
        CGameContext& context = CGameContext::Instance();
        context.m_vMouse = D3DXVECTOR3(0, -1000, 0);
        context.m_bMouseOffBoard = bCursor;
        context.m_vTrunk = D3DXVECTOR3(0, -1000, 0);
        context.m_bTrunkShown = bEffect;
    }

    std::unique_ptr<CFish> makeFish(const D3DXVECTOR3& vPosition, CFishFood* pFood = nullptr)
    {
        auto pFish = std::make_unique<CFish>(m_Database, 1.0f, pFood);
        pFish->m_vPosition = vPosition;
        pFish->RegenerateOrthonormalBasisUF(D3DXVECTOR3(1, 0, 0));
        pFish->setState(CFish::CRUISING);
        return pFish;
    }

    static void swim(CFish& fish, float fSeconds)
    {
        for (float t = 0; t < fSeconds; t += 0.02f)
            fish.step(0.02f);
    }

    Vantile::CBruteForceProximityDatabase<CFish*> m_Database;
    D3DXVECTOR3 m_vSavedMouse, m_vSavedTrunk;
    bool m_bSavedMouseOff = false, m_bSavedTrunkShown = false;
};

TEST_F(FishTest, NextWaypointIsAlwaysOnTheOtherSide)
{
    for (int nFrom = 0; nFrom < 6; ++nFrom) {
        for (int i = 0; i < 20; ++i) {
            auto pFish = makeFish(D3DXVECTOR3(0, 0, 0));
            pFish->setWaypoint(nFrom);
            pFish->PickNextWaypoint(true);
            EXPECT_NE(pFish->waypoint() % 2, nFrom % 2) << "from " << nFrom;
        }
    }
}

TEST_F(FishTest, FishCloseToTheCursorFleesFasterThenSlowsAgain)
{
    auto pFish = makeFish(D3DXVECTOR3(0, 0, 0));
    pFish->setWaypoint(0);
    setScares(true, false);
    CGameContext::Instance().m_vMouse = D3DXVECTOR3(-70, 0, 0);
    pFish->step(0.02f);
    EXPECT_EQ(pFish->state(), CFish::FLEEING);
    swim(*pFish, 0.5f);
    EXPECT_EQ(pFish->maxSpeed(), 150.0f);
    EXPECT_GT(Distance(pFish->m_vPosition, CGameContext::Instance().m_vMouse), 80.0f);
    setScares(false, false);
    swim(*pFish, 1.0f);
    EXPECT_EQ(pFish->state(), CFish::SLOWING);
    swim(*pFish, 4.0f);
    EXPECT_EQ(pFish->state(), CFish::CRUISING);
    EXPECT_EQ(pFish->maxSpeed(), 60.0f);
    EXPECT_LE(pFish->speed(), 60.0f);
}

TEST_F(FishTest, ScareBetweenFishAndGoalTurnsItBack)
{
    auto pFish = makeFish(D3DXVECTOR3(0, 0, 0));
    pFish->setWaypoint(0);  // on the right
    setScares(true, false);
    CGameContext::Instance().m_vMouse = D3DXVECTOR3(40, 10, 0);
    pFish->step(0.02f);
    EXPECT_EQ(pFish->waypoint() % 2, 1) << "now heading left";
    EXPECT_EQ(pFish->target(), CFish::WAYPOINTS[pFish->waypoint()]);
}

TEST_F(FishTest, EffectPointScaresFromFurtherAway)
{
    auto pFish = makeFish(D3DXVECTOR3(0, 0, 0));
    setScares(false, true);
    CGameContext::Instance().m_vTrunk = D3DXVECTOR3(0, 250, 0);
    pFish->step(0.02f);
    EXPECT_EQ(pFish->state(), CFish::FLEEING);
    CGameContext::Instance().m_vTrunk = D3DXVECTOR3(0, 350, 0);
    pFish->step(0.02f);
    EXPECT_EQ(pFish->state(), CFish::CRUISING);
}

TEST_F(FishTest, BackFishEatsThePelletAtItsMouthThenWaits)
{
    CFishFood food;
    food.add(D3DXVECTOR3(25, 0, 0), 60.0f, 0.0f, "food-01.dds");
    food.add(D3DXVECTOR3(-300, -200, 0), 60.0f, 0.0f, "food-01.dds");
    auto pEater = makeFish(D3DXVECTOR3(0, 0, 0), &food);
    pEater->step(0.02f);
    EXPECT_EQ(food.pellets().size(), 1u);
    EXPECT_NEAR(pEater->foodTimer(), 2.0f, 1e-6f);
    // Waiting, it keeps to its waypoint and leaves the other pellet.
    pEater->step(0.02f);
    EXPECT_EQ(pEater->target(), CFish::WAYPOINTS[pEater->waypoint()]);
    EXPECT_EQ(food.pellets().size(), 1u);
}

TEST_F(FishTest, FishGoesForTheNearestPelletAndFrontFishNeverEats)
{
    CFishFood food;
    food.add(D3DXVECTOR3(300, -100, 0), 60.0f, 0.0f, "food-01.dds");
    auto pEater = makeFish(D3DXVECTOR3(0, 0, 0), &food);
    pEater->step(0.02f);
    EXPECT_EQ(pEater->target(), D3DXVECTOR3(300, -100, 0));
    swim(*pEater, 15.0f);
    EXPECT_TRUE(food.pellets().empty()) << "reached and eaten";

    food.add(D3DXVECTOR3(25, 0, 0), 60.0f, 0.0f, "food-01.dds");
    auto pFront = makeFish(D3DXVECTOR3(0, 0, 0), &food);
    pFront->setIgnoreFood(true);
    swim(*pFront, 1.0f);
    EXPECT_EQ(food.pellets().size(), 1u);
}

TEST_F(FishTest, LongFrameMovesTheFishAsFiftyMilliseconds)
{
    Vantile::CBruteForceProximityDatabase<CFish*> other;
    Vantile::SeedRandom(5);
    CFish slow(m_Database, 1.0f, nullptr);
    Vantile::SeedRandom(5);
    CFish fast(other, 1.0f, nullptr);
    Vantile::SeedRandom(9);
    slow.update({200.0, 200.0});
    Vantile::SeedRandom(9);
    fast.update({50.0, 50.0});
    EXPECT_EQ(slow.m_vPosition, fast.m_vPosition);
    EXPECT_NEAR(slow.foodTimer(), -0.2f, 1e-6f);
}

TEST_F(FishTest, SchoolFollowsItsLeader)
{
    auto pLeader = makeFish(D3DXVECTOR3(-100, 50, 0));
    std::vector<std::unique_ptr<CFish>> school;
    for (int i = 0; i < 5; ++i) {
        school.push_back(std::make_unique<CFish>(m_Database, 1.0f, nullptr));
        school.back()->setLeader(pLeader.get());
    }
    for (int nFrame = 0; nFrame < 1500; ++nFrame) {
        pLeader->step(0.02f);
        for (auto& pFish : school)
            pFish->step(0.02f);
    }
    for (auto& pFish : school) {
        EXPECT_LT(Distance(pFish->m_vPosition, pLeader->m_vPosition), 250.0f);
        EXPECT_TRUE(std::isfinite(pFish->m_vPosition.x));
    }
}

}  // namespace
