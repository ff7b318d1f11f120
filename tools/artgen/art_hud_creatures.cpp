// The five power-ups as the HUD's markers and the chooser show them: a
// still, a calm loop, a lively loop when charged and the armed look that
// follows the mouse. They share the board's power-up colours and are
// drawn in a 100-unit box centred on the picture.
#include <cmath>

#include "art_effects.h"
#include "art_hud.h"
#include "art_hud_parts.h"
#include "art_shapes.h"

namespace Art {

namespace {

using BoxPainter = void (*)(cairo_t*, const SSpriteContext&, double t, double fEnergy);

HudPainter InBox(BoxPainter paint, double fEnergy)
{
    return [paint, fEnergy](cairo_t* c, const SSpriteContext& context, int w, int h, double t) {
        cairo_save(c);
        cairo_translate(c, w / 2.0, h / 2.0);
        cairo_scale(c, w / 100.0, h / 100.0);
        if (fEnergy > 0.5)
            PaintGlow(c, 0, 0, 50, HudColours().glow, 0.3 + 0.2 * std::sin(2 * kPi * t));
        paint(c, context, t, fEnergy);
        cairo_restore(c);
    };
}

void Outlined(cairo_t* c, const SColour& fill, double fWidth)
{
    SetColour(c, fill);
    cairo_fill_preserve(c);
    SetColour(c, Darker(fill, 0.6));
    cairo_set_line_width(c, fWidth);
    cairo_stroke(c);
}

void PaintStingray(cairo_t* c, const SSpriteContext& context, double t, double fEnergy)
{
    const SColour ray = context.Colour("ray");
    const double fFlap = std::sin(2 * kPi * t) * (4 + 6 * fEnergy);
    cairo_move_to(c, 0, 30);
    cairo_curve_to(c, 3, 38, -5, 44, 2, 48);
    SetColour(c, Darker(ray, 0.5));
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    cairo_move_to(c, 0, -30);
    cairo_curve_to(c, 18, -28, 34, -8 + fFlap, 46, 4 + fFlap);
    cairo_curve_to(c, 30, 10, 14, 20, 0, 30);
    cairo_curve_to(c, -14, 20, -30, 10, -46, 4 + fFlap);
    cairo_curve_to(c, -34, -8 + fFlap, -18, -28, 0, -30);
    cairo_close_path(c);
    cairo_pattern_t* pBody = cairo_pattern_create_radial(-6, -14, 4, 0, 0, 44);
    cairo_pattern_add_color_stop_rgb(pBody, 0, Lighter(ray, 0.45).r, Lighter(ray, 0.45).g, Lighter(ray, 0.45).b);
    cairo_pattern_add_color_stop_rgb(pBody, 1, Darker(ray, 0.25).r, Darker(ray, 0.25).g, Darker(ray, 0.25).b);
    cairo_set_source(c, pBody);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pBody);
    SetColour(c, Darker(ray, 0.6));
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    for (int i = 0; i < 5; ++i)
        PaintGlow(c, -12 + i * 6, -4 + (i % 2) * 6, 3, context.Colour("bolt"), 0.6 + 0.4 * fEnergy);
    PaintEye(c, -7, -18, 3.6);
    PaintEye(c, 7, -18, 3.6);
    if (fEnergy > 0.5)
        DrawSparkle(c, 20 * std::cos(2 * kPi * t), -10, 9, 0.9);
}

void PaintMussel(cairo_t* c, const SSpriteContext& context, double t, double fEnergy)
{
    const double fOpen = 0.35 + 0.25 * std::sin(2 * kPi * t) * (0.5 + fEnergy);
    const SColour shell = ParseColour("3A3A6A");
    cairo_save(c);
    cairo_translate(c, 0, 12);
    cairo_scale(c, 1.25, 1.25);
    for (int half = 0; half < 2; ++half) {
        cairo_save(c);
        cairo_rotate(c, half == 0 ? -fOpen * 0.8 : 0);
        cairo_move_to(c, -36, 0);
        cairo_curve_to(c, -30, half ? 26 : -26, 30, half ? 26 : -26, 36, 0);
        cairo_close_path(c);
        cairo_pattern_t* pShell = cairo_pattern_create_linear(0, half ? 0 : -26, 0, half ? 26 : 0);
        cairo_pattern_add_color_stop_rgb(pShell, 0, Lighter(shell, 0.45).r, Lighter(shell, 0.45).g,
                                         Lighter(shell, 0.45).b);
        cairo_pattern_add_color_stop_rgb(pShell, 1, shell.r, shell.g, shell.b);
        cairo_set_source(c, pShell);
        cairo_fill_preserve(c);
        cairo_pattern_destroy(pShell);
        SetColour(c, Darker(shell, 0.6));
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        for (int i = -2; i <= 2; ++i) {
            cairo_move_to(c, i * 12, half ? 18 : -18);
            cairo_line_to(c, i * 5, 0);
        }
        SetColour(c, Lighter(shell, 0.6), 0.5);
        cairo_set_line_width(c, 1.5);
        cairo_stroke(c);
        cairo_restore(c);
        if (half == 0) {
            cairo_save(c);
            cairo_translate(c, 0, -10);
            cairo_scale(c, 0.55 + 0.1 * fEnergy, 0.55 + 0.1 * fEnergy);
            PaintPearl(c, context, t);
            cairo_restore(c);
        }
    }
    cairo_restore(c);
}

void PaintCuttlefish(cairo_t* c, const SSpriteContext& context, double t, double fEnergy)
{
    const SColour body = context.Colour("cuttle");
    if (fEnergy > 0.5)
        PaintGlow(c, 0, 30, 30, context.Colour("ink"), 0.4 + 0.3 * std::sin(2 * kPi * t));
    for (int i = 0; i < 6; ++i) {
        const double x = -10 + i * 4;
        cairo_move_to(c, x, 16);
        cairo_curve_to(c, x - 2, 26, x + 5 * std::sin(2 * kPi * t + i), 34, x + 2 * std::sin(2 * kPi * t + i), 44);
    }
    SetColour(c, Darker(body, 0.25));
    cairo_set_line_width(c, 3.4);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(c);
    // Fins rippling along both sides.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(c, side * 16, -30);
        for (int k = 0; k <= 6; ++k)
            cairo_line_to(c, side * (22 + 3 * std::sin(2 * kPi * t * 2 + k)), -30 + k * 8);
        cairo_line_to(c, side * 14, 18);
        cairo_close_path(c);
        SetColour(c, Lighter(body, 0.3), 0.85);
        cairo_fill(c);
    }
    cairo_save(c);
    cairo_scale(c, 18, 28);
    cairo_arc(c, 0, -0.2, 1, 0, 2 * kPi);
    cairo_restore(c);
    Outlined(c, body, 3);
    for (int i = 0; i < 4; ++i)
        PaintGlow(c, -6 + (i % 2) * 12, -22 + i * 8, 3.5, ParseColour("FFE0F0"), 0.7);
    PaintEye(c, -8, 8, 4);
    PaintEye(c, 8, 8, 4);
}

void PaintStayingTurtle(cairo_t* c, const SSpriteContext& context, double t, double)
{
    cairo_save(c);
    cairo_rotate(c, -kPi / 4);
    cairo_scale(c, 0.95, 0.95);
    PaintTurtle(c, context, t);
    cairo_restore(c);
}

void PaintUrchin(cairo_t* c, const SSpriteContext& context, double t, double)
{
    PaintSeaUrchin(c, context, t, 1.0);
}

}  // namespace

void AddCreaturePainters(std::map<std::string, HudPainter>& painters)
{
    painters["ray"] = InBox(PaintStingray, 0.0);
    painters["ray_stay"] = InBox(PaintStingray, 1.0);
    painters["ray_move"] = InBox(PaintStingray, 0.6);
    painters["pearl"] = InBox(PaintMussel, 0.0);
    painters["pearl_full"] = InBox(PaintMussel, 1.0);
    painters["pearl_move"] = InBox(PaintMussel, 0.6);
    painters["cara"] = InBox(PaintCuttlefish, 0.0);
    painters["cara_spray_move"] = InBox(PaintCuttlefish, 1.0);
    painters["cara_move"] = InBox(PaintCuttlefish, 0.6);
    painters["turtle_stay"] = InBox(PaintStayingTurtle, 0.0);
    painters["_seaurchin_0000"] = InBox(PaintUrchin, 0.0);
    painters["seaurchin_move_0000"] = InBox(PaintUrchin, 1.0);
}

}  // namespace Art
