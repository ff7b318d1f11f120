// Hint bubbles, tooltips, the time-out message, the loading bar and the
// power-up chooser's cabin: parchment in brass and timber, so that text in
// the GUI's dark-brown ink reads on it.
#include <cmath>

#include "art_hud.h"
#include "art_hud_parts.h"
#include "art_items.h"

namespace Art {

namespace {

const SHudColours& K()
{
    return HudColours();
}

// A parchment sheet with a brass rim, filling the rounded rectangle.
void Parchment(cairo_t* c, double x, double y, double w, double h, double r, unsigned nSeed)
{
    WithShadow(c, [&](cairo_t* d) {
        RoundedRect(d, x, y, w, h, r);
        cairo_pattern_t* pPaper = cairo_pattern_create_radial(x + w * 0.4, y + h * 0.35, 4, x + w / 2, y + h / 2,
                                                              std::max(w, h) * 0.7);
        cairo_pattern_add_color_stop_rgb(pPaper, 0, 1.0, 0.97, 0.86);
        cairo_pattern_add_color_stop_rgb(pPaper, 0.7, K().parchment.r, K().parchment.g, K().parchment.b);
        cairo_pattern_add_color_stop_rgb(pPaper, 1, K().parchmentDark.r, K().parchmentDark.g, K().parchmentDark.b);
        cairo_set_source(d, pPaper);
        cairo_fill_preserve(d);
        cairo_pattern_destroy(pPaper);
        SetColour(d, K().brass);
        cairo_set_line_width(d, 4);
        cairo_stroke_preserve(d);
        SetColour(d, K().brassDark);
        cairo_set_line_width(d, 1.2);
        cairo_stroke(d);
    });
    // Faint stains, never strong enough to fight the text.
    CRandom random(nSeed);
    cairo_save(c);
    RoundedRect(c, x + 3, y + 3, w - 6, h - 6, r);
    cairo_clip(c);
    for (int i = 0; i < 5; ++i)
        PaintGlow(c, random.Range(x, x + w), random.Range(y, y + h), random.Range(12, 30), K().parchmentDark, 0.18);
    cairo_restore(c);
    for (double cx : {x + 6, x + w - 6})
        for (double cy : {y + 6, y + h - 6})
            PaintRivet(c, cx, cy, 2.6);
}

// A small cross engraved where the game draws its brass close marker when
// the mouse comes near, so that the way out shows before then.
void EngravedCross(cairo_t* c, double cx, double cy, double r)
{
    cairo_save(c);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(c, cx - r, cy - side * r);
        cairo_line_to(c, cx + r, cy + side * r);
    }
    SetColour(c, K().ink, 0.55);
    cairo_set_line_width(c, 2.2);
    cairo_stroke(c);
    cairo_restore(c);
}

void PaintTooltip(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    Parchment(c, 3, 3, w - 9, h - 9, 14, 61);
    EngravedCross(c, w - 24, 22, 5);
    // The "don't show again" box at the lower left, where the check mark
    // goes, and what it does.
    RoundedRect(c, 24, h - 52, 20, 20, 3);
    SetColour(c, {1, 1, 1, 1}, 0.6);
    cairo_fill_preserve(c);
    SetColour(c, K().ink);
    cairo_set_line_width(c, 1.6);
    cairo_stroke(c);
    cairo_save(c);
    cairo_select_font_face(c, "Open Sans", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(c, 12);
    SetColour(c, K().ink, 0.85);
    cairo_move_to(c, 50, h - 37);
    cairo_show_text(c, "Don't show tips again");
    cairo_restore(c);
}

void PaintClose(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    const double cx = w / 2.0, cy = h / 2.0, r = w / 2.0 - 2;
    cairo_arc(c, cx, cy, r, 0, 2 * kPi);
    PaintBrass(c, cx - r, cy - r, 2 * r, 2 * r, 0);
    cairo_new_path(c);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(c, cx - r * 0.45, cy - side * r * 0.45);
        cairo_line_to(c, cx + r * 0.45, cy + side * r * 0.45);
    }
    SetColour(c, ParseColour("8E191E"));
    cairo_set_line_width(c, 3.2);
    cairo_stroke(c);
}

void CheckMark(cairo_t* c, double cx, double cy, double s)
{
    cairo_move_to(c, cx - s * 0.5, cy);
    cairo_line_to(c, cx - s * 0.1, cy + s * 0.4);
    cairo_line_to(c, cx + s * 0.6, cy - s * 0.55);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    SetColour(c, ParseColour("0E3A12"));
    cairo_set_line_width(c, s * 0.34);
    cairo_stroke_preserve(c);
    SetColour(c, ParseColour("5AD25A"));
    cairo_set_line_width(c, s * 0.2);
    cairo_stroke(c);
}

void PaintCheck(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    CheckMark(c, w / 2.0, h / 2.0, w * 0.7);
}

void PaintCheckBox(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    RoundedRect(c, 3, 3, w - 6, h - 6, 4);
    PaintBrass(c, 3, 3, w - 6, h - 6, 0.3);
    cairo_new_path(c);
    RoundedRect(c, 7, 7, w - 14, h - 14, 2);
    SetColour(c, K().parchment);
    cairo_fill(c);
}

// A hover hint's bubble. Its text window starts 5 pixels in and is 33
// narrower and 18 lower than the picture, so the paper is centred on the
// text; the chooser's bubble so also ends clear of the portholes below.
void PaintHintBubble(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    Parchment(c, 0, 1, w - 20, h - 13, 12, 67);
}

void PaintMessage(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // A timber board with a parchment for the text and a small one below
    // it for the OK button, whose ochre label is made to be read on paper.
    WithShadow(c, [&](cairo_t* d) {
        RoundedRect(d, 4, 4, w - 12, h - 12, 16);
        PaintTimber(d, 4, 4, w - 12, h - 12, false, 71);
        cairo_new_path(d);
    }, 5, 5, 0.5);
    Parchment(c, 26, 14, w - 52, 118, 10, 73);
    Parchment(c, 94, 144, 116, 32, 8, 75);
    for (double x : {14.0, double(w) - 22})
        for (double y : {14.0, double(h) - 22})
            PaintRivet(c, x, y, 3);
}

// The loading tube: glass from x 322 to 709 between brass caps; the
// visible screen shows x 112 to 912 of the picture.
const double TUBE_LEFT = 322, TUBE_RIGHT = 709;

void PaintLoadingBack(cairo_t* c, const SSpriteContext&, int, int h, double t)
{
    WithShadow(c, [&](cairo_t* d) {
        RoundedRect(d, TUBE_LEFT - 22, 6, TUBE_RIGHT - TUBE_LEFT + 44, h - 14, (h - 14) / 2.0);
        PaintBrass(d, TUBE_LEFT - 22, 6, TUBE_RIGHT - TUBE_LEFT + 44, h - 14, 0.4);
        cairo_new_path(d);
    });
    RoundedRect(c, TUBE_LEFT, 14, TUBE_RIGHT - TUBE_LEFT, h - 30, (h - 30) / 2.0);
    FillVertical(c, 14, h - 16, ParseColour("0A2E4C"), ParseColour("06213F"));
    cairo_new_path(c);
    CRandom random(79);
    for (int i = 0; i < 14; ++i) {
        const double x = random.Range(TUBE_LEFT + 10, TUBE_RIGHT - 10);
        const double y = std::fmod(random.Range(0, h) - t * 12 + h, h - 34) + 17;
        DrawBubble(c, x, y, random.Range(1.5, 3), 0.35);
    }
    for (double x : {TUBE_LEFT - 11, TUBE_RIGHT + 11})
        PaintRivet(c, x, h / 2.0 - 1, 4);
}

void PaintLoadingBar(cairo_t* c, const SSpriteContext&, int, int h, double t)
{
    // Glowing water filling the tube; the left end is rounded so the bar
    // starts softly at 0 %.
    RoundedRect(c, TUBE_LEFT + 3, 17, TUBE_RIGHT - TUBE_LEFT - 6, h - 36, (h - 36) / 2.0);
    FillVertical(c, 17, h - 19, ParseColour("8AF2E0"), ParseColour("128A78"));
    cairo_new_path(c);
    RoundedRect(c, TUBE_LEFT + 8, 20, TUBE_RIGHT - TUBE_LEFT - 16, 7, 3.5);
    SetColour(c, {1, 1, 1, 1}, 0.45);
    cairo_fill(c);
    CRandom random(83);
    for (int i = 0; i < 24; ++i) {
        const double x = std::fmod(random.Range(TUBE_LEFT, TUBE_RIGHT) + t * 24, TUBE_RIGHT - TUBE_LEFT - 12) +
                         TUBE_LEFT + 6;
        DrawBubble(c, x, random.Range(24, h - 26), random.Range(1.5, 3), 0.7);
    }
}

void PaintLoadingMarker(cairo_t* c, const SSpriteContext& context, int w, int h, double t)
{
    // A clownfish from the board swims along at the bar's end.
    PaintGlow(c, w / 2.0, h / 2.0, w / 2.0, K().glow, 0.35);
    cairo_save(c);
    cairo_translate(c, w / 2.0, h / 2.0 + 2 * std::sin(2 * kPi * t));
    cairo_scale(c, w / 100.0 * 0.9, h / 100.0 * 0.9);
    SMotion motion;
    motion.fBeat = t;
    FindPainter("clown")(c, context.kinds.at("clown"), motion);
    cairo_restore(c);
}

void PaintCabin(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // The captain's cabin of the wreck: planked walls in the green light
    // that comes through two portholes, beams overhead.
    for (int y = 0; y < h; y += 40) {
        cairo_rectangle(c, 0, y, w, 40);
        PaintTimber(c, 0, y, w, 40, false, unsigned(101 + y));
        cairo_new_path(c);
    }
    cairo_rectangle(c, 0, 0, w, h);
    cairo_pattern_t* pTint = cairo_pattern_create_radial(w / 2.0, h * 0.4, 40, w / 2.0, h / 2.0, w * 0.7);
    cairo_pattern_add_color_stop_rgba(pTint, 0, 1.0, 0.85, 0.5, 0.12);
    cairo_pattern_add_color_stop_rgba(pTint, 1, 0.05, 0.03, 0.02, 0.55);
    cairo_set_source(c, pTint);
    cairo_fill(c);
    cairo_pattern_destroy(pTint);
    for (double x : {40.0, double(w) - 40}) {
        cairo_arc(c, x, h * 0.45, 34, 0, 2 * kPi);
        PaintGlass(c, x, h * 0.45, 34, 1.0);
        cairo_new_path(c);
        PaintGlow(c, x, h * 0.45, 70, ParseColour("9AE8E0"), 0.35);
        cairo_arc(c, x, h * 0.45, 40, 0, 2 * kPi);
        cairo_arc_negative(c, x, h * 0.45, 32, 2 * kPi, 0);
        PaintBrass(c, x - 40, h * 0.45 - 40, 80, 80, 0.5);
        cairo_new_path(c);
    }
    for (double x : {120.0, 400.0, 680.0}) {
        cairo_rectangle(c, x - 16, 0, 32, 30);
        PaintTimber(c, x - 16, 0, 32, 30, true, unsigned(x));
        cairo_new_path(c);
    }
    PaintBarnacles(c, 60, h - 40, 20, 89);
    PaintWeed(c, 30, h, 60, 6);
    PaintWeed(c, w - 50, h, 70, -5);
}

void PaintChooserFrame(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // A sea chart in a timber frame; a ship's wheel crowns it.
    WithShadow(c, [&](cairo_t* d) {
        RoundedRect(d, 6, 30, w - 16, h - 40, 22);
        PaintTimber(d, 6, 30, w - 16, h - 40, false, 97);
        cairo_new_path(d);
    }, 6, 6, 0.55);
    Parchment(c, 26, 50, w - 56, h - 80, 14, 103);
    // The wheel at the top centre.
    const double cx = w / 2.0, cy = 36;
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        cairo_move_to(c, cx, cy);
        cairo_line_to(c, cx + std::cos(a) * 34, cy + std::sin(a) * 34);
    }
    SetColour(c, K().woodDark);
    cairo_set_line_width(c, 7);
    cairo_stroke(c);
    cairo_arc(c, cx, cy, 25, 0, 2 * kPi);
    cairo_arc_negative(c, cx, cy, 18, 2 * kPi, 0);
    PaintTimber(c, cx - 25, cy - 25, 50, 50, false, 107);
    cairo_new_path(c);
    cairo_arc(c, cx, cy, 7, 0, 2 * kPi);
    PaintBrass(c, cx - 7, cy - 7, 14, 14, 0);
    cairo_new_path(c);
    // A faint compass rose behind the text.
    cairo_save(c);
    cairo_translate(c, w - 90, h - 90);
    for (int i = 0; i < 8; ++i) {
        cairo_move_to(c, 0, 0);
        cairo_line_to(c, std::cos(i * kPi / 4 - 0.2) * 10, std::sin(i * kPi / 4 - 0.2) * 10);
        cairo_line_to(c, std::cos(i * kPi / 4) * (i % 2 ? 28 : 44), std::sin(i * kPi / 4) * (i % 2 ? 28 : 44));
        cairo_close_path(c);
    }
    SetColour(c, K().parchmentDark, 0.5);
    cairo_fill(c);
    cairo_restore(c);
}

void PaintItemBox(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // A brass porthole the creature looks through; the centre stays open.
    const double cx = w / 2.0, cy = h / 2.0, r = w / 2.0 - 3;
    cairo_arc(c, cx, cy, r - 10, 0, 2 * kPi);
    SetColour(c, K().glass, 0.18);
    cairo_fill(c);
    WithShadow(c, [&](cairo_t* d) {
        cairo_arc(d, cx, cy, r, 0, 2 * kPi);
        cairo_arc_negative(d, cx, cy, r - 10, 2 * kPi, 0);
        PaintBrass(d, cx - r, cy - r, 2 * r, 2 * r, 0.45);
        cairo_new_path(d);
    });
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3 + kPi / 6;
        PaintRivet(c, cx + std::cos(a) * (r - 5), cy + std::sin(a) * (r - 5), 2.2);
    }
    cairo_arc(c, cx - r * 0.2, cy - r * 0.2, r * 0.6, kPi * 1.05, kPi * 1.5);
    SetColour(c, {1, 1, 1, 1}, 0.4);
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
}

void PaintCheckCheck(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    CheckMark(c, w / 2.0, h / 2.0, w * 0.62);
}

}  // namespace

void AddScreenPainters(std::map<std::string, HudPainter>& painters)
{
    painters["tooltip_bg"] = PaintTooltip;
    painters["x"] = PaintClose;
    painters["check"] = PaintCheck;
    painters["win_hint"] = PaintHintBubble;
    painters["powerup_hint"] = PaintHintBubble;
    painters["message_bg"] = PaintMessage;
    painters["loading_bg"] = PaintLoadingBack;
    painters["loading_fg"] = PaintLoadingBar;
    painters["loading_ufo"] = PaintLoadingMarker;
    painters["kayuta"] = PaintCabin;
    painters["ramka&backgr"] = PaintChooserFrame;
    painters["bonuses-boxes"] = PaintItemBox;
    painters["check-box"] = PaintCheckBox;
    painters["check_check"] = PaintCheckCheck;
}

}  // namespace Art
