#include "gui/Framework/guifactory.h"

#include <CEGUI/Window.h>
#include <CEGUI/WindowManager.h>

#include "Game/Sprites/sprite.h"
#include "gui/Framework/guinames.h"

namespace {

unsigned g_nWindowCount = 0;

// The top-left anchor of a sprite.
const int TOP_LEFT = 0;

}  // namespace

CEGUI::Window* createGuiWindow(const CEGUI::String& strType)
{
    const std::string strName = std::to_string(++g_nWindowCount);
    return CEGUI::WindowManager::getSingleton().createWindow(strType, strName.c_str());
}

void placeInPixels(CEGUI::Window* pWindow, float fX, float fY, float fWidth, float fHeight)
{
    pWindow->setPosition(CEGUI::UVector2(CEGUI::UDim(0.0f, fX), CEGUI::UDim(0.0f, fY)));
    pWindow->setSize(CEGUI::USize(CEGUI::UDim(0.0f, fWidth), CEGUI::UDim(0.0f, fHeight)));
}

CEGUI::Window* createTextButton(float fX, float fY, const CEGUI::String& strText)
{
    CEGUI::Window* pButton = createGuiWindow(GuiWidget::Button);
    placeInPixels(pButton, fX, fY, 100.0f, 24.0f);
    pButton->setText(strText);
    pButton->setProperty(GuiProperty::NormalTextColour, "FFA17112");
    pButton->setProperty(GuiProperty::HoverTextColour, "FF8E191E");
    pButton->setProperty(GuiProperty::PushedTextColour, "FFD84D0C");
    pButton->setFont(STYLO_FONT);
    return pButton;
}

CEGUI::Window* createImageButton(float fX, float fY, float fWidth, float fHeight, const std::string& strNormal,
                                 const std::string& strHover)
{
    CEGUI::Window* pButton = createGuiWindow(GuiWidget::DialogButton);
    placeInPixels(pButton, fX, fY, fWidth, fHeight);
    pButton->setProperty(GuiProperty::Image, MENU_TEXTS_PREFIX + strNormal.c_str());
    pButton->setProperty(GuiProperty::HoverImage, MENU_TEXTS_PREFIX + strHover.c_str());
    return pButton;
}

// Windows are made at start-up, long before most of them show: their
// pictures load with the loading screen, not before the first frame.
CSprite* createBackgroundSprite(const std::string& strImage, float fX, float fY)
{
    CSprite* pSprite = new CSprite(strImage, CSprite::WHITE, false, false);
    pSprite->setAnchor(TOP_LEFT);
    pSprite->setPosition(D3DXVECTOR3(fX - 400.0f, 300.0f - fY, 0.0f));
    return pSprite;
}
