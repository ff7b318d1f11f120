// The board's cell pictures and the destructor, bomb, power-up and trunk
// effect sprites listed in sprites.txt.
#pragma once

#include <cairo.h>

#include <map>
#include <string>
#include <vector>

#include "art_tables.h"

namespace Art {

struct SSpriteContext {
    std::map<std::string, SColour> palette;
    std::map<std::string, SKind> kinds;
    SColour Colour(const std::string& strName) const;  // throws when missing
};

// Draws frame i of n of the named sprite at nWidth x nHeight pixels; a
// sprite nobody draws throws.
void PaintSprite(cairo_t* pCairo, const SSpriteContext& context, const SSpriteLine& sprite, int i);

// Writes every sprite of the table (stills, or frames and their ".ifl").
std::vector<std::string> WriteSprites(const std::vector<SSpriteLine>& sprites, const SSpriteContext& context,
                                      const std::string& strOutDir);

}  // namespace Art
