#include "Steering/vantile_localspace.h"

#include <gtest/gtest.h>

namespace {

void ExpectNear(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    EXPECT_NEAR(a.x, b.x, 1e-5f);
    EXPECT_NEAR(a.y, b.y, 1e-5f);
    EXPECT_NEAR(a.z, b.z, 1e-5f);
}

TEST(LocalSpace, RegeneratedFrameIsOrthonormalWithoutRoll)
{
    Vantile::CLocalSpace frame;
    D3DXVECTOR3 vForward(1, 1, 0);
    D3DXVec3Normalize(&vForward, &vForward);
    frame.RegenerateOrthonormalBasisUF(vForward);
    ExpectNear(frame.m_vForward, vForward);
    EXPECT_NEAR(D3DXVec3Dot(&frame.m_vSide, &frame.m_vForward), 0.0f, 1e-6f);
    EXPECT_NEAR(D3DXVec3Dot(&frame.m_vUp, &frame.m_vForward), 0.0f, 1e-6f);
    EXPECT_NEAR(D3DXVec3Length(&frame.m_vSide), 1.0f, 1e-6f);
    EXPECT_NEAR(D3DXVec3Length(&frame.m_vUp), 1.0f, 1e-6f);
    EXPECT_NEAR(frame.m_vSide.y, 0.0f, 1e-6f) << "the side stays level";
    EXPECT_GT(frame.m_vUp.y, 0.0f);
}

TEST(LocalSpace, MatrixHoldsTheAxesAndPositionInItsRows)
{
    Vantile::CLocalSpace frame;
    frame.m_vPosition = D3DXVECTOR3(5, 6, 7);
    const D3DXMATRIX m = frame.ToMatrix();
    ExpectNear(D3DXVECTOR3(m._11, m._12, m._13), frame.m_vForward);
    ExpectNear(D3DXVECTOR3(m._21, m._22, m._23), frame.m_vSide);
    ExpectNear(D3DXVECTOR3(m._31, m._32, m._33), frame.m_vUp);
    ExpectNear(D3DXVECTOR3(m._41, m._42, m._43), frame.m_vPosition);
    EXPECT_EQ(m._44, 1.0f);
}

}  // namespace
