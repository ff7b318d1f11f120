// The story group: reads the script, letters and frames each panel, and
// draws the story backdrop and the title picture behind the loading bar.
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "art_canvas.h"
#include "art_generate.h"
#include "art_story.h"

namespace Art {

namespace {

const SColour kInk = ParseColour("241610");

}  // namespace

std::vector<SStoryPanel> ReadStoryScript(const std::string& strPath)
{
    std::ifstream in(strPath);
    if (!in)
        throw std::runtime_error(strPath + ": cannot be read");
    std::vector<SStoryPanel> panels;
    std::string strLine;
    for (int nLine = 1; std::getline(in, strLine); ++nLine) {
        std::istringstream words(strLine);
        std::string strKey;
        if (!(words >> strKey) || strKey[0] == '#')
            continue;
        std::string strRest;
        std::getline(words >> std::ws, strRest);
        const std::string strWhere = strPath + ":" + std::to_string(nLine);
        if (strKey == "panel") {
            SStoryPanel panel;
            std::istringstream fields(strRest);
            if (!(fields >> panel.strName >> panel.nWidth >> panel.nHeight) || panel.nWidth <= 0 || panel.nHeight <= 0)
                throw std::runtime_error(strWhere + ": expected \"panel NAME WIDTH HEIGHT\"");
            panels.push_back(panel);
        } else if (panels.empty()) {
            throw std::runtime_error(strWhere + ": \"" + strKey + "\" before the first panel");
        } else if (strKey == "caption") {
            panels.back().strCaption = strRest;
        } else if (strKey == "say") {
            panels.back().strSay = strRest;
        } else if (strKey != "picture") {
            throw std::runtime_error(strWhere + ": unknown line \"" + strKey + "\"");
        }
    }
    return panels;
}

namespace {

void FramePanel(cairo_t* c, double w, double h)
{
    cairo_rectangle(c, 1.5, 1.5, w - 3, h - 3);
    SetColour(c, kInk);
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
}

void PaintPanel(const SStoryArt& art, const SStoryPanel& panel, const std::string& strOutDir)
{
    const auto it = PanelPainters().find(panel.strName);
    if (it == PanelPainters().end())
        throw std::runtime_error("story: no painter for panel \"" + panel.strName + "\"");
    CCanvas canvas(panel.nWidth, panel.nHeight);
    cairo_t* c = canvas.Context();
    const double w = panel.nWidth, h = panel.nHeight;
    cairo_save(c);
    it->second.fnPaint(c, art, panel, w, h);
    cairo_restore(c);
    if (!panel.strCaption.empty())
        LetterCaption(c, w, h, panel.strCaption, it->second.bCaptionBelow);
    FramePanel(c, w, h);
    canvas.WritePng(strOutDir + "/" + panel.strName);
}

// The page behind the panels: deep water in a dark timber frame, with a
// calm strip along the bottom for the buttons.
void PaintBackdrop(const SStoryArt& art, const std::string& strPath)
{
    CCanvas canvas(800, 600);
    cairo_t* c = canvas.Context();
    PaintUnderwater(c, 800, 600, 0.7);
    PaintRays(c, 800, 600, 0.1);
    PaintBubbles(c, 800, 540, 30, 404);
    for (int i = 0; i < 5; ++i)
        PaintKindAt(c, art, i % 2 ? "tang" : "angel", 80 + i * 160, 120 + (i % 3) * 150, 40, i % 2 == 0);
    cairo_rectangle(c, 0, 0, 800, 600);
    cairo_set_source_rgba(c, 0.02, 0.05, 0.12, 0.45);
    cairo_fill(c);
    cairo_rectangle(c, 240, 545, 320, 38);
    SetColour(c, ParseColour("F2E2B8"), 0.92);
    cairo_fill_preserve(c);
    SetColour(c, ParseColour("6A4A2A"));
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    cairo_rectangle(c, 6, 6, 788, 588);
    SetColour(c, ParseColour("6A4A2A"));
    cairo_set_line_width(c, 12);
    cairo_stroke(c);
    canvas.WriteJpeg(strPath, 90);
}

// The title picture: a glowing underwater scene with the game's name;
// the loading bar sits across the calm water below the title.
void PaintSplash(const SStoryArt& art, const std::string& strPath)
{
    CCanvas canvas(800, 600);
    cairo_t* c = canvas.Context();
    PaintUnderwater(c, 800, 600, 0.35);
    PaintRays(c, 800, 600, 0.35);
    PaintGlowAt(c, 400, 190, 330, "9AF4FF", 0.45);
    PaintSeabed(c, 800, 600, 520, 808);
    for (int i = 0; i < 7; ++i)
        PaintKelp(c, 20 + i * 118 + (i % 2) * 30, 600, 150 + (i % 3) * 40, (i % 2 ? 12 : -12), 0.2);
    const char* colours[] = {"FF7A8A", "FFA040", "C070E0"};
    for (int i = 0; i < 6; ++i)
        PaintCoral(c, 60 + i * 140, 545, 1.1, colours[i % 3], 800 + i);
    const char* kinds[] = {"clown", "puffer", "angel", "tang", "seahorse", "needle"};
    const double spots[][3] = {{110, 330, 60}, {690, 320, 56}, {180, 90, 44}, {640, 80, 46}, {60, 200, 40},
                               {740, 200, 40}};
    for (int i = 0; i < 6; ++i)
        PaintKindAt(c, art, kinds[i], spots[i][0], spots[i][1], spots[i][2], spots[i][0] > 400);
    PaintBubbles(c, 800, 380, 40, 808);
    PaintTrunkAt(c, art, 400, 515, 70, true);
    cairo_select_font_face(c, "Leckerli One", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(c, 128);
    cairo_text_extents_t ext;
    cairo_text_extents(c, "Quellon", &ext);
    const double tx = 400 - ext.width / 2 - ext.x_bearing, ty = 230;
    for (int nGlow = 3; nGlow >= 1; --nGlow) {
        cairo_move_to(c, tx, ty);
        cairo_text_path(c, "Quellon");
        cairo_set_source_rgba(c, 0.6, 1.0, 1.0, 0.12);
        cairo_set_line_width(c, nGlow * 12);
        cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(c);
    }
    cairo_move_to(c, tx, ty);
    cairo_text_path(c, "Quellon");
    SetColour(c, ParseColour("0A2A4A"));
    cairo_set_line_width(c, 9);
    cairo_stroke_preserve(c);
    FillDown(c, ty - 100, ty + 10, ParseColour("FFF6B0"), ParseColour("FFB020"));
    canvas.WriteJpeg(strPath, 92);
}

}  // namespace

std::vector<std::string> GenerateStory(const std::string& strSourceDir, const std::string& strOutDir)
{
    SStoryArt art;
    art.kinds = ReadKinds(strSourceDir + "/../art/kinds.txt");
    std::vector<std::string> written;
    for (const SStoryPanel& panel : ReadStoryScript(strSourceDir + "/story.txt")) {
        PaintPanel(art, panel, strOutDir);
        written.push_back(panel.strName);
    }
    PaintBackdrop(art, strOutDir + "/hisotry-backgr_text.jpg");
    written.push_back("hisotry-backgr_text.jpg");
    PaintSplash(art, strOutDir + "/splash.jpg");
    written.push_back("splash.jpg");
    return written;
}

}  // namespace Art
