// Private to the sprite table: painters of the cell pictures, drawn in a
// 100-unit cell centred on the origin; t is the animation progress [0, 1].
#pragma once

#include "art_sprites.h"

namespace Art {

void PaintClearedCell(cairo_t* pCairo, const SSpriteContext& context);
void PaintPossible(cairo_t* pCairo, const SSpriteContext& context);
void PaintSelectMarker(cairo_t* pCairo, const SSpriteContext& context);
void PaintDoubleMarker(cairo_t* pCairo, const SSpriteContext& context);
void PaintNetTear(cairo_t* pCairo, const SSpriteContext& context, double t);
void PaintSandPuff(cairo_t* pCairo, const SSpriteContext& context, double t);

}  // namespace Art
