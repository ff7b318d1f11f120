#include "Game/Paths/shakingpath.h"

#include "Game/Context/gamecontext.h"

CShakingPath::CShakingPath(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo)
    : m_vFrom(vFrom), m_vTo(vTo), m_vCurrent(vFrom), m_vReturnStart(vFrom), m_vCentre(0, 0, 0)
{
}

bool CShakingPath::update(const float* pDt, const float* pSpeed, const D3DXVECTOR3* pBase)
{
    if (m_vCurrent == m_vTo && !m_bFirstUpdate)
        return false;
    if (m_bFirstUpdate) {
        m_bFirstUpdate = false;
        // The whirl point as an offset from the item's own cell.
        m_vCentre = CGameContext::Instance().m_vWhirl - *pBase + D3DXVECTOR3(0, 4, 0);
    }
    if (m_bWhirling) {
        whirl(*pDt, *pSpeed);
        return true;
    }
    MoveStraight(m_vReturnStart, m_vTo, *pDt, *pSpeed, m_vCurrent);
    return !isFinished();
}

void CShakingPath::whirl(float fDt, float fSpeed)
{
    D3DXVECTOR3 vToCentre = m_vCentre - m_vFrom;
    D3DXVec3Normalize(&vToCentre, &vToCentre);
    const D3DXVECTOR3 vOffset = m_vCentre - m_vCurrent;
    if (D3DXVec3Length(&vOffset) <= NEAR_DISTANCE)
        m_bNear = true;
    if (m_bNear && m_fWhirlTime < WHIRL_SECONDS) {
        m_fWhirlTime += fDt / 1000.0f;
        circle(fDt);
    } else if (m_fWhirlTime >= WHIRL_SECONDS) {
        // At exactly three seconds the whirl ends too, or the item would
        // fly on forever.
        m_bWhirling = false;
        m_vReturnStart = m_vCurrent;
    } else {
        m_vCurrent += vToCentre * (fDt / 1000.0f * fSpeed);
    }
}

// Rotates the current point about the z axis through the whirl centre.
void CShakingPath::circle(float fDt)
{
    const D3DXVECTOR3 vAxis(0, 0, 1);
    const D3DXVECTOR3 vPivot(m_vCentre.x, m_vCentre.y, 1);
    D3DXMATRIX mToPivot, mRotate, mBack, mAll;
    D3DXMatrixTranslation(&mToPivot, -vPivot.x, -vPivot.y, -vPivot.z);
    D3DXMatrixRotationAxis(&mRotate, &vAxis, WHIRL_RADIANS_PER_SECOND * fDt / 1000.0f);
    D3DXMatrixTranslation(&mBack, vPivot.x, vPivot.y, vPivot.z);
    D3DXMatrixMultiply(&mAll, &mToPivot, &mRotate);
    D3DXMatrixMultiply(&mAll, &mAll, &mBack);
    D3DXVec3TransformCoord(&m_vCurrent, &m_vCurrent, &mAll);
}
