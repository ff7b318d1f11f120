// The seabed's props: swaying plants, small decorations, the seabed line
// food comes to rest on, and the food itself.
#include <cmath>
#include <stdexcept>

#include "aquagen.h"
#include "aquagen_props.h"

namespace Aqua {

namespace {

const char RIGID[] = "mesh_rigid.fx";

void Outline(cairo_t* c, const Art::SColour& colour, double fWidth)
{
    Art::SetColour(c, Art::Darker(colour, 0.55));
    cairo_set_line_width(c, fWidth);
    cairo_stroke(c);
}

// A ribbon leaf standing on the bottom of the picture, waving gently.
void PaintBlade(Art::CCanvas& canvas, const Art::SColour& colour, double fWave)
{
    cairo_t* c = canvas.Context();
    const double w = canvas.Width(), h = canvas.Height();
    cairo_push_group(c);
    cairo_move_to(c, w * 0.3, h);
    cairo_curve_to(c, w * (0.1 + fWave), h * 0.6, w * (0.6 - fWave), h * 0.3, w * 0.5, h * 0.02);
    cairo_curve_to(c, w * (0.9 - fWave), h * 0.35, w * (0.8 + fWave), h * 0.65, w * 0.7, h);
    cairo_close_path(c);
    cairo_pattern_t* pGradient = cairo_pattern_create_linear(0, 0, w, 0);
    const Art::SColour light = Art::Lighter(colour, 0.25), dark = Art::Darker(colour, 0.25);
    cairo_pattern_add_color_stop_rgb(pGradient, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(pGradient, 1, dark.r, dark.g, dark.b);
    cairo_set_source(c, pGradient);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(pGradient);
    Outline(c, colour, 2.0);
    Art::SetColour(c, Art::Darker(colour, 0.35), 0.6);
    cairo_set_line_width(c, 1.5);
    cairo_move_to(c, w * 0.5, h);
    cairo_curve_to(c, w * 0.45, h * 0.6, w * 0.55, h * 0.3, w * 0.5, h * 0.06);
    cairo_stroke(c);
    // Light through the leaf: it is a little see-through.
    cairo_pop_group_to_source(c);
    cairo_paint_with_alpha(c, 0.88);
}

void PaintFan(Art::CCanvas& canvas)
{
    cairo_t* c = canvas.Context();
    const Art::SColour colour = Art::ParseColour("C86A8A");
    Art::SetColour(c, colour);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    Art::CRandom random(7);
    // Branches fan out from the foot; each forks twice.
    std::function<void(double, double, double, double, int)> branch = [&](double x, double y, double a, double l, int n) {
        const double x1 = x + std::cos(a) * l, y1 = y - std::sin(a) * l;
        cairo_set_line_width(c, 2.0 + n * 2.0);
        cairo_move_to(c, x, y);
        cairo_line_to(c, x1, y1);
        cairo_stroke(c);
        if (n > 0)
            for (double d : {-0.35, 0.35})
                branch(x1, y1, a + d + random.Range(-0.1, 0.1), l * 0.72, n - 1);
    };
    for (double a : {1.1, 1.57, 2.04})
        branch(128, 250, a, 70, 3);
}

// A short column crowned with a mop of curling tentacles.
void PaintAnemone(Art::CCanvas& canvas)
{
    cairo_t* c = canvas.Context();
    const Art::SColour body = Art::ParseColour("A0587A"), tip = Art::ParseColour("F0B8D0");
    Art::CRandom random(4);
    cairo_move_to(c, 40, 128);
    cairo_curve_to(c, 44, 100, 40, 86, 36, 78);
    cairo_line_to(c, 92, 78);
    cairo_curve_to(c, 88, 86, 84, 100, 88, 128);
    cairo_close_path(c);
    Art::FillVertical(c, 78, 128, body, Art::Darker(body, 0.45));
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 26; ++i) {
        const double a = Art::kPi * (0.08 + 0.84 * random.Next());
        const double l = random.Range(30, 52), x0 = 64 + std::cos(a) * 24, y0 = 80 - std::sin(a) * 4;
        const double x1 = 64 + std::cos(a) * (24 + l), y1 = 80 - std::sin(a) * l * 1.2;
        const double bend = random.Range(-14, 14);
        Art::SetColour(c, Art::Mix(body, tip, random.Range(0.2, 0.6)));
        cairo_set_line_width(c, random.Range(3.5, 5.5));
        cairo_move_to(c, x0, y0);
        cairo_curve_to(c, x0 + bend, (y0 + y1) / 2, x1 - bend, (y0 + y1) / 2, x1, y1);
        cairo_stroke(c);
        Art::SetColour(c, tip);
        cairo_arc(c, x1, y1, 2.6, 0, 2 * Art::kPi);
        cairo_fill(c);
    }
}

struct SPlantKind {
    const char* pszKind;
    int nBlades;
    float fWidth, fHeight;  // screen units at scale 1
    float fSway, fPeriod;
};
const SPlantKind PLANTS[] = {
    {"kelp", 3, 46, 250, 0.12f, 4.6f},
    {"weed", 4, 22, 90, 0.2f, 3.2f},
    {"fan", 1, 130, 130, 0.05f, 5.0f},
    {"anemone", 1, 90, 90, 0.06f, 2.6f},
};

// Blades side by side from one foot, each on its own beat.
Vantile::SObjectFile PlantModel(const SPlantKind& kind, const std::string& strTexture, float fUnit)
{
    Vantile::SObjectFile file;
    file.Materials.push_back(Material(RIGID, strTexture));
    file.Root.strName = std::string("Plant_") + kind.pszKind;
    file.Root.mLocal = Vantile::IdentityMatrix();
    for (int i = 0; i < kind.nBlades; ++i) {
        const std::string strName = file.Root.strName + "_" + std::to_string(i);
        const float fScale = 1.0f - 0.18f * float(i % 3);
        const float x = (float(i) - (kind.nBlades - 1) / 2.0f) * kind.fWidth * 0.45f * fUnit;
        Vantile::SNodeRecord blade = QuadNode(strName, -kind.fWidth / 2 * fUnit, 0, kind.fWidth / 2 * fUnit,
                                              kind.fHeight * fScale * fUnit);
        blade.mLocal = Translation(x, 0, 0);
        file.Root.Children.push_back(blade);
        file.AnimationSet.Animations.push_back(
            SwayTrack(strName, kind.fSway, kind.fPeriod * (1.0f + 0.13f * i), 0.31f * i, D3DXVECTOR3(x, 0, 0)));
    }
    file.AnimationSet.strName = "sway";
    return file;
}

void PaintPlantTexture(Art::CCanvas& canvas, const std::string& strKind)
{
    if (strKind == "kelp")
        PaintBlade(canvas, Art::ParseColour("5A8A3A"), 0.12);
    else if (strKind == "weed")
        PaintBlade(canvas, Art::ParseColour("4A9A5A"), 0.05);
    else if (strKind == "fan")
        PaintFan(canvas);
    else
        PaintAnemone(canvas);
}

void PaintShell(cairo_t* c)
{
    const Art::SColour colour = Art::ParseColour("F0C8A8");
    cairo_move_to(c, 24, 36);
    cairo_curve_to(c, 2, 30, 4, 6, 24, 4);
    cairo_curve_to(c, 44, 6, 46, 30, 24, 36);
    Art::FillVertical(c, 4, 36, Art::Lighter(colour, 0.3), Art::Darker(colour, 0.2));
    cairo_move_to(c, 24, 36);
    cairo_curve_to(c, 2, 30, 4, 6, 24, 4);
    cairo_curve_to(c, 44, 6, 46, 30, 24, 36);
    Outline(c, colour, 1.6);
    for (int i = -2; i <= 2; ++i) {
        cairo_move_to(c, 24, 34);
        cairo_line_to(c, 24 + i * 8, 8 + std::abs(i) * 3);
    }
    Outline(c, colour, 1.2);
}

void PaintStar(cairo_t* c)
{
    const Art::SColour colour = Art::ParseColour("E88A5A");
    for (int i = 0; i < 10; ++i) {
        const double a = -Art::kPi / 2 + i * Art::kPi / 5, r = i % 2 ? 8 : 21;
        if (i == 0)
            cairo_move_to(c, 24 + r * std::cos(a), 26 + r * std::sin(a));
        else
            cairo_line_to(c, 24 + r * std::cos(a), 26 + r * std::sin(a));
    }
    cairo_close_path(c);
    Art::FillVertical(c, 5, 47, Art::Lighter(colour, 0.2), Art::Darker(colour, 0.2));
    Art::SetColour(c, Art::Darker(colour, 0.5));
    cairo_set_line_width(c, 1.6);
    cairo_stroke(c);
}

void PaintStone(cairo_t* c, double w, double h)
{
    const Art::SColour colour = Art::ParseColour("8A8680");
    Ellipse(c, w / 2, h * 0.6, w * 0.46, h * 0.4);
    Art::FillVertical(c, h * 0.2, h, Art::Lighter(colour, 0.25), Art::Darker(colour, 0.35));
    Ellipse(c, w / 2, h * 0.6, w * 0.46, h * 0.4);
    Outline(c, colour, 1.8);
}

void PaintCoral(cairo_t* c)
{
    const Art::SColour colour = Art::ParseColour("D8705A");
    Art::SetColour(c, colour);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    const double branches[][4] = {{40, 90, 40, 20}, {40, 60, 16, 30}, {40, 50, 64, 18}, {16, 30, 10, 8},
                                  {64, 18, 72, 4}, {40, 20, 30, 6}};
    for (const auto& b : branches) {
        cairo_set_line_width(c, 9);
        cairo_move_to(c, b[0], b[1]);
        cairo_line_to(c, b[2], b[3]);
        cairo_stroke(c);
    }
    Art::SetColour(c, Art::Lighter(colour, 0.3), 0.7);
    for (const auto& b : branches) {
        cairo_arc(c, b[2], b[3], 3, 0, 2 * Art::kPi);
        cairo_fill(c);
    }
}

void PaintAnchor(cairo_t* c)
{
    const Art::SColour iron = Art::ParseColour("5A5048");
    cairo_save(c);
    cairo_translate(c, 45, 50);
    cairo_rotate(c, 0.5);
    Art::SetColour(c, iron);
    cairo_set_line_width(c, 8);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(c, 0, -40);
    cairo_line_to(c, 0, 36);
    cairo_move_to(c, -18, -28);
    cairo_line_to(c, 18, -28);
    cairo_stroke(c);
    cairo_arc(c, 0, 6, 32, 0.2, Art::kPi - 0.2);
    cairo_stroke(c);
    cairo_arc(c, 0, -46, 8, 0, 2 * Art::kPi);
    cairo_stroke(c);
    cairo_restore(c);
    Art::SetColour(c, Art::ParseColour("8A5A3A"), 0.35);
    cairo_rectangle(c, 0, 0, 90, 100);
    cairo_set_operator(c, CAIRO_OPERATOR_ATOP);
    cairo_fill(c);
    cairo_set_operator(c, CAIRO_OPERATOR_OVER);
}

void PaintAmphora(cairo_t* c)
{
    const Art::SColour clay = Art::ParseColour("B87048");
    cairo_move_to(c, 24, 6);
    cairo_line_to(c, 36, 6);
    cairo_curve_to(c, 36, 20, 56, 24, 54, 48);
    cairo_curve_to(c, 52, 70, 38, 78, 30, 78);
    cairo_curve_to(c, 22, 78, 8, 70, 6, 48);
    cairo_curve_to(c, 4, 24, 24, 20, 24, 6);
    cairo_close_path(c);
    Art::FillVertical(c, 6, 78, Art::Lighter(clay, 0.2), Art::Darker(clay, 0.3));
    cairo_move_to(c, 24, 6);
    cairo_line_to(c, 36, 6);
    cairo_curve_to(c, 36, 20, 56, 24, 54, 48);
    cairo_curve_to(c, 52, 70, 38, 78, 30, 78);
    cairo_curve_to(c, 22, 78, 8, 70, 6, 48);
    cairo_curve_to(c, 4, 24, 24, 20, 24, 6);
    Outline(c, clay, 1.8);
}

struct SDeco {
    const char* pszKind;
    int nWidth, nHeight;
};
const SDeco DECOS[] = {{"shell", 48, 40}, {"star", 48, 48},   {"stone", 96, 56},
                       {"coral", 80, 96}, {"anchor", 90, 100}, {"amphora", 60, 80}};

void PaintDeco(Art::CCanvas& canvas, const std::string& strKind)
{
    cairo_t* c = canvas.Context();
    if (strKind == "shell")
        PaintShell(c);
    else if (strKind == "star")
        PaintStar(c);
    else if (strKind == "stone")
        PaintStone(c, canvas.Width(), canvas.Height());
    else if (strKind == "coral")
        PaintCoral(c);
    else if (strKind == "anchor")
        PaintAnchor(c);
    else
        PaintAmphora(c);
}

void PaintPellet(Art::CCanvas& canvas, const Art::SColour& colour, int nShape)
{
    cairo_t* c = canvas.Context();
    Ellipse(c, 8, 8, 5.5 - nShape % 2, 4.5 + nShape % 3 * 0.5);
    Art::FillVertical(c, 3, 13, Art::Lighter(colour, 0.35), Art::Darker(colour, 0.25));
    Ellipse(c, 8, 8, 5.5 - nShape % 2, 4.5 + nShape % 3 * 0.5);
    Art::SetColour(c, Art::Darker(colour, 0.55));
    cairo_set_line_width(c, 1.0);
    cairo_stroke(c);
    Art::SetColour(c, Art::ParseColour("FFFFFF"), 0.6);
    cairo_arc(c, 6.5, 6, 1.3, 0, 2 * Art::kPi);
    cairo_fill(c);
}

}  // namespace

float SeabedHeight(float x)
{
    return -254.0f + 9.0f * std::sin(x / 130.0f + 0.6f) + 5.0f * std::sin(x / 47.0f + 1.3f);
}

std::string PlantObjectName(const std::string& strKind)
{
    return "aq_plant_" + strKind + ".object";
}

std::string DecoTextureName(const std::string& strKind)
{
    return "aq_deco_" + strKind + ".dds";
}

bool IsPlantKind(const std::string& strKind)
{
    for (const SPlantKind& kind : PLANTS)
        if (strKind == kind.pszKind)
            return true;
    return false;
}

bool IsDecoKind(const std::string& strKind)
{
    for (const SDeco& deco : DECOS)
        if (strKind == deco.pszKind)
            return true;
    return false;
}

void MakeProps(SOutput& out)
{
    for (const SPlantKind& kind : PLANTS) {
        const bool bBlade = kind.nBlades > 1, bFan = std::string(kind.pszKind) == "fan";
        Art::CCanvas canvas(bBlade ? 64 : bFan ? 256 : 128, bBlade || bFan ? 256 : 128);
        PaintPlantTexture(canvas, kind.pszKind);
        const std::string strTexture = std::string("aq_plant_") + kind.pszKind + ".dds";
        out.writeDds(strTexture, canvas);
        out.writeObject(PlantObjectName(kind.pszKind), PlantModel(kind, strTexture, 1.0f));
        // The main menu's plant is the kelp, a hundredth of the size (the
        // menu scales it back up).
        if (std::string(kind.pszKind) == "kelp")
            out.writeObject("plant_004.object", PlantModel(kind, strTexture, 0.012f));
    }
    for (const SDeco& deco : DECOS) {
        Art::CCanvas canvas(deco.nWidth, deco.nHeight);
        PaintDeco(canvas, deco.pszKind);
        out.writeDds(DecoTextureName(deco.pszKind), canvas);
    }
    const char* const pellets[] = {"C8904A", "B87038", "D8A858", "8AA040", "C86848", "A88858", "E0B870"};
    for (int i = 0; i < 7; ++i) {
        Art::CCanvas canvas(16, 16);
        PaintPellet(canvas, Art::ParseColour(pellets[i]), i);
        out.writeDds("food-0" + std::to_string(i + 1) + ".dds", canvas);
    }
    Vantile::SObjectFile line;
    line.Root.strName = "BottomLineRoot";
    line.Root.mLocal = Vantile::IdentityMatrix();
    Vantile::SNodeRecord spline;
    spline.strName = "BottomLine";
    spline.mLocal = Vantile::IdentityMatrix();
    spline.nType = Vantile::OBJECT_NODE_SPLINE;
    for (int x = -400; x <= 400; x += 20)
        spline.Points.push_back(D3DXVECTOR3(float(x), SeabedHeight(float(x)), 0));
    line.Root.Children.push_back(spline);
    out.writeObject("BottomLine.object", line);
}

}  // namespace Aqua
