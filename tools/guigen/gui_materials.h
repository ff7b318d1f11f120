// The materials of the game's menus, drawn with cairo: sunken-ship wood,
// brass, sea-glass, parchment and rope. Light comes from the top left as on
// the board. Each Fill* fills the current path and keeps it.
#pragma once

#include <cairo.h>

#include "art_draw.h"

namespace GuiArt {

using Art::SColour;

// The menus' colours, from the board's palette and the materials.
namespace Tone {
const SColour kInk{0.16, 0.08, 0.03, 1};        // outlines of wood and text
const SColour kWoodLight{0.78, 0.54, 0.29, 1};
const SColour kWood{0.56, 0.35, 0.17, 1};
const SColour kWoodDark{0.33, 0.19, 0.09, 1};
const SColour kBrassLight{0.98, 0.88, 0.56, 1};
const SColour kBrass{0.85, 0.65, 0.27, 1};
const SColour kBrassDark{0.50, 0.33, 0.09, 1};
const SColour kGlassDeep{0.03, 0.20, 0.29, 1};
const SColour kGlass{0.07, 0.36, 0.46, 1};
const SColour kSeaGlass{0.42, 0.86, 0.80, 1};
const SColour kParchment{0.96, 0.90, 0.76, 1};
const SColour kParchmentDark{0.87, 0.76, 0.56, 1};
const SColour kRope{0.91, 0.78, 0.54, 1};
const SColour kRopeDark{0.45, 0.32, 0.15, 1};
const SColour kCream{1.0, 0.965, 0.82, 1};
const SColour kGold{1.0, 0.84, 0.32, 1};
}  // namespace Tone

void RoundedRect(cairo_t* pCairo, double x, double y, double w, double h, double r);

// Planks with grain running along the longer side of the box.
void FillWood(cairo_t* pCairo, double x, double y, double w, double h, const SColour& light, const SColour& dark,
              unsigned int nSeed);
// Polished brass: bright rim at the top, warm core, dark foot.
void FillBrass(cairo_t* pCairo, double y, double h, double fBright = 0);
// Sea-glass: a tinted body, deeper at the foot, with a gloss on its upper half.
void FillGlass(cairo_t* pCairo, double x, double y, double w, double h, const SColour& tint, double fAlpha);
// Old paper with faint stains.
void FillParchment(cairo_t* pCairo, double x, double y, double w, double h, unsigned int nSeed);
// A darker band inside the current path's top and left edges: a sunken well.
void InnerShadow(cairo_t* pCairo, double x, double y, double fDepth, double fAlpha);
// A twisted rope from (x0, y) to (x1, y), fThick across; one twist every
// fTwist pixels counted from fPhaseX so that pieces can tile.
void DrawRopeH(cairo_t* pCairo, double x0, double x1, double y, double fThick, double fTwist, double fPhaseX);
// A round brass rivet head.
void DrawRivet(cairo_t* pCairo, double x, double y, double r);
// Strokes the current path with an outline colour and clears it.
void Outline(cairo_t* pCairo, const SColour& c, double fWidth, double fAlpha = 1.0);

}  // namespace GuiArt
