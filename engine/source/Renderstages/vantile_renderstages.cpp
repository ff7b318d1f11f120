#include "Renderstages/vantile_renderstages.h"

#include "Renderstages/vantile_renderqueue.h"
#include "Scene/vantile_annotation.h"
#include "Scene/vantile_camera.h"
#include "Scene/vantile_device.h"

namespace Vantile {

CRSClear::CRSClear(D3DCOLOR dwColor, bool bClearColor, float fDepth, bool bClearDepth)
    : m_dwColor(dwColor),
      m_dwFlags((bClearColor ? D3DCLEAR_TARGET : 0) | (bClearDepth ? D3DCLEAR_ZBUFFER : 0)),
      m_fDepth(fDepth)
{
}

void CRSClear::Render()
{
    IDirect3DDevice8* pDevice = SceneDevice();
    if (pDevice && m_dwFlags)
        pDevice->Clear(0, nullptr, m_dwFlags, m_dwColor, m_fDepth, 0);
}

void CRSSetCamera::Render()
{
    CRenderQueue::Current()->SetCamera(m_nIndex);
}

void CRSSetCameraMatrices::Render()
{
    IDirect3DDevice8* pDevice = SceneDevice();
    const CCamera* pCamera = CRenderQueue::Current()->GetCamera();
    if (!pDevice || !pCamera)
        return;
    pDevice->SetTransform(D3DTS_VIEW, &pCamera->GetViewMatrix());
    pDevice->SetTransform(D3DTS_PROJECTION, &pCamera->GetProjectionMatrix());
}

void CRSProcessTree::Render()
{
    if (m_pNode)
        m_pNode->Process(m_nMask);
}

void CRSRenderTargets::Render()
{
    CRenderQueue::Current()->RenderContainers();
}

void CRSClearTargets::Render()
{
    CRenderQueue::Current()->ClearContainers();
}

void CRSAnnotation::Render()
{
    CAnnotation::Instance().EnqueueLines();
}

}  // namespace Vantile
