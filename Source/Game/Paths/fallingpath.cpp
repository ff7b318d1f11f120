#include "Game/Paths/fallingpath.h"

#include <cmath>

CFallingPath::CFallingPath(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo)
    : m_vFrom(vFrom), m_vTo(vTo), m_vCurrent(vFrom)
{
    const float fDistance = std::fabs(vTo.y - vFrom.y);
    m_Distance.addWait(0, WAIT_SECONDS);
    m_Fall.init(fDistance, ACCELERATION);
    m_Distance.add(&m_Fall);
    const CSin2Representator dip(fDistance);
    m_Distance.addSinus(0, D3DX_PI, DIP_SECONDS, &dip);
}

bool CFallingPath::update(const float* pDt, const float* pSpeed, const D3DXVECTOR3* pBase)
{
    m_Distance.update(*pDt / 1000.0f);
    m_vCurrent = D3DXVECTOR3(m_vFrom.x, m_vFrom.y - m_Distance.getValue(), m_vFrom.z);
    return !isFinished();
}
