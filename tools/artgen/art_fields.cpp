// Four scene generators (sunlit lagoon, reef rubble, kelp rocks, deep
// water), each varied by its seed: ripple direction, the scatter of
// stones, shells and weed. The seabed stays calm in value and low in
// saturation so the items on top are the brightest things on the board,
// and its decorations sit only in the gaps between cells and at the
// board's edge, never under an item's centre.
#include "art_fields.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace Art {

namespace {

struct SScene {
    const char* pszName;
    const char* pszBed;  // palette name of the scene's sand tone
    double fRock;        // share of rock patches
    double fCaustic;     // strength of the sunlight web
    double fRipple;      // depth of the sand ripples
    double fDecoration;  // chance of a decoration at a cell corner
    double fWeed;        // share of those that are weed tufts
};

const SScene kScenes[] = {
    {"lagoon", "bed_lagoon", 0.0, 0.5, 0.12, 0.3, 0.15},
    {"reef", "bed_reef", 0.22, 0.3, 0.09, 0.55, 0.3},
    {"kelp", "bed_kelp", 0.4, 0.2, 0.06, 0.6, 0.7},
    {"deep", "bed_deep", 0.15, 0.14, 0.07, 0.35, 0.4},
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

unsigned int Pixel(const SColour& c, double fScale)
{
    auto channel = [fScale](double v) { return unsigned(std::min(1.0, std::max(0.0, v * fScale)) * 255); };
    return 0xFF000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

// Per-pixel seabed: rippled sand, rock patches, caustic light, vignette.
void PaintSeabed(CCanvas& canvas, const Palette& palette, const SScene& scene, unsigned int nSeed)
{
    CRandom random(nSeed);
    const double fAngle = random.Range(0, kPi), fFrequency = random.Range(0.09, 0.14), fPhase = random.Range(0, 6);
    const double ca = std::cos(fAngle), sa = std::sin(fAngle);
    const SColour bed = Get(palette, scene.pszBed), light = Get(palette, "light");
    const SColour rock = Mix(Get(palette, "rock"), bed, 0.45), rockDark = Mix(Get(palette, "rock_dark"), bed, 0.55);
    cairo_surface_flush(canvas.Surface());
    unsigned char* pData = cairo_image_surface_get_data(canvas.Surface());
    const int nStride = cairo_image_surface_get_stride(canvas.Surface());
    for (int y = 0; y < kFieldPixels; ++y) {
        auto* pRow = reinterpret_cast<unsigned int*>(pData + size_t(y) * nStride);
        for (int x = 0; x < kFieldPixels; ++x) {
            const double n = FractalNoise(x / 60.0, y / 60.0, nSeed, 4);
            const double ripple = 0.5 + 0.5 * std::sin((x * ca + y * sa) * fFrequency + n * 7);
            SColour c = Mix(Darker(bed, scene.fRipple), Lighter(bed, scene.fRipple), ripple * 0.7 + n * 0.3);
            const double fRock = FractalNoise(x / 90.0, y / 90.0, nSeed + 7, 4);
            if (fRock < scene.fRock)
                c = Mix(rock, rockDark, std::min(1.0, (scene.fRock - fRock) * 5 + n * 0.3));
            c = Mix(c, light, Caustic(x / 38.0, y / 38.0, fPhase) * scene.fCaustic * 0.35);
            const double fVignette = 1 - 0.22 * (std::pow((x - 220) / 330.0, 2) + std::pow((y - 220) / 330.0, 2));
            pRow[x] = Pixel(c, fVignette);
        }
    }
    cairo_surface_mark_dirty(canvas.Surface());
}

void Pebbles(cairo_t* c, const Palette& palette, CRandom& random, double x, double y)
{
    const int nCount = 2 + int(random.Range(0, 3));
    for (int i = 0; i < nCount; ++i) {
        const double px = x + random.Range(-6, 6), py = y + random.Range(-6, 6);
        cairo_save(c);
        cairo_translate(c, px, py);
        cairo_rotate(c, random.Range(0, kPi));
        cairo_scale(c, random.Range(2.5, 4.5), random.Range(2, 3.5));
        cairo_arc(c, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(c);
        const SColour stone = Mix(Get(palette, "rock"), Get(palette, "bark"), random.Range(0, 0.7));
        FillVertical(c, py - 4, py + 4, Lighter(stone, 0.25), Darker(stone, 0.2));
        cairo_new_path(c);
    }
}

void Shell(cairo_t* c, const Palette& palette, CRandom& random, double x, double y)
{
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_rotate(c, random.Range(-kPi, kPi));
    const double s = random.Range(0.32, 0.45);
    cairo_scale(c, s, s);
    cairo_move_to(c, 0, 8);
    cairo_arc(c, 0, 8, 14, -kPi * 0.92, -kPi * 0.08);
    cairo_close_path(c);
    const SColour shell = Mix(Get(palette, "bark"), Get(palette, "light"), random.Range(0.45, 0.7));
    FillVertical(c, -6, 8, Lighter(shell, 0.2), shell);
    SetColour(c, Get(palette, "bark"), 0.8);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    for (int i = 1; i < 6; ++i) {
        const double a = -kPi + kPi * i / 6;
        cairo_move_to(c, 0, 8);
        cairo_line_to(c, 13 * std::cos(a), 8 + 13 * std::sin(a));
    }
    SetColour(c, Get(palette, "bark"), 0.5);
    cairo_stroke(c);
    cairo_restore(c);
}

// A short tuft of olive blades, kept within a corner's reach.
void WeedTuft(cairo_t* c, const Palette& palette, CRandom& random, double x, double y)
{
    const int nBlades = 3 + int(random.Range(0, 3));
    for (int i = 0; i < nBlades; ++i) {
        const double a = random.Range(0, 2 * kPi), l = random.Range(7, 12), bend = random.Range(-4, 4);
        const double ex = x + std::cos(a) * l, ey = y + std::sin(a) * l;
        cairo_move_to(c, x, y);
        cairo_curve_to(c, x + std::cos(a) * l * 0.5 - std::sin(a) * bend, y + std::sin(a) * l * 0.5 + std::cos(a) * bend,
                       ex, ey, ex, ey);
    }
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    SetColour(c, Get(palette, "weed_dark"));
    cairo_set_line_width(c, 4);
    cairo_stroke_preserve(c);
    SetColour(c, Get(palette, "weed"));
    cairo_set_line_width(c, 2.2);
    cairo_stroke(c);
}

// Decorations go to the cell corners (the gaps) and the middles of the
// board's outer edges only.
void PaintObjects(cairo_t* c, const Palette& palette, const SScene& scene, unsigned int nSeed)
{
    CRandom random(nSeed * 7 + 3);
    const int nCell = kBoardPixels / 8;
    for (int row = 0; row <= 8; ++row)
        for (int col = 0; col <= 8; ++col) {
            if (random.Next() > scene.fDecoration)
                continue;
            const double x = col * nCell + random.Range(-3, 3), y = row * nCell + random.Range(-3, 3);
            const double fKind = random.Next();
            if (fKind < scene.fWeed)
                WeedTuft(c, palette, random, x, y);
            else if (fKind < scene.fWeed + (1 - scene.fWeed) * 0.6)
                Pebbles(c, palette, random, x, y);
            else
                Shell(c, palette, random, x, y);
        }
}

// Each cell is a shallow well: a faint darker floor inside a lighter rim,
// so the board reads as cells and the gaps carry the decoration.
void PaintCellWells(cairo_t* c)
{
    const int nCell = kBoardPixels / 8;
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col) {
            const double x = col * nCell + 3, y = row * nCell + 3, s = nCell - 6, r = 7;
            cairo_new_sub_path(c);
            cairo_arc(c, x + s - r, y + r, r, -kPi / 2, 0);
            cairo_arc(c, x + s - r, y + s - r, r, 0, kPi / 2);
            cairo_arc(c, x + r, y + s - r, r, kPi / 2, kPi);
            cairo_arc(c, x + r, y + r, r, kPi, 1.5 * kPi);
            cairo_close_path(c);
        }
    cairo_set_source_rgba(c, 0.02, 0.08, 0.16, 0.14);
    cairo_fill_preserve(c);
    cairo_set_source_rgba(c, 1, 1, 0.95, 0.16);
    cairo_set_line_width(c, 1.2);
    cairo_stroke(c);
}

}  // namespace

void PaintField(CCanvas& canvas, const Palette& palette, const SFieldLine& field)
{
    const SScene& scene = FindScene(field.strScene);
    PaintSeabed(canvas, palette, scene, field.nSeed);
    PaintCellWells(canvas.Context());
    DrawWithShadow(
        canvas.Context(), [&](cairo_t* c) { PaintObjects(c, palette, scene, field.nSeed); }, 1.5, 2, 2, 0.4);
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
