// Textures from image files: decode, key, scale, fill every mip level.
#include "d3d/d3d8_local.h"
#include "d3d/d3dx8_image.h"

#include <algorithm>
#include <cstring>

namespace d3dx8 {

namespace {

UINT Side(UINT requested, UINT own)
{
    return (requested == 0 || requested == D3DX_DEFAULT) ? own : requested;
}

// The device keeps 24-bit and block formats only for files; textures made
// from them take the nearest format a texture holds well.
D3DFORMAT TextureFormat(D3DFORMAT requested, const D3DXIMAGE_INFO& info)
{
    D3DFORMAT format = requested == D3DFMT_UNKNOWN ? info.Format : requested;
    switch (format) {
    case D3DFMT_DXT1:
    case D3DFMT_DXT2:
    case D3DFMT_DXT3:
    case D3DFMT_DXT4:
    case D3DFMT_DXT5: return D3DFMT_A8R8G8B8;
    case D3DFMT_R8G8B8: return D3DFMT_X8R8G8B8;
    default: return format;
    }
}

// Texels of exactly the key colour become transparent black.
void ApplyColourKey(SImage* image, D3DCOLOR key)
{
    BYTE k[4] = {(BYTE)(key >> 16), (BYTE)(key >> 8), (BYTE)key, (BYTE)(key >> 24)};
    for (size_t i = 0; i < image->m_Rgba.size(); i += 4) {
        if (std::memcmp(&image->m_Rgba[i], k, 4) == 0)
            std::memset(&image->m_Rgba[i], 0, 4);
    }
}

// No filter keeps the texels where they are (the rest stays black); point
// picks the nearest texel; every other filter blends the four nearest.
SImage Resample(const SImage& source, UINT width, UINT height, DWORD filter)
{
    SImage out;
    out.m_nWidth = width;
    out.m_nHeight = height;
    out.m_Rgba.assign((size_t)width * height * 4, 0);
    DWORD kind = filter & 0xff;
    for (UINT y = 0; y < height; ++y) {
        for (UINT x = 0; x < width; ++x) {
            BYTE* d = &out.m_Rgba[((size_t)y * width + x) * 4];
            if (kind == D3DX_FILTER_NONE) {
                if (x < source.m_nWidth && y < source.m_nHeight)
                    std::memcpy(d, &source.m_Rgba[((size_t)y * source.m_nWidth + x) * 4], 4);
                continue;
            }
            float sx = (x + 0.5f) * source.m_nWidth / width - 0.5f;
            float sy = (y + 0.5f) * source.m_nHeight / height - 0.5f;
            if (kind == D3DX_FILTER_POINT) {
                UINT px = std::min((UINT)std::max(sx + 0.5f, 0.0f), source.m_nWidth - 1);
                UINT py = std::min((UINT)std::max(sy + 0.5f, 0.0f), source.m_nHeight - 1);
                std::memcpy(d, &source.m_Rgba[((size_t)py * source.m_nWidth + px) * 4], 4);
                continue;
            }
            sx = std::max(sx, 0.0f);
            sy = std::max(sy, 0.0f);
            UINT x0 = std::min((UINT)sx, source.m_nWidth - 1), y0 = std::min((UINT)sy, source.m_nHeight - 1);
            UINT x1 = std::min(x0 + 1, source.m_nWidth - 1), y1 = std::min(y0 + 1, source.m_nHeight - 1);
            float fx = sx - x0, fy = sy - y0;
            for (int c = 0; c < 4; ++c) {
                auto at = [&](UINT px, UINT py) {
                    return (float)source.m_Rgba[((size_t)py * source.m_nWidth + px) * 4 + c];
                };
                float top = at(x0, y0) * (1 - fx) + at(x1, y0) * fx;
                float bottom = at(x0, y1) * (1 - fx) + at(x1, y1) * fx;
                d[c] = (BYTE)(top * (1 - fy) + bottom * fy + 0.5f);
            }
        }
    }
    return out;
}

// Box filter: each texel is the mean of the 2 x 2 block above it.
SImage HalfSize(const SImage& source)
{
    SImage out;
    out.m_nWidth = std::max(source.m_nWidth / 2, 1u);
    out.m_nHeight = std::max(source.m_nHeight / 2, 1u);
    out.m_Rgba.resize((size_t)out.m_nWidth * out.m_nHeight * 4);
    for (UINT y = 0; y < out.m_nHeight; ++y) {
        for (UINT x = 0; x < out.m_nWidth; ++x) {
            UINT x0 = std::min(x * 2, source.m_nWidth - 1), x1 = std::min(x * 2 + 1, source.m_nWidth - 1);
            UINT y0 = std::min(y * 2, source.m_nHeight - 1), y1 = std::min(y * 2 + 1, source.m_nHeight - 1);
            for (int c = 0; c < 4; ++c) {
                auto at = [&](UINT px, UINT py) {
                    return (UINT)source.m_Rgba[((size_t)py * source.m_nWidth + px) * 4 + c];
                };
                out.m_Rgba[((size_t)y * out.m_nWidth + x) * 4 + c] =
                    (BYTE)((at(x0, y0) + at(x1, y0) + at(x0, y1) + at(x1, y1) + 2) / 4);
            }
        }
    }
    return out;
}

HRESULT FillLevel(IDirect3DTexture8* texture, UINT level, const SImage& image)
{
    D3DSURFACE_DESC desc;
    D3DLOCKED_RECT locked;
    texture->GetLevelDesc(level, &desc);
    HRESULT hr = texture->LockRect(level, &locked, nullptr, 0);
    if (FAILED(hr))
        return hr;
    for (UINT y = 0; y < image.m_nHeight; ++y)
        d3d8::FromRgba(desc.Format, &image.m_Rgba[(size_t)y * image.m_nWidth * 4],
                       static_cast<BYTE*>(locked.pBits) + (size_t)y * locked.Pitch, image.m_nWidth);
    return texture->UnlockRect(level);
}

HRESULT FillChain(IDirect3DTexture8* texture, SImage image)
{
    for (UINT level = 0; level < texture->GetLevelCount(); ++level) {
        if (level > 0)
            image = HalfSize(image);
        HRESULT hr = FillLevel(texture, level, image);
        if (FAILED(hr))
            return hr;
    }
    return D3D_OK;
}

}  // namespace

}  // namespace d3dx8

HRESULT D3DXCreateTexture(IDirect3DDevice8* device, UINT width, UINT height, UINT mipLevels,
                          DWORD usage, D3DFORMAT format, D3DPOOL pool,
                          IDirect3DTexture8** texture)
{
    if (!device || !texture)
        return D3DERR_INVALIDCALL;
    width = (width == 0 || width == D3DX_DEFAULT) ? 256 : width;
    height = (height == 0 || height == D3DX_DEFAULT) ? 256 : height;
    mipLevels = mipLevels == D3DX_DEFAULT ? 0 : mipLevels;
    return device->CreateTexture(width, height, mipLevels, usage, format, pool, texture);
}

HRESULT D3DXCreateTextureFromFileInMemoryEx(IDirect3DDevice8* device, const void* data, UINT size,
                                            UINT width, UINT height, UINT mipLevels, DWORD usage,
                                            D3DFORMAT format, D3DPOOL pool, DWORD filter,
                                            DWORD mipFilter, D3DCOLOR colorKey,
                                            D3DXIMAGE_INFO* sourceInfo, PALETTEENTRY* palette,
                                            IDirect3DTexture8** texture)
{
    if (!device || !texture)
        return D3DERR_INVALIDCALL;
    *texture = nullptr;
    d3dx8::SImage image;
    D3DXIMAGE_INFO info;
    HRESULT hr = d3dx8::DecodeImage(data, size, &image, &info);
    if (FAILED(hr))
        return hr;
    if (colorKey != 0)
        d3dx8::ApplyColourKey(&image, colorKey);
    width = d3dx8::Side(width, image.m_nWidth);
    height = d3dx8::Side(height, image.m_nHeight);
    if (width != image.m_nWidth || height != image.m_nHeight)
        image = d3dx8::Resample(image, width, height,
                                filter == D3DX_DEFAULT ? D3DX_FILTER_TRIANGLE : filter);
    IDirect3DTexture8* created = nullptr;
    hr = D3DXCreateTexture(device, width, height, mipLevels, usage,
                           d3dx8::TextureFormat(format, info), pool, &created);
    if (FAILED(hr))
        return hr;
    hr = d3dx8::FillChain(created, image);
    if (FAILED(hr)) {
        created->Release();
        return hr;
    }
    if (sourceInfo)
        *sourceInfo = info;
    *texture = created;
    return D3D_OK;
}

HRESULT D3DXCreateTextureFromFileInMemory(IDirect3DDevice8* device, const void* data, UINT size,
                                          IDirect3DTexture8** texture)
{
    return D3DXCreateTextureFromFileInMemoryEx(device, data, size, D3DX_DEFAULT, D3DX_DEFAULT,
                                               D3DX_DEFAULT, 0, D3DFMT_UNKNOWN, D3DPOOL_MANAGED,
                                               D3DX_DEFAULT, D3DX_DEFAULT, 0, nullptr, nullptr,
                                               texture);
}
