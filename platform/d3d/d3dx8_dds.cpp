// DDS files: uncompressed 16/24/32-bit RGB(A) with bit masks and the DXT1,
// DXT3 and DXT5 block formats. Every size in the header is checked against
// the bytes present before anything is read.
#include "d3d/d3dx8_dds.h"

#include <cstring>

namespace d3dx8 {

namespace {

const UINT kHeaderBytes = 128;
const DWORD kAlphaPixels = 0x1, kFourCC = 0x4, kRgb = 0x40;
const UINT kMaxSide = 16384;

DWORD Read32(const BYTE* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | ((DWORD)p[3] << 24);
}

struct SHeader {
    UINT m_nWidth, m_nHeight, m_nMips;
    DWORD m_dwFlags, m_dwFourCC, m_dwBits, m_Masks[4];  // r, g, b, a
};

SHeader ParseHeader(const BYTE* p)
{
    SHeader h;
    h.m_nHeight = Read32(p + 12);
    h.m_nWidth = Read32(p + 16);
    h.m_nMips = Read32(p + 28);
    h.m_dwFlags = Read32(p + 80);
    h.m_dwFourCC = Read32(p + 84);
    h.m_dwBits = Read32(p + 88);
    for (int i = 0; i < 4; ++i)
        h.m_Masks[i] = Read32(p + 92 + 4 * i);
    return h;
}

D3DFORMAT FormatOf(const SHeader& h)
{
    if (h.m_dwFlags & kFourCC) {
        switch (h.m_dwFourCC) {
        case D3DFMT_DXT1: return D3DFMT_DXT1;
        case D3DFMT_DXT3: return D3DFMT_DXT3;
        case D3DFMT_DXT5: return D3DFMT_DXT5;
        default: return D3DFMT_UNKNOWN;
        }
    }
    if (!(h.m_dwFlags & kRgb))
        return D3DFMT_UNKNOWN;
    bool alpha = (h.m_dwFlags & kAlphaPixels) && h.m_Masks[3];
    switch (h.m_dwBits) {
    case 32: return alpha ? D3DFMT_A8R8G8B8 : D3DFMT_X8R8G8B8;
    case 24: return D3DFMT_R8G8B8;
    case 16: return alpha ? D3DFMT_A1R5G5B5 : D3DFMT_R5G6B5;
    default: return D3DFMT_UNKNOWN;
    }
}

// Bytes of level 0 in the file.
size_t LevelBytes(const SHeader& h, D3DFORMAT format)
{
    size_t blocks = (size_t)((h.m_nWidth + 3) / 4) * ((h.m_nHeight + 3) / 4);
    if (format == D3DFMT_DXT1)
        return blocks * 8;
    if (format == D3DFMT_DXT3 || format == D3DFMT_DXT5)
        return blocks * 16;
    return (size_t)h.m_nWidth * h.m_nHeight * (h.m_dwBits / 8);
}

BYTE MaskedChannel(DWORD pixel, DWORD mask, BYTE missing)
{
    if (!mask)
        return missing;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    // 64-bit: a mask of all 32 bits must not overflow the scaling.
    uint64_t max = mask >> shift;
    return (BYTE)(((uint64_t)((pixel & mask) >> shift) * 255 + max / 2) / max);
}

void DecodeMasked(const SHeader& h, const BYTE* src, BYTE* rgba)
{
    UINT bytes = h.m_dwBits / 8;
    bool alpha = (h.m_dwFlags & kAlphaPixels) != 0;
    for (size_t i = 0; i < (size_t)h.m_nWidth * h.m_nHeight; ++i, src += bytes, rgba += 4) {
        DWORD pixel = 0;
        for (UINT b = 0; b < bytes; ++b)
            pixel |= (DWORD)src[b] << (8 * b);
        for (int c = 0; c < 3; ++c)
            rgba[c] = MaskedChannel(pixel, h.m_Masks[c], 0);
        rgba[3] = alpha ? MaskedChannel(pixel, h.m_Masks[3], 255) : 255;
    }
}

void Colour565(WORD c, BYTE* rgb)
{
    rgb[0] = (BYTE)(((c >> 11) & 31) * 255 / 31);
    rgb[1] = (BYTE)(((c >> 5) & 63) * 255 / 63);
    rgb[2] = (BYTE)((c & 31) * 255 / 31);
}

// The four colours of a DXT colour block; DXT1 with c0 <= c1 has three
// colours and transparent black.
void DecodeColourBlock(const BYTE* block, bool allowTransparent, BYTE texels[16][4])
{
    WORD c0 = (WORD)(block[0] | (block[1] << 8)), c1 = (WORD)(block[2] | (block[3] << 8));
    BYTE palette[4][4];
    Colour565(c0, palette[0]);
    Colour565(c1, palette[1]);
    palette[0][3] = palette[1][3] = palette[2][3] = palette[3][3] = 255;
    bool four = c0 > c1 || !allowTransparent;
    for (int c = 0; c < 3; ++c) {
        if (four) {
            palette[2][c] = (BYTE)((2 * palette[0][c] + palette[1][c]) / 3);
            palette[3][c] = (BYTE)((palette[0][c] + 2 * palette[1][c]) / 3);
        } else {
            palette[2][c] = (BYTE)((palette[0][c] + palette[1][c]) / 2);
            palette[3][c] = 0;
        }
    }
    if (!four)
        palette[3][3] = 0;
    DWORD bits = Read32(block + 4);
    for (int i = 0; i < 16; ++i)
        std::memcpy(texels[i], palette[(bits >> (2 * i)) & 3], 4);
}

void DecodeExplicitAlpha(const BYTE* block, BYTE texels[16][4])
{
    for (int i = 0; i < 16; ++i)
        texels[i][3] = (BYTE)(((block[i / 2] >> (4 * (i & 1))) & 15) * 17);
}

void DecodeInterpolatedAlpha(const BYTE* block, BYTE texels[16][4])
{
    BYTE a[8] = {block[0], block[1]};
    for (int i = 2; i < 8; ++i) {
        if (a[0] > a[1])
            a[i] = (BYTE)(((8 - i) * a[0] + (i - 1) * a[1]) / 7);
        else
            a[i] = i < 6 ? (BYTE)(((6 - i) * a[0] + (i - 1) * a[1]) / 5) : (i == 6 ? 0 : 255);
    }
    uint64_t bits = 0;
    for (int i = 0; i < 6; ++i)
        bits |= (uint64_t)block[2 + i] << (8 * i);
    for (int i = 0; i < 16; ++i)
        texels[i][3] = a[(bits >> (3 * i)) & 7];
}

void DecodeBlocks(const SHeader& h, D3DFORMAT format, const BYTE* src, BYTE* rgba)
{
    UINT blockBytes = format == D3DFMT_DXT1 ? 8 : 16;
    for (UINT by = 0; by < (h.m_nHeight + 3) / 4; ++by) {
        for (UINT bx = 0; bx < (h.m_nWidth + 3) / 4; ++bx, src += blockBytes) {
            BYTE texels[16][4];
            const BYTE* colour = format == D3DFMT_DXT1 ? src : src + 8;
            DecodeColourBlock(colour, format == D3DFMT_DXT1, texels);
            if (format == D3DFMT_DXT3)
                DecodeExplicitAlpha(src, texels);
            else if (format == D3DFMT_DXT5)
                DecodeInterpolatedAlpha(src, texels);
            for (UINT i = 0; i < 16; ++i) {
                UINT x = bx * 4 + i % 4, y = by * 4 + i / 4;
                if (x < h.m_nWidth && y < h.m_nHeight)
                    std::memcpy(&rgba[((size_t)y * h.m_nWidth + x) * 4], texels[i], 4);
            }
        }
    }
}

HRESULT Inspect(const void* data, UINT size, SHeader* header, D3DXIMAGE_INFO* info)
{
    const BYTE* p = static_cast<const BYTE*>(data);
    if (size < kHeaderBytes || Read32(p + 4) != 124)
        return D3DXERR_INVALIDDATA;
    *header = ParseHeader(p);
    D3DFORMAT format = FormatOf(*header);
    if (format == D3DFMT_UNKNOWN || header->m_nWidth == 0 || header->m_nHeight == 0 ||
        header->m_nWidth > kMaxSide || header->m_nHeight > kMaxSide ||
        LevelBytes(*header, format) > size - kHeaderBytes)
        return D3DXERR_INVALIDDATA;
    *info = D3DXIMAGE_INFO{header->m_nWidth, header->m_nHeight, 1,
                           header->m_nMips ? header->m_nMips : 1, format, D3DRTYPE_TEXTURE,
                           D3DXIFF_DDS};
    return D3D_OK;
}

}  // namespace

bool IsDds(const void* data, UINT size)
{
    return size >= 4 && std::memcmp(data, "DDS ", 4) == 0;
}

HRESULT ReadDdsInfo(const void* data, UINT size, D3DXIMAGE_INFO* info)
{
    SHeader header;
    return Inspect(data, size, &header, info);
}

HRESULT DecodeDds(const void* data, UINT size, SImage* image, D3DXIMAGE_INFO* info)
{
    SHeader header;
    HRESULT hr = Inspect(data, size, &header, info);
    if (FAILED(hr))
        return hr;
    image->m_nWidth = header.m_nWidth;
    image->m_nHeight = header.m_nHeight;
    image->m_Rgba.assign((size_t)header.m_nWidth * header.m_nHeight * 4, 0);
    const BYTE* pixels = static_cast<const BYTE*>(data) + kHeaderBytes;
    if (header.m_dwFlags & kFourCC)
        DecodeBlocks(header, info->Format, pixels, image->m_Rgba.data());
    else
        DecodeMasked(header, pixels, image->m_Rgba.data());
    return D3D_OK;
}

}  // namespace d3dx8
