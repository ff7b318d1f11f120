#include "Game/Paths/movepath.h"

namespace {

D3DXVECTOR3 Normalised(const D3DXVECTOR3& v)
{
    D3DXVECTOR3 vOut;
    D3DXVec3Normalize(&vOut, &v);
    return vOut;
}

}  // namespace

void MoveStraight(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo, float fDtMs, float fSpeed,
                  D3DXVECTOR3& vCurrent)
{
    if (vCurrent == vTo)
        return;
    const D3DXVECTOR3 vDirection = Normalised(vTo - vFrom);
    vCurrent += vDirection * (fDtMs / 1000.0f * fSpeed);
    const D3DXVECTOR3 vLeft = Normalised(vTo - vCurrent);
    if (D3DXVec3Dot(&vDirection, &vLeft) < 0)
        vCurrent = vTo;
}

CMovePointToPointPath::CMovePointToPointPath(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo)
    : m_vFrom(vFrom), m_vTo(vTo), m_vCurrent(vFrom)
{
}

bool CMovePointToPointPath::update(const float* pDt, const float* pSpeed, const D3DXVECTOR3* pBase)
{
    MoveStraight(m_vFrom, m_vTo, *pDt, *pSpeed, m_vCurrent);
    return !isFinished();
}
