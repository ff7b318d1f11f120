// The fish species: a painted side view on a skinned strip whose bones
// are the four body segments the game hangs on a chain.
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "aquagen.h"
#include "art_shapes.h"

namespace Aqua {

namespace {

const int TEXTURE_WIDTH = 256;
const int TEXTURE_HEIGHT = 128;
// Columns of the strip: enough for a smooth bend.
const int STRIP_COLUMNS = 16;
// The water laid over every fish, so they stay behind the pieces.
const Art::SColour WATER = {0.05, 0.29, 0.45, 1.0};
const double WATER_VEIL = 0.3;
// Segment positions along the model, as fractions of its length from the
// middle: head, middle, rear, tail tip (no skin follows the last).
const float SEGMENT_AT[4] = {0.2f, -0.05f, -0.3f, -0.5f};
const char* const SEGMENT_NAMES[4] = {"Fish001", "Fish002", "Fish003", "Fish004"};

struct SSpecies {
    std::string strObject;
    float fLength;
    double dHeight;
    Art::SColour body, belly, fin, mark;
    std::string strPattern;
};

// The picture's frame: centre line, body half height, nose and tail base.
struct SShape {
    double cy = TEXTURE_HEIGHT / 2.0;
    double hb;
    double nose = 246;
    double tailBase = 74;
};

void BodyPath(cairo_t* c, const SShape& s)
{
    cairo_move_to(c, s.nose, s.cy + 3);
    cairo_curve_to(c, s.nose - 14, s.cy - s.hb * 0.95, 150, s.cy - s.hb * 1.05, s.tailBase, s.cy - s.hb * 0.26);
    cairo_line_to(c, s.tailBase, s.cy + s.hb * 0.26);
    cairo_curve_to(c, 150, s.cy + s.hb * 1.05, s.nose - 18, s.cy + s.hb * 0.9, s.nose, s.cy + 3);
    cairo_close_path(c);
}

// Tails differ by species: rounded (clownfish), a crescent (tangs), a
// straight fan (butterfly fish, idols) or forked.
void TailPath(cairo_t* c, const SShape& s, const std::string& strPattern)
{
    const double top = s.cy - s.hb * 0.95, bottom = s.cy + s.hb * 0.95;
    cairo_move_to(c, s.tailBase + 8, s.cy - s.hb * 0.2);
    cairo_curve_to(c, 50, s.cy - s.hb * 0.5, 24, top, 10, top);
    if (strPattern == "clown")
        cairo_curve_to(c, -6, s.cy - s.hb * 0.4, -6, s.cy + s.hb * 0.4, 10, bottom);
    else if (strPattern == "swoosh")
        cairo_curve_to(c, 34, s.cy - s.hb * 0.4, 34, s.cy + s.hb * 0.4, 10, bottom);
    else if (strPattern == "eyeband" || strPattern == "bands")
        cairo_curve_to(c, 14, s.cy - s.hb * 0.4, 14, s.cy + s.hb * 0.4, 10, bottom);
    else
        cairo_curve_to(c, 22, s.cy - s.hb * 0.3, 22, s.cy + s.hb * 0.3, 10, bottom);
    cairo_curve_to(c, 24, bottom, 50, s.cy + s.hb * 0.5, s.tailBase + 8, s.cy + s.hb * 0.2);
    cairo_close_path(c);
}

// A sail on the back sweeping towards the tail, a smaller fin under the
// belly; the body is painted over their roots.
void FinPaths(cairo_t* c, const SShape& s, bool bTall)
{
    const double peak = bTall ? std::min(s.cy - 4, s.hb * 1.75) : s.hb * 1.3;
    cairo_move_to(c, 206, s.cy - s.hb * 0.75);
    cairo_curve_to(c, 190, s.cy - peak, 160, s.cy - peak, 140, s.cy - peak);
    cairo_curve_to(c, 130, s.cy - s.hb * 1.0, 112, s.cy - s.hb * 0.8, 96, s.cy - s.hb * 0.4);
    cairo_close_path(c);
    cairo_move_to(c, 168, s.cy + s.hb * 0.75);
    cairo_curve_to(c, 156, s.cy + s.hb * 1.2, 136, s.cy + s.hb * 1.15, 124, s.cy + s.hb * 1.1);
    cairo_curve_to(c, 116, s.cy + s.hb * 0.9, 106, s.cy + s.hb * 0.7, 98, s.cy + s.hb * 0.4);
    cairo_close_path(c);
}

void PaintFins(cairo_t* c, const SSpecies& species, const SShape& s)
{
    const Art::SColour edge = Art::Darker(species.fin, 0.45);
    for (int nPart = 0; nPart < 2; ++nPart) {
        cairo_new_path(c);
        if (nPart == 0)
            TailPath(c, s, species.strPattern);
        else
            FinPaths(c, s, species.strPattern == "bands");
        cairo_pattern_t* pGradient = cairo_pattern_create_linear(0, s.cy - s.hb, 0, s.cy + s.hb);
        cairo_pattern_add_color_stop_rgba(pGradient, 0, species.fin.r, species.fin.g, species.fin.b, 0.95);
        const Art::SColour deep = Art::Darker(species.fin, 0.25);
        cairo_pattern_add_color_stop_rgba(pGradient, 1, deep.r, deep.g, deep.b, 0.95);
        cairo_set_source(c, pGradient);
        cairo_fill_preserve(c);
        cairo_pattern_destroy(pGradient);
        Art::SetColour(c, edge);
        cairo_set_line_width(c, 2.2);
        cairo_stroke_preserve(c);
        // Fine rays across the fin.
        cairo_save(c);
        cairo_clip(c);
        Art::SetColour(c, edge, 0.35);
        cairo_set_line_width(c, 1.2);
        for (double x = 0; x < TEXTURE_WIDTH; x += 7) {
            cairo_move_to(c, x, 0);
            cairo_line_to(c, x - 30, TEXTURE_HEIGHT);
        }
        cairo_stroke(c);
        cairo_restore(c);
    }
}

void Band(cairo_t* c, double x, double fWidth, const Art::SColour& colour, const Art::SColour& edge)
{
    cairo_rectangle(c, x - fWidth / 2, 0, fWidth, TEXTURE_HEIGHT);
    Art::SetColour(c, colour);
    cairo_fill_preserve(c);
    Art::SetColour(c, edge);
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
}

void PaintPattern(cairo_t* c, const SSpecies& species, const SShape& s)
{
    const std::string& p = species.strPattern;
    const Art::SColour dark = Art::Darker(species.body, 0.6);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    if (p == "stripes") {
        Art::SetColour(c, species.mark);
        cairo_set_line_width(c, 3.2);
        for (int i = -3; i <= 3; ++i) {
            const double y = s.cy + i * s.hb * 0.27;
            cairo_move_to(c, 80, y + 6);
            cairo_curve_to(c, 130, y - 8, 180, y + 8, 236, y - 4);
            cairo_stroke(c);
        }
    } else if (p == "eyeband") {
        Band(c, 222, 14, species.mark, species.mark);
        Art::SetColour(c, species.mark);
        cairo_arc(c, 110, s.cy - s.hb * 0.35, 7, 0, 2 * Art::kPi);
        cairo_fill(c);
    } else if (p == "bands") {
        Band(c, 190, 30, species.mark, species.mark);
        Band(c, 112, 34, species.mark, species.mark);
    } else if (p == "lines") {
        Art::SetColour(c, species.mark);
        cairo_set_line_width(c, 3);
        for (int i = 0; i < 4; ++i) {
            cairo_move_to(c, 100 + i * 16, s.cy + s.hb);
            cairo_line_to(c, 150 + i * 16, s.cy - s.hb * 0.2);
            cairo_stroke(c);
        }
        Art::SetColour(c, Art::Darker(species.mark, 0.5));
        cairo_move_to(c, 236, s.cy);
        cairo_line_to(c, 196, s.cy + 4);
        cairo_stroke(c);
    } else if (p == "swoosh") {
        Art::SetColour(c, species.mark);
        cairo_move_to(c, 216, s.cy - s.hb * 0.3);
        cairo_curve_to(c, 170, s.cy - s.hb * 0.9, 120, s.cy + s.hb * 0.2, 84, s.cy - s.hb * 0.1);
        cairo_curve_to(c, 130, s.cy + s.hb * 0.5, 170, s.cy - s.hb * 0.3, 216, s.cy - s.hb * 0.3);
        cairo_fill(c);
    } else if (p == "crown") {
        Art::SetColour(c, species.mark, 0.9);
        cairo_arc(c, 170, s.cy - s.hb * 0.55, s.hb * 0.45, 0, 2 * Art::kPi);
        cairo_fill(c);
        Art::SetColour(c, Art::Lighter(species.body, 0.3));
        cairo_set_line_width(c, 2);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(c, 90, s.cy + s.hb * (0.1 + i * 0.2));
            cairo_line_to(c, 200, s.cy + s.hb * (0.2 + i * 0.2));
            cairo_stroke(c);
        }
    } else if (p == "clown") {
        for (double x : {210.0, 150.0, 92.0})
            Band(c, x, x == 150.0 ? 22 : 16, species.mark, dark);
    } else {
        throw std::runtime_error("unknown fish pattern \"" + p + "\"");
    }
    (void)dark;
}

void PaintBody(cairo_t* c, const SSpecies& species, const SShape& s)
{
    BodyPath(c, s);
    Art::FillVertical(c, s.cy - s.hb, s.cy + s.hb, species.body, species.belly);
    cairo_save(c);
    BodyPath(c, s);
    cairo_clip(c);
    PaintPattern(c, species, s);
    // Top light, belly shade.
    cairo_pattern_t* pLight = cairo_pattern_create_linear(0, s.cy - s.hb, 0, s.cy + s.hb);
    cairo_pattern_add_color_stop_rgba(pLight, 0.0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(pLight, 0.45, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(pLight, 1.0, 0, 0, 0.1, 0.35);
    cairo_set_source(c, pLight);
    cairo_paint(c);
    cairo_pattern_destroy(pLight);
    cairo_restore(c);
    BodyPath(c, s);
    Art::SetColour(c, Art::Darker(species.body, 0.55));
    cairo_set_line_width(c, 2.6);
    cairo_stroke(c);
    // Gill and pectoral fin.
    Art::SetColour(c, Art::Darker(species.body, 0.4), 0.7);
    cairo_set_line_width(c, 1.8);
    cairo_arc(c, 178, s.cy, s.hb * 0.55, -0.9, 0.9);
    cairo_stroke(c);
    cairo_save(c);
    cairo_translate(c, 186, s.cy + s.hb * 0.2);
    cairo_rotate(c, 0.5);
    cairo_scale(c, 1.0, 0.4);
    cairo_arc(c, -10, 0, 11, 0, 2 * Art::kPi);
    cairo_restore(c);
    Art::SetColour(c, Art::Lighter(species.fin, 0.2), 0.5);
    cairo_fill(c);
    Art::PaintEye(c, 224, s.cy - s.hb * 0.28, 5.5);
}

void PaintSpecies(Art::CCanvas& canvas, const SSpecies& species)
{
    cairo_t* c = canvas.Context();
    SShape shape;
    shape.hb = std::min(48.0, 72.0 * species.dHeight);
    PaintFins(c, species, shape);
    PaintBody(c, species, shape);
    // The water between the fish and the player.
    Veil(canvas, WATER, WATER_VEIL);
}

void AppendVertex(std::vector<uint8_t>& bytes, float x, float z, float w0, float w1, uint8_t b0, uint8_t b1,
                  float u, float v)
{
    const float head[6] = {x, 0.0f, z, w0, w1, 0.0f};
    const uint8_t indices[4] = {b0, b1, 0, 0};
    const float uv[2] = {u, v};
    const size_t nAt = bytes.size();
    bytes.resize(nAt + 36);
    memcpy(&bytes[nAt], head, 24);
    memcpy(&bytes[nAt + 24], indices, 4);
    memcpy(&bytes[nAt + 28], uv, 8);
}

// A strip in the model's x-z plane (z is up once the fish swims), each
// column weighted between the two segments around it.
Vantile::SNodeRecord SkinStrip(float fLength)
{
    Vantile::SNodeRecord skin;
    skin.strName = "Body";
    skin.mLocal = Vantile::IdentityMatrix();
    skin.nType = Vantile::OBJECT_NODE_SKIN;
    skin.dwFVF = D3DFVF_XYZB4 | D3DFVF_LASTBETA_UBYTE4 | D3DFVF_TEX1;
    const float fHalfHeight = fLength * TEXTURE_HEIGHT / TEXTURE_WIDTH / 2;
    for (int i = 0; i <= STRIP_COLUMNS; ++i) {
        const float u = float(i) / STRIP_COLUMNS;
        const float f = u - 0.5f;  // along the length, -0.5 tail to 0.5 nose
        uint8_t b0 = 2, b1 = 2;
        float w0 = 1.0f;
        for (uint8_t k = 0; k < 2; ++k) {
            if (f <= SEGMENT_AT[k] && f > SEGMENT_AT[k + 1]) {
                b0 = k;
                b1 = uint8_t(k + 1);
                w0 = (f - SEGMENT_AT[k + 1]) / (SEGMENT_AT[k] - SEGMENT_AT[k + 1]);
            }
        }
        if (f > SEGMENT_AT[0])
            b0 = b1 = 0;
        AppendVertex(skin.Vertices, f * fLength, fHalfHeight, w0, 1.0f - w0, b0, b1, u, 0.0f);
        AppendVertex(skin.Vertices, f * fLength, -fHalfHeight, w0, 1.0f - w0, b0, b1, u, 1.0f);
    }
    for (uint16_t i = 0; i < STRIP_COLUMNS; ++i) {
        const uint16_t n = uint16_t(i * 2);
        skin.Indices.insert(skin.Indices.end(), {n, uint16_t(n + 1), uint16_t(n + 2), uint16_t(n + 2),
                                                 uint16_t(n + 1), uint16_t(n + 3)});
    }
    skin.Subsets = {{1, 0, uint32_t(STRIP_COLUMNS * 2)}};
    for (int k = 0; k < 4; ++k) {
        Vantile::SBoneRecord bone;
        bone.strName = SEGMENT_NAMES[k];
        bone.mOffset = Translation(-SEGMENT_AT[k] * fLength, 0, 0);
        skin.Bones.push_back(bone);
    }
    return skin;
}

Vantile::SObjectFile FishModel(const SSpecies& species, const std::string& strTexture)
{
    Vantile::SObjectFile file;
    file.strHeader = "quellon-aquagen fish";
    file.Materials.push_back(Material("mesh_skinned.fx", strTexture));
    file.Root.strName = "FishRoot";
    file.Root.mLocal = Vantile::IdentityMatrix();
    file.Root.Children.push_back(SkinStrip(species.fLength));
    for (int k = 0; k < 4; ++k) {
        Vantile::SNodeRecord segment;
        segment.strName = SEGMENT_NAMES[k];
        segment.mLocal = Translation(SEGMENT_AT[k] * species.fLength, 0, 0);
        file.Root.Children.push_back(segment);
    }
    file.AnimationSet.strName = "swim";
    return file;
}

}  // namespace

void MakeFish(const std::string& strSourceDir, SOutput& out)
{
    for (const SLine& line : ReadSource(strSourceDir + "/fish.txt")) {
        if (line.key() != "fish" || line.words.size() != 9)
            throw std::runtime_error("fish.txt line " + std::to_string(line.nNumber) + ": expected 8 values after \"fish\"");
        SSpecies species{line.words[1], float(line.number(2)), line.number(3), line.colour(4), line.colour(5),
                         line.colour(6), line.colour(7), line.words[8]};
        const std::string strBase = species.strObject.substr(0, species.strObject.find('.'));
        const std::string strTexture = "aq_fish_" + strBase + ".dds";
        Art::CCanvas canvas(TEXTURE_WIDTH, TEXTURE_HEIGHT);
        PaintSpecies(canvas, species);
        out.writeDds(strTexture, canvas);
        out.writeObject(species.strObject, FishModel(species, strTexture));
    }
}

}  // namespace Aqua
