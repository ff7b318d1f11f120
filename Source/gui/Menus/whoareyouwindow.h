// The profile chooser: the list of players headed by the new-player entry,
// Rename and Delete, OK to play as the chosen player. Its name, rename and
// delete dialogs are made each time they open and dropped when the next
// one opens. Without a current player Cancel is off, so the chooser can
// only be left by choosing one.
#pragma once

#include <memory>

#include "gui/Framework/basedialogwindow.h"

namespace CEGUI {
class Listbox;
class ListboxItem;
}  // namespace CEGUI
class CCreateUserWindow;
class CMessageBox;
class CProfile;
class CProfilesStore;
class CRenameUserWindow;

class CWhoAreYouWindow : public CBaseDialogWindow {
public:
    CWhoAreYouWindow();
    ~CWhoAreYouWindow() override;

    void create() override;
    void show() override;
    bool onOk(const CEGUI::EventArgs& args) override;
    bool onCancel(const CEGUI::EventArgs& args) override;

    void setStore(CProfilesStore* pStore) { m_pStore = pStore; }
    CEGUI::Listbox* getList() const { return m_pList; }
    CEGUI::Window* getRenameButton() const { return m_pRename; }
    CEGUI::Window* getDeleteButton() const { return m_pDelete; }
    CCreateUserWindow* getNameDialog() const { return m_pNameDialog.get(); }
    CRenameUserWindow* getRenameDialog() const { return m_pRenameDialog.get(); }
    CMessageBox* getDeleteQuestion() const { return m_pDeleteQuestion.get(); }

private:
    void fillList();
    void updateButtons();
    CProfile* selectedProfile() const;
    bool onSelectionChanged(const CEGUI::EventArgs& args);
    bool onDoubleClick(const CEGUI::EventArgs& args);
    bool onRename(const CEGUI::EventArgs& args);
    bool onDelete(const CEGUI::EventArgs& args);
    bool onNameOk(const CEGUI::EventArgs& args);
    bool onNameCancel(const CEGUI::EventArgs& args);
    bool onRenameOk(const CEGUI::EventArgs& args);
    bool onDeleteYes(const CEGUI::EventArgs& args);
    CEGUI::ListboxItem* addEntry(CProfile* pProfile);

    CEGUI::Listbox* m_pList = nullptr;
    CEGUI::Window* m_pRename = nullptr;
    CEGUI::Window* m_pDelete = nullptr;
    CProfilesStore* m_pStore = nullptr;
    std::unique_ptr<CCreateUserWindow> m_pNameDialog;
    std::unique_ptr<CRenameUserWindow> m_pRenameDialog;
    std::unique_ptr<CMessageBox> m_pDeleteQuestion;
};
