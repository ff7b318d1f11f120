// Private to the item painters: the body, fin and eye drawing every kind
// shares, so that all items carry the same light and outline.
#pragma once

#include "art_draw.h"
#include "art_items.h"
#include "art_tables.h"

namespace Art {

const double kOutline = 3.2;  // units of the 100-unit cell: about 1.8 pixels

// Fills path with the kind's body-to-belly gradient, lets fnPattern draw
// clipped to it, adds the top light and bottom shade, then outlines it.
void PaintBody(cairo_t* pCairo, const SKind& kind, const PathFn& fnPath, const PathFn& fnPattern, double fTop,
               double fBottom);
// A translucent fin in the kind's fin colour with rays and outline.
void PaintFin(cairo_t* pCairo, const SKind& kind, const PathFn& fnPath, const std::string& strKey = "fin");
// A glossy highlight over the upper third of the current clip.
void PaintSheen(cairo_t* pCairo);
// A small smiling mouth of about fSize units at (x, y), facing right.
void PaintMouth(cairo_t* pCairo, const SKind& kind, double x, double y, double fSize);
void PaintEye(cairo_t* pCairo, double x, double y, double fRadius);
void StrokeOutline(cairo_t* pCairo, const SKind& kind, double fWidth = kOutline);

// The painters by kind name, or nullptr for a name that is not theirs.
ItemPainter FindFishPainter(const std::string& strKind);
ItemPainter FindSpecialPainter(const std::string& strKind);

}  // namespace Art
