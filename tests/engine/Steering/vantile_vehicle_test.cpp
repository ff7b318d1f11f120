#include "Steering/vantile_vehicle.h"

#include <gtest/gtest.h>

#include <cmath>

using Vantile::CVehicleImpl;

namespace {

void ExpectVector(const D3DXVECTOR3& actual, const D3DXVECTOR3& expected, float fTolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x, expected.x, fTolerance);
    EXPECT_NEAR(actual.y, expected.y, fTolerance);
    EXPECT_NEAR(actual.z, expected.z, fTolerance);
}

bool IsFinite(const D3DXVECTOR3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// At the origin heading +x at speed 2, with limits 5 (speed) and 100
// (force), mass 1.
CVehicleImpl MovingVehicle()
{
    CVehicleImpl vehicle;
    vehicle.setMaxSpeed(5.0f);
    vehicle.setSpeed(2.0f);
    vehicle.setMaxForce(100.0f);
    return vehicle;
}

TEST(SteeringBehaviours, SeekAndFleeGiveTheDesiredVelocityLessTheCurrentOne)
{
    CVehicleImpl vehicle = MovingVehicle();
    ExpectVector(vehicle.steerForSeek(D3DXVECTOR3(0, 10, 0)), D3DXVECTOR3(-2, 5, 0));
    ExpectVector(vehicle.steerForFlee(D3DXVECTOR3(0, 10, 0)), D3DXVECTOR3(-2, -5, 0));
    // A near target is not truncated up to the speed limit.
    ExpectVector(vehicle.steerForSeek(D3DXVECTOR3(3, 0, 0)), D3DXVECTOR3(1, 0, 0));
    ExpectVector(vehicle.predictFuturePosition(1.5f), D3DXVECTOR3(3, 0, 0));
}

TEST(SteeringBehaviours, OnlyTheFirstTooCloseNeighbourIsAvoidedSideways)
{
    CVehicleImpl vehicle = MovingVehicle();
    CVehicleImpl far, near, nearer;
    far.m_vPosition = D3DXVECTOR3(0, 10, 0);
    near.m_vPosition = D3DXVECTOR3(1, -1.5f, 0);
    nearer.m_vPosition = D3DXVECTOR3(0, 0.5f, 0);
    // Radii 1 + 1: anything closer than 2 (+ the separation) counts; the
    // part along the heading is dropped.
    std::vector<CVehicleImpl*> neighbours{&far, &near, &nearer};
    ExpectVector(vehicle.steerToAvoidCloseNeighbors(0.0f, neighbours), D3DXVECTOR3(0, 1.5f, 0));
    std::vector<CVehicleImpl*> none{&far};
    ExpectVector(vehicle.steerToAvoidCloseNeighbors(0.0f, none), D3DXVECTOR3(0, 0, 0));
    ExpectVector(vehicle.steerToAvoidCloseNeighbors(8.5f, none), D3DXVECTOR3(0, -10, 0));
}

TEST(SteeringBehaviours, StayInBoxPointsBackPerAxisAndClampsWithinTheMargin)
{
    CVehicleImpl vehicle = MovingVehicle();
    vehicle.m_vPosition = D3DXVECTOR3(0, 7, -4);
    const D3DXVECTOR3 vMin(-1, -1, -1), vMax(1, 1, 1);
    ExpectVector(vehicle.steerToStayInBox(vMin, vMax, false, 0.5f), D3DXVECTOR3(-1, -1, 1));
    ExpectVector(vehicle.m_vPosition, D3DXVECTOR3(0, 7, -4));
    vehicle.steerToStayInBox(vMin, vMax, true, 0.5f);
    ExpectVector(vehicle.m_vPosition, D3DXVECTOR3(0, 1.5f, -1.5f));
}

TEST(VehicleMotion, SmoothingRateFollowsTheFrameTime)
{
    const struct {
        float fElapsed;
        float fRate;
    } cases[] = {{0.01f, 0.15f}, {0.05f, 0.45f}, {1.0f / 15.0f, 0.6f}, {0.1f, 0.6f}};
    for (const auto& c : cases) {
        CVehicleImpl vehicle = MovingVehicle();
        vehicle.setSpeed(4.5f);  // fast enough to turn freely
        vehicle.applySteeringForce(D3DXVECTOR3(0, 10, 0), c.fElapsed);
        ExpectVector(vehicle.smoothedAcceleration(), D3DXVECTOR3(0, 10 * c.fRate, 0));
    }
}

TEST(VehicleMotion, FastVehicleTurnsFreelyAndMovesByItsNewVelocity)
{
    CVehicleImpl vehicle = MovingVehicle();
    vehicle.setSpeed(4.0f);  // exactly 0.8 x the limit
    vehicle.setMass(2.0f);
    vehicle.applySteeringForce(D3DXVECTOR3(0, 100, 0), 0.1f);
    // Acceleration 50 up, smoothed at 0.6: 30; velocity (4, 3), speed 5.
    ExpectVector(vehicle.smoothedAcceleration(), D3DXVECTOR3(0, 30, 0));
    EXPECT_NEAR(vehicle.speed(), 5.0f, 1e-4f);
    ExpectVector(vehicle.m_vPosition, D3DXVECTOR3(0.4f, 0.3f, 0));
    ExpectVector(vehicle.m_vForward, D3DXVECTOR3(0.8f, 0.6f, 0));
}

TEST(VehicleMotion, StandingVehicleMayOnlyPushStraightAhead)
{
    CVehicleImpl vehicle = MovingVehicle();
    vehicle.setSpeed(0.0f);
    vehicle.applySteeringForce(D3DXVECTOR3(0, 3, 0), 0.05f);
    ExpectVector(vehicle.smoothedAcceleration(), D3DXVECTOR3(3 * 0.45f, 0, 0));
    ExpectVector(vehicle.m_vForward, D3DXVECTOR3(1, 0, 0));
}

TEST(VehicleMotion, ZeroForceOnlyDecaysTheSmoothing)
{
    CVehicleImpl vehicle = MovingVehicle();
    vehicle.setSpeed(4.5f);
    vehicle.applySteeringForce(D3DXVECTOR3(0, 10, 0), 0.1f);
    const D3DXVECTOR3 vBefore = vehicle.smoothedAcceleration();
    vehicle.applySteeringForce(D3DXVECTOR3(0, 0, 0), 0.1f);
    ExpectVector(vehicle.smoothedAcceleration(), vBefore * 0.4f);
}

TEST(VehicleMotion, BrakingIsLimitedByTheMaximumForce)
{
    CVehicleImpl vehicle = MovingVehicle();
    vehicle.setSpeed(4.0f);
    vehicle.applyBrakingForce(1.5f, 0.1f);
    EXPECT_NEAR(vehicle.speed(), 4.0f - 0.6f, 1e-5f);
    vehicle.setMaxForce(1.0f);
    vehicle.applyBrakingForce(1.5f, 0.1f);
    EXPECT_NEAR(vehicle.speed(), 3.4f - 0.1f, 1e-5f);
}

TEST(VehicleMotion, DegenerateHeadingsStayFinite)
{
    // Straight up, straight back from a standstill, and a stop: none may
    // turn the frame into NaN.
    CVehicleImpl climbing = MovingVehicle();
    climbing.RegenerateOrthonormalBasisUF(D3DXVECTOR3(0, 1, 0));
    EXPECT_TRUE(IsFinite(climbing.m_vSide) && IsFinite(climbing.m_vUp));
    EXPECT_NEAR(D3DXVec3Length(&climbing.m_vSide), 1.0f, 1e-5f);

    CVehicleImpl standing = MovingVehicle();
    standing.setSpeed(0.0f);
    standing.applySteeringForce(D3DXVECTOR3(-10, 0, 0), 0.05f);
    EXPECT_TRUE(IsFinite(standing.m_vForward) && IsFinite(standing.m_vPosition));

    CVehicleImpl stopping = MovingVehicle();
    stopping.setSpeed(0.0f);
    stopping.applySteeringForce(D3DXVECTOR3(0, 0, 0), 0.05f);
    ExpectVector(stopping.m_vForward, D3DXVECTOR3(1, 0, 0));
    EXPECT_TRUE(IsFinite(stopping.m_vSide) && IsFinite(stopping.m_vUp));
}

}  // namespace
