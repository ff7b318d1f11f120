#include "Scene/vantile_chainnode.h"

#include "Core/vantile_frametimer.h"

namespace Vantile {

namespace {

// Directions that cancel out (a link turned right round) take the target
// rather than a zero axis.
D3DXVECTOR3 Blend(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo, float fFactor)
{
    D3DXVECTOR3 vOut = vFrom + (vTo - vFrom) * fFactor;
    if (D3DXVec3Length(&vOut) < 1e-6f)
        return vTo;
    D3DXVec3Normalize(&vOut, &vOut);
    return vOut;
}

}  // namespace

CChainNode::CChainNode(const std::string& strName, CChainNode* pLeader, float fLinkLength, float fSpeed)
    : CNode(strName, IdentityMatrix()), m_pLeader(pLeader), m_fLinkLength(fLinkLength), m_fSpeed(fSpeed)
{
}

void CChainNode::Animate()
{
    if (m_pLeader)
        follow();
    else
        m_vPosition += m_vForward * (m_fSpeed * CFrameTimer::Instance().frameSeconds());
    m_mLocal = ToMatrix();
    CNode::Animate();
}

void CChainNode::follow()
{
    const D3DXVECTOR3 vToLeader = m_pLeader->m_vPosition - m_vPosition;
    const float fDistance = D3DXVec3Length(&vToLeader);
    // A link sitting on its leader has no line to follow; it keeps its
    // heading and only takes the leader's.
    const D3DXVECTOR3 vLine = fDistance > 0 ? vToLeader / fDistance : m_vForward;
    m_vPosition = m_pLeader->m_vPosition - vLine * m_fLinkLength;
    const D3DXVECTOR3 vHeading = Blend(m_vForward, vLine, TOWARDS_LINE);
    m_vForward = Blend(vHeading, m_pLeader->m_vForward, TOWARDS_HEADING);
    m_vUp = m_pLeader->m_vUp;
    D3DXVec3Cross(&m_vSide, &m_vForward, &m_vUp);
    D3DXVec3Normalize(&m_vSide, &m_vSide);
}

}  // namespace Vantile
