#include "art_shapes.h"

namespace Art {

void StrokeOutline(cairo_t* pCairo, const SKind& kind, double fWidth)
{
    SetColour(pCairo, kind.Get("line"));
    cairo_set_line_width(pCairo, fWidth);
    cairo_set_line_join(pCairo, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(pCairo);
}

void PaintBody(cairo_t* pCairo, const SKind& kind, const PathFn& fnPath, const PathFn& fnPattern, double fTop,
               double fBottom)
{
    cairo_save(pCairo);
    fnPath(pCairo);
    FillVertical(pCairo, fTop, fBottom, Lighter(kind.Get("body"), 0.15), kind.Get("belly"));
    cairo_clip(pCairo);
    if (fnPattern)
        fnPattern(pCairo);
    // Light falls from the surface: a soft sheen above, shade below.
    cairo_pattern_t* pShade = cairo_pattern_create_linear(0, fTop, 0, fBottom);
    cairo_pattern_add_color_stop_rgba(pShade, 0.0, 1, 1, 1, 0.42);
    cairo_pattern_add_color_stop_rgba(pShade, 0.35, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(pShade, 0.7, 0, 0, 0.1, 0.0);
    cairo_pattern_add_color_stop_rgba(pShade, 1.0, 0, 0, 0.1, 0.28);
    cairo_set_source(pCairo, pShade);
    cairo_paint(pCairo);
    cairo_pattern_destroy(pShade);
    PaintSheen(pCairo);
    cairo_restore(pCairo);
    fnPath(pCairo);
    StrokeOutline(pCairo, kind);
}

// A glossy highlight on the upper third of the clipped body: a white
// ellipse fading out towards its rim.
void PaintSheen(cairo_t* pCairo)
{
    double x1, y1, x2, y2;
    cairo_clip_extents(pCairo, &x1, &y1, &x2, &y2);
    const double w = x2 - x1, h = y2 - y1, cx = x1 + w * 0.46, cy = y1 + h * 0.27;
    cairo_save(pCairo);
    cairo_translate(pCairo, cx, cy);
    cairo_scale(pCairo, w * 0.3, h * 0.13);
    cairo_pattern_t* pGloss = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(pGloss, 0, 1, 1, 1, 0.62);
    cairo_pattern_add_color_stop_rgba(pGloss, 0.55, 1, 1, 1, 0.38);
    cairo_pattern_add_color_stop_rgba(pGloss, 1, 1, 1, 1, 0);
    cairo_set_source(pCairo, pGloss);
    cairo_arc(pCairo, 0, 0, 1, 0, 2 * kPi);
    cairo_fill(pCairo);
    cairo_pattern_destroy(pGloss);
    cairo_restore(pCairo);
}

void PaintMouth(cairo_t* pCairo, const SKind& kind, double x, double y, double fSize)
{
    // A small smile: a dark curved lip line with a lighter lower lip.
    cairo_save(pCairo);
    cairo_translate(pCairo, x, y);
    cairo_scale(pCairo, fSize, fSize);
    cairo_move_to(pCairo, -1, -0.5);
    cairo_curve_to(pCairo, -0.6, 0.5, 0.4, 0.7, 1, 0.1);
    cairo_restore(pCairo);
    cairo_set_line_cap(pCairo, CAIRO_LINE_CAP_ROUND);
    SetColour(pCairo, Lighter(kind.Get("belly"), 0.3), 0.9);
    cairo_set_line_width(pCairo, fSize * 0.9);
    cairo_stroke_preserve(pCairo);
    SetColour(pCairo, kind.Get("line"));
    cairo_set_line_width(pCairo, fSize * 0.45);
    cairo_stroke(pCairo);
}

void PaintFin(cairo_t* pCairo, const SKind& kind, const PathFn& fnPath, const std::string& strKey)
{
    fnPath(pCairo);
    SetColour(pCairo, kind.Get(strKey), 0.92);
    cairo_fill_preserve(pCairo);
    cairo_save(pCairo);
    cairo_clip_preserve(pCairo);
    SetColour(pCairo, Lighter(kind.Get(strKey), 0.5), 0.35);
    cairo_set_line_width(pCairo, 6);
    cairo_stroke_preserve(pCairo);
    cairo_restore(pCairo);
    StrokeOutline(pCairo, kind, kOutline * 0.85);
}

void PaintEye(cairo_t* pCairo, double x, double y, double fRadius)
{
    cairo_arc(pCairo, x, y, fRadius, 0, 2 * kPi);
    cairo_set_source_rgb(pCairo, 1, 1, 1);
    cairo_fill_preserve(pCairo);
    cairo_set_source_rgb(pCairo, 0.05, 0.05, 0.12);
    cairo_set_line_width(pCairo, 1.6);
    cairo_stroke(pCairo);
    cairo_arc(pCairo, x + fRadius * 0.18, y + fRadius * 0.05, fRadius * 0.62, 0, 2 * kPi);
    cairo_set_source_rgb(pCairo, 0.04, 0.04, 0.1);
    cairo_fill(pCairo);
    cairo_arc(pCairo, x - fRadius * 0.1, y - fRadius * 0.3, fRadius * 0.26, 0, 2 * kPi);
    cairo_set_source_rgb(pCairo, 1, 1, 1);
    cairo_fill(pCairo);
}

}  // namespace Art
