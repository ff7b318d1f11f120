#include "Game/Hints/hintguiwindows.h"

#include <CEGUI/Font.h>
#include <CEGUI/FontManager.h>
#include <CEGUI/GUIContext.h>
#include <CEGUI/GeometryBuffer.h>
#include <CEGUI/RenderTarget.h>
#include <CEGUI/System.h>
#include <CEGUI/WindowManager.h>
#include <CEGUI/widgets/PushButton.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "Business/xmllocale.h"
#include "Core/vantile_frametimer.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"

namespace {

const int TEXT_OK = 18;
// Lines of drawn text are never smaller than this, in pixels: the scales
// callers ask for were made for a larger default font than ours.
const float MIN_LINE_PIXELS = 17.0f;

CEGUI::GUIContext& Context()
{
    return CEGUI::System::getSingleton().getDefaultGUIContext();
}

CEGUI::String GuiText(const std::string& strText)
{
    return CEGUI::String(strText.c_str());
}

std::string LocaleText(int nId)
{
    const CXMLLocale* pLocale = CXMLLocale::Instance();
    return pLocale ? pLocale->getText(nId) : std::string();
}

// Word by word into lines no wider than the width at the scale.
std::vector<CEGUI::String> WrapLines(const CEGUI::Font& font, const std::string& strText, float fWidth, float fScale)
{
    std::vector<CEGUI::String> lines;
    std::istringstream words(strText);
    std::string strWord, strLine;
    while (words >> strWord) {
        const std::string strTry = strLine.empty() ? strWord : strLine + " " + strWord;
        if (!strLine.empty() && font.getTextAdvance(GuiText(strTry), fScale) > fWidth) {
            lines.push_back(GuiText(strLine));
            strLine = strWord;
        } else {
            strLine = strTry;
        }
    }
    if (!strLine.empty())
        lines.push_back(GuiText(strLine));
    return lines;
}

}  // namespace

CHintGuiText::CHintGuiText(const std::string& strText)
{
    m_pWindow = createGuiWindow(GuiWidget::CenteredText);
    m_pWindow->setText(GuiText(strText));
    m_pWindow->setFont(HINT_FONT);
    m_pWindow->setProperty(GuiProperty::NormalTextColour, "FF601C02");
    m_pWindow->setMousePassThroughEnabled(true);
}

CHintGuiText::~CHintGuiText()
{
    CEGUI::WindowManager::getSingleton().destroyWindow(m_pWindow);
}

// On whatever sheet is current: the HUD's or the chooser's.
void CHintGuiText::attach(float fWidth, float fHeight)
{
    m_fWidth = fWidth;
    m_fHeight = fHeight;
    if (CEGUI::Window* pSheet = Context().getRootWindow())
        pSheet->addChild(m_pWindow);
}

void CHintGuiText::detach()
{
    if (m_pWindow->getParent())
        m_pWindow->getParent()->removeChild(m_pWindow);
}

void CHintGuiText::place(float fX, float fY, float fAlpha)
{
    placeInPixels(m_pWindow, fX, fY, m_fWidth, m_fHeight);
    m_pWindow->setAlpha(fAlpha);
}

CChooserGuiWindows::CChooserGuiWindows()
{
    m_pRoot = createGuiWindow(GuiWidget::DefaultWindow);
    placeInPixels(m_pRoot, 0.0f, 0.0f, 800.0f, 600.0f);
    m_pRoot->setMousePassThroughEnabled(true);
    m_pButtons = createGuiWindow(GuiWidget::DefaultWindow);
    placeInPixels(m_pButtons, 0.0f, 0.0f, 800.0f, 600.0f);
    m_pButtons->setMousePassThroughEnabled(true);
    m_pRoot->addChild(m_pButtons);
    m_pOk = createTextButton(352.0f, 422.0f, GuiText(LocaleText(TEXT_OK)));
    m_pOk->subscribeEvent(CEGUI::PushButton::EventClicked,
                          CEGUI::Event::Subscriber(&CChooserGuiWindows::onOk, this));
    m_pButtons->addChild(m_pOk);
}

CChooserGuiWindows::~CChooserGuiWindows()
{
    if (Context().getRootWindow() == m_pRoot)
        Context().setRootWindow(nullptr);
    CEGUI::WindowManager::getSingleton().destroyWindow(m_pRoot);
}

void CChooserGuiWindows::show()
{
    Context().setRootWindow(m_pRoot);
}

bool CChooserGuiWindows::onOk(const CEGUI::EventArgs&)
{
    if (m_OnOk)
        m_OnOk();
    return true;
}

CGuiTextPainter::CGuiTextPainter() = default;

CGuiTextPainter::~CGuiTextPainter()
{
    CEGUI::Renderer* pRenderer = CEGUI::System::getSingleton().getRenderer();
    for (auto* pList : {&m_Buffers, &m_Drawn})
        for (CEGUI::GeometryBuffer* pBuffer : *pList)
            pRenderer->destroyGeometryBuffer(*pBuffer);
}

// A buffer hands its geometry to the GUI's list for this frame, so it
// must live until the GUI has drawn that list: it is freed a frame later.
CEGUI::GeometryBuffer& CGuiTextPainter::frameBuffer()
{
    CEGUI::Renderer* pRenderer = CEGUI::System::getSingleton().getRenderer();
    const double dFrame = Vantile::CFrameTimer::Instance().totalTime();
    if (dFrame != m_dFrame) {
        for (CEGUI::GeometryBuffer* pBuffer : m_Drawn)
            pRenderer->destroyGeometryBuffer(*pBuffer);
        m_Drawn.swap(m_Buffers);
        m_Buffers.clear();
        m_dFrame = dFrame;
    }
    m_Buffers.push_back(&pRenderer->createGeometryBuffer());
    return *m_Buffers.back();
}

void CGuiTextPainter::drawWrapped(const std::string& strText, const SPixelRect& rect, float fScale,
                                  D3DCOLOR dwColour, bool bCentred)
{
    const CEGUI::Font* pFont = Context().getDefaultFont();
    if (!pFont)
        return;
    fScale = std::max(fScale, MIN_LINE_PIXELS / pFont->getLineSpacing(1.0f));
    const std::vector<CEGUI::String> lines = WrapLines(*pFont, strText, rect.fRight - rect.fLeft, fScale);
    const float fLine = pFont->getLineSpacing(fScale);
    float y = rect.fTop;
    if (bCentred)
        y += std::floor((rect.fBottom - rect.fTop - fLine * float(lines.size())) / 2.0f);
    CEGUI::GeometryBuffer& buffer = frameBuffer();
    const CEGUI::Rectf clip(0.0f, 0.0f, 800.0f, 600.0f);
    buffer.setClippingRegion(clip);
    for (const CEGUI::String& strLine : lines) {
        const float fAdvance = pFont->getTextAdvance(strLine, fScale);
        const float x = bCentred ? rect.fLeft + std::floor((rect.fRight - rect.fLeft - fAdvance) / 2.0f) : rect.fLeft;
        pFont->drawText(buffer, strLine, CEGUI::Vector2f(x, y), &clip, CEGUI::ColourRect(CEGUI::Colour(dwColour)), 0.0f,
                        fScale, fScale);
        y += fLine;
    }
    CEGUI::System::getSingleton().getRenderer()->getDefaultRenderTarget().draw(buffer);
}

void CGuiTextPainter::drawLine(const std::string& strFont, const std::string& strText, float fX, float fY,
                                      float fScale, D3DCOLOR dwColour)
{
    CEGUI::FontManager& fonts = CEGUI::FontManager::getSingleton();
    if (!fonts.isDefined(GuiText(strFont)))
        return;
    const CEGUI::Font& font = fonts.get(GuiText(strFont));
    const CEGUI::String strLine = GuiText(strText);
    const CEGUI::Vector2f vAt(std::floor(fX - font.getTextAdvance(strLine, fScale) / 2.0f),
                              std::floor(fY - font.getFontHeight(fScale) / 2.0f));
    const CEGUI::Rectf clip(0.0f, 0.0f, 800.0f, 600.0f);
    CEGUI::GeometryBuffer& buffer = frameBuffer();
    buffer.setClippingRegion(clip);
    font.drawText(buffer, strLine, vAt, &clip, CEGUI::ColourRect(CEGUI::Colour(dwColour)), 0.0f, fScale, fScale);
    CEGUI::System::getSingleton().getRenderer()->getDefaultRenderTarget().draw(buffer);
}

void UseGuiForHints(CGuiTextPainter& painter)
{
    SetTextPainter(&painter);
    CHintManager::Instance().setTextWindowMaker(
        [](const std::string& strText) { return std::unique_ptr<IHintTextWindow>(new CHintGuiText(strText)); });
}
