// The program's icon: a clownfish swimming past a half-open treasure trunk
// on a rounded tile of sea water, drawn with the board's own painters so
// the desktop shows the game's fish. Small sizes leave out the bubbles and
// give the fish more of the tile, so it stays a fish at 16 pixels.
#include <cmath>

#include "art_canvas.h"
#include "art_draw.h"
#include "art_generate.h"
#include "art_items.h"

namespace Art {

namespace {

const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
// Below this many pixels details turn to noise.
const int kDetailPixels = 48;

void TilePath(cairo_t* c, double fInset, double fRadius)
{
    const double a = fInset, b = 100 - fInset;
    cairo_new_sub_path(c);
    cairo_arc(c, b - fRadius, a + fRadius, fRadius, -kPi / 2, 0);
    cairo_arc(c, b - fRadius, b - fRadius, fRadius, 0, kPi / 2);
    cairo_arc(c, a + fRadius, b - fRadius, fRadius, kPi / 2, kPi);
    cairo_arc(c, a + fRadius, a + fRadius, fRadius, kPi, 3 * kPi / 2);
    cairo_close_path(c);
}

void PaintWater(cairo_t* c, bool bDetail)
{
    TilePath(c, 3, 20);
    FillVertical(c, 3, 97, ParseColour("FF3FD0E8"), ParseColour("FF0A3474"));
    cairo_save(c);
    TilePath(c, 3, 20);
    cairo_clip(c);
    PaintGlow(c, 30, 14, 46, ParseColour("FFFFFFFF"), 0.35);
    if (bDetail) {
        // Sun rays slanting down from the surface.
        for (int i = 0; i < 3; ++i) {
            const double x = 22 + 24 * i;
            cairo_move_to(c, x, 0);
            cairo_line_to(c, x + 9, 0);
            cairo_line_to(c, x - 8, 100);
            cairo_line_to(c, x - 20, 100);
            cairo_close_path(c);
            SetColour(c, ParseColour("FFFFFFFF"), 0.07);
            cairo_fill(c);
        }
        // Sand under the trunk.
        cairo_move_to(c, 0, 86);
        cairo_curve_to(c, 30, 78, 70, 80, 100, 84);
        cairo_line_to(c, 100, 100);
        cairo_line_to(c, 0, 100);
        cairo_close_path(c);
        FillVertical(c, 78, 100, ParseColour("FFF2D48A"), ParseColour("FFC79A4E"));
    }
    cairo_restore(c);
    TilePath(c, 3, 20);
    cairo_set_line_width(c, bDetail ? 2.0 : 4.0);
    SetColour(c, ParseColour("FF082A5C"));
    cairo_stroke(c);
}

void PaintItem(cairo_t* c, const std::map<std::string, SKind>& kinds, const std::string& strKind, double x, double y,
               double fScale, double fAngle, const SMotion& motion)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_rotate(c, fAngle);
    cairo_scale(c, fScale, fScale);
    FindPainter(strKind)(c, kinds.at(strKind), motion);
    cairo_restore(c);
}

void PaintIcon(cairo_t* c, const std::map<std::string, SKind>& kinds, int nPixels)
{
    const bool bDetail = nPixels >= kDetailPixels;
    PaintWater(c, bDetail);
    SMotion trunk;
    trunk.fOpen = 0.45;
    if (bDetail) {
        PaintGlow(c, 70, 66, 24, ParseColour("FFFFE07A"), 0.55);
        PaintItem(c, kinds, "trunk", 70, 72, 0.5, 0.0, trunk);
        DrawBubble(c, 74, 22, 5, 0.9);
        DrawBubble(c, 83, 12, 3.2, 0.8);
        DrawBubble(c, 68, 34, 2.4, 0.7);
        DrawSparkle(c, 80, 56, 7, 0.9);
    } else {
        PaintItem(c, kinds, "trunk", 72, 74, 0.48, 0.0, trunk);
    }
    SMotion fish;
    fish.fSway = 0.5;
    PaintItem(c, kinds, "clown", bDetail ? 44 : 46, bDetail ? 40 : 40, bDetail ? 0.8 : 0.92, -0.18, fish);
}

}  // namespace

std::vector<std::string> GenerateIcons(const std::string& strSourceDir, const std::string& strOutDir)
{
    const std::map<std::string, SKind> kinds = ReadKinds(strSourceDir + "/kinds.txt");
    std::vector<std::string> written;
    for (int nPixels : kIconSizes) {
        CCanvas canvas(nPixels, nPixels);
        cairo_t* c = canvas.Context();
        cairo_scale(c, nPixels / 100.0, nPixels / 100.0);
        PaintIcon(c, kinds, nPixels);
        written.push_back("quellon_" + std::to_string(nPixels) + ".png");
        canvas.WritePng(strOutDir + "/" + written.back());
    }
    return written;
}

}  // namespace Art
