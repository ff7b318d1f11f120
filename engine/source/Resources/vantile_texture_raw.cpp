// Textures filled from pixel buffers in memory (the GUI's glyph and image
// pages), not from image files.
#include <cassert>
#include <cstring>

#include "Core/vantile_exception.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_texture.h"
#include "d3d/d3dx8.h"

namespace Vantile {

namespace {

const char kRawFunc[] = "CTextureImplD3D9::LoadFromRawBuffer";

// Source pixels are bytes red, green, blue (and alpha); a texel is ARGB.
void CopyRows(const uint8_t* pbySource, UINT nWidth, UINT nHeight, bool bAlpha, uint8_t* pbyDest, int nPitch)
{
    const size_t nSourceStride = bAlpha ? 4 : 3;
    const size_t nDestStride = size_t(nPitch) / 4 * 4;
    for (UINT y = 0; y < nHeight; ++y) {
        const uint8_t* pbyRow = pbySource + size_t(y) * nWidth * nSourceStride;
        uint32_t* pdwDest = reinterpret_cast<uint32_t*>(pbyDest + y * nDestStride);
        for (UINT x = 0; x < nWidth; ++x, pbyRow += nSourceStride) {
            const uint32_t dwAlpha = bAlpha ? pbyRow[3] : 0xff;
            pdwDest[x] = (dwAlpha << 24) | (uint32_t(pbyRow[0]) << 16) | (uint32_t(pbyRow[1]) << 8) | pbyRow[2];
        }
    }
}

}  // namespace

void CTexture::LoadFromRawBuffer(const void* pvPixels, UINT nWidth, UINT nHeight, D3DFORMAT format)
{
    IDirect3DDevice8* pDevice = CD3D9RenderSystem::Instance().GetDevice();
    assert((pDevice) && ("pRSystem"));
    // A 24-bit buffer is widened to 32 bits here: a 24-bit texture layout
    // would not match what the GUI draws with, and reading it as 32-bit
    // pixels would run past the caller's buffer.
    if (format != D3DFMT_R8G8B8 && format != D3DFMT_A8R8G8B8)
        VANTILE_EXCEPT(10, "Failed to create texture [" + m_strName + "] from raw buffer memory: unsupported format",
                       kRawFunc);
    ReleaseFrames();
    const UINT nSide = nWidth > nHeight ? nWidth : nHeight;
    IDirect3DTexture8* pTexture = nullptr;
    HRESULT hr = D3DXCreateTexture(pDevice, nSide, nSide, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &pTexture);
    if (FAILED(hr) || !pTexture)
        VANTILE_EXCEPT(10, "Failed to create texture [" + m_strName + "] from raw buffer memory: " +
                               CD3D9RenderSystem::GetErrorDescription(FAILED(hr) ? hr : E_FAIL),
                       kRawFunc);
    D3DLOCKED_RECT locked = {};
    hr = pTexture->LockRect(0, &locked, nullptr, 0);
    if (FAILED(hr)) {
        pTexture->Release();
        VANTILE_EXCEPT(10, "LockRext Failed" + CD3D9RenderSystem::GetErrorDescription(hr), kRawFunc);
    }
    CopyRows(static_cast<const uint8_t*>(pvPixels), nWidth, nHeight, format == D3DFMT_A8R8G8B8,
             static_cast<uint8_t*>(locked.pBits), locked.Pitch);
    pTexture->UnlockRect(0);
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_Frames.push_back(pTexture);
}

}  // namespace Vantile
