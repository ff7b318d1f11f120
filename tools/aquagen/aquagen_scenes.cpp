// The scenes: a background of water, light and far shapes, a seabed strip
// in front, and the XML that places plants and decorations on it.
#include <cmath>
#include <sstream>
#include <stdexcept>

#include "aquagen.h"
#include "aquagen_props.h"

namespace Aqua {

namespace {

const int WIDTH = 800;
const int HEIGHT = 600;
// The seabed strip's height; its bottom edge is the screen's. Its last
// row stays clear: sprites sample a half texel beyond their top edge,
// which wraps round to the bottom row.
const int STRIP_HEIGHT = 200;
const int CLEAR_ROWS = 1;

struct SScene {
    std::string strFile, strTheme;
    Art::SColour waterTop, waterBottom, light, far, sandTop, sandShade, stone;
    double dLight = 0.5;
    std::vector<std::string> plants;  // XML elements
    std::vector<std::string> decos;
};

// Screen y (up) to the background's pixel row.
double Row(double y)
{
    return HEIGHT / 2.0 - y;
}

void PaintWater(cairo_t* c, const SScene& scene)
{
    cairo_rectangle(c, 0, 0, WIDTH, HEIGHT);
    Art::FillVertical(c, 0, HEIGHT, scene.waterTop, scene.waterBottom);
    // Shafts of sunlight slanting down from the surface.
    Art::CRandom random(11);
    for (int i = 0; i < 7; ++i) {
        const double x = random.Range(-100, 800), w = random.Range(30, 90), slant = random.Range(120, 260);
        cairo_move_to(c, x, 0);
        cairo_line_to(c, x + w, 0);
        cairo_line_to(c, x + w + slant, HEIGHT * 0.85);
        cairo_line_to(c, x + slant - w * 0.5, HEIGHT * 0.85);
        cairo_close_path(c);
        cairo_pattern_t* pShaft = cairo_pattern_create_linear(0, 0, 0, HEIGHT * 0.85);
        cairo_pattern_add_color_stop_rgba(pShaft, 0, scene.light.r, scene.light.g, scene.light.b, 0.22 * scene.dLight);
        cairo_pattern_add_color_stop_rgba(pShaft, 1, scene.light.r, scene.light.g, scene.light.b, 0.0);
        cairo_set_source(c, pShaft);
        cairo_fill(c);
    }
}

// The caustic web near the surface, fading with depth.
void PaintCaustics(Art::CCanvas& canvas, const SScene& scene)
{
    cairo_surface_t* pSurface = canvas.Surface();
    cairo_surface_flush(pSurface);
    unsigned char* pData = cairo_image_surface_get_data(pSurface);
    const int nStride = cairo_image_surface_get_stride(pSurface);
    for (int y = 0; y < HEIGHT / 2; ++y) {
        const double fFade = scene.dLight * 0.16 * (1.0 - y / (HEIGHT / 2.0));
        for (int x = 0; x < WIDTH; ++x) {
            const double k = Art::Caustic(x / 70.0, y / 45.0, 0.3) * fFade;
            uint32_t* pPixel = reinterpret_cast<uint32_t*>(pData + y * nStride) + x;
            int r = (*pPixel >> 16) & 255, g = (*pPixel >> 8) & 255, b = *pPixel & 255;
            r = std::min(255, int(r + (255 - r) * k));
            g = std::min(255, int(g + (255 - g) * k));
            b = std::min(255, int(b + (255 - b) * k));
            *pPixel = 0xFF000000u | uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
        }
    }
    cairo_surface_mark_dirty(pSurface);
}

void Mounds(cairo_t* c, const Art::SColour& colour, double fAlpha, double fBase, double fHeight, unsigned nSeed)
{
    Art::CRandom random(nSeed);
    cairo_move_to(c, 0, HEIGHT);
    for (int x = 0; x <= WIDTH; x += 8)
        cairo_line_to(c, x, fBase - fHeight * Art::FractalNoise(x / 130.0, nSeed * 0.37, nSeed, 4));
    cairo_line_to(c, WIDTH, HEIGHT);
    cairo_close_path(c);
    Art::SetColour(c, colour, fAlpha);
    cairo_fill(c);
    (void)random;
}

void FarKelp(cairo_t* c, const SScene& scene)
{
    Art::CRandom random(5);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 14; ++i) {
        const double x = random.Range(0, WIDTH), top = random.Range(40, 260), wave = random.Range(10, 30);
        Art::SetColour(c, scene.far, random.Range(0.35, 0.6));
        cairo_set_line_width(c, random.Range(6, 14));
        cairo_move_to(c, x, HEIGHT);
        cairo_curve_to(c, x + wave, HEIGHT * 0.7, x - wave, top + 120, x + wave * 0.5, top);
        cairo_stroke(c);
    }
}

void FarCoral(cairo_t* c, const SScene& scene)
{
    Art::CRandom random(9);
    // Far corals keep a hint of their colour through the haze.
    const Art::SColour coral = Art::Mix(scene.far, Art::ParseColour("D88AA0"), 0.3);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 22; ++i) {
        const double x = random.Range(0, WIDTH), y = Row(-110) + random.Range(-20, 30);
        Art::SetColour(c, coral, 0.7);
        if (i % 3 == 0) {
            cairo_arc(c, x, y, random.Range(25, 55), Art::kPi, 2 * Art::kPi);
            cairo_fill(c);
            continue;
        }
        cairo_set_line_width(c, 6);
        for (int k = -2; k <= 2; ++k) {
            cairo_move_to(c, x, y);
            cairo_line_to(c, x + k * 14, y - random.Range(40, 90));
        }
        cairo_stroke(c);
    }
}

void FarWreck(cairo_t* c, const SScene& scene)
{
    cairo_save(c);
    cairo_translate(c, 560, Row(-110));
    cairo_rotate(c, -0.12);
    cairo_move_to(c, -260, 0);
    cairo_line_to(c, -230, -90);
    cairo_line_to(c, 150, -100);
    cairo_line_to(c, 240, -150);
    cairo_line_to(c, 230, -40);
    cairo_line_to(c, 180, 20);
    cairo_close_path(c);
    Art::SetColour(c, scene.far, 0.8);
    cairo_fill(c);
    cairo_set_line_width(c, 7);
    cairo_move_to(c, -60, -95);
    cairo_line_to(c, -40, -300);
    cairo_move_to(c, 80, -100);
    cairo_line_to(c, 110, -250);
    cairo_move_to(c, -120, -230);
    cairo_line_to(c, 40, -250);
    cairo_stroke(c);
    Art::SetColour(c, Art::Darker(scene.far, 0.4), 0.6);
    for (int i = 0; i < 5; ++i) {
        cairo_arc(c, -170 + i * 70, -55, 9, 0, 2 * Art::kPi);
        cairo_fill(c);
    }
    cairo_restore(c);
}

// Specks drifting in the water; in the deep some of them glow.
void MarineSnow(cairo_t* c, const SScene& scene)
{
    Art::CRandom random(17);
    const bool bGlow = scene.strTheme == "deep";
    for (int i = 0; i < (bGlow ? 90 : 60); ++i) {
        const double x = random.Range(0, WIDTH), y = random.Range(0, HEIGHT * 0.8), r = random.Range(0.8, 2.2);
        if (bGlow && i % 3 == 0)
            Art::PaintGlow(c, x, y, r * 5, Art::ParseColour("7AE0FF"), 0.45);
        Art::SetColour(c, Art::Lighter(scene.light, 0.5), random.Range(0.15, 0.4));
        cairo_arc(c, x, y, r, 0, 2 * Art::kPi);
        cairo_fill(c);
    }
    for (int i = 0; i < 12; ++i)
        Art::DrawBubble(c, random.Range(0, WIDTH), random.Range(20, HEIGHT * 0.7), random.Range(2, 5), 0.35);
}

void Vignette(cairo_t* c)
{
    cairo_pattern_t* pShade = cairo_pattern_create_radial(WIDTH / 2.0, HEIGHT * 0.4, 200, WIDTH / 2.0, HEIGHT / 2.0, 560);
    cairo_pattern_add_color_stop_rgba(pShade, 0, 0, 0, 0.05, 0);
    cairo_pattern_add_color_stop_rgba(pShade, 1, 0, 0, 0.05, 0.45);
    cairo_set_source(c, pShade);
    cairo_paint(c);
    cairo_pattern_destroy(pShade);
}

void PaintBackground(Art::CCanvas& canvas, const SScene& scene)
{
    cairo_t* c = canvas.Context();
    PaintWater(c, scene);
    PaintCaustics(canvas, scene);
    const Art::SColour haze = Art::Mix(scene.far, scene.waterTop, 0.45);
    Mounds(c, haze, 0.5, Row(-120), 160, 3);
    if (scene.strTheme == "kelp")
        FarKelp(c, scene);
    else if (scene.strTheme == "reef")
        FarCoral(c, scene);
    else if (scene.strTheme == "wreck")
        FarWreck(c, scene);
    else if (scene.strTheme == "deep")
        Mounds(c, scene.far, 0.9, Row(60), 300, 21);
    Mounds(c, Art::Mix(scene.far, scene.waterBottom, 0.5), 0.9, Row(-190), 110, 8);
    MarineSnow(c, scene);
    Vignette(c);
}

// The strip's row for screen y.
double StripRow(double y)
{
    return STRIP_HEIGHT - (y + HEIGHT / 2.0);
}

// A rough rock half sunk in the sand, lit from the top left.
void Boulder(cairo_t* c, double x, double yBase, double w, double h, const Art::SColour& colour, Art::CRandom& random)
{
    const int nPoints = 11;
    cairo_new_path(c);
    for (int i = 0; i <= nPoints; ++i) {
        const double a = Art::kPi + Art::kPi * i / nPoints;
        const double k = i == 0 || i == nPoints ? 1.0 : random.Range(0.85, 1.05);
        cairo_line_to(c, x + std::cos(a) * w * k, yBase + std::sin(a) * h * k);
    }
    cairo_close_path(c);
    cairo_path_t* pPath = cairo_copy_path(c);
    Art::FillVertical(c, yBase - h, yBase, Art::Lighter(colour, 0.2), Art::Darker(colour, 0.4));
    cairo_append_path(c, pPath);
    Art::SetColour(c, Art::Darker(colour, 0.6));
    cairo_set_line_width(c, 2.5);
    cairo_stroke(c);
    cairo_append_path(c, pPath);
    cairo_clip(c);
    Art::SetColour(c, Art::Lighter(colour, 0.45), 0.5);
    cairo_set_line_width(c, 6);
    cairo_arc(c, x - w * 0.1, yBase, h * 0.85, Art::kPi * 1.1, Art::kPi * 1.45);
    cairo_stroke(c);
    cairo_reset_clip(c);
    cairo_path_destroy(pPath);
}

void PaintSeabed(Art::CCanvas& canvas, const SScene& scene)
{
    cairo_t* c = canvas.Context();
    // Boulders at both sides, outside the board.
    Art::CRandom random(unsigned(scene.strFile.size() * 7 + scene.strTheme.size()));
    for (double x : {random.Range(20, 70), random.Range(730, 780), random.Range(110, 160)})
        Boulder(c, x, StripRow(SeabedHeight(float(x - 400))) + 14, random.Range(55, 85), random.Range(45, 75),
                scene.stone, random);
    // Sand from the seabed line down, a lighter lip along the top.
    cairo_move_to(c, 0, STRIP_HEIGHT);
    for (int x = 0; x <= WIDTH; x += 10)
        cairo_line_to(c, x, StripRow(SeabedHeight(float(x - 400)) + 4));
    cairo_line_to(c, WIDTH, STRIP_HEIGHT);
    cairo_close_path(c);
    Art::FillVertical(c, StripRow(-250), STRIP_HEIGHT, scene.sandTop, scene.sandShade);
    Art::SetColour(c, Art::Lighter(scene.sandTop, 0.35), 0.8);
    cairo_set_line_width(c, 2.5);
    for (int x = 0; x <= WIDTH; x += 10)
        (x == 0 ? cairo_move_to : cairo_line_to)(c, x, StripRow(SeabedHeight(float(x - 400)) + 3));
    cairo_stroke(c);
    // Ripples and pebbles.
    for (int i = 0; i < 90; ++i) {
        const double x = random.Range(0, WIDTH), y = random.Range(StripRow(-262), STRIP_HEIGHT - 4);
        if (y < StripRow(SeabedHeight(float(x - 400))) + 8)
            continue;
        Art::SetColour(c, i % 3 ? Art::Darker(scene.sandShade, 0.2) : scene.stone, random.Range(0.3, 0.7));
        cairo_save(c);
        cairo_translate(c, x, y);
        cairo_scale(c, random.Range(2, 6), random.Range(1, 3));
        cairo_arc(c, 0, 0, 1, 0, 2 * Art::kPi);
        cairo_restore(c);
        cairo_fill(c);
    }
    cairo_save(c);
    cairo_set_operator(c, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(c, 0, STRIP_HEIGHT - CLEAR_ROWS, WIDTH, CLEAR_ROWS);
    cairo_fill(c);
    cairo_restore(c);
    cairo_rectangle(c, 0, 0, WIDTH, STRIP_HEIGHT);
    cairo_pattern_t* pShade = cairo_pattern_create_linear(0, StripRow(-250), 0, STRIP_HEIGHT);
    cairo_pattern_add_color_stop_rgba(pShade, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(pShade, 1, 0, 0, 0.05, 0.35);
    cairo_set_source(c, pShade);
    cairo_set_operator(c, CAIRO_OPERATOR_ATOP);
    cairo_fill(c);
    cairo_set_operator(c, CAIRO_OPERATOR_OVER);
}

std::string SceneXml(const SScene& scene, const std::string& strBase)
{
    std::ostringstream xml;
    xml << "<root>\n  <bg name=\"" << strBase << "_bg.jpg\"/>\n  <fg name=\"" << strBase << "_fg.dds\"/>\n";
    for (const std::string& strPlant : scene.plants)
        xml << "  " << strPlant << "\n";
    for (const std::string& strDeco : scene.decos)
        xml << "  " << strDeco << "\n";
    xml << "</root>\n";
    return xml.str();
}

void Fail(const SLine& line, const std::string& strWhat)
{
    throw std::runtime_error("scenes.txt line " + std::to_string(line.nNumber) + ": " + strWhat);
}

void ReadSceneLine(SScene& scene, const SLine& line)
{
    const std::string& k = line.key();
    if (k == "water") {
        scene.waterTop = line.colour(1);
        scene.waterBottom = line.colour(2);
    } else if (k == "light") {
        scene.light = line.colour(1);
        scene.dLight = line.number(2);
    } else if (k == "far") {
        scene.far = line.colour(1);
    } else if (k == "sand") {
        scene.sandTop = line.colour(1);
        scene.sandShade = line.colour(2);
    } else if (k == "stone") {
        scene.stone = line.colour(1);
    } else if (k == "plant") {
        if (line.words.size() != 6 || !IsPlantKind(line.words[1]))
            Fail(line, "expected plant KIND X Y SCALE BG with a known kind");
        scene.plants.push_back("<plant name=\"" + PlantObjectName(line.words[1]) + "\" x=\"" + line.words[2] +
                               "\" y=\"" + line.words[3] + "\" scale=\"" + line.words[4] + "\" bg=\"" +
                               line.words[5] + "\"/>");
        line.number(2), line.number(3), line.number(4), line.number(5);
    } else if (k == "deco") {
        if (line.words.size() != 4 || !IsDecoKind(line.words[1]))
            Fail(line, "expected deco KIND X Y with a known kind");
        line.number(2), line.number(3);
        scene.decos.push_back("<fgsprite name=\"" + DecoTextureName(line.words[1]) + "\" x=\"" + line.words[2] +
                              "\" y=\"" + line.words[3] + "\"/>");
    } else {
        Fail(line, "unknown key \"" + k + "\"");
    }
}

std::vector<SScene> ReadScenes(const std::string& strPath)
{
    std::vector<SScene> scenes;
    for (const SLine& line : ReadSource(strPath)) {
        if (line.key() == "scene") {
            if (line.words.size() != 3)
                Fail(line, "expected scene FILE THEME");
            scenes.emplace_back();
            scenes.back().strFile = line.words[1];
            scenes.back().strTheme = line.words[2];
        } else if (scenes.empty()) {
            Fail(line, "a setting before the first scene");
        } else {
            ReadSceneLine(scenes.back(), line);
        }
    }
    return scenes;
}

}  // namespace

void MakeScenes(const std::string& strSourceDir, SOutput& out)
{
    MakeProps(out);
    for (const SScene& scene : ReadScenes(strSourceDir + "/scenes.txt")) {
        const std::string strBase = "aq_" + scene.strFile.substr(0, scene.strFile.find('.'));
        Art::CCanvas background(WIDTH, HEIGHT);
        PaintBackground(background, scene);
        out.writeJpeg(strBase + "_bg.jpg", background);
        Art::CCanvas seabed(WIDTH, STRIP_HEIGHT);
        PaintSeabed(seabed, scene);
        out.writeDds(strBase + "_fg.dds", seabed);
        out.writeText(scene.strFile, SceneXml(scene, strBase));
    }
}

}  // namespace Aqua
