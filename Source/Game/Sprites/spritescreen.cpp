#include "Game/Sprites/spritescreen.h"

#include "Game/Sprites/sprite.h"
#include "Scene/vantile_device.h"

namespace {

const float SCREEN_NEAR = -2000.0f;
const float SCREEN_FAR = 2000.0f;

}  // namespace

void SetSpriteScreenTransforms(IDirect3DDevice8* pDevice)
{
    D3DXMATRIX mIdentity, mProjection;
    D3DXMatrixIdentity(&mIdentity);
    D3DXMatrixIdentity(&mProjection);
    mProjection._11 = 2.0f / 800.0f;
    mProjection._22 = 2.0f / 600.0f;
    mProjection._33 = 1.0f / (SCREEN_FAR - SCREEN_NEAR);
    mProjection._43 = SCREEN_NEAR / (SCREEN_NEAR - SCREEN_FAR);
    pDevice->SetTransform(D3DTS_VIEW, &mIdentity);
    pDevice->SetTransform(D3DTS_PROJECTION, &mProjection);
}

CSpriteScreenEffect::CSpriteScreenEffect(const std::string& strName, bool bFiltered)
    : CFxEffect(strName), m_bFiltered(bFiltered)
{
}

void CSpriteScreenEffect::Begin()
{
    IDirect3DDevice8* pDevice = Vantile::SceneDevice();
    if (!pDevice)
        return;
    pDevice->SetRenderState(D3DRS_ZENABLE, FALSE);
    pDevice->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    pDevice->SetRenderState(D3DRS_LIGHTING, FALSE);
    pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    pDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    pDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    pDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    const DWORD dwFilter = m_bFiltered ? D3DTEXF_LINEAR : D3DTEXF_POINT;
    pDevice->SetTextureStageState(0, D3DTSS_MINFILTER, dwFilter);
    pDevice->SetTextureStageState(0, D3DTSS_MAGFILTER, dwFilter);
    pDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    pDevice->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    pDevice->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    pDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    pDevice->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    pDevice->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    pDevice->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    pDevice->SetTextureStageState(1, D3DTSS_COLORARG1, D3DTA_CURRENT);
    pDevice->SetTextureStageState(1, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    pDevice->SetTextureStageState(1, D3DTSS_ALPHAARG1, D3DTA_CURRENT);
    pDevice->SetTextureStageState(1, D3DTSS_ALPHAARG2, D3DTA_TFACTOR);
    CFxEffect::Begin();
}

void CSpriteScreenEffect::Render(const Vantile::SRenderItem& item)
{
    IDirect3DDevice8* pDevice = Vantile::SceneDevice();
    const Vantile::SMaterial* pMaterial = item.GetMaterial();
    if (!pDevice || !pMaterial)
        return;
    const D3DXMATRIX mWorld = item.pTarget->GetWorldMatrix(0);
    pDevice->SetTransform(D3DTS_WORLD, &mWorld);
    pDevice->SetTexture(0, pMaterial->aTextures[0].GetFrame());
    CFxEffect::Render(item);
    item.pTarget->Render(int(item.nMaterial));
    ++m_nDraws;
}

void CSpriteScreenEffect::End()
{
    CFxEffect::End();
    IDirect3DDevice8* pDevice = Vantile::SceneDevice();
    if (!pDevice)
        return;
    pDevice->SetTexture(0, nullptr);
    pDevice->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
    pDevice->SetTextureStageState(1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
    pDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    pDevice->SetRenderState(D3DRS_ZENABLE, TRUE);
    pDevice->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
}

Vantile::CFxEffect* LoadSpriteScreenEffect(const std::string& strName)
{
    if (strName == CSprite::EFFECT)
        return new CSpriteScreenEffect(strName, false);
    if (strName == CSprite::FILTERED_EFFECT)
        return new CSpriteScreenEffect(strName, true);
    return nullptr;
}
