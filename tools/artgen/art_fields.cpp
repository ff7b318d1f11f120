// Four scene generators (sunlit lagoon, coral reef, kelp rocks, deep
// water), each varied by its seed: ripple direction, tint, the scatter of
// stones, shells, corals and weed. The seabed stays calm in value so the
// items on top keep their contrast.
#include "art_fields.h"

#include <cmath>
#include <functional>
#include <stdexcept>

namespace Art {

namespace {

struct SScene {
    const char* pszName;
    double fRock;     // share of rock patches
    double fDepth;    // tint towards deep water
    double fCaustic;  // strength of the sunlight web
    int nPebbles, nShells, nCorals, nWeeds;
};

const SScene kScenes[] = {
    {"lagoon", 0.0, 0.12, 0.55, 14, 8, 0, 2},
    {"reef", 0.0, 0.22, 0.4, 8, 4, 9, 4},
    {"kelp", 0.45, 0.3, 0.3, 10, 2, 2, 12},
    {"deep", 0.2, 0.62, 0.12, 6, 3, 3, 3},
};

const SScene& FindScene(const std::string& strName)
{
    for (const SScene& scene : kScenes)
        if (strName == scene.pszName)
            return scene;
    throw std::runtime_error("no seabed scene \"" + strName + "\"");
}

using Palette = std::map<std::string, SColour>;

const SColour& Get(const Palette& palette, const char* pszName)
{
    const auto it = palette.find(pszName);
    if (it == palette.end())
        throw std::runtime_error(std::string("palette has no colour \"") + pszName + "\"");
    return it->second;
}

// Per-pixel seabed: rippled sand, rock patches, depth tint, caustic light.
void PaintSeabed(CCanvas& canvas, const Palette& palette, const SScene& scene, unsigned int nSeed)
{
    CRandom random(nSeed);
    const double fAngle = random.Range(0, kPi), fFrequency = random.Range(0.09, 0.14), fPhase = random.Range(0, 6);
    const double ca = std::cos(fAngle), sa = std::sin(fAngle);
    const SColour water = Mix(Get(palette, "water_mid"), Get(palette, "water_deep"), scene.fDepth);
    cairo_surface_flush(canvas.Surface());
    unsigned char* pData = cairo_image_surface_get_data(canvas.Surface());
    const int nStride = cairo_image_surface_get_stride(canvas.Surface());
    for (int y = 0; y < kFieldPixels; ++y) {
        auto* pRow = reinterpret_cast<unsigned int*>(pData + size_t(y) * nStride);
        for (int x = 0; x < kFieldPixels; ++x) {
            const double n = FractalNoise(x / 60.0, y / 60.0, nSeed, 4);
            const double ripple = 0.5 + 0.5 * std::sin((x * ca + y * sa) * fFrequency + n * 7);
            SColour c = Mix(Get(palette, "sand_mid"), Get(palette, "sand_light"), ripple * 0.6 + n * 0.3);
            c = Mix(c, Get(palette, "sand_dark"), std::pow(1 - ripple, 4) * 0.5);
            const double rock = FractalNoise(x / 90.0, y / 90.0, nSeed + 7, 4);
            if (rock < scene.fRock)
                c = Mix(Get(palette, "rock"), Get(palette, "rock_dark"), std::min(1.0, (scene.fRock - rock) * 6 + n * 0.4));
            c = Mix(c, water, 0.1 + scene.fDepth * 0.55);
            const double light = Caustic(x / 38.0, y / 38.0, fPhase) * scene.fCaustic;
            const double fVignette = 1 - 0.25 * (std::pow((x - 220) / 330.0, 2) + std::pow((y - 220) / 330.0, 2));
            c = Mix(c, Get(palette, "light"), light * 0.6);
            pRow[x] = 0xFF000000u | unsigned(std::min(1.0, c.r * fVignette) * 255) << 16 |
                      unsigned(std::min(1.0, c.g * fVignette) * 255) << 8 | unsigned(std::min(1.0, c.b * fVignette) * 255);
        }
    }
    cairo_surface_mark_dirty(canvas.Surface());
}

void Pebble(cairo_t* c, const Palette& palette, CRandom& random, double x, double y)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_rotate(c, random.Range(0, kPi));
    cairo_scale(c, random.Range(5, 11), random.Range(4, 8));
    cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(c);
    const SColour stone = Mix(Get(palette, "rock"), Get(palette, "sand_light"), random.Range(0, 0.6));
    FillVertical(c, y - 8, y + 8, Lighter(stone, 0.3), Darker(stone, 0.25));
    cairo_new_path(c);
}

void Shell(cairo_t* c, const Palette& palette, CRandom& random, double x, double y)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_rotate(c, random.Range(-1, 1));
    const double s = random.Range(0.6, 1.1);
    cairo_scale(c, s, s);
    cairo_move_to(c, 0, 8);
    cairo_arc(c, 0, 8, 14, -kPi * 0.92, -kPi * 0.08);
    cairo_close_path(c);
    const SColour shell = Mix(Get(palette, "coral_pink"), Get(palette, "sand_light"), random.Range(0.3, 0.8));
    FillVertical(c, -6, 8, Lighter(shell, 0.4), shell);
    cairo_set_source_rgba(c, 0.35, 0.2, 0.15, 0.6);
    cairo_set_line_width(c, 1.2);
    cairo_stroke(c);
    for (int i = 1; i < 6; ++i) {
        const double a = -kPi + kPi * i / 6;
        cairo_move_to(c, 0, 8);
        cairo_line_to(c, 13 * std::cos(a), 8 + 13 * std::sin(a));
    }
    cairo_set_source_rgba(c, 0.45, 0.25, 0.2, 0.45);
    cairo_stroke(c);
    cairo_restore(c);
}

void CoralBranch(cairo_t* c, CRandom& random, double x, double y, double fAngle, double fLength, int nDepth)
{
    const double ex = x + std::cos(fAngle) * fLength, ey = y + std::sin(fAngle) * fLength;
    cairo_move_to(c, x, y);
    cairo_line_to(c, ex, ey);
    if (nDepth > 0)
        for (int i = 0; i < 2; ++i)
            CoralBranch(c, random, ex, ey, fAngle + random.Range(-0.8, 0.8), fLength * 0.72, nDepth - 1);
}

void Coral(cairo_t* c, const Palette& palette, CRandom& random, double x, double y)
{
    const char* kColours[] = {"coral_red", "coral_pink", "coral_orange"};
    const SColour coral = Get(palette, kColours[int(random.Range(0, 3))]);
    for (int i = 0; i < 5; ++i)
        CoralBranch(c, random, x, y, 2 * kPi * i / 5 + random.Range(-0.3, 0.3), random.Range(10, 16), 3);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    SetColour(c, Darker(coral, 0.45));
    cairo_set_line_width(c, 6.5);
    cairo_stroke_preserve(c);
    SetColour(c, coral);
    cairo_set_line_width(c, 4);
    cairo_stroke_preserve(c);
    SetColour(c, Lighter(coral, 0.45));
    cairo_set_line_width(c, 1.4);
    cairo_stroke(c);
}

void Weed(cairo_t* c, const Palette& palette, CRandom& random, double x, double y)
{
    for (int i = 0; i < 4; ++i) {
        const double a = random.Range(0, 2 * kPi), l = random.Range(24, 46), bend = random.Range(-14, 14);
        const double ex = x + std::cos(a) * l, ey = y + std::sin(a) * l;
        cairo_move_to(c, x, y);
        cairo_curve_to(c, x + std::cos(a) * l * 0.5 - std::sin(a) * bend, y + std::sin(a) * l * 0.5 + std::cos(a) * bend,
                       ex - std::sin(a) * bend * 0.5, ey + std::cos(a) * bend * 0.5, ex, ey);
    }
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    SetColour(c, Get(palette, "weed_dark"));
    cairo_set_line_width(c, 7);
    cairo_stroke_preserve(c);
    SetColour(c, Get(palette, "weed"));
    cairo_set_line_width(c, 4);
    cairo_stroke(c);
}

void PaintObjects(cairo_t* c, const Palette& palette, const SScene& scene, unsigned int nSeed)
{
    CRandom random(nSeed * 7 + 3);
    auto scatter = [&](int nCount, const std::function<void(double, double)>& fnDraw) {
        for (int i = 0; i < nCount; ++i)
            fnDraw(random.Range(10, 500), random.Range(10, 500));
    };
    scatter(scene.nWeeds, [&](double x, double y) { Weed(c, palette, random, x, y); });
    scatter(scene.nCorals, [&](double x, double y) { Coral(c, palette, random, x, y); });
    scatter(scene.nPebbles, [&](double x, double y) { Pebble(c, palette, random, x, y); });
    scatter(scene.nShells, [&](double x, double y) { Shell(c, palette, random, x, y); });
}

// Faint bevels between the tiles so the board reads as cells.
void PaintCellEdges(cairo_t* c)
{
    const int nCell = kBoardPixels / 8;
    for (int i = 0; i <= 8; ++i) {
        cairo_move_to(c, i * nCell + 0.5, 0);
        cairo_line_to(c, i * nCell + 0.5, kBoardPixels);
        cairo_move_to(c, 0, i * nCell + 0.5);
        cairo_line_to(c, kBoardPixels, i * nCell + 0.5);
    }
    cairo_set_source_rgba(c, 0.02, 0.08, 0.16, 0.28);
    cairo_set_line_width(c, 1);
    cairo_stroke(c);
    for (int i = 0; i < 8; ++i) {
        cairo_move_to(c, i * nCell + 1.5, 0);
        cairo_line_to(c, i * nCell + 1.5, kBoardPixels);
        cairo_move_to(c, 0, i * nCell + 1.5);
        cairo_line_to(c, kBoardPixels, i * nCell + 1.5);
    }
    cairo_set_source_rgba(c, 1, 1, 0.95, 0.14);
    cairo_stroke(c);
}

}  // namespace

void PaintField(CCanvas& canvas, const Palette& palette, const SFieldLine& field)
{
    const SScene& scene = FindScene(field.strScene);
    PaintSeabed(canvas, palette, scene, field.nSeed);
    DrawWithShadow(
        canvas.Context(), [&](cairo_t* c) { PaintObjects(c, palette, scene, field.nSeed); }, 3, 4, 4, 0.45);
    PaintCellEdges(canvas.Context());
}

std::vector<std::string> WriteFields(const std::vector<SFieldLine>& fields, const Palette& palette,
                                     const std::string& strOutDir)
{
    std::vector<std::string> written;
    for (const SFieldLine& field : fields) {
        CCanvas canvas(kFieldPixels, kFieldPixels);
        PaintField(canvas, palette, field);
        canvas.WriteJpeg(strOutDir + "/" + field.strName, 90);
        written.push_back(field.strName);
    }
    return written;
}

}  // namespace Art
