// The device's life: the GL context, the back buffer, presentation and the
// lost-device protocol.
//
// When the window shows the back buffer pixel for pixel, the back buffer is
// the window's own buffer and Present only swaps. Otherwise it is an FBO of
// the present parameters' size and Present scales it into the drawable with
// the aspect kept, which lets full screen show an 800 x 600 game on any
// desktop (d3d8_device_window.cpp decides which).
#include "d3d/d3d8_local.h"
#include "d3d/d3d8_testhooks.h"
#include "system/win32_sdl.h"

#include <SDL.h>

namespace d3d8 {

CDevice* AsDevice(IDirect3DDevice8* device)
{
    return static_cast<CDevice*>(device);
}

CDevice::CDevice(CDirect3D* d3d, HWND window, const D3DPRESENT_PARAMETERS& params)
    : m_pD3D(d3d), m_hWnd(window), m_Params(params)
{
    m_pD3D->AddRef();
    m_Params.hDeviceWindow = window;
    for (CTexture*& texture : m_pTextures)
        texture = nullptr;
}

bool CDevice::Initialise()
{
    SDL_Window* window = LiveWindow();
    if (!window) {
        PlatformSetLastError("The device window is not a live window");
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    m_pContext = SDL_GL_CreateContext(window);
    if (!m_pContext) {
        PlatformSetLastError(SDL_GetError());
        return false;
    }
    MakeCurrent();
    const char* renderer = (const char*)glGetString(GL_RENDERER);
    CDirect3D::RendererName() = renderer ? renderer : "";
    ApplySwapInterval();

    std::string errors;
    GLuint program = CompileProgram(FixedFunctionVertexBody(), FixedFunctionFragmentBody(), &errors);
    if (!program) {
        PlatformSetLastError(("Fixed-function program: " + errors).c_str());
        return false;
    }
    m_FixedFunction = DescribeProgram(program);
    m_bClipControl = HasClipControl();
    glGenFramebuffers(1, &m_nDrawFbo);
    glGenFramebuffers(1, &m_nReadFbo);
    glGenVertexArrays(1, &m_nVao);
    m_VertexStream.Create();
    m_IndexStream.Create();
    glGenSamplers(8, m_Samplers);
    if (!CreateDefaultTargets())
        return false;
    ResetStates();
    WatchWindow();
    return true;
}

// Every interval but "immediate" waits for the display, as a windowed
// Direct3D device does. Drivers without it (a virtual X server, the
// offscreen driver) refuse or ignore it; the caps then leave it out, so the
// caller knows to pace frames itself.
void CDevice::ApplySwapInterval()
{
    const bool bWanted = m_Params.FullScreen_PresentationInterval != D3DPRESENT_INTERVAL_IMMEDIATE;
    m_bVsync = bWanted && SDL_GL_SetSwapInterval(1) == 0 && SDL_GL_GetSwapInterval() != 0;
    if (!m_bVsync)
        SDL_GL_SetSwapInterval(0);
}

bool CDevice::CreateDefaultTargets()
{
    // Unbound first, so the old surfaces going do not rebind each other.
    m_pRenderTarget = nullptr;
    m_pDepthStencil = nullptr;
    m_pBackBuffer.reset();
    m_pAutoDepth.reset();
    D3DSURFACE_DESC colour = {m_Params.BackBufferFormat, D3DRTYPE_SURFACE, D3DUSAGE_RENDERTARGET,
                              D3DPOOL_DEFAULT, 0, D3DMULTISAMPLE_NONE, m_Params.BackBufferWidth,
                              m_Params.BackBufferHeight};
    const CSurface::EKind kind = WindowCanHoldBackBuffer() ? CSurface::eWindow : CSurface::eDeviceOwned;
    m_pBackBuffer.reset(new CSurface(this, kind, this, colour, 0, 0));
    if (m_Params.EnableAutoDepthStencil) {
        if (!IsDepthFormat(m_Params.AutoDepthStencilFormat)) {
            PlatformSetLastError("Unsupported depth-stencil format");
            return false;
        }
        D3DSURFACE_DESC depth = colour;
        depth.Format = m_Params.AutoDepthStencilFormat;
        depth.Usage = D3DUSAGE_DEPTHSTENCIL;
        m_pAutoDepth.reset(new CSurface(this, kind, this, depth, 0, 0));
    }
    m_pRenderTarget = m_pBackBuffer.get();
    m_pDepthStencil = m_pAutoDepth.get();
    AttachTargets();
    // GL leaves new storage undefined; start from black and the far plane.
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glStencilMask(0xff);
    glClearColor(0, 0, 0, 0);
    glClearDepth(1.0);
    glClearStencil(0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    return true;
}

CDevice::~CDevice()
{
    DestroyGl();
    m_pD3D->Release();
}

void CDevice::DestroyGl()
{
    if (!m_pContext)
        return;
    // Whatever is still held back goes with the context.
    m_Batch.m_bOpen = false;
    MakeCurrent();
    // Unbound first: each surface tells the device it is going, and the
    // device must not rebind one already freed.
    m_pRenderTarget = nullptr;
    m_pDepthStencil = nullptr;
    m_pBackBuffer.reset();
    m_pAutoDepth.reset();
    for (auto& entry : m_Programs)
        glDeleteProgram(entry.second.m_nName);
    glDeleteProgram(m_FixedFunction.m_nName);
    glDeleteSamplers(8, m_Samplers);
    m_VertexStream.Destroy();
    m_IndexStream.Destroy();
    glDeleteVertexArrays(1, &m_nVao);
    glDeleteFramebuffers(1, &m_nDrawFbo);
    glDeleteFramebuffers(1, &m_nReadFbo);
    SDL_GL_DeleteContext(m_pContext);
    m_pContext = nullptr;
}

ULONG CDevice::AddRef()
{
    return ++m_nRefs;
}

ULONG CDevice::Release()
{
    ULONG left = --m_nRefs;
    if (left == 0)
        delete this;
    return left;
}

void CDevice::MakeCurrent()
{
    SDL_Window* window = LiveWindow();
    if (m_pContext && window && SDL_GL_GetCurrentContext() != m_pContext)
        SDL_GL_MakeCurrent(window, m_pContext);
}

// A closed window takes its SDL window with it while the device may still
// be released later; the context stays current and deletes its objects
// without it.
SDL_Window* CDevice::LiveWindow() const
{
    return PlatformSdlWindow(m_hWnd);
}

void CDevice::Forget(const void* resource)
{
    FlushDraws();
    for (CTexture*& texture : m_pTextures) {
        if (texture == resource)
            texture = nullptr;
    }
    for (SStream& stream : m_Streams) {
        if (stream.m_pBuffer == resource)
            stream = SStream();
    }
    if (m_pIndices == resource)
        m_pIndices = nullptr;
    // A render target going away leaves the device drawing to the back
    // buffer rather than to freed storage.
    if (m_pRenderTarget == resource)
        SetRenderTarget(m_pBackBuffer.get(), m_pDepthStencil);
    if (m_pDepthStencil == resource) {
        m_pDepthStencil = nullptr;
        AttachTargets();
    }
}

void CDevice::BindForRead(CSurface* surface)
{
    MakeCurrent();
    if (surface->InWindow()) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
        glReadBuffer(m_eWindowBuffer);
        return;
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_nReadFbo);
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                           surface->Texture(), surface->Level());
    glReadBuffer(GL_COLOR_ATTACHMENT0);
}

// ---- lost-device emulation ------------------------------------------------------

void CDevice::WindowState(int* width, int* height, bool* fullScreen) const
{
    *width = *height = 0;
    if (SDL_Window* window = LiveWindow())
        SDL_GL_GetDrawableSize(window, width, height);
    *fullScreen = PlatformIsFullScreen(m_hWnd);
}

void CDevice::WatchWindow()
{
    WindowState(&m_nWatchedWidth, &m_nWatchedHeight, &m_bWatchedFullScreen);
}

HRESULT CDevice::TestCooperativeLevel()
{
    if (IsIconic(m_hWnd)) {
        m_bNeedsReset = true;
        return D3DERR_DEVICELOST;
    }
    int width, height;
    bool fullScreen;
    WindowState(&width, &height, &fullScreen);
    if (width != m_nWatchedWidth || height != m_nWatchedHeight || fullScreen != m_bWatchedFullScreen)
        m_bNeedsReset = true;
    return m_bNeedsReset ? D3DERR_DEVICENOTRESET : D3D_OK;
}

HRESULT CDevice::Reset(D3DPRESENT_PARAMETERS* params)
{
    if (!params || params->BackBufferWidth == 0 || params->BackBufferHeight == 0)
        return D3DERR_INVALIDCALL;
    // As Direct3D: everything in the default pool must be gone first, the
    // caller re-creates it after the reset.
    if (m_nDefaultPoolResources > 0)
        return D3DERR_INVALIDCALL;
    if (IsIconic(m_hWnd))
        return D3DERR_DEVICELOST;
    FlushDraws();
    D3DPRESENT_PARAMETERS previous = m_Params;
    m_Params = *params;
    m_Params.hDeviceWindow = m_hWnd;
    MakeCurrent();
    if (!CreateDefaultTargets()) {
        m_Params = previous;
        CreateDefaultTargets();
        return D3DERR_INVALIDCALL;
    }
    ResetStates();
    ApplySwapInterval();
    m_bInScene = false;
    m_bNeedsReset = false;
    WatchWindow();
    return D3D_OK;
}

HRESULT CDevice::Present(const RECT* sourceRect, const RECT* destRect, HWND destWindow,
                         const void* dirtyRegion)
{
    FlushDraws();
    if (TestCooperativeLevel() != D3D_OK)
        return D3DERR_DEVICELOST;
    SDL_Window* window = LiveWindow();
    if (!window)
        return D3DERR_INVALIDCALL;
    MakeCurrent();
    if (!m_pBackBuffer->InWindow())
        CopyToWindow(window);
    SDL_GL_SwapWindow(window);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, DrawFramebuffer());
    return D3D_OK;
}

HRESULT CDevice::GetBackBuffer(UINT index, D3DBACKBUFFER_TYPE type, IDirect3DSurface8** surface)
{
    if (index != 0 || !surface)
        return D3DERR_INVALIDCALL;
    m_pBackBuffer->AddRef();
    *surface = m_pBackBuffer.get();
    return D3D_OK;
}

// ---- information ---------------------------------------------------------------

HRESULT CDevice::GetDirect3D(IDirect3D8** d3d)
{
    if (!d3d)
        return D3DERR_INVALIDCALL;
    m_pD3D->AddRef();
    *d3d = m_pD3D;
    return D3D_OK;
}

HRESULT CDevice::GetDeviceCaps(D3DCAPS8* caps)
{
    if (!caps)
        return D3DERR_INVALIDCALL;
    FillCaps(caps, 0, D3DDEVTYPE_HAL);
    if (!m_bVsync)
        caps->PresentationIntervals &= ~DWORD(D3DPRESENT_INTERVAL_ONE);
    return D3D_OK;
}

HRESULT CDevice::GetDisplayMode(D3DDISPLAYMODE* mode)
{
    return m_pD3D->GetAdapterDisplayMode(0, mode);
}

UINT CDevice::GetAvailableTextureMem()
{
    return 256u * 1024 * 1024;
}

}  // namespace d3d8

void D3DForceDeviceLost(IDirect3DDevice8* device)
{
    if (device)
        d3d8::AsDevice(device)->MarkLost();
}

UINT D3DDeviceDrawCalls(IDirect3DDevice8* device)
{
    return device ? d3d8::AsDevice(device)->DrawCalls() : 0;
}
