#include "gui/Menus/userwindows.h"

#include <CEGUI/Window.h>
#include <CEGUI/widgets/Editbox.h>

#include "Business/profilelist.h"
#include "Business/profilesstore.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Menus/menunames.h"
#include "gui/Menus/messagebox.h"

namespace {

const size_t MAX_NAME_CHARACTERS = 15;
const float TEXT_X = 301.0f;
const float TEXT_WIDTH = 202.0f;
const float BUTTON_Y = 360.0f;
const float BACKGROUND_X = 275.0f;
const float BACKGROUND_Y = 189.0f;

CEGUI::Editbox* editbox(CEGUI::Window* pWindow)
{
    return static_cast<CEGUI::Editbox*>(pWindow);
}

}  // namespace

CCreateUserWindow::CCreateUserWindow() = default;

CCreateUserWindow::~CCreateUserWindow() = default;

void CCreateUserWindow::create()
{
    build(245.0f, 44.0f, 418.0f, MenuImage::NEW_USER_BG);
}

void CCreateUserWindow::build(float fTextY, float fTextHeight, float fCancelX, const char* pszBackground)
{
    CBaseDialogWindow::create();
    m_pTextBox = createGuiWindow(GuiWidget::TextBox);
    placeInPixels(m_pTextBox, TEXT_X, fTextY, TEXT_WIDTH, fTextHeight);
    m_pTextBox->setFont(STYLO_FONT);
    editbox(m_pTextBox)->setMaxTextLength(MAX_NAME_CHARACTERS);
    m_pRoot->addChild(m_pTextBox);
    // The box takes the keys again whenever the dialog comes back from
    // under its complaint.
    m_pRoot->subscribeEvent(CEGUI::Window::EventActivated,
                            CEGUI::Event::Subscriber(&CCreateUserWindow::onActivated, this));
    placeInPixels(m_pOk, 282.0f, BUTTON_Y, 99.0f, 46.0f);
    placeInPixels(m_pCancel, fCancelX, BUTTON_Y, 99.0f, 46.0f);
    m_pMessage.reset(new CMessageBox);
    m_pMessage->create();
    m_pMessage->setForm(CMessageBox::OK_ONLY);
    m_pBackground = createBackgroundSprite(pszBackground, BACKGROUND_X, BACKGROUND_Y);
}

void CCreateUserWindow::show()
{
    CBaseDialogWindow::show();
    m_pTextBox->activate();
}

bool CCreateUserWindow::onActivated(const CEGUI::EventArgs&)
{
    if (!m_pTextBox->isActive())
        m_pTextBox->activate();
    return true;
}

std::string CCreateUserWindow::getName() const
{
    // The box keeps its limit as the player types; text set by other means
    // is held to the same limit here.
    return NameFromGui(m_pTextBox->getText().substr(0, MAX_NAME_CHARACTERS));
}

bool CCreateUserWindow::validate()
{
    return checkName(getName());
}

bool CCreateUserWindow::checkName(const std::string& strName)
{
    int nComplaint = 0;
    if (strName.empty())
        nComplaint = MenuText::NAME_EMPTY;
    else if (m_pStore && m_pStore->profiles()->contains(strName))
        nComplaint = MenuText::NAME_TAKEN;
    if (!nComplaint)
        return true;
    m_pMessage->setText(MenuLocaleText(nComplaint));
    m_pMessage->show();
    return false;
}

void CRenameUserWindow::create()
{
    build(247.0f, 41.0f, 419.0f, MenuImage::RENAME_USER_BG);
}

void CRenameUserWindow::show()
{
    CCreateUserWindow::show();
    editbox(m_pTextBox)->setCaretIndex(m_pTextBox->getText().length());
}

void CRenameUserWindow::setProfile(CProfile* pProfile)
{
    m_pProfile = pProfile;
    m_pTextBox->setText(pProfile ? NameToGui(pProfile->getName()) : CEGUI::String());
    editbox(m_pTextBox)->setCaretIndex(m_pTextBox->getText().length());
}

bool CRenameUserWindow::validate()
{
    const std::string strName = getName();
    if (!m_pProfile || !checkName(strName))
        return false;
    m_pStore->profiles()->rename(m_pProfile, strName);
    m_pStore->save();
    return true;
}
