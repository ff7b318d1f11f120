// Surfaces: texture levels, the back buffer, depth buffers and image
// surfaces, and the CPU copies that locks hand out.
#include "d3d/d3d8_local.h"

#include <cstring>

namespace d3d8 {

CSurface::CSurface(CDevice* device, EKind kind, IUnknown* container, const D3DSURFACE_DESC& desc,
                   GLuint texture, UINT level)
    : m_pDevice(device), m_eKind(kind), m_pContainer(container), m_Desc(desc),
      m_nTexture(texture), m_nLevel(level)
{
    m_Desc.Size = m_Desc.Width * m_Desc.Height * FormatBytes(m_Desc.Format);
    AllocateStorage();
    if (m_eKind == eDepthStencil)
        m_pDevice->ResourceCreated(D3DPOOL_DEFAULT);
    // Free-standing surfaces keep their device alive like any resource.
    if (m_eKind == eDepthStencil || m_eKind == eImage)
        m_pDevice->AddRef();
}

CSurface::~CSurface()
{
    m_pDevice->Forget(this);
    m_pDevice->MakeCurrent();
    if (m_nRenderbuffer)
        glDeleteRenderbuffers(1, &m_nRenderbuffer);
    if (m_eKind == eDeviceOwned && m_nTexture)
        glDeleteTextures(1, &m_nTexture);
    if (m_eKind == eDepthStencil)
        m_pDevice->ResourceDestroyed(D3DPOOL_DEFAULT);
}

void CSurface::AllocateStorage()
{
    if (m_eKind == eWindow)
        return;
    m_pDevice->MakeCurrent();
    if (IsDepthFormat(m_Desc.Format)) {
        // Every depth format gets 24 bits and stencil: callers only choose
        // among formats we report, and more precision never hurts them.
        if (!m_nRenderbuffer)
            glGenRenderbuffers(1, &m_nRenderbuffer);
        glBindRenderbuffer(GL_RENDERBUFFER, m_nRenderbuffer);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, m_Desc.Width, m_Desc.Height);
        return;
    }
    if (m_eKind != eDeviceOwned)
        return;
    if (!m_nTexture)
        glGenTextures(1, &m_nTexture);
    glBindTexture(GL_TEXTURE_2D, m_nTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, m_Desc.Width, m_Desc.Height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
}

void CSurface::MoveOffWindow()
{
    m_eKind = eDeviceOwned;
    AllocateStorage();
}

ULONG CSurface::AddRef()
{
    return m_pContainer ? m_pContainer->AddRef() : ++m_nRefs;
}

ULONG CSurface::Release()
{
    if (m_pContainer)
        return m_pContainer->Release();
    ULONG left = --m_nRefs;
    if (left == 0) {
        IDirect3DDevice8* device = m_pDevice;
        delete this;
        device->Release();
    }
    return left;
}

HRESULT CSurface::GetDevice(IDirect3DDevice8** device)
{
    if (!device)
        return D3DERR_INVALIDCALL;
    m_pDevice->AddRef();
    *device = m_pDevice;
    return D3D_OK;
}

HRESULT CSurface::GetDesc(D3DSURFACE_DESC* desc)
{
    if (!desc)
        return D3DERR_INVALIDCALL;
    *desc = m_Desc;
    return D3D_OK;
}

std::vector<BYTE>& CSurface::Bits()
{
    return Bits(Whole());
}

std::vector<BYTE>& CSurface::Bits(const RECT& rect)
{
    m_pDevice->FlushDraws();
    if (m_Bits.size() != (size_t)Pitch() * m_Desc.Height)
        m_Bits.assign((size_t)Pitch() * m_Desc.Height, 0);
    if ((m_nTexture || m_eKind == eWindow) && (IsRenderTarget() || m_eKind == eDeviceOwned))
        ReadBack(rect);
    return m_Bits;
}

void CSurface::ReadBack(const RECT& rect)
{
    const UINT width = rect.right - rect.left, height = rect.bottom - rect.top;
    std::vector<BYTE> rgba((size_t)width * height * 4);
    m_pDevice->BindForRead(this);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    // Our targets hold their top row at GL row 0, so rows come out in
    // Direct3D order without flipping; the window holds it at the top.
    const bool bottomUp = m_eKind == eWindow;
    glReadPixels(rect.left, bottomUp ? m_Desc.Height - rect.bottom : rect.top, width, height,
                 GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    const UINT bytes = FormatBytes(m_Desc.Format);
    for (UINT row = 0; row < height; ++row)
        FromRgba(m_Desc.Format, &rgba[(size_t)(bottomUp ? height - 1 - row : row) * width * 4],
                 &m_Bits[(size_t)(rect.top + row) * Pitch() + (size_t)rect.left * bytes], width);
}

void CSurface::Upload()
{
    Upload(Whole());
}

void CSurface::Upload(const RECT& rect)
{
    if (!m_nTexture && m_eKind != eWindow)
        return;
    m_pDevice->FlushDraws();
    const UINT width = rect.right - rect.left, height = rect.bottom - rect.top;
    const UINT bytes = FormatBytes(m_Desc.Format);
    std::vector<BYTE> rgba((size_t)width * height * 4);
    for (UINT row = 0; row < height; ++row)
        ToRgba(m_Desc.Format, &m_Bits[(size_t)(rect.top + row) * Pitch() + (size_t)rect.left * bytes],
               &rgba[(size_t)row * width * 4], width);
    if (m_eKind == eWindow) {
        m_pDevice->WriteToWindow(rect, rgba.data());
        return;
    }
    m_pDevice->MakeCurrent();
    glBindTexture(GL_TEXTURE_2D, m_nTexture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, m_nLevel, rect.left, rect.top, width, height, GL_RGBA,
                    GL_UNSIGNED_BYTE, rgba.data());
}

HRESULT CSurface::LockRect(D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags)
{
    if (!locked || m_bLocked || IsDepthFormat(m_Desc.Format))
        return D3DERR_INVALIDCALL;
    RECT whole = {0, 0, (LONG)m_Desc.Width, (LONG)m_Desc.Height};
    const RECT& r = rect ? *rect : whole;
    if (r.left < 0 || r.top < 0 || r.right > whole.right || r.bottom > whole.bottom ||
        r.left >= r.right || r.top >= r.bottom)
        return D3DERR_INVALIDCALL;
    std::vector<BYTE>& bits = Bits(r);
    locked->Pitch = (int)Pitch();
    locked->pBits = bits.data() + (size_t)r.top * Pitch() + r.left * FormatBytes(m_Desc.Format);
    m_bLocked = true;
    m_bReadOnlyLock = (flags & D3DLOCK_READONLY) != 0;
    m_LockedRect = r;
    return D3D_OK;
}

HRESULT CSurface::UnlockRect()
{
    if (!m_bLocked)
        return D3DERR_INVALIDCALL;
    m_bLocked = false;
    if (!m_bReadOnlyLock)
        Upload(m_LockedRect);
    return D3D_OK;
}

}  // namespace d3d8
