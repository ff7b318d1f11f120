// Shows one menu window at a time above the ones it came from. A window
// that replaces another comes on screen at the dark midpoint of a screen
// fade (a deferred call through the game's event queue), so a window shown
// from inside an event handler never disturbs the handler's own window.
//
// Requests are idempotent: players double-click, and a double click reaches
// the GUI as several clicks. While a switch is outstanding further shows are
// ignored; a second close of the window already being closed is ignored;
// closing with no window on screen does nothing.
#pragma once

#include <vector>

namespace CEGUI {
class Window;
}
class CBaseWindow;

class CWindowStack {
public:
    static CWindowStack& instance();

    void show(CBaseWindow* pWindow);
    void closeTop();
    void closeTopLater();
    void closeAll();
    // No menu on screen: the blank window becomes the GUI's root.
    void showBlank();
    void renderTop();

    CBaseWindow* current() const { return m_pCurrent; }
    bool isSwitchPending() const { return m_pPending != nullptr; }
    bool isClosing(const CBaseWindow* pWindow) const { return pWindow && m_pClosing == pWindow; }
    // Windows under the current one, the nearest last.
    std::vector<CBaseWindow*> history() const;

    // A window being destroyed leaves the stack and every request naming it.
    void forget(CBaseWindow* pWindow);
    // Drops the stack's own CEGUI windows and state, before the CEGUI
    // system that made them goes away.
    void release();

private:
    CWindowStack() = default;
    CWindowStack(const CWindowStack&) = delete;
    CWindowStack& operator=(const CWindowStack&) = delete;

    void switchToPending();
    void setCurrent(CBaseWindow* pWindow);
    void putOnPanel(CBaseWindow* pWindow);
    void attachPanel();
    CEGUI::Window* blank();

    CBaseWindow* m_pCurrent = nullptr;
    CBaseWindow* m_pPending = nullptr;
    CBaseWindow* m_pClosing = nullptr;
    CEGUI::Window* m_pPanel = nullptr;
    CEGUI::Window* m_pBlank = nullptr;
    // A null entry stands for "no window below"; the bottom one stays.
    std::vector<CBaseWindow*> m_History = {nullptr};
    bool m_bPanelMade = false;
    bool m_bReattach = true;
};
