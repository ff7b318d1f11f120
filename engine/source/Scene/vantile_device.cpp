#include "Scene/vantile_device.h"

#include "RenderSystem/vantile_rendersystem.h"
#include "Renderstages/vantile_renderqueue.h"

namespace Vantile {

IDirect3DDevice8* SceneDevice()
{
    return CD3D9RenderSystem::Instance().GetDevice();
}

CRenderStateScope::CRenderStateScope(IDirect3DDevice8* pDevice, D3DRENDERSTATETYPE state, DWORD dwValue)
    : m_pDevice(pDevice), m_State(state)
{
    m_pDevice->GetRenderState(m_State, &m_dwPrevious);
    m_pDevice->SetRenderState(m_State, dwValue);
}

CRenderStateScope::~CRenderStateScope()
{
    m_pDevice->SetRenderState(m_State, m_dwPrevious);
}

}  // namespace Vantile

namespace Vantile {

CFxEffect* SceneEffect(const std::string& strFileName)
{
    CRenderQueue* pQueue = CRenderQueue::Current();
    return pQueue ? pQueue->GetEffect(strFileName, true) : nullptr;
}

}  // namespace Vantile
