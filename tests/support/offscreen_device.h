// A window and a Direct3D device for tests that draw. Runs headless under
// SDL_VIDEODRIVER=offscreen; the back buffer is exact, so tests compare
// pixels.
//
//     COffscreenDevice dev;                 // 800 x 600, D24S8 depth
//     ASSERT_TRUE(dev.IsReady()) << dev.Error();
//     dev.Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0);
//     EXPECT_EQ(dev.Pixel(10, 10), 0xFF0000FFu);
#pragma once

#include "d3d/d3d8.h"

#include <cstdint>
#include <string>
#include <vector>

class COffscreenDevice {
public:
    explicit COffscreenDevice(UINT width = 800, UINT height = 600,
                              D3DFORMAT depthFormat = D3DFMT_D24S8);
    ~COffscreenDevice();
    COffscreenDevice(const COffscreenDevice&) = delete;
    COffscreenDevice& operator=(const COffscreenDevice&) = delete;

    bool IsReady() const { return m_pDevice != nullptr; }
    const std::string& Error() const { return m_strError; }

    IDirect3D8* D3D() const { return m_pD3D; }
    IDirect3DDevice8* Device() const { return m_pDevice; }
    HWND Window() const { return m_hWnd; }
    D3DPRESENT_PARAMETERS& PresentParams() { return m_PresentParams; }

    // The current render target (the back buffer unless a test changed it)
    // as rows of r, g, b, a bytes, top row first; empty on failure.
    std::vector<uint8_t> ReadRgba(UINT* width = nullptr, UINT* height = nullptr) const;
    // One pixel of the current render target as ARGB (0 outside).
    D3DCOLOR Pixel(UINT x, UINT y) const;

private:
    std::string m_strError;
    HWND m_hWnd = nullptr;
    IDirect3D8* m_pD3D = nullptr;
    IDirect3DDevice8* m_pDevice = nullptr;
    D3DPRESENT_PARAMETERS m_PresentParams = {};
};
