#include "gui/Framework/basedialogwindow.h"

#include <CEGUI/InputEvent.h>
#include <CEGUI/widgets/PushButton.h>

#include "Game/Context/gamecontext.h"
#include "Game/Sprites/sprite.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Framework/windowstack.h"

namespace {

const float BUTTON_WIDTH = 99.0f;
const float BUTTON_HEIGHT = 46.0f;
const char* const CLICK_SOUND = "Click.ogg";

}  // namespace

CBaseDialogWindow::~CBaseDialogWindow()
{
    delete m_pBackground;
}

void CBaseDialogWindow::create()
{
    CBaseWindow::create();
    m_pOk = createImageButton(0.0f, 0.0f, BUTTON_WIDTH, BUTTON_HEIGHT, "dm_Ok_normal", "dm_Ok_hover");
    m_pCancel = createImageButton(0.0f, 0.0f, BUTTON_WIDTH, BUTTON_HEIGHT, "dm_Cancel_normal", "dm_Cancel_hover");
    m_pRoot->addChild(m_pOk);
    m_pRoot->addChild(m_pCancel);
    m_pOk->subscribeEvent(CEGUI::PushButton::EventClicked,
                          CEGUI::Event::Subscriber(&CBaseDialogWindow::onOk, this));
    m_pCancel->subscribeEvent(CEGUI::PushButton::EventClicked,
                              CEGUI::Event::Subscriber(&CBaseDialogWindow::onCancel, this));
    addEvent(GuiEvent::OnOk);
    addEvent(GuiEvent::OnCancel);
    m_pRoot->subscribeEvent(CEGUI::Window::EventKeyUp, CEGUI::Event::Subscriber(&CBaseDialogWindow::onKeyUp, this));
}

void CBaseDialogWindow::render()
{
    if (m_pBackground)
        m_pBackground->draw();
}

bool CBaseDialogWindow::onOk(const CEGUI::EventArgs& args)
{
    if (CWindowStack::instance().isClosing(this) || !validate())
        return true;
    CGameContext::Instance().playSound(CLICK_SOUND, false, 1.0f);
    close(Result::Ok);
    return true;
}

bool CBaseDialogWindow::onCancel(const CEGUI::EventArgs& args)
{
    if (CWindowStack::instance().isClosing(this))
        return true;
    CGameContext::Instance().playSound(CLICK_SOUND, false, 1.0f);
    close(Result::Cancel);
    return true;
}

bool CBaseDialogWindow::onKeyUp(const CEGUI::EventArgs& args)
{
    const CEGUI::Key::Scan scan = static_cast<const CEGUI::KeyEventArgs&>(args).scancode;
    if (scan == CEGUI::Key::Escape)
        onCancel(args);
    else if (scan == CEGUI::Key::Return)
        onOk(args);
    return true;
}

void CBaseDialogWindow::close(Result result)
{
    if (result == Result::Cancel || m_bCloseOnOk)
        CWindowStack::instance().closeTopLater();
    CDialogEventArgs dialogArgs(this);
    fireEvent(result == Result::Ok ? GuiEvent::OnOk : GuiEvent::OnCancel, dialogArgs);
    fireEvent(GuiEvent::OnClosing, dialogArgs);
}
