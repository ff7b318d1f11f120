// The menus: the title scene under the sea, the backboard of the main
// menu's planks and the dialogs. Dialogs are panes of deep-sea glass in a
// brass frame, because the GUI writes their lists and texts in light
// colours; the wells where the GUI puts a list, a slider or a text box are
// cut darker into the glass at the windows' pixel layout.
#include <cmath>

#include "art_hud.h"
#include "art_hud_parts.h"

namespace Art {

namespace {

const SColour SEA_TOP = ParseColour("0B5FAE");
const SColour SEA_DEEP = ParseColour("031A3C");
const SColour GLASS = ParseColour("0A2E52");
const SColour GLASS_DEEP = ParseColour("041830");
const SColour GOLD = ParseColour("FFE27A");
const SColour GOLD_DEEP = ParseColour("4A2A06");
const SColour FOAM = ParseColour("CFF4FF");

struct SWell {
    double x, y, w, h;  // in the picture's pixels
    const char* pszCaption = nullptr;  // written above the well, or none
    bool bCaptionLeft = false;  // written before it instead
};

// Light falling from the surface: a few soft shafts fanning downwards.
void PaintLightShafts(cairo_t* c, int w, int h, unsigned nSeed)
{
    CRandom random(nSeed);
    for (int i = 0; i < 7; ++i) {
        const double x = random.Range(0.05, 0.95) * w, fSpread = random.Range(30, 90);
        cairo_move_to(c, x - 12, 0);
        cairo_line_to(c, x + 12, 0);
        cairo_line_to(c, x + fSpread + 60, h);
        cairo_line_to(c, x - fSpread + 60, h);
        cairo_close_path(c);
        cairo_pattern_t* pShaft = cairo_pattern_create_linear(0, 0, 0, h);
        cairo_pattern_add_color_stop_rgba(pShaft, 0, FOAM.r, FOAM.g, FOAM.b, random.Range(0.10, 0.20));
        cairo_pattern_add_color_stop_rgba(pShaft, 1, FOAM.r, FOAM.g, FOAM.b, 0);
        cairo_set_source(c, pShaft);
        cairo_fill(c);
        cairo_pattern_destroy(pShaft);
    }
}

// Sand dunes and rocks along the bottom of the scene, with weed.
void PaintSeabed(cairo_t* c, int w, int h)
{
    cairo_move_to(c, 0, h);
    for (int x = 0; x <= w; x += 10)
        cairo_line_to(c, x, h - 70 - 22 * std::sin(x * 0.011) - 12 * std::sin(x * 0.037 + 1.0));
    cairo_line_to(c, w, h);
    cairo_close_path(c);
    FillVertical(c, h - 110, h, ParseColour("D8BC84"), ParseColour("6A5030"));
    cairo_new_path(c);
    CRandom random(17);
    for (int i = 0; i < 9; ++i) {
        const double x = random.Range(0, w), r = random.Range(18, 46);
        cairo_arc(c, x, h - 55 + random.Range(-8, 12), r, kPi, 2 * kPi);
        cairo_close_path(c);
        FillVertical(c, h - 55 - r, h - 40, ParseColour("5E7080"), ParseColour("24303C"));
        cairo_new_path(c);
        PaintBarnacles(c, x, h - 60, r * 0.7, unsigned(30 + i));
    }
    for (int i = 0; i < 14; ++i)
        PaintWeed(c, random.Range(0, w), h - 50 + random.Range(0, 30), random.Range(60, 170), random.Range(-0.5, 0.5));
}

// "Quellon" in gold with a dark rim and a soft glow, centred at (cx, cy).
void PaintTitle(cairo_t* c, double cx, double cy, double fSize)
{
    PaintGlow(c, cx, cy, fSize * 2.6, ParseColour("7FE8FF"), 0.35);
    cairo_save(c);
    cairo_select_font_face(c, "DejaVu Serif", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(c, fSize);
    cairo_text_extents_t extents;
    cairo_text_extents(c, "Quellon", &extents);
    cairo_move_to(c, cx - extents.width / 2 - extents.x_bearing, cy - extents.height / 2 - extents.y_bearing);
    cairo_text_path(c, "Quellon");
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    SetColour(c, GOLD_DEEP);
    cairo_set_line_width(c, fSize * 0.14);
    cairo_stroke_preserve(c);
    FillVertical(c, cy - fSize * 0.6, cy + fSize * 0.4, ParseColour("FFF6C8"), ParseColour("E0A020"));
    cairo_new_path(c);
    cairo_restore(c);
    for (int i = 0; i < 5; ++i)
        DrawSparkle(c, cx - extents.width * 0.45 + i * extents.width * 0.23, cy - fSize * 0.42 + (i % 2) * fSize * 0.7,
                    fSize * 0.16, 0.8);
}

void PaintMainMenuScene(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    cairo_rectangle(c, 0, 0, w, h);
    FillVertical(c, 0, h, SEA_TOP, SEA_DEEP);
    cairo_new_path(c);
    PaintLightShafts(c, w, h, 5);
    CRandom random(9);
    for (int i = 0; i < 40; ++i)
        DrawBubble(c, random.Range(0, w), random.Range(0, h - 120), random.Range(2, 7), random.Range(0.3, 0.7));
    PaintSeabed(c, w, h);
    PaintTitle(c, w / 2.0, 70, 64);
}

void PaintMenuHeader(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    // Drawn above the swimming fish, so the title stays in front of them.
    PaintTitle(c, w / 2.0, h / 2.0, 64);
}

// The pane: brass frame, glass with a gleam at the top, rivets.
void PaintPane(cairo_t* c, double x, double y, double w, double h)
{
    WithShadow(c, [&](cairo_t* d) {
        RoundedRect(d, x, y, w, h, 18);
        PaintBrass(d, x, y, w, h, 0.35);
        cairo_new_path(d);
        RoundedRect(d, x + 8, y + 8, w - 16, h - 16, 12);
        FillVertical(d, y, y + h, GLASS, GLASS_DEEP);
        SetColour(d, ParseColour("5E3E14"));
        cairo_set_line_width(d, 2);
        cairo_stroke(d);
    }, 5.0, 5, 0.55);
    // Light from the surface on the upper glass.
    cairo_save(c);
    RoundedRect(c, x + 9, y + 9, w - 18, h - 18, 11);
    cairo_clip(c);
    PaintGlow(c, x + w * 0.5, y + 10, w * 0.6, ParseColour("5FB8E8"), 0.35);
    cairo_restore(c);
    for (double cx : {x + 9, x + w - 9})
        for (double cy : {y + 9, y + h - 9})
            PaintRivet(c, cx, cy, 3.2);
}

void PaintWells(cairo_t* c, const std::vector<SWell>& wells)
{
    for (const SWell& well : wells) {
        RoundedRect(c, well.x - 3, well.y - 3, well.w + 6, well.h + 6, 7);
        SetColour(c, ParseColour("010A18"), 0.75);
        cairo_fill_preserve(c);
        SetColour(c, ParseColour("7FB8D8"), 0.6);
        cairo_set_line_width(c, 1.2);
        cairo_stroke(c);
        if (well.pszCaption && well.bCaptionLeft)
            PaintLabel(c, well.pszCaption, well.x - 62, well.y + well.h / 2, 15, FOAM, ParseColour("031A3C"));
        else if (well.pszCaption)
            PaintLabel(c, well.pszCaption, well.x + well.w / 2, well.y - 13, 14, FOAM, ParseColour("031A3C"));
    }
}

// A dialog of the size of the picture, with its title and wells.
HudPainter Dialog(const char* pszTitle, std::vector<SWell> wells)
{
    return [pszTitle, wells](cairo_t* c, const SSpriteContext&, int w, int h, double) {
        PaintPane(c, 3, 3, w - 10, h - 10);
        if (pszTitle)
            PaintLabel(c, pszTitle, w / 2.0, 30, 20, GOLD, GOLD_DEEP);
        PaintWells(c, wells);
    };
}

// The backboard behind the main menu's planks: two ropes and a board of
// sea-worn timber, a shade wider than the planks.
void PaintMenuBackboard(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    WithShadow(c, [&](cairo_t* d) {
        RoundedRect(d, 14, 4, w - 28, h - 8, 14);
        PaintTimber(d, 14, 4, w - 28, h - 8, true, 211);
        cairo_new_path(d);
    }, 5.0, 6, 0.5);
    for (double x : {30.0, w - 30.0})
        PaintChain(c, x, 0, h, 8);
    PaintBarnacles(c, w - 40, h - 30, 16, 5);
    PaintWeed(c, 26, h - 6, 60, 0.3);
}

// The pages' text buttons write in ochre and dark red, made to be read on
// paper: each stands on a parchment plate of its own. Corners of the
// buttons in the page's pixels (the page is centred on the screen).
const double RULES_OK_X = 308, RULES_CREDITS_X = 554, RULES_BUTTON_Y = 434;
const double CREDITS_OK_X = 308, CREDITS_OK_Y = 457;
const double TEXT_BUTTON_W = 100, TEXT_BUTTON_H = 24;

void PaintButtonPlate(cairo_t* c, double x, double y)
{
    cairo_new_path(c);
    WithShadow(c, [&](cairo_t* d) {
        RoundedRect(d, x - 8, y - 4, TEXT_BUTTON_W + 16, TEXT_BUTTON_H + 8, 8);
        FillVertical(d, y - 4, y + TEXT_BUTTON_H + 4, ParseColour("FBF0D2"), ParseColour("E2CC94"));
        SetColour(d, ParseColour("8A6420"));
        cairo_set_line_width(d, 1.6);
        cairo_stroke(d);
    }, 3.0, 3, 0.5);
    for (double cx : {x - 2, x + TEXT_BUTTON_W + 2})
        PaintRivet(c, cx, y + TEXT_BUTTON_H / 2, 2.2);
}

// A full page of the book of rules or credits: parchment of the pane's
// glass, with the text of the page written in the art.
HudPainter Page(const char* pszTitle, std::vector<const char*> lines)
{
    return [pszTitle, lines](cairo_t* c, const SSpriteContext&, int w, int h, double) {
        PaintPane(c, 3, 3, w - 10, h - 10);
        PaintLabel(c, pszTitle, w / 2.0, 44, 30, GOLD, GOLD_DEEP);
        PaintButtonPlate(c, CREDITS_OK_X, CREDITS_OK_Y);
        cairo_select_font_face(c, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(c, 18);
        SetColour(c, FOAM);
        // Each line centred, the block a little above the page's middle.
        double y = h * 0.3;
        for (const char* pszLine : lines) {
            cairo_text_extents_t extents;
            cairo_text_extents(c, pszLine, &extents);
            cairo_move_to(c, (w - extents.x_advance) / 2.0, y);
            cairo_show_text(c, pszLine);
            y += 30;
        }
    };
}

// One rule beside the spot where the page's show illustrates it: a pale
// disc of light for the show to stand on, and the lines beside it.
struct SRule {
    double fSpotX, fSpotY;  // in the page's pixels
    double fTextX;
    std::vector<const char*> lines;
    // Lines lower than centred on the spot, clear of a spot above them.
    double fTextDown = 0;
};

void PaintRule(cairo_t* c, const SRule& rule)
{
    PaintGlow(c, rule.fSpotX, rule.fSpotY, 62, FOAM, 0.28);
    cairo_arc(c, rule.fSpotX, rule.fSpotY, 44, 0, 2 * kPi);
    SetColour(c, GOLD, 0.55);
    cairo_set_line_width(c, 1.5);
    cairo_stroke(c);
    cairo_select_font_face(c, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(c, 15);
    SetColour(c, FOAM);
    double y = rule.fSpotY - 11.0 * double(rule.lines.size() - 1) + 5 + rule.fTextDown;
    for (const char* pszLine : rule.lines) {
        cairo_move_to(c, rule.fTextX, y);
        cairo_show_text(c, pszLine);
        y += 22;
    }
}

// The rules, each beside its illustration: the swapping fish at the top
// left, the trunk on the right, the crab on the left, the seahorse with
// its coin on the right; the page's buttons sit along the bottom.
void PaintRulesPage(cairo_t* c, const SSpriteContext&, int w, int h, double)
{
    PaintPane(c, 3, 3, w - 10, h - 10);
    PaintLabel(c, "How to play", w / 2.0, 44, 30, GOLD, GOLD_DEEP);
    const SRule rules[] = {
        {145, 145, 230, {"Swap two neighbouring fish to line up three", "or more of a kind. Every line you clear",
                         "scores points and wins back time, and", "long chains build your combo."}},
        {577, 228, 60, {"Clear the glow from every cell and the", "treasure trunk drops in: bring it down to",
                        "the sea floor before time runs out."}},
        {130, 315, 230, {"Four in a line leave a crab that clears", "its row; five leave a star that clears",
                         "every fish of one colour."}},
        {579, 386, 60, {"Power-ups fill as you play: click one, then", "the board. Stuck? The shuffle bar mixes",
                        "the board when it is full."},
         12},
    };
    for (const SRule& rule : rules)
        PaintRule(c, rule);
    for (double x : {RULES_OK_X, RULES_CREDITS_X})
        PaintButtonPlate(c, x, RULES_BUTTON_Y);
}

}  // namespace

void AddMenuPainters(std::map<std::string, HudPainter>& painters)
{
    painters["_main_menu"] = PaintMainMenuScene;
    painters["menu_header"] = PaintMenuHeader;
    painters["main_menu_buttons"] = PaintMenuBackboard;
    painters["select_game_buttons"] = PaintMenuBackboard;
    // Wells in pixels of each picture: the window's widget minus the
    // picture's top-left corner on screen.
    painters["options_bg"] = Dialog("Options", {{22, 65, 209, 30, "Music"}, {22, 121, 209, 30, "Sound"},
                                                   {171, 172, 41, 40, "Full screen", true}});
    painters["high_scores_bg"] = Dialog("High scores", {{20, 55, 221, 139, nullptr}});
    painters["who_are_you_bg"] = Dialog("Who are you?", {{31, 51, 202, 66, nullptr}});
    painters["new_user_bg"] = Dialog("New player", {{26, 56, 202, 44}});
    painters["rename_user_bg"] = Dialog("Rename player", {{26, 58, 202, 41}});
    painters["mb_background"] = Dialog(nullptr, {});
    painters["mb_background1"] = Dialog(nullptr, {});
    painters["Rules"] = PaintRulesPage;
    painters["Credits"] = Page("Credits", {
        "Quellon 1.0",
        "",
        "Design, code, art and sound: the Quellon team.",
        "Made with CEGUI, Lua, OpenAL Soft, SDL and cairo.",
        "",
        "Thanks for playing, and mind the crabs!",
    });
}

}  // namespace Art
