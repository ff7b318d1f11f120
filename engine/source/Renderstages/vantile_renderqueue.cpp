#include "Renderstages/vantile_renderqueue.h"

#include <algorithm>
#include <cassert>

#include "Core/vantile_log.h"
#include "Effects/vantile_effect.h"
#include "Effects/vantile_fxeffectd3d8.h"
#include "Scene/vantile_camera.h"
#include "Scene/vantile_light.h"

namespace Vantile {

namespace {

CRenderQueue* g_pCurrentQueue = nullptr;
// Every queue alive, for targets that leave them all when destroyed.
std::vector<CRenderQueue*> g_LiveQueues;

}  // namespace

CRenderQueue::CRenderQueue() : m_EffectLoader(&CFxEffectD3D8::CreateFromFile)
{
    AddContainer("nosort", 400, new CNoSortingContainer());
    AddContainer("descsort", 300, new CDescDepthSortingContainer());
    AddContainer("ascsort", 100, new CAscDepthSortingContainer());
    g_LiveQueues.push_back(this);
}

CRenderQueue::~CRenderQueue()
{
    ClearStages();
    if (g_pCurrentQueue == this)
        g_pCurrentQueue = nullptr;
    g_LiveQueues.erase(std::remove(g_LiveQueues.begin(), g_LiveQueues.end(), this), g_LiveQueues.end());
}

CRenderQueue* CRenderQueue::Current()
{
    return g_pCurrentQueue;
}

void CRenderQueue::MakeCurrent()
{
    g_pCurrentQueue = this;
}

// Queues hold items only between a frame's enqueueing and its clear stage,
// so this is nearly always a look at empty containers.
void CRenderQueue::ForgetTarget(const IRenderTarget* pTarget)
{
    for (CRenderQueue* pQueue : g_LiveQueues) {
        for (const SContainer& container : pQueue->m_Containers) {
            if (container.pContainer->GetItemCount() > 0)
                container.pContainer->Forget(pTarget);
        }
    }
}

CFxEffect* CRenderQueue::GetEffect(const std::string& strFileName, bool bLoad)
{
    const auto it = m_Effects.find(strFileName);
    if (it != m_Effects.end())
        return it->second.get();
    if (!bLoad || !m_EffectLoader)
        return m_pDefaultEffect;
    CFxEffect* pEffect = m_EffectLoader(strFileName);
    return pEffect ? AddEffect(pEffect) : m_pDefaultEffect;
}

CFxEffect* CRenderQueue::AddEffect(CFxEffect* pEffect)
{
    std::unique_ptr<CFxEffect> pOwned(pEffect);
    const auto it = m_Effects.find(pEffect->GetName());
    if (it != m_Effects.end()) {
        CLog::Instance().Write(LOG_ERROR, FormatString("Trying to add effect with dublicate name \"%s\". Will return previous effect.",
                                                       pEffect->GetName().c_str()));
        return it->second.get();
    }
    IRenderQueueContainer* pContainer = FindContainer(pEffect->GetContainerName());
    if (!pContainer) {
        CLog::Instance().Write(LOG_ERROR, FormatString("Effect container \"%s\" declared in effect \"%s\" is absent. Ignoring effect.",
                                                       pEffect->GetContainerName().c_str(), pEffect->GetName().c_str()));
        return m_pDefaultEffect;
    }
    pEffect->SetContainer(pContainer);
    m_Effects[pEffect->GetName()] = std::move(pOwned);
    return pEffect;
}

IRenderQueueContainer* CRenderQueue::FindContainer(const std::string& strName) const
{
    IRenderQueueContainer* pFound = nullptr;
    for (const SContainer& container : m_Containers) {
        if (container.strName == strName)
            pFound = container.pContainer.get();
    }
    return pFound;
}

void CRenderQueue::AddContainer(const std::string& strName, int nPriority, IRenderQueueContainer* pContainer)
{
    m_Containers.push_back({nPriority, strName, std::unique_ptr<IRenderQueueContainer>(pContainer)});
}

void CRenderQueue::Enqueue(const SRenderItem& item)
{
    // An effect made outside this queue has no container and cannot be
    // drawn by it.
    const CFxEffect* pEffect = item.GetEffect();
    if (pEffect && pEffect->GetContainer())
        pEffect->GetContainer()->Add(item);
}

void CRenderQueue::RenderContainers()
{
    for (const SContainer& container : m_Containers)
        container.pContainer->Render();
}

void CRenderQueue::ClearContainers()
{
    for (const SContainer& container : m_Containers)
        container.pContainer->Clear();
    m_Lights.clear();
}

size_t CRenderQueue::GetQueuedCount() const
{
    size_t nCount = 0;
    for (const SContainer& container : m_Containers)
        nCount += container.pContainer->GetItemCount();
    return nCount;
}

void CRenderQueue::AddLight(CLight* pLight)
{
    if (pLight)
        m_Lights.push_back(pLight);
}

std::vector<CLight*> CRenderQueue::GetClosestLights(const D3DXVECTOR3& vPosition, size_t nMax) const
{
    auto distanceSq = [&vPosition](const CLight* pLight) {
        const D3DXMATRIX& mWorld = pLight->GetWorld();
        const D3DXVECTOR3 vDelta(mWorld._41 - vPosition.x, mWorld._42 - vPosition.y, mWorld._43 - vPosition.z);
        return D3DXVec3LengthSq(&vDelta);
    };
    std::vector<CLight*> lights = m_Lights;
    std::stable_sort(lights.begin(), lights.end(),
                     [&](const CLight* a, const CLight* b) { return distanceSq(a) < distanceSq(b); });
    if (lights.size() > nMax)
        lights.resize(nMax);
    return lights;
}

void CRenderQueue::SetCamera(size_t nIndex)
{
    assert((nIndex < m_Cameras.size()) && ("nIndex < m_Cameras.size()"));
    if (nIndex < m_Cameras.size())
        m_pCamera = m_Cameras[nIndex];
}

CCamera* CRenderQueue::GetCamera() const
{
    assert((m_pCamera) && ("m_pCamera"));
    return m_pCamera;
}

void CRenderQueue::AddStage(IRenderStage* pStage, bool bOwned)
{
    if (pStage)
        m_Stages.push_back({pStage, bOwned});
}

void CRenderQueue::ClearStages()
{
    for (const SStage& stage : m_Stages) {
        if (stage.bOwned)
            delete stage.pStage;
    }
    m_Stages.clear();
}

void CRenderQueue::RenderStages()
{
    for (const SStage& stage : m_Stages)
        stage.pStage->Render();
}

}  // namespace Vantile
