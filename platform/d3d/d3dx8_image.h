// Image decoding shared by the D3DX texture loaders: every file becomes
// RGBA8 rows, top row first.
#pragma once

#include "d3d/d3dx8.h"

#include <vector>

namespace d3dx8 {

struct SImage {
    UINT m_nWidth = 0;
    UINT m_nHeight = 0;
    std::vector<BYTE> m_Rgba;
};

// Header only: size, levels, the file's own format. D3DXERR_INVALIDDATA for
// anything we cannot read.
HRESULT ReadImageInfo(const void* data, UINT size, D3DXIMAGE_INFO* info);
// The first image of the file (level 0 of a DDS).
HRESULT DecodeImage(const void* data, UINT size, SImage* image, D3DXIMAGE_INFO* info);

}  // namespace d3dx8
