#include "gui/Renderer/ceguitexture.h"

#include "Core/vantile_log.h"
#include "Resources/vantile_texturemanager.h"

namespace {

int g_nMemoryTextures = 0;

}  // namespace

CCEGUITexture::CCEGUITexture(const CEGUI::String& strName) : m_strName(strName)
{
}

std::string CCEGUITexture::nextMemoryTextureName()
{
    return "tex_" + std::to_string(++g_nMemoryTextures);
}

int CCEGUITexture::memoryTextureCount()
{
    return g_nMemoryTextures;
}

void CCEGUITexture::loadFromFile(const CEGUI::String& strFileName, const CEGUI::String& strResourceGroup)
{
    m_Texture = Vantile::CTextureManager::Instance().GetTexture(strFileName.c_str(), -1, -1, -1, D3DFMT_UNKNOWN);
    updateSize();
    m_DataSize = m_Size;
    if (m_nWidth == 0)
        Vantile::CLog::Instance().Write(Vantile::LOG_ERROR,
                                        "GUI image [" + std::string(strFileName.c_str()) + "] could not be loaded");
}

void CCEGUITexture::loadFromMemory(const void* pvBuffer, const CEGUI::Sizef& size, PixelFormat format)
{
    const D3DFORMAT d3dFormat = format == PF_RGB ? D3DFMT_R8G8B8 : D3DFMT_A8R8G8B8;
    const UINT nWidth = UINT(size.d_width);
    const UINT nHeight = UINT(size.d_height);
    m_Texture = Vantile::CTextureManager::Instance().CreateFromRawBuffer(nextMemoryTextureName(), pvBuffer,
                                                                         int(nWidth * nHeight), nWidth, nHeight,
                                                                         d3dFormat);
    updateSize();
    m_DataSize = size;
}

bool CCEGUITexture::isPixelFormatSupported(PixelFormat format) const
{
    return format == PF_RGB || format == PF_RGBA;
}

// A texture whose image failed to load has no frames: it reports 0 x 0
// rather than reading a frame it does not have.
void CCEGUITexture::updateSize()
{
    m_nWidth = m_nHeight = 0;
    IDirect3DTexture8* pFrame = m_Texture.GetTexture() && m_Texture.GetTexture()->GetFrameCount() > 0
                                    ? m_Texture.GetTexture()->GetFrame(0)
                                    : nullptr;
    D3DSURFACE_DESC desc = {};
    if (pFrame && SUCCEEDED(pFrame->GetLevelDesc(0, &desc))) {
        m_nWidth = uint16_t(desc.Width);
        m_nHeight = uint16_t(desc.Height);
    }
    m_Size = CEGUI::Sizef(m_nWidth, m_nHeight);
    m_TexelScaling = CEGUI::Vector2f(m_nWidth ? 1.0f / m_nWidth : 0.0f, m_nHeight ? 1.0f / m_nHeight : 0.0f);
}
