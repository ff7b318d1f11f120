// The two panels of the HUD: masts and beams of timber, brass plates,
// chains, the charge buttons, the time scale with its chain and heart, the
// gears and the digit strips. Sizes and the places of windows and digits
// inside the pictures follow the HUD's layout.
#include <cmath>
#include <string>

#include "art_hud.h"
#include "art_hud_parts.h"

namespace Art {

namespace {

const SHudColours& K()
{
    return HudColours();
}

void PaintLeftMast(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // A mast at the screen's edge, a shroud of rope and a hull corner with
    // a coil of rope below the power-up porthole. The mast is drawn over
    // the buttons, so it leaves their faces open: it passes behind the
    // charge frame (y 126 to 174) and behind the porthole ring.
    const double fMast = 30;
    WithShadow(c, [&](cairo_t* d) {
        const double spans[][2] = {{0, 126}, {174, 396}, {480, 600}};
        for (const auto& span : spans) {
            cairo_rectangle(d, 0, span[0], fMast, span[1] - span[0]);
            PaintTimber(d, 0, span[0], fMast, span[1] - span[0], true, 3);
            cairo_new_path(d);
        }
        cairo_move_to(d, 0, h - 86);
        cairo_line_to(d, w - 24, h - 86);
        cairo_curve_to(d, w - 8, h - 60, w - 4, h - 30, w - 2, h);
        cairo_line_to(d, 0, h);
        cairo_close_path(d);
        PaintTimber(d, 0, h - 86, w, 86, false, 5);
        cairo_new_path(d);
    });
    // Iron bands round the mast.
    for (double y : {100.0, 200.0, 300.0, 500.0}) {
        cairo_rectangle(c, 0, y, fMast, 7);
        PaintBrass(c, 0, y, fMast, 7, 0.6);
        cairo_new_path(c);
    }
    // A shroud from the mast down to the hull, clear of the buttons.
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 2; ++i) {
        cairo_move_to(c, fMast, 210 + i * 60);
        cairo_curve_to(c, 90, 330 + i * 40, 150, 420 + i * 20, 176 - i * 14, h - 90);
        SetColour(c, ParseColour("4A3418"));
        cairo_set_line_width(c, 4.5);
        cairo_stroke_preserve(c);
        SetColour(c, ParseColour("E8C88A"));
        cairo_set_line_width(c, 2.5);
        cairo_stroke(c);
    }
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(c, 0, h - 86 + i * 21);
        cairo_line_to(c, w - 24 + i * 6, h - 86 + i * 21);
        SetColour(c, K().woodDark, 0.7);
        cairo_set_line_width(c, 1.5);
        cairo_stroke(c);
    }
    for (double x = 14; x < w - 30; x += 34)
        PaintRivet(c, x, h - 78, 2.5);
    PaintBarnacles(c, 40, h - 30, 14, 7);
    PaintBarnacles(c, 120, h - 12, 10, 9);
    PaintWeed(c, 150, h - 84, 26, 3);
    PaintWeed(c, 158, h - 84, 18, -2);
}

void PaintRightMast(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // The mast behind the time scale, a yard at the top that the level
    // plate's chains hang from, and the hull's planking below.
    WithShadow(c, [&](cairo_t* d) {
        cairo_rectangle(d, w - 40, 0, 40, h);
        PaintTimber(d, w - 40, 0, 40, h, true, 11);
        cairo_new_path(d);
        RoundedRect(d, 40, 2, w - 40, 16, 5);
        PaintTimber(d, 40, 2, w - 40, 16, false, 13);
        cairo_new_path(d);
        cairo_move_to(d, 20, h - 86);
        cairo_line_to(d, w, h - 86);
        cairo_line_to(d, w, h);
        cairo_line_to(d, 6, h);
        cairo_curve_to(d, 6, h - 40, 10, h - 70, 20, h - 86);
        cairo_close_path(d);
        PaintTimber(d, 0, h - 86, w, 86, false, 17);
        cairo_new_path(d);
    });
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(c, 14 - i * 3, h - 86 + i * 21);
        cairo_line_to(c, w, h - 86 + i * 21);
        SetColour(c, K().woodDark, 0.7);
        cairo_set_line_width(c, 1.5);
        cairo_stroke(c);
    }
    for (double y = 40; y < h - 90; y += 60)
        PaintRivet(c, w - 20, y, 2.5);
    PaintBarnacles(c, 60, h - 20, 14, 21);
    PaintWeed(c, 30, h - 84, 30, -3);
    PaintWeed(c, 40, h - 84, 20, 2);
}

void PaintMenuFace(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    WithShadow(c, [&](cairo_t* d) {
        RoundedRect(d, 1, 1, w - 4, h - 4, 8);
        PaintTimber(d, 1, 1, w - 4, h - 4, false, 23);
        cairo_new_path(d);
        RoundedRect(d, 12, 8, 128, 41 - 4, 6);
        PaintBrass(d, 12, 8, 128, 37, 0.35);
        cairo_new_path(d);
    });
    RoundedRect(c, 16, 12, 120, 29, 4);
    cairo_pattern_t* pInset = cairo_pattern_create_linear(0, 12, 0, 41);
    cairo_pattern_add_color_stop_rgb(pInset, 0, 0.16, 0.10, 0.05);
    cairo_pattern_add_color_stop_rgb(pInset, 1, 0.32, 0.22, 0.12);
    cairo_set_source(c, pInset);
    cairo_fill(c);
    cairo_pattern_destroy(pInset);
    // The caption is the menu button's own image, drawn by the GUI.
}

void PaintBeamPlate(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    WithShadow(c, [&](cairo_t* d) {
        RoundedRect(d, 1, 2, w - 4, h - 6, 6);
        PaintTimber(d, 1, 2, w - 4, h - 6, false, 29);
        cairo_new_path(d);
    });
    for (double x : {10.0, 39.0, 84.0, 113.0})
        PaintRivet(c, x, h / 2.0 - 1, 2.6);
}

void PaintChainPicture(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // The chain hangs from the picture's centre, where it turns.
    PaintChain(c, w / 2.0, h / 2.0 - 2, h, w * 0.8);
}

void PaintChargeFrame(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // A brass frame round the shuffle bar, hung by two hooks.
    WithShadow(c, [&](cairo_t* d) {
        RoundedRect(d, 1, 8, w - 4, h - 11, 9);
        RoundedRect(d, 5, 14, 135, 36, 7);
        cairo_set_fill_rule(d, CAIRO_FILL_RULE_EVEN_ODD);
        PaintBrass(d, 1, 8, w - 4, h - 11, 0.45);
        cairo_new_path(d);
        cairo_set_fill_rule(d, CAIRO_FILL_RULE_WINDING);
        for (double x : {35.0, 109.0}) {
            cairo_arc(d, x, 6, 5, 0, 2 * kPi);
            cairo_arc_negative(d, x, 6, 2.5, 2 * kPi, 0);
            PaintBrass(d, x - 5, 1, 10, 10, 0);
            cairo_new_path(d);
        }
    });
    for (double x : {6.0, double(w) - 9}) {
        PaintRivet(c, x, 12, 1.8);
        PaintRivet(c, x, h - 7, 1.8);
    }
}

void ShuffleIcon(cairo_t* c, double cx, double cy, double fAlpha)
{
    // Two arrows chasing each other round: the fish get stirred.
    cairo_set_line_width(c, 3);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int side = 0; side < 2; ++side) {
        const double a0 = side * kPi + 0.3, a1 = a0 + kPi - 0.7;
        cairo_new_path(c);
        cairo_arc(c, cx, cy, 9, a0, a1);
        SetColour(c, {1, 1, 1, 1}, fAlpha);
        cairo_stroke(c);
        const double ex = cx + 9 * std::cos(a1), ey = cy + 9 * std::sin(a1);
        const double tx = -std::sin(a1), ty = std::cos(a1);
        cairo_move_to(c, ex + tx * 5, ey + ty * 5);
        cairo_line_to(c, ex + std::cos(a1) * 4, ey + std::sin(a1) * 4);
        cairo_line_to(c, ex - std::cos(a1) * 4, ey - std::sin(a1) * 4);
        cairo_close_path(c);
        cairo_fill(c);
    }
}

void PaintShuffleIdle(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    RoundedRect(c, 1, 1, w - 2, h - 2, 7);
    PaintGlass(c, w / 2.0, h / 2.0, w / 2.0, 0.95);
    SetColour(c, K().ironDark);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    ShuffleIcon(c, w / 2.0, h / 2.0, 0.35);
}

void PaintShuffleFill(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // Charged water, glowing, with bubbles rising; its edge stays clear
    // so the hover glow under it shows.
    RoundedRect(c, 3, 3, w - 6, h - 6, 5);
    FillVertical(c, 3, h - 3, ParseColour("E06CF2D0"), ParseColour("E0128A78"));
    cairo_new_path(c);
    RoundedRect(c, 6, 5, w - 12, h / 2.5, 4);
    SetColour(c, {1, 1, 1, 1}, 0.35);
    cairo_fill(c);
    CRandom random(31);
    for (int i = 0; i < 9; ++i)
        DrawBubble(c, random.Range(8, w - 8), random.Range(8, h - 8), random.Range(1.5, 3.5), 0.7);
    ShuffleIcon(c, w / 2.0, h / 2.0, 0.95);
}

void PaintShuffleRim(cairo_t* c, int w, int h, const SColour& colour, double fAlpha)
{
    RoundedRect(c, 1, 1, w - 2, h - 2, 7);
    SetColour(c, colour, fAlpha);
    cairo_set_line_width(c, 4);
    cairo_stroke(c);
}

void PaintShuffleHover(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    PaintShuffleRim(c, w, h, K().glow, 1.0);
}

void PaintShufflePushed(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    PaintShuffleRim(c, w, h, Darker(K().glow, 0.45), 1.0);
}

void PaintShuffleFilled(cairo_t* c, const SSpriteContext&, int w, int h, double t)
{
    // A glint runs along the bar (the picture's right half) and sparkles.
    const double x = w / 2.0 + t * w / 2.0;
    PaintGlow(c, x, h / 2.0, 26, K().glow, 0.8 * (1 - t * 0.5));
    CRandom random(41);
    for (int i = 0; i < 6; ++i) {
        const double sx = w / 2.0 + random.Range(0, w / 2.0), sy = random.Range(6, h - 6);
        const double a = std::max(0.0, 1 - std::fabs(sx - x) / 40);
        DrawSparkle(c, sx, sy, 8, a);
    }
}

void PaintDeadlight(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // A brass porthole ring round the power-up button; its centre is the
    // button's, and it stays open so the glass and the creature show.
    const double cx = 65.5, cy = 72.5;
    WithShadow(c, [&](cairo_t* d) {
        cairo_arc(d, cx, cy, 58, 0, 2 * kPi);
        cairo_arc_negative(d, cx, cy, 41, 2 * kPi, 0);
        PaintBrass(d, cx - 58, cy - 58, 116, 116, 0.5);
        cairo_new_path(d);
        RoundedRect(d, 4, cy - 12, 12, 24, 3);
        PaintBrass(d, 4, cy - 12, 12, 24, 0.3);
        cairo_new_path(d);
    });
    for (int i = 0; i < 8; ++i) {
        const double a = kPi / 8 + i * kPi / 4;
        PaintRivet(c, cx + std::cos(a) * 50, cy + std::sin(a) * 50, 3.2);
    }
    (void)w;
    (void)h;
}

void PaintShineEmpty(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    cairo_save(c);
    cairo_translate(c, w / 2.0, h / 2.0);
    cairo_scale(c, w / 2.0, h / 2.0);
    cairo_arc(c, 0, 0, 0.98, 0, 2 * kPi);
    cairo_restore(c);
    SetColour(c, K().glass, 0.15);
    cairo_fill(c);
    // The glass's reflection, high on the left.
    cairo_arc(c, w * 0.42, h * 0.44, w * 0.34, kPi * 1.05, kPi * 1.55);
    SetColour(c, {1, 1, 1, 1}, 0.55);
    cairo_set_line_width(c, 4);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(c);
}

void PaintShine(cairo_t* c, const SSpriteContext& context, int w, int h, double t)
{
    cairo_save(c);
    cairo_translate(c, w / 2.0, h / 2.0);
    cairo_scale(c, w / 2.0, h / 2.0);
    cairo_arc(c, 0, 0, 0.98, 0, 2 * kPi);
    cairo_restore(c);
    cairo_pattern_t* pLight = cairo_pattern_create_radial(w / 2.0, h * 0.55, 2, w / 2.0, h / 2.0, h / 2.0);
    cairo_pattern_add_color_stop_rgba(pLight, 0, 1, 0.96, 0.7, 0.3);
    cairo_pattern_add_color_stop_rgba(pLight, 0.7, 1, 0.8, 0.3, 0.22);
    cairo_pattern_add_color_stop_rgba(pLight, 1, 0.95, 0.62, 0.15, 0.7);
    cairo_set_source(c, pLight);
    cairo_fill(c);
    cairo_pattern_destroy(pLight);
    PaintShineEmpty(c, context, w, h, t);
}

void PaintPowerupFilled(cairo_t* c, const SSpriteContext&, int w, int h, double t)
{
    const double cx = w / 2.0, cy = h / 2.0;
    cairo_arc(c, cx, cy, 10 + t * (w / 2.0 - 12), 0, 2 * kPi);
    SetColour(c, K().glow, 1 - t);
    cairo_set_line_width(c, 6 * (1 - t) + 1);
    cairo_stroke(c);
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4 + t, r = 14 + t * 40;
        DrawSparkle(c, cx + std::cos(a) * r, cy + std::sin(a) * r, 9, 1 - t);
    }
}

void PaintChain3(cairo_t* c, const SSpriteContext& context, int w, int h, double t)
{
    PaintChainPicture(c, context, w, h, t);
}

void PaintLevelPlate(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // Rings where the chains end, and a dark panel for the gold title.
    WithShadow(c, [&](cairo_t* d) {
        for (double x : {46.0, 101.0}) {
            cairo_arc(d, x, 11, 6, 0, 2 * kPi);
            cairo_arc_negative(d, x, 11, 3, 2 * kPi, 0);
            PaintBrass(d, x - 6, 5, 12, 12, 0);
            cairo_new_path(d);
        }
        RoundedRect(d, 2, 16, w - 5, h - 19, 9);
        PaintBrass(d, 2, 16, w - 5, h - 19, 0.55);
        cairo_new_path(d);
    });
    RoundedRect(c, 9, 23, w - 19, h - 33, 6);
    PaintTimber(c, 9, 23, w - 19, h - 33, false, 37);
    cairo_new_path(c);
    RoundedRect(c, 9, 23, w - 19, h - 33, 6);
    SetColour(c, K().woodDark, 0.45);
    cairo_fill(c);
    for (double x : {6.0, double(w) - 8})
        PaintRivet(c, x, h / 2.0 + 8, 2);
}

void PaintScoreWindow(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // A brass case; the six digits stand in its dark glass at the right.
    WithShadow(c, [&](cairo_t* d) {
        RoundedRect(d, 2, 2, w - 4, h - 6, 12);
        PaintBrass(d, 2, 2, w - 4, h - 6, 0.5);
        cairo_new_path(d);
    });
    RoundedRect(c, 17, 21, w - 24, 38, 7);
    cairo_pattern_t* pGlass = cairo_pattern_create_linear(0, 21, 0, 59);
    cairo_pattern_add_color_stop_rgb(pGlass, 0, 0.03, 0.12, 0.2);
    cairo_pattern_add_color_stop_rgb(pGlass, 1, 0.06, 0.24, 0.36);
    cairo_set_source(c, pGlass);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pGlass);
    SetColour(c, K().brassDark);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    RoundedRect(c, 20, 23, w - 30, 10, 4);
    SetColour(c, {1, 1, 1, 1}, 0.12);
    cairo_fill(c);
    for (double x : {10.0, double(w) - 8})
        for (double y : {12.0, double(h) - 14})
            PaintRivet(c, x, y, 2.4);
}

void PaintTimeScale(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // A brass-bound slat marked like a depth gauge, an hourglass on top.
    WithShadow(c, [&](cairo_t* d) {
        RoundedRect(d, 6, 2, w - 10, h - 5, 8);
        PaintTimber(d, 6, 2, w - 10, h - 5, true, 43);
        cairo_new_path(d);
    });
    RoundedRect(c, 6, 2, w - 10, h - 5, 8);
    SetColour(c, K().brass);
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    for (int i = 0; i < 19; ++i) {
        const double y = 46 + i * 13.5;
        cairo_move_to(c, 8, y);
        cairo_line_to(c, i % 3 == 0 ? 24 : 16, y);
    }
    SetColour(c, K().brassLight, 0.9);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    const double cx = w / 2.0 + 2, cy = 22;
    cairo_move_to(c, cx - 9, cy - 13);
    cairo_line_to(c, cx + 9, cy - 13);
    cairo_line_to(c, cx, cy);
    cairo_line_to(c, cx + 9, cy + 13);
    cairo_line_to(c, cx - 9, cy + 13);
    cairo_line_to(c, cx, cy);
    cairo_close_path(c);
    SetColour(c, ParseColour("CFEFFF"), 0.8);
    cairo_fill_preserve(c);
    SetColour(c, K().brassDark);
    cairo_set_line_width(c, 1.6);
    cairo_stroke(c);
    cairo_move_to(c, cx - 5, cy + 11);
    cairo_line_to(c, cx + 5, cy + 11);
    cairo_line_to(c, cx, cy + 3);
    cairo_close_path(c);
    SetColour(c, ParseColour("E8C88A"));
    cairo_fill(c);
}

void PaintFrost(cairo_t* c, int w, int h, double fCover, unsigned nSeed)
{
    // Ice crystals creeping down from the top as the overlay plays.
    const double fEdge = h * fCover;
    cairo_pattern_t* pIce = cairo_pattern_create_linear(0, 0, 0, fEdge + 1);
    cairo_pattern_add_color_stop_rgba(pIce, 0, 0.85, 0.95, 1, 0.55);
    cairo_pattern_add_color_stop_rgba(pIce, 1, 0.7, 0.9, 1, 0.1);
    cairo_rectangle(c, 0, 0, w, fEdge);
    cairo_set_source(c, pIce);
    cairo_fill(c);
    cairo_pattern_destroy(pIce);
    CRandom random(nSeed);
    for (int i = 0; i < 30; ++i) {
        const double x = random.Range(4, w - 4), y = random.Range(0, h);
        if (y > fEdge)
            continue;
        DrawSparkle(c, x, y, random.Range(3, 6), 0.85);
    }
}

void PaintScaleFrozen(cairo_t* c, const SSpriteContext&, int w, int h, double t)
{
    PaintFrost(c, w, h, t + 1.0 / 8, 47);
}

void PaintTimeChain(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // The chain's lower end is where the heart hangs: 97 pixels from the
    // right and 170 above the bottom; below it the picture stays clear.
    PaintChain(c, w - 97.0, 0, h - 170.0, 14);
}

void PaintChainFrozen(cairo_t* c, const SSpriteContext&, int w, int h, double t)
{
    cairo_save(c);
    cairo_rectangle(c, w - 97.0 - 10, 0, 20, h - 170.0);
    cairo_clip(c);
    PaintFrost(c, w, int(h - 170), t + 0.25, 53);
    cairo_restore(c);
}

void HeartPath(cairo_t* c, double cx, double cy, double s)
{
    cairo_move_to(c, cx, cy + s * 0.95);
    cairo_curve_to(c, cx - s * 1.25, cy + s * 0.1, cx - s * 1.0, cy - s * 0.95, cx, cy - s * 0.45);
    cairo_curve_to(c, cx + s * 1.0, cy - s * 0.95, cx + s * 1.25, cy + s * 0.1, cx, cy + s * 0.95);
    cairo_close_path(c);
}

void PaintHeartNum(cairo_t* c, const SSpriteContext&, int w, int h, double t)
{
    const double s = 22 * (1 + 0.06 * std::pow(std::sin(kPi * t), 6));
    const double cx = w / 2.0, cy = h / 2.0 + 3;
    cairo_arc(c, cx, 6, 4, 0, 2 * kPi);
    SetColour(c, K().iron);
    cairo_set_line_width(c, 2.5);
    cairo_stroke(c);
    WithShadow(c, [&](cairo_t* d) {
        HeartPath(d, cx, cy, s);
        cairo_pattern_t* pBody = cairo_pattern_create_radial(cx - s * 0.4, cy - s * 0.4, 2, cx, cy, s * 1.2);
        cairo_pattern_add_color_stop_rgb(pBody, 0, 1, 0.55, 0.6);
        cairo_pattern_add_color_stop_rgb(pBody, 0.5, 0.86, 0.12, 0.22);
        cairo_pattern_add_color_stop_rgb(pBody, 1, 0.45, 0.02, 0.1);
        cairo_set_source(d, pBody);
        cairo_fill_preserve(d);
        cairo_pattern_destroy(pBody);
        SetColour(d, ParseColour("4A0610"));
        cairo_set_line_width(d, 2);
        cairo_stroke(d);
    });
    cairo_save(c);
    cairo_translate(c, cx - s * 0.48, cy - s * 0.3);
    cairo_rotate(c, -0.6);
    cairo_scale(c, s * 0.28, s * 0.14);
    cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(c);
    SetColour(c, {1, 1, 1, 1}, 0.6);
    cairo_fill(c);
}

void PaintGear(cairo_t* c, const SSpriteContext&, int w, int h, double t)
{
    const int nTeeth = 12;
    const double cx = w / 2.0, cy = h / 2.0, r = w / 2.0 - 3;
    cairo_save(c);
    cairo_translate(c, cx, cy);
    cairo_rotate(c, t * 2 * kPi / nTeeth);
    for (int i = 0; i < nTeeth; ++i) {
        const double a = i * 2 * kPi / nTeeth;
        cairo_line_to(c, std::cos(a - 0.16) * r, std::sin(a - 0.16) * r);
        cairo_line_to(c, std::cos(a + 0.16) * r, std::sin(a + 0.16) * r);
        cairo_line_to(c, std::cos(a + 0.3) * r * 0.8, std::sin(a + 0.3) * r * 0.8);
        cairo_line_to(c, std::cos(a + 2 * kPi / nTeeth - 0.3) * r * 0.8, std::sin(a + 2 * kPi / nTeeth - 0.3) * r * 0.8);
    }
    cairo_close_path(c);
    cairo_new_sub_path(c);
    cairo_arc_negative(c, 0, 0, r * 0.22, 2 * kPi, 0);
    for (int i = 0; i < 4; ++i) {
        cairo_new_sub_path(c);
        const double a = i * kPi / 2 + kPi / 4;
        cairo_arc_negative(c, std::cos(a) * r * 0.5, std::sin(a) * r * 0.5, r * 0.14, 2 * kPi, 0);
    }
    PaintBrass(c, -r, -r, 2 * r, 2 * r, 0.4);
    cairo_new_path(c);
    cairo_restore(c);
}

// Ten rows of digits, 0 in the bottom row and 9 in the top one.
void PaintDigitStrip(cairo_t* c, int w, int h, const SColour& fill, const SColour& outline)
{
    const double fRow = h / 10.0;
    for (int d = 0; d < 10; ++d) {
        const std::string strDigit(1, char('0' + d));
        PaintLabel(c, strDigit.c_str(), w / 2.0, h - (d + 0.5) * fRow, fRow * 0.82, fill, outline);
    }
}

void PaintScoreDigits(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    PaintDigitStrip(c, w, h, ParseColour("FFE9A8"), ParseColour("1A1006"));
}

void PaintLifeDigits(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    PaintDigitStrip(c, w, h, ParseColour("FFFFFF"), ParseColour("4A0610"));
}

}  // namespace

void AddPanelPainters(std::map<std::string, HudPainter>& painters)
{
    painters["machta"] = PaintLeftMast;
    painters["machta_right"] = PaintRightMast;
    painters["button_menu"] = PaintMenuFace;
    painters["01"] = PaintBeamPlate;
    painters["chain-1"] = PaintChainPicture;
    painters["chain-3"] = PaintChain3;
    painters["buttons-bonuses"] = PaintChargeFrame;
    painters["button_shuffle-1"] = PaintShuffleIdle;
    painters["button_shuffle-2"] = PaintShuffleFill;
    painters["button_shuffle-3"] = PaintShuffleHover;
    painters["button_shuffle-4"] = PaintShufflePushed;
    painters["shufflefilled"] = PaintShuffleFilled;
    painters["buttons-deadlight_L"] = PaintDeadlight;
    painters["shine_empty"] = PaintShineEmpty;
    painters["shine"] = PaintShine;
    painters["powerupfilled_"] = PaintPowerupFilled;
    painters["name_level"] = PaintLevelPlate;
    painters["window-scores"] = PaintScoreWindow;
    painters["shkala"] = PaintTimeScale;
    painters["shkala_freez"] = PaintScaleFrozen;
    painters["chain-2"] = PaintTimeChain;
    painters["chain_2_freez"] = PaintChainFrozen;
    painters["heart_num"] = PaintHeartNum;
    painters["gear"] = PaintGear;
    painters["numbers-tablo"] = PaintScoreDigits;
    painters["numbers-life"] = PaintLifeDigits;
}

}  // namespace Art
