// The board items: ten fish kinds, the specials and the trunk, drawn in a
// 100-unit cell centred on the origin, and their animation layers.
#pragma once

#include <cairo.h>

#include <map>
#include <string>
#include <vector>

#include "art_tables.h"

namespace Art {

// What an animation frame asks of a painter: tail sway in [-1, 1], a
// second beat in [0, 1) for claws, lures and glints, and how far a lid is
// open in [0, 1].
struct SMotion {
    double fSway = 0;
    double fBeat = 0;
    double fOpen = 0;
};

using ItemPainter = void (*)(cairo_t*, const SKind&, const SMotion&);

// The painter of each kind name in kinds.txt; throws for an unknown kind.
ItemPainter FindPainter(const std::string& strKind);

// Draws frame i of n of a layer into a 100-unit cell at the origin.
void PaintItemFrame(cairo_t* pCairo, const std::string& strKind, const SKind& kind, const std::string& strLayer, int i,
                    int n);

// Writes every frame and list of item_layers.txt into strOutDir; returns
// the written file names.
std::vector<std::string> WriteItemLayers(const std::vector<SLayerLine>& layers,
                                         const std::map<std::string, SKind>& kinds, const std::string& strOutDir);

}  // namespace Art
