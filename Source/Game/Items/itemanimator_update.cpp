// The per-frame part of the animator: timing, motion, layer ends, drawing.
#include "Game/Items/itemanimator.h"

#include "Game/Items/animationcallback.h"

void CItemAnimator::update(float fDt, const D3DXVECTOR3& vCell)
{
    m_fClock += fDt / 1000.0f;
    if (m_fPendingDelay > 0.0f) {
        m_fPendingDelay -= fDt;
        if (m_fPendingDelay > 0.0f)
            return;
        m_fPendingDelay = 0.0f;
        applyState(m_nPendingState, m_vPendingPosition, m_vPendingTarget);
    }
    if (deleteLayerPastNormalLook())
        for (LayerEntry& entry : m_Layers)
            if (entry.bActive && entry.pLayer->data().nNameId == SLayerNames::ids().nNormal)
                entry.bActive = false;
    const std::vector<std::string> ended = advanceLayers(fDt, vCell);
    // A callback may change the state, which rebuilds the layers; names of
    // the layers it replaced would then describe layers that are gone.
    const unsigned nGeneration = m_nGeneration;
    for (const std::string& strName : ended) {
        m_pCallback->onEvent(strName);
        if (m_nGeneration != nGeneration)
            break;
    }
}

// The trunk's fall layer outlives its path: it ends with its own look.
std::vector<std::string> CItemAnimator::advanceLayers(float fDt, const D3DXVECTOR3& vCell)
{
    std::vector<std::string> ended;
    for (LayerEntry& entry : m_Layers) {
        if (!entry.bActive)
            continue;
        entry.pLayer->advance(fDt / 1000.0f);
        const ANIDATA& data = entry.pLayer->data();
        bool bPathEnded = false;
        if (entry.pPath)
            bPathEnded = !entry.pPath->update(&fDt, &m_fSpeed, &vCell) && data.nNameId != SLayerNames::ids().nTrunkFall;
        if (bPathEnded || !entry.pLayer->isPlaying()) {
            ended.push_back(data.strName);
            entry.bActive = false;
        }
    }
    return ended;
}

void CItemAnimator::render(const D3DXVECTOR3& vCell)
{
    for (LayerEntry& entry : m_Layers) {
        if (!entry.bActive)
            continue;
        const D3DXVECTOR3 vOffset = entry.pPath ? entry.pPath->getPosition() : D3DXVECTOR3(0.0f, 0.0f, 0.0f);
        entry.pLayer->draw(vCell + vOffset);
    }
}

bool CItemAnimator::isLayerActive(const std::string& strName) const
{
    const int nNameId = layerNameId(strName);
    for (const LayerEntry& entry : m_Layers)
        if (entry.bActive && entry.pLayer->data().nNameId == nNameId)
            return true;
    return false;
}

bool CItemAnimator::isIdle() const
{
    if (m_fPendingDelay > 0.0f)
        return false;
    for (const LayerEntry& entry : m_Layers)
        if (entry.bActive && entry.pLayer->data().bBlocking)
            return false;
    return true;
}

D3DXVECTOR3 CItemAnimator::position() const
{
    return m_Layers.empty() ? D3DXVECTOR3(0.0f, 0.0f, 0.0f) : m_Layers.front().pLayer->lastDrawPosition();
}
