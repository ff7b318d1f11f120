#include "Game/Hud/hudguiwindows.h"

#include <CEGUI/GUIContext.h>
#include <CEGUI/System.h>
#include <CEGUI/WindowManager.h>
#include <CEGUI/widgets/PushButton.h>

#include "Game/Hud/chargebutton.h"
#include "Game/Hud/timeoutmessage.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"

namespace {

// The caption the game writes is the two bytes CE 4B, "OK" in the Cyrillic
// code page with a Cyrillic capital O; the fonts are Unicode, so it is
// given as those two characters.
CEGUI::String OkCaption()
{
    CEGUI::String strCaption;
    strCaption += CEGUI::utf32(0x041E);
    strCaption += CEGUI::utf32('K');
    return strCaption;
}

// The click area of a charge button: the HUD draws the faces.
class CChargeButtonGuiWindow : public IChargeButtonWindow {
public:
    CChargeButtonGuiWindow(CEGUI::Window* pParent, float fWidth, float fHeight, std::function<void()> onClicked)
        : m_fWidth(fWidth), m_fHeight(fHeight), m_OnClicked(std::move(onClicked))
    {
        m_pButton = static_cast<CEGUI::PushButton*>(createImageButton(0.0f, 0.0f, fWidth, fHeight, "Empty", "Empty"));
        pParent->addChild(m_pButton);
        m_pButton->subscribeEvent(CEGUI::PushButton::EventClicked,
                                  CEGUI::Event::Subscriber(&CChargeButtonGuiWindow::onClicked, this));
    }
    ~CChargeButtonGuiWindow() override { CEGUI::WindowManager::getSingleton().destroyWindow(m_pButton); }

    void setPixelPosition(float fX, float fY) override { placeInPixels(m_pButton, fX, fY, m_fWidth, m_fHeight); }
    void setEnabled(bool bEnabled) override { m_pButton->setEnabled(bEnabled); }
    bool isPushed() const override { return m_pButton->isPushed(); }
    bool isHovered() const override { return m_pButton->isHovering(); }

private:
    bool onClicked(const CEGUI::EventArgs&)
    {
        m_OnClicked();
        return true;
    }

    CEGUI::PushButton* m_pButton;
    float m_fWidth;
    float m_fHeight;
    std::function<void()> m_OnClicked;
};

CEGUI::String GuiText(const std::string& strText)
{
    return CEGUI::String(strText.c_str());
}

}  // namespace

CHudGuiWindows::CHudGuiWindows()
{
    m_pRoot = createGuiWindow(GuiWidget::DefaultWindow);
    placeInPixels(m_pRoot, 0.0f, 0.0f, 800.0f, 600.0f);
    // Clicks on the board go through the sheet to the game.
    m_pRoot->setMousePassThroughEnabled(true);
    m_pTitle = createGuiWindow(GuiWidget::DoubleText);
    placeInPixels(m_pTitle, 660.0f, 5.0f, 125.0f, 40.0f);
    m_pTitle->setFont(STYLO_FONT);
    m_pTitle->setProperty(GuiProperty::TextColour1, "B3000000");
    m_pTitle->setProperty(GuiProperty::TextColour2, "E6FFCF3E");
    m_pTitle->setMousePassThroughEnabled(true);
    m_pRoot->addChild(m_pTitle);
    m_pMenu = createImageButton(14.0f, 20.0f, 126.0f, 39.0f, "gm_Menu_normal", "gm_Menu_hover");
    m_pMenu->subscribeEvent(CEGUI::PushButton::EventClicked, CEGUI::Event::Subscriber(&CHudGuiWindows::onMenu, this));
    m_pRoot->addChild(m_pMenu);
    createTimeoutMessage();
}

void CHudGuiWindows::createTimeoutMessage()
{
    m_pTimeout = createGuiWindow(GuiWidget::DefaultWindow);
    placeInPixels(m_pTimeout, 0.0f, 0.0f, 800.0f, 600.0f);
    m_pTimeout->hide();
    m_pRoot->addChild(m_pTimeout);
    m_pTimeoutText = createGuiWindow(GuiWidget::CenteredText);
    placeInPixels(m_pTimeoutText, 290.0f, 210.0f, 220.0f, 100.0f);
    m_pTimeoutText->setFont(STYLO_FONT);
    m_pTimeoutText->setProperty(GuiProperty::NormalTextColour, "FF601C02");
    m_pTimeout->addChild(m_pTimeoutText);
    m_pTimeoutOk = createTextButton(CTimeoutMessage::OK_LEFT, CTimeoutMessage::OK_TOP, OkCaption());
    m_pTimeoutOk->subscribeEvent(CEGUI::PushButton::EventClicked,
                                 CEGUI::Event::Subscriber(&CHudGuiWindows::onTimeoutOk, this));
    m_pTimeout->addChild(m_pTimeoutOk);
}

CHudGuiWindows::~CHudGuiWindows()
{
    CEGUI::GUIContext& context = CEGUI::System::getSingleton().getDefaultGUIContext();
    if (context.getRootWindow() == m_pRoot)
        context.setRootWindow(nullptr);
    CEGUI::WindowManager::getSingleton().destroyWindow(m_pRoot);
}

void CHudGuiWindows::showSheet()
{
    CEGUI::System::getSingleton().getDefaultGUIContext().setRootWindow(m_pRoot);
}

void CHudGuiWindows::setMenuButtonPixel(float fX, float fY)
{
    placeInPixels(m_pMenu, fX, fY, 126.0f, 39.0f);
}

void CHudGuiWindows::setLevelTitlePixel(float fX, float fY)
{
    placeInPixels(m_pTitle, fX, fY, 125.0f, 40.0f);
}

void CHudGuiWindows::setLevelTitle(const std::string& strTitle)
{
    m_pTitle->setText(GuiText(strTitle));
}

std::unique_ptr<IChargeButtonWindow> CHudGuiWindows::makeChargeButton(float fWidth, float fHeight,
                                                                      std::function<void()> onClicked)
{
    return std::unique_ptr<IChargeButtonWindow>(
        new CChargeButtonGuiWindow(m_pRoot, fWidth, fHeight, std::move(onClicked)));
}

void CHudGuiWindows::showTimeoutMessage(const std::string& strText)
{
    m_pTimeoutText->setText(GuiText(strText));
    m_pTimeout->show();
}

void CHudGuiWindows::hideTimeoutMessage()
{
    m_pTimeout->hide();
}

bool CHudGuiWindows::onMenu(const CEGUI::EventArgs&)
{
    if (m_pListener)
        m_pListener->onMenuClicked();
    return true;
}

bool CHudGuiWindows::onTimeoutOk(const CEGUI::EventArgs&)
{
    if (m_pListener)
        m_pListener->onTimeoutOk();
    return true;
}
