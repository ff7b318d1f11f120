#include "Scene/vantile_animationtrack.h"
#include "Scene/vantile_node.h"

#include <gtest/gtest.h>

#include <cmath>

#include "scene_test_support.h"

using namespace Vantile;

namespace {

D3DXQUATERNION AboutZ(float fAngle)
{
    return D3DXQUATERNION(0.0f, 0.0f, std::sin(fAngle / 2), std::cos(fAngle / 2));
}

D3DXMATRIX RotationZ(float fAngle)
{
    D3DXMATRIX m;
    return *D3DXMatrixRotationZ(&m, fAngle);
}

const float PI = 3.14159265f;

TEST(AnimationTrackTest, PositionsInterpolateAndHoldTheNearestKeyOutsideTheKeys)
{
    const CAnimationTrack track("swim", {{1.0f, {0, 0, 0}}, {3.0f, {10, 20, -4}}, {4.0f, {10, 0, 0}}}, {}, {});
    EXPECT_FLOAT_EQ(track.GetLength(), 4.0f);
    struct Case {
        float fTime;
        D3DXVECTOR3 vExpected;
    };
    const Case cases[] = {
        {0.0f, {0, 0, 0}},  {1.0f, {0, 0, 0}}, {2.0f, {5, 10, -2}}, {3.0f, {10, 20, -4}},
        {3.5f, {10, 10, -2}}, {4.0f, {10, 0, 0}}, {99.0f, {10, 0, 0}},
    };
    for (const Case& test : cases) {
        D3DXMATRIX mExpected = Translation(test.vExpected.x, test.vExpected.y, test.vExpected.z);
        EXPECT_TRUE(MatrixNear(track.Sample(test.fTime), mExpected)) << "t = " << test.fTime;
    }
}

TEST(AnimationTrackTest, RotationsFollowTheGreatArc)
{
    const CAnimationTrack track("turn", {}, {{0.0f, AboutZ(0.0f)}, {2.0f, AboutZ(PI / 2)}}, {});
    EXPECT_TRUE(MatrixNear(track.Sample(1.0f), RotationZ(PI / 4))) << "halfway is 45 degrees, not a blend";
    EXPECT_TRUE(MatrixNear(track.Sample(0.5f), RotationZ(PI / 8)));
    EXPECT_TRUE(MatrixNear(track.Sample(-1.0f), RotationZ(0.0f)));
    EXPECT_TRUE(MatrixNear(track.Sample(5.0f), RotationZ(PI / 2)));
}

TEST(AnimationTrackTest, SlerpTakesTheShortWayAndBlendsNearlyEqualRotations)
{
    // The same 90 degree turn written with the opposite sign must not spin
    // the long way round.
    const D3DXQUATERNION q = CAnimationTrack::Slerp(AboutZ(0.0f), -AboutZ(PI / 2), 0.5f);
    D3DXMATRIX m;
    EXPECT_TRUE(MatrixNear(*D3DXMatrixRotationQuaternion(&m, &q), RotationZ(PI / 4)));

    const D3DXQUATERNION a(0.0f, 0.0f, 0.0f, 1.0f);
    const D3DXQUATERNION b = AboutZ(0.1f);
    const D3DXQUATERNION blended = CAnimationTrack::Slerp(a, b, 0.5f);
    EXPECT_FLOAT_EQ(blended.z, b.z / 2);
    EXPECT_FLOAT_EQ(blended.w, (1.0f + b.w) / 2) << "close rotations are blended, not renormalised";
}

TEST(AnimationTrackTest, ScaleGoesOnTheDiagonalUnderTheRotationAndPosition)
{
    const CAnimationTrack track("grow", {{0.0f, {7, 8, 9}}}, {{0.0f, AboutZ(PI / 2)}}, {{0.0f, {1, 1, 1}}, {1.0f, {3, 5, 7}}});
    D3DXMATRIX mScale, mExpected;
    D3DXMatrixScaling(&mScale, 2, 3, 4);
    const D3DXMATRIX mRotation = RotationZ(PI / 2);
    D3DXMatrixMultiply(&mExpected, &mRotation, &mScale);
    mExpected._41 = 7;
    mExpected._42 = 8;
    mExpected._43 = 9;
    EXPECT_TRUE(MatrixNear(track.Sample(0.5f), mExpected));
}

TEST(AnimationTrackTest, NoKeysGiveTheIdentityAndLengthZero)
{
    const CAnimationTrack track("empty", {}, {}, {});
    EXPECT_FLOAT_EQ(track.GetLength(), 0.0f);
    EXPECT_TRUE(MatrixNear(track.Sample(3.0f), IdentityMatrix()));
}

}  // namespace
