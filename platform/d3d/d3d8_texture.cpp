// Textures: one GL RGBA8 texture with a surface per mip level.
#include "d3d/d3d8_local.h"

namespace d3d8 {

UINT FullMipCount(UINT width, UINT height)
{
    UINT levels = 1;
    while (width > 1 || height > 1) {
        width = width > 1 ? width / 2 : 1;
        height = height > 1 ? height / 2 : 1;
        ++levels;
    }
    return levels;
}

CTexture::CTexture(CDevice* device, UINT width, UINT height, UINT levels, DWORD usage,
                   D3DFORMAT format, D3DPOOL pool)
    : CDeviceChild(device), m_ePool(pool)
{
    m_pDevice->MakeCurrent();
    glGenTextures(1, &m_nName);
    glBindTexture(GL_TEXTURE_2D, m_nName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, (GLint)levels - 1);
    // Fresh Direct3D textures read as zero; GL would leave them undefined.
    std::vector<BYTE> zeros((size_t)width * height * 4, 0);
    for (UINT level = 0; level < levels; ++level) {
        glTexImage2D(GL_TEXTURE_2D, level, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     zeros.data());
        D3DSURFACE_DESC desc = {format, D3DRTYPE_SURFACE, usage, pool, 0,
                                D3DMULTISAMPLE_NONE, width, height};
        m_Levels.emplace_back(
            new CSurface(device, CSurface::eTextureLevel, this, desc, m_nName, level));
        width = width > 1 ? width / 2 : 1;
        height = height > 1 ? height / 2 : 1;
    }
    m_pDevice->ResourceCreated(pool);
}

CTexture::~CTexture()
{
    m_pDevice->Forget(this);
    m_Levels.clear();
    m_pDevice->MakeCurrent();
    glDeleteTextures(1, &m_nName);
    m_pDevice->ResourceDestroyed(m_ePool);
}

HRESULT CTexture::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc)
{
    if (level >= m_Levels.size())
        return D3DERR_INVALIDCALL;
    return m_Levels[level]->GetDesc(desc);
}

HRESULT CTexture::GetSurfaceLevel(UINT level, IDirect3DSurface8** surface)
{
    if (level >= m_Levels.size() || !surface)
        return D3DERR_INVALIDCALL;
    AddRef();
    *surface = m_Levels[level].get();
    return D3D_OK;
}

HRESULT CTexture::LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags)
{
    if (level >= m_Levels.size())
        return D3DERR_INVALIDCALL;
    return m_Levels[level]->LockRect(locked, rect, flags);
}

HRESULT CTexture::UnlockRect(UINT level)
{
    if (level >= m_Levels.size())
        return D3DERR_INVALIDCALL;
    return m_Levels[level]->UnlockRect();
}

}  // namespace d3d8
