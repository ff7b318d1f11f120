// ".map" sprite atlases: one texture cut into equal frames, each frame a
// rectangle of texture coordinates, played at the atlas's own rate.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Texture coordinates in the order the quad builders read them.
struct STextureRect {
    float fU0 = 0.0f;
    float fU1 = 1.0f;
    float fV0 = 1.0f;
    float fV1 = 0.0f;
};

struct SSpriteMap {
    static constexpr int DEFAULT_FPS = 10;

    std::string strTexture;
    int nFPS = DEFAULT_FPS;
    int nFrameWidth = 0;
    int nFrameHeight = 0;
    // fU0 left, fU1 right, fV0 top, fV1 bottom.
    std::vector<STextureRect> frames;
};

// Names ending in ".map", in any case, are atlases.
bool IsSpriteMapName(const std::string& strName);

// Reads the text of a ".map" file. Returns false with the reason in
// strError when a token is missing or malformed, when there are no frames,
// fewer frame rectangles than the count promises, or a frame size that is
// not positive. A rate below 1 becomes the default, since every atlas clock
// divides by it.
bool ParseSpriteMap(const char* pText, size_t nLength, SSpriteMap& map, std::string& strError);
