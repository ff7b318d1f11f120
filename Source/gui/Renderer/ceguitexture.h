// A CEGUI texture on an engine texture. CEGUI's image sets and font glyph
// pages become textures of the engine's cache, so they share its device-loss
// handling and live until the program ends. An image set's picture is
// decoded when it is first drawn; until then only its size is known.
#pragma once

#include <cstdint>
#include <string>

#include <CEGUI/Texture.h>

#include "Resources/vantile_texture.h"
#include "d3d/d3dx8.h"

class CCEGUITexture : public CEGUI::Texture {
public:
    explicit CCEGUITexture(const CEGUI::String& strName);

    const CEGUI::String& getName() const override { return m_strName; }
    // The size of the engine texture, which for pixel buffers is the square
    // the buffer was packed into: CEGUI maps texture coordinates against it.
    const CEGUI::Sizef& getSize() const override { return m_Size; }
    const CEGUI::Sizef& getOriginalDataSize() const override { return m_DataSize; }
    const CEGUI::Vector2f& getTexelScaling() const override { return m_TexelScaling; }

    // The resource group is ignored: every file is found by bare name.
    void loadFromFile(const CEGUI::String& strFileName, const CEGUI::String& strResourceGroup) override;
    void loadFromMemory(const void* pvBuffer, const CEGUI::Sizef& size, PixelFormat format) override;
    // CEGUI's own code never blits; neither does the game.
    void blitFromMemory(const void* pvSource, const CEGUI::Rectf& area) override {}
    void blitToMemory(void* pvTarget) override {}
    bool isPixelFormatSupported(PixelFormat format) const override;

    // Decodes a file's picture on first use.
    const Vantile::TextureRef& getTexture();
    // True until the picture of a file is decoded.
    bool isPending() const { return m_bPending; }
    uint16_t getWidth() const { return m_nWidth; }
    uint16_t getHeight() const { return m_nHeight; }

    // Names the next texture made from a pixel buffer: "tex_1", "tex_2", ...
    static std::string nextMemoryTextureName();
    // How many such names were given so far.
    static int memoryTextureCount();

private:
    void updateSize();
    void setSize(uint16_t nWidth, uint16_t nHeight);
    bool readImageInfo(D3DXIMAGE_INFO& info) const;
    void decode();

    CEGUI::String m_strName;
    std::string m_strFile;
    Vantile::TextureRef m_Texture;
    bool m_bPending = false;
    uint16_t m_nWidth = 0;
    uint16_t m_nHeight = 0;
    CEGUI::Sizef m_Size = CEGUI::Sizef(0.0f, 0.0f);
    CEGUI::Sizef m_DataSize = CEGUI::Sizef(0.0f, 0.0f);
    CEGUI::Vector2f m_TexelScaling = CEGUI::Vector2f(0.0f, 0.0f);
};
