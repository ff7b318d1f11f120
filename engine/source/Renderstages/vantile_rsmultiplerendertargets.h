// Off-screen frame targets. Each frame the stage draws into the next of its
// n textures; texture name base+"0" is always this frame's target and
// base+"1" the previous frame's. CRSRestoreRenderTargets puts back what
// the stage replaced.
#pragma once

#include <string>
#include <vector>

#include "RenderSystem/vantile_lostdevicenotify.h"
#include "Renderstages/vantile_renderstage.h"
#include "Resources/vantile_texture.h"

namespace Vantile {

class CRSMultipleRenderTargets : public IRenderStage, public IOnLostDeviceNotify {
public:
    // A width or height of -1 takes the back buffer's.
    CRSMultipleRenderTargets(size_t nCount, const std::string& strBaseName, int nWidth, int nHeight);
    ~CRSMultipleRenderTargets() override;
    CRSMultipleRenderTargets(const CRSMultipleRenderTargets&) = delete;
    CRSMultipleRenderTargets& operator=(const CRSMultipleRenderTargets&) = delete;

    // Does nothing when the targets could not be made (logged at creation),
    // so the frame is drawn on screen instead of into a missing target.
    void Render() override;
    void Restore();

    void OnDeviceLost() override;
    void OnDeviceRestored() override { Create(); }

    bool IsReady() const { return m_bReady; }
    const std::string& GetBaseName() const { return m_strBaseName; }

private:
    void Create();
    void Release();
    IDirect3DTexture8* CreateTarget(IDirect3DDevice8* pDevice, UINT nWidth, UINT nHeight);
    IDirect3DSurface8* CreateDepth(IDirect3DDevice8* pDevice, UINT nWidth, UINT nHeight);
    void ReleaseSaved();

    size_t m_nCount;
    std::string m_strBaseName;
    int m_nWidth;
    int m_nHeight;
    std::vector<TextureRef> m_Names;
    std::vector<IDirect3DTexture8*> m_Targets;
    IDirect3DSurface8* m_pDepth = nullptr;
    D3DVIEWPORT8 m_Viewport = {};
    size_t m_nCurrent = 0;
    bool m_bReady = false;
    bool m_bBound = false;
    IDirect3DSurface8* m_pSavedTarget = nullptr;
    IDirect3DSurface8* m_pSavedDepth = nullptr;
    D3DVIEWPORT8 m_SavedViewport = {};
};

class CRSRestoreRenderTargets : public IRenderStage {
public:
    explicit CRSRestoreRenderTargets(CRSMultipleRenderTargets* pTargets) : m_pTargets(pTargets) {}
    void Render() override { m_pTargets->Restore(); }

private:
    CRSMultipleRenderTargets* m_pTargets;
};

}  // namespace Vantile
