// The dialog after a won level: a treasure cave lit gold from an open
// chest on the left, a brass score plaque on the right whose dark wells
// hold the five rolling counters, the chest's front wall drawn in front of
// everything, the treasure pile that rises inside it and the counters'
// digit strip.
//
// Screen layout in pixels: the counters' first digits are centred at
// x 620 on rows y 94, 125, 156, 187 and 218, seven digits 11 apart; the
// front wall stands with its bottom-left corner at (30, 600); items fall
// between x 70 and 408 and vanish at y 537, behind the wall; the pile is
// centred on x 236, from y 578 (first level) up to y 458.
// The rules page's seahorse with its coin is drawn here too, with the
// same gold.
#include <cmath>
#include <string>

#include "art_hud.h"
#include "art_hud_parts.h"
#include "art_items.h"

namespace Art {

namespace {

const SColour GOLD = ParseColour("FFD65A");
const SColour GOLD_LIGHT = ParseColour("FFF6C8");
const SColour GOLD_DEEP = ParseColour("7A4A08");
const SColour GOLD_DARK = ParseColour("3A2004");
const SColour CAVE_TOP = ParseColour("0E4E86");
const SColour CAVE_DEEP = ParseColour("061C38");

// Where the chest and the counters stand in screen pixels.
const double CHEST_LEFT = 30, CHEST_RIGHT = 450, CHEST_RIM = 490;
const double COUNTER_X = 620, COUNTER_ROW0 = 94, COUNTER_ROW_STEP = 31;
const double DIGIT_STEP = 11;
const int COUNTER_DIGITS = 7;
const char* const COUNTER_LABELS[] = {"Level score", "Combo bonus", "Time bonus", "Level total", "Total"};

void TextPath(cairo_t* c, const char* pszText, const char* pszFace, bool bItalic, double fSize, double x, double cy,
              double fAlign)
{
    cairo_select_font_face(c, pszFace, bItalic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(c, fSize);
    cairo_text_extents_t extents;
    cairo_text_extents(c, pszText, &extents);
    cairo_move_to(c, x - extents.width * fAlign - extents.x_bearing, cy - extents.height / 2 - extents.y_bearing);
    cairo_text_path(c, pszText);
}

// Gold lettering with a dark rim; fAlign 0 left, 0.5 centred, 1 right.
void GoldText(cairo_t* c, const char* pszText, const char* pszFace, bool bItalic, double fSize, double x, double cy,
              double fAlign)
{
    cairo_save(c);
    TextPath(c, pszText, pszFace, bItalic, fSize, x, cy, fAlign);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    SetColour(c, GOLD_DARK);
    cairo_set_line_width(c, fSize * 0.16);
    cairo_stroke_preserve(c);
    FillVertical(c, cy - fSize * 0.5, cy + fSize * 0.4, GOLD_LIGHT, ParseColour("E09A18"));
    cairo_new_path(c);
    cairo_restore(c);
}

// A gold coin seen at a slant, with a rim and a glint.
void PaintCoin(cairo_t* c, double x, double y, double r, double fTilt)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, 1.0, fTilt);
    cairo_arc(c, 0, 0, r, 0, 2 * kPi);
    cairo_pattern_t* pFace = cairo_pattern_create_radial(-r * 0.4, -r * 0.4, r * 0.1, 0, 0, r);
    cairo_pattern_add_color_stop_rgb(pFace, 0, GOLD_LIGHT.r, GOLD_LIGHT.g, GOLD_LIGHT.b);
    cairo_pattern_add_color_stop_rgb(pFace, 0.6, GOLD.r, GOLD.g, GOLD.b);
    cairo_pattern_add_color_stop_rgb(pFace, 1, GOLD_DEEP.r, GOLD_DEEP.g, GOLD_DEEP.b);
    cairo_set_source(c, pFace);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pFace);
    SetColour(c, GOLD_DARK, 0.8);
    cairo_set_line_width(c, r * 0.12);
    cairo_stroke(c);
    cairo_arc(c, 0, 0, r * 0.68, 0, 2 * kPi);
    SetColour(c, GOLD_DEEP, 0.55);
    cairo_set_line_width(c, r * 0.08);
    cairo_stroke(c);
    cairo_restore(c);
}

// A cut gem: a faceted disc of colour with a white facet of light.
void PaintGem(cairo_t* c, double x, double y, double r, const SColour& colour)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_new_path(c);
    for (int i = 0; i < 8; ++i)
        cairo_line_to(c, r * std::cos(i * kPi / 4 + kPi / 8), r * std::sin(i * kPi / 4 + kPi / 8));
    cairo_close_path(c);
    cairo_pattern_t* pBody = cairo_pattern_create_linear(-r, -r, r, r);
    const SColour light = Lighter(colour, 0.5), dark = Darker(colour, 0.45);
    cairo_pattern_add_color_stop_rgb(pBody, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(pBody, 1, dark.r, dark.g, dark.b);
    cairo_set_source(c, pBody);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pBody);
    SetColour(c, Darker(colour, 0.7));
    cairo_set_line_width(c, 1.2);
    cairo_stroke(c);
    cairo_move_to(c, -r * 0.5, -r * 0.1);
    cairo_line_to(c, -r * 0.1, -r * 0.55);
    cairo_line_to(c, r * 0.15, -r * 0.3);
    cairo_close_path(c);
    cairo_set_source_rgba(c, 1, 1, 1, 0.8);
    cairo_fill(c);
    cairo_restore(c);
}

void PaintPearl(cairo_t* c, double x, double y, double r)
{
    cairo_pattern_t* pPearl = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.35, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgb(pPearl, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(pPearl, 0.7, 0.93, 0.88, 0.92);
    cairo_pattern_add_color_stop_rgb(pPearl, 1, 0.62, 0.56, 0.66);
    cairo_set_source(c, pPearl);
    cairo_arc(c, x, y, r, 0, 2 * kPi);
    cairo_fill(c);
    cairo_pattern_destroy(pPearl);
}

// The chest's back wall and open lid, and the light rising out of it.
void PaintChestBack(cairo_t* c)
{
    const SHudColours& hud = HudColours();
    // The lid, thrown open and leaning back.
    cairo_move_to(c, CHEST_LEFT + 14, CHEST_RIM - 30);
    cairo_line_to(c, CHEST_LEFT - 6, 300);
    cairo_curve_to(c, 120, 250, 360, 250, CHEST_RIGHT + 6, 300);
    cairo_line_to(c, CHEST_RIGHT - 14, CHEST_RIM - 30);
    cairo_close_path(c);
    PaintTimber(c, CHEST_LEFT - 6, 255, CHEST_RIGHT - CHEST_LEFT + 12, 235, true, 71);
    cairo_new_path(c);
    for (double x : {CHEST_LEFT + 40.0, (CHEST_LEFT + CHEST_RIGHT) / 2, CHEST_RIGHT - 40.0}) {
        cairo_rectangle(c, x - 12, 262 + std::fabs(x - 240) * 0.12, 24, CHEST_RIM - 292 - std::fabs(x - 240) * 0.12);
        PaintBrass(c, x - 12, 262, 24, CHEST_RIM - 290, 0.15);
        StrokeEdge(c, hud.brass, 1.4);
        cairo_new_path(c);
    }
    // The inside, dark behind the pile.
    RoundedRect(c, CHEST_LEFT + 10, CHEST_RIM - 34, CHEST_RIGHT - CHEST_LEFT - 20, 60, 8);
    FillVertical(c, CHEST_RIM - 34, CHEST_RIM + 26, ParseColour("2A1608"), ParseColour("120802"));
    cairo_new_path(c);
    PaintGlow(c, 240, CHEST_RIM - 60, 260, GOLD, 0.55);
    PaintGlow(c, 240, CHEST_RIM - 20, 140, GOLD_LIGHT, 0.5);
}

// Rays of gold light fanning up out of the chest.
void PaintRays(cairo_t* c)
{
    CRandom random(23);
    for (int i = 0; i < 9; ++i) {
        const double fAngle = -kPi / 2 + random.Range(-0.9, 0.9), fWidth = random.Range(0.05, 0.11);
        cairo_move_to(c, 240, CHEST_RIM - 20);
        cairo_line_to(c, 240 + 700 * std::cos(fAngle - fWidth), CHEST_RIM - 20 + 700 * std::sin(fAngle - fWidth));
        cairo_line_to(c, 240 + 700 * std::cos(fAngle + fWidth), CHEST_RIM - 20 + 700 * std::sin(fAngle + fWidth));
        cairo_close_path(c);
        cairo_pattern_t* pRay = cairo_pattern_create_radial(240, CHEST_RIM - 20, 20, 240, CHEST_RIM - 20, 520);
        cairo_pattern_add_color_stop_rgba(pRay, 0, GOLD_LIGHT.r, GOLD_LIGHT.g, GOLD_LIGHT.b, 0.45);
        cairo_pattern_add_color_stop_rgba(pRay, 1, GOLD.r, GOLD.g, GOLD.b, 0);
        cairo_set_source(c, pRay);
        cairo_fill(c);
        cairo_pattern_destroy(pRay);
    }
}

// The sea floor of the cave, with coins and gems spilled on the sand.
void PaintCaveFloor(cairo_t* c, int w, int h)
{
    cairo_move_to(c, 0, h);
    for (int x = 0; x <= w; x += 10)
        cairo_line_to(c, x, h - 62 - 16 * std::sin(x * 0.013 + 0.4) - 8 * std::sin(x * 0.041));
    cairo_line_to(c, w, h);
    cairo_close_path(c);
    FillVertical(c, h - 90, h, ParseColour("E4C48A"), ParseColour("7A5A32"));
    cairo_new_path(c);
    CRandom random(41);
    for (int i = 0; i < 10; ++i)
        PaintWeed(c, random.Range(470, w), h - 40 + random.Range(0, 20), random.Range(60, 150),
                  random.Range(-0.4, 0.4));
    for (int i = 0; i < 16; ++i)
        PaintCoin(c, random.Range(470, w - 20), h - random.Range(12, 45), random.Range(6, 10), 0.45);
    const SColour gems[] = {ParseColour("E0304A"), ParseColour("2AA8E8"), ParseColour("3CC060")};
    for (int i = 0; i < 5; ++i)
        PaintGem(c, random.Range(480, w - 30), h - random.Range(14, 40), random.Range(6, 9), gems[i % 3]);
}

// The brass plaque on the right: a title, and five labelled wells that
// the counters roll in.
void PaintScorePlaque(cairo_t* c)
{
    const double x = 424, y = 20, w = 356, h = 242;
    WithShadow(c, [&](cairo_t* p) {
        RoundedRect(p, x, y, w, h, 18);
        PaintBrass(p, x, y, w, h, 0.25);
        StrokeEdge(p, HudColours().brass, 3);
        cairo_new_path(p);
        RoundedRect(p, x + 10, y + 10, w - 20, h - 20, 12);
        FillVertical(p, y + 10, y + h - 10, ParseColour("0C3A66"), ParseColour("04152C"));
        cairo_new_path(p);
    }, 5, 6, 0.55);
    for (double rx : {x + 12.0, x + w - 12.0})
        for (double ry : {y + 12.0, y + h - 12.0})
            PaintRivet(c, rx, ry, 4.5);
    GoldText(c, "Level complete!", "DejaVu Serif", true, 30, x + w / 2, 52, 0.5);
    for (int i = 0; i < COUNTER_DIGITS - 2; ++i)
        DrawSparkle(c, x + 40 + i * 70, 40 + (i % 2) * 24, 7, 0.7);
    for (int i = 0; i < 5; ++i) {
        const double cy = COUNTER_ROW0 + i * COUNTER_ROW_STEP;
        const double fLeft = COUNTER_X - DIGIT_STEP / 2 - 6, fWidth = DIGIT_STEP * COUNTER_DIGITS + 12;
        RoundedRect(c, fLeft, cy - 13, fWidth, 26, 6);
        FillVertical(c, cy - 13, cy + 13, ParseColour("020A16"), ParseColour("0A2440"));
        cairo_fill_preserve(c);
        SetColour(c, GOLD_DEEP);
        cairo_set_line_width(c, 1.5);
        cairo_stroke(c);
        // The last row is the sum of the ones above: a rule marks it.
        if (i == 4) {
            cairo_move_to(c, x + 30, cy - 16.5);
            cairo_line_to(c, fLeft + fWidth, cy - 16.5);
            SetColour(c, GOLD, 0.7);
            cairo_set_line_width(c, 1.5);
            cairo_stroke(c);
        }
        GoldText(c, COUNTER_LABELS[i], "DejaVu Sans", false, i >= 3 ? 17 : 15, fLeft - 12, cy, 1.0);
    }
}

void PaintAfterWinBackground(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    cairo_rectangle(c, 0, 0, w, h);
    FillVertical(c, 0, h, CAVE_TOP, CAVE_DEEP);
    cairo_new_path(c);
    PaintGlow(c, 240, CHEST_RIM - 80, 420, ParseColour("FFB838"), 0.35);
    PaintRays(c);
    CRandom random(11);
    for (int i = 0; i < 30; ++i)
        DrawBubble(c, random.Range(0, w), random.Range(0, h - 120), random.Range(2, 6), random.Range(0.3, 0.6));
    PaintCaveFloor(c, w, h);
    PaintChestBack(c);
    PaintScorePlaque(c);
    for (int i = 0; i < 24; ++i)
        DrawSparkle(c, random.Range(40, 440), random.Range(120, 440), random.Range(4, 10), random.Range(0.5, 0.9));
    GoldText(c, "Click to continue", "DejaVu Sans", false, 18, 602, 560, 0.5);
}

// The front wall of the open chest: planks in brass bands, a lock plate
// and a gold rim along the top.
void PaintChestPanel(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    const SHudColours& hud = HudColours();
    WithShadow(c, [&](cairo_t* p) {
        // Past the bottom edge, so nothing behind shows under the wall.
        RoundedRect(p, 4, 14, w - 8, h, 10);
        PaintTimber(p, 4, 14, w - 8, h, false, 57);
        cairo_new_path(p);
        for (double y : {44.0, 76.0}) {
            cairo_move_to(p, 6, y);
            cairo_line_to(p, w - 6, y);
            SetColour(p, hud.woodDark, 0.8);
            cairo_set_line_width(p, 2);
            cairo_stroke(p);
        }
        RoundedRect(p, 0, 4, w, 20, 8);
        PaintBrass(p, 0, 4, w, 20, 0.1);
        StrokeEdge(p, hud.brass, 2);
        cairo_new_path(p);
        for (double x : {10.0, double(w) - 38.0, 96.0, double(w) - 124.0}) {
            cairo_rectangle(p, x, 14, 28, h - 14);
            PaintBrass(p, x, 14, 28, h - 14, 0.2);
            StrokeEdge(p, hud.brass, 1.5);
            cairo_new_path(p);
        }
    }, 3, 4, 0.5);
    for (double x : {24.0, double(w) - 24.0, 110.0, double(w) - 110.0})
        for (double y : {34.0, 62.0, 90.0})
            PaintRivet(c, x, y, 3.2);
    // The lock plate, with a keyhole, in the middle.
    const double cx = w / 2.0;
    RoundedRect(c, cx - 26, 20, 52, 60, 12);
    PaintBrass(c, cx - 26, 20, 52, 60, 0.05);
    StrokeEdge(c, hud.brass, 2);
    cairo_new_path(c);
    cairo_arc(c, cx, 44, 7, 0, 2 * kPi);
    cairo_move_to(c, cx - 4, 46);
    cairo_line_to(c, cx - 7, 66);
    cairo_line_to(c, cx + 7, 66);
    cairo_line_to(c, cx + 4, 46);
    cairo_close_path(c);
    SetColour(c, GOLD_DARK);
    cairo_fill(c);
    PaintGlow(c, cx, 6, 160, GOLD_LIGHT, 0.3);
    for (int i = 0; i < 6; ++i)
        DrawSparkle(c, 30 + i * (w - 60) / 5.0, 10 + (i % 2) * 6, 6, 0.85);
}

// A heap of coins with gems, pearls and a crown on top, glowing.
void PaintTreasure(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    const double cx = w / 2.0;
    PaintGlow(c, cx, h * 0.45, w * 0.5, GOLD_LIGHT, 0.45);
    cairo_move_to(c, 4, h);
    cairo_curve_to(c, 20, h * 0.45, cx - 80, h * 0.12, cx, h * 0.12);
    cairo_curve_to(c, cx + 80, h * 0.12, w - 20, h * 0.45, w - 4, h);
    cairo_close_path(c);
    FillVertical(c, h * 0.1, h, ParseColour("F0B430"), ParseColour("8A5208"));
    cairo_new_path(c);
    CRandom random(5);
    // Coins from the back rows to the front, following the heap's curve.
    for (int i = 0; i < 260; ++i) {
        const double x = random.Range(14, w - 14);
        const double fEdge = std::fabs(x - cx) / (cx - 10);
        const double fTop = h * 0.14 + h * 0.8 * fEdge * fEdge;
        const double y = random.Range(fTop + 6, h - 4);
        PaintCoin(c, x, y, random.Range(8, 12), random.Range(0.35, 0.6));
    }
    const SColour gems[] = {ParseColour("E0304A"), ParseColour("2AA8E8"), ParseColour("3CC060"),
                            ParseColour("B050E0")};
    for (int i = 0; i < 14; ++i) {
        const double x = random.Range(40, w - 40);
        const double fEdge = std::fabs(x - cx) / (cx - 10);
        PaintGem(c, x, random.Range(h * 0.2 + h * 0.7 * fEdge * fEdge, h - 10), random.Range(7, 11), gems[i % 4]);
    }
    for (int i = 0; i < 10; ++i)
        PaintPearl(c, random.Range(50, w - 50), random.Range(h * 0.35, h - 8), random.Range(4, 6));
    // The crown on the summit.
    cairo_save(c);
    cairo_translate(c, cx + 10, h * 0.16);
    cairo_move_to(c, -30, 8);
    cairo_line_to(c, -34, -22);
    cairo_line_to(c, -16, -6);
    cairo_line_to(c, 0, -30);
    cairo_line_to(c, 16, -6);
    cairo_line_to(c, 34, -22);
    cairo_line_to(c, 30, 8);
    cairo_close_path(c);
    FillVertical(c, -30, 8, GOLD_LIGHT, ParseColour("D08A10"));
    cairo_fill_preserve(c);
    SetColour(c, GOLD_DARK);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    PaintGem(c, 0, -4, 6, gems[0]);
    PaintGem(c, -20, 0, 4, gems[1]);
    PaintGem(c, 20, 0, 4, gems[2]);
    cairo_restore(c);
    for (int i = 0; i < 12; ++i)
        DrawSparkle(c, random.Range(30, w - 30), random.Range(h * 0.1, h * 0.8), random.Range(5, 10),
                    random.Range(0.6, 1.0));
}

// Ten rows of gold digits, 0 at the bottom, narrow enough for their slot.
void PaintChestDigits(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    const double fRow = h / 10.0;
    for (int d = 0; d < 10; ++d) {
        const std::string strDigit(1, char('0' + d));
        cairo_save(c);
        cairo_translate(c, w / 2.0, h - (d + 0.5) * fRow);
        cairo_scale(c, 0.72, 1.0);
        GoldText(c, strDigit.c_str(), "DejaVu Sans", false, fRow * 0.86, 0, 0, 0.5);
        cairo_restore(c);
    }
}

// The rules page's seahorse, bobbing, with a gold coin held to its chest.
void PaintCoinHorse(cairo_t* c, const SSpriteContext& context, int w, int h, double t)
{
    const double fBob = 3.0 * std::sin(t * 2 * kPi);
    const int nFrames = 8;
    cairo_save(c);
    cairo_translate(c, w * 0.42, h * 0.5 + fBob);
    cairo_scale(c, w / 100.0, w / 100.0);
    PaintItemFrame(c, "seahorse", context.kinds.at("seahorse"), "normal", int(t * nFrames) % nFrames, nFrames);
    cairo_restore(c);
    PaintGlow(c, w * 0.72, h * 0.7 + fBob * 0.6, 16, GOLD_LIGHT, 0.5);
    PaintCoin(c, w * 0.72, h * 0.7 + fBob * 0.6, 10, 0.55 + 0.4 * std::fabs(std::cos(t * 2 * kPi)));
    DrawSparkle(c, w * 0.8, h * 0.6 + fBob, 4 + 2 * std::sin(t * 4 * kPi), 0.9);
}

}  // namespace

void AddAfterWinPainters(std::map<std::string, HudPainter>& painters)
{
    painters["after_win"] = PaintAfterWinBackground;
    painters["sundyk-panel"] = PaintChestPanel;
    painters["skarb_001"] = PaintTreasure;
    painters["numbers-chest"] = PaintChestDigits;
    painters["coin_horse"] = PaintCoinHorse;
}

}  // namespace Art
