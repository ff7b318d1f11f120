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
    // Clean pale sand sunk into the board: a rim of board around it, its
    // upper and left inner walls in shade, its lower lip catching light.
    const SColour sand = Mix(context.Colour("sand_light"), context.Colour("sand_mid"), 0.45);
    cairo_rectangle(c, -50, -50, 100, 100);
    SetColour(c, Darker(context.Colour("sand_dark"), 0.12));
    cairo_fill(c);
    RoundedSquare(c, 45, 10);
    FillVertical(c, -45, 45, Darker(sand, 0.08), sand);
    cairo_new_path(c);
    CRandom random(5);
    for (int i = 0; i < 90; ++i) {
        cairo_arc(c, random.Range(-42, 42), random.Range(-42, 42), random.Range(0.6, 1.3), 0, 2 * kPi);
        SetColour(c, random.Next() < 0.5 ? context.Colour("sand_dark") : context.Colour("light"), 0.35);
        cairo_fill(c);
    }
    cairo_save(c);
    RoundedSquare(c, 45, 10);
    cairo_clip(c);
    cairo_pattern_t* pTop = cairo_pattern_create_linear(0, -45, 0, -30);
    cairo_pattern_add_color_stop_rgba(pTop, 0, 0.2, 0.12, 0.04, 0.5);
    cairo_pattern_add_color_stop_rgba(pTop, 1, 0.2, 0.12, 0.04, 0);
    cairo_set_source(c, pTop);
    cairo_paint(c);
    cairo_pattern_destroy(pTop);
    cairo_pattern_t* pLeft = cairo_pattern_create_linear(-45, 0, -33, 0);
    cairo_pattern_add_color_stop_rgba(pLeft, 0, 0.2, 0.12, 0.04, 0.38);
    cairo_pattern_add_color_stop_rgba(pLeft, 1, 0.2, 0.12, 0.04, 0);
    cairo_set_source(c, pLeft);
    cairo_paint(c);
    cairo_pattern_destroy(pLeft);
    cairo_restore(c);
    cairo_move_to(c, -40, 45);
    cairo_line_to(c, 35, 45);
    cairo_arc_negative(c, 35, 35, 10, kPi / 2, 0);
    cairo_line_to(c, 45, -40);
    SetColour(c, context.Colour("light"), 0.7);
    cairo_set_line_width(c, 2.5);
    cairo_stroke(c);
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

// A light net around the item: a bold rope frame on the cell's edge and a
// few thin, half-clear strands across, so the fish inside stays plain to
// see. fTear pulls the strands apart from the centre.
void PaintNet(cairo_t* c, const SSpriteContext& context, double fTear)
{
    const double fAlpha = 1 - fTear;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = -1; i <= 1; i += 2)
            for (int dir = -1; dir <= 1; dir += 2) {
                const double d = fTear * 30 * i;
                cairo_move_to(c, i * 22 - 46 * dir + d, -46 - fTear * 10);
                cairo_line_to(c, i * 22 + 46 * dir + d, 46 + fTear * 10);
            }
        SetColour(c, pass == 0 ? context.Colour("rope_dark") : context.Colour("rope"), fAlpha * (pass == 0 ? 0.3 : 0.6));
        cairo_set_line_width(c, pass == 0 ? 3.2 : 1.6);
        cairo_stroke(c);
    }
    cairo_save(c);
    cairo_scale(c, 1 + fTear * 0.2, 1 + fTear * 0.2);
    RoundedSquare(c, 44, 12);
    SetColour(c, context.Colour("rope_dark"), fAlpha);
    cairo_set_line_width(c, 8);
    cairo_stroke_preserve(c);
    SetColour(c, context.Colour("rope"), fAlpha);
    cairo_set_line_width(c, 4.5);
    cairo_stroke_preserve(c);
    // Twisted rope: short dark dashes across the strand.
    const double kDash[] = {2, 5};
    cairo_set_dash(c, kDash, 2, 0);
    SetColour(c, context.Colour("rope_dark"), 0.55 * fAlpha);
    cairo_set_line_width(c, 4.5);
    cairo_stroke(c);
    cairo_set_dash(c, nullptr, 0, 0);
    for (int corner = 0; corner < 4; ++corner) {
        const double x = (corner & 1) ? 36 : -36, y = (corner & 2) ? 36 : -36;
        cairo_arc(c, x, y, 7, 0, 2 * kPi);
        SetColour(c, context.Colour("rope"), fAlpha);
        cairo_fill_preserve(c);
        SetColour(c, context.Colour("rope_dark"), fAlpha);
        cairo_set_line_width(c, 2.5);
        cairo_stroke(c);
    }
    cairo_restore(c);
}

void PaintDoubleMarker(cairo_t* c, const SSpriteContext& context)
{
    PaintNet(c, context, 0);
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
