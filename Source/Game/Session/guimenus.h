// The session's menus on the window framework: the GUI manager's main
// menu and background, and the window stack's blank sheet.
#pragma once

#include "Game/Session/gamemenus.h"
#include "gui/Framework/gui.h"

class CGuiMenus : public IGameMenus {
public:
    // The GUI system exists already.
    void setup(CProfilesStore& store) override;

    // True when a menu window came on screen.
    bool showMainMenu() override;
    void showBlank() override;
    void setMenuCursor(bool bPressed) override { CGui::setMenuCursor(bPressed); }
    void loadBackground() override { m_Gui.loadBackground(); }
    void releaseBackground() override { m_Gui.releaseBackground(); }
    void renderBackground() override { m_Gui.renderBackground(); }
    void renderMenus() override;

private:
    CGui m_Gui;
};
