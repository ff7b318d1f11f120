// Private to the HUD art: the materials of the sunken ship the HUD is
// built from (waterlogged timber, brass gone green at the edges, iron
// chain), drawn in pixels with the board's light from the top left, a
// dark outline that is a darker shade of the fill, and a soft shadow.
#pragma once

#include <cairo.h>

#include "art_draw.h"

namespace Art {

struct SHudColours {
    SColour wood = ParseColour("6B4A2E");
    SColour woodDark = ParseColour("3A2616");
    SColour woodLight = ParseColour("A27A4E");
    SColour brass = ParseColour("C89A48");
    SColour brassLight = ParseColour("F6DE96");
    SColour brassDark = ParseColour("5E3E14");
    SColour verdigris = ParseColour("5AA890");
    SColour iron = ParseColour("6A7482");
    SColour ironDark = ParseColour("262C36");
    SColour ironLight = ParseColour("B8C2CE");
    SColour parchment = ParseColour("F2E2B8");
    SColour parchmentDark = ParseColour("C8A46C");
    SColour ink = ParseColour("601C02");
    SColour glass = ParseColour("0C4A74");
    SColour glow = ParseColour("FFD870");
};
const SHudColours& HudColours();

void RoundedRect(cairo_t* c, double x, double y, double w, double h, double r);
// A plank or beam filling the current path: grain along its length,
// light on the top-left edge, shade and outline below. The path is kept.
void PaintTimber(cairo_t* c, double x, double y, double w, double h, bool bVertical, unsigned nSeed);
// Brass filling the current path, with a patina of verdigris towards its
// lower edge. The path is kept.
void PaintBrass(cairo_t* c, double x, double y, double w, double h, double fPatina);
void StrokeEdge(cairo_t* c, const SColour& fill, double fWidth);
void PaintRivet(cairo_t* c, double x, double y, double r);
// Iron links from (x, y0) straight down to (x, y1), alternately face on
// and edge on.
void PaintChain(cairo_t* c, double x, double y0, double y1, double fWidth);
// A few barnacles and a strand of weed, the signs of the sea floor.
void PaintBarnacles(cairo_t* c, double x, double y, double fSpread, unsigned nSeed);
void PaintWeed(cairo_t* c, double x, double y, double fHeight, double fSway);
// A soft shadow of what fnDraw draws, offset down-right, then it on top.
void WithShadow(cairo_t* c, const PathFn& fnDraw, double fOffset = 3.0, int nBlur = 3, double fAlpha = 0.45);
// Glass with the sea behind it, filling the current path.
void PaintGlass(cairo_t* c, double cx, double cy, double r, double fAlpha);
// Centred text in the display face: bold, with a dark outline.
void PaintLabel(cairo_t* c, const char* pszText, double cx, double cy, double fSize, const SColour& fill,
                const SColour& outline);

}  // namespace Art
