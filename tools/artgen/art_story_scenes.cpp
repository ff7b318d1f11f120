// The story's scenery (sky, sea, island, reef, kelp, props) and its comic
// lettering.
#include <cmath>
#include <sstream>
#include <vector>

#include "art_hud_parts.h"
#include "art_story.h"

namespace Art {

namespace {

const SColour kInk = ParseColour("241610");
const char* const kLettering = "Comic Neue";

void Ink(cairo_t* c, const SColour& fill, double fWidth)
{
    SetColour(c, fill);
    cairo_fill_preserve(c);
    SetColour(c, kInk);
    cairo_set_line_width(c, fWidth);
    cairo_stroke(c);
}

void UseLettering(cairo_t* c, double fSize)
{
    cairo_select_font_face(c, kLettering, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(c, fSize);
}

std::vector<std::string> WrapWords(cairo_t* c, const std::string& strText, double fWidth)
{
    std::istringstream words(strText);
    std::vector<std::string> lines;
    std::string strWord, strLine;
    while (words >> strWord) {
        const std::string strTry = strLine.empty() ? strWord : strLine + " " + strWord;
        cairo_text_extents_t ext;
        cairo_text_extents(c, strTry.c_str(), &ext);
        if (ext.x_advance > fWidth && !strLine.empty()) {
            lines.push_back(strLine);
            strLine = strWord;
        } else {
            strLine = strTry;
        }
    }
    if (!strLine.empty())
        lines.push_back(strLine);
    return lines;
}

double LineWidth(cairo_t* c, const std::string& strLine)
{
    cairo_text_extents_t ext;
    cairo_text_extents(c, strLine.c_str(), &ext);
    return ext.x_advance;
}

// Font size for a text block: smaller type for narrow panels.
double LetterSize(double fWidth)
{
    return fWidth < 200 ? 12.5 : 14.5;
}

}  // namespace

void FillDown(cairo_t* c, double fTop, double fBottom, const SColour& top, const SColour& bottom)
{
    FillVertical(c, fTop, fBottom, top, bottom);
    cairo_new_path(c);
}

void PaintDaySky(cairo_t* c, double w, double fHorizon, double fSunset)
{
    const SColour top = Mix(ParseColour("4AA8F0"), ParseColour("5A4AA0"), fSunset);
    const SColour low = Mix(ParseColour("CDEEFF"), ParseColour("FFB060"), fSunset);
    cairo_rectangle(c, 0, 0, w, fHorizon);
    FillDown(c, 0, fHorizon, top, low);
    const double sx = w * (fSunset > 0.5 ? 0.5 : 0.82), sy = fHorizon * (fSunset > 0.5 ? 0.8 : 0.3);
    PaintGlow(c, sx, sy, fHorizon * 0.5, ParseColour("FFF3B0"), 0.7);
    cairo_arc(c, sx, sy, std::min(28.0, fHorizon * 0.16), 0, 2 * kPi);
    SetColour(c, fSunset > 0.5 ? ParseColour("FF8A3A") : ParseColour("FFE45A"));
    cairo_fill(c);
    CRandom rnd{unsigned(w)};
    for (int i = 0; i < 3; ++i) {
        const double cx = rnd.Range(0.05, 0.65) * w, cy = rnd.Range(0.15, 0.5) * fHorizon;
        for (int k = 0; k < 4; ++k) {
            cairo_arc(c, cx + k * 14, cy - (k % 2) * 7, 12 + (k % 2) * 4, 0, 2 * kPi);
            cairo_set_source_rgba(c, 1, 1, 1, 0.85);
            cairo_fill(c);
        }
    }
}

void PaintNightSky(cairo_t* c, double w, double fHorizon, unsigned nSeed)
{
    cairo_rectangle(c, 0, 0, w, fHorizon);
    FillDown(c, 0, fHorizon, ParseColour("0B1030"), ParseColour("2A3A6E"));
    CRandom rnd(nSeed);
    for (int i = 0; i < 40; ++i)
        DrawSparkle(c, rnd.Range(0, w), rnd.Range(0, fHorizon * 0.8), rnd.Range(1.5, 3.5), 0.8);
    PaintGlow(c, w * 0.78, fHorizon * 0.3, 50, ParseColour("DDE8FF"), 0.5);
    cairo_arc(c, w * 0.78, fHorizon * 0.3, 20, 0, 2 * kPi);
    SetColour(c, ParseColour("F4F0D8"));
    cairo_fill(c);
}

void PaintSeaSurface(cairo_t* c, double w, double h, double fHorizon, double fDark)
{
    cairo_rectangle(c, 0, fHorizon, w, h - fHorizon);
    FillDown(c, fHorizon, h, Mix(ParseColour("2A9AD8"), ParseColour("10204A"), fDark),
                 Mix(ParseColour("0E5A9A"), ParseColour("060C24"), fDark));
    CRandom rnd(unsigned(w + h));
    cairo_set_line_width(c, 1.6);
    for (int i = 0; i < int(w * (h - fHorizon) / 1800); ++i) {
        const double x = rnd.Range(0, w), y = rnd.Range(fHorizon + 4, h);
        const double len = 6 + (y - fHorizon) * 0.12;
        cairo_move_to(c, x, y);
        cairo_curve_to(c, x + len * 0.3, y - 2, x + len * 0.7, y - 2, x + len, y);
        cairo_set_source_rgba(c, 1, 1, 1, 0.35 * (1 - fDark * 0.6));
        cairo_stroke(c);
    }
}

void PaintUnderwater(cairo_t* c, double w, double h, double fDepth)
{
    cairo_rectangle(c, 0, 0, w, h);
    FillDown(c, 0, h, Mix(ParseColour("3ACBE0"), ParseColour("0A2A5A"), fDepth),
                 Mix(ParseColour("0A5A9A"), ParseColour("020818"), fDepth));
}

void PaintRays(cairo_t* c, double w, double h, double fAlpha)
{
    CRandom rnd(unsigned(w * 3 + h));
    for (int i = 0; i < 5; ++i) {
        const double x = rnd.Range(-0.1, 1.0) * w, fTop = rnd.Range(20, 60);
        cairo_move_to(c, x, 0);
        cairo_line_to(c, x + fTop, 0);
        cairo_line_to(c, x + fTop + h * 0.5, h);
        cairo_line_to(c, x + h * 0.3, h);
        cairo_close_path(c);
        cairo_pattern_t* pRay = cairo_pattern_create_linear(0, 0, 0, h);
        cairo_pattern_add_color_stop_rgba(pRay, 0, 1, 1, 0.9, fAlpha);
        cairo_pattern_add_color_stop_rgba(pRay, 1, 1, 1, 0.9, 0);
        cairo_set_source(c, pRay);
        cairo_fill(c);
        cairo_pattern_destroy(pRay);
    }
}

void PaintSeabed(cairo_t* c, double w, double h, double y, unsigned nSeed)
{
    cairo_move_to(c, 0, y);
    CRandom rnd(nSeed);
    for (double x = 0; x <= w + 40; x += 40)
        cairo_line_to(c, x, y + rnd.Range(-6, 6));
    cairo_line_to(c, w, h);
    cairo_line_to(c, 0, h);
    cairo_close_path(c);
    FillDown(c, y - 6, h, ParseColour("E8D49A"), ParseColour("B89860"));
    for (int i = 0; i < int(w / 25); ++i) {
        cairo_arc(c, rnd.Range(0, w), rnd.Range(y + 6, h), rnd.Range(1, 2.5), 0, 2 * kPi);
        SetColour(c, ParseColour("8A6A3A"), 0.5);
        cairo_fill(c);
    }
}

void PaintBubbles(cairo_t* c, double w, double h, int nCount, unsigned nSeed)
{
    CRandom rnd(nSeed);
    for (int i = 0; i < nCount; ++i)
        DrawBubble(c, rnd.Range(0, w), rnd.Range(0, h), rnd.Range(2, 6), 0.8);
}

void PaintIsland(cairo_t* c, double cx, double y, double fWidth)
{
    cairo_move_to(c, cx - fWidth / 2, y);
    cairo_curve_to(c, cx - fWidth * 0.3, y - fWidth * 0.16, cx + fWidth * 0.3, y - fWidth * 0.18, cx + fWidth / 2, y);
    cairo_close_path(c);
    Ink(c, ParseColour("F2D890"), 2);
    cairo_move_to(c, cx - fWidth * 0.3, y - fWidth * 0.08);
    cairo_curve_to(c, cx - fWidth * 0.1, y - fWidth * 0.2, cx + fWidth * 0.2, y - fWidth * 0.2, cx + fWidth * 0.35,
                   y - fWidth * 0.07);
    cairo_close_path(c);
    Ink(c, ParseColour("5AB84A"), 2);
}

void PaintPalm(cairo_t* c, double x, double y, double s)
{
    cairo_move_to(c, x - 4 * s, y);
    cairo_curve_to(c, x, y - 40 * s, x + 10 * s, y - 60 * s, x + 16 * s, y - 80 * s);
    cairo_line_to(c, x + 22 * s, y - 78 * s);
    cairo_curve_to(c, x + 16 * s, y - 58 * s, x + 8 * s, y - 38 * s, x + 5 * s, y);
    cairo_close_path(c);
    Ink(c, ParseColour("9A6A3A"), 2);
    const double tx = x + 19 * s, ty = y - 80 * s;
    for (double a : {-2.8, -2.2, -1.4, -0.7, -0.1}) {
        const double ex = tx + std::cos(a) * 40 * s, ey = ty + std::sin(a) * 22 * s + 16 * s;
        cairo_move_to(c, tx, ty);
        cairo_curve_to(c, tx + std::cos(a) * 20 * s, ty + std::sin(a) * 26 * s - 4 * s, ex, ey - 10 * s, ex, ey);
        cairo_curve_to(c, ex - std::cos(a) * 8 * s, ey - 2 * s, tx + std::cos(a) * 14 * s, ty + 6 * s, tx, ty);
        Ink(c, ParseColour("3AA84A"), 1.8);
    }
}

void PaintHut(cairo_t* c, double x, double y, double s)
{
    cairo_rectangle(c, x - 22 * s, y - 30 * s, 44 * s, 30 * s);
    Ink(c, ParseColour("C8905A"), 2);
    cairo_rectangle(c, x - 6 * s, y - 20 * s, 12 * s, 20 * s);
    Ink(c, ParseColour("5A3A1A"), 1.5);
    cairo_move_to(c, x - 32 * s, y - 28 * s);
    cairo_line_to(c, x, y - 56 * s);
    cairo_line_to(c, x + 32 * s, y - 28 * s);
    cairo_close_path(c);
    Ink(c, ParseColour("E8C060"), 2);
}

void PaintPier(cairo_t* c, double x0, double x1, double y, bool bBroken)
{
    const SColour wood = ParseColour("A0703E");
    for (double x = x0 + 6; x < x1; x += 28) {
        const bool bGap = bBroken && x > (x0 + x1) / 2 && x < (x0 + x1) / 2 + 40;
        cairo_rectangle(c, x, y, 7, 26);
        Ink(c, Darker(wood, 0.2), 1.5);
        if (bGap)
            continue;
        cairo_rectangle(c, x - 6, y - 6, 28, 7);
        Ink(c, wood, 1.5);
    }
    if (bBroken) {
        const double mx = (x0 + x1) / 2 + 20;
        cairo_save(c);
        cairo_translate(c, mx, y + 14);
        cairo_rotate(c, 0.5);
        cairo_rectangle(c, -14, -3, 28, 7);
        Ink(c, wood, 1.5);
        cairo_restore(c);
    }
}

void PaintBoat(cairo_t* c, double x, double y, double s, bool bSunk, bool bSail)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, s, s);
    if (bSunk)
        cairo_rotate(c, 0.35);
    if (bSail) {
        cairo_move_to(c, 0, -8);
        cairo_line_to(c, 0, -70);
        SetColour(c, kInk);
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        cairo_move_to(c, 3, -66);
        cairo_curve_to(c, 30, -50, 36, -26, 32, -12);
        cairo_line_to(c, 3, -12);
        cairo_close_path(c);
        Ink(c, ParseColour("FFF6E0"), 2);
        cairo_move_to(c, 3, -40);
        cairo_line_to(c, 34, -40);
        SetColour(c, ParseColour("E0302A"));
        cairo_set_line_width(c, 4);
        cairo_stroke(c);
    }
    cairo_move_to(c, -40, -12);
    cairo_line_to(c, 40, -12);
    cairo_line_to(c, 28, 6);
    cairo_line_to(c, -28, 6);
    cairo_close_path(c);
    Ink(c, ParseColour("C0602E"), 2);
    cairo_move_to(c, -36, -6);
    cairo_line_to(c, 36, -6);
    SetColour(c, ParseColour("F4E8C8"));
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    cairo_restore(c);
}

void PaintCoral(cairo_t* c, double x, double y, double s, const std::string& strColour, unsigned nSeed)
{
    const SColour coral = ParseColour(strColour);
    CRandom rnd(nSeed);
    std::function<void(double, double, double, double, int)> branch = [&](double bx, double by, double a, double len,
                                                                          int depth) {
        const double ex = bx + std::cos(a) * len, ey = by + std::sin(a) * len;
        cairo_move_to(c, bx, by);
        cairo_line_to(c, ex, ey);
        cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
        SetColour(c, Darker(coral, 0.45));
        cairo_set_line_width(c, (3 + depth * 2.5) * s + 2.5);
        cairo_stroke(c);
        cairo_move_to(c, bx, by);
        cairo_line_to(c, ex, ey);
        SetColour(c, coral);
        cairo_set_line_width(c, (3 + depth * 2.5) * s);
        cairo_stroke(c);
        if (depth == 0)
            return;
        branch(ex, ey, a - rnd.Range(0.3, 0.6), len * 0.72, depth - 1);
        branch(ex, ey, a + rnd.Range(0.3, 0.6), len * 0.72, depth - 1);
    };
    branch(x, y, -kPi / 2, 22 * s, 3);
}

void PaintKelp(cairo_t* c, double x, double y, double fHeight, double fSway, double fDark)
{
    const SColour kelp = Mix(ParseColour("4AA84A"), ParseColour("0E3A1E"), fDark);
    cairo_move_to(c, x - 5, y);
    cairo_curve_to(c, x - 12 + fSway, y - fHeight * 0.35, x + 10 - fSway, y - fHeight * 0.7, x + fSway, y - fHeight);
    cairo_curve_to(c, x + 14 - fSway, y - fHeight * 0.7, x - 2 + fSway, y - fHeight * 0.35, x + 7, y);
    cairo_close_path(c);
    SetColour(c, kelp);
    cairo_fill_preserve(c);
    SetColour(c, Darker(kelp, 0.5));
    cairo_set_line_width(c, 1.5);
    cairo_stroke(c);
    for (double t = 0.2; t < 0.95; t += 0.18) {
        const double lx = x + fSway * t + std::sin(t * 9) * 4, ly = y - fHeight * t;
        cairo_save(c);
        cairo_translate(c, lx, ly);
        cairo_rotate(c, (int(t * 10) % 2 ? 0.6 : -0.6));
        cairo_scale(c, 14, 5);
        cairo_arc(c, int(t * 10) % 2 ? 0.8 : -0.8, 0, 1, 0, 2 * kPi);
        cairo_restore(c);
        SetColour(c, Lighter(kelp, 0.1));
        cairo_fill(c);
    }
}

void PaintGlowAt(cairo_t* c, double x, double y, double r, const std::string& strColour, double fAlpha)
{
    PaintGlow(c, x, y, r, ParseColour(strColour), fAlpha);
}

void PaintCompass(cairo_t* c, double x, double y, double r)
{
    PaintGlowAt(c, x, y, r * 2.2, "FFE890", 0.7);
    cairo_arc(c, x, y, r, 0, 2 * kPi);
    Ink(c, ParseColour("D8A440"), 2.5);
    cairo_arc(c, x, y, r * 0.78, 0, 2 * kPi);
    Ink(c, ParseColour("FFF8E0"), 1.5);
    cairo_move_to(c, x, y - r * 0.7);
    cairo_line_to(c, x + r * 0.16, y);
    cairo_line_to(c, x, y + r * 0.7);
    cairo_line_to(c, x - r * 0.16, y);
    cairo_close_path(c);
    Ink(c, ParseColour("E0302A"), 1.2);
}

void PaintParchment(cairo_t* c, double x, double y, double w, double h, double fTilt)
{
    cairo_save(c);
    cairo_translate(c, x + w / 2, y + h / 2);
    cairo_rotate(c, fTilt);
    cairo_move_to(c, -w / 2, -h / 2);
    cairo_curve_to(c, -w / 4, -h / 2 - 6, w / 4, -h / 2 + 6, w / 2, -h / 2);
    cairo_line_to(c, w / 2, h / 2);
    cairo_curve_to(c, w / 4, h / 2 + 6, -w / 4, h / 2 - 6, -w / 2, h / 2);
    cairo_close_path(c);
    cairo_restore(c);
    Ink(c, ParseColour("F2E2B8"), 2);
}

double LetterCaption(cairo_t* c, double w, double h, const std::string& strText, bool bBottom)
{
    const double fSize = LetterSize(w), fPad = 7, fLead = fSize * 1.18;
    UseLettering(c, fSize);
    const std::vector<std::string> lines = WrapWords(c, strText, w - 2 * fPad - 16);
    double fWidest = 0;
    for (const std::string& strLine : lines)
        fWidest = std::max(fWidest, LineWidth(c, strLine));
    const double bw = fWidest + 2 * fPad, bh = lines.size() * fLead + fPad * 1.4;
    const double bx = 6, by = bBottom ? h - bh - 6 : 6;
    cairo_rectangle(c, bx, by, bw, bh);
    SetColour(c, ParseColour("FFF1A8"));
    cairo_fill_preserve(c);
    SetColour(c, kInk);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    for (size_t i = 0; i < lines.size(); ++i) {
        cairo_move_to(c, bx + fPad, by + fPad * 0.7 + fSize + i * fLead - 2);
        cairo_show_text(c, lines[i].c_str());
    }
    return bh;
}

void LetterSpeech(cairo_t* c, double cx, double cy, double fMaxWidth, const std::string& strText, double tx, double ty)
{
    const double fSize = LetterSize(fMaxWidth), fLead = fSize * 1.18;
    UseLettering(c, fSize);
    const std::vector<std::string> lines = WrapWords(c, strText, fMaxWidth);
    double fWidest = 0;
    for (const std::string& strLine : lines)
        fWidest = std::max(fWidest, LineWidth(c, strLine));
    const double rx = fWidest / 2 + 14, ry = lines.size() * fLead / 2 + 10;
    auto balloon = [&] {
        cairo_save(c);
        cairo_translate(c, cx, cy);
        cairo_scale(c, rx, ry);
        cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(c);
        // The tail leaves the balloon's edge towards the speaker, 16 wide.
        const double a = std::atan2((ty - cy) / ry, (tx - cx) / rx);
        const double ex = cx + std::cos(a) * rx * 0.85, ey = cy + std::sin(a) * ry * 0.85;
        const double len = std::hypot(tx - ex, ty - ey);
        const double nx = len > 0 ? -(ty - ey) / len * 8 : 8, ny = len > 0 ? (tx - ex) / len * 8 : 0;
        cairo_move_to(c, ex + nx, ey + ny);
        cairo_line_to(c, tx, ty);
        cairo_line_to(c, ex - nx, ey - ny);
        cairo_close_path(c);
    };
    balloon();
    SetColour(c, kInk);
    cairo_set_line_width(c, 4.5);
    cairo_stroke(c);
    balloon();
    cairo_set_source_rgb(c, 1, 1, 1);
    cairo_fill(c);
    SetColour(c, kInk);
    for (size_t i = 0; i < lines.size(); ++i) {
        const double y = cy - lines.size() * fLead / 2 + fSize * 0.95 + i * fLead - 1;
        cairo_move_to(c, cx - LineWidth(c, lines[i]) / 2, y);
        cairo_show_text(c, lines[i].c_str());
    }
}

void LetterShout(cairo_t* c, double cx, double cy, double fSize, const std::string& strText, const std::string& strFill)
{
    UseLettering(c, fSize);
    cairo_text_extents_t ext;
    cairo_text_extents(c, strText.c_str(), &ext);
    cairo_move_to(c, cx - ext.width / 2 - ext.x_bearing, cy - ext.height / 2 - ext.y_bearing);
    cairo_text_path(c, strText.c_str());
    SetColour(c, kInk);
    cairo_set_line_width(c, fSize * 0.16);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(c);
    SetColour(c, ParseColour(strFill));
    cairo_fill(c);
}

}  // namespace Art
