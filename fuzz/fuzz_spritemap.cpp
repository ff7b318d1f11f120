// The .map reader on arbitrary text: it must end, and an atlas it accepts
// must be safe for the batch and the atlas clocks to use.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Game/Sprites/spritemap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SSpriteMap map;
    std::string strError;
    const bool bAccepted = ParseSpriteMap(reinterpret_cast<const char*>(data), size, map, strError);
    if (!bAccepted) {
        if (strError.empty())
            abort();
        return 0;
    }
    if (map.frames.empty() || map.nFPS < 1 || map.nFrameWidth <= 0 || map.nFrameHeight <= 0 || map.strTexture.empty())
        abort();
    // Every rectangle took at least seven bytes of the input.
    if (map.frames.size() * 7 > size)
        abort();
    for (const STextureRect& rect : map.frames) {
        for (float f : {rect.fU0, rect.fU1, rect.fV0, rect.fV1})
            if (!std::isfinite(f))
                abort();
    }
    return 0;
}
