// The cell pictures: the cleared cell, the hint glow and marker, the net
// over double items and its tearing, and the sand puff of a cleared cell.
#include <cmath>

#include "art_cells.h"
#include "art_shapes.h"

namespace Art {

namespace {

void RoundedSquare(cairo_t* c, double fHalf, double fRadius)
{
    cairo_new_sub_path(c);
    cairo_arc(c, fHalf - fRadius, -fHalf + fRadius, fRadius, -kPi / 2, 0);
    cairo_arc(c, fHalf - fRadius, fHalf - fRadius, fRadius, 0, kPi / 2);
    cairo_arc(c, -fHalf + fRadius, fHalf - fRadius, fRadius, kPi / 2, kPi);
    cairo_arc(c, -fHalf + fRadius, -fHalf + fRadius, fRadius, kPi, 1.5 * kPi);
    cairo_close_path(c);
}

}  // namespace

void PaintClearedCell(cairo_t* c, const SSpriteContext& context)
{
    // Clean pale sand, lit from above, sunk a little into the board.
    cairo_rectangle(c, -50, -50, 100, 100);
    FillVertical(c, -50, 50, context.Colour("sand_light"), context.Colour("sand_mid"));
    cairo_new_path(c);
    for (int i = 0; i < 7; ++i) {
        cairo_move_to(c, -50, -38 + i * 13);
        cairo_curve_to(c, -20, -44 + i * 13, 20, -32 + i * 13, 50, -40 + i * 13);
    }
    SetColour(c, context.Colour("sand_dark"), 0.18);
    cairo_set_line_width(c, 2.5);
    cairo_stroke(c);
    PaintGlow(c, -14, -16, 44, context.Colour("light"), 0.25);
    RoundedSquare(c, 48, 8);
    SetColour(c, context.Colour("sand_dark"), 0.5);
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    cairo_rectangle(c, -50, -50, 100, 100);
    RoundedSquare(c, 48, 8);
    cairo_set_fill_rule(c, CAIRO_FILL_RULE_EVEN_ODD);
    SetColour(c, context.Colour("water_deep"), 0.6);
    cairo_fill(c);
    cairo_set_fill_rule(c, CAIRO_FILL_RULE_WINDING);
}

void PaintPossible(cairo_t* c, const SSpriteContext& context)
{
    for (int i = 0; i < 6; ++i) {
        RoundedSquare(c, 46 - i * 3, 10);
        SetColour(c, context.Colour("hint"), 0.55 - i * 0.08);
        cairo_set_line_width(c, 4);
        cairo_stroke(c);
    }
    PaintGlow(c, 0, 0, 50, context.Colour("hint"), 0.3);
}

void PaintSelectMarker(cairo_t* c, const SSpriteContext& context)
{
    for (int pass = 0; pass < 2; ++pass)
        for (int corner = 0; corner < 4; ++corner) {
            cairo_save(c);
            cairo_rotate(c, kPi / 2 * corner);
            cairo_move_to(c, -44, -24);
            cairo_line_to(c, -44, -38);
            cairo_arc(c, -38, -38, 6, kPi, 1.5 * kPi);
            cairo_line_to(c, -24, -44);
            cairo_restore(c);
            cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
            SetColour(c, pass == 0 ? context.Colour("outline") : context.Colour("select"), pass == 0 ? 0.7 : 1);
            cairo_set_line_width(c, pass == 0 ? 9 : 5);
            cairo_stroke(c);
        }
}

// A knotted rope net; fTear pulls its strands apart from the centre.
void PaintNet(cairo_t* c, const SSpriteContext& context, double fTear)
{
    const double fAlpha = 1 - fTear;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = -3; i <= 3; ++i) {
            for (int dir = -1; dir <= 1; dir += 2) {
                const double d = fTear * 30 * (i >= 0 ? 1 : -1);
                cairo_move_to(c, i * 16 - 48 * dir + d, -48 - fTear * 10);
                cairo_line_to(c, i * 16 + 48 * dir + d, 48 + fTear * 10);
            }
        }
        SetColour(c, pass == 0 ? context.Colour("rope_dark") : context.Colour("rope"), fAlpha);
        cairo_set_line_width(c, pass == 0 ? 5.5 : 2.8);
        cairo_stroke(c);
    }
    RoundedSquare(c, 46, 9);
    SetColour(c, context.Colour("rope_dark"), fAlpha);
    cairo_set_line_width(c, 6);
    cairo_stroke_preserve(c);
    SetColour(c, context.Colour("rope"), fAlpha);
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
}

void PaintDoubleMarker(cairo_t* c, const SSpriteContext& context)
{
    cairo_save(c);
    RoundedSquare(c, 46, 9);
    cairo_clip(c);
    PaintNet(c, context, 0);
    cairo_restore(c);
}

void PaintNetTear(cairo_t* c, const SSpriteContext& context, double t)
{
    cairo_save(c);
    cairo_scale(c, 1 + 0.3 * t, 1 + 0.3 * t);
    PaintNet(c, context, t);
    cairo_restore(c);
    DrawSparkle(c, 0, 0, 30 * (1 - t), 1 - t);
}

void PaintSandPuff(cairo_t* c, const SSpriteContext& context, double t)
{
    CRandom random(31);
    PaintGlow(c, 0, 0, 30 + 24 * t, context.Colour("light"), 0.6 * (1 - t));
    for (int i = 0; i < 26; ++i) {
        const double a = random.Range(0, 2 * kPi), v = random.Range(0.4, 1.0);
        const double d = (8 + 46 * v) * std::sqrt(t) + random.Range(0, 14) * (1 - t);
        const SColour grain = Mix(context.Colour("sand_light"), context.Colour("sand_dark"), random.Next());
        cairo_arc(c, std::cos(a) * d, std::sin(a) * d + 10 * t * t, random.Range(1.8, 3.8) * (1 - 0.5 * t), 0, 2 * kPi);
        SetColour(c, grain, 1 - t * t);
        cairo_fill(c);
    }
    cairo_arc(c, 0, 0, 20 + 30 * t, 0, 2 * kPi);
    SetColour(c, context.Colour("light"), 0.8 * (1 - t));
    cairo_set_line_width(c, 4 * (1 - t) + 0.5);
    cairo_stroke(c);
}

}  // namespace Art
