#include "Game/Fish/fishworld.h"

#include <gtest/gtest.h>

#include <memory>

#include "Core/vantile_random.h"
#include "Resources/vantile_resourcemanager.h"
#include "Steering/vantile_steerframehandler.h"
#include "support/log_capture.h"
#include "support/fish_models.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

class FishWorldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Data.write("game/test_segmented_fish.object", SegmentedFishObject());
        CResourceManager::Instance().Init(m_Data.path() + "/game", true);
        Vantile::SeedRandom(3);
        m_World.setSteerHandler(&m_Handler);
        m_World.setRoot(&m_Root);
    }
    void TearDown() override
    {
        m_World.ClearFish();
        m_World.setSteerHandler(nullptr);
        m_World.setRoot(nullptr);
    }

    void frames(int nCount)
    {
        for (int i = 0; i < nCount; ++i) {
            m_Handler.frameStarted({20.0, 20.0 * (i + 1)});
            m_Root.Process(PROCESS_UPDATE | PROCESS_ANIMATE);
            m_World.ProcessFrontFish();
            m_World.ProcessBackFish();
        }
    }

    CTempFolder m_Data;
    CSteerFrameHandler m_Handler;
    CNode m_Root;
    CFishWorld& m_World = CFishWorld::Instance();
};

TEST_F(FishWorldTest, SchoolBodiesHangTheirSegmentsOnChainsTrailingTheHead)
{
    m_World.CreateSchool("test_segmented_fish.object", 2, false, 0.2f, true);
    ASSERT_EQ(m_World.backFish().size(), 2u);
    EXPECT_EQ(m_Handler.vehicleCount(), 2u);
    EXPECT_EQ(m_World.backFish()[1]->leader(), m_World.backFish()[0]);
    EXPECT_EQ(m_Root.GetChildCount(), 8u) << "four links per fish";
    frames(50);
    CFish* pFish = m_World.backFish()[0];
    // Segments 1 to 3 ride the links, 20 units apart at scale 0.2, the
    // first at the head; the fourth stays with the model.
    const CNode* pFirst = m_Root.FindChild("Fish001");
    const CNode* pSecond = m_Root.FindChild("Fish002");
    ASSERT_TRUE(pFirst && pSecond);
    const D3DXVECTOR3 vFirst(pFirst->GetWorld()._41, pFirst->GetWorld()._42, pFirst->GetWorld()._43);
    const D3DXVECTOR3 vSecond(pSecond->GetWorld()._41, pSecond->GetWorld()._42, pSecond->GetWorld()._43);
    const D3DXVECTOR3 vGap = vFirst - vSecond;
    EXPECT_NEAR(D3DXVec3Length(&vGap), 20.0f, 3.0f) << "bent a little as the fish turns";
    const D3DXVECTOR3 vFromHead = vFirst - pFish->m_vPosition;
    EXPECT_LT(D3DXVec3Length(&vFromHead), 12.0f) << "within a tenth of the fish";
    EXPECT_NE(pFish->headNode()->FindChild("Fish004"), nullptr);
}

TEST_F(FishWorldTest, RemovedFishLeavesHandlerSchoolAndRoot)
{
    m_World.CreateSchool("test_segmented_fish.object", 3, true, 0.2f, true);
    CFish* pLeader = m_World.frontFish()[0];
    m_World.RemoveFish(pLeader);
    EXPECT_EQ(m_Handler.vehicleCount(), 2u);
    EXPECT_EQ(m_Root.GetChildCount(), 8u);
    for (CFish* pFish : m_World.frontFish())
        EXPECT_EQ(pFish->leader(), nullptr);
    frames(10);  // under the sanitizer, a touched freed fish would show
    m_World.MoveBackToFront();
    m_World.CreateSchool("test_segmented_fish.object", 1, false, 0.2f, false);
    m_World.MoveBackToFront();
    EXPECT_EQ(m_World.frontFish().size(), 3u);
    EXPECT_TRUE(m_World.frontFish().back()->ignoresFood());
    m_World.ClearFish();
    EXPECT_EQ(m_Handler.vehicleCount(), 0u);
    EXPECT_EQ(m_Root.GetChildCount(), 0u);
}

TEST_F(FishWorldTest, CountsBeyondTheSpeciesTableAreLoggedAndSkipped)
{
    CLogCapture log;
    m_World.CreateFishSchools(true, std::vector<int>(9, 0));
    EXPECT_TRUE(m_World.frontFish().empty());
    EXPECT_NE(log.text().find("Fish counts for 9 species, only 7 known"), std::string::npos);
}

}  // namespace
