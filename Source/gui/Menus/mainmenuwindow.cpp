#include "gui/Menus/mainmenuwindow.h"

#include <CEGUI/InputEvent.h>
#include <CEGUI/Window.h>
#include <CEGUI/widgets/PushButton.h>

#include "Game/Sprites/sprite.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Framework/windowstack.h"
#include "gui/Menus/menunames.h"

namespace {

// The fish behind the main menu swim in this blue haze.
const D3DCOLOR MENU_FOG = 0xFF0B7FF2;

void subscribeClick(CEGUI::Window* pButton, CEGUI::EventSet* pTarget, const CEGUI::String& strEvent, bool bClick)
{
    pButton->subscribeEvent(CEGUI::PushButton::EventClicked,
                            CEGUI::Event::Subscriber(CFireOnClick(pTarget, strEvent, bClick)));
}

CEGUI::Window* addTextLabel(CEGUI::Window* pRoot, const CEGUI::String& strType, float fX, float fWidth,
                            const char* pszColour)
{
    CEGUI::Window* pLabel = createGuiWindow(strType);
    placeInPixels(pLabel, fX, 117.0f, fWidth, 30.0f);
    pLabel->setFont(STYLO_FONT);
    pLabel->setProperty(GuiProperty::NormalTextColour, pszColour);
    pRoot->addChild(pLabel);
    return pLabel;
}

}  // namespace

bool CFireOnClick::operator()(const CEGUI::EventArgs&) const
{
    if (m_bClick)
        PlayClick();
    CEGUI::EventArgs args;
    m_pTarget->fireEvent(m_strEvent, args);
    return true;
}

CEGUI::Window* createMainMenuButton(float fX, float fY, const std::string& strNormal, const std::string& strHover)
{
    CEGUI::Window* pButton = createGuiWindow(GuiWidget::MainMenuButton);
    placeInPixels(pButton, fX, fY, 237.0f, 52.0f);
    pButton->setProperty(GuiProperty::Image, MENU_TEXTS_PREFIX + strNormal.c_str());
    pButton->setProperty(GuiProperty::HoverImage, MENU_TEXTS_PREFIX + strHover.c_str());
    return pButton;
}

CMainMenuWindow::~CMainMenuWindow()
{
    delete m_pBackground;
}

void CMainMenuWindow::create()
{
    CBaseWindow::create();
    addButton(272.0f, 184.0f, "mm_PlayGame", GuiEvent::PlayGame);
    addButton(272.0f, 267.0f, "mm_Options", GuiEvent::Options);
    addButton(272.0f, 341.0f, "mm_HighScores", GuiEvent::HighScores);
    addButton(272.0f, 420.0f, "mm_Rules", GuiEvent::Rules);
    addButton(295.0f, 498.0f, "mm_Quit", GuiEvent::Quit);
    addPlayerLine();
    m_pBackground = createBackgroundSprite(MenuImage::MAIN_MENU_BUTTONS, 266.0f, 177.0f);
}

void CMainMenuWindow::addButton(float fX, float fY, const char* pszImage, const CEGUI::String& strEvent)
{
    const std::string strImage = pszImage;
    CEGUI::Window* pButton = createMainMenuButton(fX, fY, strImage + "_normal", strImage + "_hover");
    m_pRoot->addChild(pButton);
    addEvent(strEvent);
    subscribeClick(pButton, this, strEvent, true);
}

void CMainMenuWindow::addPlayerLine()
{
    m_pCaption = addTextLabel(m_pRoot, GuiWidget::RightAlignedText, 249.0f, 172.0f, "FF6AC6FA");
    m_pCaption->setText(MenuLocaleText(MenuText::PLAYER_CAPTION));
    m_pName = addTextLabel(m_pRoot, GuiWidget::LeftAlignedText, 440.0f, 222.0f, "FFEDF95A");
    m_pChangeProfile = createGuiWindow(GuiWidget::Button);
    placeInPixels(m_pChangeProfile, 213.0f, 144.0f, 378.0f, 30.0f);
    m_pChangeProfile->setFont(STYLO_FONT);
    m_pChangeProfile->setText(MenuLocaleText(MenuText::CHANGE_PROFILE));
    m_pChangeProfile->setProperty(GuiProperty::NormalTextColour, "FF6ED5FC");
    m_pChangeProfile->setProperty(GuiProperty::HoverTextColour, "FFFA0020");
    m_pChangeProfile->setProperty(GuiProperty::PushedTextColour, "FFFA0020");
    m_pRoot->addChild(m_pChangeProfile);
    addEvent(GuiEvent::ChangeProfile);
    subscribeClick(m_pChangeProfile, this, GuiEvent::ChangeProfile, false);
}

void CMainMenuWindow::show()
{
    IDirect3DDevice8* pDevice = Vantile::CD3D9RenderSystem::Instance().GetDevice();
    if (pDevice)
        pDevice->SetRenderState(D3DRS_FOGCOLOR, MENU_FOG);
    CBaseWindow::show();
}

void CMainMenuWindow::render()
{
    if (m_pBackground)
        m_pBackground->draw();
}

void CMainMenuWindow::setPlayerName(const std::string& strName)
{
    const bool bVisible = !strName.empty();
    m_pCaption->setVisible(bVisible);
    m_pName->setVisible(bVisible);
    m_pChangeProfile->setVisible(bVisible);
    if (bVisible)
        m_pName->setText(NameToGui(strName));
}

CSelectGameWindow::~CSelectGameWindow()
{
    delete m_pBackground;
}

void CSelectGameWindow::create()
{
    CBaseWindow::create();
    m_pBackground = createBackgroundSprite(MenuImage::SELECT_GAME_BUTTONS, 273.0f, 189.0f);
    CEGUI::Window* pNew = createMainMenuButton(273.0f, 189.0f, "mm_NewGame_normal", "mm_NewGame_hover");
    m_pContinue = createMainMenuButton(273.0f, 264.0f, "mm_ContinueGame_normal", "mm_ContinueGame_hover");
    CEGUI::Window* pBack = createMainMenuButton(273.0f, 339.0f, "mm_MainMenu_normal", "mm_MainMenu_hover");
    for (CEGUI::Window* pButton : {pNew, m_pContinue, pBack})
        m_pRoot->addChild(pButton);
    addEvent(GuiEvent::NewGame);
    addEvent(GuiEvent::ContinueGame);
    subscribeClick(pNew, this, GuiEvent::NewGame, true);
    subscribeClick(m_pContinue, this, GuiEvent::ContinueGame, true);
    pBack->subscribeEvent(CEGUI::PushButton::EventClicked, CEGUI::Event::Subscriber(&CSelectGameWindow::onBack, this));
    m_pRoot->subscribeEvent(CEGUI::Window::EventKeyUp, CEGUI::Event::Subscriber(&CSelectGameWindow::onKeyUp, this));
}

void CSelectGameWindow::render()
{
    if (m_pBackground)
        m_pBackground->draw();
}

void CSelectGameWindow::setContinueEnabled(bool bEnabled)
{
    m_pContinue->setEnabled(bEnabled);
}

bool CSelectGameWindow::onBack(const CEGUI::EventArgs&)
{
    PlayClick();
    CWindowStack::instance().closeTopLater();
    return true;
}

bool CSelectGameWindow::onKeyUp(const CEGUI::EventArgs& args)
{
    if (static_cast<const CEGUI::KeyEventArgs&>(args).scancode == CEGUI::Key::Escape)
        CWindowStack::instance().closeTopLater();
    return true;
}
