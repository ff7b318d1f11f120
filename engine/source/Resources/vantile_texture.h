// A texture: an image file (or a ".ifl" list of them) turned into Direct3D
// textures, one per animation frame, and the small handle users keep.
#pragma once

#include <string>
#include <vector>

#include "Resources/vantile_resource.h"
#include "d3d/d3d8.h"

namespace Vantile {

class CTexture : public CResource {
public:
    explicit CTexture(const std::string& strName);
    ~CTexture() override;

    using CResource::Load;
    // Loads the image or frame list. A missing image leaves the texture
    // without frames; an undecodable one or a missing list frame throws.
    void Load(int nMipLevels, D3DFORMAT format);
    // One square texture of side max(width, height) holding the packed
    // pixels; R8G8B8 buffers are 3 bytes a pixel (red first), A8R8G8B8 are
    // 4 (red, green, blue, alpha). The rest of the square stays as created.
    void LoadFromRawBuffer(const void* pvPixels, UINT nWidth, UINT nHeight, D3DFORMAT format);
    // Makes the device texture the only frame, with a reference of its own.
    void SetFromDeviceTexture(IDirect3DTexture8* pTexture);
    void ReleaseFrames();

    size_t GetFrameCount() const { return m_Frames.size(); }
    IDirect3DTexture8* GetFrame(size_t nIndex) const { return m_Frames[nIndex]; }
    UINT GetWidth() const { return m_nWidth; }
    UINT GetHeight() const { return m_nHeight; }
    float GetFPS() const { return m_fFPS; }
    bool IsDefaultPool() const { return m_bDefaultPool; }

private:
    void LoadImage(int nMipLevels, D3DFORMAT format);
    void LoadFrameList(int nMipLevels, D3DFORMAT format);
    // Decodes one image file; the texture's size becomes the image's.
    IDirect3DTexture8* CreateFrame(const CResource& file, int nMipLevels, D3DFORMAT format);
    void LogLoadTime(DWORD dwStart) const;

    UINT m_nWidth = 0;
    UINT m_nHeight = 0;
    float m_fFPS = 10.0f;
    bool m_bDefaultPool = false;
    std::vector<IDirect3DTexture8*> m_Frames;
};

// A value handle on a cached texture with its own animation clock. It owns
// nothing; the texture manager keeps the texture alive.
class TextureRef {
public:
    TextureRef() = default;
    // Animated textures start at a random phase so copies of one animation
    // do not move in step.
    TextureRef(CTexture* pTexture, float fFPS);

    void Advance(float fSeconds) { m_fTime += fSeconds; }
    // Null when the texture has no frames.
    IDirect3DTexture8* GetFrame() const;
    size_t GetFrameIndex() const;
    // Frame count / fps in seconds; 0 without frames.
    float GetLength() const;

    CTexture* GetTexture() const { return m_pTexture; }
    float GetTime() const { return m_fTime; }
    void SetTime(float fTime) { m_fTime = fTime; }
    float GetFPS() const { return m_fFPS; }

private:
    CTexture* m_pTexture = nullptr;
    float m_fTime = 0.0f;
    float m_fFPS = 10.0f;
};

}  // namespace Vantile
