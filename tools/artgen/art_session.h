// Private to the sprite table: the game session's own pictures, in the
// same 100 x 100 unit box centred on the origin: the pause sign over the
// dimmed screen, the mouse cursor (its tip at the box's top-left corner,
// where the game puts the pointer) and the rising bubbles of the menu.
#pragma once

#include "art_sprites.h"

namespace Art {

void PaintPauseSign(cairo_t* pCairo, const SSpriteContext& context);
void PaintCursor(cairo_t* pCairo, const SSpriteContext& context, double t);
// fWobble: how far the bubble's skin sways, as a fraction of its radius.
void PaintRisingBubble(cairo_t* pCairo, double t, double fWobble);

}  // namespace Art
