// The memory game's pictures, listed in minigame.txt: its background, the
// cell well, the hover ring, the frame around the grid, the cover picture
// cut in 8 x 8 tiles, the taking sparkle and the sixteen reef fish, each
// turning in on a card and back out again.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "art_tables.h"

namespace Art {

// "reef BASE FRAMES STILL SHAPE PATTERN key=RRGGBB ..." of minigame.txt.
struct SReefLine {
    std::string strBase;
    int nFrames = 13;
    int nStill = 12;
    std::string strShape;
    std::string strPattern;
    SKind colours;
};

// One reef fish facing right in a 100-unit box at the origin; fSway swings
// the tail. Throws for a shape or pattern nobody draws.
void PaintReefFish(cairo_t* pCairo, const SReefLine& fish, double fSway);

std::vector<std::string> WriteMiniGame(const std::string& strSourceDir, const std::string& strOutDir);
// Every reef fish's card, with two frames of its opening under it.
void WriteReefPreview(const std::string& strSourceDir, const std::string& strPngPath);

}  // namespace Art
