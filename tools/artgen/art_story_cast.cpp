// The story's cast: Mira, Grandpa Tobias, Olga the turtle, and the board's
// own fish (Pip the clownfish, the anglerfish, the crabs, the trunk).
#include <cmath>
#include <stdexcept>

#include "art_items.h"
#include "art_story.h"

namespace Art {

namespace {

const SColour kInk = ParseColour("241610");
const SColour kSkin = ParseColour("C98A5E");
const SColour kHair = ParseColour("3A2012");
const SColour kBandana = ParseColour("E0302A");
const SColour kSuit = ParseColour("FFC928");
const SColour kFin = ParseColour("2FB36A");
const SColour kMask = ParseColour("7FD8FF");

void Ink(cairo_t* c, const SColour& fill, double fWidth)
{
    SetColour(c, fill);
    cairo_fill_preserve(c);
    SetColour(c, kInk);
    cairo_set_line_width(c, fWidth);
    cairo_stroke(c);
}

// A limb: an inked stroke, then the fill colour over it.
void Limb(cairo_t* c, double x0, double y0, double x1, double y1, double fWidth, const SColour& fill)
{
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(c, x0, y0);
    cairo_line_to(c, x1, y1);
    SetColour(c, kInk);
    cairo_set_line_width(c, fWidth + 3);
    cairo_stroke(c);
    cairo_move_to(c, x0, y0);
    cairo_line_to(c, x1, y1);
    SetColour(c, fill);
    cairo_set_line_width(c, fWidth);
    cairo_stroke(c);
}

void Face(cairo_t* c, double x, double y, double r, bool bMaskOn)
{
    if (bMaskOn) {
        cairo_save(c);
        cairo_translate(c, x + r * 0.25, y - r * 0.1);
        cairo_scale(c, r * 0.85, r * 0.5);
        cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(c);
        SetColour(c, kMask, 0.85);
        cairo_fill_preserve(c);
        SetColour(c, ParseColour("1E5A8A"));
        cairo_set_line_width(c, 2.2);
        cairo_stroke(c);
    }
    for (double dx : {-0.05, 0.55}) {
        cairo_arc(c, x + r * dx, y - r * 0.1, r * 0.13, 0, 2 * kPi);
        SetColour(c, kInk);
        cairo_fill(c);
        cairo_arc(c, x + r * dx + r * 0.04, y - r * 0.15, r * 0.045, 0, 2 * kPi);
        cairo_set_source_rgb(c, 1, 1, 1);
        cairo_fill(c);
    }
    cairo_arc(c, x + r * 0.3, y + r * 0.3, r * 0.28, 0.15 * kPi, 0.85 * kPi);
    SetColour(c, kInk);
    cairo_set_line_width(c, 1.6);
    cairo_stroke(c);
    cairo_arc(c, x + r * 0.85, y + r * 0.25, r * 0.15, 0, 2 * kPi);
    SetColour(c, ParseColour("FF7A7A"), 0.45);
    cairo_fill(c);
}

void MiraHead(cairo_t* c, double r, bool bMaskOn)
{
    // Ponytail behind, then the head, hair cap, bandana and its knot.
    cairo_move_to(c, -r * 0.8, -r * 0.4);
    cairo_curve_to(c, -r * 2.0, -r * 0.5, -r * 2.2, r * 0.7, -r * 1.7, r * 1.3);
    cairo_curve_to(c, -r * 1.5, r * 0.6, -r * 1.1, r * 0.2, -r * 0.7, r * 0.1);
    cairo_close_path(c);
    Ink(c, kHair, 2);
    cairo_arc(c, 0, 0, r, 0, 2 * kPi);
    Ink(c, kSkin, 2.2);
    cairo_arc(c, 0, 0, r, kPi * 1.02, kPi * 1.98);
    cairo_curve_to(c, r * 0.5, -r * 0.55, -r * 0.5, -r * 0.35, -r, r * 0.1);
    cairo_close_path(c);
    Ink(c, kHair, 2);
    cairo_arc(c, 0, 0, r * 1.02, kPi * 1.1, kPi * 1.9);
    cairo_arc_negative(c, 0, 0, r * 0.8, kPi * 1.85, kPi * 1.15);
    cairo_close_path(c);
    Ink(c, kBandana, 1.8);
    cairo_move_to(c, -r * 0.85, -r * 0.55);
    cairo_line_to(c, -r * 1.45, -r * 0.85);
    cairo_line_to(c, -r * 1.3, -r * 0.35);
    cairo_close_path(c);
    Ink(c, kBandana, 1.8);
    Face(c, r * 0.15, r * 0.15, r * 0.75, bMaskOn);
}

struct SArms {
    double lx, ly, rx, ry;
};

SArms ArmsFor(EPose pose)
{
    switch (pose) {
    case EPose::Wave: return {-20, -40, 26, -100};
    case EPose::Cheer: return {-24, -102, 24, -102};
    case EPose::Hold: return {14, -56, 22, -58};
    case EPose::Swim:
    case EPose::Dive: return {10, -110, 20, -108};
    case EPose::Sit: return {-14, -44, 18, -48};
    default: return {-16, -42, 16, -42};
    }
}

}  // namespace

void PaintMira(cairo_t* c, double x, double y, double s, EPose pose, bool bFlip, bool bMaskOn)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, bFlip ? -s : s, s);
    const bool bInWater = pose == EPose::Swim || pose == EPose::Dive;
    if (bInWater) {
        // Swimming: the standing figure laid forward, head first.
        cairo_translate(c, 0, -10);
        cairo_rotate(c, pose == EPose::Dive ? kPi * 0.75 : kPi * 0.5);
        cairo_translate(c, 0, 50);
    }
    const SArms arms = ArmsFor(pose);
    if (pose == EPose::Sit) {
        Limb(c, -6, -40, 18, -38, 8, kSkin);
        Limb(c, 18, -38, 20, -10, 7, kSkin);
        Limb(c, 6, -40, 28, -36, 8, kSkin);
        Limb(c, 28, -36, 30, -8, 7, kSkin);
    } else {
        const double fSpread = bInWater ? 4 : 7;
        Limb(c, -6, -42, -fSpread - 2, -4, 8, kSkin);
        Limb(c, 6, -42, fSpread + 2, -4, 8, kSkin);
        if (bInWater) {
            for (double fx : {-fSpread - 2, fSpread + 2}) {
                cairo_move_to(c, fx - 5, -6);
                cairo_line_to(c, fx + 5, -6);
                cairo_line_to(c, fx + 9, 18);
                cairo_line_to(c, fx - 9, 18);
                cairo_close_path(c);
                Ink(c, kFin, 2);
            }
        }
    }
    Limb(c, -10, -70, arms.lx, arms.ly, 7, kSkin);
    // Body: a yellow swimsuit.
    cairo_move_to(c, -12, -74);
    cairo_curve_to(c, -15, -60, -13, -46, -10, -38);
    cairo_line_to(c, 10, -38);
    cairo_curve_to(c, 13, -46, 15, -60, 12, -74);
    cairo_close_path(c);
    Ink(c, kSuit, 2.2);
    cairo_move_to(c, -11, -56);
    cairo_line_to(c, 11, -56);
    SetColour(c, ParseColour("F08A1A"));
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    Limb(c, 10, -70, arms.rx, arms.ry, 7, kSkin);
    cairo_translate(c, 0, -90);
    MiraHead(c, 15, bMaskOn);
    cairo_restore(c);
}

void PaintGrandpa(cairo_t* c, double x, double y, double s, bool bHelmet, bool bFlip)
{
    const SColour suit = bHelmet ? ParseColour("8A6A3A") : ParseColour("2A3E6E");
    const SColour brass = ParseColour("D8A440");
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, bFlip ? -s : s, s);
    Limb(c, -9, -48, -11, -4, 12, suit);
    Limb(c, 9, -48, 11, -4, 12, suit);
    for (double fx : {-12.0, 12.0}) {
        cairo_rectangle(c, fx - 9, -8, 18, 9);
        Ink(c, ParseColour("3A2A1A"), 2);
    }
    Limb(c, -16, -80, -24, -44, 10, suit);
    cairo_move_to(c, -18, -86);
    cairo_curve_to(c, -22, -66, -18, -50, -15, -42);
    cairo_line_to(c, 15, -42);
    cairo_curve_to(c, 18, -50, 22, -66, 18, -86);
    cairo_close_path(c);
    Ink(c, suit, 2.2);
    Limb(c, 16, -80, 26, -50, 10, suit);
    if (bHelmet) {
        cairo_arc(c, 0, -104, 22, 0, 2 * kPi);
        Ink(c, brass, 2.5);
        cairo_arc(c, 4, -104, 12, 0, 2 * kPi);
        Ink(c, ParseColour("9AD4F0"), 2.5);
        cairo_arc(c, 7, -108, 4, 0, 2 * kPi);
        cairo_set_source_rgba(c, 1, 1, 1, 0.8);
        cairo_fill(c);
        for (double a : {0.0, 0.5 * kPi, kPi, 1.5 * kPi}) {
            cairo_arc(c, 4 + 15 * std::cos(a), -104 + 15 * std::sin(a), 2.2, 0, 2 * kPi);
            Ink(c, Lighter(brass, 0.4), 1);
        }
        cairo_restore(c);
        return;
    }
    // Head: skin, white hair and a big white beard, a captain's cap.
    cairo_arc(c, 0, -100, 15, 0, 2 * kPi);
    Ink(c, ParseColour("E0A47A"), 2);
    cairo_move_to(c, -15, -100);
    cairo_curve_to(c, -18, -76, 18, -76, 15, -100);
    cairo_curve_to(c, 8, -92, -8, -92, -15, -100);
    Ink(c, ParseColour("F4F4F0"), 2);
    for (double dx : {-5.0, 5.0}) {
        cairo_arc(c, dx, -104, 2, 0, 2 * kPi);
        SetColour(c, kInk);
        cairo_fill(c);
    }
    cairo_move_to(c, -17, -110);
    cairo_line_to(c, -16, -122);
    cairo_line_to(c, 16, -122);
    cairo_line_to(c, 17, -110);
    cairo_close_path(c);
    Ink(c, ParseColour("1E2A4A"), 2);
    cairo_rectangle(c, -19, -112, 38, 4);
    Ink(c, ParseColour("111111"), 1.5);
    cairo_arc(c, 0, -117, 3, 0, 2 * kPi);
    Ink(c, brass, 1);
    cairo_restore(c);
}

void PaintTurtle(cairo_t* c, double x, double y, double s, bool bFlip)
{
    const SColour skin = ParseColour("7CC08A");
    const SColour shell = ParseColour("6A8A3A");
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, bFlip ? -s : s, s);
    for (int i = 0; i < 2; ++i) {
        cairo_save(c);
        cairo_translate(c, i ? 30 : -40, i ? -28 : -18);
        cairo_rotate(c, i ? -0.6 : 0.5);
        cairo_scale(c, 34, 10);
        cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(c);
        Ink(c, skin, 2);
    }
    cairo_move_to(c, 40, -40);
    cairo_curve_to(c, 60, -52, 78, -52, 84, -40);
    cairo_curve_to(c, 86, -26, 70, -22, 46, -30);
    cairo_close_path(c);
    Ink(c, skin, 2);
    cairo_arc(c, 72, -42, 4.5, 0, 2 * kPi);
    SetColour(c, kInk);
    cairo_fill(c);
    cairo_arc(c, 73, -43.5, 1.5, 0, 2 * kPi);
    cairo_set_source_rgb(c, 1, 1, 1);
    cairo_fill(c);
    cairo_arc(c, 74, -32, 6, 0.2 * kPi, 0.8 * kPi);
    SetColour(c, kInk);
    cairo_set_line_width(c, 1.6);
    cairo_stroke(c);
    // Shell with its plates.
    cairo_save(c);
    cairo_translate(c, 0, -40);
    cairo_scale(c, 48, 30);
    cairo_arc(c, 0, 0, 1, kPi, 2 * kPi);
    cairo_restore(c);
    cairo_close_path(c);
    Ink(c, shell, 2.5);
    const SColour plate = Lighter(shell, 0.25);
    for (int i = -1; i <= 1; ++i) {
        cairo_save(c);
        cairo_translate(c, i * 26, -50 + std::abs(i) * 6);
        cairo_scale(c, 11, 8);
        cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(c);
        Ink(c, plate, 1.5);
    }
    cairo_rectangle(c, -48, -42, 96, 5);
    Ink(c, ParseColour("C8B070"), 1.8);
    cairo_restore(c);
}

void PaintKindAt(cairo_t* c, const SStoryArt& art, const std::string& strKind, double x, double y, double fSize,
                 bool bFlip, double fSway)
{
    const auto it = art.kinds.find(strKind);
    if (it == art.kinds.end())
        throw std::runtime_error("story: no kind \"" + strKind + "\" in kinds.txt");
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, (bFlip ? -fSize : fSize) / 100.0, fSize / 100.0);
    cairo_rectangle(c, -60, -60, 120, 120);
    cairo_clip(c);
    SMotion motion;
    motion.fSway = fSway;
    FindPainter(strKind)(c, it->second, motion);
    cairo_restore(c);
}

void PaintPip(cairo_t* c, const SStoryArt& art, double x, double y, double fSize, bool bFlip)
{
    PaintKindAt(c, art, "clown", x, y, fSize, bFlip, 0.4);
}

void PaintTrunkAt(cairo_t* c, const SStoryArt& art, double x, double y, double fSize, bool bOpen)
{
    if (bOpen)
        PaintGlowAt(c, x, y - fSize * 0.2, fSize * 0.8, "FFE070", 0.7);
    const auto it = art.kinds.find("trunk");
    if (it == art.kinds.end())
        throw std::runtime_error("story: no kind \"trunk\" in kinds.txt");
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, fSize / 100.0, fSize / 100.0);
    cairo_rectangle(c, -60, -60, 120, 120);
    cairo_clip(c);
    SMotion motion;
    motion.fOpen = bOpen ? 1.0 : 0.0;
    FindPainter("trunk")(c, it->second, motion);
    cairo_restore(c);
}

}  // namespace Art
