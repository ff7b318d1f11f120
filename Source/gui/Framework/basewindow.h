// A menu window: one full-screen CEGUI container holding the window's
// widgets, and named events that the GUI manager subscribes to.
#pragma once

#include <CEGUI/EventSet.h>

namespace CEGUI {
class Window;
}

class CBaseWindow : public CEGUI::EventSet {
public:
    CBaseWindow() = default;
    // Destroys the container and every widget in it.
    ~CBaseWindow() override;
    CBaseWindow(const CBaseWindow&) = delete;
    CBaseWindow& operator=(const CBaseWindow&) = delete;

    // Makes the container and declares "OnClosing". Subclasses call this
    // first, then build their widgets inside m_pRoot.
    virtual void create();
    // Puts the window on screen through the window stack; subclasses
    // refresh their contents first.
    virtual void show();
    // Draws what the window paints itself, behind its widgets.
    virtual void render() = 0;

    CEGUI::Window* getRoot() const { return m_pRoot; }

protected:
    CEGUI::Window* m_pRoot = nullptr;
};
