#include "Scene/vantile_chainnode.h"

#include <gtest/gtest.h>

#include <cmath>

#include "scene_test_support.h"

using Vantile::CChainNode;

namespace {

TEST(ChainNode, AHeadSwimsForwardAtItsSpeed)
{
    CSceneClock clock;
    CChainNode head("ChainRoot", nullptr, 40, 50);
    clock.Step(100);
    head.Animate();
    EXPECT_NEAR(head.m_vPosition.x, 5.0f, 1e-4f);
    EXPECT_NEAR(head.GetLocalMatrix()->_41, 5.0f, 1e-4f) << "the local matrix follows the frame";
}

TEST(ChainNode, LinksTrailTheirLeaderAtTheLinkLengthAndTurnTowardsIt)
{
    CSceneClock clock;
    CChainNode head("ChainRoot", nullptr, 40, 0);
    CChainNode link("ChainChild", &head, 30, 0);
    link.m_vPosition = D3DXVECTOR3(-30, 0, 0);
    head.m_vPosition = D3DXVECTOR3(0, 40, 0);
    head.RegenerateOrthonormalBasisUF(D3DXVECTOR3(0.6f, 0.8f, 0));
    float fPreviousTurn = 10;
    for (int nFrame = 0; nFrame < 10; ++nFrame) {
        clock.Step(16);
        link.Animate();
        const D3DXVECTOR3 vToLeader = head.m_vPosition - link.m_vPosition;
        EXPECT_NEAR(D3DXVec3Length(&vToLeader), 30.0f, 1e-3f) << "frame " << nFrame;
        const float fTurn = 1.0f - D3DXVec3Dot(&link.m_vForward, &head.m_vForward);
        EXPECT_LE(fTurn, fPreviousTurn + 1e-5f) << "the link keeps turning towards the leader";
        fPreviousTurn = fTurn;
        EXPECT_NEAR(D3DXVec3Length(&link.m_vForward), 1.0f, 1e-5f);
    }
    EXPECT_LT(fPreviousTurn, 0.02f);
}

TEST(ChainNode, ALinkOnTopOfItsLeaderStaysFinite)
{
    CSceneClock clock;
    CChainNode head("ChainRoot", nullptr, 40, 0);
    CChainNode link("ChainChild", &head, 10, 0);
    link.m_vForward = D3DXVECTOR3(-1, 0, 0);  // facing away from the leader's heading
    clock.Step(16);
    link.Animate();
    const D3DXMATRIX& m = *link.GetLocalMatrix();
    for (float f : {m._11, m._12, m._13, m._41, m._42, m._43})
        EXPECT_TRUE(std::isfinite(f));
    EXPECT_NEAR(D3DXVec3Length(&link.m_vForward), 1.0f, 1e-5f);
}

}  // namespace
