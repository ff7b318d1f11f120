// The level map's art and routes, from chart.txt: the painted sea chart
// "map.jpg" (a teal sea washed over warm parchment, islands with sandy
// shores and shallows, reefs, rhumb lines, a compass rose and the title
// cartouche), the route marks (the cross "x_map.dds", the looping arrival
// mark "X_map.ifl", the dot "small_map.ifl" that stamps in once) and the
// routes themselves as spline nodes of "path_segments.object".
#include "art_map.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "Objects/vantile_objectformat.h"
#include "Scene/vantile_node.h"
#include "art_canvas.h"
#include "art_chart.h"
#include "art_draw.h"

namespace Art {

namespace {

const int kWidth = 800, kHeight = 600;
const SColour kParchment = ParseColour("F2E2B8");
const SColour kSea = ParseColour("5FA8B0");
const SColour kDeep = ParseColour("2F7A8C");
const SColour kShallow = ParseColour("BFE6D6");
const SColour kSand = ParseColour("EAD49C");
const SColour kGrass = ParseColour("8CA552");
const SColour kForest = ParseColour("4F7A34");
const SColour kInk = ParseColour("4A2E16");
const SColour kRed = ParseColour("A8221C");

void CoastPath(cairo_t* c, const std::vector<SChartPoint>& coast)
{
    cairo_new_path(c);
    for (const SChartPoint& p : coast)
        cairo_line_to(c, p.x, p.y);
    cairo_close_path(c);
}

// Sea and paper, pixel by pixel: noise-mottled teal washed over parchment,
// deeper water away from the middle, a brown age vignette at the edges.
void PaintSea(CCanvas& canvas)
{
    cairo_surface_flush(canvas.Surface());
    unsigned char* pData = cairo_image_surface_get_data(canvas.Surface());
    const int nStride = cairo_image_surface_get_stride(canvas.Surface());
    const SColour edge = ParseColour("8A6A3C");
    for (int y = 0; y < kHeight; ++y) {
        auto* pRow = reinterpret_cast<unsigned int*>(pData + size_t(y) * nStride);
        for (int x = 0; x < kWidth; ++x) {
            const double n = FractalNoise(x / 70.0, y / 70.0, 31, 4), f = FractalNoise(x / 9.0, y / 9.0, 5, 2);
            const double fBrush = 0.5 + 0.5 * std::sin(y / 3.1 + n * 9 + x / 140.0);
            const double fDepth = std::min(1.0, std::hypot((x - 400) / 420.0, (y - 300) / 330.0));
            SColour c = Mix(kSea, kDeep, fDepth * 0.55 + (n - 0.5) * 0.5);
            c = Mix(c, kParchment, 0.38 + 0.1 * fBrush + (f - 0.5) * 0.12);
            const double fEdge = std::pow(std::max(std::abs(x - 400) / 400.0, std::abs(y - 300) / 300.0), 6);
            c = Mix(c, edge, std::min(0.6, fEdge * 0.55 + (n - 0.5) * 0.08));
            const auto channel = [](double v) { return unsigned(std::clamp(v, 0.0, 1.0) * 255 + 0.5); };
            pRow[x] = 0xFF000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
        }
    }
    cairo_surface_mark_dirty(canvas.Surface());
}

void PaintRhumbLines(cairo_t* c, const SChart& chart)
{
    cairo_save(c);
    cairo_set_line_width(c, 0.8);
    for (const SChartPoint& centre : {SChartPoint{chart.compass.x, chart.compass.y}, SChartPoint{560, 300}})
        for (int i = 0; i < 16; ++i) {
            const double a = i * kPi / 8;
            cairo_move_to(c, centre.x, centre.y);
            cairo_line_to(c, centre.x + std::cos(a) * 1200, centre.y + std::sin(a) * 1200);
            SetColour(c, kInk, i % 2 ? 0.07 : 0.13);
            cairo_stroke(c);
        }
    cairo_restore(c);
}

// Pale shallows around every coast, with two ring lines of a chart's
// soundings.
void PaintShallows(CCanvas& canvas, const std::vector<std::vector<SChartPoint>>& coasts)
{
    cairo_surface_t* pLayer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    cairo_t* l = cairo_create(pLayer);
    cairo_set_line_join(l, CAIRO_LINE_JOIN_ROUND);
    for (const auto& coast : coasts) {
        CoastPath(l, coast);
        cairo_set_line_width(l, 30);
        SetColour(l, kShallow, 0.8);
        cairo_stroke_preserve(l);
        cairo_fill(l);
    }
    cairo_destroy(l);
    BlurSurface(pLayer, 6);
    cairo_t* c = canvas.Context();
    cairo_set_source_surface(c, pLayer, 0, 0);
    cairo_paint_with_alpha(c, 0.75);
    cairo_surface_destroy(pLayer);
    for (double fOffset : {8.0, 15.0}) {
        cairo_push_group(c);
        for (const auto& coast : coasts) {
            CoastPath(c, coast);
            cairo_set_line_width(c, fOffset * 2 + 1.1);
            SetColour(c, ParseColour("3F6F80"), 1.0);
            cairo_stroke_preserve(c);
            cairo_set_operator(c, CAIRO_OPERATOR_CLEAR);
            cairo_set_line_width(c, fOffset * 2 - 1.1);
            cairo_stroke_preserve(c);
            cairo_fill(c);
            cairo_set_operator(c, CAIRO_OPERATOR_OVER);
        }
        cairo_pop_group_to_source(c);
        cairo_paint_with_alpha(c, fOffset < 10 ? 0.35 : 0.2);
    }
}

void Bounds(const std::vector<SChartPoint>& coast, double& x0, double& y0, double& x1, double& y1)
{
    x0 = y0 = 1e9;
    x1 = y1 = -1e9;
    for (const SChartPoint& p : coast) {
        x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
}

// A little green hill, lit from the upper left.
void PaintHill(cairo_t* c, double x, double y, double w)
{
    cairo_move_to(c, x - w, y);
    cairo_curve_to(c, x - w * 0.5, y - w * 0.9, x + w * 0.3, y - w * 0.95, x + w, y);
    cairo_close_path(c);
    FillVertical(c, y - w, y, Lighter(kGrass, 0.15), Darker(kForest, 0.1));
    cairo_move_to(c, x - w * 0.1, y - w * 0.7);
    cairo_curve_to(c, x + w * 0.3, y - w * 0.6, x + w * 0.6, y - w * 0.3, x + w * 0.8, y - w * 0.05);
    SetColour(c, kInk, 0.45);
    cairo_set_line_width(c, 1.0);
    cairo_stroke(c);
}

void PaintTree(cairo_t* c, double x, double y, double r)
{
    cairo_arc(c, x + 1, y + 1.5, r, 0, 2 * kPi);
    SetColour(c, ParseColour("2E4A1C"), 0.35);
    cairo_fill(c);
    cairo_arc(c, x, y, r, 0, 2 * kPi);
    FillVertical(c, y - r, y + r, Lighter(kForest, 0.25), Darker(kForest, 0.25));
    cairo_arc(c, x - r * 0.3, y - r * 0.35, r * 0.35, 0, 2 * kPi);
    SetColour(c, Lighter(kGrass, 0.4), 0.6);
    cairo_fill(c);
}

// An island's body: sandy shore, green inland, hills and trees, an ink
// coastline.
void PaintIsland(cairo_t* c, const std::vector<SChartPoint>& coast, const SIsland& island, unsigned nSeed)
{
    double x0, y0, x1, y1;
    Bounds(coast, x0, y0, x1, y1);
    CoastPath(c, coast);
    FillVertical(c, y0, y1, Lighter(kSand, 0.2), Darker(kSand, 0.08));
    cairo_save(c);
    CoastPath(c, coast);
    cairo_clip(c);
    CoastPath(c, coast);
    cairo_set_line_width(c, 14);
    cairo_set_source_rgba(c, 0, 0, 0, 0);
    cairo_push_group(c);
    CoastPath(c, coast);
    FillVertical(c, y0, y1, Lighter(kGrass, 0.1), Darker(kGrass, 0.15));
    CRandom random(nSeed);
    for (int i = 0; i < 12; ++i) {
        cairo_arc(c, random.Range(x0, x1), random.Range(y0, y1), random.Range(6, 16), 0, 2 * kPi);
        SetColour(c, random.Next() < 0.5 ? kForest : Lighter(kGrass, 0.3), 0.25);
        cairo_fill(c);
    }
    // The sand shows round the edge: the green is cut back from the coast.
    cairo_set_operator(c, CAIRO_OPERATOR_DEST_OUT);
    CoastPath(c, coast);
    cairo_set_line_width(c, 11);
    cairo_set_source_rgba(c, 0, 0, 0, 1);
    cairo_stroke(c);
    cairo_set_operator(c, CAIRO_OPERATOR_OVER);
    cairo_pop_group_to_source(c);
    cairo_paint(c);
    const double fWidth = x1 - x0;
    // A hill stands clear of the shore; a low islet has none.
    const double fHeight = y1 - y0;
    const int nHills = fHeight < 40 ? 0 : std::max(1, int(fWidth / 70));
    for (int i = 0; i < nHills; ++i)
        PaintHill(c, x0 + fWidth * (i + 0.5) / nHills + random.Range(-8, 8), (y0 + y1) / 2 + 3,
                  std::min(random.Range(8, 12), fHeight / 4));
    for (int i = 0; i < int(fWidth / 22); ++i)
        PaintTree(c, random.Range(x0 + 14, x1 - 14), random.Range(y0 + 10, y1 - 8), random.Range(2.5, 4));
    cairo_restore(c);
    CoastPath(c, coast);
    SetColour(c, kInk, 0.85);
    cairo_set_line_width(c, 1.6);
    cairo_stroke(c);
    (void)island;
}

void PaintReef(cairo_t* c, const SCircle& reef, unsigned nSeed)
{
    CRandom random(nSeed);
    for (int i = 0; i < 7; ++i) {
        const double a = random.Range(0, 2 * kPi), d = random.Range(0, reef.r * 0.8);
        const double x = reef.x + std::cos(a) * d, y = reef.y + std::sin(a) * d * 0.7, r = random.Range(1.6, 3.2);
        cairo_arc(c, x - 1.5, y + 1.5, r + 2.5, kPi * 0.6, kPi * 1.4);
        SetColour(c, ParseColour("FFFFFF"), 0.6);
        cairo_set_line_width(c, 1.0);
        cairo_stroke(c);
        cairo_arc(c, x, y, r, 0, 2 * kPi);
        FillVertical(c, y - r, y + r, ParseColour("B49A78"), ParseColour("6A5540"));
        cairo_arc(c, x, y, r, 0, 2 * kPi);
        SetColour(c, kInk, 0.7);
        cairo_set_line_width(c, 0.8);
        cairo_stroke(c);
    }
}

// Little wave strokes in the open sea, away from land and routes.
void PaintWaves(cairo_t* c, const SChart& chart, const std::vector<std::vector<SChartPoint>>& coasts)
{
    std::vector<SChartPoint> avoid;
    for (size_t i = 0; i < RouteCount(chart); ++i)
        for (const SChartPoint& p : RoutePoints(chart, i))
            avoid.push_back(p);
    for (const auto& coast : coasts)
        avoid.insert(avoid.end(), coast.begin(), coast.end());
    CRandom random(77);
    cairo_set_line_width(c, 1.1);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int nTry = 0, nDrawn = 0; nTry < 900 && nDrawn < 70; ++nTry) {
        const double x = random.Range(30, 770), y = random.Range(96, 580);
        const bool bNear = std::any_of(avoid.begin(), avoid.end(), [&](const SChartPoint& p) {
            return std::hypot(p.x - x, p.y - y) < 22;
        });
        const bool bShip = std::any_of(chart.ships.begin(), chart.ships.end(), [&](const SCircle& s) {
            return std::hypot(s.x - x, s.y - y) < s.r + 10;
        });
        if (bNear || bShip || std::hypot(x - chart.compass.x, y - chart.compass.y) < chart.compass.r + 16 ||
            (std::abs(x - 400) < 150 && y > 520))
            continue;
        for (int k = 0; k < 2; ++k) {
            const double yy = y + k * 4, xx = x + k * 3;
            cairo_move_to(c, xx - 7, yy);
            cairo_curve_to(c, xx - 4, yy - 3, xx - 1, yy - 3, xx, yy);
            cairo_curve_to(c, xx + 1, yy + 0, xx + 4, yy - 3, xx + 7, yy);
        }
        SetColour(c, ParseColour("2F5F70"), 0.4);
        cairo_stroke(c);
        ++nDrawn;
    }
}

// A little galleon under full sail heading east, in ink and wash.
void PaintShip(cairo_t* c, const SCircle& ship)
{
    cairo_save(c);
    cairo_translate(c, ship.x, ship.y);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(c, 1.1);
    // Wake and waves under the hull.
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(c, -24 + i * 6, 13 + i * 2);
        cairo_curve_to(c, -16 + i * 6, 10 + i * 2, -8 + i * 6, 16 + i * 2, 2 + i * 6, 13 + i * 2);
    }
    SetColour(c, ParseColour("2F5F70"), 0.55);
    cairo_stroke(c);
    // Hull.
    cairo_move_to(c, -20, 2);
    cairo_line_to(c, 22, 2);
    cairo_curve_to(c, 19, 8, 14, 12, 6, 12);
    cairo_line_to(c, -14, 12);
    cairo_curve_to(c, -18, 10, -20, 6, -20, 2);
    cairo_close_path(c);
    FillVertical(c, 2, 12, ParseColour("9A6234"), ParseColour("5A3418"));
    SetColour(c, kInk, 1.0);
    cairo_stroke(c);
    cairo_move_to(c, -17, 6);
    cairo_line_to(c, 18, 6);
    SetColour(c, ParseColour("E0B860"), 0.9);
    cairo_stroke(c);
    // Masts, sails bellied by the wind, pennants.
    const double masts[] = {-7, 7};
    for (double x : masts) {
        cairo_move_to(c, x, 2);
        cairo_line_to(c, x, -24);
        SetColour(c, kInk, 1.0);
        cairo_stroke(c);
        for (int s = 0; s < 2; ++s) {
            const double top = -22 + s * 11, bottom = top + 9, w = 8 - s * 0.5;
            cairo_move_to(c, x - w, top);
            cairo_curve_to(c, x - w + 2, top + 4, x - w + 2, bottom - 2, x - w, bottom);
            cairo_line_to(c, x + w, bottom);
            cairo_curve_to(c, x + w + 3, bottom - 3, x + w + 3, top + 3, x + w, top);
            cairo_close_path(c);
            FillVertical(c, top, bottom, ParseColour("FFF8E6"), ParseColour("E2D2AE"));
            cairo_move_to(c, x - w, top);
            cairo_curve_to(c, x - w + 2, top + 4, x - w + 2, bottom - 2, x - w, bottom);
            cairo_line_to(c, x + w, bottom);
            cairo_curve_to(c, x + w + 3, bottom - 3, x + w + 3, top + 3, x + w, top);
            cairo_close_path(c);
            SetColour(c, kInk, 0.9);
            cairo_stroke(c);
        }
        cairo_move_to(c, x, -24);
        cairo_line_to(c, x + 7, -26);
        cairo_line_to(c, x, -28);
        cairo_close_path(c);
        SetColour(c, kRed, 1.0);
        cairo_fill(c);
    }
    cairo_restore(c);
}

void PaintCompass(cairo_t* c, const SCircle& rose)
{
    cairo_save(c);
    cairo_translate(c, rose.x, rose.y);
    const double r = rose.r;
    cairo_arc(c, 0, 0, r, 0, 2 * kPi);
    SetColour(c, kParchment, 0.55);
    cairo_fill_preserve(c);
    SetColour(c, kInk, 0.9);
    cairo_set_line_width(c, 1.6);
    cairo_stroke(c);
    cairo_arc(c, 0, 0, r - 5, 0, 2 * kPi);
    cairo_set_line_width(c, 0.8);
    cairo_stroke(c);
    for (int i = 0; i < 32; ++i) {
        const double a = i * kPi / 16, l = i % 4 == 0 ? 5 : 3;
        cairo_move_to(c, std::cos(a) * (r - 5), std::sin(a) * (r - 5));
        cairo_line_to(c, std::cos(a) * (r - 5 + l - 5), std::sin(a) * (r - 5 + l - 5));
        cairo_stroke(c);
    }
    // Points: the four winds long, the half winds shorter; each point
    // half lit, half shaded.
    for (int i = 7; i >= 0; --i) {
        const double a = i * kPi / 4 - kPi / 2, l = i % 2 == 0 ? r - 2 : r * 0.62, w = i % 2 == 0 ? 6.5 : 4.5;
        const double ca = std::cos(a), sa = std::sin(a), cn = std::cos(a + kPi / 2), sn = std::sin(a + kPi / 2);
        for (int side = 0; side < 2; ++side) {
            const double s = side ? -1 : 1;
            cairo_move_to(c, 0, 0);
            cairo_line_to(c, ca * l, sa * l);
            cairo_line_to(c, cn * w * s + ca * w, sn * w * s + sa * w);
            cairo_close_path(c);
            const bool bNorth = i == 0;
            SetColour(c, side ? (bNorth ? kRed : kInk) : (bNorth ? Lighter(kRed, 0.45) : kParchment), 1.0);
            cairo_fill_preserve(c);
            SetColour(c, kInk, 1.0);
            cairo_set_line_width(c, 0.8);
            cairo_stroke(c);
        }
    }
    cairo_arc(c, 0, 0, 3, 0, 2 * kPi);
    SetColour(c, ParseColour("C9A24A"), 1.0);
    cairo_fill_preserve(c);
    SetColour(c, kInk, 1.0);
    cairo_stroke(c);
    cairo_select_font_face(c, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(c, 13);
    cairo_text_extents_t ext;
    cairo_text_extents(c, "N", &ext);
    cairo_move_to(c, -ext.width / 2 - ext.x_bearing, -r - 4);
    SetColour(c, kInk, 1.0);
    cairo_show_text(c, "N");
    cairo_restore(c);
}

// A parchment scroll with curled ends and the chart's title.
void PaintCartouche(cairo_t* c, const SChart& chart)
{
    const double cx = chart.afCartouche[0], cy = chart.afCartouche[1];
    const double w = chart.afCartouche[2], h = chart.afCartouche[3];
    const double x0 = cx - w / 2 + 14, x1 = cx + w / 2 - 14, y0 = cy - h / 2 + 6, y1 = cy + h / 2 - 6;
    DrawWithShadow(
        c,
        [&](cairo_t* l) {
            for (int side = 0; side < 2; ++side) {
                const double x = side ? x1 : x0, s = side ? 1 : -1;
                cairo_move_to(l, x, y0 + 8);
                cairo_curve_to(l, x + s * 18, y0 + 4, x + s * 20, y1 + 8, x + s * 4, y1 + 10);
                cairo_line_to(l, x, y1);
                cairo_close_path(l);
                FillVertical(l, y0, y1 + 10, Darker(kParchment, 0.12), Darker(kParchment, 0.3));
                cairo_move_to(l, x, y0 + 8);
                cairo_curve_to(l, x + s * 18, y0 + 4, x + s * 20, y1 + 8, x + s * 4, y1 + 10);
                cairo_line_to(l, x, y1);
                SetColour(l, kInk, 1.0);
                cairo_set_line_width(l, 1.3);
                cairo_stroke(l);
            }
            cairo_move_to(l, x0, y0);
            cairo_curve_to(l, cx - w / 4, y0 - 6, cx + w / 4, y0 + 6, x1, y0);
            cairo_line_to(l, x1, y1);
            cairo_curve_to(l, cx + w / 4, y1 + 6, cx - w / 4, y1 - 6, x0, y1);
            cairo_close_path(l);
            FillVertical(l, y0, y1, Lighter(kParchment, 0.35), Darker(kParchment, 0.05));
            cairo_move_to(l, x0, y0);
            cairo_curve_to(l, cx - w / 4, y0 - 6, cx + w / 4, y0 + 6, x1, y0);
            cairo_line_to(l, x1, y1);
            cairo_curve_to(l, cx + w / 4, y1 + 6, cx - w / 4, y1 - 6, x0, y1);
            cairo_close_path(l);
            SetColour(l, kInk, 1.0);
            cairo_set_line_width(l, 1.6);
            cairo_stroke(l);
            cairo_select_font_face(l, "DejaVu Serif", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_BOLD);
            cairo_set_font_size(l, 24);
            cairo_text_extents_t ext;
            cairo_text_extents(l, chart.strTitle.c_str(), &ext);
            const double tx = cx - ext.width / 2 - ext.x_bearing, ty = cy - ext.height / 2 - ext.y_bearing;
            cairo_move_to(l, tx + 1, ty + 1);
            SetColour(l, ParseColour("FFF6DA"), 0.9);
            cairo_show_text(l, chart.strTitle.c_str());
            cairo_move_to(l, tx, ty);
            SetColour(l, ParseColour("5A2A12"), 1.0);
            cairo_show_text(l, chart.strTitle.c_str());
        },
        2, 3, 4, 0.45);
}

void PaintFrame(cairo_t* c)
{
    cairo_rectangle(c, 3, 3, kWidth - 6, kHeight - 6);
    SetColour(c, ParseColour("5A3A1C"), 1.0);
    cairo_set_line_width(c, 6);
    cairo_stroke(c);
    cairo_rectangle(c, 9.5, 9.5, kWidth - 19, kHeight - 19);
    SetColour(c, ParseColour("C9A24A"), 0.9);
    cairo_set_line_width(c, 1.5);
    cairo_stroke(c);
    for (int i = 0; i < 4; ++i) {
        const double x = i % 2 ? kWidth - 10 : 10, y = i / 2 ? kHeight - 10 : 10;
        cairo_arc(c, x, y, 5, 0, 2 * kPi);
        SetColour(c, ParseColour("C9A24A"), 1.0);
        cairo_fill_preserve(c);
        SetColour(c, ParseColour("5A3A1C"), 1.0);
        cairo_set_line_width(c, 1.2);
        cairo_stroke(c);
    }
}

void PaintChart(CCanvas& canvas, const SChart& chart)
{
    cairo_t* c = canvas.Context();
    PaintSea(canvas);
    PaintRhumbLines(c, chart);
    std::vector<std::vector<SChartPoint>> coasts;
    for (const SIsland& island : chart.islands)
        coasts.push_back(CoastLine(island));
    PaintShallows(canvas, coasts);
    PaintWaves(c, chart, coasts);
    for (size_t i = 0; i < chart.reefs.size(); ++i)
        PaintReef(c, chart.reefs[i], unsigned(i) + 3);
    for (size_t i = 0; i < coasts.size(); ++i)
        DrawWithShadow(
            c, [&](cairo_t* l) { PaintIsland(l, coasts[i], chart.islands[i], unsigned(i) * 7 + 1); }, 2, 3, 3,
            0.35);
    for (const SCircle& ship : chart.ships)
        DrawWithShadow(c, [&](cairo_t* l) { PaintShip(l, ship); }, 2, 2, 2, 0.3);
    PaintCompass(c, chart.compass);
    PaintCartouche(c, chart);
    PaintFrame(c);
}

// A brushed red X with a dark rim, centred in a box of nSize.
void PaintCross(cairo_t* c, double fCentre, double fArm, double fWidth, double fAlpha)
{
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 3; ++pass) {
        for (int s = -1; s <= 1; s += 2) {
            cairo_move_to(c, fCentre - fArm, fCentre - s * fArm);
            cairo_curve_to(c, fCentre - fArm * 0.3, fCentre - s * fArm * 0.25, fCentre + fArm * 0.3,
                           fCentre + s * fArm * 0.35, fCentre + fArm, fCentre + s * fArm);
        }
        const SColour colour = pass == 0 ? ParseColour("3A0806") : pass == 1 ? kRed : ParseColour("F06A4A");
        SetColour(c, colour, fAlpha * (pass == 2 ? 0.55 : 1.0));
        cairo_set_line_width(c, pass == 0 ? fWidth + 2.5 : pass == 1 ? fWidth : fWidth * 0.3);
        if (pass == 2)
            cairo_translate(c, -0.8, -0.8);
        cairo_stroke(c);
        if (pass == 2)
            cairo_translate(c, 0.8, 0.8);
    }
}

void WriteMarks(const std::string& strOutDir, std::vector<std::string>& written)
{
    CCanvas cross(28, 28);
    PaintCross(cross.Context(), 14, 8, 4.5, 1.0);
    cross.WriteDds(strOutDir + "/x_map.dds");
    written.push_back("x_map.dds");
    // The arrival: a ring of light pulses out from a beating cross.
    const int nArrival = 10;
    std::vector<std::string> frames;
    for (int i = 0; i < nArrival; ++i) {
        const double t = double(i) / nArrival;
        CCanvas frame(44, 44);
        cairo_t* c = frame.Context();
        cairo_arc(c, 22, 22, 7 + t * 13, 0, 2 * kPi);
        SetColour(c, ParseColour("FFE9A0"), 0.9 * (1 - t));
        cairo_set_line_width(c, 3.5 * (1 - t) + 0.5);
        cairo_stroke(c);
        PaintGlow(c, 22, 22, 16, ParseColour("FFF2C0"), 0.45 + 0.25 * std::cos(t * 2 * kPi));
        const double fScale = 1.0 + 0.12 * std::cos(t * 2 * kPi);
        PaintCross(c, 22, 9 * fScale, 5, 1.0);
        frames.push_back(FrameName("X_map", i));
        frame.WriteDds(strOutDir + "/" + frames.back());
        written.push_back(frames.back());
    }
    WriteIfl(strOutDir + "/X_map.ifl", 12, frames);
    written.push_back("X_map.ifl");
    // A dot stamps in: it swells past its size, settles, and rests.
    const double radii[] = {1.2, 2.8, 4.6, 5.2, 4.5, 4.0};
    frames.clear();
    for (int i = 0; i < 6; ++i) {
        CCanvas frame(16, 16);
        cairo_t* c = frame.Context();
        const double r = radii[i];
        cairo_arc(c, 8, 8, r + 1.2, 0, 2 * kPi);
        SetColour(c, ParseColour("FFF1CC"), 0.85);
        cairo_fill(c);
        cairo_arc(c, 8, 8, r, 0, 2 * kPi);
        FillVertical(c, 8 - r, 8 + r, ParseColour("B8281E"), ParseColour("6A0F0A"));
        cairo_arc(c, 8, 8, r, 0, 2 * kPi);
        SetColour(c, ParseColour("3A0806"), 0.9);
        cairo_set_line_width(c, 0.9);
        cairo_stroke(c);
        cairo_arc(c, 7.2, 7.0, r * 0.28, 0, 2 * kPi);
        SetColour(c, ParseColour("FFB8A0"), 0.45);
        cairo_fill(c);
        frames.push_back(FrameName("small_map", i));
        frame.WriteDds(strOutDir + "/" + frames.back());
        written.push_back(frames.back());
    }
    WriteIfl(strOutDir + "/small_map.ifl", 12, frames);
    written.push_back("small_map.ifl");
}

// Chart pixels to the screen's sprite space: centred, y up.
D3DXVECTOR3 ScreenPoint(const SChartPoint& p)
{
    return D3DXVECTOR3(float(p.x - kWidth / 2), float(kHeight / 2 - p.y), 0.0f);
}

void WriteRoutes(const SChart& chart, const std::string& strOutDir, std::vector<std::string>& written)
{
    Vantile::SObjectFile file;
    file.Root.strName = "path_segments";
    file.Root.mLocal = Vantile::IdentityMatrix();
    for (size_t i = 0; i < RouteCount(chart); ++i) {
        Vantile::SNodeRecord spline;
        char szName[16];
        snprintf(szName, sizeof szName, "path_%02d", int(i));
        spline.strName = szName;
        spline.mLocal = Vantile::IdentityMatrix();
        spline.nType = Vantile::OBJECT_NODE_SPLINE;
        for (const SChartPoint& p : RoutePoints(chart, i))
            spline.Points.push_back(ScreenPoint(p));
        file.Root.Children.push_back(spline);
    }
    const std::string strBytes = Vantile::WriteObjectFile(file);
    WriteFileBytes(strOutDir + "/path_segments.object", strBytes.data(), strBytes.size());
    written.push_back("path_segments.object");
}

}  // namespace

std::vector<std::string> WriteMap(const std::string& strSourceDir, const std::string& strOutDir)
{
    const SChart chart = ReadChart(strSourceDir + "/chart.txt");
    const std::vector<std::string> faults = CheckChart(chart);
    if (!faults.empty()) {
        std::string strFaults;
        for (const std::string& strFault : faults)
            strFaults += "\n  " + strFault;
        throw std::runtime_error(strSourceDir + "/chart.txt: the routes do not keep to the sea:" + strFaults);
    }
    std::vector<std::string> written;
    CCanvas canvas(kWidth, kHeight);
    PaintChart(canvas, chart);
    canvas.WriteJpeg(strOutDir + "/map.jpg", 92);
    written.push_back("map.jpg");
    WriteMarks(strOutDir, written);
    WriteRoutes(chart, strOutDir, written);
    return written;
}

void WriteMapPreview(const std::string& strSourceDir, const std::string& strPngPath)
{
    const SChart chart = ReadChart(strSourceDir + "/chart.txt");
    CCanvas canvas(kWidth, kHeight);
    PaintChart(canvas, chart);
    cairo_t* c = canvas.Context();
    for (size_t i = 0; i < RouteCount(chart); ++i) {
        const std::vector<SChartPoint> points = RoutePoints(chart, i);
        for (size_t q = 0; q + 1 < points.size(); ++q) {
            cairo_arc(c, points[q].x, points[q].y, q + 2 == points.size() ? 5 : 3, 0, 2 * kPi);
            SetColour(c, kRed, 1.0);
            cairo_fill(c);
        }
    }
    for (const std::string& strFault : CheckChart(chart))
        fprintf(stderr, "%s\n", strFault.c_str());
    canvas.WritePng(strPngPath);
}

}  // namespace Art
