#include <gtest/gtest.h>

#include <cmath>

#include "Core/vantile_random.h"
#include "Game/Context/gamecontext.h"
#include "Game/Paths/fallingpath.h"
#include "Game/Paths/movepath.h"
#include "Game/Paths/pointpath.h"
#include "Game/Paths/shakingpath.h"

namespace {

// Runs a path in fixed frames until it stops; returns the frames used.
int RunToEnd(CBasePath& path, float fDtMs, float fSpeed, const D3DXVECTOR3& vBase, int nLimit = 100000)
{
    int nFrames = 0;
    while (path.update(&fDtMs, &fSpeed, &vBase) && nFrames < nLimit)
        ++nFrames;
    return nFrames + 1;
}

TEST(MovePath, StartingAtTheTargetIsAlreadyFinished)
{
    const D3DXVECTOR3 v(5, 5, 0);
    CMovePointToPointPath path(v, v);
    EXPECT_TRUE(path.isFinished());
}

TEST(MovePath, StepsAtItsSpeedAndLandsExactlyOnTheTarget)
{
    CMovePointToPointPath path(D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(0, -55, 0));
    const float fDt = 100, fSpeed = 200;
    const D3DXVECTOR3 vBase(0, 0, 0);
    EXPECT_TRUE(path.update(&fDt, &fSpeed, &vBase));
    EXPECT_FLOAT_EQ(path.getPosition().y, -20.0f);
    path.update(&fDt, &fSpeed, &vBase);
    EXPECT_FALSE(path.update(&fDt, &fSpeed, &vBase)) << "the third step would pass -55";
    EXPECT_EQ(path.getPosition(), D3DXVECTOR3(0, -55, 0));
}

TEST(FallingPath, WaitsFallsDipsPastTheTargetAndComesBack)
{
    Vantile::SeedRandom(7);
    CFallingPath path(D3DXVECTOR3(10, 110, 0), D3DXVECTOR3(10, 0, 0));
    const float fDt = 10, fSpeed = 0;
    const D3DXVECTOR3 vBase(0, 0, 0);
    float fLowest = 110;
    int nFrames = 0;
    for (; nFrames < 1000 && path.update(&fDt, &fSpeed, &vBase); ++nFrames) {
        if (nFrames < 19) {
            EXPECT_FLOAT_EQ(path.getPosition().y, 110.0f) << "still waiting at frame " << nFrames;
        }
        fLowest = std::min(fLowest, path.getPosition().y);
        EXPECT_FLOAT_EQ(path.getPosition().x, 10.0f);
    }
    EXPECT_LT(nFrames, 1000);
    EXPECT_LT(fLowest, -4.9f) << "dips at least 5 units past the target";
    EXPECT_GT(fLowest, -15.1f) << "and at most 15";
    EXPECT_NEAR(path.getPosition().y, 0.0f, 1e-3) << "and comes back to it";
}

TEST(ShakingPath, CirclesTheCentreForThreeSecondsThenReturns)
{
    CGameContext::Instance().m_vWhirl = D3DXVECTOR3(0, 0, 0);
    const D3DXVECTOR3 vBase(-150, 100, 0);  // the item's cell, off centre
    CShakingPath path(D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(0, 0, 0));
    const float fDt = 10, fSpeed = 300;
    const D3DXVECTOR3 vCentre(150, -96, 0);  // whirl point seen from the cell
    bool bCircled = false;
    int nFrames = 0;
    while (path.update(&fDt, &fSpeed, &vBase) && nFrames < 5000) {
        const D3DXVECTOR3 vOffset = path.getPosition() - vCentre;
        if (D3DXVec3Length(&vOffset) <= 31.0f)
            bCircled = true;
        ++nFrames;
    }
    EXPECT_TRUE(bCircled);
    EXPECT_LT(nFrames, 5000) << "the whirl must end";
    EXPECT_GT(nFrames * fDt / 1000.0f, 3.0f) << "it circles for three seconds";
    EXPECT_EQ(path.getPosition(), D3DXVECTOR3(0, 0, 0));
}

TEST(PointPath, EndsByTimeWhateverTheSpeed)
{
    const std::vector<D3DXVECTOR3> points = {{0, 0, 0}, {30, 40, 0}, {30, 100, 0}};
    for (float fSpeed : {1.0f, 50.0f, 10000.0f}) {
        CPointPath path(points);
        EXPECT_EQ(path.getTotalLength(), 110);
        EXPECT_EQ(RunToEnd(path, 100, fSpeed, D3DXVECTOR3(0, 0, 0)), 15) << "t grows by 0.2 per 100 ms";
    }
}

TEST(PointPath, PositionsAlongTheSegments)
{
    CPointPath path({{0, 0, 0}, {30, 40, 0}, {30, 100, 0}});
    const float fSpeed = 50;
    const D3DXVECTOR3 vBase(0, 0, 0);
    const struct {
        float fDt;
        D3DXVECTOR3 vExpected;
        int nSegment;
    } steps[] = {
        {250, {15, 20, 0}, 0},   // t = 0.5, 25 units
        {500, {30, 65, 0}, 1},   // t = 1.5, 75 units
        {500, {30, 100, 0}, 1},  // t = 2.5, 125 units: past the end
    };
    for (const auto& step : steps) {
        path.update(&step.fDt, &fSpeed, &vBase);
        const D3DXVECTOR3 v = path.getPosition();
        EXPECT_NEAR(v.x, step.vExpected.x, 1e-4);
        EXPECT_NEAR(v.y, step.vExpected.y, 1e-4);
        EXPECT_EQ(path.getCurrentSegment(), step.nSegment);
    }
}

}  // namespace
