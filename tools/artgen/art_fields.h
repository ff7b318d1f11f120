// The level field pictures: seabed scenes seen from above, 512 x 512, of
// which the board cuts the top-left 440 x 440 into its 8 x 8 cell tiles.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "art_canvas.h"
#include "art_tables.h"

namespace Art {

const int kFieldPixels = 512;
const int kBoardPixels = 440;

// Draws the scene of one line of fields.txt; an unknown scene throws.
void PaintField(CCanvas& canvas, const std::map<std::string, SColour>& palette, const SFieldLine& field);

std::vector<std::string> WriteFields(const std::vector<SFieldLine>& fields,
                                     const std::map<std::string, SColour>& palette, const std::string& strOutDir);

}  // namespace Art
