#include "gui/Menus/whoareyouwindow.h"

#include <CEGUI/widgets/Listbox.h>
#include <CEGUI/widgets/ListboxTextItem.h>
#include <CEGUI/widgets/PushButton.h>

#include "Business/profilelist.h"
#include "Business/profilesstore.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Framework/windowstack.h"
#include "gui/Menus/menunames.h"
#include "gui/Menus/messagebox.h"
#include "gui/Menus/userwindows.h"

namespace {

// A list entry that carries its player; the new-player entry carries none.
class CProfileItem : public CEGUI::ListboxTextItem {
public:
    CProfileItem(const CEGUI::String& strText, CProfile* pProfile) : CEGUI::ListboxTextItem(strText), m_pProfile(pProfile)
    {
        setSelectionBrushImage("Velmora/ListBoxBrush");
        // The look multiplies the brush by this colour: white keeps the
        // brush's own.
        setSelectionColours(CEGUI::Colour(1.0f, 1.0f, 1.0f, 1.0f));
    }
    CProfile* m_pProfile;
};

CProfile* profileOf(const CEGUI::ListboxItem* pItem)
{
    return pItem ? static_cast<const CProfileItem*>(pItem)->m_pProfile : nullptr;
}

}  // namespace

CWhoAreYouWindow::CWhoAreYouWindow() = default;

CWhoAreYouWindow::~CWhoAreYouWindow() = default;

void CWhoAreYouWindow::create()
{
    CBaseDialogWindow::create();
    m_pList = static_cast<CEGUI::Listbox*>(createGuiWindow(GuiWidget::Listbox));
    placeInPixels(m_pList, 302.0f, 240.0f, 202.0f, 66.0f);
    m_pList->setFont(DOMCASL_FONT);
    m_pList->setMultiselectEnabled(false);
    m_pRoot->addChild(m_pList);
    m_pList->subscribeEvent(CEGUI::Listbox::EventSelectionChanged,
                            CEGUI::Event::Subscriber(&CWhoAreYouWindow::onSelectionChanged, this));
    m_pList->subscribeEvent(CEGUI::Window::EventMouseDoubleClick,
                            CEGUI::Event::Subscriber(&CWhoAreYouWindow::onDoubleClick, this));
    m_pRename = createImageButton(283.0f, 362.0f, 99.0f, 46.0f, "dm_Rename_normal", "dm_Rename_hover");
    m_pDelete = createImageButton(418.0f, 362.0f, 99.0f, 46.0f, "dm_Delete_normal", "dm_Delete_hover");
    m_pRoot->addChild(m_pRename);
    m_pRoot->addChild(m_pDelete);
    m_pRename->subscribeEvent(CEGUI::PushButton::EventClicked, CEGUI::Event::Subscriber(&CWhoAreYouWindow::onRename, this));
    m_pDelete->subscribeEvent(CEGUI::PushButton::EventClicked, CEGUI::Event::Subscriber(&CWhoAreYouWindow::onDelete, this));
    placeInPixels(m_pOk, 283.0f, 449.0f, 99.0f, 46.0f);
    placeInPixels(m_pCancel, 418.6f, 449.0f, 99.0f, 46.0f);
    m_pBackground = createBackgroundSprite(MenuImage::WHO_ARE_YOU_BG, 271.0f, 189.0f);
}

void CWhoAreYouWindow::show()
{
    fillList();
    CBaseDialogWindow::show();
}

void CWhoAreYouWindow::fillList()
{
    m_pList->resetList();
    addEntry(nullptr);
    const CProfileList* pProfiles = m_pStore->profiles();
    for (size_t i = 0; i < pProfiles->size(); ++i)
        addEntry(pProfiles->at(i));
    updateButtons();
}

CEGUI::ListboxItem* CWhoAreYouWindow::addEntry(CProfile* pProfile)
{
    const CEGUI::String strText = pProfile ? NameToGui(pProfile->getName()) : MenuLocaleText(MenuText::NEW_PLAYER);
    CEGUI::ListboxItem* pItem = new CProfileItem(strText, pProfile);
    m_pList->addItem(pItem);
    return pItem;
}

CProfile* CWhoAreYouWindow::selectedProfile() const
{
    return profileOf(m_pList->getFirstSelectedItem());
}

void CWhoAreYouWindow::updateButtons()
{
    const bool bProfile = selectedProfile() != nullptr;
    m_pOk->setEnabled(bProfile);
    m_pRename->setEnabled(bProfile);
    m_pDelete->setEnabled(bProfile);
    m_pCancel->setEnabled(m_pStore->profiles()->current() != nullptr);
}

bool CWhoAreYouWindow::onSelectionChanged(const CEGUI::EventArgs&)
{
    updateButtons();
    const CEGUI::ListboxItem* pItem = m_pList->getFirstSelectedItem();
    if (!pItem || profileOf(pItem))
        return true;
    m_pNameDialog.reset(new CCreateUserWindow);
    m_pNameDialog->create();
    m_pNameDialog->setStore(m_pStore);
    m_pNameDialog->subscribeEvent(GuiEvent::OnOk, CEGUI::Event::Subscriber(&CWhoAreYouWindow::onNameOk, this));
    m_pNameDialog->subscribeEvent(GuiEvent::OnCancel,
                                  CEGUI::Event::Subscriber(&CWhoAreYouWindow::onNameCancel, this));
    m_pNameDialog->show();
    return true;
}

bool CWhoAreYouWindow::onNameOk(const CEGUI::EventArgs&)
{
    CProfile* pProfile = m_pStore->profiles()->create(m_pNameDialog->getName());
    CEGUI::ListboxItem* pItem = addEntry(pProfile);
    m_pList->setItemSelectState(pItem, true);
    m_pList->ensureItemIsVisible(pItem);
    m_pStore->save();
    return true;
}

// The new-player entry is let go, so that clicking it again asks again.
bool CWhoAreYouWindow::onNameCancel(const CEGUI::EventArgs&)
{
    m_pList->clearAllSelections();
    updateButtons();
    return true;
}

bool CWhoAreYouWindow::onDoubleClick(const CEGUI::EventArgs& args)
{
    if (selectedProfile())
        onOk(args);
    return true;
}

bool CWhoAreYouWindow::onRename(const CEGUI::EventArgs&)
{
    CProfile* pProfile = selectedProfile();
    if (!pProfile)
        return true;
    PlayClick();
    m_pRenameDialog.reset(new CRenameUserWindow);
    m_pRenameDialog->create();
    m_pRenameDialog->setStore(m_pStore);
    m_pRenameDialog->setProfile(pProfile);
    m_pRenameDialog->subscribeEvent(GuiEvent::OnOk, CEGUI::Event::Subscriber(&CWhoAreYouWindow::onRenameOk, this));
    m_pRenameDialog->show();
    return true;
}

bool CWhoAreYouWindow::onRenameOk(const CEGUI::EventArgs&)
{
    CEGUI::ListboxItem* pItem = m_pList->getFirstSelectedItem();
    if (pItem && profileOf(pItem)) {
        pItem->setText(NameToGui(profileOf(pItem)->getName()));
        m_pList->handleUpdatedItemData();
    }
    return true;
}

bool CWhoAreYouWindow::onDelete(const CEGUI::EventArgs&)
{
    CProfile* pProfile = selectedProfile();
    if (!pProfile)
        return true;
    PlayClick();
    m_pDeleteQuestion.reset(new CMessageBox);
    m_pDeleteQuestion->create();
    m_pDeleteQuestion->setForm(CMessageBox::YES_NO);
    m_pDeleteQuestion->setText(MenuLocaleText(MenuText::DELETE_QUESTION) + NameToGui(pProfile->getName()) + "?");
    m_pDeleteQuestion->subscribeEvent(GuiEvent::OnYes, CEGUI::Event::Subscriber(&CWhoAreYouWindow::onDeleteYes, this));
    m_pDeleteQuestion->show();
    return true;
}

bool CWhoAreYouWindow::onDeleteYes(const CEGUI::EventArgs&)
{
    CEGUI::ListboxItem* pItem = m_pList->getFirstSelectedItem();
    CProfile* pProfile = profileOf(pItem);
    if (!pProfile)
        return true;
    m_pStore->profiles()->remove(pProfile);
    m_pStore->save();
    m_pList->removeItem(pItem);
    updateButtons();
    return true;
}

bool CWhoAreYouWindow::onOk(const CEGUI::EventArgs& args)
{
    // Enter reaches here even while OK is off: the new-player entry is no
    // player to play as.
    CProfile* pProfile = selectedProfile();
    if (!pProfile || CWindowStack::instance().isClosing(this))
        return true;
    m_pStore->profiles()->setCurrent(pProfile);
    m_pStore->save();
    return CBaseDialogWindow::onOk(args);
}

bool CWhoAreYouWindow::onCancel(const CEGUI::EventArgs& args)
{
    if (!m_pCancel->isEffectiveDisabled())
        return CBaseDialogWindow::onCancel(args);
    return true;
}
