#include "gui/Menus/ruleswindow.h"

#include <CEGUI/Window.h>
#include <CEGUI/widgets/PushButton.h>

#include "Core/vantile_frametimer.h"
#include "Game/Sprites/sprite.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/windowstack.h"
#include "gui/Menus/menunames.h"
#include "gui/Menus/rulesdemo.h"

namespace {

// A page stands centred on the screen: the sprite's own anchor. Its
// picture loads with the loading screen, as the windows' backgrounds do.
CSprite* createPageSprite(const char* pszImage)
{
    return new CSprite(pszImage, CSprite::WHITE, false, false);
}

void hideDialogButtons(CEGUI::Window* pOk, CEGUI::Window* pCancel)
{
    pOk->setVisible(false);
    pCancel->setVisible(false);
}

}  // namespace

void CCreditsWindow::create()
{
    CBaseDialogWindow::create();
    hideDialogButtons(m_pOk, m_pCancel);
    m_pClose = createTextButton(348.0f, 487.0f, MenuOkCaption());
    m_pRoot->addChild(m_pClose);
    m_pClose->subscribeEvent(CEGUI::PushButton::EventClicked, CEGUI::Event::Subscriber(&CCreditsWindow::onClose, this));
    m_pBackground = createPageSprite(MenuImage::CREDITS_BG);
}

bool CCreditsWindow::onClose(const CEGUI::EventArgs&)
{
    if (!CWindowStack::instance().isClosing(this))
        close(Result::Ok);
    return true;
}

CRulesWindow::CRulesWindow() = default;

CRulesWindow::~CRulesWindow() = default;

void CRulesWindow::create()
{
    CBaseDialogWindow::create();
    hideDialogButtons(m_pOk, m_pCancel);
    m_pClose = createTextButton(348.0f, 464.0f, MenuOkCaption());
    m_pCredits = createTextButton(594.0f, 464.0f, MenuLocaleText(MenuText::CREDITS));
    m_pRoot->addChild(m_pClose);
    m_pRoot->addChild(m_pCredits);
    m_pClose->subscribeEvent(CEGUI::PushButton::EventClicked, CEGUI::Event::Subscriber(&CRulesWindow::onClose, this));
    m_pCredits->subscribeEvent(CEGUI::PushButton::EventClicked, CEGUI::Event::Subscriber(&CRulesWindow::onCredits, this));
    m_pBackground = createPageSprite(MenuImage::RULES_BG);
    m_pCreditsPage.reset(new CCreditsWindow);
    m_pCreditsPage->create();
}

void CRulesWindow::render()
{
    CBaseDialogWindow::render();
    if (!m_pDemo)
        m_pDemo = std::make_unique<CRulesDemo>(true);
    m_pDemo->update(Vantile::CFrameTimer::Instance().frameSeconds());
}

bool CRulesWindow::onClose(const CEGUI::EventArgs&)
{
    if (!CWindowStack::instance().isClosing(this))
        close(Result::Ok);
    return true;
}

bool CRulesWindow::onCredits(const CEGUI::EventArgs&)
{
    m_pCreditsPage->show();
    return true;
}
