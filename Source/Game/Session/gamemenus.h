// What the session asks of the menus: the main menu with its background,
// the blank sheet between screens and the GUI's cursor. The program hands
// it the window framework; tests and the scripted driver a stand-in.
#pragma once

class CProfilesStore;

class IGameMenus {
public:
    virtual ~IGameMenus() = default;

    // Once, with the store loaded: the windows are made.
    virtual void setup(CProfilesStore& store) = 0;
    // False when no main menu window exists to show: the session then
    // goes on to play by itself.
    virtual bool showMainMenu() = 0;
    virtual void showBlank() = 0;
    virtual void setMenuCursor(bool bPressed) = 0;
    virtual void loadBackground() = 0;
    virtual void releaseBackground() = 0;
    // The background, the top window and the header, every menu frame.
    virtual void renderBackground() = 0;
    virtual void renderMenus() = 0;
};

// Menus that never show: the session plays straight on.
class CNoMenus : public IGameMenus {
public:
    void setup(CProfilesStore&) override {}
    bool showMainMenu() override { return false; }
    void showBlank() override {}
    void setMenuCursor(bool) override {}
    void loadBackground() override {}
    void releaseBackground() override {}
    void renderBackground() override {}
    void renderMenus() override {}
};
