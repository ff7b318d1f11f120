// The pictures of the story's 26 panels, in the order they are read. Each
// draws its scene and its speech balloon; the caption and the frame are
// added around it (art_story.cpp).
#include <cmath>

#include "art_story.h"

namespace Art {

namespace {

using Panel = SStoryPanel;

void Say(cairo_t* c, const Panel& p, double cx, double cy, double fWidth, double tx, double ty)
{
    if (!p.strSay.empty())
        LetterSpeech(c, cx, cy, fWidth, p.strSay, tx, ty);
}

void Reef(cairo_t* c, double w, double h, double y, unsigned nSeed)
{
    PaintSeabed(c, w, h, y, nSeed);
    CRandom rnd(nSeed);
    const char* colours[] = {"FF7A8A", "FFA040", "C070E0", "FF5A6A"};
    for (int i = 0; i < int(w / 70); ++i)
        PaintCoral(c, rnd.Range(0, w), y + rnd.Range(2, 10), rnd.Range(0.6, 1.0), colours[i % 4], nSeed + i);
}

// ---- Page 1: Pebble Isle.

void P1Isle(cairo_t* c, const SStoryArt& art, const Panel&, double w, double h)
{
    const double fHorizon = h * 0.5;
    PaintDaySky(c, w, fHorizon, 0);
    PaintSeaSurface(c, w, h, fHorizon, 0);
    PaintIsland(c, w * 0.3, fHorizon + 30, w * 0.62);
    PaintPalm(c, w * 0.12, fHorizon + 6, 1.0);
    PaintHut(c, w * 0.36, fHorizon + 2, 1.0);
    PaintPier(c, w * 0.5, w * 0.98, fHorizon + 62, false);
    PaintMira(c, w * 0.74, fHorizon + 56, 0.95, EPose::Wave);
    PaintPip(c, art, w * 0.9, h * 0.9, 34, true);
}

void P1Bottle(cairo_t* c, const SStoryArt&, const Panel&, double w, double h)
{
    const double fHorizon = h * 0.52;
    PaintNightSky(c, w, fHorizon, 12);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(c, w * (0.55 + i * 0.12), fHorizon * 0.34 + (i % 2) * 8, 24, 0, 2 * kPi);
        cairo_set_source_rgba(c, 0.25, 0.28, 0.4, 0.95);
        cairo_fill(c);
    }
    PaintSeaSurface(c, w, h, fHorizon, 0.8);
    cairo_move_to(c, 0, h * 0.75);
    cairo_curve_to(c, w * 0.4, h * 0.68, w * 0.7, h * 0.72, w, h * 0.66);
    cairo_line_to(c, w, h);
    cairo_line_to(c, 0, h);
    cairo_close_path(c);
    FillDown(c, h * 0.66, h, ParseColour("8A7A5A"), ParseColour("5A4A34"));
    cairo_set_line_width(c, 1.2);
    CRandom rnd(5);
    for (int i = 0; i < 60; ++i) {
        const double x = rnd.Range(0, w), y = rnd.Range(0, h);
        cairo_move_to(c, x, y);
        cairo_line_to(c, x - 5, y + 14);
        cairo_set_source_rgba(c, 0.8, 0.85, 1, 0.35);
        cairo_stroke(c);
    }
    const double bx = w * 0.55, by = h * 0.8;
    PaintGlowAt(c, bx, by, 60, "B8FFF0", 0.8);
    cairo_save(c);
    cairo_translate(c, bx, by);
    cairo_rotate(c, -0.35);
    cairo_rectangle(c, -26, -10, 40, 20);
    cairo_rectangle(c, 14, -5, 12, 10);
    SetColour(c, ParseColour("5ACB9A"), 0.9);
    cairo_fill_preserve(c);
    SetColour(c, ParseColour("241610"));
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    cairo_rectangle(c, 26, -4, 6, 8);
    SetColour(c, ParseColour("A0703E"));
    cairo_fill(c);
    cairo_rectangle(c, -18, -5, 26, 10);
    SetColour(c, ParseColour("F2E2B8"));
    cairo_fill(c);
    cairo_restore(c);
}

void P1Map(cairo_t* c, const SStoryArt& art, const Panel&, double w, double h)
{
    cairo_rectangle(c, 0, 0, w, h);
    SetColour(c, ParseColour("6A4A2A"));
    cairo_fill(c);
    PaintParchment(c, 14, 26, w - 28, h - 40, -0.02);
    CRandom rnd(31);
    const double pts[][2] = {{0.12, 0.8}, {0.3, 0.62}, {0.48, 0.78}, {0.62, 0.5}, {0.8, 0.66}, {0.9, 0.38}};
    cairo_set_line_width(c, 3);
    const double dash[] = {6, 6};
    cairo_set_dash(c, dash, 2, 0);
    cairo_move_to(c, pts[0][0] * w, pts[0][1] * h);
    for (const auto& pt : pts)
        cairo_line_to(c, pt[0] * w, pt[1] * h);
    SetColour(c, ParseColour("A0301A"));
    cairo_stroke(c);
    cairo_set_dash(c, nullptr, 0, 0);
    for (int i = 0; i < 4; ++i) {
        const double ix = rnd.Range(0.15, 0.85) * w, iy = rnd.Range(0.45, 0.85) * h;
        cairo_save(c);
        cairo_translate(c, ix, iy);
        cairo_scale(c, 18, 9);
        cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(c);
        SetColour(c, ParseColour("C8B070"));
        cairo_fill(c);
    }
    for (size_t i = 1; i < 6; ++i)
        PaintTrunkAt(c, art, pts[i][0] * w, pts[i][1] * h - 4, 30);
    // Grandpa's portrait in an oval frame.
    const double px = w * 0.14, py = h * 0.52;
    cairo_save(c);
    cairo_translate(c, px, py);
    cairo_scale(c, 30, 36);
    cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(c);
    SetColour(c, ParseColour("FFF8E0"));
    cairo_fill_preserve(c);
    SetColour(c, ParseColour("8A5A2A"));
    cairo_set_line_width(c, 4);
    cairo_stroke(c);
    cairo_save(c);
    cairo_rectangle(c, px - 30, py - 36, 60, 66);
    cairo_clip(c);
    PaintGrandpa(c, px, py + 80, 0.75, false);
    cairo_restore(c);
}

void P1Village(cairo_t* c, const SStoryArt&, const Panel& p, double w, double h)
{
    const double fHorizon = h * 0.45;
    PaintDaySky(c, w, fHorizon, 0.15);
    PaintSeaSurface(c, w, h, fHorizon, 0.2);
    PaintPier(c, w * 0.35, w * 1.0, fHorizon + 28, true);
    PaintBoat(c, w * 0.78, fHorizon + 70, 0.9, true, false);
    cairo_move_to(c, 0, h * 0.78);
    cairo_curve_to(c, w * 0.2, h * 0.74, w * 0.4, h * 0.8, w * 0.55, h);
    cairo_line_to(c, 0, h);
    cairo_close_path(c);
    SetColour(c, ParseColour("F2D890"));
    cairo_fill(c);
    PaintMira(c, w * 0.2, h * 0.98, 0.9, EPose::Cheer);
    Say(c, p, w * 0.55, h * 0.52, 150, w * 0.27, h * 0.62);
}

void P2Jump(cairo_t* c, const SStoryArt&, const Panel&, double w, double h)
{
    const double fHorizon = h * 0.55;
    PaintDaySky(c, w, fHorizon, 0.7);
    PaintSeaSurface(c, w, h, fHorizon, 0.3);
    PaintPier(c, -20, w * 0.45, fHorizon + 20, false);
    PaintMira(c, w * 0.62, fHorizon + 20, 0.95, EPose::Dive, false, true);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(c, w * 0.48 - i * 14, fHorizon - 20 + i * 10, 3 + i, 0, 2 * kPi);
        cairo_set_source_rgba(c, 1, 1, 1, 0.7);
        cairo_fill(c);
    }
}

void P2Pip(cairo_t* c, const SStoryArt& art, const Panel& p, double w, double h)
{
    PaintUnderwater(c, w, h, 0.05);
    PaintRays(c, w, h, 0.3);
    Reef(c, w, h, h * 0.88, 8);
    PaintBubbles(c, w, h, 12, 3);
    PaintMira(c, w * 0.3, h * 0.5, 0.8, EPose::Swim, false, true);
    PaintPip(c, art, w * 0.78, h * 0.62, 56, true);
    Say(c, p, w * 0.6, h * 0.47, 120, w * 0.72, h * 0.6);
}

void P2Reef(cairo_t* c, const SStoryArt& art, const Panel&, double w, double h)
{
    PaintUnderwater(c, w, h, 0.2);
    PaintRays(c, w, h, 0.2);
    const char* kinds[] = {"puffer", "angel", "needle", "boxfish", "tang"};
    const int nCols = 7, nRows = 3;
    const double fCell = std::min(w * 0.9 / nCols, (h * 0.55) / nRows);
    const double x0 = (w - nCols * fCell) / 2, y0 = h * 0.27;
    cairo_rectangle(c, x0 - 6, y0 - 6, nCols * fCell + 12, nRows * fCell + 12);
    SetColour(c, ParseColour("1A3A5A"), 0.5);
    cairo_fill(c);
    for (int r = 0; r < nRows; ++r)
        for (int k = 0; k < nCols; ++k) {
            const bool bMatch = r == 1 && k >= 2 && k <= 4;
            const char* kind = bMatch ? "clown" : kinds[(r * 3 + k * 2) % 5];
            const double cx = x0 + (k + 0.5) * fCell, cy = y0 + (r + 0.5) * fCell;
            if (bMatch)
                PaintGlowAt(c, cx, cy, fCell * 0.7, "FFF6A0", 0.8);
            PaintKindAt(c, art, kind, cx, cy, fCell * 0.9);
        }
    cairo_rectangle(c, x0 + 2 * fCell, y0 + fCell, 3 * fCell, fCell);
    SetColour(c, ParseColour("FFF6A0"));
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    PaintTrunkAt(c, art, w * 0.5, y0 + nRows * fCell + fCell * 0.42, fCell * 0.8, true);
}

void P2Gate(cairo_t* c, const SStoryArt& art, const Panel& p, double w, double h)
{
    PaintUnderwater(c, w, h, 0.15);
    PaintRays(c, w, h, 0.25);
    PaintSeabed(c, w, h, h * 0.86, 4);
    // Coral Gate: an arch of pink coral.
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_arc(c, w * 0.55, h * 0.62, w * 0.3, kPi, 2 * kPi);
    cairo_set_line_width(c, 26);
    SetColour(c, ParseColour("241610"));
    cairo_stroke(c);
    cairo_arc(c, w * 0.55, h * 0.62, w * 0.3, kPi, 2 * kPi);
    cairo_set_line_width(c, 21);
    SetColour(c, ParseColour("FF7A9A"));
    cairo_stroke(c);
    CRandom bumps(61);
    for (double t = 0.04; t < 1.0; t += 0.08) {
        const double a = kPi + t * kPi;
        cairo_arc(c, w * 0.55 + std::cos(a) * w * 0.3 + bumps.Range(-4, 4),
                  h * 0.62 + std::sin(a) * w * 0.3 + bumps.Range(-4, 4), 4, 0, 2 * kPi);
        SetColour(c, ParseColour("FFC0D0"));
        cairo_fill(c);
    }
    cairo_rectangle(c, w * 0.25 - 10, h * 0.62, 20, h * 0.26);
    cairo_rectangle(c, w * 0.85 - 10, h * 0.62, 20, h * 0.26);
    SetColour(c, ParseColour("FF7A9A"));
    cairo_fill_preserve(c);
    SetColour(c, ParseColour("241610"));
    cairo_set_line_width(c, 2.5);
    cairo_stroke(c);
    PaintCoral(c, w * 0.2, h * 0.88, 0.7, "FFA040", 3);
    PaintCoral(c, w * 0.92, h * 0.88, 0.7, "C070E0", 9);
    const double dash[] = {5, 6};
    cairo_set_dash(c, dash, 2, 0);
    cairo_move_to(c, w * 0.3, h * 0.8);
    cairo_curve_to(c, w * 0.45, h * 0.6, w * 0.6, h * 0.7, w * 0.62, h * 0.45);
    SetColour(c, ParseColour("FFF1A8"));
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    cairo_set_dash(c, nullptr, 0, 0);
    PaintMira(c, w * 0.3, h * 0.74, 0.6, EPose::Swim, false, true);
    PaintPip(c, art, w * 0.7, h * 0.5, 46, false);
    Say(c, p, w * 0.5, h * 0.18, 190, w * 0.68, h * 0.42);
}

// ---- Page 3: the Whispering Kelp.

void P3Kelp(cairo_t* c, const SStoryArt& art, const Panel&, double w, double h)
{
    PaintUnderwater(c, w, h, 0.45);
    PaintRays(c, w, h * 0.5, 0.15);
    for (int i = 0; i < 6; ++i)
        PaintKelp(c, 10 + i * 32, h, h * (0.7 + 0.05 * (i % 3)), (i % 2 ? 12 : -10), 0.3 + 0.1 * (i % 3));
    PaintMira(c, w * 0.3, h * 0.52, 0.5, EPose::Dive, false, true);
    PaintPip(c, art, w * 0.62, h * 0.3, 26, false);
    PaintBubbles(c, w, h * 0.6, 8, 17);
}

void P3Dark(cairo_t* c, const SStoryArt& art, const Panel&, double w, double h)
{
    PaintUnderwater(c, w, h, 0.75);
    for (int i = 0; i < 9; ++i)
        PaintKelp(c, i * 44 + 6, h, h * 0.95, (i % 2 ? 8 : -8), 0.75);
    PaintGlowAt(c, w * 0.5, h * 0.52, 70, "FFE890", 0.55);
    PaintMira(c, w * 0.44, h * 0.95, 0.7, EPose::Hold, false, true);
    cairo_arc(c, w * 0.44 + 16, h * 0.95 - 42, 7, 0, 2 * kPi);
    SetColour(c, ParseColour("FFF6B0"));
    cairo_fill(c);
    PaintPip(c, art, w * 0.3, h * 0.66, 34, false);
}

void P3Eyes(cairo_t* c, const SStoryArt&, const Panel&, double w, double h)
{
    PaintUnderwater(c, w, h, 0.95);
    for (int i = 0; i < 5; ++i)
        PaintKelp(c, i * 42 + 8, h, h * 0.95, (i % 2 ? 8 : -8), 0.92);
    for (double dx : {-22.0, 22.0}) {
        const double ex = w * 0.5 + dx, ey = h * 0.58;
        PaintGlowAt(c, ex, ey, 24, "FFF6A0", 0.5);
        cairo_save(c);
        cairo_translate(c, ex, ey);
        cairo_scale(c, 13, 10);
        cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(c);
        SetColour(c, ParseColour("FFF6C0"));
        cairo_fill(c);
        cairo_arc(c, ex + 3, ey, 5, 0, 2 * kPi);
        SetColour(c, ParseColour("101010"));
        cairo_fill(c);
    }
}

void P3Olga(cairo_t* c, const SStoryArt& art, const Panel& p, double w, double h)
{
    PaintUnderwater(c, w, h, 0.5);
    PaintRays(c, w, h, 0.12);
    for (int i = 0; i < 8; ++i)
        PaintKelp(c, i * 52 + 10, h, h * (0.6 + 0.1 * (i % 3)), (i % 2 ? 10 : -10), 0.45);
    PaintSeabed(c, w, h, h * 0.9, 22);
    PaintTurtle(c, w * 0.62, h * 0.78, 1.6, true);
    PaintMira(c, w * 0.2, h * 0.85, 0.8, EPose::Swim, false, true);
    PaintPip(c, art, w * 0.33, h * 0.48, 34, false);
    Say(c, p, w * 0.62, h * 0.34, 170, w * 0.55, h * 0.56);
}

void P3Compass(cairo_t* c, const SStoryArt& art, const Panel& p, double w, double h)
{
    PaintUnderwater(c, w, h, 0.45);
    for (int i = 0; i < 5; ++i)
        PaintKelp(c, i * 56 + 12, h, h * 0.7, (i % 2 ? 10 : -10), 0.5);
    PaintMira(c, w * 0.42, h * 0.98, 1.05, EPose::Hold, false, true);
    PaintCompass(c, w * 0.42 + 22, h * 0.98 - 64, 22);
    PaintPip(c, art, w * 0.78, h * 0.72, 34, true);
    PaintTurtle(c, w * 0.72, h * 0.55, 0.6, true);
    Say(c, p, w * 0.5, h * 0.3, 150, w * 0.5, h * 0.47);
}

// ---- Page 4: the Sunken Harbour and Grandpa's ship.

void P4Harbour(cairo_t* c, const SStoryArt& art, const Panel&, double w, double h)
{
    const double fSurface = h * 0.36;
    cairo_rectangle(c, 0, 0, w, fSurface);
    FillDown(c, 0, fSurface, ParseColour("1A1A3A"), ParseColour("4A4A7A"));
    PaintGlowAt(c, w * 0.9, fSurface * 0.4, 60, "FFF6A0", 0.5);
    cairo_move_to(c, w * 0.9, 0);
    cairo_line_to(c, w * 0.87, fSurface * 0.5);
    cairo_line_to(c, w * 0.9, fSurface * 0.5);
    cairo_line_to(c, w * 0.86, fSurface);
    SetColour(c, ParseColour("FFF6A0"));
    cairo_set_line_width(c, 4);
    cairo_stroke(c);
    CRandom rain(44);
    for (int i = 0; i < 40; ++i) {
        const double x = rain.Range(0, w), y = rain.Range(0, fSurface - 10);
        cairo_move_to(c, x, y);
        cairo_line_to(c, x - 4, y + 10);
        cairo_set_source_rgba(c, 0.8, 0.85, 1, 0.4);
        cairo_set_line_width(c, 1.2);
        cairo_stroke(c);
    }
    cairo_rectangle(c, 0, fSurface, w, h - fSurface);
    FillDown(c, fSurface, h, ParseColour("2A7AA8"), ParseColour("0A2A4A"));
    cairo_move_to(c, 0, fSurface);
    for (double x = 0; x <= w; x += 30)
        cairo_curve_to(c, x + 8, fSurface - 9, x + 22, fSurface - 9, x + 30, fSurface);
    SetColour(c, ParseColour("DDEEFF"));
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    PaintSeabed(c, w, h, h * 0.86, 41);
    const SColour stone = ParseColour("B8B0A0");
    for (int i = 0; i < 6; ++i) {
        const double x = 60 + i * 120, fTall = (i % 3 == 1) ? 0.3 : 0.5;
        cairo_rectangle(c, x, h * (0.86 - fTall), 22, h * fTall);
        SetColour(c, stone);
        cairo_fill_preserve(c);
        SetColour(c, ParseColour("241610"));
        cairo_set_line_width(c, 2);
        cairo_stroke(c);
        cairo_rectangle(c, x - 5, h * (0.86 - fTall) - 7, 32, 8);
        SetColour(c, Lighter(stone, 0.2));
        cairo_fill_preserve(c);
        SetColour(c, ParseColour("241610"));
        cairo_stroke(c);
    }
    PaintTrunkAt(c, art, w * 0.45, h * 0.8, 36);
    PaintTrunkAt(c, art, w * 0.86, h * 0.82, 30);
    PaintMira(c, w * 0.2, h * 0.62, 0.55, EPose::Swim, false, true);
    PaintPip(c, art, w * 0.3, h * 0.56, 24);
    PaintCompass(c, w * 0.2 + 62, h * 0.66, 8);
}

void P4Wreck(cairo_t* c, const SStoryArt& art, const Panel&, double w, double h)
{
    PaintUnderwater(c, w, h, 0.5);
    PaintSeabed(c, w, h, h * 0.85, 12);
    cairo_move_to(c, -10, h * 0.9);
    cairo_line_to(c, -10, h * 0.35);
    cairo_curve_to(c, w * 0.4, h * 0.28, w * 0.8, h * 0.4, w + 10, h * 0.5);
    cairo_line_to(c, w + 10, h * 0.9);
    cairo_close_path(c);
    SetColour(c, ParseColour("6A4A2E"));
    cairo_fill_preserve(c);
    SetColour(c, ParseColour("241610"));
    cairo_set_line_width(c, 2.5);
    cairo_stroke(c);
    for (int i = 1; i < 5; ++i) {
        cairo_move_to(c, 0, h * (0.35 + i * 0.11));
        cairo_line_to(c, w, h * (0.5 + i * 0.08));
        SetColour(c, ParseColour("3A2616"));
        cairo_set_line_width(c, 1.5);
        cairo_stroke(c);
    }
    cairo_save(c);
    cairo_translate(c, w * 0.55, h * 0.64);
    cairo_scale(c, w * 0.22, h * 0.1);
    cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(c);
    SetColour(c, ParseColour("0A0A14"));
    cairo_fill(c);
    cairo_set_line_width(c, 2.5);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(c, w * 0.05, h * (0.3 + i * 0.06));
        cairo_curve_to(c, w * 0.3, h * (0.2 + i * 0.06), w * 0.4, h * (0.5 + i * 0.04), w * 0.5, h * 0.6);
        cairo_set_source_rgba(c, 1, 1, 1, 0.5);
        cairo_stroke(c);
    }
    PaintMira(c, w * 0.48, h * 0.52, 0.5, EPose::Dive, false, true);
    PaintPip(c, art, w * 0.72, h * 0.46, 26, false);
}

void P4Inside(cairo_t* c, const SStoryArt&, const Panel&, double w, double h)
{
    cairo_rectangle(c, 0, 0, w, h);
    FillDown(c, 0, h, ParseColour("2A1E16"), ParseColour("140C08"));
    for (int i = 0; i < 8; ++i) {
        cairo_rectangle(c, 0, i * h / 8, w, h / 8 - 3);
        SetColour(c, ParseColour("4A3422"), 0.8);
        cairo_fill(c);
    }
    PaintGlowAt(c, w * 0.5, h * 0.55, 100, "FFD870", 0.6);
    cairo_move_to(c, w * 0.5, h * 0.3);
    cairo_line_to(c, w * 0.5, h * 0.45);
    SetColour(c, ParseColour("241610"));
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    cairo_rectangle(c, w * 0.5 - 14, h * 0.45, 28, 36);
    SetColour(c, ParseColour("FFE890"));
    cairo_fill_preserve(c);
    SetColour(c, ParseColour("5E3E14"));
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    cairo_rectangle(c, w * 0.5 - 18, h * 0.45 - 6, 36, 7);
    SetColour(c, ParseColour("5E3E14"));
    cairo_fill(c);
    cairo_rectangle(c, w * 0.15, h * 0.74, w * 0.7, 16);
    SetColour(c, ParseColour("C89A48"));
    cairo_fill(c);
    PaintBubbles(c, w, h * 0.8, 10, 77);
}

void P4Plate(cairo_t* c, const SStoryArt&, const Panel&, double w, double h)
{
    cairo_rectangle(c, 0, 0, w, h);
    SetColour(c, ParseColour("4A3422"));
    cairo_fill(c);
    PaintGlowAt(c, w * 0.5, h * 0.62, 70, "FFE890", 0.6);
    cairo_rectangle(c, 12, h * 0.42, w - 24, h * 0.4);
    SetColour(c, ParseColour("D8A440"));
    cairo_fill_preserve(c);
    SetColour(c, ParseColour("241610"));
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    LetterShout(c, w * 0.5, h * 0.62, 22, "TOBIAS", "FFF1A8");
}

void P4Note(cairo_t* c, const SStoryArt& art, const Panel& p, double w, double h)
{
    cairo_rectangle(c, 0, 0, w, h);
    FillDown(c, 0, h, ParseColour("3A2A1C"), ParseColour("1A120A"));
    PaintGlowAt(c, w * 0.2, h * 0.55, 110, "FFD870", 0.55);
    cairo_rectangle(c, w * 0.16, h * 0.5, 16, 26);
    SetColour(c, ParseColour("FFE890"));
    cairo_fill(c);
    PaintParchment(c, w * 0.3, h * 0.6, w * 0.32, h * 0.3, 0.1);
    cairo_set_line_width(c, 1.5);
    for (int i = 0; i < 4; ++i) {
        const double y = h * 0.67 + i * 12 + i * 1.5, x0 = w * 0.34 + i * 1.2;
        cairo_move_to(c, x0, y);
        for (double x = x0; x < x0 + w * 0.22; x += 6)
            cairo_line_to(c, x + 3, y + ((int(x) / 6) % 2 ? -2 : 2) + (x - x0) * 0.1);
        SetColour(c, ParseColour("601C02"));
        cairo_stroke(c);
    }
    PaintMira(c, w * 0.78, h * 1.02, 0.85, EPose::Hold, true, true);
    PaintPip(c, art, w * 0.92, h * 0.55, 30, true);
    Say(c, p, w * 0.46, h * 0.34, 230, w * 0.42, h * 0.62);
}

// ---- Page 5: the Quellon Deep.

void P5Deep(cairo_t* c, const SStoryArt& art, const Panel&, double w, double h)
{
    PaintUnderwater(c, w, h, 0.85);
    PaintBubbles(c, w, h, 14, 51);
    PaintCompass(c, w * 0.5 + 20, h * 0.48, 12);
    PaintMira(c, w * 0.45, h * 0.58, 0.75, EPose::Dive, false, true);
    PaintPip(c, art, w * 0.62, h * 0.42, 34, false);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(c, w * (0.1 + i * 0.4), h * 0.95, 4, 0, 2 * kPi);
        SetColour(c, ParseColour("7AE0FF"), 0.6);
        cairo_fill(c);
    }
}

void P5Mouth(cairo_t* c, const SStoryArt& art, const Panel&, double w, double h)
{
    PaintUnderwater(c, w, h, 1.0);
    PaintGlowAt(c, w * 0.5, h * 0.6, h * 0.8, "FFF06A", 0.35);
    PaintKindAt(c, art, "angler", w * 0.5, h * 0.66, h * 1.05, true);
    LetterShout(c, w * 0.8, h * 0.3, 26, "GULP?!", "FF6A5A");
}

void P5Smile(cairo_t* c, const SStoryArt& art, const Panel& p, double w, double h)
{
    PaintUnderwater(c, w, h, 0.95);
    PaintSeabed(c, w, h, h * 0.88, 66);
    PaintGlowAt(c, w * 0.4, h * 0.6, 120, "FFF06A", 0.4);
    PaintKindAt(c, art, "angler", w * 0.38, h * 0.66, 130, true);
    PaintTrunkAt(c, art, w * 0.76, h * 0.83, 56, false);
    Say(c, p, w * 0.55, h * 0.3, 200, w * 0.42, h * 0.52);
}

void P5Shadow(cairo_t* c, const SStoryArt&, const Panel&, double w, double h)
{
    PaintUnderwater(c, w, h, 1.0);
    PaintGlowAt(c, w * 0.5, h * 0.55, 90, "FFF06A", 0.45);
    PaintGrandpa(c, w * 0.52, h * 0.95, 1.0, true, true);
}

void P5Grandpa(cairo_t* c, const SStoryArt& art, const Panel& p, double w, double h)
{
    PaintUnderwater(c, w, h, 0.8);
    PaintGlowAt(c, w * 0.5, h * 0.7, 140, "FFE890", 0.5);
    PaintSeabed(c, w, h, h * 0.92, 71);
    PaintGrandpa(c, w * 0.6, h * 0.95, 1.05, false, true);
    PaintMira(c, w * 0.38, h * 0.95, 0.85, EPose::Cheer, false, false);
    PaintTrunkAt(c, art, w * 0.14, h * 0.88, 40, true);
    for (int i = 0; i < 3; ++i) {
        const double x = w * (0.48 + i * 0.04), y = h * 0.5 - i * 8;
        cairo_move_to(c, x, y + 3);
        cairo_curve_to(c, x - 6, y - 4, x - 2, y - 8, x, y - 3);
        cairo_curve_to(c, x + 2, y - 8, x + 6, y - 4, x, y + 3);
        SetColour(c, ParseColour("FF4A7E"));
        cairo_fill(c);
    }
    Say(c, p, w * 0.5, h * 0.32, 200, w * 0.62, h * 0.52);
}

// ---- The ending.

void P6Home(cairo_t* c, const SStoryArt& art, const Panel&, double w, double h)
{
    const double fHorizon = h * 0.5;
    PaintDaySky(c, w, fHorizon, 0);
    PaintSeaSurface(c, w, h, fHorizon, 0);
    PaintIsland(c, w * 0.25, fHorizon + 30, w * 0.5);
    PaintPalm(c, w * 0.1, fHorizon + 8, 0.9);
    PaintHut(c, w * 0.3, fHorizon + 4, 0.9);
    PaintBoat(c, w * 0.9, fHorizon + 30, 0.55, false, true);
    PaintPier(c, w * 0.42, w * 0.8, fHorizon + 44, false);
    for (int i = 0; i < 3; ++i)
        PaintTrunkAt(c, art, w * (0.5 + i * 0.1), fHorizon + 32, 34, true);
    PaintBoat(c, w * 0.66, fHorizon + 88, 0.6, false, true);
}

void P6Party(cairo_t* c, const SStoryArt& art, const Panel&, double w, double h)
{
    PaintUnderwater(c, w, h, 0.3);
    PaintRays(c, w, h, 0.2);
    Reef(c, w, h, h * 0.86, 90);
    for (int i = 0; i < 6; ++i) {
        const double x = w * (0.08 + i * 0.17), y = h * 0.3 + (i % 2) * 10;
        cairo_move_to(c, x, 0);
        cairo_line_to(c, x, y);
        SetColour(c, ParseColour("241610"));
        cairo_set_line_width(c, 1);
        cairo_stroke(c);
        PaintGlowAt(c, x, y + 8, 18, i % 2 ? "FFB0D0" : "FFF0A0", 0.8);
    }
    PaintKindAt(c, art, "angler", w * 0.84, h * 0.52, 90, true);
    PaintTurtle(c, w * 0.2, h * 0.72, 0.8, false);
    PaintGrandpa(c, w * 0.42, h * 0.92, 0.75, false);
    PaintMira(c, w * 0.58, h * 0.92, 0.7, EPose::Cheer);
    PaintPip(c, art, w * 0.66, h * 0.52, 36, true);
    PaintTrunkAt(c, art, w * 0.5, h * 0.9, 40, true);
    PaintBubbles(c, w, h * 0.8, 14, 91);
}

void P6End(cairo_t* c, const SStoryArt& art, const Panel& p, double w, double h)
{
    const double fHorizon = h * 0.55;
    PaintDaySky(c, w, fHorizon, 1.0);
    PaintSeaSurface(c, w, h, fHorizon, 0.35);
    // The sun's path on the water.
    cairo_set_line_width(c, 2.5);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    const double dash[] = {14, 9};
    for (int i = 0; i < 9; ++i) {
        const double y = fHorizon + 8 + i * 11, fHalf = w * (0.1 - i * 0.007);
        cairo_set_dash(c, dash, 2, i * 7.0);
        cairo_move_to(c, w * 0.5 - fHalf, y);
        cairo_line_to(c, w * 0.5 + fHalf, y);
        SetColour(c, ParseColour("FFD27A"), 0.9);
        cairo_stroke(c);
    }
    cairo_set_dash(c, nullptr, 0, 0);
    PaintIsland(c, w * 0.15, fHorizon + 18, w * 0.5);
    PaintPalm(c, w * 0.12, fHorizon - 2, 0.9);
    PaintPier(c, w * 0.2, w * 1.0, fHorizon + 120, false);
    PaintMira(c, w * 0.62, fHorizon + 150, 0.9, EPose::Sit);
    PaintPip(c, art, w * 0.86, fHorizon + 185, 44, true);
    cairo_arc(c, w * 0.86, fHorizon + 215, 26, 0.1 * kPi, 0.9 * kPi);
    cairo_set_source_rgba(c, 1, 1, 1, 0.6);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    if (!p.strSay.empty())
        LetterShout(c, w * 0.5, h * 0.92, 40, p.strSay, "FFD84A");
}

template <void (*F)(cairo_t*, const SStoryArt&, const Panel&, double, double)>
SPanelPainter Top()
{
    return {F, false};
}

template <void (*F)(cairo_t*, const SStoryArt&, const Panel&, double, double)>
SPanelPainter Below()
{
    return {F, true};
}

}  // namespace

const std::map<std::string, SPanelPainter>& PanelPainters()
{
    static const std::map<std::string, SPanelPainter> painters = {
        {"history-p1_1.png", Top<P1Isle>()},      {"history-p1_2.png", Top<P1Bottle>()},
        {"history-p1_3.png", Top<P1Map>()},       {"history-p1_4.png", Top<P1Village>()},
        {"history-p2_1.png", Top<P2Jump>()},      {"history-p2_2.png", Top<P2Pip>()},
        {"history-p2_3.png", Top<P2Reef>()},      {"history-p2_4.png", Top<P2Gate>()},
        {"history-p3_1.png", Top<P3Kelp>()},      {"history-p3_2.png", Top<P3Dark>()},
        {"history-p3_2a.png", Top<P3Eyes>()},     {"history-p3_3.png", Top<P3Olga>()},
        {"history-p3_4.png", Top<P3Compass>()},   {"history-p4_1.png", Top<P4Harbour>()},
        {"history-p4_2.png", Top<P4Wreck>()},     {"history-p4_3.png", Below<P4Inside>()},
        {"history-p4_3a.png", Top<P4Plate>()},    {"history-p4_4.png", Top<P4Note>()},
        {"history-p5_1.png", Top<P5Deep>()},      {"history-p5_2.png", Top<P5Mouth>()},
        {"history-p5_3.png", Top<P5Smile>()},     {"history-p5_4.png", Top<P5Shadow>()},
        {"history-p5_5.png", Top<P5Grandpa>()},   {"history-p6_1.png", Top<P6Home>()},
        {"history-p6_2.png", Top<P6Party>()},     {"history-p6_3.png", Top<P6End>()}};
    return painters;
}

}  // namespace Art
