#include "RenderSystem/vantile_renderwindow.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "Core/vantile_application.h"
#include "Core/vantile_exception.h"
#include "Core/vantile_frametimer.h"
#include "Core/vantile_log.h"
#include "Core/vantile_root.h"
#include "RenderSystem/vantile_driverlist.h"
#include "RenderSystem/vantile_rendersystem.h"

namespace Vantile {

namespace {

const char* const WINDOW_CLASS = "VantileD3D9Wnd";
const DWORD BASE_STYLE = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
const DWORD FIXED_BORDER = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

void RegisterWindowClass(HINSTANCE hInstance)
{
    CApplication* pApplication = CRoot::Instance().getApplication();
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = CD3D9RenderWindow::WndProc;
    windowClass.hInstance = hInstance;
    windowClass.hIcon = pApplication ? pApplication->getIcon() : nullptr;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = WINDOW_CLASS;
    // A second registration fails because the class exists: that is fine.
    RegisterClassA(&windowClass);
}

}  // namespace

CD3D9RenderWindow::CD3D9RenderWindow(HINSTANCE hInstance, CD3D9Driver* pDriver)
    : m_hInstance(hInstance), m_pDriver(pDriver)
{
}

CD3D9RenderWindow::~CD3D9RenderWindow()
{
    Destroy();
}

void CD3D9RenderWindow::Create(HWND hParent, const std::string& strTitle, int nWidth, int nHeight,
                               int nColourDepth, bool bFullScreen, D3DMULTISAMPLE_TYPE nMultiSample,
                               int nReserved)
{
    DWORD dwStyle = BASE_STYLE;
    int nLeft = -1;
    int nTop = -1;
    if (bFullScreen) {
        dwStyle |= WS_POPUP;
        nLeft = 0;
        nTop = 0;
    } else if (hParent) {
        dwStyle |= WS_CHILD;
    } else {
        dwStyle |= FIXED_BORDER;
        RECT rect = {0, 0, nWidth, nHeight};
        AdjustWindowRect(&rect, dwStyle, FALSE);
        nWidth = std::min<int>(rect.right - rect.left, GetSystemMetrics(SM_CXSCREEN));
        nHeight = std::min<int>(rect.bottom - rect.top, GetSystemMetrics(SM_CYSCREEN));
        nLeft = (GetSystemMetrics(SM_CXSCREEN) - nWidth) / 2;
        nTop = (GetSystemMetrics(SM_CYSCREEN) - nHeight) / 2;
    }
    RegisterWindowClass(m_hInstance);
    m_hWnd = CreateWindowExA(0, WINDOW_CLASS, strTitle.c_str(), dwStyle, nLeft, nTop, nWidth, nHeight,
                             hParent, nullptr, m_hInstance, this);
    if (!m_hWnd)
        throw Exception(4, std::string("Failed to create the game window: ") + PlatformLastError(),
                        "CD3D9RenderWindow::Create", __FILE__, __LINE__);
    readGeometry();
    m_strTitle = strTitle;
    m_nColourDepth = nColourDepth;
    m_bFullScreen = bFullScreen;
    m_bDepthBuffer = true;
    m_nMultiSample = nMultiSample;
    CLog::Instance().Write(LOG_INFO, FormatString("D3D9 : Created D3D9 Rendering Window '%s' : %dx%d, %dbpp",
                                                  strTitle.c_str(), m_nWidth, m_nHeight, m_nColourDepth));
    createD3DResources();
    m_bActive = true;
}

void CD3D9RenderWindow::readGeometry()
{
    RECT windowRect, clientRect;
    GetWindowRect(m_hWnd, &windowRect);
    GetClientRect(m_hWnd, &clientRect);
    m_nLeft = windowRect.left;
    m_nTop = windowRect.top;
    m_nWidth = clientRect.right;
    m_nHeight = clientRect.bottom;
}

void CD3D9RenderWindow::SetTitle(const std::string& strTitle)
{
    m_strTitle = strTitle;
    if (m_hWnd)
        SetWindowTextA(m_hWnd, strTitle.c_str());
}

void CD3D9RenderWindow::fillPresentParameters()
{
    memset(&m_PresentParams, 0, sizeof(m_PresentParams));
    m_PresentParams.BackBufferWidth = m_nWidth;
    m_PresentParams.BackBufferHeight = m_nHeight;
    if (m_bFullScreen)
        m_PresentParams.BackBufferFormat = m_nColourDepth > 16 ? D3DFMT_X8R8G8B8 : D3DFMT_R5G6B5;
    else
        m_PresentParams.BackBufferFormat = m_pDriver->getDisplayMode().Format;
    m_PresentParams.BackBufferCount = 1;
    m_PresentParams.MultiSampleType = m_nMultiSample;
    m_PresentParams.SwapEffect = D3DSWAPEFFECT_DISCARD;
    m_PresentParams.hDeviceWindow = m_hWnd;
    m_PresentParams.Windowed = !m_bFullScreen;
    m_PresentParams.EnableAutoDepthStencil = TRUE;
    m_PresentParams.AutoDepthStencilFormat = chooseDepthFormat();
}

D3DFORMAT CD3D9RenderWindow::chooseDepthFormat() const
{
    if (m_nColourDepth <= 16)
        return D3DFMT_D16;
    IDirect3D8* pD3D = m_pDriver->getD3D();
    const UINT nAdapter = m_pDriver->getAdapterNumber();
    const D3DFORMAT backFormat = m_PresentParams.BackBufferFormat;
    const D3DFORMAT adapterFormat = m_pDriver->getDisplayMode().Format;
    if (SUCCEEDED(pD3D->CheckDeviceFormat(nAdapter, D3DDEVTYPE_HAL, adapterFormat, D3DUSAGE_DEPTHSTENCIL,
                                          D3DRTYPE_SURFACE, D3DFMT_D24S8))) {
        if (SUCCEEDED(pD3D->CheckDepthStencilMatch(nAdapter, D3DDEVTYPE_HAL, adapterFormat, backFormat,
                                                   D3DFMT_D24S8)))
            return D3DFMT_D24S8;
        return D3DFMT_D24X8;
    }
    if (SUCCEEDED(pD3D->CheckDeviceFormat(nAdapter, D3DDEVTYPE_HAL, adapterFormat, D3DUSAGE_DEPTHSTENCIL,
                                          D3DRTYPE_SURFACE, D3DFMT_D32)))
        return D3DFMT_D32;
    return D3DFMT_D16;
}

DWORD CD3D9RenderWindow::chooseVertexProcessing() const
{
    D3DCAPS8 caps = {};
    m_pDriver->getD3D()->GetDeviceCaps(m_pDriver->getAdapterNumber(), D3DDEVTYPE_HAL, &caps);
    if (caps.MaxVertexBlendMatrices >= 4 && caps.MaxVertexBlendMatrixIndex > 0)
        return D3DCREATE_HARDWARE_VERTEXPROCESSING;
    return D3DCREATE_SOFTWARE_VERTEXPROCESSING;
}

// A performance-analysis adapter, when present, takes the device so the
// tool can see every call.
UINT CD3D9RenderWindow::findPerfHudAdapter(D3DDEVTYPE* pType) const
{
    IDirect3D8* pD3D = m_pDriver->getD3D();
    for (UINT nAdapter = 0; nAdapter < pD3D->GetAdapterCount(); ++nAdapter) {
        D3DADAPTER_IDENTIFIER8 identifier = {};
        pD3D->GetAdapterIdentifier(nAdapter, 0, &identifier);
        if (strcmp(identifier.Description, "NVIDIA NVPerfHUD") == 0) {
            *pType = D3DDEVTYPE_REF;
            return nAdapter;
        }
    }
    *pType = D3DDEVTYPE_HAL;
    return m_pDriver->getAdapterNumber();
}

void CD3D9RenderWindow::createD3DResources()
{
    assert((m_pDriver) && ("m_pDriver == NULL"));
    fillPresentParameters();
    if (!m_pDriver->getDevice()) {
        D3DDEVTYPE nType;
        const UINT nAdapter = findPerfHudAdapter(&nType);
        IDirect3DDevice8* pDevice = nullptr;
        const HRESULT hr = m_pDriver->getD3D()->CreateDevice(nAdapter, nType, m_hWnd, chooseVertexProcessing(),
                                                             &m_PresentParams, &pDevice);
        if (FAILED(hr)) {
            Destroy();
            throw Exception(hr, "Failed to create Direct3D9 Device: " + CD3D9RenderSystem::GetErrorDescription(hr) +
                                    " (" + PlatformLastError() + ")",
                            "CD3D9RenderWindow::createD3DResources", __FILE__, __LINE__);
        }
        m_pDriver->setDevice(pDevice);
    }
    CD3D9RenderSystem::Instance().SetDevice(m_pDriver->getDevice());
    fetchDefaultSurfaces();
    choosePace();
}

// With vsync the display's own rate; without it the pacer's default.
void CD3D9RenderWindow::choosePace()
{
    D3DCAPS8 caps = {};
    m_pDriver->getDevice()->GetDeviceCaps(&caps);
    const bool bVsync = (caps.PresentationIntervals & D3DPRESENT_INTERVAL_ONE) != 0;
    m_Pacer.setRate(bVsync ? m_pDriver->getDisplayMode().RefreshRate : 0);
    CLog::Instance().Write(LOG_INFO, FormatString("Frames: %s, at most %u a second", bVsync ? "vsync" : "no vsync",
                                                  m_Pacer.rate()));
}

// The window keeps plain pointers to the default surfaces; the device owns
// them.
void CD3D9RenderWindow::fetchDefaultSurfaces()
{
    IDirect3DDevice8* pDevice = m_pDriver->getDevice();
    m_pRenderTarget = nullptr;
    m_pDepthSurface = nullptr;
    if (SUCCEEDED(pDevice->GetRenderTarget(&m_pRenderTarget)))
        m_pRenderTarget->Release();
    if (SUCCEEDED(pDevice->GetDepthStencilSurface(&m_pDepthSurface)))
        m_pDepthSurface->Release();
}

void CD3D9RenderWindow::forgetDefaultSurfaces()
{
    m_pRenderTarget = nullptr;
    m_pDepthSurface = nullptr;
}

void CD3D9RenderWindow::Update()
{
    if (CD3D9RenderSystem::Instance().IsDeviceLost() && !recoverLostDevice())
        return;
    // A minimised window still presents: the device reports itself lost
    // there, which starts the reset protocol.
    swapBuffers();
    // A fixed step draws as fast as the machine allows: its game time does
    // not depend on how long a frame takes.
    if (!CFrameTimer::Instance().isFixedStep())
        m_Pacer.pace();
}

bool CD3D9RenderWindow::IsDrawable() const
{
    return m_hWnd && !IsIconic(m_hWnd) && IsWindowVisible(m_hWnd);
}

// False while the device cannot be used yet; the frame is then skipped.
bool CD3D9RenderWindow::recoverLostDevice()
{
    CD3D9RenderSystem& renderSystem = CD3D9RenderSystem::Instance();
    if (m_pDriver->getDevice()->TestCooperativeLevel() == D3DERR_DEVICELOST) {
        forgetDefaultSurfaces();
        Sleep(50);
        return false;
    }
    renderSystem.restoreLostDevice();
    if (renderSystem.IsDeviceLost()) {
        Sleep(50);
        CLog::Instance().Write(LOG_ERROR, "Failed to restore device !");
        return false;
    }
    fetchDefaultSurfaces();
    return true;
}

void CD3D9RenderWindow::swapBuffers()
{
    const HRESULT hr = m_pDriver->getDevice()->Present(nullptr, nullptr, nullptr, nullptr);
    if (hr == D3DERR_DEVICELOST)
        CD3D9RenderSystem::Instance().DeviceLost();
    else if (FAILED(hr))
        throw Exception(hr, "Error Presenting surfaces", "D3D9RenderWindow::swapBuffers", __FILE__, __LINE__);
}

// A window that is only moved, as when it is first mapped, keeps its back
// buffer: only a new client size needs the device reset.
void CD3D9RenderWindow::OnMoveOrSize()
{
    if (!m_hWnd || IsIconic(m_hWnd))
        return;
    if (takeClientSize())
        CD3D9RenderSystem::Instance().RequestReset(FormatString("the window's size is now %dx%d", m_nWidth, m_nHeight));
}

// True when a windowed back buffer had another size.
bool CD3D9RenderWindow::takeClientSize()
{
    if (!m_PresentParams.Windowed)
        return false;
    readGeometry();
    const bool bChanged = m_PresentParams.BackBufferWidth != UINT(m_nWidth) ||
                          m_PresentParams.BackBufferHeight != UINT(m_nHeight);
    m_PresentParams.BackBufferWidth = m_nWidth;
    m_PresentParams.BackBufferHeight = m_nHeight;
    return bChanged;
}

void CD3D9RenderWindow::SetWindowedSize(int nWidth, int nHeight)
{
    if (m_PresentParams.Windowed) {
        const DWORD dwStyle = BASE_STYLE | FIXED_BORDER;
        SetWindowLongA(m_hWnd, GWL_STYLE, dwStyle);
        RECT rect = {0, 0, nWidth, nHeight};
        AdjustWindowRect(&rect, dwStyle, FALSE);
        SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_SHOWWINDOW);
        readGeometry();
    } else {
        SetWindowLongA(m_hWnd, GWL_STYLE, BASE_STYLE | WS_POPUP);
        SetWindowPos(m_hWnd, nullptr, 0, 0, nWidth, nHeight, SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        m_nLeft = 0;
        m_nTop = 0;
        m_nWidth = nWidth;
        m_nHeight = nHeight;
        m_PresentParams.BackBufferWidth = nWidth;
        m_PresentParams.BackBufferHeight = nHeight;
    }
}

void CD3D9RenderWindow::SetFullScreen(bool bFullScreen)
{
    m_PresentParams.Windowed = !bFullScreen;
    SetWindowedSize(800, 600);
    if (m_hWnd && !IsIconic(m_hWnd))
        takeClientSize();
    CD3D9RenderSystem::Instance().RequestReset(bFullScreen ? "full screen" : "windowed");
}

void CD3D9RenderWindow::Destroy()
{
    if (m_hWnd && !m_bExternal)
        DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    m_bActive = false;
}

}  // namespace Vantile
