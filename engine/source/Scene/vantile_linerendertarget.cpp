#include "Scene/vantile_linerendertarget.h"

#include "Renderstages/vantile_renderqueue.h"
#include "Scene/vantile_device.h"

namespace Vantile {

CLineRenderTarget::CLineRenderTarget(const D3DXVECTOR3& vFrom, D3DCOLOR dwFromColor, const D3DXVECTOR3& vTo,
                                     D3DCOLOR dwToColor)
    : m_aVertices{{vFrom.x, vFrom.y, vFrom.z, dwFromColor}, {vTo.x, vTo.y, vTo.z, dwToColor}}
{
    m_Material.pEffect = SceneEffect("Diffuse.fx");
}

int CLineRenderTarget::Enqueue()
{
    CRenderQueue* pQueue = CRenderQueue::Current();
    if (!pQueue)
        return 0;
    pQueue->Enqueue({this, 0});
    return 1;
}

void CLineRenderTarget::Render(int nSubset)
{
    IDirect3DDevice8* pDevice = SceneDevice();
    if (!pDevice)
        return;
    CRenderStateScope lighting(pDevice, D3DRS_LIGHTING, FALSE);
    pDevice->SetVertexShader(D3DFVF_XYZ | D3DFVF_DIFFUSE);
    pDevice->DrawPrimitiveUP(D3DPT_LINELIST, 1, m_aVertices, sizeof(SVertex));
}

CNode* CLineRenderTarget::Clone() const
{
    const SVertex& a = m_aVertices[0];
    const SVertex& b = m_aVertices[1];
    CLineRenderTarget* pClone =
        new CLineRenderTarget(D3DXVECTOR3(a.x, a.y, a.z), a.dwColor, D3DXVECTOR3(b.x, b.y, b.z), b.dwColor);
    CopyInto(*pClone);
    return pClone;
}

}  // namespace Vantile
