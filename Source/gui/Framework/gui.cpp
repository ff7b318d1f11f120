#include "gui/Framework/gui.h"

#include <CEGUI/GUIContext.h>
#include <CEGUI/System.h>

#include "Game/Sprites/sprite.h"
#include "Resources/vantile_texturemanager.h"
#include "gui/Framework/windowstack.h"

namespace {

const char* const MENU_BACKGROUND = "_main_menu.jpg";
const char* const MENU_HEADER = "menu_header.dds";
const D3DXVECTOR3 HEADER_POSITION(0.0f, 230.0f, 0.0f);

void releaseSprite(CSprite*& pSprite)
{
    if (!pSprite)
        return;
    Vantile::CTextureManager::Instance().RemoveTexture(pSprite->getTextureName());
    delete pSprite;
    pSprite = nullptr;
}

}  // namespace

CGui::~CGui()
{
    releaseBackground();
}

// The menu windows join here as they are built.
void CGui::setup()
{
    updateContinueButton();
}

void CGui::showMainMenu()
{
    updateContinueButton();
    CWindowStack::instance().closeAll();
    setMenuCursor(false);
}

void CGui::updateContinueButton()
{
}

void CGui::loadBackground()
{
    if (!m_pMenuBackground)
        m_pMenuBackground = new CSprite(MENU_BACKGROUND, CSprite::WHITE, false, true);
    if (!m_pMenuHeader)
        m_pMenuHeader = new CSprite(MENU_HEADER, CSprite::WHITE, false, true);
}

void CGui::releaseBackground()
{
    releaseSprite(m_pMenuBackground);
    releaseSprite(m_pMenuHeader);
}

void CGui::renderBackground()
{
    if (m_pMenuBackground)
        m_pMenuBackground->draw();
}

void CGui::renderHeader()
{
    if (m_pMenuHeader)
        m_pMenuHeader->drawAt(HEADER_POSITION);
}

void CGui::renderTopWindow()
{
    CWindowStack::instance().renderTop();
}

void CGui::setMenuCursor(bool bPressed)
{
    CEGUI::System::getSingleton().getDefaultGUIContext().getMouseCursor().setDefaultImage(nullptr);
}
