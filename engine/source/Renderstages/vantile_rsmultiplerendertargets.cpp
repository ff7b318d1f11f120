#include "Renderstages/vantile_rsmultiplerendertargets.h"

#include "Core/vantile_log.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_texturemanager.h"

namespace Vantile {

CRSMultipleRenderTargets::CRSMultipleRenderTargets(size_t nCount, const std::string& strBaseName, int nWidth, int nHeight)
    : m_nCount(nCount), m_strBaseName(strBaseName), m_nWidth(nWidth), m_nHeight(nHeight)
{
    for (size_t i = 0; i < m_nCount; ++i)
        m_Names.push_back(CTextureManager::Instance().CreateEmpty(m_strBaseName + FormatString("%d", int(i))));
    Create();
    CD3D9RenderSystem::Instance().AddLostDeviceListener(this);
}

CRSMultipleRenderTargets::~CRSMultipleRenderTargets()
{
    CD3D9RenderSystem::Instance().RemoveLostDeviceListener(this);
    Release();
}

IDirect3DTexture8* CRSMultipleRenderTargets::CreateTarget(IDirect3DDevice8* pDevice, UINT nWidth, UINT nHeight)
{
    for (D3DFORMAT format : {D3DFMT_X8R8G8B8, D3DFMT_R5G6B5}) {
        IDirect3DTexture8* pTexture = nullptr;
        const HRESULT hr = pDevice->CreateTexture(nWidth, nHeight, 1, D3DUSAGE_RENDERTARGET, format, D3DPOOL_DEFAULT, &pTexture);
        if (SUCCEEDED(hr))
            return pTexture;
        CLog::Instance().Write(LOG_ERROR, FormatString("Failed to create MultipleRenderTargetTexture, reason: 0x%x", unsigned(hr)));
    }
    return nullptr;
}

// Not every device has D24X8; the depth formats a window could choose are
// tried in turn.
IDirect3DSurface8* CRSMultipleRenderTargets::CreateDepth(IDirect3DDevice8* pDevice, UINT nWidth, UINT nHeight)
{
    for (D3DFORMAT format : {D3DFMT_D24X8, D3DFMT_D24S8, D3DFMT_D16}) {
        IDirect3DSurface8* pSurface = nullptr;
        if (SUCCEEDED(pDevice->CreateDepthStencilSurface(nWidth, nHeight, format, D3DMULTISAMPLE_NONE, &pSurface)))
            return pSurface;
    }
    return nullptr;
}

void CRSMultipleRenderTargets::Create()
{
    IDirect3DDevice8* pDevice = CD3D9RenderSystem::Instance().GetDevice();
    if (!pDevice || m_nCount == 0)
        return;
    D3DSURFACE_DESC desc = {};
    IDirect3DSurface8* pBackBuffer = nullptr;
    if (SUCCEEDED(pDevice->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &pBackBuffer))) {
        pBackBuffer->GetDesc(&desc);
        pBackBuffer->Release();
    }
    const UINT nWidth = m_nWidth < 0 ? desc.Width : UINT(m_nWidth);
    const UINT nHeight = m_nHeight < 0 ? desc.Height : UINT(m_nHeight);
    m_bReady = nWidth > 0 && nHeight > 0;
    for (size_t i = 0; i < m_nCount && m_bReady; ++i) {
        m_Targets.push_back(CreateTarget(pDevice, nWidth, nHeight));
        m_bReady = m_Targets.back() != nullptr;
    }
    if (m_bReady)
        m_pDepth = CreateDepth(pDevice, nWidth, nHeight);
    m_bReady = m_bReady && m_pDepth;
    if (!m_bReady)
        CLog::Instance().Write(LOG_ERROR, FormatString("Frame targets \"%s\" unavailable; drawing on screen", m_strBaseName.c_str()));
    m_Viewport = {0, 0, nWidth, nHeight, 0.0f, 1.0f};
}

void CRSMultipleRenderTargets::Release()
{
    ReleaseSaved();
    for (IDirect3DTexture8* pTexture : m_Targets) {
        if (pTexture)
            pTexture->Release();
    }
    m_Targets.clear();
    if (m_pDepth)
        m_pDepth->Release();
    m_pDepth = nullptr;
    for (TextureRef& name : m_Names) {
        if (name.GetTexture())
            name.GetTexture()->ReleaseFrames();
    }
    m_bReady = false;
}

void CRSMultipleRenderTargets::ReleaseSaved()
{
    if (m_pSavedTarget)
        m_pSavedTarget->Release();
    if (m_pSavedDepth)
        m_pSavedDepth->Release();
    m_pSavedTarget = nullptr;
    m_pSavedDepth = nullptr;
    m_bBound = false;
}

void CRSMultipleRenderTargets::OnDeviceLost()
{
    Release();
}

void CRSMultipleRenderTargets::Render()
{
    IDirect3DDevice8* pDevice = CD3D9RenderSystem::Instance().GetDevice();
    if (!m_bReady || !pDevice)
        return;
    ReleaseSaved();
    pDevice->GetRenderTarget(&m_pSavedTarget);
    pDevice->GetDepthStencilSurface(&m_pSavedDepth);
    pDevice->GetViewport(&m_SavedViewport);
    m_nCurrent = (m_nCurrent + m_nCount - 1) % m_nCount;
    for (size_t i = 0; i < m_nCount; ++i)
        CTextureManager::Instance().SetFromDeviceTexture(m_Names[i].GetTexture(), m_Targets[(m_nCurrent + i) % m_nCount]);
    IDirect3DSurface8* pSurface = nullptr;
    m_Targets[m_nCurrent]->GetSurfaceLevel(0, &pSurface);
    pDevice->SetRenderTarget(pSurface, m_pDepth);
    pSurface->Release();
    pDevice->SetViewport(&m_Viewport);
    m_bBound = true;
}

void CRSMultipleRenderTargets::Restore()
{
    IDirect3DDevice8* pDevice = CD3D9RenderSystem::Instance().GetDevice();
    if (!m_bBound || !pDevice)
        return;
    pDevice->SetRenderTarget(m_pSavedTarget, m_pSavedDepth);
    pDevice->SetViewport(&m_SavedViewport);
    ReleaseSaved();
}

}  // namespace Vantile
