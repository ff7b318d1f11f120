// The HUD's windows in the GUI: a full-screen sheet that becomes the GUI's
// root when the panels slide in, with the menu button, the level title,
// the charge buttons' click areas (drawing nothing: the HUD draws their
// faces) and the time-out message with its OK button.
#pragma once

#include "Game/Hud/hudwindows.h"

namespace CEGUI {
class EventArgs;
class Window;
}

class CHudGuiWindows : public IHudWindows {
public:
    // Needs the GUI system with the game's scheme and fonts.
    CHudGuiWindows();
    ~CHudGuiWindows() override;
    CHudGuiWindows(const CHudGuiWindows&) = delete;
    CHudGuiWindows& operator=(const CHudGuiWindows&) = delete;

    void setListener(IHudWindowsListener* pListener) override { m_pListener = pListener; }
    void showSheet() override;
    void setMenuButtonPixel(float fX, float fY) override;
    void setLevelTitlePixel(float fX, float fY) override;
    void setLevelTitle(const std::string& strTitle) override;
    std::unique_ptr<IChargeButtonWindow> makeChargeButton(float fWidth, float fHeight,
                                                          std::function<void()> onClicked) override;
    void showTimeoutMessage(const std::string& strText) override;
    void hideTimeoutMessage() override;

    CEGUI::Window* root() const { return m_pRoot; }
    CEGUI::Window* menuButton() const { return m_pMenu; }
    CEGUI::Window* timeoutOk() const { return m_pTimeoutOk; }

private:
    void createTimeoutMessage();
    bool onMenu(const CEGUI::EventArgs&);
    bool onTimeoutOk(const CEGUI::EventArgs&);

    IHudWindowsListener* m_pListener = nullptr;
    CEGUI::Window* m_pRoot = nullptr;
    CEGUI::Window* m_pTitle = nullptr;
    CEGUI::Window* m_pMenu = nullptr;
    CEGUI::Window* m_pTimeout = nullptr;
    CEGUI::Window* m_pTimeoutText = nullptr;
    CEGUI::Window* m_pTimeoutOk = nullptr;
};
