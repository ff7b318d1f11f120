#include "gui/Renderer/guitext.h"

#include <CEGUI/Font.h>
#include <CEGUI/FontManager.h>
#include <CEGUI/GUIContext.h>
#include <CEGUI/GeometryBuffer.h>
#include <CEGUI/Renderer.h>
#include <CEGUI/System.h>

namespace {

CEGUI::Renderer& renderer()
{
    return *CEGUI::System::getSingleton().getRenderer();
}

CEGUI::Font* findFont(const CEGUI::String& strName)
{
    if (strName.empty())
        return CEGUI::System::getSingleton().getDefaultGUIContext().getDefaultFont();
    CEGUI::FontManager& fonts = CEGUI::FontManager::getSingleton();
    return fonts.isDefined(strName) ? &fonts.get(strName) : nullptr;
}

}  // namespace

CGuiText::CGuiText() : m_pBuffer(&renderer().createGeometryBuffer())
{
    m_pBuffer->setClippingActive(false);
}

CGuiText::~CGuiText()
{
    if (CEGUI::System::getSingletonPtr())
        renderer().destroyGeometryBuffer(*m_pBuffer);
}

void CGuiText::draw(const CEGUI::String& strFont, const CEGUI::String& strText, const CEGUI::Vector2f& vPosition,
                    const CEGUI::Colour& colour, float fScale)
{
    const bool bSame = strFont == m_strFont && strText == m_strText && vPosition == m_vPosition &&
                       colour == m_Colour && fScale == m_fScale;
    if (!bSame) {
        m_strFont = strFont;
        m_strText = strText;
        m_vPosition = vPosition;
        m_Colour = colour;
        m_fScale = fScale;
        m_pBuffer->reset();
        if (CEGUI::Font* pFont = findFont(strFont))
            pFont->drawText(*m_pBuffer, strText, vPosition, nullptr, CEGUI::ColourRect(colour), 0.0f, fScale, fScale);
    }
    m_pBuffer->draw();
}
