// Textures holding the frames of the item animations, so that the board's
// items, each showing its own frame, share a texture and the device draws
// them together instead of one call per item. An animation is placed on
// its first use, whole on one page, from the frames the texture manager
// decoded; its frames keep their pixels exactly, each with a one-texel
// border repeating its edge, so a sample that strays past an edge reads
// what a texture of its own would give. A full page starts the next one.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Game/Sprites/spritemap.h"
#include "d3d/d3d8.h"

namespace Vantile {
class CTexture;
}

class CItemAtlas {
public:
    // Frames larger than this stay in textures of their own.
    static constexpr UINT MAX_FRAME_SIDE = 64;
    // About three hundred item frames a page: a level's kinds fill one or
    // two, and a page costs little to make at start-up.
    static constexpr UINT DEFAULT_SIDE = 1024;

    struct SAnimation {
        // The page's name in the texture manager.
        std::string strTexture;
        std::vector<STextureRect> frames;
        // Seconds of one pass, and the size of a frame in pixels.
        float fLength = 0.0f;
        float fWidth = 0.0f;
        float fHeight = 0.0f;
    };

    explicit CItemAtlas(UINT nSide = DEFAULT_SIDE);
    CItemAtlas(const CItemAtlas&) = delete;
    CItemAtlas& operator=(const CItemAtlas&) = delete;

    // Null for an animation whose frames are not 32-bit pictures of at
    // most MAX_FRAME_SIDE, that has no frames or more than a page holds,
    // or once the atlas is released.
    const SAnimation* place(const std::string& strTexture);
    // Frees the pages while their device is still open: frames placed so
    // far draw nothing from then on. The atlas's own end touches no cache,
    // as visuals made at start-up may outlive the texture cache at exit.
    void release();
    size_t pageCount() const { return m_Pages.size(); }

private:
    struct SPage {
        std::string strName;
        // Held by the texture cache's entry.
        IDirect3DTexture8* pTexture = nullptr;
        // Shelves from the top: the next free place and the current
        // shelf's height.
        UINT nNextX = 0;
        UINT nNextY = 0;
        UINT nShelfHeight = 0;
    };
    struct SSlot {
        UINT nX, nY;
    };

    std::unique_ptr<SAnimation> placeFrames(const std::string& strTexture);
    bool placeOnPage(SPage& page, const Vantile::CTexture& texture, SAnimation& animation) const;
    bool openPage();
    bool reserve(SPage& page, UINT nWidth, UINT nHeight, SSlot& slot) const;
    static bool copyFrame(IDirect3DTexture8* pFrame, IDirect3DTexture8* pPage, const SSlot& slot, UINT nWidth,
                          UINT nHeight);

    UINT m_nSide;
    std::vector<SPage> m_Pages;
    bool m_bReleased = false;
    // Null entries are animations the atlas refused.
    std::map<std::string, std::unique_ptr<SAnimation>> m_Animations;
};
