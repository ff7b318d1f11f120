// Resource creation and the copies between resources.
#include "d3d/d3d8_local.h"

#include <algorithm>
#include <cstring>

namespace d3d8 {

namespace {

bool IsTargetFormat(D3DFORMAT format)
{
    return format == D3DFMT_A8R8G8B8 || format == D3DFMT_X8R8G8B8 || format == D3DFMT_R5G6B5;
}

}  // namespace

HRESULT CDevice::CreateTexture(UINT width, UINT height, UINT levels, DWORD usage,
                               D3DFORMAT format, D3DPOOL pool, IDirect3DTexture8** texture)
{
    if (!texture)
        return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (width == 0 || height == 0 || width > 4096 || height > 4096 || !IsTextureFormat(format))
        return D3DERR_INVALIDCALL;
    if ((usage & D3DUSAGE_RENDERTARGET) && (pool != D3DPOOL_DEFAULT || !IsTargetFormat(format)))
        return D3DERR_INVALIDCALL;
    UINT full = FullMipCount(width, height);
    // Render targets have one level: we never fill the rest from drawing.
    if (usage & D3DUSAGE_RENDERTARGET)
        full = 1;
    levels = (levels == 0 || levels > full) ? full : levels;
    *texture = new CTexture(this, width, height, levels, usage, format, pool);
    return D3D_OK;
}

HRESULT CDevice::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                    IDirect3DVertexBuffer8** buffer)
{
    if (!buffer || length == 0)
        return D3DERR_INVALIDCALL;
    D3DVERTEXBUFFER_DESC desc = {D3DFMT_VERTEXDATA, D3DRTYPE_VERTEXBUFFER, usage, pool, length,
                                 fvf};
    *buffer = new CVertexBuffer(this, desc);
    return D3D_OK;
}

HRESULT CDevice::CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                   IDirect3DIndexBuffer8** buffer)
{
    if (!buffer || length == 0 || (format != D3DFMT_INDEX16 && format != D3DFMT_INDEX32))
        return D3DERR_INVALIDCALL;
    D3DINDEXBUFFER_DESC desc = {format, D3DRTYPE_INDEXBUFFER, usage, pool, length};
    *buffer = new CIndexBuffer(this, desc);
    return D3D_OK;
}

HRESULT CDevice::CreateDepthStencilSurface(UINT width, UINT height, D3DFORMAT format,
                                           D3DMULTISAMPLE_TYPE multiSample,
                                           IDirect3DSurface8** surface)
{
    if (!surface || width == 0 || height == 0 || !IsDepthFormat(format))
        return D3DERR_INVALIDCALL;
    D3DSURFACE_DESC desc = {format, D3DRTYPE_SURFACE, D3DUSAGE_DEPTHSTENCIL, D3DPOOL_DEFAULT, 0,
                            multiSample, width, height};
    *surface = new CSurface(this, CSurface::eDepthStencil, nullptr, desc, 0, 0);
    return D3D_OK;
}

HRESULT CDevice::CreateImageSurface(UINT width, UINT height, D3DFORMAT format,
                                    IDirect3DSurface8** surface)
{
    if (!surface || width == 0 || height == 0 || !IsTextureFormat(format))
        return D3DERR_INVALIDCALL;
    D3DSURFACE_DESC desc = {format, D3DRTYPE_SURFACE, 0, D3DPOOL_SYSTEMMEM, 0,
                            D3DMULTISAMPLE_NONE, width, height};
    *surface = new CSurface(this, CSurface::eImage, nullptr, desc, 0, 0);
    return D3D_OK;
}

HRESULT CDevice::CopyRects(IDirect3DSurface8* source, const RECT* sourceRects, UINT count,
                           IDirect3DSurface8* dest, const POINT* destPoints)
{
    CSurface* from = static_cast<CSurface*>(source);
    CSurface* to = static_cast<CSurface*>(dest);
    if (!from || !to || from == to || from->Desc().Format != to->Desc().Format ||
        IsDepthFormat(from->Desc().Format))
        return D3DERR_INVALIDCALL;
    const D3DSURFACE_DESC& fd = from->Desc();
    const D3DSURFACE_DESC& td = to->Desc();
    RECT whole = {0, 0, (LONG)fd.Width, (LONG)fd.Height};
    UINT bytes = FormatBytes(fd.Format);
    const std::vector<BYTE>& src = from->Bits();
    std::vector<BYTE>& dst = to->Bits();
    for (UINT i = 0; i < std::max(count, 1u); ++i) {
        const RECT& r = sourceRects ? sourceRects[i] : whole;
        POINT at = destPoints ? destPoints[i] : sourceRects ? POINT{r.left, r.top} : POINT{0, 0};
        if (r.left < 0 || r.top < 0 || r.right > whole.right || r.bottom > whole.bottom ||
            r.left >= r.right || r.top >= r.bottom || at.x < 0 || at.y < 0 ||
            at.x + (r.right - r.left) > (LONG)td.Width || at.y + (r.bottom - r.top) > (LONG)td.Height)
            return D3DERR_INVALIDCALL;
        for (LONG row = 0; row < r.bottom - r.top; ++row)
            std::memcpy(&dst[(size_t)(at.y + row) * to->Pitch() + at.x * bytes],
                        &src[(size_t)(r.top + row) * from->Pitch() + r.left * bytes],
                        (size_t)(r.right - r.left) * bytes);
    }
    to->Upload();
    return D3D_OK;
}

HRESULT CDevice::UpdateTexture(IDirect3DBaseTexture8* source, IDirect3DBaseTexture8* dest)
{
    CTexture* from = static_cast<CTexture*>(source);
    CTexture* to = static_cast<CTexture*>(dest);
    if (!from || !to || from->Pool() != D3DPOOL_SYSTEMMEM || to->Pool() != D3DPOOL_DEFAULT)
        return D3DERR_INVALIDCALL;
    UINT levels = std::min(from->GetLevelCount(), to->GetLevelCount());
    for (UINT level = 0; level < levels; ++level) {
        if (from->Level(level)->Desc().Width != to->Level(level)->Desc().Width ||
            from->Level(level)->Desc().Height != to->Level(level)->Desc().Height)
            return D3DERR_INVALIDCALL;
    }
    for (UINT level = 0; level < levels; ++level)
        CopyRects(from->Level(level), nullptr, 0, to->Level(level), nullptr);
    return D3D_OK;
}

}  // namespace d3d8
