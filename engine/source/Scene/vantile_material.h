// What a mesh subset is drawn with: an effect from the render queue's cache
// (not owned) and the material's colour data. A material without effect is
// never drawn.
#pragma once

#include <cstdint>

namespace Vantile {

class CFxEffect;

struct SMaterial {
    CFxEffect* pEffect = nullptr;
    // The exporter's two ARGB colours as r, g, b, a in 0..1; no effect
    // parameter reads them yet.
    float afColorA[4] = {0, 0, 0, 0};
    float afColorB[4] = {0, 0, 0, 0};
    // The material id of the object file.
    uint32_t nId = 0;
};

}  // namespace Vantile
