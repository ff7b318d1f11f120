// What a mesh subset is drawn with: an effect from the render queue's cache
// (not owned) and the material's colour data. A material without effect is
// never drawn.
#pragma once

#include <cstdint>

#include "Resources/vantile_texture.h"

namespace Vantile {

class CFxEffect;

const size_t MAX_TEXTURE_CHANNELS = 8;

struct SMaterial {
    CFxEffect* pEffect = nullptr;
    // By channel; a handle without texture means none.
    TextureRef aTextures[MAX_TEXTURE_CHANNELS];
    // The exporter's two ARGB colours as r, g, b, a in 0..1; no effect
    // parameter reads them yet.
    float afColorA[4] = {0, 0, 0, 0};
    float afColorB[4] = {0, 0, 0, 0};
    // The material id of the object file.
    uint32_t nId = 0;
};

}  // namespace Vantile
