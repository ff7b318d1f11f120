// The Direct3D object: one adapter (SDL display 0), its modes, format
// checks, capabilities, and device creation.
#include "d3d/d3d8_local.h"
#include "system/win32_sdl.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace d3d8 {

namespace {

D3DFORMAT FormatOfSdl(Uint32 pixelFormat)
{
    return SDL_BITSPERPIXEL(pixelFormat) <= 16 ? D3DFMT_R5G6B5 : D3DFMT_X8R8G8B8;
}

D3DDISPLAYMODE ModeOfSdl(const SDL_DisplayMode& sdl)
{
    return D3DDISPLAYMODE{(UINT)sdl.w, (UINT)sdl.h, (UINT)(sdl.refresh_rate ? sdl.refresh_rate : 60),
                          FormatOfSdl(sdl.format)};
}

bool SameMode(const D3DDISPLAYMODE& a, const D3DDISPLAYMODE& b)
{
    return a.Width == b.Width && a.Height == b.Height && a.RefreshRate == b.RefreshRate &&
           a.Format == b.Format;
}

// The desktop's own modes, then the classic sizes the game asks for: today's
// displays rarely list them, and in full screen the back buffer is scaled to
// the desktop anyway.
std::vector<D3DDISPLAYMODE> EnumerateModes()
{
    std::vector<D3DDISPLAYMODE> modes;
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode sdl;
        if (SDL_GetDisplayMode(0, i, &sdl) == 0)
            modes.push_back(ModeOfSdl(sdl));
    }
    const UINT sizes[][2] = {{640, 480}, {800, 600}, {1024, 768}};
    for (D3DFORMAT format : {D3DFMT_X8R8G8B8, D3DFMT_R5G6B5}) {
        for (const auto& size : sizes) {
            D3DDISPLAYMODE mode = {size[0], size[1], 60, format};
            auto same = [&](const D3DDISPLAYMODE& m) { return SameMode(m, mode); };
            if (std::none_of(modes.begin(), modes.end(), same))
                modes.push_back(mode);
        }
    }
    return modes;
}

bool IsBackBufferFormat(D3DFORMAT format)
{
    return format == D3DFMT_X8R8G8B8 || format == D3DFMT_A8R8G8B8 || format == D3DFMT_R5G6B5;
}

}  // namespace

CDirect3D::CDirect3D() : m_Modes(EnumerateModes()) {}

// Video stays up: windows made after Direct3DCreate8 rely on it, and they
// may outlive this object.
CDirect3D::~CDirect3D() = default;

std::string& CDirect3D::RendererName()
{
    static std::string name;
    return name;
}

ULONG CDirect3D::AddRef()
{
    return ++m_nRefs;
}

ULONG CDirect3D::Release()
{
    ULONG left = --m_nRefs;
    if (left == 0)
        delete this;
    return left;
}

UINT CDirect3D::GetAdapterCount()
{
    return 1;
}

HRESULT CDirect3D::GetAdapterIdentifier(UINT adapter, DWORD flags,
                                        D3DADAPTER_IDENTIFIER8* identifier)
{
    if (adapter != 0 || !identifier)
        return D3DERR_INVALIDCALL;
    std::memset(identifier, 0, sizeof(*identifier));
    std::snprintf(identifier->Driver, sizeof(identifier->Driver), "OpenGL 3.3 core (SDL %s)",
                  SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "video");
    const std::string& renderer = RendererName();
    const char* display = SDL_GetDisplayName(0);
    std::snprintf(identifier->Description, sizeof(identifier->Description), "%s",
                  !renderer.empty() ? renderer.c_str() : (display ? display : "Display 0"));
    return D3D_OK;
}

UINT CDirect3D::GetAdapterModeCount(UINT adapter)
{
    return adapter == 0 ? (UINT)m_Modes.size() : 0;
}

HRESULT CDirect3D::EnumAdapterModes(UINT adapter, UINT mode, D3DDISPLAYMODE* displayMode)
{
    if (adapter != 0 || mode >= m_Modes.size() || !displayMode)
        return D3DERR_INVALIDCALL;
    *displayMode = m_Modes[mode];
    return D3D_OK;
}

HRESULT CDirect3D::GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* displayMode)
{
    if (adapter != 0 || !displayMode)
        return D3DERR_INVALIDCALL;
    SDL_DisplayMode sdl;
    if (SDL_GetDesktopDisplayMode(0, &sdl) != 0)
        return D3DERR_NOTAVAILABLE;
    *displayMode = ModeOfSdl(sdl);
    // The desktop is composed in 32 bits whatever SDL calls its format.
    displayMode->Format = D3DFMT_X8R8G8B8;
    return D3D_OK;
}

HRESULT CDirect3D::CheckDeviceType(UINT adapter, D3DDEVTYPE type, D3DFORMAT displayFormat,
                                   D3DFORMAT backBufferFormat, BOOL windowed)
{
    if (adapter != 0)
        return D3DERR_INVALIDCALL;
    return IsBackBufferFormat(backBufferFormat) ? D3D_OK : D3DERR_NOTAVAILABLE;
}

HRESULT CDirect3D::CheckDeviceFormat(UINT adapter, D3DDEVTYPE type, D3DFORMAT adapterFormat,
                                     DWORD usage, D3DRESOURCETYPE resourceType,
                                     D3DFORMAT checkFormat)
{
    if (adapter != 0)
        return D3DERR_INVALIDCALL;
    if (usage & D3DUSAGE_DEPTHSTENCIL)
        return IsDepthFormat(checkFormat) ? D3D_OK : D3DERR_NOTAVAILABLE;
    if (usage & D3DUSAGE_RENDERTARGET)
        return IsBackBufferFormat(checkFormat) ? D3D_OK : D3DERR_NOTAVAILABLE;
    return IsTextureFormat(checkFormat) ? D3D_OK : D3DERR_NOTAVAILABLE;
}

HRESULT CDirect3D::CheckDepthStencilMatch(UINT adapter, D3DDEVTYPE type,
                                          D3DFORMAT adapterFormat, D3DFORMAT renderTargetFormat,
                                          D3DFORMAT depthStencilFormat)
{
    if (adapter != 0)
        return D3DERR_INVALIDCALL;
    return IsBackBufferFormat(renderTargetFormat) && IsDepthFormat(depthStencilFormat)
               ? D3D_OK
               : D3DERR_NOTAVAILABLE;
}

HRESULT CDirect3D::GetDeviceCaps(UINT adapter, D3DDEVTYPE type, D3DCAPS8* caps)
{
    if (adapter != 0 || !caps)
        return D3DERR_INVALIDCALL;
    FillCaps(caps, adapter, type);
    return D3D_OK;
}

HRESULT CDirect3D::CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow,
                                DWORD behaviourFlags, D3DPRESENT_PARAMETERS* params,
                                IDirect3DDevice8** device)
{
    if (adapter != 0 || !params || !device)
        return D3DERR_INVALIDCALL;
    *device = nullptr;
    HWND window = params->hDeviceWindow ? params->hDeviceWindow : focusWindow;
    if (!window || !IsBackBufferFormat(params->BackBufferFormat) ||
        params->BackBufferWidth == 0 || params->BackBufferHeight == 0)
        return D3DERR_INVALIDCALL;
    CDevice* created = new CDevice(this, window, *params);
    if (!created->Initialise()) {
        created->Release();
        return D3DERR_NOTAVAILABLE;
    }
    *device = created;
    return D3D_OK;
}

// Caps of a plain fixed-function card. Four blend matrices but no indexed
// blending (index 0): the fixed-function program does not skin, so callers
// that test for indexed blending choose software vertex processing.
void FillCaps(D3DCAPS8* caps, UINT adapter, D3DDEVTYPE type)
{
    std::memset(caps, 0, sizeof(*caps));
    caps->DeviceType = type;
    caps->AdapterOrdinal = adapter;
    caps->DevCaps = D3DDEVCAPS_HWTRANSFORMANDLIGHT;
    caps->PresentationIntervals = D3DPRESENT_INTERVAL_ONE | D3DPRESENT_INTERVAL_IMMEDIATE;
    caps->ZCmpCaps = caps->AlphaCmpCaps = 0xff;
    caps->SrcBlendCaps = caps->DestBlendCaps = 0x1fff;
    caps->TextureFilterCaps = 0x03030300;
    caps->TextureAddressCaps = 0x1f;
    caps->MaxTextureWidth = caps->MaxTextureHeight = 4096;
    caps->MaxTextureRepeat = 8192;
    caps->MaxTextureAspectRatio = 4096;
    caps->MaxAnisotropy = 1;
    caps->MaxVertexW = 1e10f;
    caps->GuardBandLeft = caps->GuardBandTop = -8192.0f;
    caps->GuardBandRight = caps->GuardBandBottom = 8192.0f;
    caps->FVFCaps = 8;  // texture coordinate sets
    caps->TextureOpCaps = 0x03ffffff;
    caps->MaxTextureBlendStages = 2;
    caps->MaxSimultaneousTextures = 2;
    caps->MaxActiveLights = 8;
    caps->MaxVertexBlendMatrices = 4;
    caps->MaxVertexBlendMatrixIndex = 0;
    caps->MaxPointSize = 64.0f;
    caps->MaxPrimitiveCount = 0xfffff;
    caps->MaxVertexIndex = 0xffffff;
    caps->MaxStreams = 1;
    caps->MaxStreamStride = 255;
    caps->VertexShaderVersion = D3DVS_VERSION(1, 1);
    caps->MaxVertexShaderConst = 96;
    caps->PixelShaderVersion = D3DPS_VERSION(1, 1);
    caps->MaxPixelShaderValue = 1.0f;
}

}  // namespace d3d8

IDirect3D8* Direct3DCreate8(UINT sdkVersion)
{
    if (sdkVersion != D3D_SDK_VERSION)
        return nullptr;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        PlatformSetLastError(SDL_GetError());
        return nullptr;
    }
    if (!PlatformVideoHasDisplay()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    return new d3d8::CDirect3D();
}
