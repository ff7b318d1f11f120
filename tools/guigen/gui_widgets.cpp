// The pieces of the Velmora looks. Frames are painted whole and cut by the
// slices of velmora.txt, so their edges stretch along the edge only.
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

#include "gui_materials.h"
#include "gui_paint.h"

namespace GuiArt {

using namespace Art;

namespace {

using Painter = std::function<void(cairo_t*, double w, double h, const std::string& strVariant)>;

// Brightness of a state: hover lifts, pushed sinks.
double Lift(const std::string& strVariant)
{
    if (strVariant.find("hover") != std::string::npos)
        return 0.28;
    return strVariant.find("pushed") != std::string::npos ? -0.15 : 0.0;
}

void FillBrassLit(cairo_t* c, double y, double h, double fLift)
{
    if (fLift >= 0) {
        FillBrass(c, y, h, fLift);
        return;
    }
    FillBrass(c, y, h);
    SetColour(c, {0, 0, 0, 1}, -fLift);
    cairo_fill_preserve(c);
}

// Wooden frame of four boards, brass corner plates, a sea-glass window.
void PaintPanel(cairo_t* c, double w, double h, const std::string&)
{
    const double b = 14;
    RoundedRect(c, 1, 1, w - 2, h - 2, 9);
    FillWood(c, 1, 1, w - 2, h - 2, Tone::kWoodLight, Tone::kWood, 11);
    cairo_save(c);
    cairo_clip(c);
    for (double x : {1.0, w - 1 - b}) {  // side boards run upright
        cairo_rectangle(c, x, b, b, h - 2 * b);
        FillWood(c, x, b, b, h - 2 * b, Tone::kWoodLight, Tone::kWood, 12);
        cairo_new_path(c);
    }
    cairo_restore(c);
    cairo_new_path(c);
    RoundedRect(c, b, b, w - 2 * b, h - 2 * b, 4);
    FillVertical(c, b, h - b, {0.06, 0.30, 0.40, 0.94}, {0.02, 0.14, 0.22, 0.96});
    InnerShadow(c, b, b, 7, 0.55);
    Outline(c, Tone::kBrass, 1.6);
    for (int corner = 0; corner < 4; ++corner) {
        const double x = corner % 2 ? w - 19 : 1, y = corner / 2 ? h - 19 : 1;
        RoundedRect(c, x, y, 18, 18, 6);
        FillBrass(c, y, 18);
        Outline(c, Tone::kBrassDark, 1.2);
        DrawRivet(c, x + 9, y + 9, 2.6);
    }
    RoundedRect(c, 1, 1, w - 2, h - 2, 9);
    Outline(c, Tone::kInk, 1.8);
}

// A brass-rimmed well of dark sea-glass; list text is light.
void PaintList(cairo_t* c, double w, double h, const std::string&)
{
    RoundedRect(c, 0.5, 0.5, w - 1, h - 1, 7);
    FillBrass(c, 0, h);
    Outline(c, Tone::kBrassDark, 1.2);
    RoundedRect(c, 4, 4, w - 8, h - 8, 4.5);
    FillVertical(c, 4, h - 4, {0.04, 0.24, 0.33, 0.95}, {0.02, 0.13, 0.20, 0.95});
    InnerShadow(c, 4, 4, 5, 0.6);
    Outline(c, Tone::kBrassDark, 1.0, 0.8);
}

// Parchment sunk into a wooden rim; its text is dark ink.
void PaintEdit(cairo_t* c, double w, double h, const std::string&)
{
    RoundedRect(c, 0.5, 0.5, w - 1, h - 1, 7);
    FillWood(c, 0.5, 0.5, w - 1, h - 1, Tone::kWoodLight, Tone::kWood, 21);
    Outline(c, Tone::kInk, 1.4);
    RoundedRect(c, 5, 5, w - 10, h - 10, 4);
    FillParchment(c, 5, 5, w - 10, h - 10, 22);
    InnerShadow(c, 5, 5, 5, 0.45);
    Outline(c, Tone::kWoodDark, 1.0);
}

void PaintTip(cairo_t* c, double w, double h, const std::string&)
{
    RoundedRect(c, 1, 1, w - 2, h - 2, 6);
    FillParchment(c, 1, 1, w - 2, h - 2, 31);
    Outline(c, Tone::kWood, 1.6);
}

// Draws an upright piece turned a quarter for its horizontal twin, so both
// scroll bars share one drawing; the light then comes from the left.
void Turned(cairo_t* c, double w, double h, const std::string& strVariant, const Painter& fnUpright)
{
    cairo_save(c);
    cairo_translate(c, 0, h);
    cairo_rotate(c, -kPi / 2);
    fnUpright(c, h, w, strVariant);
    cairo_restore(c);
}

void PaintTrackV(cairo_t* c, double w, double h, const std::string&)
{
    RoundedRect(c, w / 2 - 4, 1, 8, h - 2, 4);
    FillVertical(c, 0, h, {0.02, 0.13, 0.20, 0.9}, {0.03, 0.18, 0.26, 0.9});
    InnerShadow(c, w / 2 - 4, 1, 3, 0.6);
    Outline(c, Tone::kBrassDark, 1.0, 0.9);
}

void PaintThumbV(cairo_t* c, double w, double h, const std::string& strVariant)
{
    RoundedRect(c, 1.5, 1, w - 3, h - 2, (w - 3) / 2);
    cairo_pattern_t* pAcross = cairo_pattern_create_linear(1.5, 0, w - 1.5, 0);
    const double fLift = Lift(strVariant);
    const SColour a = Lighter(Tone::kBrassLight, fLift), b = Lighter(Tone::kBrass, fLift),
                  d = Lighter(Tone::kBrassDark, fLift * 0.5);
    cairo_pattern_add_color_stop_rgb(pAcross, 0, b.r, b.g, b.b);
    cairo_pattern_add_color_stop_rgb(pAcross, 0.35, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(pAcross, 1, d.r, d.g, d.b);
    cairo_set_source(c, pAcross);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pAcross);
    Outline(c, Tone::kBrassDark, 1.2);
}

void PaintArrow(cairo_t* c, double w, double h, const std::string& strVariant)
{
    const double fLift = Lift(strVariant), fSink = fLift < 0 ? 0.6 : 0;
    cairo_arc(c, w / 2, h / 2, w / 2 - 1, 0, 2 * kPi);
    FillBrassLit(c, 1, h - 2, fLift);
    Outline(c, Tone::kBrassDark, 1.1);
    const double kTurn[] = {0, kPi, -kPi / 2, kPi / 2};  // up, down, left, right
    const char* kDirs[] = {"up", "down", "left", "right"};
    double fTurn = 0;
    for (int i = 0; i < 4; ++i)
        if (strVariant.rfind(kDirs[i], 0) == 0)
            fTurn = kTurn[i];
    cairo_save(c);
    cairo_translate(c, w / 2, h / 2 + fSink);
    cairo_rotate(c, fTurn);
    cairo_move_to(c, 0, -3.2);
    cairo_line_to(c, 3.4, 2.2);
    cairo_line_to(c, -3.4, 2.2);
    cairo_close_path(c);
    SetColour(c, Tone::kInk, 0.9);
    cairo_fill(c);
    cairo_restore(c);
}

// Rope between two brass cleats; the middle (12 .. w - 12) holds whole twists.
void PaintSliderTrack(cairo_t* c, double w, double h, const std::string&)
{
    DrawRopeH(c, 6, w - 6, h / 2, 7, 8, 12);
    for (double x : {1.0, w - 12}) {
        RoundedRect(c, x, 2, 11, h - 4, 4);
        FillBrass(c, 2, h - 4);
        Outline(c, Tone::kBrassDark, 1.1);
        DrawRivet(c, x + 5.5, h / 2, 2.2);
    }
}

// A pearl in a brass ring; it lifts under the mouse and sinks when held.
void PaintSliderThumb(cairo_t* c, double w, double h, const std::string& strVariant)
{
    const double fLift = Lift(strVariant), cx = w / 2, cy = h / 2, r = w / 2 - 1.5;
    if (fLift > 0)
        PaintGlow(c, cx, cy, r + 3, Tone::kSeaGlass, 0.8);
    cairo_arc(c, cx, cy, r, 0, 2 * kPi);
    FillBrassLit(c, cy - r, 2 * r, fLift);
    Outline(c, Tone::kBrassDark, 1.3);
    cairo_arc(c, cx, cy, r - 4, 0, 2 * kPi);
    cairo_pattern_t* pPearl = cairo_pattern_create_radial(cx - 2, cy - 2.5, 0.5, cx, cy, r - 4);
    const double fShade = fLift < 0 ? 0.82 : 1.0;
    cairo_pattern_add_color_stop_rgb(pPearl, 0, fShade, fShade, fShade);
    cairo_pattern_add_color_stop_rgb(pPearl, 0.55, 0.93 * fShade, 0.90 * fShade, 0.95 * fShade);
    cairo_pattern_add_color_stop_rgb(pPearl, 1, 0.66 * fShade, 0.70 * fShade, 0.82 * fShade);
    cairo_set_source(c, pPearl);
    cairo_fill(c);
    cairo_pattern_destroy(pPearl);
}

void PaintCheckbox(cairo_t* c, double w, double h, const std::string& strVariant)
{
    const double fLift = Lift(strVariant);
    RoundedRect(c, 3, 3, w - 6, h - 6, 7);
    FillBrassLit(c, 3, h - 6, fLift);
    Outline(c, Tone::kBrassDark, 1.4);
    RoundedRect(c, 8, 8, w - 16, h - 16, 4);
    FillVertical(c, 8, h - 8, {0.05, 0.27, 0.36, 1}, {0.02, 0.14, 0.21, 1});
    if (fLift > 0) {  // the well lights up under the mouse
        cairo_save(c);
        cairo_clip_preserve(c);
        PaintGlow(c, w / 2, h / 2, w / 2 - 6, Tone::kSeaGlass, 0.6);
        cairo_restore(c);
    }
    InnerShadow(c, 8, 8, 5, 0.6);
    Outline(c, Tone::kBrassDark, 1.0);
}

void PaintCheckMark(cairo_t* c, double w, double h, const std::string&)
{
    const double s = w / 36;
    cairo_move_to(c, 9 * s, 18 * s);
    cairo_line_to(c, 16 * s, 26 * s);
    cairo_line_to(c, 29 * s, 7 * s);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    const struct { SColour colour; double fWidth; } kStrokes[] = {
        {Tone::kInk, 8.5 * s}, {{0.30, 0.82, 0.56, 1}, 5.2 * s}, {{0.78, 1.0, 0.86, 1}, 1.6 * s}};
    for (const auto& stroke : kStrokes) {
        SetColour(c, stroke.colour);
        cairo_set_line_width(c, stroke.fWidth);
        cairo_stroke_preserve(c);
    }
    cairo_new_path(c);
    (void)h;
}

void PaintRadio(cairo_t* c, double w, double h, const std::string& strVariant)
{
    const double fLift = Lift(strVariant);
    cairo_arc(c, w / 2, h / 2, w / 2 - 1.5, 0, 2 * kPi);
    FillBrassLit(c, 1.5, h - 3, fLift);
    Outline(c, Tone::kBrassDark, 1.2);
    cairo_arc(c, w / 2, h / 2, w / 2 - 5.5, 0, 2 * kPi);
    FillVertical(c, 5, h - 5, {0.05, 0.27, 0.36, 1}, {0.02, 0.14, 0.21, 1});
    cairo_new_path(c);
}

void PaintRadioMark(cairo_t* c, double w, double h, const std::string&)
{
    cairo_arc(c, w / 2, h / 2, 4.5, 0, 2 * kPi);
    cairo_pattern_t* pPearl = cairo_pattern_create_radial(w / 2 - 1.5, h / 2 - 1.5, 0.3, w / 2, h / 2, 4.5);
    cairo_pattern_add_color_stop_rgb(pPearl, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(pPearl, 1, 0.66, 0.86, 0.84);
    cairo_set_source(c, pPearl);
    cairo_fill(c);
    cairo_pattern_destroy(pPearl);
}

void PaintCaret(cairo_t* c, double w, double h, const std::string&)
{
    cairo_rectangle(c, 0.5, 0, w - 1, h);
    SetColour(c, Tone::kInk);
    cairo_fill(c);
}

void PaintSelection(cairo_t* c, double w, double h, const std::string&)
{
    cairo_rectangle(c, 0, 0, w, h);
    SetColour(c, {0.36, 0.72, 0.86, 1}, 0.6);
    cairo_fill(c);
}

// The list selection: a band of lit sea-glass under the chosen line.
void PaintListBrush(cairo_t* c, double w, double h, const std::string&)
{
    RoundedRect(c, 0.5, 0.5, w - 1, h - 1, 3);
    FillVertical(c, 0, h, {0.50, 0.93, 0.88, 0.92}, {0.13, 0.55, 0.62, 0.92});
    Outline(c, {0.02, 0.20, 0.26, 1}, 1.0, 0.8);
    cairo_rectangle(c, 3, 1.5, w - 6, 1);
    SetColour(c, {1, 1, 1, 1}, 0.55);
    cairo_fill(c);
}

void PaintButtonGlow(cairo_t* c, double w, double h, const std::string&)
{
    cairo_save(c);
    cairo_scale(c, 1, h / w);
    PaintGlow(c, w / 2, w / 2, w / 2, {1.0, 0.86, 0.45, 1}, 0.5);
    cairo_restore(c);
}

void PaintHeader(cairo_t* c, double w, double h, const std::string& strVariant)
{
    const double fLift = Lift(strVariant);
    cairo_rectangle(c, 0, 0, w, h);
    FillWood(c, 0, 0, w, h, Lighter(Tone::kWoodLight, fLift), Lighter(Tone::kWood, fLift), 41);
    cairo_new_path(c);
    cairo_rectangle(c, 0, 0, w, 1);
    SetColour(c, Tone::kCream, 0.45);
    cairo_fill(c);
    cairo_rectangle(c, 0, h - 1.5, w, 1.5);
    SetColour(c, Tone::kInk);
    cairo_fill(c);
}

void PaintSplitter(cairo_t* c, double w, double h, const std::string&)
{
    cairo_rectangle(c, 0, 2, w / 2, h - 4);
    SetColour(c, Tone::kInk, 0.8);
    cairo_fill(c);
    cairo_rectangle(c, w / 2, 2, w / 2, h - 4);
    SetColour(c, Tone::kCream, 0.35);
    cairo_fill(c);
}

void PaintSort(cairo_t* c, double w, double h, const std::string& strVariant)
{
    const bool bUp = strVariant == "up";
    cairo_move_to(c, w / 2, bUp ? 1 : h - 1);
    cairo_line_to(c, w - 1, bUp ? h - 1 : 1);
    cairo_line_to(c, 1, bUp ? h - 1 : 1);
    cairo_close_path(c);
    SetColour(c, Tone::kCream);
    cairo_fill_preserve(c);
    Outline(c, Tone::kInk, 1.0);
}

void PaintTitle(cairo_t* c, double w, double h, const std::string& strVariant)
{
    const double fDim = strVariant == "inactive" ? 0.3 : 0;
    RoundedRect(c, 0.5, 0.5, w - 1, h - 1, 8);
    FillWood(c, 0.5, 0.5, w - 1, h - 1, Darker(Tone::kWoodLight, fDim), Darker(Tone::kWood, fDim), 51);
    Outline(c, Tone::kInk, 1.4);
    for (double y : {3.0, h - 5}) {
        cairo_rectangle(c, 6, y, w - 12, 2);
        FillBrass(c, y, 2);
        cairo_new_path(c);
    }
}

void PaintClose(cairo_t* c, double w, double h, const std::string& strVariant)
{
    const double fLift = Lift(strVariant);
    cairo_arc(c, w / 2, h / 2, w / 2 - 1, 0, 2 * kPi);
    FillBrass(c, 0, h);
    Outline(c, Tone::kBrassDark, 1.1);
    cairo_arc(c, w / 2, h / 2, w / 2 - 4, 0, 2 * kPi);
    FillGlass(c, 4, 4, w - 8, h - 8, Lighter({0.85, 0.30, 0.22, 1}, fLift), 1.0);
    cairo_new_path(c);
    for (int i = 0; i < 2; ++i) {
        const double d = 3.6, s = i ? -1 : 1;
        cairo_move_to(c, w / 2 - d, h / 2 - d * s);
        cairo_line_to(c, w / 2 + d, h / 2 + d * s);
    }
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    Outline(c, Tone::kCream, 2.2);
}

const std::map<std::string, Painter>& Painters()
{
    static const std::map<std::string, Painter> kPainters = {
        {"panel", PaintPanel},
        {"list", PaintList},
        {"edit", PaintEdit},
        {"tip", PaintTip},
        {"track_v", PaintTrackV},
        {"track_h", [](cairo_t* c, double w, double h, const std::string& v) { Turned(c, w, h, v, PaintTrackV); }},
        {"thumb_v", PaintThumbV},
        {"thumb_h", [](cairo_t* c, double w, double h, const std::string& v) { Turned(c, w, h, v, PaintThumbV); }},
        {"arrow", PaintArrow},
        {"slider_track", PaintSliderTrack},
        {"slider_thumb", PaintSliderThumb},
        {"checkbox", PaintCheckbox},
        {"check_mark", PaintCheckMark},
        {"radio", PaintRadio},
        {"radio_mark", PaintRadioMark},
        {"caret", PaintCaret},
        {"selection", PaintSelection},
        {"list_brush", PaintListBrush},
        {"button_glow", PaintButtonGlow},
        {"header", PaintHeader},
        {"splitter", PaintSplitter},
        {"sort", PaintSort},
        {"title", PaintTitle},
        {"close", PaintClose},
    };
    return kPainters;
}

}  // namespace

void PaintPiece(cairo_t* pCairo, const SPiece& piece)
{
    const auto it = Painters().find(piece.strPainter);
    if (it == Painters().end())
        throw std::runtime_error("unknown painter \"" + piece.strPainter + "\" for " + piece.strName);
    cairo_save(pCairo);
    it->second(pCairo, piece.nWidth, piece.nHeight, piece.strVariant);
    cairo_restore(pCairo);
}

}  // namespace GuiArt
