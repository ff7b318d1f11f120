#include "gui/Framework/gui.h"

#include <CEGUI/GUIContext.h>
#include <CEGUI/Window.h>
#include <CEGUI/System.h>

#include "Business/profilelist.h"
#include "Business/profilesstore.h"
#include "Game/Sprites/sprite.h"
#include "Resources/vantile_texturemanager.h"
#include "gui/Framework/guinames.h"
#include "gui/Framework/windowstack.h"
#include "gui/Menus/mainmenuwindow.h"
#include "gui/Menus/menunames.h"
#include "gui/Menus/messagebox.h"
#include "gui/Menus/settingswindow.h"
#include "gui/Menus/topscoreswindow.h"
#include "gui/Menus/userwindows.h"
#include "gui/Menus/whoareyouwindow.h"

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

CGui::CGui() = default;

CGui::~CGui()
{
    releaseBackground();
}

void CGui::setup()
{
    setupMainMenu();
    m_pWhoAreYou.reset(new CWhoAreYouWindow);
    m_pWhoAreYou->create();
    m_pWhoAreYou->setStore(m_pStore);
    subscribe(m_pWhoAreYou.get(), GuiEvent::OnOk, &CGui::onChooserOk);
    subscribe(m_pWhoAreYou.get(), GuiEvent::OnCancel, &CGui::onChooserCancel);
    m_pSettings.reset(new CSettingsWindow);
    m_pSettings->create();
    m_pSettings->setStore(m_pStore);
    m_pTopScores.reset(new CTopScoresWindow);
    m_pTopScores->create();
    m_pTopScores->setStore(m_pStore);
    m_pQuestion.reset(new CMessageBox);
    m_pQuestion->create();
    m_pQuestion->setForm(CMessageBox::OK_CANCEL);
    m_pQuestion->setText(MenuLocaleText(MenuText::NEW_GAME_QUESTION));
    subscribe(m_pQuestion.get(), GuiEvent::OnOk, &CGui::onQuestionOk);
    m_pQuestion->setCloseOnOk(false);
    // A first player must give a name.
    m_pNameDialog.reset(new CCreateUserWindow);
    m_pNameDialog->create();
    m_pNameDialog->setStore(m_pStore);
    subscribe(m_pNameDialog.get(), GuiEvent::OnOk, &CGui::onNameOk);
    m_pNameDialog->getCancelButton()->setEnabled(false);
    m_pSelectGame.reset(new CSelectGameWindow);
    m_pSelectGame->create();
    subscribe(m_pSelectGame.get(), GuiEvent::NewGame, &CGui::onNewGame);
    subscribe(m_pSelectGame.get(), GuiEvent::ContinueGame, &CGui::onContinueGame);
    updateContinueButton();
}

void CGui::setupMainMenu()
{
    m_pMainMenu.reset(new CMainMenuWindow);
    m_pMainMenu->create();
    updatePlayerName();
    subscribe(m_pMainMenu.get(), GuiEvent::PlayGame, &CGui::onPlayGame);
    subscribe(m_pMainMenu.get(), GuiEvent::Quit, &CGui::onQuit);
    subscribe(m_pMainMenu.get(), GuiEvent::Options, &CGui::onOptions);
    subscribe(m_pMainMenu.get(), GuiEvent::Rules, &CGui::onRules);
    subscribe(m_pMainMenu.get(), GuiEvent::HighScores, &CGui::onHighScores);
    subscribe(m_pMainMenu.get(), GuiEvent::ChangeProfile, &CGui::onChangeProfile);
}

void CGui::subscribe(CEGUI::EventSet* pWindow, const CEGUI::String& strEvent,
                     bool (CGui::*pHandler)(const CEGUI::EventArgs&))
{
    pWindow->subscribeEvent(strEvent, CEGUI::Event::Subscriber(pHandler, this));
}

void CGui::showMainMenu()
{
    updateContinueButton();
    CWindowStack::instance().closeAll();
    if (!m_pMainMenu)
        return;
    m_pMainMenu->show();
    setMenuCursor(false);
    const CProfileList* pProfiles = m_pStore->profiles();
    if (pProfiles->size() == 0 || !pProfiles->current())
        m_pNameDialog->show();
}

void CGui::updateContinueButton()
{
    if (!m_pSelectGame || !m_pStore)
        return;
    const CProfile* pProfile = m_pStore->profiles()->current();
    if (pProfile)
        m_pSelectGame->setContinueEnabled(pProfile->m_nLevel != -1 || pProfile->m_bInLevel);
}

void CGui::updatePlayerName()
{
    const CProfile* pProfile = m_pStore->profiles()->current();
    m_pMainMenu->setPlayerName(pProfile ? pProfile->getName() : std::string());
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
