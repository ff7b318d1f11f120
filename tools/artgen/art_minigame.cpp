#include "art_minigame.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "art_canvas.h"
#include "art_draw.h"

namespace Art {

namespace {

const int CELL = 77;
const int CARD = 64;
const int FRAME = 22;  // the thickness of the frame round the grid
const int COVER = 512;
const int TILE = 64;
const int CARD_FPS = 26;

std::vector<SReefLine> ReadReef(const std::string& strPath)
{
    std::vector<SReefLine> fish;
    for (const Tokens& line : ReadTable(strPath)) {
        if (line[0] != "reef")
            continue;
        if (line.size() < 6)
            throw std::runtime_error(strPath + ": a reef line needs BASE FRAMES SHAPE PATTERN and colours");
        SReefLine reef;
        reef.strBase = line[1];
        reef.nFrames = std::stoi(line[2]);
        reef.nStill = reef.nFrames - 1;
        reef.strShape = line[3];
        reef.strPattern = line[4];
        reef.colours.strName = line[1];
        for (size_t i = 5; i < line.size(); ++i) {
            const size_t nEquals = line[i].find('=');
            if (nEquals == std::string::npos)
                throw std::runtime_error(strPath + ": \"" + line[i] + "\" is not key=RRGGBB");
            reef.colours.colours[line[i].substr(0, nEquals)] = ParseColour(line[i].substr(nEquals + 1));
        }
        fish.push_back(reef);
    }
    return fish;
}

void RoundedRect(cairo_t* c, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(c);
    cairo_arc(c, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(c, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(c, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(c, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(c);
}

double Clamp01(double t)
{
    return std::min(1.0, std::max(0.0, t));
}

// Overshoots a little before it settles, as a card snapping round.
double EaseOutBack(double t)
{
    const double s = 1.4;
    const double u = t - 1;
    return 1 + u * u * ((s + 1) * u + s);
}

// ---- The fish cards -------------------------------------------------------

// The pale card a fish shows on: sea foam above, warm sand below.
void PaintCard(cairo_t* c)
{
    RoundedRect(c, -30, -30, 60, 60, 8);
    FillVertical(c, -30, 30, SColour{0.86, 0.97, 0.98, 1}, SColour{0.98, 0.9, 0.72, 1});
    cairo_save(c);
    RoundedRect(c, -30, -30, 60, 60, 8);
    cairo_clip(c);
    PaintGlow(c, -10, -16, 30, SColour{1, 1, 1, 1}, 0.55);
    cairo_restore(c);
    RoundedRect(c, -29.5, -29.5, 59, 59, 7.5);
    SetColour(c, SColour{0.95, 0.78, 0.38, 1});
    cairo_set_line_width(c, 2.2);
    cairo_stroke(c);
    RoundedRect(c, -27, -27, 54, 54, 6);
    SetColour(c, SColour{1, 1, 1, 1}, 0.6);
    cairo_set_line_width(c, 1);
    cairo_stroke(c);
}

// Frame i of the opening: a ring of bubbles bursts where the cover was and
// the card turns in; the last frame is the still.
void PaintCardFrame(cairo_t* c, const SReefLine& fish, int i, int nFrames)
{
    const double t = nFrames > 1 ? double(i) / (nFrames - 1) : 1.0;
    cairo_translate(c, CARD / 2.0, CARD / 2.0);
    const double fBurst = Clamp01(t / 0.6);
    if (fBurst < 1) {
        for (int k = 0; k < 9; ++k) {
            const double a = 2 * kPi * k / 9 + 0.3, r = 6 + 24 * fBurst;
            DrawBubble(c, r * std::cos(a), r * std::sin(a), 2.5 + 2 * (k % 3), 1 - fBurst);
        }
    }
    const double fTurn = Clamp01((t - 0.12) / 0.88);
    if (fTurn <= 0)
        return;
    const double fWidth = std::max(0.02, EaseOutBack(fTurn));
    cairo_save(c);
    cairo_scale(c, fWidth, 0.86 + 0.14 * std::min(1.0, fTurn * 1.3));
    PaintCard(c);
    cairo_scale(c, 0.56, 0.56);
    PaintReefFish(c, fish, std::sin(t * 2 * kPi) * 0.8);
    cairo_restore(c);
}

std::vector<std::string> WriteReefFish(const SReefLine& fish, const std::string& strOutDir)
{
    std::vector<std::string> written, frames;
    for (int i = 0; i < fish.nFrames; ++i) {
        CCanvas canvas(CARD, CARD);
        PaintCardFrame(canvas.Context(), fish, i, fish.nFrames);
        const std::string strFrame = FrameName(fish.strBase, i);
        canvas.WriteDds(strOutDir + "/" + strFrame);
        frames.push_back(strFrame);
        written.push_back(strFrame);
    }
    WriteIfl(strOutDir + "/" + fish.strBase + ".ifl", CARD_FPS, frames);
    // Closing plays the same turn backwards, down to the burst bubbles.
    std::reverse(frames.begin(), frames.end());
    WriteIfl(strOutDir + "/" + fish.strBase + "_return.ifl", CARD_FPS, frames);
    written.push_back(fish.strBase + ".ifl");
    written.push_back(fish.strBase + "_return.ifl");
    return written;
}

// ---- Cells, hover ring, taking sparkle ------------------------------------

// A shallow well of dark water the cover and the cards sit in.
void PaintCellWell(cairo_t* c)
{
    RoundedRect(c, 1.5, 1.5, CELL - 3, CELL - 3, 9);
    FillVertical(c, 0, CELL, SColour{0.02, 0.1, 0.2, 0.78}, SColour{0.04, 0.2, 0.32, 0.7});
    cairo_save(c);
    RoundedRect(c, 1.5, 1.5, CELL - 3, CELL - 3, 9);
    cairo_clip(c);
    cairo_rectangle(c, 0, 0, CELL, 7);
    FillVertical(c, 0, 7, SColour{0, 0, 0.05, 0.45}, SColour{0, 0, 0.05, 0});
    cairo_restore(c);
    RoundedRect(c, 1.5, 1.5, CELL - 3, CELL - 3, 9);
    cairo_pattern_t* pRim = cairo_pattern_create_linear(0, 0, 0, CELL);
    cairo_pattern_add_color_stop_rgba(pRim, 0, 0.3, 0.6, 0.8, 0.25);
    cairo_pattern_add_color_stop_rgba(pRim, 1, 0.65, 0.9, 1, 0.75);
    cairo_set_source(c, pRim);
    cairo_set_line_width(c, 1.6);
    cairo_stroke(c);
    cairo_pattern_destroy(pRim);
}

// A warm glowing ring round the cell under the mouse.
void PaintHoverRing(cairo_t* c, cairo_surface_t* pSurface)
{
    RoundedRect(c, 5, 5, CELL - 10, CELL - 10, 7);
    SetColour(c, SColour{1, 0.85, 0.3, 1});
    cairo_set_line_width(c, 5);
    cairo_stroke(c);
    BlurSurface(pSurface, 3);
    RoundedRect(c, 6, 6, CELL - 12, CELL - 12, 6);
    SetColour(c, SColour{1, 0.95, 0.6, 1});
    cairo_set_line_width(c, 2.4);
    cairo_stroke(c);
    cairo_rectangle(c, 8, 8, CELL - 16, CELL - 16);
    SetColour(c, SColour{1, 0.95, 0.7, 1}, 0.16);
    cairo_fill(c);
    DrawSparkle(c, 10, 10, 7, 0.9);
    DrawSparkle(c, CELL - 12, CELL - 11, 5, 0.7);
}

// Bubbles and glints flying off a taken cell.
void PaintTakenSparkle(cairo_t* c, int i, int nFrames)
{
    const double t = double(i) / (nFrames - 1), fFade = 1 - t;
    cairo_translate(c, 48, 48);
    PaintGlow(c, 0, 0, 20 + 20 * t, SColour{0.7, 0.95, 1, 1}, 0.6 * fFade);
    CRandom random(7);
    for (int k = 0; k < 14; ++k) {
        const double a = random.Range(0, 2 * kPi), fSpeed = random.Range(0.5, 1.0), fSize = random.Range(2, 5.5);
        const double r = 8 + 36 * fSpeed * std::sqrt(t);
        DrawBubble(c, r * std::cos(a), r * std::sin(a) - 10 * t, fSize * (1 - 0.3 * t), fFade);
    }
    for (int k = 0; k < 5; ++k) {
        const double a = 2 * kPi * k / 5 + t, r = 12 + 26 * t;
        DrawSparkle(c, r * std::cos(a), r * std::sin(a), 7 * fFade + 1, fFade);
    }
}

// ---- The frame round the grid ---------------------------------------------

// Gilded moulding across the frame's thickness, from the outer edge (0) to
// the grid (1).
SColour MouldingAt(double d)
{
    const SColour dark{0.36, 0.22, 0.08, 1}, gold{0.86, 0.62, 0.24, 1}, light{1.0, 0.9, 0.58, 1};
    if (d < 0.12)
        return Mix(dark, gold, d / 0.12);
    if (d < 0.38)
        return Mix(gold, light, (d - 0.12) / 0.26);
    if (d < 0.8)
        return Mix(light, gold, (d - 0.38) / 0.42);
    return Mix(gold, dark, (d - 0.8) / 0.2);
}

void DrawPearl(cairo_t* c, double x, double y, double r)
{
    cairo_pattern_t* pPearl = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgb(pPearl, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(pPearl, 0.6, 0.9, 0.88, 0.95);
    cairo_pattern_add_color_stop_rgb(pPearl, 1, 0.62, 0.6, 0.72);
    cairo_set_source(c, pPearl);
    cairo_arc(c, x, y, r, 0, 2 * kPi);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pPearl);
    SetColour(c, SColour{0.3, 0.2, 0.1, 1}, 0.8);
    cairo_set_line_width(c, 0.8);
    cairo_stroke(c);
}

// A little starfish sitting on each corner of the frame.
void DrawCornerStar(cairo_t* c, double x, double y)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_rotate(c, -0.3);
    for (int k = 0; k < 10; ++k) {
        const double a = -kPi / 2 + kPi * k / 5, r = k % 2 ? 4.0 : 9.5;
        k ? cairo_line_to(c, r * std::cos(a), r * std::sin(a)) : cairo_move_to(c, r * std::cos(a), r * std::sin(a));
    }
    cairo_close_path(c);
    cairo_pattern_t* pStar = cairo_pattern_create_radial(-2, -3, 1, 0, 0, 10);
    cairo_pattern_add_color_stop_rgb(pStar, 0, 1, 0.78, 0.5);
    cairo_pattern_add_color_stop_rgb(pStar, 1, 0.9, 0.38, 0.2);
    cairo_set_source(c, pStar);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pStar);
    SetColour(c, SColour{0.35, 0.12, 0.05, 1});
    cairo_set_line_width(c, 1.1);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(c);
    for (int k = 0; k < 5; ++k) {
        const double a = -kPi / 2 + 2 * kPi * k / 5;
        cairo_arc(c, 4.5 * std::cos(a), 4.5 * std::sin(a), 0.9, 0, 2 * kPi);
        cairo_set_source_rgba(c, 1, 0.95, 0.8, 0.9);
        cairo_fill(c);
    }
    cairo_restore(c);
}

// The whole frame round a 3 x 3 grid; the pieces are cut from it, so they
// join seamlessly however many columns and rows the game has.
void PaintFrame(cairo_t* c)
{
    const int nSize = 3 * CELL + 2 * FRAME;
    for (int d = 0; d < FRAME; ++d) {
        const double fInset = d + 0.5, fRadius = std::max(1.0, 12.0 - d);
        RoundedRect(c, fInset, fInset, nSize - 2 * fInset, nSize - 2 * fInset, fRadius);
        SetColour(c, MouldingAt((d + 0.5) / FRAME));
        cairo_set_line_width(c, 1.3);
        cairo_stroke(c);
    }
    for (int j = 0; j < 3; ++j) {
        const double fMid = FRAME + CELL / 2.0 + CELL * j;
        DrawPearl(c, fMid, FRAME / 2.0, 3.6);
        DrawPearl(c, fMid, nSize - FRAME / 2.0, 3.6);
        DrawPearl(c, FRAME / 2.0, fMid, 3.6);
        DrawPearl(c, nSize - FRAME / 2.0, fMid, 3.6);
    }
    for (double x : {FRAME / 2.0, nSize - FRAME / 2.0})
        for (double y : {FRAME / 2.0, nSize - FRAME / 2.0})
            DrawCornerStar(c, x, y);
}

struct SFramePiece {
    const char* szName;
    int x, y, w, h;
};

std::vector<std::string> WriteFramePieces(const std::string& strOutDir)
{
    const int nSize = 3 * CELL + 2 * FRAME, nFar = nSize - FRAME;
    CCanvas frame(nSize, nSize);
    PaintFrame(frame.Context());
    const SFramePiece pieces[] = {
        {"mg_cell_v_edge.dds", FRAME + CELL, 0, CELL, FRAME},
        {"mg_cell_bv_edge.dds", FRAME + CELL, nFar, CELL, FRAME},
        {"mg_left_edge.dds", 0, FRAME + CELL, FRAME, CELL},
        {"mg_right_edge.dds", nFar, FRAME + CELL, FRAME, CELL},
        {"mg_left_top_edge.dds", 0, 0, FRAME, FRAME + CELL},
        {"mg_right_top_edge.dds", nFar, 0, FRAME, FRAME + CELL},
        {"mg_left_bottom_edge.dds", 0, nFar - CELL, FRAME, FRAME + CELL},
        {"mg_right_bottom_edge.dds", nFar, nFar - CELL, FRAME, FRAME + CELL},
    };
    std::vector<std::string> written;
    for (const SFramePiece& piece : pieces) {
        CCanvas canvas(piece.w, piece.h);
        cairo_set_source_surface(canvas.Context(), frame.Surface(), -piece.x, -piece.y);
        cairo_paint(canvas.Context());
        canvas.WriteDds(strOutDir + "/" + piece.szName);
        written.push_back(piece.szName);
    }
    return written;
}

// ---- The cover picture and the background ---------------------------------

void PaintRays(cairo_t* c, double fWidth, double fHeight, double fAlpha, unsigned nSeed)
{
    CRandom random(nSeed);
    for (int k = 0; k < 7; ++k) {
        const double x = random.Range(-0.1, 0.9) * fWidth, fSpread = random.Range(0.04, 0.1) * fWidth;
        cairo_move_to(c, x, 0);
        cairo_line_to(c, x + fSpread, 0);
        cairo_line_to(c, x + fSpread * 3 + fWidth * 0.25, fHeight);
        cairo_line_to(c, x + fWidth * 0.25, fHeight);
        cairo_close_path(c);
        cairo_pattern_t* pRay = cairo_pattern_create_linear(0, 0, 0, fHeight);
        cairo_pattern_add_color_stop_rgba(pRay, 0, 1, 1, 0.9, fAlpha * random.Range(0.5, 1));
        cairo_pattern_add_color_stop_rgba(pRay, 1, 1, 1, 0.9, 0);
        cairo_set_source(c, pRay);
        cairo_fill(c);
        cairo_pattern_destroy(pRay);
    }
}

void PaintCaustics(cairo_surface_t* pSurface, double fScale, double fStrength, double fDepth)
{
    cairo_surface_flush(pSurface);
    unsigned char* pData = cairo_image_surface_get_data(pSurface);
    const int nStride = cairo_image_surface_get_stride(pSurface);
    const int w = cairo_image_surface_get_width(pSurface), h = cairo_image_surface_get_height(pSurface);
    for (int y = 0; y < h; ++y) {
        const double fFall = std::max(0.0, 1.0 - double(y) / (h * fDepth));
        for (int x = 0; x < w; ++x) {
            unsigned char* p = pData + y * nStride + x * 4;
            const double fLight = Caustic(x / fScale, y / fScale, 0.7) * fStrength * fFall;
            for (int k = 0; k < 3; ++k)
                p[k] = (unsigned char)std::min(double(p[3]), p[k] + fLight * 255 * (k == 2 ? 0.8 : 1.0));
        }
    }
    cairo_surface_mark_dirty(pSurface);
}

void PaintSmallFish(cairo_t* c, double x, double y, double fSize, const SColour& colour, bool bLeft)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, bLeft ? -fSize : fSize, fSize);
    cairo_move_to(c, 10, 0);
    cairo_curve_to(c, 6, -6, -4, -6, -8, 0);
    cairo_line_to(c, -14, -5);
    cairo_line_to(c, -13, 5);
    cairo_line_to(c, -8, 0);
    cairo_curve_to(c, -4, 6, 6, 6, 10, 0);
    cairo_close_path(c);
    cairo_pattern_t* pFill = cairo_pattern_create_linear(0, -6, 0, 6);
    cairo_pattern_add_color_stop_rgb(pFill, 0, Lighter(colour, 0.3).r, Lighter(colour, 0.3).g, Lighter(colour, 0.3).b);
    cairo_pattern_add_color_stop_rgb(pFill, 1, Darker(colour, 0.25).r, Darker(colour, 0.25).g, Darker(colour, 0.25).b);
    cairo_set_source(c, pFill);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pFill);
    SetColour(c, Darker(colour, 0.6), 0.8);
    cairo_set_line_width(c, 0.9);
    cairo_stroke(c);
    cairo_arc(c, 5.5, -1.2, 1.3, 0, 2 * kPi);
    cairo_set_source_rgb(c, 0.05, 0.05, 0.1);
    cairo_fill(c);
    cairo_restore(c);
}

// A sea turtle gliding up to the left, flippers spread.
void PaintTurtle(cairo_t* c, double x, double y, double fScale)
{
    const SColour skin{0.72, 0.78, 0.48, 1}, shell{0.4, 0.55, 0.25, 1}, ink{0.12, 0.16, 0.08, 1};
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_rotate(c, -0.35);
    cairo_scale(c, fScale, fScale);
    // Paddles: where each joins the shell, where it points, its length.
    const double flippers[][4] = {{12, -18, -2.05, 30}, {12, 18, 2.05, 30}, {-22, -12, -2.6, 15}, {-22, 12, 2.6, 15}};
    for (const auto& f : flippers) {
        cairo_save(c);
        cairo_translate(c, f[0], f[1]);
        cairo_rotate(c, f[2]);
        cairo_move_to(c, 0, -5);
        cairo_curve_to(c, f[3] * 0.5, -9, f[3] * 0.9, -5, f[3], 0);
        cairo_curve_to(c, f[3] * 0.8, 4, f[3] * 0.4, 5, 0, 5);
        cairo_close_path(c);
        cairo_restore(c);
        SetColour(c, skin);
        cairo_fill_preserve(c);
        SetColour(c, ink, 0.8);
        cairo_set_line_width(c, 1.5);
        cairo_stroke(c);
    }
    cairo_arc(c, 40, 0, 10, 0, 2 * kPi);
    SetColour(c, skin);
    cairo_fill_preserve(c);
    SetColour(c, ink, 0.8);
    cairo_stroke(c);
    cairo_arc(c, 44, -4, 2, 0, 2 * kPi);
    cairo_set_source_rgb(c, 0.05, 0.05, 0.05);
    cairo_fill(c);
    cairo_save(c);
    cairo_scale(c, 1.0, 0.78);
    cairo_arc(c, 0, 0, 32, 0, 2 * kPi);
    cairo_restore(c);
    cairo_pattern_t* pShell = cairo_pattern_create_radial(-6, -8, 4, 0, 0, 34);
    cairo_pattern_add_color_stop_rgb(pShell, 0, Lighter(shell, 0.35).r, Lighter(shell, 0.35).g, Lighter(shell, 0.35).b);
    cairo_pattern_add_color_stop_rgb(pShell, 1, Darker(shell, 0.3).r, Darker(shell, 0.3).g, Darker(shell, 0.3).b);
    cairo_set_source(c, pShell);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pShell);
    SetColour(c, ink);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    // Shell plates.
    for (int k = 0; k < 6; ++k) {
        const double a = 2 * kPi * k / 6;
        cairo_move_to(c, 10 * std::cos(a), 8 * std::sin(a));
        cairo_line_to(c, 30 * std::cos(a), 23 * std::sin(a));
    }
    cairo_new_sub_path(c);
    cairo_save(c);
    cairo_scale(c, 1.0, 0.8);
    cairo_arc(c, 0, 0, 11, 0, 2 * kPi);
    cairo_restore(c);
    SetColour(c, Darker(shell, 0.5), 0.8);
    cairo_set_line_width(c, 1.5);
    cairo_stroke(c);
    cairo_restore(c);
}

void PaintCoral(cairo_t* c, double x, double y, double fSize, const SColour& colour, unsigned nSeed)
{
    CRandom random(nSeed);
    std::function<void(double, double, double, double, int)> branch = [&](double bx, double by, double a, double l,
                                                                          int nDepth) {
        const double ex = bx + l * std::cos(a), ey = by + l * std::sin(a);
        cairo_move_to(c, bx, by);
        cairo_line_to(c, ex, ey);
        cairo_set_line_width(c, 2.2 + nDepth * 1.6);
        cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
        SetColour(c, Mix(colour, Lighter(colour, 0.4), 1.0 - nDepth / 4.0));
        cairo_stroke(c);
        if (nDepth > 0)
            for (double d : {-0.45, 0.4})
                branch(ex, ey, a + d + random.Range(-0.15, 0.15), l * random.Range(0.62, 0.8), nDepth - 1);
    };
    branch(x, y, -kPi / 2, 26 * fSize, 4);
}

void PaintBrainCoral(cairo_t* c, double x, double y, double r)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, 1, 0.7);
    cairo_arc(c, 0, 0, r, kPi, 2 * kPi);
    cairo_close_path(c);
    cairo_pattern_t* pDome = cairo_pattern_create_radial(-r * 0.3, -r * 0.6, 2, 0, 0, r);
    cairo_pattern_add_color_stop_rgb(pDome, 0, 0.95, 0.85, 0.55);
    cairo_pattern_add_color_stop_rgb(pDome, 1, 0.62, 0.5, 0.28);
    cairo_set_source(c, pDome);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pDome);
    cairo_clip(c);
    for (int k = 1; k < 7; ++k) {
        cairo_new_sub_path(c);
        cairo_arc(c, r * 0.1, 4, r * k / 6.0, kPi, 2 * kPi);
    }
    SetColour(c, SColour{0.45, 0.32, 0.15, 1}, 0.5);
    cairo_set_line_width(c, 1.6);
    cairo_stroke(c);
    cairo_restore(c);
}

void PaintSeaFan(cairo_t* c, double x, double y, double fSize, const SColour& colour)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, fSize, fSize);
    for (int k = 0; k < 13; ++k) {
        const double a = -kPi / 2 + (k - 6) * 0.13;
        cairo_move_to(c, 0, 0);
        cairo_curve_to(c, 20 * std::cos(a), 30 * std::sin(a), 50 * std::cos(a), 70 * std::sin(a),
                       58 * std::cos(a) * 1.1, 80 * std::sin(a));
    }
    SetColour(c, colour, 0.9);
    cairo_set_line_width(c, 2.2);
    cairo_stroke(c);
    for (int k = 1; k < 6; ++k) {
        cairo_new_sub_path(c);
        cairo_arc(c, 0, 0, k * 15, -kPi / 2 - 0.85, -kPi / 2 + 0.85);
    }
    SetColour(c, Lighter(colour, 0.25), 0.6);
    cairo_set_line_width(c, 1.2);
    cairo_stroke(c);
    cairo_restore(c);
}

void PaintWeed(cairo_t* c, double x, double y, double fHeight, double fLean)
{
    for (int k = 0; k < 3; ++k) {
        const double dx = (k - 1) * 5;
        cairo_move_to(c, x + dx, y);
        cairo_curve_to(c, x + dx + fLean, y - fHeight * 0.4, x + dx - fLean, y - fHeight * 0.7,
                       x + dx + fLean * 0.6, y - fHeight * (0.8 + 0.1 * k));
    }
    SetColour(c, SColour{0.3, 0.55, 0.3, 1}, 0.95);
    cairo_set_line_width(c, 4);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(c);
}

// A ray far off in the blue, a soft dark shape.
void PaintManta(cairo_t* c, double x, double y, double fScale)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, fScale, fScale);
    cairo_move_to(c, 40, 0);
    cairo_curve_to(c, 20, -8, 0, -40, -14, -52);
    cairo_curve_to(c, -12, -26, -20, -10, -30, 0);
    cairo_curve_to(c, -20, 10, -12, 26, -14, 52);
    cairo_curve_to(c, 0, 40, 20, 8, 40, 0);
    cairo_close_path(c);
    cairo_move_to(c, -28, 0);
    cairo_line_to(c, -80, 6);
    cairo_line_to(c, -28, 3);
    cairo_close_path(c);
    SetColour(c, SColour{0.08, 0.3, 0.45, 1}, 0.45);
    cairo_fill(c);
    cairo_restore(c);
}

// A pink jellyfish: a glassy bell and trailing ribbons.
void PaintJelly(cairo_t* c, double x, double y, double fScale)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, fScale, fScale);
    for (int k = 0; k < 5; ++k) {
        const double dx = -14 + k * 7;
        cairo_move_to(c, dx, 2);
        cairo_curve_to(c, dx + 6, 18, dx - 6, 32, dx + 3, 48);
    }
    SetColour(c, SColour{1, 0.7, 0.85, 1}, 0.55);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    cairo_move_to(c, -20, 2);
    cairo_curve_to(c, -20, -24, 20, -24, 20, 2);
    cairo_curve_to(c, 10, -2, -10, -2, -20, 2);
    cairo_close_path(c);
    cairo_pattern_t* pBell = cairo_pattern_create_radial(-5, -12, 2, 0, -6, 22);
    cairo_pattern_add_color_stop_rgba(pBell, 0, 1, 0.92, 0.97, 0.9);
    cairo_pattern_add_color_stop_rgba(pBell, 1, 0.95, 0.5, 0.75, 0.6);
    cairo_set_source(c, pBell);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pBell);
    SetColour(c, SColour{0.6, 0.2, 0.4, 1}, 0.7);
    cairo_set_line_width(c, 1.2);
    cairo_stroke(c);
    cairo_restore(c);
}

// A reef in sunlit water, lively in every corner, because a small game
// shows only its top left.
void PaintReefScene(cairo_t* c, cairo_surface_t* pSurface)
{
    cairo_rectangle(c, 0, 0, COVER, COVER);
    FillVertical(c, 0, COVER, SColour{0.36, 0.8, 0.9, 1}, SColour{0.06, 0.36, 0.56, 1});
    PaintRays(c, COVER, COVER, 0.28, 3);
    PaintCaustics(pSurface, 30, 0.14, 0.9);
    // Far reef in the blue.
    cairo_move_to(c, 0, 380);
    for (int x = 0; x <= COVER; x += 32)
        cairo_line_to(c, x, 360 - 30 * std::sin(x * 0.021) - 18 * std::sin(x * 0.057));
    cairo_line_to(c, COVER, COVER);
    cairo_line_to(c, 0, COVER);
    cairo_close_path(c);
    SetColour(c, SColour{0.1, 0.4, 0.55, 1}, 0.7);
    cairo_fill(c);
    PaintManta(c, 330, 200, 1.0);
    PaintJelly(c, 440, 330, 1.0);
    PaintJelly(c, 250, 300, 0.7);
    // Sand.
    cairo_move_to(c, 0, 440);
    cairo_curve_to(c, 140, 420, 330, 455, COVER, 430);
    cairo_line_to(c, COVER, COVER);
    cairo_line_to(c, 0, COVER);
    cairo_close_path(c);
    FillVertical(c, 420, COVER, SColour{0.93, 0.85, 0.64, 1}, SColour{0.76, 0.62, 0.42, 1});
    PaintSeaFan(c, 440, 450, 1.1, SColour{0.62, 0.3, 0.7, 1});
    PaintCoral(c, 70, 470, 1.5, SColour{0.95, 0.45, 0.45, 1}, 5);
    PaintCoral(c, 300, 480, 1.1, SColour{1.0, 0.6, 0.35, 1}, 9);
    PaintBrainCoral(c, 190, 470, 46);
    PaintBrainCoral(c, 380, 490, 30);
    PaintWeed(c, 20, 500, 120, 10);
    PaintWeed(c, 250, 500, 90, -8);
    PaintWeed(c, 480, 500, 110, 12);
    // Fish all over the water.
    CRandom random(21);
    for (int k = 0; k < 11; ++k)
        PaintSmallFish(c, 300 + k * 17 + random.Range(-8, 8), 60 + k * 13 + random.Range(-10, 10), 1.1,
                       SColour{1, 0.85, 0.25, 1}, false);
    for (int k = 0; k < 6; ++k)
        PaintSmallFish(c, 40 + k * 26, 300 + random.Range(-20, 20), 1.4, SColour{0.3, 0.5, 0.95, 1}, true);
    for (int k = 0; k < 5; ++k)
        PaintSmallFish(c, 360 + random.Range(-40, 100), 260 + random.Range(-30, 40), 1.6, SColour{1, 0.5, 0.3, 1},
                       true);
    PaintSmallFish(c, 60, 60, 2.4, SColour{0.95, 0.45, 0.75, 1}, false);
    PaintSmallFish(c, 205, 40, 1.8, SColour{0.55, 0.9, 1.0, 1}, true);
    PaintSmallFish(c, 24, 170, 1.8, SColour{1.0, 0.75, 0.3, 1}, false);
    PaintSmallFish(c, 220, 210, 2.2, SColour{0.35, 0.85, 0.6, 1}, true);
    PaintTurtle(c, 150, 140, 1.25);
    for (int k = 0; k < 18; ++k)
        DrawBubble(c, random.Range(0, COVER), random.Range(0, 420), random.Range(2, 6), 0.8);
}

// Each 64-pixel tile becomes a little glazed tile with rounded corners.
void GlazeTiles(cairo_t* c)
{
    cairo_save(c);
    cairo_set_operator(c, CAIRO_OPERATOR_DEST_IN);
    for (int y = 0; y < COVER; y += TILE)
        for (int x = 0; x < COVER; x += TILE)
            RoundedRect(c, x + 0.5, y + 0.5, TILE - 1, TILE - 1, 7);
    cairo_set_source_rgba(c, 0, 0, 0, 1);
    cairo_fill(c);
    cairo_restore(c);
    for (int y = 0; y < COVER; y += TILE)
        for (int x = 0; x < COVER; x += TILE) {
            RoundedRect(c, x + 1.5, y + 1.5, TILE - 3, TILE - 3, 6);
            cairo_pattern_t* pEdge = cairo_pattern_create_linear(x, y, x + TILE, y + TILE);
            cairo_pattern_add_color_stop_rgba(pEdge, 0, 1, 1, 1, 0.75);
            cairo_pattern_add_color_stop_rgba(pEdge, 0.5, 1, 1, 1, 0.1);
            cairo_pattern_add_color_stop_rgba(pEdge, 1, 0, 0.05, 0.15, 0.6);
            cairo_set_source(c, pEdge);
            cairo_set_line_width(c, 2.4);
            cairo_stroke(c);
            cairo_pattern_destroy(pEdge);
            // Glaze: a soft light across the upper left.
            cairo_save(c);
            RoundedRect(c, x + 3, y + 3, TILE - 6, TILE - 6, 5);
            cairo_clip(c);
            cairo_move_to(c, x, y);
            cairo_line_to(c, x + TILE * 0.7, y);
            cairo_line_to(c, x, y + TILE * 0.55);
            cairo_close_path(c);
            cairo_set_source_rgba(c, 1, 1, 1, 0.1);
            cairo_fill(c);
            cairo_restore(c);
        }
}

// Deep calm water behind the grid: light from above, the reef's dark edge
// below, drifting motes.
void PaintBackground(cairo_t* c, cairo_surface_t* pSurface, int w, int h)
{
    cairo_rectangle(c, 0, 0, w, h);
    FillVertical(c, 0, h, SColour{0.1, 0.42, 0.6, 1}, SColour{0.02, 0.1, 0.22, 1});
    PaintRays(c, w, h * 0.9, 0.16, 11);
    PaintCaustics(pSurface, 40, 0.1, 0.5);
    CRandom random(4);
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(c, 0, h);
        for (int x = 0; x <= w; x += 20)
            cairo_line_to(c, x, h - 60 - 40 * k - 30 * std::sin(x * 0.011 + k * 2) - 16 * std::sin(x * 0.037 + k));
        cairo_line_to(c, w, h);
        cairo_close_path(c);
        SetColour(c, SColour{0.02 + 0.02 * k, 0.12 + 0.05 * k, 0.2 + 0.06 * k, 1}, 0.55 - 0.1 * k);
        cairo_fill(c);
    }
    for (int k = 0; k < 4; ++k)
        PaintCoral(c, random.Range(0, 1) < 0.5 ? random.Range(10, 120) : random.Range(680, 790), h, 1.6,
                   SColour{0.05, 0.16, 0.25, 1}, 30 + k);
    for (int k = 0; k < 90; ++k) {
        cairo_arc(c, random.Range(0, w), random.Range(0, h), random.Range(0.6, 1.8), 0, 2 * kPi);
        cairo_set_source_rgba(c, 0.85, 0.95, 1, random.Range(0.15, 0.45));
        cairo_fill(c);
    }
    cairo_pattern_t* pVignette = cairo_pattern_create_radial(w / 2.0, h * 0.45, h * 0.3, w / 2.0, h / 2.0, w * 0.7);
    cairo_pattern_add_color_stop_rgba(pVignette, 0, 0, 0, 0.05, 0);
    cairo_pattern_add_color_stop_rgba(pVignette, 1, 0, 0, 0.05, 0.55);
    cairo_set_source(c, pVignette);
    cairo_paint(c);
    cairo_pattern_destroy(pVignette);
}

std::vector<std::string> WriteScreenArt(const std::string& strOutDir)
{
    std::vector<std::string> written;
    {
        CCanvas canvas(800, 600);
        PaintBackground(canvas.Context(), canvas.Surface(), 800, 600);
        canvas.WriteJpeg(strOutDir + "/mg_background.jpg", 90);
        written.push_back("mg_background.jpg");
    }
    {
        CCanvas canvas(COVER, COVER);
        PaintReefScene(canvas.Context(), canvas.Surface());
        GlazeTiles(canvas.Context());
        canvas.WriteDds(strOutDir + "/field-mini-game.dds");
        written.push_back("field-mini-game.dds");
    }
    {
        CCanvas canvas(CELL, CELL);
        PaintCellWell(canvas.Context());
        canvas.WriteDds(strOutDir + "/mg_cell_bg.dds");
        written.push_back("mg_cell_bg.dds");
    }
    {
        CCanvas canvas(CELL, CELL);
        PaintHoverRing(canvas.Context(), canvas.Surface());
        canvas.WriteDds(strOutDir + "/mg_cell_active.dds");
        written.push_back("mg_cell_active.dds");
    }
    const int nSparkleFrames = 10;
    std::vector<std::string> frames;
    for (int i = 0; i < nSparkleFrames; ++i) {
        CCanvas canvas(96, 96);
        PaintTakenSparkle(canvas.Context(), i, nSparkleFrames);
        frames.push_back(FrameName("particle", i));
        canvas.WriteDds(strOutDir + "/" + frames.back());
    }
    WriteIfl(strOutDir + "/particle.ifl", 20, frames);
    written.insert(written.end(), frames.begin(), frames.end());
    written.push_back("particle.ifl");
    const std::vector<std::string> border = WriteFramePieces(strOutDir);
    written.insert(written.end(), border.begin(), border.end());
    return written;
}

}  // namespace

std::vector<std::string> WriteMiniGame(const std::string& strSourceDir, const std::string& strOutDir)
{
    std::vector<std::string> written = WriteScreenArt(strOutDir);
    for (const SReefLine& fish : ReadReef(strSourceDir + "/minigame.txt")) {
        const std::vector<std::string> files = WriteReefFish(fish, strOutDir);
        written.insert(written.end(), files.begin(), files.end());
    }
    return written;
}

void WriteReefPreview(const std::string& strSourceDir, const std::string& strPngPath)
{
    const std::vector<SReefLine> fish = ReadReef(strSourceDir + "/minigame.txt");
    const int nScale = 2, nColumns = 8;
    CCanvas canvas(nColumns * CELL * nScale, int((fish.size() + nColumns - 1) / nColumns) * 2 * CELL * nScale);
    cairo_t* c = canvas.Context();
    cairo_set_source_rgb(c, 0.05, 0.2, 0.32);
    cairo_paint(c);
    for (size_t k = 0; k < fish.size(); ++k) {
        const double x = double(k % nColumns) * CELL * nScale, y = double(k / nColumns) * 2 * CELL * nScale;
        cairo_save(c);
        cairo_translate(c, x + 6 * nScale, y + 6 * nScale);
        cairo_scale(c, nScale, nScale);
        PaintCardFrame(c, fish[k], fish[k].nStill, fish[k].nFrames);
        cairo_restore(c);
        // Below each still, its opening at a third and two thirds.
        for (int m = 1; m <= 2; ++m) {
            cairo_save(c);
            cairo_translate(c, x + (m - 1) * CELL * nScale / 2.0 + 4, y + CELL * nScale + 10);
            PaintCardFrame(c, fish[k], fish[k].nFrames * m / 3, fish[k].nFrames);
            cairo_restore(c);
        }
    }
    canvas.WritePng(strPngPath);
}

}  // namespace Art
