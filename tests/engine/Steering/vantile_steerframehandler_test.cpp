#include "Steering/vantile_steerframehandler.h"

#include <gtest/gtest.h>

#include <memory>

#include "Steering/vantile_proximity.h"
#include "Steering/vantile_vehicle.h"

using namespace Vantile;

namespace {

// Records its updates; one may remove another from the handler on its
// update, as a game removing a fish during the steering pass would.
class CCountingVehicle : public CVehicleImpl {
public:
    void update(const FrameEvent& evt) override
    {
        ++m_nUpdates;
        m_fLastElapsed = float(evt.timeSinceLastFrame);
        if (m_pRemove)
            m_pHandler->removeVehicle(m_pRemove);
    }
    int m_nUpdates = 0;
    float m_fLastElapsed = 0;
    CSteerFrameHandler* m_pHandler = nullptr;
    CVehicleImpl* m_pRemove = nullptr;
};

TEST(SteerFrameHandler, UpdatesEveryVehicleUntilItIsRemoved)
{
    CSteerFrameHandler handler;
    CCountingVehicle a, b;
    handler.addVehicle(&a);
    handler.addVehicle(&b);
    EXPECT_TRUE(handler.frameStarted({16.0, 16.0}));
    EXPECT_EQ(a.m_nUpdates, 1);
    EXPECT_EQ(b.m_fLastElapsed, 16.0f);
    handler.removeVehicle(&a);
    handler.frameStarted({16.0, 32.0});
    EXPECT_EQ(a.m_nUpdates, 1);
    EXPECT_EQ(b.m_nUpdates, 2);
    EXPECT_EQ(handler.vehicleCount(), 1u);
    handler.clear();
    handler.frameStarted({16.0, 48.0});
    EXPECT_EQ(b.m_nUpdates, 2);
}

TEST(SteerFrameHandler, VehicleRemovedDuringTheWalkIsNeverCalledAgain)
{
    CSteerFrameHandler handler;
    CCountingVehicle first;
    auto pDoomed = std::make_unique<CCountingVehicle>();
    first.m_pHandler = &handler;
    first.m_pRemove = pDoomed.get();
    handler.addVehicle(&first);
    handler.addVehicle(pDoomed.get());
    handler.frameStarted({16.0, 16.0});
    EXPECT_EQ(pDoomed->m_nUpdates, 0);
    // Gone for good: deleting it now is safe.
    pDoomed.reset();
    first.m_pRemove = nullptr;
    handler.frameStarted({16.0, 32.0});
    EXPECT_EQ(first.m_nUpdates, 2);
    EXPECT_EQ(handler.vehicleCount(), 1u);
}

TEST(ProximityDatabase, NeighboursAreOthersWhoseSpheresTouchTheQuery)
{
    CBruteForceProximityDatabase<int> database;
    std::unique_ptr<CAbstractProximityElement<int>> tokens[4];
    const float afX[] = {0, 5, 12, 30};
    for (int i = 0; i < 4; ++i) {
        tokens[i].reset(database.allocateToken(i));
        tokens[i]->updateForNewPosition(D3DXVECTOR3(afX[i], 0, 0));
        tokens[i]->updateForNewRadius(2.0f);
    }
    std::vector<int> found{99};
    tokens[0]->findNeighbors(D3DXVECTOR3(0, 0, 0), 10.5f, found);
    EXPECT_EQ(found, (std::vector<int>{1, 2})) << "never the asking token; 12 < 10.5 + 2";
    tokens[1].reset();
    tokens[0]->findNeighbors(D3DXVECTOR3(0, 0, 0), 10.5f, found);
    EXPECT_EQ(found, (std::vector<int>{2})) << "a deleted token leaves the database";
    EXPECT_EQ(database.tokenCount(), 3u);
}

}  // namespace
