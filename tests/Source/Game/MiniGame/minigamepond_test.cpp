#include "Game/MiniGame/minigamepond.h"

#include <gtest/gtest.h>

#include "Core/vantile_random.h"
#include "Game/Fish/fishworld.h"
#include "Resources/vantile_resourcemanager.h"
#include "Steering/vantile_steerframehandler.h"
#include "support/fish_models.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

class FishWorldPondTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Data.write("game/percula.object", SegmentedFishObject());
        CResourceManager::Instance().Init(m_Data.path() + "/game", true);
        SeedRandom(5);
        m_World.setSteerHandler(&m_Handler);
        m_World.setRoot(&m_Root);
    }
    void TearDown() override
    {
        m_World.ClearFish();
        m_World.setSteerHandler(nullptr);
        m_World.setRoot(nullptr);
    }

    CTempFolder m_Data;
    CFishWorld& m_World = CFishWorld::Instance();
    CSteerFrameHandler m_Handler;
    CNode m_Root;
    CFishWorldPond m_Pond;
};

TEST_F(FishWorldPondTest, AFreedFishStartsAtItsCellAndJoinsTheAquariumAtItsSpeciesSize)
{
    m_Pond.freeFish("Percula.object", D3DXVECTOR3(-154.0f, 77.0f, 0.0f));
    ASSERT_EQ(1u, m_World.backFish().size()) << "among the fish that take food";
    const CFish& freed = *m_World.backFish()[0];
    EXPECT_FLOAT_EQ(-154.0f, freed.m_vPosition.x);
    EXPECT_FLOAT_EQ(77.0f, freed.m_vPosition.y);
    EXPECT_FLOAT_EQ(CFishWorldPond::FREED_SCALE / 0.2f, freed.size());
    ASSERT_NE(nullptr, freed.headNode());
    EXPECT_FLOAT_EQ(-154.0f, freed.headNode()->m_vPosition.x) << "the body starts where the fish is";

    m_Pond.clearFish();
    EXPECT_TRUE(m_World.backFish().empty());
    m_Pond.releaseFish("Percula.object");
    ASSERT_EQ(1u, m_World.backFish().size());
    EXPECT_FLOAT_EQ(0.16666667f / 0.2f, m_World.backFish()[0]->size()) << "as the species swims in the aquarium";
}

TEST_F(FishWorldPondTest, StrayFishLeaveOneAFrameAndTheSteeringForgetsThem)
{
    for (float x : {0.0f, 460.0f, -451.0f}) {
        CFish* pFish = m_World.AddFish(false, 1.0f);
        pFish->m_vPosition = D3DXVECTOR3(x, 0.0f, 0.0f);
    }
    ASSERT_EQ(3u, m_Handler.vehicleCount());
    m_Pond.removeStrayFish(450.0f);
    EXPECT_EQ(2u, m_World.backFish().size());
    EXPECT_EQ(2u, m_Handler.vehicleCount());
    m_Pond.removeStrayFish(450.0f);
    m_Pond.removeStrayFish(450.0f);
    ASSERT_EQ(1u, m_World.backFish().size()) << "the fish inside stays";
    EXPECT_FLOAT_EQ(0.0f, m_World.backFish()[0]->m_vPosition.x);
    EXPECT_EQ(1u, m_Handler.vehicleCount());
    // The handler steps only the fish still there.
    m_Handler.frameStarted({20.0, 20.0});
}

}  // namespace
