// The cache of every texture the program uses, keyed by exact name (case
// matters here although file lookup ignores it), alive until removed or
// until exit.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "RenderSystem/vantile_lostdevicenotify.h"
#include "Resources/vantile_texture.h"

namespace Vantile {

class CTextureManager : public IOnLostDeviceNotify {
public:
    // Made on first use; registers with the render system's device-loss
    // list.
    static CTextureManager& Instance();
    ~CTextureManager() override;

    // Loads the texture on the first request of its name; later requests
    // get the cached one whatever their arguments. The two reserved values
    // are kept for callers and have no effect.
    TextureRef GetTexture(const std::string& strName, int nReserved1 = -1, int nReserved2 = -1,
                          int nMipLevels = -1, D3DFORMAT format = D3DFMT_UNKNOWN);
    // A texture without frames, filled later (render targets).
    TextureRef CreateEmpty(const std::string& strName);
    TextureRef CreateFromRawBuffer(const std::string& strName, const void* pvPixels, int nReserved, UINT nWidth,
                                   UINT nHeight, D3DFORMAT format);
    // Handles still pointing at a removed texture see it without frames
    // and draw nothing, instead of reaching freed memory.
    void RemoveTexture(const std::string& strName);
    void SetFromDeviceTexture(CTexture* pTexture, IDirect3DTexture8* pDeviceTexture);

    // Null when the name is not cached.
    CTexture* FindTexture(const std::string& strName) const;

    // Default-pool frames must go before a reset; their owners supply them
    // again afterwards. Managed textures survive a reset untouched.
    void OnDeviceLost() override;
    void OnDeviceRestored() override;

private:
    CTextureManager();
    CTextureManager(const CTextureManager&) = delete;
    CTextureManager& operator=(const CTextureManager&) = delete;

    CTexture* Insert(const std::string& strName);
    static TextureRef MakeRef(CTexture* pTexture);

    std::map<std::string, std::unique_ptr<CTexture>> m_Textures;
    std::vector<std::unique_ptr<CTexture>> m_Removed;
};

}  // namespace Vantile
