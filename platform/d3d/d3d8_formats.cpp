// Texel layouts: every colour surface is RGBA8 in GL and is converted to and
// from the Direct3D memory layout only when the CPU sees it (locks, uploads).
#include "d3d/d3d8_local.h"

namespace d3d8 {

namespace {

BYTE Expand(DWORD value, int bits)
{
    DWORD max = (1u << bits) - 1;
    return (BYTE)((value * 255 + max / 2) / max);
}

DWORD Reduce(BYTE value, int bits)
{
    DWORD max = (1u << bits) - 1;
    return ((DWORD)value * max + 127) / 255;
}

struct SPacked {
    int m_nR, m_nG, m_nB, m_nA;  // bit counts; fields lie A, R, G, B from the top
};

bool PackedLayout(D3DFORMAT format, SPacked* layout)
{
    switch (format) {
    case D3DFMT_R5G6B5: *layout = {5, 6, 5, 0}; return true;
    case D3DFMT_X1R5G5B5: *layout = {5, 5, 5, 0}; return true;
    case D3DFMT_A1R5G5B5: *layout = {5, 5, 5, 1}; return true;
    case D3DFMT_A4R4G4B4: *layout = {4, 4, 4, 4}; return true;
    case D3DFMT_X4R4G4B4: *layout = {4, 4, 4, 0}; return true;
    default: return false;
    }
}

void UnpackWord(const SPacked& l, WORD word, BYTE* rgba)
{
    int shiftB = 0, shiftG = l.m_nB, shiftR = l.m_nB + l.m_nG, shiftA = shiftR + l.m_nR;
    rgba[0] = Expand((word >> shiftR) & ((1u << l.m_nR) - 1), l.m_nR);
    rgba[1] = Expand((word >> shiftG) & ((1u << l.m_nG) - 1), l.m_nG);
    rgba[2] = Expand((word >> shiftB) & ((1u << l.m_nB) - 1), l.m_nB);
    rgba[3] = l.m_nA ? Expand((word >> shiftA) & ((1u << l.m_nA) - 1), l.m_nA) : 255;
}

WORD PackWord(const SPacked& l, const BYTE* rgba)
{
    int shiftG = l.m_nB, shiftR = l.m_nB + l.m_nG, shiftA = shiftR + l.m_nR;
    DWORD word = Reduce(rgba[2], l.m_nB) | (Reduce(rgba[1], l.m_nG) << shiftG) |
                 (Reduce(rgba[0], l.m_nR) << shiftR);
    if (l.m_nA)
        word |= Reduce(rgba[3], l.m_nA) << shiftA;
    return (WORD)word;
}

}  // namespace

UINT FormatBytes(D3DFORMAT format)
{
    switch (format) {
    case D3DFMT_A8R8G8B8:
    case D3DFMT_X8R8G8B8:
        return 4;
    case D3DFMT_R8G8B8:
        return 3;
    case D3DFMT_R5G6B5:
    case D3DFMT_X1R5G5B5:
    case D3DFMT_A1R5G5B5:
    case D3DFMT_A4R4G4B4:
    case D3DFMT_X4R4G4B4:
    case D3DFMT_A8L8:
        return 2;
    case D3DFMT_A8:
    case D3DFMT_L8:
        return 1;
    case D3DFMT_D16:
    case D3DFMT_D16_LOCKABLE:
        return 2;
    case D3DFMT_D24S8:
    case D3DFMT_D24X8:
    case D3DFMT_D32:
        return 4;
    default:
        return 0;
    }
}

bool IsDepthFormat(D3DFORMAT format)
{
    return format == D3DFMT_D16 || format == D3DFMT_D24S8 || format == D3DFMT_D24X8 ||
           format == D3DFMT_D32;
}

bool IsTextureFormat(D3DFORMAT format)
{
    return FormatBytes(format) != 0 && !IsDepthFormat(format) && format != D3DFMT_D16_LOCKABLE;
}

bool HasAlpha(D3DFORMAT format)
{
    return format == D3DFMT_A8R8G8B8 || format == D3DFMT_A1R5G5B5 || format == D3DFMT_A4R4G4B4 ||
           format == D3DFMT_A8 || format == D3DFMT_A8L8;
}

void ToRgba(D3DFORMAT format, const BYTE* s, BYTE* d, UINT count)
{
    SPacked packed;
    bool isPacked = PackedLayout(format, &packed);
    UINT bytes = FormatBytes(format);
    for (UINT i = 0; i < count; ++i, s += bytes, d += 4) {
        if (isPacked) {
            UnpackWord(packed, (WORD)(s[0] | (s[1] << 8)), d);
            continue;
        }
        switch (format) {
        case D3DFMT_A8R8G8B8: d[0] = s[2]; d[1] = s[1]; d[2] = s[0]; d[3] = s[3]; break;
        case D3DFMT_X8R8G8B8:
        case D3DFMT_R8G8B8: d[0] = s[2]; d[1] = s[1]; d[2] = s[0]; d[3] = 255; break;
        case D3DFMT_A8: d[0] = d[1] = d[2] = 0; d[3] = s[0]; break;
        case D3DFMT_L8: d[0] = d[1] = d[2] = s[0]; d[3] = 255; break;
        case D3DFMT_A8L8: d[0] = d[1] = d[2] = s[0]; d[3] = s[1]; break;
        default: d[0] = d[1] = d[2] = d[3] = 0; break;
        }
    }
}

void FromRgba(D3DFORMAT format, const BYTE* s, BYTE* d, UINT count)
{
    SPacked packed;
    bool isPacked = PackedLayout(format, &packed);
    UINT bytes = FormatBytes(format);
    for (UINT i = 0; i < count; ++i, s += 4, d += bytes) {
        if (isPacked) {
            WORD word = PackWord(packed, s);
            d[0] = (BYTE)word;
            d[1] = (BYTE)(word >> 8);
            continue;
        }
        switch (format) {
        case D3DFMT_A8R8G8B8: d[0] = s[2]; d[1] = s[1]; d[2] = s[0]; d[3] = s[3]; break;
        // X8R8G8B8's unused byte reads back as 0xFF, as drivers give it.
        case D3DFMT_X8R8G8B8: d[0] = s[2]; d[1] = s[1]; d[2] = s[0]; d[3] = 255; break;
        case D3DFMT_R8G8B8: d[0] = s[2]; d[1] = s[1]; d[2] = s[0]; break;
        case D3DFMT_A8: d[0] = s[3]; break;
        // Luminance from red: textures of these formats are grey by nature.
        case D3DFMT_L8: d[0] = s[0]; break;
        case D3DFMT_A8L8: d[0] = s[0]; d[1] = s[3]; break;
        default: break;
        }
    }
}

void ColorToFloats(D3DCOLOR color, float* rgba)
{
    rgba[0] = ((color >> 16) & 0xff) / 255.0f;
    rgba[1] = ((color >> 8) & 0xff) / 255.0f;
    rgba[2] = (color & 0xff) / 255.0f;
    rgba[3] = ((color >> 24) & 0xff) / 255.0f;
}

}  // namespace d3d8
