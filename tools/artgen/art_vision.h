// How a picture looks to people with a colour-vision deficiency, for
// checking that the art stays readable without colour.
#pragma once

#include <cairo.h>

#include <string>

namespace Art {

enum class EVision { Normal, Deutan, Protan, Tritan, Grey };

// "deutan", "protan", "tritan" or "grey"; false for any other name.
bool ParseVision(const std::string& strName, EVision& vision);
// One colour (0..1 channels, sRGB) as the vision sees it.
void SimulatePixel(EVision vision, double rgb[3]);
// Every pixel of an ARGB32 image surface, in place.
void SimulateVision(cairo_surface_t* pSurface, EVision vision);

}  // namespace Art
