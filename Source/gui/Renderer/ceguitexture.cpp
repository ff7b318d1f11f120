#include "gui/Renderer/ceguitexture.h"

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Resources/vantile_resource.h"
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

// Only the image's size is read now: CEGUI needs it to lay out its images.
// The pixels are decoded when the texture is first drawn, so the many
// screens' images loaded at start-up cost nothing until their screen shows.
void CCEGUITexture::loadFromFile(const CEGUI::String& strFileName, const CEGUI::String& strResourceGroup)
{
    m_strFile = strFileName.c_str();
    m_Texture = Vantile::TextureRef();
    m_bPending = false;
    D3DXIMAGE_INFO info = {};
    if (Vantile::CTextureManager::Instance().FindTexture(m_strFile) || !readImageInfo(info)) {
        decode();
        return;
    }
    m_bPending = true;
    setSize(uint16_t(info.Width), uint16_t(info.Height));
    m_DataSize = m_Size;
}

bool CCEGUITexture::readImageInfo(D3DXIMAGE_INFO& info) const
{
    try {
        Vantile::CResource file(m_strFile);
        file.Load();
        return SUCCEEDED(D3DXGetImageInfoFromFileInMemory(file.GetData(), file.GetSize(), &info));
    } catch (const Vantile::Exception&) {
        return false;
    }
}

void CCEGUITexture::decode()
{
    m_bPending = false;
    m_Texture = Vantile::CTextureManager::Instance().GetTexture(m_strFile, -1, -1, -1, D3DFMT_UNKNOWN);
    updateSize();
    m_DataSize = m_Size;
    if (m_nWidth == 0)
        Vantile::CLog::Instance().Write(Vantile::LOG_ERROR, "GUI image [" + m_strFile + "] could not be loaded");
}

const Vantile::TextureRef& CCEGUITexture::getTexture()
{
    if (m_bPending)
        decode();
    return m_Texture;
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
    IDirect3DTexture8* pFrame = m_Texture.GetTexture() && m_Texture.GetTexture()->GetFrameCount() > 0
                                    ? m_Texture.GetTexture()->GetFrame(0)
                                    : nullptr;
    D3DSURFACE_DESC desc = {};
    if (pFrame && SUCCEEDED(pFrame->GetLevelDesc(0, &desc)))
        setSize(uint16_t(desc.Width), uint16_t(desc.Height));
    else
        setSize(0, 0);
}

void CCEGUITexture::setSize(uint16_t nWidth, uint16_t nHeight)
{
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_Size = CEGUI::Sizef(m_nWidth, m_nHeight);
    m_TexelScaling = CEGUI::Vector2f(m_nWidth ? 1.0f / m_nWidth : 0.0f, m_nHeight ? 1.0f / m_nHeight : 0.0f);
}
