// The painters of the GUI's pictures: the pieces of the Velmora looks and
// the menu captions of "MenuTexts".
#pragma once

#include <cairo.h>

#include "gui_sources.h"

namespace GuiArt {

// Draws the piece at (0, 0) at its size; throws for an unknown painter or
// variant.
void PaintPiece(cairo_t* pCairo, const SPiece& piece);

// Draws one state of a caption at (0, 0) at its size with the display face.
void PaintCaption(cairo_t* pCairo, const SCaption& caption, bool bHover, cairo_font_face_t* pDisplayFace);

}  // namespace GuiArt
