#include "art_session.h"

#include <cmath>

#include "art_draw.h"

namespace Art {

namespace {

// The cursor: a rounded arrow like a fin, its tip at (-50, -50).
void cursorPath(cairo_t* c)
{
    cairo_move_to(c, -50, -50);
    cairo_line_to(c, -50, 26);
    cairo_curve_to(c, -44, 20, -38, 14, -31, 10);
    cairo_line_to(c, -16, 42);
    cairo_curve_to(c, -13, 48, -6, 46, -4, 41);
    cairo_line_to(c, -17, 8);
    cairo_curve_to(c, -6, 7, 5, 8, 16, 10);
    cairo_close_path(c);
}

// A round-cornered square.
void roundedSquare(cairo_t* c, double fHalf, double fRadius)
{
    cairo_new_sub_path(c);
    cairo_arc(c, fHalf - fRadius, -fHalf + fRadius, fRadius, -kPi / 2, 0);
    cairo_arc(c, fHalf - fRadius, fHalf - fRadius, fRadius, 0, kPi / 2);
    cairo_arc(c, -fHalf + fRadius, fHalf - fRadius, fRadius, kPi / 2, kPi);
    cairo_arc(c, -fHalf + fRadius, -fHalf + fRadius, fRadius, kPi, 3 * kPi / 2);
    cairo_close_path(c);
}

}  // namespace

// A big round bubble of light holding two bars: readable at a glance over
// any dimmed screen, and no words to translate.
void PaintPauseSign(cairo_t* c, const SSpriteContext& context)
{
    PaintGlow(c, 0, 0, 50, context.Colour("water_light"), 0.55);
    cairo_pattern_t* pDisc = cairo_pattern_create_radial(-12, -14, 4, 0, 0, 38);
    const SColour mid = context.Colour("water_mid"), deep = context.Colour("water_deep");
    cairo_pattern_add_color_stop_rgba(pDisc, 0, Lighter(mid, 0.35).r, Lighter(mid, 0.35).g, Lighter(mid, 0.35).b, 0.95);
    cairo_pattern_add_color_stop_rgba(pDisc, 1, deep.r, deep.g, deep.b, 0.95);
    cairo_set_source(c, pDisc);
    cairo_arc(c, 0, 0, 38, 0, 2 * kPi);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pDisc);
    SetColour(c, context.Colour("light"), 0.9);
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    for (double x : {-10.0, 10.0}) {
        cairo_save(c);
        cairo_translate(c, x, 0);
        cairo_scale(c, 0.5, 1.6);
        roundedSquare(c, 12, 4);
        cairo_restore(c);
        SetColour(c, context.Colour("light"));
        cairo_fill_preserve(c);
        SetColour(c, context.Colour("outline"), 0.6);
        cairo_set_line_width(c, 1.2);
        cairo_stroke(c);
    }
    // Light on the glass.
    cairo_set_source_rgba(c, 1, 1, 1, 0.35);
    cairo_save(c);
    cairo_translate(c, -14, -22);
    cairo_scale(c, 1.6, 0.7);
    cairo_arc(c, 0, 0, 9, 0, 2 * kPi);
    cairo_restore(c);
    cairo_fill(c);
}

// Sand-gold with a dark rim, so it shows on water, sand and menus alike;
// a glint runs along its edge.
void PaintCursor(cairo_t* c, const SSpriteContext& context, double t)
{
    DrawWithShadow(
        c,
        [&](cairo_t* s) {
            cursorPath(s);
            cairo_pattern_t* pFill = cairo_pattern_create_linear(-50, -50, 10, 40);
            const SColour light = context.Colour("sand_light"), gold = context.Colour("select");
            cairo_pattern_add_color_stop_rgb(pFill, 0, light.r, light.g, light.b);
            cairo_pattern_add_color_stop_rgb(pFill, 1, gold.r, gold.g, gold.b);
            cairo_set_source(s, pFill);
            cairo_fill_preserve(s);
            cairo_pattern_destroy(pFill);
            SetColour(s, context.Colour("outline"));
            cairo_set_line_width(s, 5);
            cairo_set_line_join(s, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(s);
        },
        3, 4, 3, 0.45);
    const double fGlint = 0.5 + 0.5 * std::sin(2 * kPi * t);
    DrawSparkle(c, -46 + 4 * fGlint, -30 + 40 * fGlint, 7, 0.35 + 0.5 * fGlint);
}

// A bubble whose skin sways as it rises; one loop of t is one sway.
void PaintRisingBubble(cairo_t* c, double t, double fWobble)
{
    const double fPhase = 2 * kPi * t;
    cairo_save(c);
    cairo_scale(c, 1 + fWobble * std::sin(fPhase), 1 - fWobble * std::sin(fPhase));
    DrawBubble(c, 0, 0, 44, 1.0);
    cairo_restore(c);
    // A second, smaller highlight drifts round the lower edge.
    cairo_set_source_rgba(c, 1, 1, 1, 0.35);
    cairo_arc(c, 22 * std::cos(fPhase * 0.5 + 0.6), 26 + 3 * std::sin(fPhase), 5, 0, 2 * kPi);
    cairo_fill(c);
}

}  // namespace Art
