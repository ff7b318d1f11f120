// The burst of a cleared item: drawn in white and greys so the board can
// tint it with the item's own colour. It spans three cells, so its
// droplets and streaks fly well out of the cleared cell. It starts with
// the item's own swell and only bursts when the item is gone.
#include <cmath>

#include "art_effects.h"

namespace Art {

namespace {

const double kPop = 0.4;  // share of the animation spent gathering

}  // namespace

void PaintClearBurst(cairo_t* c, const SSpriteContext&, double fTime)
{
    if (fTime < kPop) {
        PaintGlow(c, 0, 0, 14 + 8 * fTime / kPop, {1, 1, 1, 1}, 0.35 * fTime / kPop);
        return;
    }
    const double t = (fTime - kPop) / (1 - kPop);
    const double fEase = 1 - std::pow(1 - t, 2.2), fFade = 1 - t;
    // The flash at the centre and the ring that carries it outwards.
    PaintGlow(c, 0, 0, 14 + 16 * fEase, {1, 1, 1, 1}, 0.9 * fFade * fFade);
    cairo_arc(c, 0, 0, 10 + 28 * fEase, 0, 2 * kPi);
    cairo_set_source_rgba(c, 1, 1, 1, 0.8 * fFade);
    cairo_set_line_width(c, 4 * fFade + 0.5);
    cairo_stroke(c);
    CRandom random(19);
    for (int i = 0; i < 14; ++i) {
        const double a = 2 * kPi * i / 14 + random.Range(-0.2, 0.2), v = random.Range(0.7, 1.0);
        const double d0 = 8 + 28 * fEase * v, d1 = 12 + 40 * fEase * v;
        // A streak behind each droplet, then the droplet with its glint.
        cairo_move_to(c, std::cos(a) * d0, std::sin(a) * d0);
        cairo_line_to(c, std::cos(a) * d1, std::sin(a) * d1);
        cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
        cairo_set_source_rgba(c, 0.85, 0.85, 0.85, 0.6 * fFade);
        cairo_set_line_width(c, 3.5 * fFade + 0.5);
        cairo_stroke(c);
        const double r = random.Range(3.2, 4.8) * (1 - 0.45 * t), x = std::cos(a) * d1, y = std::sin(a) * d1 + 4 * t * t;
        cairo_arc(c, x, y, r, 0, 2 * kPi);
        cairo_set_source_rgba(c, 1, 1, 1, fFade);
        cairo_fill(c);
    }
    for (int i = 0; i < 6; ++i) {
        const double a = random.Range(0, 2 * kPi), d = 10 + 26 * fEase * random.Range(0.5, 1.0);
        DrawBubble(c, std::cos(a) * d, std::sin(a) * d - 10 * t, random.Range(2.5, 4), fFade);
    }
}

}  // namespace Art
