#include "art_effects.h"

#include <cmath>

#include "art_items.h"
#include "art_shapes.h"

namespace Art {

namespace {

void Dot(cairo_t* c, double x, double y, double r)
{
    cairo_new_sub_path(c);
    cairo_arc(c, x, y, r, 0, 2 * kPi);
}

// Rises quickly to 1 and falls back to 0 over [0, 1].
double Swell(double t) { return std::sin(kPi * std::pow(t, 0.6)); }

}  // namespace

void PaintFlare(cairo_t* c, const SSpriteContext& context, double t)
{
    const double s = Swell(t);
    PaintGlow(c, 0, 0, 20 + 30 * t, context.Colour("flare"), s);
    cairo_save(c);
    cairo_rotate(c, t * 0.8);
    for (int i = 0; i < 12; ++i) {
        const double l = (i & 1 ? 28 : 46) * (0.4 + 0.6 * s);
        cairo_move_to(c, 0, -2.5);
        cairo_line_to(c, l, 0);
        cairo_line_to(c, 0, 2.5);
        cairo_close_path(c);
        cairo_rotate(c, kPi / 6);
    }
    SetColour(c, Lighter(context.Colour("flare"), 0.6), 0.85 * s);
    cairo_fill(c);
    cairo_restore(c);
    DrawSparkle(c, 0, 0, 22 * s + 4, s);
}

void PaintSeaUrchin(cairo_t* c, const SSpriteContext& context, double t, double fGrowth)
{
    const SColour body = context.Colour("urchin"), tip = context.Colour("urchin_tip");
    PaintGlow(c, 0, 0, 48, tip, 0.35 * fGrowth);
    for (int i = 0; i < 22; ++i) {
        const double a = 2 * kPi * i / 22, l = (24 + 18 * fGrowth + 3 * std::sin(2 * kPi * t + i)) * fGrowth;
        cairo_move_to(c, std::cos(a - 0.1) * 14, std::sin(a - 0.1) * 14);
        cairo_line_to(c, std::cos(a) * l, std::sin(a) * l);
        cairo_line_to(c, std::cos(a + 0.1) * 14, std::sin(a + 0.1) * 14);
    }
    SetColour(c, tip, fGrowth);
    cairo_fill_preserve(c);
    SetColour(c, Darker(body, 0.6), fGrowth);
    cairo_set_line_width(c, 1.2);
    cairo_stroke(c);
    cairo_pattern_t* pBall = cairo_pattern_create_radial(-5, -6, 2, 0, 0, 20);
    cairo_pattern_add_color_stop_rgba(pBall, 0, Lighter(body, 0.5).r, Lighter(body, 0.5).g, Lighter(body, 0.5).b, fGrowth);
    cairo_pattern_add_color_stop_rgba(pBall, 1, Darker(body, 0.4).r, Darker(body, 0.4).g, Darker(body, 0.4).b, fGrowth);
    cairo_set_source(c, pBall);
    Dot(c, 0, 0, 19 * (0.5 + 0.5 * fGrowth));
    cairo_fill(c);
    cairo_pattern_destroy(pBall);
}

void PaintInkSpray(cairo_t* c, const SSpriteContext& context, double t)
{
    // The cloud swells to cover the 3 x 3 block, then thins away at the end.
    CRandom random(5);
    const double fFade = t > 0.7 ? 1 - (t - 0.7) / 0.3 : 1.0;
    for (int i = 0; i < 36; ++i) {
        const double a = random.Range(0, 2 * kPi) + t * random.Range(-1, 1), v = random.Range(0.2, 1);
        const double d = 36 * v * std::sqrt(std::min(1.0, t * 1.6)), r = random.Range(9, 17) * (0.5 + t);
        const SColour ink = Mix(context.Colour("ink"), context.Colour("ink_light"), random.Next() * 0.6);
        PaintGlow(c, std::cos(a) * d, std::sin(a) * d, r, ink, 0.75 * fFade);
    }
}

void PaintCuttlefishFade(cairo_t* c, const SSpriteContext& context, double t)
{
    const SColour body = context.Colour("cuttle");
    PaintGlow(c, 0, 8, 30 + 20 * t, context.Colour("ink"), 0.5 * t * (1 - t) * 4);
    cairo_save(c);
    cairo_scale(c, 1 - 0.5 * t, 1 - 0.5 * t);
    const double a = 1 - t;
    for (int i = 0; i < 6; ++i) {
        cairo_move_to(c, -8 + i * 3.2, 18);
        cairo_curve_to(c, -10 + i * 4, 28, -6 + i * 3 + 4 * std::sin(6 * t + i), 34, -8 + i * 3.2, 40);
    }
    SetColour(c, Darker(body, 0.2), a);
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    cairo_save(c);
    cairo_scale(c, 18, 26);
    Dot(c, 0, -0.1, 1);
    cairo_restore(c);
    SetColour(c, body, a);
    cairo_fill_preserve(c);
    SetColour(c, Darker(body, 0.6), a);
    cairo_set_line_width(c, 2.5);
    cairo_stroke(c);
    PaintEye(c, -8, 12, 3.5 * a + 0.1);
    PaintEye(c, 8, 12, 3.5 * a + 0.1);
    cairo_restore(c);
}

void PaintPearl(cairo_t* c, const SSpriteContext& context, double t)
{
    const SColour pearl = context.Colour("pearl");
    PaintGlow(c, 0, 0, 40 + 6 * std::sin(2 * kPi * t), context.Colour("pearl_glow"), 0.7);
    cairo_pattern_t* pBall = cairo_pattern_create_radial(-8, -8, 2, 0, 0, 24);
    cairo_pattern_add_color_stop_rgb(pBall, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(pBall, 0.6, pearl.r, pearl.g, pearl.b);
    cairo_pattern_add_color_stop_rgb(pBall, 1, Darker(pearl, 0.3).r, Darker(pearl, 0.3).g, Darker(pearl, 0.3).b);
    cairo_set_source(c, pBall);
    Dot(c, 0, 0, 22);
    cairo_fill(c);
    cairo_pattern_destroy(pBall);
    // A rainbow sheen wanders round the pearl.
    const double a = 2 * kPi * t;
    PaintGlow(c, std::cos(a) * 10, std::sin(a) * 10, 12, {1.0, 0.8, 0.95, 1}, 0.5);
    DrawSparkle(c, -9, -10, 10, 0.9);
}

void PaintPearlHalo(cairo_t* c, const SSpriteContext& context, double t)
{
    for (int i = 0; i < 3; ++i) {
        const double u = std::fmod(t + i / 3.0, 1.0);
        cairo_arc(c, 0, 0, 16 + 30 * u, 0, 2 * kPi);
        SetColour(c, context.Colour("pearl_glow"), 0.9 * (1 - u));
        cairo_set_line_width(c, 5 * (1 - u) + 1);
        cairo_stroke(c);
    }
    for (int i = 0; i < 6; ++i) {
        const double a = 2 * kPi * (i / 6.0 + t / 6);
        DrawSparkle(c, std::cos(a) * 38, std::sin(a) * 38, 7, 0.8);
    }
}

void PaintBolt(cairo_t* c, const SSpriteContext& context)
{
    // The lit cells of the bolt's 8 x 8 path, from the bottom-left corner
    // to the top-right one (row from the top, column from the left).
    const int kPath[][2] = {{7, 0}, {6, 1}, {6, 2}, {5, 2}, {4, 3}, {3, 3}, {2, 3},
                            {2, 4}, {1, 4}, {1, 5}, {0, 5}, {0, 6}, {0, 7}};
    CRandom random(3);
    auto trace = [&](double fJitter) {
        cairo_move_to(c, -50, 50);
        for (const auto& cell : kPath)
            cairo_line_to(c, -50 + 12.5 * (cell[1] + 0.5) + random.Range(-fJitter, fJitter),
                          -50 + 12.5 * (cell[0] + 0.5) + random.Range(-fJitter, fJitter));
        cairo_line_to(c, 50, -50);
    };
    const double widths[] = {9, 4.5, 1.6};
    const SColour colours[] = {context.Colour("bolt_glow"), context.Colour("bolt"), {1, 1, 1, 1}};
    const double alphas[] = {0.35, 0.8, 1};
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 3; ++pass) {
        CRandom same(3);
        random = same;
        trace(3);
        SetColour(c, colours[pass], alphas[pass]);
        cairo_set_line_width(c, widths[pass]);
        cairo_stroke(c);
    }
}

void PaintRayFade(cairo_t* c, const SSpriteContext& context, double t)
{
    const SColour ray = context.Colour("ray");
    const double a = 1 - t;
    PaintGlow(c, 0, 0, 46, context.Colour("bolt_glow"), 0.6 * a);
    cairo_save(c);
    cairo_scale(c, 1 + 0.3 * t, 1 + 0.3 * t);
    cairo_move_to(c, 0, -26);
    cairo_curve_to(c, 16, -22, 30, -6, 42, 4);
    cairo_curve_to(c, 26, 8, 12, 14, 0, 20);
    cairo_curve_to(c, -12, 14, -26, 8, -42, 4);
    cairo_curve_to(c, -30, -6, -16, -22, 0, -26);
    cairo_close_path(c);
    SetColour(c, ray, a);
    cairo_fill_preserve(c);
    SetColour(c, Darker(ray, 0.6), a);
    cairo_set_line_width(c, 2.5);
    cairo_stroke(c);
    cairo_move_to(c, 0, 20);
    cairo_curve_to(c, 2, 32, -4, 40, 0, 48);
    cairo_stroke(c);
    cairo_restore(c);
    CRandom random(11);
    for (int i = 0; i < 5; ++i) {
        const double ang = random.Range(0, 2 * kPi), r0 = 12 + 30 * t;
        cairo_move_to(c, std::cos(ang) * r0, std::sin(ang) * r0);
        cairo_line_to(c, std::cos(ang + 0.2) * (r0 + 8), std::sin(ang + 0.2) * (r0 + 8));
        cairo_line_to(c, std::cos(ang - 0.1) * (r0 + 14), std::sin(ang - 0.1) * (r0 + 14));
    }
    SetColour(c, context.Colour("bolt"), a);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
}

void PaintTurtle(cairo_t* c, const SSpriteContext& context, double t)
{
    const SColour shell = context.Colour("turtle_shell"), skin = context.Colour("turtle_skin");
    const SColour line = Darker(shell, 0.7);
    cairo_save(c);
    cairo_rotate(c, kPi / 4);  // head towards the top-right corner
    const double fPaddle = std::sin(2 * kPi * t) * 0.35;
    for (int side = -1; side <= 1; side += 2)
        for (int end = -1; end <= 1; end += 2) {
            cairo_save(c);
            cairo_translate(c, side * 18, end * -14);
            cairo_rotate(c, side * (end < 0 ? -0.6 - fPaddle : 0.5 + fPaddle));
            cairo_scale(c, end < 0 ? 17 : 10, 6);
            Dot(c, side * 0.7, 0, 1);
            cairo_restore(c);
            SetColour(c, skin);
            cairo_fill_preserve(c);
            SetColour(c, line);
            cairo_set_line_width(c, 2);
            cairo_stroke(c);
        }
    cairo_save(c);
    cairo_scale(c, 9, 11);
    Dot(c, 0, -2.6, 1);
    cairo_restore(c);
    SetColour(c, skin);
    cairo_fill_preserve(c);
    SetColour(c, line);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    PaintEye(c, -4, -31, 2.4);
    PaintEye(c, 4, -31, 2.4);
    cairo_save(c);
    cairo_scale(c, 22, 26);
    Dot(c, 0, 0, 1);
    cairo_restore(c);
    FillVertical(c, -26, 26, Lighter(shell, 0.3), Darker(shell, 0.2));
    SetColour(c, line);
    cairo_set_line_width(c, 2.5);
    cairo_stroke(c);
    for (int i = 0; i < 6; ++i) {
        cairo_new_sub_path(c);
        for (int k = 0; k < 6; ++k)
            cairo_line_to(c, (i == 0 ? 0 : 13 * std::cos(kPi / 3 * i)) + 7 * std::cos(kPi / 3 * k),
                          (i == 0 ? 0 : 15 * std::sin(kPi / 3 * i)) + 7 * std::sin(kPi / 3 * k));
        cairo_close_path(c);
    }
    SetColour(c, line, 0.6);
    cairo_set_line_width(c, 1.6);
    cairo_stroke(c);
    cairo_restore(c);
}

void PaintStarSpin(cairo_t* c, const SSpriteContext& context, double t)
{
    PaintGlow(c, 0, 0, 50, context.Colour("flare"), 0.6);
    cairo_save(c);
    cairo_rotate(c, 2 * kPi / 5 * t);
    SMotion motion;
    FindPainter("seastar")(c, context.kinds.at("seastar"), motion);
    cairo_restore(c);
}

void PaintStarParticle(cairo_t* c, const SSpriteContext& context, double t)
{
    const double fFlicker = 0.8 + 0.2 * std::sin(2 * kPi * t * 2);
    cairo_pattern_t* pTrail = cairo_pattern_create_linear(-50, 0, 50, 0);
    const SColour glow = context.Colour("flare");
    cairo_pattern_add_color_stop_rgba(pTrail, 0, glow.r, glow.g, glow.b, 0);
    cairo_pattern_add_color_stop_rgba(pTrail, 0.8, glow.r, glow.g, glow.b, 0.8 * fFlicker);
    cairo_pattern_add_color_stop_rgba(pTrail, 1, 1, 1, 1, fFlicker);
    cairo_set_source(c, pTrail);
    cairo_move_to(c, -50, 0);
    cairo_curve_to(c, 0, -14, 30, -30, 50, -10);
    cairo_line_to(c, 50, 10);
    cairo_curve_to(c, 30, 30, 0, 14, -50, 0);
    cairo_fill(c);
    cairo_save(c);
    cairo_scale(c, 0.375, 1);  // the box is 64 x 24: keep the star round
    DrawSparkle(c, 110, 0, 40, fFlicker);
    cairo_restore(c);
}

void PaintTrunkBeam(cairo_t* c, const SSpriteContext& context)
{
    const SColour light = context.Colour("light");
    PaintGlow(c, 0, 0, 50, light, 0.8);
    CRandom random(17);
    for (int i = 0; i < 18; ++i) {
        const double a = 2 * kPi * i / 18 + random.Range(-0.1, 0.1), w = random.Range(0.04, 0.1);
        cairo_pattern_t* pRay = cairo_pattern_create_radial(0, 0, 4, 0, 0, 50);
        cairo_pattern_add_color_stop_rgba(pRay, 0, light.r, light.g, light.b, 0.7);
        cairo_pattern_add_color_stop_rgba(pRay, 1, light.r, light.g, light.b, 0);
        cairo_set_source(c, pRay);
        cairo_move_to(c, 0, 0);
        cairo_arc(c, 0, 0, 50, a - w, a + w);
        cairo_close_path(c);
        cairo_fill(c);
        cairo_pattern_destroy(pRay);
    }
}

}  // namespace Art
