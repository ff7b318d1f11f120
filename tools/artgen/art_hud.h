// The heads-up display, its hints and tooltips, the power-up chooser and
// the loading bar, listed in hud.txt with their sizes on screen.
#pragma once

#include <cairo.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "art_sprites.h"
#include "art_tables.h"

namespace Art {

// Draws one frame in pixels of a picture nWidth x nHeight; t in [0, 1).
using HudPainter = std::function<void(cairo_t*, const SSpriteContext&, int nWidth, int nHeight, double t)>;

// Painters by picture name, without ".ifl" and its frame numbers.
void AddPanelPainters(std::map<std::string, HudPainter>& painters);
void AddScreenPainters(std::map<std::string, HudPainter>& painters);
void AddCreaturePainters(std::map<std::string, HudPainter>& painters);
void AddMenuPainters(std::map<std::string, HudPainter>& painters);
void AddAfterWinPainters(std::map<std::string, HudPainter>& painters);

// Writes every picture of the table: ".png" and ".jpg" names in their
// formats, everything else as DDS, lists as frames and their ".ifl".
std::vector<std::string> WriteHud(const std::vector<SSpriteLine>& pictures, const SSpriteContext& context,
                                  const std::string& strOutDir);

}  // namespace Art
