// The GUI manager: the menu windows, made once by setup and kept for the
// whole run, wired to the game flow; the menu background; the main menu
// as the screen the session shows in its menu state.
#pragma once

class CProfilesStore;
class CSprite;

class CGui {
public:
    CGui() = default;
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

private:
    CSprite* m_pMenuBackground = nullptr;
    CSprite* m_pMenuHeader = nullptr;
    CProfilesStore* m_pStore = nullptr;
    bool m_bPlayRequested = false;
};
