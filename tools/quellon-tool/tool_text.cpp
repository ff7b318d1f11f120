#include "tool_text.h"

#include <cairo.h>

#include <cmath>
#include <sstream>
#include <vector>

#include "Game/Sprites/sprite.h"
#include "Resources/vantile_texturemanager.h"
#include "art_canvas.h"

namespace {

// The GUI's default font at scale 1, in pixels.
const double FONT_PIXELS = 24.0;
const D3DCOLOR TITLE_COLOUR = 0xE6FFCF3E;
const D3DCOLOR MESSAGE_COLOUR = 0xFF601C02;

std::vector<std::string> WrapLines(cairo_t* c, const std::string& strText, double fWidth)
{
    std::vector<std::string> lines;
    std::istringstream words(strText);
    std::string strWord, strLine;
    while (words >> strWord) {
        const std::string strTry = strLine.empty() ? strWord : strLine + " " + strWord;
        cairo_text_extents_t extents;
        cairo_text_extents(c, strTry.c_str(), &extents);
        if (extents.x_advance > fWidth && !strLine.empty()) {
            lines.push_back(strLine);
            strLine = strWord;
        } else {
            strLine = strTry;
        }
    }
    if (!strLine.empty())
        lines.push_back(strLine);
    return lines;
}

void SetSource(cairo_t* c, D3DCOLOR dwColour)
{
    cairo_set_source_rgba(c, ((dwColour >> 16) & 0xFF) / 255.0, ((dwColour >> 8) & 0xFF) / 255.0,
                          (dwColour & 0xFF) / 255.0, ((dwColour >> 24) & 0xFF) / 255.0);
}

}  // namespace

CToolText::CToolText() = default;
CToolText::~CToolText() = default;

// One texture per text and place, set once and kept for the picture.
CSprite& CToolText::sprite(const std::string& strText, const SPixelRect& rect, float fScale, D3DCOLOR dwColour,
                           bool bCentred)
{
    std::ostringstream key;
    key << strText << '|' << rect.fLeft << ',' << rect.fTop << ',' << rect.fRight << ',' << rect.fBottom << '|'
        << fScale << '|' << dwColour << '|' << bCentred;
    std::unique_ptr<CSprite>& pSprite = m_Sprites[key.str()];
    if (pSprite)
        return *pSprite;
    const int nWidth = std::max(1, int(rect.fRight - rect.fLeft)), nHeight = std::max(1, int(rect.fBottom - rect.fTop));
    const int nSide = std::max(nWidth, nHeight);
    Art::CCanvas canvas(nSide, nSide);
    cairo_t* c = canvas.Context();
    cairo_select_font_face(c, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(c, FONT_PIXELS * fScale);
    const std::vector<std::string> lines = WrapLines(c, strText, nWidth);
    cairo_font_extents_t font;
    cairo_font_extents(c, &font);
    double y = bCentred ? (nHeight - font.height * double(lines.size())) / 2.0 : 0.0;
    for (const std::string& strLine : lines) {
        cairo_text_extents_t extents;
        cairo_text_extents(c, strLine.c_str(), &extents);
        cairo_move_to(c, bCentred ? (nWidth - extents.x_advance) / 2.0 : 0.0, y + font.ascent);
        SetSource(c, dwColour);
        cairo_show_text(c, strLine.c_str());
        y += font.height;
    }
    const std::vector<unsigned char> rgba = canvas.StraightRgba();
    const std::string strName = "::tooltext" + std::to_string(m_Sprites.size());
    Vantile::CTextureManager::Instance().CreateFromRawBuffer(strName, rgba.data(), 0, nSide, nSide,
                                                             D3DFMT_A8R8G8B8);
    pSprite.reset(new CSprite(strName, float(nWidth), float(nHeight)));
    STextureRect part;
    part.fU1 = float(nWidth) / float(nSide);
    part.fV0 = float(nHeight) / float(nSide);
    part.fV1 = 0.0f;
    pSprite->setRect(CSprite::WHITE, part, float(nWidth), float(nHeight), false);
    pSprite->setAnchor(0);
    return *pSprite;
}

void CToolText::drawWrapped(const std::string& strText, const SPixelRect& rect, float fScale, D3DCOLOR dwColour,
                            bool bCentred)
{
    CSprite& text = sprite(strText, rect, fScale, dwColour | 0xFF000000, bCentred);
    text.SetAlpha(float((dwColour >> 24) & 0xFF) / 255.0f);
    text.placeAt(D3DXVECTOR3(rect.fLeft - 400.0f, 300.0f - rect.fTop, 0.0f));
}

void CToolHudWindows::setLevelTitlePixel(float fX, float fY)
{
    SPixelRect rect;
    rect.fLeft = fX;
    rect.fTop = fY;
    rect.fRight = fX + 125.0f;
    rect.fBottom = fY + 40.0f;
    m_Text.drawWrapped(m_strTitle, rect, 0.75f, TITLE_COLOUR, true);
    if (m_strMessage.empty())
        return;
    rect.fLeft = 290.0f;
    rect.fTop = 210.0f;
    rect.fRight = 510.0f;
    rect.fBottom = 310.0f;
    m_Text.drawWrapped(m_strMessage, rect, 0.75f, MESSAGE_COLOUR, true);
}

void CToolHintText::attach(float fWidth, float fHeight)
{
    m_fWidth = fWidth;
    m_fHeight = fHeight;
    m_bAttached = true;
}

void CToolHintText::place(float fX, float fY, float fAlpha)
{
    if (!m_bAttached)
        return;
    SPixelRect rect;
    rect.fLeft = fX;
    rect.fTop = fY;
    rect.fRight = fX + m_fWidth;
    rect.fBottom = fY + m_fHeight;
    m_Text.drawWrapped(m_strText, rect, 0.6f, D3DCOLOR_ARGB(std::lround(fAlpha * 255.0f), 96, 28, 2), true);
}
