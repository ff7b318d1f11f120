// One compiled effect of our ".fx" language on the device: the first
// technique whose shaders compile and link, its passes' states and
// programs, and the named parameters bound to engine values.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Effects/vantile_effect.h"
#include "Effects/vantile_fxlanguage.h"
#include "Effects/vantile_fxparameters.h"
#include "RenderSystem/vantile_lostdevicenotify.h"
#include "d3d/d3d8_program.h"

namespace Vantile {

class CFxEffectD3D8 : public CFxEffect, public IFxParameterCallback, public IOnLostDeviceNotify {
public:
    // Handles of frame parameters carry this bit; object parameters are
    // plain indices.
    static const unsigned FRAME_HANDLE = 0x1000;

    // Throws Exception code 0 for text that is not our language, for a
    // file without a technique the device can run, or without a device.
    CFxEffectD3D8(const std::string& strName, const void* pData, size_t nSize);
    ~CFxEffectD3D8() override;

    // Reads the file through the resource manager (a missing file throws
    // its exception), then builds the effect.
    static CFxEffect* CreateFromFile(const std::string& strFileName);

    void Begin() override;
    void Render(const SRenderItem& item) override;
    void End() override;

    void SetMatrix(unsigned nHandle, const D3DXMATRIX& mValue) override;
    void SetFloat(unsigned nHandle, float fValue) override;
    void SetTexture(unsigned nHandle, const TextureRef& texture) override;
    // A texture parameter that keeps this texture's current frame from each
    // Begin on.
    void SetNamedTexture(const std::string& strParameter, const TextureRef& texture);

    // Programs survive a reset; nothing to release or rebuild.
    void OnDeviceLost() override {}
    void OnDeviceRestored() override {}

    const std::string& GetTechniqueName() const { return m_Source.Techniques[m_nTechnique].strName; }
    UINT GetPassCount() const { return m_nPasses; }
    size_t GetFrameParameterCount() const { return m_FrameParams.size(); }
    size_t GetObjectParameterCount() const { return m_ObjectParams.size(); }

private:
    struct SBoundParameter {
        std::unique_ptr<IFxParameter> pParameter;
        std::string strName;
    };
    struct STextureSlot {
        std::string strParameter;
        IDirect3DBaseTexture8* pTexture;
        bool bPerObject;
    };

    void LoadEffectFromMem(const void* pData, size_t nSize);
    bool CompileTechnique(const SFxTechnique& technique, std::string& strLog);
    void ReleasePrograms();
    void BindParameters();
    const std::string& HandleName(unsigned nHandle) const;
    STextureSlot& TextureSlot(const std::string& strParameter, bool bPerObject);
    void ApplyPass(size_t nPass);
    void SaveState(DWORD dwState);
    void RestoreStates();

    IDirect3DDevice8* m_pDevice = nullptr;
    SFxSource m_Source;
    size_t m_nTechnique = 0;
    std::vector<D3DPROGRAM> m_Programs;  // per pass of the technique; 0 is fixed function
    UINT m_nPasses = 0;
    std::vector<SBoundParameter> m_FrameParams;
    std::vector<SBoundParameter> m_ObjectParams;
    std::vector<STextureSlot> m_Textures;
    std::vector<std::pair<std::string, TextureRef>> m_NamedTextures;
    std::vector<SFxState> m_SavedStates;
};

}  // namespace Vantile
