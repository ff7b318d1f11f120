#include "Steering/vantile_localspace.h"

namespace Vantile {

void CLocalSpace::RegenerateOrthonormalBasisUF(const D3DXVECTOR3& vNewForward)
{
    m_vForward = vNewForward;
    const D3DXVECTOR3 vWorldUp(0, 1, 0);
    D3DXVECTOR3 vSide;
    D3DXVec3Cross(&vSide, &m_vForward, &vWorldUp);
    // Heading straight up or down there is no level side axis; the old one
    // is still perpendicular to the new heading, so it stays.
    if (D3DXVec3Length(&vSide) > 1e-6f)
        D3DXVec3Normalize(&m_vSide, &vSide);
    D3DXVec3Cross(&m_vUp, &m_vSide, &m_vForward);
    D3DXVec3Normalize(&m_vUp, &m_vUp);
}

D3DXMATRIX CLocalSpace::ToMatrix() const
{
    return D3DXMATRIX(m_vForward.x, m_vForward.y, m_vForward.z, 0,
                      m_vSide.x, m_vSide.y, m_vSide.z, 0,
                      m_vUp.x, m_vUp.y, m_vUp.z, 0,
                      m_vPosition.x, m_vPosition.y, m_vPosition.z, 1);
}

}  // namespace Vantile
