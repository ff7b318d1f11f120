#include "Game/Items/itemanimator.h"

#include <cmath>

#include "Core/vantile_random.h"
#include "Game/Items/animationcallback.h"
#include "Game/Items/animationmanager.h"

namespace {

// Endless layers start at the item's own clock so that items do not pulse
// in step; the clock starts anywhere in these first seconds.
const float CLOCK_SPREAD = 20.0f;
const int PHASED_REPEAT = 255;
// The "delete" look covers the item from this frame on.
const int DELETE_COVER_FRAME = 9;

float distance(const D3DXVECTOR3& vA, const D3DXVECTOR3& vB)
{
    const D3DXVECTOR3 v = vB - vA;
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

}  // namespace

CItemAnimator::CItemAnimator(int nItemType, IAnimationCallback* pCallback)
    : m_nItemType(nItemType), m_fClock(Vantile::RandomFraction() * CLOCK_SPREAD), m_pCallback(pCallback)
{
}

void CItemAnimator::setState(int nState, const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo, float fDelay)
{
    if (fDelay > 0.0f) {
        m_fPendingDelay = fDelay;
        m_nPendingState = nState;
        m_vPendingPosition = vFrom;
        m_vPendingTarget = vTo;
        return;
    }
    applyState(nState, vFrom, vTo);
}

// Entering eDeleting keeps the old layers: the normal look stays until the
// deletion covers it.
void CItemAnimator::applyState(int nState, const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo)
{
    m_vPosition = vFrom;
    m_vTarget = vTo;
    if (nState != eDeleting)
        m_Layers.clear();
    m_nState = nState;
    ++m_nGeneration;
    startLayers();
}

void CItemAnimator::startLayers()
{
    const int nListState = m_nState == eShaking ? eNormal : m_nState;
    for (const ANIDATA& data : CAnimationManager::Instance().getAniData(m_nItemType, nListState))
        startLayer(data);
}

void CItemAnimator::startLayer(const ANIDATA& data)
{
    float fDuration = 0.0f;
    std::unique_ptr<CBasePath> pPath = makePath(fDuration);
    auto pLayer = std::make_unique<CAnimationLayer>(m_nItemType, data, 0.0f, fDuration);
    if (data.nRepeatCount > PHASED_REPEAT)
        pLayer->setTime(m_fClock);
    removeInactive(pLayer->data().nNameId);
    const int nReplaces = pLayer->data().nReplacesId;
    m_Layers.push_back({std::move(pPath), std::move(pLayer), true});
    if (nReplaces != 0)
        deactivate(nReplaces);
}

std::unique_ptr<CBasePath> CItemAnimator::makePath(float& fDuration) const
{
    EItemMotion motion;
    switch (m_nState) {
    case eMoving:
    case eGameOver:
        motion = EItemMotion::eStraight;
        break;
    case eShaking:
        motion = EItemMotion::eShaking;
        break;
    case eFalling:
    case eTrunkFall:
        motion = EItemMotion::eFalling;
        break;
    default:
        return nullptr;
    }
    if (motion != EItemMotion::eShaking && m_fSpeed > 0.0f)
        fDuration = distance(m_vPosition, m_vTarget) / m_fSpeed;
    IItemPathSource* pSource = CAnimationManager::Instance().pathSource();
    return pSource ? pSource->create(motion, m_vPosition, m_vTarget) : nullptr;
}

void CItemAnimator::removeInactive(int nNameId)
{
    for (auto it = m_Layers.begin(); it != m_Layers.end(); ++it) {
        if (!it->bActive && it->pLayer->data().nNameId == nNameId) {
            m_Layers.erase(it);
            return;
        }
    }
}

void CItemAnimator::deactivate(int nNameId)
{
    for (LayerEntry& entry : m_Layers)
        if (entry.pLayer->data().nNameId == nNameId)
            entry.bActive = false;
}

bool CItemAnimator::deleteLayerPastNormalLook() const
{
    const int nDelete = SLayerNames::ids().nDelete;
    for (const LayerEntry& entry : m_Layers)
        if (entry.pLayer->data().nNameId == nDelete && entry.pLayer->currentFrame() > DELETE_COVER_FRAME)
            return true;
    return false;
}
