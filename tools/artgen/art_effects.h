// Private to the sprite table: painters of the destructor, bomb, power-up
// and trunk effect sprites, drawn in a 100 x 100 unit box centred on the
// origin; t is the animation progress in [0, 1).
#pragma once

#include "art_sprites.h"

namespace Art {

void PaintFlare(cairo_t* pCairo, const SSpriteContext& context, double t);
void PaintSeaUrchin(cairo_t* pCairo, const SSpriteContext& context, double t, double fGrowth);
void PaintInkSpray(cairo_t* pCairo, const SSpriteContext& context, double t);
void PaintCuttlefishFade(cairo_t* pCairo, const SSpriteContext& context, double t);
void PaintPearl(cairo_t* pCairo, const SSpriteContext& context, double t);
void PaintPearlHalo(cairo_t* pCairo, const SSpriteContext& context, double t);
void PaintBolt(cairo_t* pCairo, const SSpriteContext& context);
void PaintRayFade(cairo_t* pCairo, const SSpriteContext& context, double t);
void PaintTurtle(cairo_t* pCairo, const SSpriteContext& context, double t);
void PaintStarSpin(cairo_t* pCairo, const SSpriteContext& context, double t);
void PaintStarParticle(cairo_t* pCairo, const SSpriteContext& context, double t);
void PaintTrunkBeam(cairo_t* pCairo, const SSpriteContext& context);
// White, for the board to tint with the cleared item's colour.
void PaintClearBurst(cairo_t* pCairo, const SSpriteContext& context, double t);
// Frame i of 11 is the digit i, the last a plus sign; white under a dark
// outline, for the board to tint.
void PaintScoreGlyph(cairo_t* pCairo, const SSpriteContext& context, double t);

}  // namespace Art
