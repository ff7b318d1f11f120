// The menu captions of "MenuTexts": wooden planks for the main menu,
// sea-glass buttons for the dialogs, and bare captions for the HUD. The
// hover look is brighter, warmer and ringed with light, so a player sees at
// once which button the mouse is on.
#include <stdexcept>

#include "gui_materials.h"
#include "gui_paint.h"

namespace GuiArt {

using namespace Art;

namespace {

// Sets the largest size up to fMaxSize at which the text fits the box.
void FitText(cairo_t* c, const std::string& strText, double fMaxSize, double fWidth, double fHeight)
{
    for (double fSize = fMaxSize; fSize > 8; fSize -= 0.5) {
        cairo_set_font_size(c, fSize);
        cairo_text_extents_t extents;
        cairo_text_extents(c, strText.c_str(), &extents);
        if (extents.x_advance <= fWidth && extents.height <= fHeight)
            return;
    }
}

// The caption centred on (cx, cy) by its capital height, so that captions
// of different words share a baseline: a dark outline, a light-to-warm fill
// and, under the mouse, a golden fill with a halo.
void DrawCaptionText(cairo_t* c, const std::string& strText, double cx, double cy, double fOutline, bool bHover)
{
    cairo_text_extents_t text, capital;
    cairo_text_extents(c, strText.c_str(), &text);
    cairo_text_extents(c, "H", &capital);
    const double x = cx - text.x_advance / 2, y = cy - capital.y_bearing / 2;
    cairo_matrix_t size;
    cairo_get_font_matrix(c, &size);
    cairo_font_face_t* pFace = cairo_get_font_face(c);
    // DrawWithShadow draws on a context of its own, without our font.
    auto fnPath = [&](cairo_t* p) {
        cairo_set_font_face(p, pFace);
        cairo_set_font_matrix(p, &size);
        cairo_move_to(p, x, y);
        cairo_text_path(p, strText.c_str());
    };
    if (bHover) {
        cairo_save(c);
        cairo_translate(c, cx, cy);
        cairo_scale(c, 1, 0.4);
        PaintGlow(c, 0, 0, text.x_advance * 0.6, {1.0, 0.92, 0.55, 1}, 0.45);
        cairo_restore(c);
    }
    DrawWithShadow(c, [&](cairo_t* p) {
        fnPath(p);
        Outline(p, Tone::kInk, fOutline);
        fnPath(p);
        const SColour top = bHover ? SColour{1.0, 0.98, 0.72, 1} : Tone::kCream;
        const SColour bottom = bHover ? SColour{1.0, 0.70, 0.16, 1} : SColour{0.93, 0.80, 0.55, 1};
        FillVertical(p, y + capital.y_bearing, y, top, bottom);
        cairo_new_path(p);
    }, 1.0, 1.5, 2, 0.55);
}

void PaintPlank(cairo_t* c, const SCaption& caption, bool bHover, double w, double h)
{
    const double x0 = 5, y0 = 4, pw = w - 10, ph = h - 10;
    if (bHover)
        for (int i = 3; i >= 1; --i) {
            RoundedRect(c, x0, y0, pw, ph, 10);
            Outline(c, Tone::kSeaGlass, i * 2.2, 0.22);
        }
    DrawWithShadow(c, [&](cairo_t* p) {
        const double fLift = bHover ? 0.22 : 0;
        RoundedRect(p, x0, y0, pw, ph, 10);
        FillWood(p, x0, y0, pw, ph, Lighter(Tone::kWoodLight, fLift), Lighter(Tone::kWood, fLift), 61);
        cairo_new_path(p);
        RoundedRect(p, x0 + 2, y0 + 1.5, pw - 4, 3, 1.5);
        SetColour(p, Tone::kCream, 0.35);
        cairo_fill(p);
        RoundedRect(p, x0, y0, pw, ph, 10);
        Outline(p, Tone::kInk, 2.0);
        for (double x : {x0 + 11, x0 + pw - 11})
            DrawRivet(p, x, y0 + ph / 2, 3.4);
    }, 1.0, 2.0, 2, 0.45);
    FitText(c, caption.strText, bHover ? 31 : 29, pw - 48, ph - 6);
    DrawCaptionText(c, caption.strText, w / 2, y0 + ph / 2, 4.0, bHover);
}

SColour GlassTint(const std::string& strStyle)
{
    if (strStyle == "glass_green")
        return {0.16, 0.62, 0.42, 1};
    if (strStyle == "glass_coral")
        return {0.84, 0.33, 0.24, 1};
    if (strStyle == "glass_blue")
        return {0.16, 0.48, 0.76, 1};
    throw std::runtime_error("unknown caption style \"" + strStyle + "\"");
}

void PaintGlassButton(cairo_t* c, const SCaption& caption, bool bHover, double w, double h)
{
    const double x0 = 4, y0 = 3, bw = w - 8, bh = h - 9;
    const SColour tint = Lighter(GlassTint(caption.strStyle), bHover ? 0.12 : 0);
    if (bHover)
        for (int i = 3; i >= 1; --i) {
            RoundedRect(c, x0, y0, bw, bh, 12);
            Outline(c, Tone::kGold, i * 1.8, 0.25);
        }
    DrawWithShadow(c, [&](cairo_t* p) {
        RoundedRect(p, x0, y0, bw, bh, 12);
        FillBrass(p, y0, bh, bHover ? 0.2 : 0);
        Outline(p, Tone::kBrassDark, 1.4);
        RoundedRect(p, x0 + 3.5, y0 + 3.5, bw - 7, bh - 7, 9);
        FillGlass(p, x0 + 3.5, y0 + 3.5, bw - 7, bh - 7, tint, 1.0);
        Outline(p, Darker(tint, 0.5), 1.0, 0.8);
        if (bHover) {  // light caught in the glass under the mouse
            RoundedRect(p, x0 + 5, y0 + 5, bw - 10, bh - 10, 7.5);
            Outline(p, Tone::kCream, 1.2, 0.7);
        }
    }, 1.0, 2.0, 2, 0.45);
    FitText(c, caption.strText, bHover ? 23 : 22, bw - 16, bh - 8);
    DrawCaptionText(c, caption.strText, w / 2, y0 + bh / 2, 3.2, bHover);
}

}  // namespace

void PaintCaption(cairo_t* pCairo, const SCaption& caption, bool bHover, cairo_font_face_t* pDisplayFace)
{
    const double w = caption.nWidth, h = caption.nHeight;
    cairo_save(pCairo);
    cairo_set_font_face(pCairo, pDisplayFace);
    if (caption.strStyle == "plank") {
        PaintPlank(pCairo, caption, bHover, w, h);
    } else if (caption.strStyle == "caption") {
        FitText(pCairo, caption.strText, bHover ? 27 : 26, w - 12, h - 6);
        DrawCaptionText(pCairo, caption.strText, w / 2, h / 2, 3.6, bHover);
    } else if (caption.strStyle != "empty") {
        PaintGlassButton(pCairo, caption, bHover, w, h);
    }
    cairo_restore(pCairo);
}

}  // namespace GuiArt
