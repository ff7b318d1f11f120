#include "art_hud_parts.h"

#include <cmath>

namespace Art {

const SHudColours& HudColours()
{
    static const SHudColours colours;
    return colours;
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

void StrokeEdge(cairo_t* c, const SColour& fill, double fWidth)
{
    SetColour(c, Darker(fill, 0.65));
    cairo_set_line_width(c, fWidth);
    cairo_stroke_preserve(c);
}

void PaintTimber(cairo_t* c, double x, double y, double w, double h, bool bVertical, unsigned nSeed)
{
    const SHudColours& k = HudColours();
    cairo_pattern_t* pBody = bVertical ? cairo_pattern_create_linear(x, 0, x + w, 0)
                                       : cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(pBody, 0, k.woodLight.r, k.woodLight.g, k.woodLight.b);
    cairo_pattern_add_color_stop_rgb(pBody, 0.35, k.wood.r, k.wood.g, k.wood.b);
    cairo_pattern_add_color_stop_rgb(pBody, 1, k.woodDark.r, k.woodDark.g, k.woodDark.b);
    cairo_set_source(c, pBody);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pBody);
    cairo_save(c);
    cairo_clip_preserve(c);
    // Grain: wavy lines along the timber, faint against its tone.
    const double fLength = bVertical ? h : w, fAcross = bVertical ? w : h;
    for (double a = 2.5; a < fAcross; a += 3.5) {
        for (double s = 0; s <= fLength; s += 4) {
            const double fWave = 1.6 * (FractalNoise(s * 0.02, a * 0.2, nSeed, 3) - 0.5) * 2;
            const double u = s, v = a + fWave;
            if (s == 0)
                cairo_move_to(c, bVertical ? x + v : x + u, bVertical ? y + u : y + v);
            else
                cairo_line_to(c, bVertical ? x + v : x + u, bVertical ? y + u : y + v);
        }
        SetColour(c, k.woodDark, 0.18 + 0.14 * ValueNoise(a, 0.5, nSeed));
        cairo_set_line_width(c, 0.9);
        cairo_stroke(c);
    }
    cairo_restore(c);
    StrokeEdge(c, k.wood, 2.0);
}

void PaintBrass(cairo_t* c, double x, double y, double w, double h, double fPatina)
{
    const SHudColours& k = HudColours();
    cairo_pattern_t* pBody = cairo_pattern_create_linear(x, y, x + w * 0.4, y + h);
    cairo_pattern_add_color_stop_rgb(pBody, 0, k.brassLight.r, k.brassLight.g, k.brassLight.b);
    cairo_pattern_add_color_stop_rgb(pBody, 0.45, k.brass.r, k.brass.g, k.brass.b);
    cairo_pattern_add_color_stop_rgb(pBody, 1, Darker(k.brass, 0.35).r, Darker(k.brass, 0.35).g,
                                     Darker(k.brass, 0.35).b);
    cairo_set_source(c, pBody);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pBody);
    if (fPatina > 0) {
        cairo_pattern_t* pGreen = cairo_pattern_create_linear(0, y + h * 0.5, 0, y + h);
        cairo_pattern_add_color_stop_rgba(pGreen, 0, k.verdigris.r, k.verdigris.g, k.verdigris.b, 0);
        cairo_pattern_add_color_stop_rgba(pGreen, 1, k.verdigris.r, k.verdigris.g, k.verdigris.b, fPatina);
        cairo_set_source(c, pGreen);
        cairo_fill_preserve(c);
        cairo_pattern_destroy(pGreen);
    }
    StrokeEdge(c, k.brass, 2.0);
}

void PaintRivet(cairo_t* c, double x, double y, double r)
{
    const SHudColours& k = HudColours();
    cairo_pattern_t* pHead = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.4, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgb(pHead, 0, k.brassLight.r, k.brassLight.g, k.brassLight.b);
    cairo_pattern_add_color_stop_rgb(pHead, 1, k.brassDark.r, k.brassDark.g, k.brassDark.b);
    cairo_set_source(c, pHead);
    cairo_arc(c, x, y, r, 0, 2 * kPi);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pHead);
    SetColour(c, k.brassDark, 0.9);
    cairo_set_line_width(c, 0.8);
    cairo_stroke(c);
}

namespace {

void IronStroke(cairo_t* c, double fWidth)
{
    const SHudColours& k = HudColours();
    SetColour(c, k.ironDark);
    cairo_set_line_width(c, fWidth + 2);
    cairo_stroke_preserve(c);
    SetColour(c, k.iron);
    cairo_set_line_width(c, fWidth);
    cairo_stroke_preserve(c);
    SetColour(c, k.ironLight, 0.6);
    cairo_set_line_width(c, fWidth * 0.35);
    cairo_stroke(c);
}

}  // namespace

void PaintChain(cairo_t* c, double x, double y0, double y1, double fWidth)
{
    const double fLink = fWidth * 1.5;
    bool bFace = true;
    cairo_save(c);
    for (double y = y0; y < y1; y += fLink * 0.78) {
        const double fHalf = std::min(fLink, y1 - y) / 2;
        if (bFace) {
            cairo_save(c);
            cairo_translate(c, x, y + fHalf);
            cairo_scale(c, fWidth * 0.42, fHalf);
            cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
            cairo_restore(c);
            IronStroke(c, fWidth * 0.22);
        } else {
            cairo_move_to(c, x, y - fWidth * 0.1);
            cairo_line_to(c, x, y + 2 * fHalf + fWidth * 0.1);
            IronStroke(c, fWidth * 0.26);
        }
        bFace = !bFace;
    }
    cairo_restore(c);
}

void PaintBarnacles(cairo_t* c, double x, double y, double fSpread, unsigned nSeed)
{
    CRandom random(nSeed);
    for (int i = 0; i < 5; ++i) {
        const double bx = x + random.Range(-fSpread, fSpread), by = y + random.Range(-fSpread, fSpread) * 0.6;
        const double r = random.Range(1.6, 3.4);
        cairo_arc(c, bx, by, r, 0, 2 * kPi);
        SetColour(c, ParseColour("D8D0C0"), 0.9);
        cairo_fill_preserve(c);
        SetColour(c, ParseColour("5A5448"), 0.9);
        cairo_set_line_width(c, 0.8);
        cairo_stroke(c);
        cairo_arc(c, bx + r * 0.1, by + r * 0.1, r * 0.4, 0, 2 * kPi);
        SetColour(c, ParseColour("3A3630"), 0.8);
        cairo_fill(c);
    }
}

void PaintWeed(cairo_t* c, double x, double y, double fHeight, double fSway)
{
    const SColour weed = ParseColour("3A8A4A");
    cairo_move_to(c, x - 2, y);
    cairo_curve_to(c, x - 4 + fSway, y - fHeight * 0.4, x + 4 - fSway, y - fHeight * 0.7, x + fSway, y - fHeight);
    cairo_curve_to(c, x + 5 - fSway, y - fHeight * 0.7, x + 2 + fSway, y - fHeight * 0.4, x + 3, y);
    cairo_close_path(c);
    SetColour(c, weed, 0.9);
    cairo_fill_preserve(c);
    SetColour(c, Darker(weed, 0.5), 0.9);
    cairo_set_line_width(c, 1);
    cairo_stroke(c);
}

void WithShadow(cairo_t* c, const PathFn& fnDraw, double fOffset, int nBlur, double fAlpha)
{
    DrawWithShadow(c, fnDraw, fOffset, fOffset, nBlur, fAlpha);
}

void PaintGlass(cairo_t* c, double cx, double cy, double r, double fAlpha)
{
    const SHudColours& k = HudColours();
    cairo_pattern_t* pSea = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.4, r * 0.1, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(pSea, 0, Lighter(k.glass, 0.35).r, Lighter(k.glass, 0.35).g,
                                      Lighter(k.glass, 0.35).b, fAlpha);
    cairo_pattern_add_color_stop_rgba(pSea, 1, Darker(k.glass, 0.5).r, Darker(k.glass, 0.5).g, Darker(k.glass, 0.5).b,
                                      fAlpha);
    cairo_set_source(c, pSea);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pSea);
}

void PaintLabel(cairo_t* c, const char* pszText, double cx, double cy, double fSize, const SColour& fill,
                const SColour& outline)
{
    cairo_save(c);
    cairo_select_font_face(c, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(c, fSize);
    cairo_text_extents_t extents;
    cairo_text_extents(c, pszText, &extents);
    cairo_move_to(c, cx - extents.width / 2 - extents.x_bearing, cy - extents.height / 2 - extents.y_bearing);
    cairo_text_path(c, pszText);
    SetColour(c, outline);
    cairo_set_line_width(c, fSize * 0.18);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(c);
    SetColour(c, fill);
    cairo_fill(c);
    cairo_restore(c);
}

}  // namespace Art
