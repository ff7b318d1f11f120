#include "Renderstages/vantile_rsscreenquad.h"

#include "Effects/vantile_effect.h"
#include "Scene/vantile_device.h"

namespace Vantile {

CRSScreenQuad::CRSScreenQuad(CFxEffect* pEffect, const TextureRef& texture)
{
    m_Material.pEffect = pEffect;
    m_Material.aTextures[0] = texture;
}

void CRSScreenQuad::Render()
{
    if (!m_Material.pEffect)
        return;
    m_Material.pEffect->Begin();
    m_Material.pEffect->Render({this, 0});
    m_Material.pEffect->End();
}

// Pixel centres lie on integers, so the edges sit half a pixel outside
// them: texel i lands exactly on pixel i and no row or column is left
// out.
void CRSScreenQuad::Render(int nSubset)
{
    IDirect3DDevice8* pDevice = SceneDevice();
    IDirect3DSurface8* pBackBuffer = nullptr;
    if (!pDevice || FAILED(pDevice->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &pBackBuffer)))
        return;
    D3DSURFACE_DESC desc = {};
    pBackBuffer->GetDesc(&desc);
    pBackBuffer->Release();
    struct SVertex {
        float x, y, z, rhw, u, v;
    };
    const float l = -0.5f, t = -0.5f, r = float(desc.Width) - 0.5f, b = float(desc.Height) - 0.5f;
    const SVertex strip[4] = {{l, b, 0, 1, 0, 1}, {l, t, 0, 1, 0, 0}, {r, b, 0, 1, 1, 1}, {r, t, 0, 1, 1, 0}};
    pDevice->SetVertexShader(D3DFVF_XYZRHW | D3DFVF_TEX1);
    pDevice->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, strip, sizeof(SVertex));
}

}  // namespace Vantile
