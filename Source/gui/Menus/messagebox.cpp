#include "gui/Menus/messagebox.h"

#include <CEGUI/Window.h>
#include <CEGUI/widgets/PushButton.h>

#include "Game/Sprites/sprite.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Framework/windowstack.h"
#include "gui/Menus/menunames.h"

namespace {

const float BUTTON_WIDTH = 99.0f;
const float BUTTON_HEIGHT = 46.0f;
const float BUTTON_Y = 449.0f;
const float BACKGROUND_X = 274.0f;
const float BACKGROUND_Y = 188.0f;

}  // namespace

void CMessageBox::create()
{
    CBaseDialogWindow::create();
    m_pText = createGuiWindow(GuiWidget::DoubleText);
    placeInPixels(m_pText, 295.0f, 208.0f, 205.0f, 180.0f);
    m_pText->setFont(STYLO_FONT);
    m_pText->setProperty(GuiProperty::TextColour1, "B3000000");
    m_pText->setProperty(GuiProperty::TextColour2, "E6FDF35D");
    m_pRoot->addChild(m_pText);
    m_pYes = createImageButton(282.0f, BUTTON_Y, BUTTON_WIDTH, BUTTON_HEIGHT, "dm_Yes_normal", "dm_Yes_hover");
    m_pNo = createImageButton(418.0f, BUTTON_Y, BUTTON_WIDTH, BUTTON_HEIGHT, "dm_No_normal", "dm_No_hover");
    m_pYes->subscribeEvent(CEGUI::PushButton::EventClicked, CEGUI::Event::Subscriber(&CMessageBox::onYes, this));
    m_pNo->subscribeEvent(CEGUI::PushButton::EventClicked, CEGUI::Event::Subscriber(&CMessageBox::onNo, this));
    addEvent(GuiEvent::OnYes);
    addEvent(GuiEvent::OnNo);
    setForm(OK_CANCEL);
}

void CMessageBox::setText(const CEGUI::String& strText)
{
    m_pText->setText(strText);
}

void CMessageBox::setForm(Form nForm)
{
    m_nForm = nForm;
    for (CEGUI::Window* pButton : {m_pOk, m_pCancel, m_pYes, m_pNo})
        if (pButton->getParent())
            m_pRoot->removeChild(pButton);
    delete m_pBackground;
    if (nForm == YES_NO) {
        m_pRoot->addChild(m_pYes);
        m_pRoot->addChild(m_pNo);
    } else {
        placeInPixels(m_pOk, nForm == OK_ONLY ? 350.0f : 282.0f, BUTTON_Y, BUTTON_WIDTH, BUTTON_HEIGHT);
        placeInPixels(m_pCancel, 418.0f, BUTTON_Y, BUTTON_WIDTH, BUTTON_HEIGHT);
        m_pRoot->addChild(m_pOk);
        if (nForm == OK_CANCEL)
            m_pRoot->addChild(m_pCancel);
    }
    m_pBackground = createBackgroundSprite(nForm == OK_ONLY ? MenuImage::MESSAGE_OK_BG : MenuImage::MESSAGE_BG,
                                           BACKGROUND_X, BACKGROUND_Y);
}

bool CMessageBox::onOk(const CEGUI::EventArgs& args)
{
    if (m_nForm == YES_NO)
        return onYes(args);
    if (CWindowStack::instance().isClosing(this) || !validate())
        return true;
    PlayClick();
    close(Result::Ok);
    return true;
}

bool CMessageBox::onCancel(const CEGUI::EventArgs& args)
{
    if (m_nForm == OK_ONLY)
        return true;
    if (m_nForm == YES_NO)
        return onNo(args);
    return CBaseDialogWindow::onCancel(args);
}

bool CMessageBox::onYes(const CEGUI::EventArgs&)
{
    if (CWindowStack::instance().isClosing(this))
        return true;
    if (m_bCloseOnOk)
        CWindowStack::instance().closeTopLater();
    PlayClick();
    fireAndClose(GuiEvent::OnYes);
    return true;
}

bool CMessageBox::onNo(const CEGUI::EventArgs&)
{
    if (CWindowStack::instance().isClosing(this))
        return true;
    CWindowStack::instance().closeTopLater();
    PlayClick();
    fireAndClose(GuiEvent::OnNo);
    return true;
}

void CMessageBox::fireAndClose(const CEGUI::String& strEvent)
{
    CEGUI::EventArgs args;
    fireEvent(strEvent, args);
    fireEvent(GuiEvent::OnClosing, args);
}
