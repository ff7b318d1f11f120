// Saving a surface as a 24-bit BMP (the diagnostic screenshot).
#include "d3d/d3d8_local.h"
#include "d3d/d3dx8.h"

#include <cstdio>
#include <vector>

#include "system/fresh_file.h"

namespace {

void Put16(std::vector<BYTE>& out, DWORD value)
{
    out.push_back((BYTE)value);
    out.push_back((BYTE)(value >> 8));
}

void Put32(std::vector<BYTE>& out, DWORD value)
{
    Put16(out, value & 0xffff);
    Put16(out, value >> 16);
}

// BMP rows run bottom up, B, G, R, each padded to four bytes.
std::vector<BYTE> EncodeBmp(const std::vector<BYTE>& rgba, UINT width, UINT height)
{
    UINT rowBytes = (width * 3 + 3) & ~3u;
    std::vector<BYTE> out;
    out.reserve(54 + (size_t)rowBytes * height);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + rowBytes * height);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, rowBytes * height);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (UINT row = height; row-- > 0;) {
        const BYTE* p = &rgba[(size_t)row * width * 4];
        for (UINT x = 0; x < width; ++x, p += 4) {
            out.push_back(p[2]);
            out.push_back(p[1]);
            out.push_back(p[0]);
        }
        out.resize(out.size() + rowBytes - width * 3, 0);
    }
    return out;
}

}  // namespace

HRESULT D3DXSaveSurfaceToFileA(const char* fileName, D3DXIMAGE_FILEFORMAT format,
                               IDirect3DSurface8* surface, const PALETTEENTRY* palette,
                               const RECT* rect)
{
    if (!fileName || !surface || format != D3DXIFF_BMP)
        return D3DERR_INVALIDCALL;
    D3DSURFACE_DESC desc;
    surface->GetDesc(&desc);
    RECT whole = {0, 0, (LONG)desc.Width, (LONG)desc.Height};
    const RECT& r = rect ? *rect : whole;
    D3DLOCKED_RECT locked;
    HRESULT hr = surface->LockRect(&locked, &r, D3DLOCK_READONLY);
    if (FAILED(hr))
        return hr;
    UINT width = r.right - r.left, height = r.bottom - r.top;
    std::vector<BYTE> rgba((size_t)width * height * 4);
    for (UINT y = 0; y < height; ++y)
        d3d8::ToRgba(desc.Format, static_cast<const BYTE*>(locked.pBits) + (size_t)y * locked.Pitch,
                     &rgba[(size_t)y * width * 4], width);
    surface->UnlockRect();
    std::vector<BYTE> bmp = EncodeBmp(rgba, width, height);
    // The screenshot lands in the per-user folder.
    FILE* file = PlatformCreateFreshStream(fileName);
    if (!file)
        return D3DERR_INVALIDCALL;
    bool written = std::fwrite(bmp.data(), 1, bmp.size(), file) == bmp.size();
    written = std::fclose(file) == 0 && written;
    return written ? D3D_OK : E_FAIL;
}
