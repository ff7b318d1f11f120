#include "Resources/vantile_texturemanager.h"

#include "Core/vantile_log.h"
#include "RenderSystem/vantile_rendersystem.h"

namespace Vantile {

CTextureManager& CTextureManager::Instance()
{
    static CTextureManager manager;
    return manager;
}

CTextureManager::CTextureManager()
{
    CD3D9RenderSystem::Instance().AddLostDeviceListener(this);
}

CTextureManager::~CTextureManager()
{
    // The render system was made before this manager, so it still exists.
    CD3D9RenderSystem::Instance().RemoveLostDeviceListener(this);
}

TextureRef CTextureManager::MakeRef(CTexture* pTexture)
{
    return TextureRef(pTexture, pTexture->GetFPS());
}

CTexture* CTextureManager::FindTexture(const std::string& strName) const
{
    auto found = m_Textures.find(strName);
    return found == m_Textures.end() ? nullptr : found->second.get();
}

CTexture* CTextureManager::Insert(const std::string& strName)
{
    std::unique_ptr<CTexture>& pSlot = m_Textures[strName];
    pSlot = std::make_unique<CTexture>(strName);
    return pSlot.get();
}

TextureRef CTextureManager::GetTexture(const std::string& strName, int nReserved1, int nReserved2,
                                       int nMipLevels, D3DFORMAT format)
{
    if (CTexture* pCached = FindTexture(strName))
        return MakeRef(pCached);
    // Loaded before it enters the cache, so a texture whose image cannot
    // be decoded is not left behind half made.
    auto pTexture = std::make_unique<CTexture>(strName);
    pTexture->Load(nMipLevels, format);
    CLog::Instance().Write(LOG_INFO, FormatString("TexName[%s]", strName.c_str()));
    CTexture* pLoaded = pTexture.get();
    m_Textures[strName] = std::move(pTexture);
    return MakeRef(pLoaded);
}

TextureRef CTextureManager::CreateEmpty(const std::string& strName)
{
    CTexture* pTexture = FindTexture(strName);
    return MakeRef(pTexture ? pTexture : Insert(strName));
}

TextureRef CTextureManager::CreateFromRawBuffer(const std::string& strName, const void* pvPixels, int nReserved,
                                                UINT nWidth, UINT nHeight, D3DFORMAT format)
{
    if (CTexture* pCached = FindTexture(strName))
        return MakeRef(pCached);
    auto pTexture = std::make_unique<CTexture>(strName);
    pTexture->LoadFromRawBuffer(pvPixels, nWidth, nHeight, format);
    CTexture* pLoaded = pTexture.get();
    m_Textures[strName] = std::move(pTexture);
    return MakeRef(pLoaded);
}

void CTextureManager::RemoveTexture(const std::string& strName)
{
    auto found = m_Textures.find(strName);
    if (found == m_Textures.end())
        return;
    found->second->ReleaseFrames();
    m_Removed.push_back(std::move(found->second));
    m_Textures.erase(found);
}

void CTextureManager::SetFromDeviceTexture(CTexture* pTexture, IDirect3DTexture8* pDeviceTexture)
{
    pTexture->SetFromDeviceTexture(pDeviceTexture);
}

void CTextureManager::OnDeviceLost()
{
    for (auto& entry : m_Textures)
        if (entry.second->IsDefaultPool())
            entry.second->ReleaseFrames();
}

void CTextureManager::OnDeviceRestored()
{
}

}  // namespace Vantile
