#include "support/offscreen_device.h"

#include "system/win32.h"

namespace {

const char kClassName[] = "QuellonOffscreenTest";

LRESULT TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterTestClass()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.lpszClassName = kClassName;
    // A second registration fails by design; the class is already there.
    RegisterClassA(&windowClass);
}

}  // namespace

COffscreenDevice::COffscreenDevice(UINT width, UINT height, D3DFORMAT depthFormat)
{
    RegisterTestClass();
    m_hWnd = CreateWindowExA(0, kClassName, "test", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0, 0,
                             (int)width, (int)height, nullptr, nullptr, nullptr, nullptr);
    if (!m_hWnd) {
        m_strError = std::string("CreateWindowExA: ") + PlatformLastError();
        return;
    }
    m_pD3D = Direct3DCreate8(D3D_SDK_VERSION);
    if (!m_pD3D) {
        m_strError = std::string("Direct3DCreate8: ") + PlatformLastError();
        return;
    }
    m_PresentParams.BackBufferWidth = width;
    m_PresentParams.BackBufferHeight = height;
    m_PresentParams.BackBufferFormat = D3DFMT_X8R8G8B8;
    m_PresentParams.BackBufferCount = 1;
    m_PresentParams.SwapEffect = D3DSWAPEFFECT_DISCARD;
    m_PresentParams.hDeviceWindow = m_hWnd;
    m_PresentParams.Windowed = TRUE;
    m_PresentParams.EnableAutoDepthStencil = depthFormat != D3DFMT_UNKNOWN;
    m_PresentParams.AutoDepthStencilFormat = depthFormat;
    HRESULT hr = m_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, m_hWnd,
                                      D3DCREATE_SOFTWARE_VERTEXPROCESSING, &m_PresentParams,
                                      &m_pDevice);
    if (FAILED(hr)) {
        m_pDevice = nullptr;
        m_strError = std::string("CreateDevice: ") + PlatformLastError();
    }
}

COffscreenDevice::~COffscreenDevice()
{
    if (m_pDevice)
        m_pDevice->Release();
    if (m_pD3D)
        m_pD3D->Release();
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}

std::vector<uint8_t> COffscreenDevice::ReadRgba(UINT* width, UINT* height) const
{
    std::vector<uint8_t> rgba;
    IDirect3DSurface8* target = nullptr;
    if (!m_pDevice || FAILED(m_pDevice->GetRenderTarget(&target)))
        return rgba;
    D3DSURFACE_DESC desc;
    target->GetDesc(&desc);
    D3DLOCKED_RECT locked;
    if (SUCCEEDED(target->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
        rgba.resize((size_t)desc.Width * desc.Height * 4);
        for (UINT y = 0; y < desc.Height; ++y) {
            const uint8_t* row = static_cast<const uint8_t*>(locked.pBits) + (size_t)y * locked.Pitch;
            for (UINT x = 0; x < desc.Width; ++x) {
                uint8_t* out = &rgba[((size_t)y * desc.Width + x) * 4];
                // Back buffers and targets are 32-bit B, G, R, A (or X) in memory.
                out[0] = row[x * 4 + 2];
                out[1] = row[x * 4 + 1];
                out[2] = row[x * 4 + 0];
                out[3] = desc.Format == D3DFMT_X8R8G8B8 ? 0xff : row[x * 4 + 3];
            }
        }
        target->UnlockRect();
    }
    if (width)
        *width = desc.Width;
    if (height)
        *height = desc.Height;
    target->Release();
    return rgba;
}

D3DCOLOR COffscreenDevice::Pixel(UINT x, UINT y) const
{
    UINT width = 0, height = 0;
    std::vector<uint8_t> rgba = ReadRgba(&width, &height);
    if (x >= width || y >= height)
        return 0;
    const uint8_t* p = &rgba[((size_t)y * width + x) * 4];
    return D3DCOLOR_ARGB(p[3], p[0], p[1], p[2]);
}
