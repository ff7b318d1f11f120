// The review sheet: every look and caption put together from the atlases
// the way the look'n'feel does (frames of nine images, rope tiled along the
// slider), with the fonts at their sizes, on the game's sea.
#include <cmath>
#include <map>
#include <stdexcept>

#include "gui_fonts.h"
#include "gui_generate.h"
#include "gui_materials.h"

namespace GuiArt {

using namespace Art;

namespace {

class CSheet {
public:
    CSheet(const SGuiAtlases& atlases, cairo_t* pCairo) : m_atlases(atlases), m_pCairo(pCairo) {}

    // One image stretched over the box; tiled instead when bTile is set.
    void Blit(const std::string& strName, double x, double y, double w, double h, double fAlpha = 1,
              bool bTile = false) const
    {
        const SAtlas& atlas = strName.rfind("MenuTexts/", 0) == 0 ? m_atlases.menuTexts : m_atlases.velmora;
        const std::string strImage = strName.substr(strName.find('/') + 1);
        const SImage& image = Find(atlas, strImage);
        cairo_surface_t* pPart = cairo_surface_create_for_rectangle(atlas.pCanvas->Surface(), image.x, image.y,
                                                                    image.nWidth, image.nHeight);
        cairo_save(m_pCairo);
        cairo_rectangle(m_pCairo, x, y, w, h);
        cairo_clip(m_pCairo);
        cairo_translate(m_pCairo, x, y);
        if (!bTile)
            cairo_scale(m_pCairo, w / image.nWidth, h / image.nHeight);
        cairo_set_source_surface(m_pCairo, pPart, 0, 0);
        cairo_pattern_set_extend(cairo_get_source(m_pCairo), bTile ? CAIRO_EXTEND_REPEAT : CAIRO_EXTEND_PAD);
        cairo_paint_with_alpha(m_pCairo, fAlpha);
        cairo_restore(m_pCairo);
        cairo_surface_destroy(pPart);
    }

    void Frame(const std::string& strPrefix, double x, double y, double w, double h) const
    {
        const SImage& tl = Find(m_atlases.velmora, strPrefix + "TopLeft");
        const SImage& br = Find(m_atlases.velmora, strPrefix + "BottomRight");
        const double xs[] = {x, x + tl.nWidth, x + w - br.nWidth, x + w};
        const double ys[] = {y, y + tl.nHeight, y + h - br.nHeight, y + h};
        const char* kNames[3][3] = {{"TopLeft", "Top", "TopRight"}, {"Left", "Fill", "Right"},
                                    {"BottomLeft", "Bottom", "BottomRight"}};
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                Blit("Velmora/" + strPrefix + kNames[row][col], xs[col], ys[row], xs[col + 1] - xs[col],
                     ys[row + 1] - ys[row]);
    }

    void Three(const std::string& strPrefix, double x, double y, double w, double h, bool bAcross,
               bool bTile = false) const
    {
        const char* kParts[] = {bAcross ? "Left" : "Top", "Middle", bAcross ? "Right" : "Bottom"};
        const SImage& first = Find(m_atlases.velmora, strPrefix + kParts[0]);
        const SImage& last = Find(m_atlases.velmora, strPrefix + kParts[2]);
        const double a = bAcross ? first.nWidth : first.nHeight, b = bAcross ? last.nWidth : last.nHeight;
        const double fLength = bAcross ? w : h;
        const double starts[] = {0, a, fLength - b, fLength};
        for (int i = 0; i < 3; ++i) {
            const double s = starts[i], n = starts[i + 1] - starts[i];
            Blit("Velmora/" + strPrefix + kParts[i], bAcross ? x + s : x, bAcross ? y : y + s, bAcross ? n : w,
                 bAcross ? h : n, 1, bTile && i == 1);
        }
    }

    const SImage& Size(const std::string& strName) const { return Find(m_atlases.velmora, strName); }

private:
    static const SImage& Find(const SAtlas& atlas, const std::string& strName)
    {
        for (const SImage& image : atlas.images)
            if (image.strName == strName)
                return image;
        throw std::runtime_error("the sheet asks for a missing image " + strName);
    }

    const SGuiAtlases& m_atlases;
    cairo_t* m_pCairo;
};

struct SText {
    cairo_t* c;
    // Text in a face at a pixel size, aligned in a box (0 left, 1 centre,
    // 2 right), vertically centred, with an optional shadow.
    void Draw(const CFace& face, double fPixels, const std::string& str, double x, double y, double w, double h,
              const SColour& colour, int nAlign, const SColour* pShadow = nullptr) const
    {
        cairo_save(c);
        cairo_set_font_face(c, face.CairoFace());
        cairo_set_font_size(c, fPixels);
        cairo_font_extents_t font;
        cairo_font_extents(c, &font);
        cairo_text_extents_t text;
        cairo_text_extents(c, str.c_str(), &text);
        const double tx = x + (w - text.x_advance) * nAlign / 2.0;
        const double ty = y + (h - font.height) / 2 + font.ascent;
        if (pShadow) {
            cairo_move_to(c, tx + 1, ty + 1);
            SetColour(c, *pShadow);
            cairo_show_text(c, str.c_str());
        }
        cairo_move_to(c, tx, ty);
        SetColour(c, colour);
        cairo_show_text(c, str.c_str());
        cairo_restore(c);
    }
};

struct SFaces {
    SFaces(const SFontSources& sources)
        : stylo(Find(sources, "Stylo").strFace, Find(sources, "Stylo").strPackage),
          domcasl(Find(sources, "Domcasl").strFace, Find(sources, "Domcasl").strPackage),
          hint(Find(sources, "Hint_font").strFace, Find(sources, "Hint_font").strPackage),
          fStylo(Pixels(sources, "Stylo")),
          fDomcasl(Pixels(sources, "Domcasl")),
          fHint(Pixels(sources, "Hint_font"))
    {
    }
    static const SFont& Find(const SFontSources& sources, const std::string& strName)
    {
        for (const SFont& font : sources.fonts)
            if (font.strName == strName)
                return font;
        throw std::runtime_error("no font named " + strName);
    }
    static double Pixels(const SFontSources& sources, const std::string& strName)
    {
        return Find(sources, strName).nPoints * 96.0 / 72.0;
    }
    CFace stylo, domcasl, hint;
    double fStylo, fDomcasl, fHint;
};

SColour Hex(const char* psz) { return ParseColour(psz); }

void DrawSea(cairo_t* c)
{
    cairo_rectangle(c, 0, 0, 800, 600);
    FillVertical(c, 0, 600, Hex("FF1A6E98"), Hex("FF06213F"));
    cairo_new_path(c);
    for (int i = 0; i < 40; ++i) {
        const double x = std::fmod(i * 97.3, 800), y = std::fmod(i * 53.7, 600);
        DrawBubble(c, x, y, 2 + std::fmod(i * 1.7, 4), 0.25);
    }
}

void DrawMenuColumn(const CSheet& sheet)
{
    struct { const char* pszImage; double fAlpha; double fDrop; } kRows[] = {
        {"mm_PlayGame_normal", 1, 0}, {"mm_PlayGame_hover", 1, 0}, {"mm_Options_hover", 1, 2},
        {"mm_HighScores_normal", 1, 0}, {"mm_Rules_normal", 1, 0}, {"mm_Quit_normal", 1, 0},
        {"mm_NewGame_normal", 1, 0}, {"mm_ContinueGame_normal", 0.45, 0}, {"mm_MainMenu_normal", 1, 0},
    };
    double y = 25;
    for (const auto& row : kRows) {
        sheet.Blit(std::string("MenuTexts/") + row.pszImage, 15, y + row.fDrop, 237, 52, row.fAlpha);
        y += 62;
    }
}

void DrawLists(const CSheet& sheet, const SText& text, const SFaces& faces)
{
    // Profile list: four entries in a list that shows three, the second chosen.
    sheet.Frame("List", 300, 50, 202, 66);
    const char* kNames[] = {"<New player>", "Anna", "Marek", "Captain Jo"};
    for (int i = 0; i < 3; ++i) {
        if (i == 1)
            sheet.Blit("Velmora/ListBoxBrush", 305, 55 + i * 19, 177, 19);
        text.Draw(faces.domcasl, faces.fDomcasl, kNames[i], 310, 55 + i * 19, 170, 19, Hex("FFFFFFFF"), 0);
    }
    sheet.Three("VScrollTrack", 484, 55, 14, 56, false);
    sheet.Blit("Velmora/ArrowUpNormal", 484, 55, 14, 14);
    sheet.Blit("Velmora/ArrowDownHover", 484, 97, 14, 14);
    sheet.Three("VThumbNormal", 484, 70, 14, 20, false);
    // High scores: header, rows, scroll bar.
    sheet.Frame("List", 530, 50, 221, 139);
    sheet.Three("HeaderNormal", 534, 54, 97, 24, true);
    sheet.Three("HeaderHover", 631, 54, 96, 24, true);
    sheet.Blit("Velmora/HeaderSplitter", 630, 54, 2, 24);
    text.Draw(faces.domcasl, faces.fDomcasl, "name", 540, 54, 90, 24, Hex("FFFFF6D2"), 0);
    text.Draw(faces.domcasl, faces.fDomcasl, "score", 637, 54, 80, 24, Hex("FFFFF6D2"), 0);
    const char* kScores[][2] = {{"Anna", "48210"}, {"Captain Jo", "31075"}, {"Marek", "12990"},
                                {"Lotta", "8400"}, {"Bo", "650"}};
    for (int i = 0; i < 5; ++i) {
        text.Draw(faces.domcasl, faces.fDomcasl, kScores[i][0], 540, 80 + i * 20, 90, 20, Hex("FFFFFFFF"), 0);
        text.Draw(faces.domcasl, faces.fDomcasl, kScores[i][1], 637, 80 + i * 20, 80, 20, Hex("FFFFFFFF"), 0);
    }
    sheet.Three("VScrollTrack", 733, 80, 14, 105, false);
    sheet.Blit("Velmora/ArrowUpHover", 733, 80, 14, 14);
    sheet.Blit("Velmora/ArrowDownPushed", 733, 171, 14, 14);
    sheet.Three("VThumbHover", 733, 96, 14, 40, false);
}

void DrawControls(const CSheet& sheet, const SText& text, const SFaces& faces)
{
    const SImage& thumb = sheet.Size("SliderThumbNormal");
    for (int i = 0; i < 2; ++i) {
        const double y = 130 + i * 38;
        sheet.Three("SliderTrack", 296, y + 6, 209, 18, true, true);
        sheet.Blit(i ? "Velmora/SliderThumbHover" : "Velmora/SliderThumbNormal", 296 + (i ? 150 : 70), y + 1,
                   thumb.nWidth, thumb.nHeight);
    }
    const char* kStates[][2] = {{"CheckboxNormal", ""}, {"CheckboxHover", ""}, {"CheckboxNormal", "CheckboxMark"},
                                {"CheckboxHover", "CheckboxMark"}};
    for (int i = 0; i < 4; ++i) {
        const double x = 300 + i * 48;
        sheet.Blit(std::string("Velmora/") + kStates[i][0], x + 2, 215, 36, 36);
        if (*kStates[i][1])
            sheet.Blit(std::string("Velmora/") + kStates[i][1], x + 2, 215, 36, 36);
    }
    sheet.Frame("Edit", 301, 268, 202, 44);
    text.Draw(faces.stylo, faces.fStylo, "Anna", 312, 268, 150, 44, Hex("FF3A2410"), 0);
    sheet.Blit("Velmora/EditCaret", 355, 279, 3, 22);
    sheet.Frame("Tip", 300, 322, 205, 60);
    text.Draw(faces.hint, faces.fHint, "Shuffle the board", 300, 322, 205, 60, Hex("FF601C02"), 1);
}

void DrawTextButtons(const CSheet& sheet, const SText& text, const SFaces& faces)
{
    struct { const char* pszText; const char* pszColour; bool bGlow; double fDrop; } kButtons[] = {
        {"Next", "FFA17112", false, 0}, {"Next", "FF8E191E", true, 0},
        {"Skip", "FFD84D0C", true, 1}, {"Skip", "FF8A8F96", false, 0}};
    const SColour shadow = Hex("66FFF6D2");
    sheet.Frame("Tip", 528, 205, 226, 70);
    for (int i = 0; i < 4; ++i) {
        const double x = 535 + (i % 2) * 110, y = 213 + (i / 2) * 28;
        if (kButtons[i].bGlow)
            sheet.Blit("Velmora/ButtonGlow", x, y, 100, 24, kButtons[i].fDrop ? 1.0 : 0.8);
        text.Draw(faces.stylo, faces.fStylo, kButtons[i].pszText, x, y + kButtons[i].fDrop, 100, 24,
                  Hex(kButtons[i].pszColour), 1, &shadow);
    }
    const SColour dark = Hex("B3000000");
    text.Draw(faces.stylo, faces.fStylo, "Player:", 530, 285, 100, 30, Hex("FF6AC6FA"), 2, &dark);
    text.Draw(faces.stylo, faces.fStylo, "Anna", 636, 285, 110, 30, Hex("FFEDF95A"), 0, &dark);
    text.Draw(faces.stylo, faces.fStylo, "Not you? Change player", 530, 318, 220, 26, Hex("FF6ED5FC"), 1, &dark);
    text.Draw(faces.stylo, faces.fStylo, "Level 12", 560, 350, 160, 36, Hex("E6FFCF3E"), 1, &dark);
}

void DrawDialogButtons(const CSheet& sheet)
{
    const char* kNames[] = {"dm_Ok", "dm_Cancel", "dm_Rename", "dm_Delete", "dm_Yes", "dm_No"};
    int i = 0;
    for (const char* pszName : kNames)
        for (const char* pszState : {"_normal", "_hover"}) {
            const double x = 268 + (i % 5) * 104, y = 410 + (i / 5) * 52;
            sheet.Blit(std::string("MenuTexts/") + pszName + pszState, x, y, 99, 46);
            ++i;
        }
    sheet.Blit("MenuTexts/gm_Menu_normal", 476, 514, 126, 39);
    sheet.Blit("MenuTexts/gm_Menu_hover", 610, 514, 126, 39);
}

}  // namespace

void WriteSheet(const std::string& strSourceDir, const std::string& strPngPath)
{
    const SGuiAtlases atlases = BuildAtlases(strSourceDir);
    const SFaces faces(ReadFonts(strSourceDir + "/fonts.txt"));
    Art::CCanvas canvas(800, 600);
    cairo_t* c = canvas.Context();
    const CSheet sheet(atlases, c);
    const SText text{c};
    DrawSea(c);
    DrawMenuColumn(sheet);
    sheet.Frame("Panel", 268, 15, 520, 385);
    DrawLists(sheet, text, faces);
    DrawControls(sheet, text, faces);
    DrawTextButtons(sheet, text, faces);
    DrawDialogButtons(sheet);
    canvas.WritePng(strPngPath);
}

}  // namespace GuiArt
