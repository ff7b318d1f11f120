// The GUI manager: the menu windows, made once by setup and kept for the
// whole run, wired to the game flow; the menu background; the main menu
// as the screen the session shows in its menu state.
#pragma once

#include <memory>

#include <CEGUI/EventArgs.h>
#include <CEGUI/EventSet.h>
#include <CEGUI/String.h>

class CMainMenuWindow;
class CMessageBox;
class CProfilesStore;
class CCreateUserWindow;
class CSelectGameWindow;
class CSettingsWindow;
class CSprite;
class CTopScoresWindow;
class CWhoAreYouWindow;

class CGui {
public:
    CGui();
    // Releases the two menu sprites, then deletes the windows.
    virtual ~CGui();
    CGui(const CGui&) = delete;
    CGui& operator=(const CGui&) = delete;

    void setStore(CProfilesStore* pStore) { m_pStore = pStore; }
    // Creates and wires every window; once, after the store is loaded.
    void setup();
    // Closes every window and shows the main menu (and, for a first
    // player, the name dialog above it).
    void showMainMenu();
    void updateContinueButton();

    // The menu background and header exist only while the menus are up.
    void loadBackground();
    void releaseBackground();
    void renderBackground();
    // The header sits above the main menu's buttons.
    void renderHeader();
    void renderTopWindow();
    // CEGUI draws no cursor of its own; the game draws its cursor sprite.
    // The pressed state is not used.
    static void setMenuCursor(bool bPressed);

    bool isPlayRequested() const { return m_bPlayRequested; }

    CMainMenuWindow* mainMenu() const { return m_pMainMenu.get(); }
    CWhoAreYouWindow* profileChooser() const { return m_pWhoAreYou.get(); }
    CSettingsWindow* settings() const { return m_pSettings.get(); }
    CTopScoresWindow* topScores() const { return m_pTopScores.get(); }
    CMessageBox* newGameQuestion() const { return m_pQuestion.get(); }
    CCreateUserWindow* nameDialog() const { return m_pNameDialog.get(); }
    CSelectGameWindow* gameChoice() const { return m_pSelectGame.get(); }

private:
    void setupMainMenu();
    void subscribe(CEGUI::EventSet* pWindow, const CEGUI::String& strEvent,
                   bool (CGui::*pHandler)(const CEGUI::EventArgs&));
    void updatePlayerName();
    bool onPlayGame(const CEGUI::EventArgs& args);
    bool onQuit(const CEGUI::EventArgs& args);
    bool onOptions(const CEGUI::EventArgs& args);
    bool onRules(const CEGUI::EventArgs& args);
    bool onHighScores(const CEGUI::EventArgs& args);
    bool onChangeProfile(const CEGUI::EventArgs& args);
    bool onChooserOk(const CEGUI::EventArgs& args);
    bool onChooserCancel(const CEGUI::EventArgs& args);
    bool onQuestionOk(const CEGUI::EventArgs& args);
    bool onNameOk(const CEGUI::EventArgs& args);
    bool onNewGame(const CEGUI::EventArgs& args);
    bool onContinueGame(const CEGUI::EventArgs& args);

    std::unique_ptr<CMainMenuWindow> m_pMainMenu;
    std::unique_ptr<CWhoAreYouWindow> m_pWhoAreYou;
    std::unique_ptr<CSettingsWindow> m_pSettings;
    std::unique_ptr<CTopScoresWindow> m_pTopScores;
    std::unique_ptr<CMessageBox> m_pQuestion;
    std::unique_ptr<CCreateUserWindow> m_pNameDialog;
    std::unique_ptr<CSelectGameWindow> m_pSelectGame;

    CSprite* m_pMenuBackground = nullptr;
    CSprite* m_pMenuHeader = nullptr;
    CProfilesStore* m_pStore = nullptr;
    bool m_bPlayRequested = false;
};
