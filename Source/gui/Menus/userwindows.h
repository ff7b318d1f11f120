// The name dialogs of the profile chooser: a new player's name and a new
// name for a player. A name is refused with a message when it is empty or
// already taken (compared byte for byte); any other text up to 15
// characters is a name. Names only ever go into the profile store's XML,
// never into a path, so slashes, dots and quotes are ordinary characters.
#pragma once

#include <memory>
#include <string>

#include "gui/Framework/basedialogwindow.h"

class CMessageBox;
class CProfile;
class CProfilesStore;

class CCreateUserWindow : public CBaseDialogWindow {
public:
    CCreateUserWindow();
    ~CCreateUserWindow() override;

    void create() override;
    void show() override;
    bool validate() override;

    void setStore(CProfilesStore* pStore) { m_pStore = pStore; }
    // The typed name as the store keeps it.
    std::string getName() const;
    CEGUI::Window* getTextBox() const { return m_pTextBox; }
    CMessageBox* getMessageBox() const { return m_pMessage.get(); }

protected:
    // False, after showing the complaint, when the name cannot be used.
    bool checkName(const std::string& strName);
    bool onActivated(const CEGUI::EventArgs& args);
    void build(float fTextY, float fTextHeight, float fCancelX, const char* pszBackground);

    CEGUI::Window* m_pTextBox = nullptr;
    CProfilesStore* m_pStore = nullptr;
    std::unique_ptr<CMessageBox> m_pMessage;
};

class CRenameUserWindow : public CCreateUserWindow {
public:
    void create() override;
    void show() override;
    bool validate() override;
    void setProfile(CProfile* pProfile);
    CProfile* getProfile() const { return m_pProfile; }

private:
    CProfile* m_pProfile = nullptr;
};
