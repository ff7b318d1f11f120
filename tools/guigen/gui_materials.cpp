#include "gui_materials.h"

#include <cmath>

namespace GuiArt {

using namespace Art;

void RoundedRect(cairo_t* pCairo, double x, double y, double w, double h, double r)
{
    r = std::min(r, std::min(w, h) / 2);
    cairo_new_sub_path(pCairo);
    cairo_arc(pCairo, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(pCairo, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(pCairo, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(pCairo, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(pCairo);
}

void FillWood(cairo_t* pCairo, double x, double y, double w, double h, const SColour& light, const SColour& dark,
              unsigned int nSeed)
{
    cairo_save(pCairo);
    FillVertical(pCairo, y, y + h, light, dark);
    cairo_clip(pCairo);
    // Grain: thin dark streaks along the planks, wobbling with the noise.
    const bool bAcross = w >= h;
    const double fLength = bAcross ? w : h, fSpan = bAcross ? h : w;
    CRandom random(nSeed);
    for (double fAt = 1.5; fAt < fSpan; fAt += random.Range(2.0, 4.5)) {
        cairo_new_path(pCairo);
        for (double t = 0; t <= fLength; t += 2) {
            const double fWobble = (ValueNoise(t / 23.0, fAt / 3.0, nSeed) - 0.5) * 2.2;
            const double u = (bAcross ? x : y) + t, v = (bAcross ? y : x) + fAt + fWobble;
            bAcross ? cairo_line_to(pCairo, u, v) : cairo_line_to(pCairo, v, u);
        }
        SetColour(pCairo, Darker(dark, 0.35), random.Range(0.10, 0.28));
        cairo_set_line_width(pCairo, random.Range(0.6, 1.3));
        cairo_stroke(pCairo);
    }
    cairo_restore(pCairo);
}

void FillBrass(cairo_t* pCairo, double y, double h, double fBright)
{
    cairo_pattern_t* pBrass = cairo_pattern_create_linear(0, y, 0, y + h);
    const SColour stops[] = {Lighter(Tone::kBrassLight, fBright), Lighter(Tone::kBrass, fBright),
                             Lighter(Tone::kBrassDark, fBright * 0.5), Lighter(Tone::kBrass, fBright)};
    const double offsets[] = {0.0, 0.45, 0.8, 1.0};
    for (int i = 0; i < 4; ++i)
        cairo_pattern_add_color_stop_rgb(pBrass, offsets[i], stops[i].r, stops[i].g, stops[i].b);
    cairo_set_source(pCairo, pBrass);
    cairo_fill_preserve(pCairo);
    cairo_pattern_destroy(pBrass);
}

void FillGlass(cairo_t* pCairo, double x, double y, double w, double h, const SColour& tint, double fAlpha)
{
    cairo_save(pCairo);
    SColour top = Lighter(tint, 0.18), bottom = Darker(tint, 0.35);
    top.a = bottom.a = fAlpha;
    FillVertical(pCairo, y, y + h, top, bottom);
    cairo_clip(pCairo);
    // Gloss: a pale band over the upper half that fades downwards.
    cairo_pattern_t* pGloss = cairo_pattern_create_linear(0, y, 0, y + h * 0.55);
    cairo_pattern_add_color_stop_rgba(pGloss, 0, 1, 1, 1, 0.38);
    cairo_pattern_add_color_stop_rgba(pGloss, 1, 1, 1, 1, 0.04);
    RoundedRect(pCairo, x + 2, y + 1.5, w - 4, h * 0.5, std::min(h * 0.25, 10.0));
    cairo_set_source(pCairo, pGloss);
    cairo_fill(pCairo);
    cairo_pattern_destroy(pGloss);
    cairo_restore(pCairo);
}

void FillParchment(cairo_t* pCairo, double x, double y, double w, double h, unsigned int nSeed)
{
    cairo_save(pCairo);
    FillVertical(pCairo, y, y + h, Tone::kParchment, Tone::kParchmentDark);
    cairo_clip(pCairo);
    CRandom random(nSeed);
    const int nStains = int(w * h / 900) + 1;
    for (int i = 0; i < nStains; ++i)
        PaintGlow(pCairo, x + random.Range(0, w), y + random.Range(0, h), random.Range(4, 12),
                  Darker(Tone::kParchmentDark, 0.3), random.Range(0.05, 0.12));
    cairo_restore(pCairo);
}

void InnerShadow(cairo_t* pCairo, double x, double y, double fDepth, double fAlpha)
{
    cairo_save(pCairo);
    cairo_clip_preserve(pCairo);
    cairo_pattern_t* pTop = cairo_pattern_create_linear(0, y, 0, y + fDepth);
    cairo_pattern_add_color_stop_rgba(pTop, 0, 0, 0.02, 0.05, fAlpha);
    cairo_pattern_add_color_stop_rgba(pTop, 1, 0, 0.02, 0.05, 0);
    cairo_set_source(pCairo, pTop);
    cairo_paint(pCairo);
    cairo_pattern_destroy(pTop);
    cairo_pattern_t* pLeft = cairo_pattern_create_linear(x, 0, x + fDepth * 0.7, 0);
    cairo_pattern_add_color_stop_rgba(pLeft, 0, 0, 0.02, 0.05, fAlpha * 0.6);
    cairo_pattern_add_color_stop_rgba(pLeft, 1, 0, 0.02, 0.05, 0);
    cairo_set_source(pCairo, pLeft);
    cairo_paint(pCairo);
    cairo_pattern_destroy(pLeft);
    cairo_restore(pCairo);
}

void DrawRopeH(cairo_t* pCairo, double x0, double x1, double y, double fThick, double fTwist, double fPhaseX)
{
    cairo_save(pCairo);
    cairo_rectangle(pCairo, x0, y - fThick / 2, x1 - x0, fThick);
    FillVertical(pCairo, y - fThick / 2, y + fThick / 2, Lighter(Tone::kRope, 0.2), Darker(Tone::kRope, 0.3));
    cairo_clip(pCairo);
    // Strands: slanted S-curves, one per twist, light on their upper edge.
    const double fStart = fPhaseX + std::floor((x0 - fPhaseX) / fTwist) * fTwist - fTwist;
    for (double fAt = fStart; fAt < x1 + fTwist; fAt += fTwist) {
        cairo_move_to(pCairo, fAt, y + fThick / 2);
        cairo_curve_to(pCairo, fAt + fTwist * 0.25, y + fThick * 0.2, fAt + fTwist * 0.45, y - fThick * 0.2,
                       fAt + fTwist * 0.75, y - fThick / 2);
        SetColour(pCairo, Tone::kRopeDark, 0.75);
        cairo_set_line_width(pCairo, 1.1);
        cairo_stroke(pCairo);
        cairo_move_to(pCairo, fAt + fTwist * 0.3, y + fThick / 2);
        cairo_curve_to(pCairo, fAt + fTwist * 0.5, y + fThick * 0.15, fAt + fTwist * 0.7, y - fThick * 0.2,
                       fAt + fTwist * 0.95, y - fThick / 2);
        SetColour(pCairo, Tone::kCream, 0.45);
        cairo_set_line_width(pCairo, 0.8);
        cairo_stroke(pCairo);
    }
    cairo_restore(pCairo);
    cairo_move_to(pCairo, x0, y - fThick / 2);
    cairo_line_to(pCairo, x1, y - fThick / 2);
    cairo_move_to(pCairo, x0, y + fThick / 2);
    cairo_line_to(pCairo, x1, y + fThick / 2);
    Outline(pCairo, Tone::kRopeDark, 1.0, 0.9);
}

void DrawRivet(cairo_t* pCairo, double x, double y, double r)
{
    cairo_arc(pCairo, x + 0.6, y + 0.8, r, 0, 2 * kPi);
    SetColour(pCairo, {0, 0, 0, 1}, 0.35);
    cairo_fill(pCairo);
    cairo_arc(pCairo, x, y, r, 0, 2 * kPi);
    cairo_pattern_t* pHead = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgb(pHead, 0, 1, 0.97, 0.8);
    cairo_pattern_add_color_stop_rgb(pHead, 0.5, Tone::kBrass.r, Tone::kBrass.g, Tone::kBrass.b);
    cairo_pattern_add_color_stop_rgb(pHead, 1, Tone::kBrassDark.r, Tone::kBrassDark.g, Tone::kBrassDark.b);
    cairo_set_source(pCairo, pHead);
    cairo_fill(pCairo);
    cairo_pattern_destroy(pHead);
}

void Outline(cairo_t* pCairo, const SColour& c, double fWidth, double fAlpha)
{
    SetColour(pCairo, c, fAlpha);
    cairo_set_line_width(pCairo, fWidth);
    cairo_set_line_join(pCairo, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(pCairo);
}

}  // namespace GuiArt
