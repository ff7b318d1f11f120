#include <algorithm>
#include <iterator>

#include "Effects/vantile_effect.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Scene/vantile_camera.h"

namespace Vantile {

void CRenderQueue::CNoSortingContainer::Render()
{
    for (const SRenderItem& item : m_Items) {
        CFxEffect* pEffect = item.GetEffect();
        pEffect->Begin();
        pEffect->Render(item);
        pEffect->End();
    }
}

void CRenderQueue::CNoSortingContainer::Forget(const IRenderTarget* pTarget)
{
    m_Items.erase(std::remove_if(m_Items.begin(), m_Items.end(),
                                 [pTarget](const SRenderItem& item) { return item.pTarget == pTarget; }),
                  m_Items.end());
}

void CRenderQueue::CDepthSortingContainer::Forget(const IRenderTarget* pTarget)
{
    for (auto it = m_Items.begin(); it != m_Items.end();)
        it = it->second.pTarget == pTarget ? m_Items.erase(it) : std::next(it);
}

void CRenderQueue::CDepthSortingContainer::Add(const SRenderItem& item)
{
    float fDistanceSq = 0.0f;
    const CRenderQueue* pQueue = CRenderQueue::Current();
    if (item.pTarget->GetWorldMatrixCount() > 0 && pQueue && pQueue->HasCamera()) {
        const D3DXMATRIX mCamera = pQueue->GetCamera()->GetWorldMatrix(0);
        const D3DXMATRIX mTarget = item.pTarget->GetWorldMatrix(0);
        const D3DXVECTOR3 vDelta(mTarget._41 - mCamera._41, mTarget._42 - mCamera._42, mTarget._43 - mCamera._43);
        fDistanceSq = D3DXVec3LengthSq(&vDelta);
    }
    m_Items.insert({{item.GetEffect()->GetPriority(), fDistanceSq}, item});
}

// Effects here do not nest, so a run of one effect's items is drawn inside
// a single Begin and End rather than bracketing each item again.
template <class Iterator>
void CRenderQueue::CDepthSortingContainer::RenderRun(Iterator first, Iterator last)
{
    CFxEffect* pCurrent = nullptr;
    for (Iterator it = first; it != last; ++it) {
        CFxEffect* pEffect = it->second.GetEffect();
        if (pEffect != pCurrent) {
            if (pCurrent)
                pCurrent->End();
            pCurrent = pEffect;
            pCurrent->Begin();
        }
        pCurrent->Render(it->second);
    }
    if (pCurrent)
        pCurrent->End();
}

void CRenderQueue::CDescDepthSortingContainer::Render()
{
    RenderRun(m_Items.rbegin(), m_Items.rend());
}

void CRenderQueue::CAscDepthSortingContainer::Render()
{
    RenderRun(m_Items.begin(), m_Items.end());
}

}  // namespace Vantile
