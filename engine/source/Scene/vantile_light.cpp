#include "Scene/vantile_light.h"

#include "Renderstages/vantile_renderqueue.h"

namespace Vantile {

CLight::CLight(const std::string& strName, const D3DXMATRIX& mLocal) : CNode(strName, mLocal) {}

int CLight::Enqueue()
{
    CRenderQueue* pQueue = CRenderQueue::Current();
    if (!m_bOn || !pQueue)
        return 0;
    pQueue->AddLight(this);
    return 1;
}

CNode* CLight::Clone() const
{
    CLight* pClone = new CLight(m_strName, m_mLocal);
    pClone->SetColor(m_afColor[0], m_afColor[1], m_afColor[2]);
    pClone->m_bOn = m_bOn;
    pClone->SetShape(m_nType, m_fTargetDistance, m_fHotspot, m_fFalloff);
    CopyInto(*pClone);
    return pClone;
}

void CLight::SetColor(float fRed, float fGreen, float fBlue)
{
    m_afColor[0] = fRed;
    m_afColor[1] = fGreen;
    m_afColor[2] = fBlue;
}

void CLight::SetShape(int nType, float fTargetDistance, float fHotspot, float fFalloff)
{
    m_nType = nType;
    m_fTargetDistance = fTargetDistance;
    m_fHotspot = fHotspot;
    m_fFalloff = fFalloff;
}

}  // namespace Vantile
