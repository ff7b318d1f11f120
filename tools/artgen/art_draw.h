// Drawing helpers shared by every picture: colours, gradients, soft
// shadows and glows, bubbles, sparkles, value noise and caustic light.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>

namespace Art {

struct SColour {
    double r = 0, g = 0, b = 0, a = 1;
};

// "AARRGGBB" or "RRGGBB" hex; throws std::runtime_error on anything else.
SColour ParseColour(const std::string& strHex);
SColour Mix(const SColour& a, const SColour& b, double t);
SColour Lighter(const SColour& c, double t);  // towards white
SColour Darker(const SColour& c, double t);   // towards black
void SetColour(cairo_t* pCairo, const SColour& c, double fAlpha = 1.0);

const double kPi = 3.14159265358979323846;

using PathFn = std::function<void(cairo_t*)>;

// Fills the current path with a vertical gradient from top to bottom colour.
void FillVertical(cairo_t* pCairo, double fTop, double fBottom, const SColour& top, const SColour& bottom);
// A round glow: colour at the centre fading to nothing at the radius.
void PaintGlow(cairo_t* pCairo, double x, double y, double fRadius, const SColour& c, double fAlpha);
// Four-pointed twinkle.
void DrawSparkle(cairo_t* pCairo, double x, double y, double fSize, double fAlpha);
// A glassy bubble: thin rim, faint body, one bright glint.
void DrawBubble(cairo_t* pCairo, double x, double y, double fRadius, double fAlpha);

// Blurs an ARGB32 surface in place (three box passes, about a Gaussian).
void BlurSurface(cairo_surface_t* pSurface, int nRadius);
// Draws fnDraw into a scratch layer, then paints its blurred alpha as a
// shadow offset by (dx, dy) device pixels, then the layer itself on top.
void DrawWithShadow(cairo_t* pCairo, const std::function<void(cairo_t*)>& fnDraw, double dx, double dy,
                    int nBlur, double fShadowAlpha);

// Smooth value noise in [0, 1] with integer lattice seeded by nSeed.
double ValueNoise(double x, double y, unsigned int nSeed);
// Sum of octaves of value noise in [0, 1].
double FractalNoise(double x, double y, unsigned int nSeed, int nOctaves);
// Bright web of refracted sunlight in [0, 1] (a cheap caustic pattern).
double Caustic(double x, double y, double fPhase);

// Deterministic pseudo-random stream for scene layout.
class CRandom {
public:
    explicit CRandom(unsigned int nSeed) : m_nState(nSeed * 2654435761u + 1013904223u) {}
    double Next();  // [0, 1)
    double Range(double fLow, double fHigh) { return fLow + (fHigh - fLow) * Next(); }

private:
    unsigned int m_nState;
};

}  // namespace Art
