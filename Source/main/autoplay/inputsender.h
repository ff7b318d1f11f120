// The headless players' hands: mouse, keys and focus given to the game's
// window as the system gives them, as messages posted to the window. They
// reach the game and the GUI at the start of the next frame through the
// window procedure, which tracks the key state and makes the characters as
// it does for a real keyboard. The autoplayer and the monkey share it.
#pragma once

#include <string>

namespace Vantile {
class CClientApplication;
}

class CInputSender {
public:
    explicit CInputSender(Vantile::CClientApplication& application) : m_Application(application) {}

    // Window pixels, 0 .. 799 and 0 .. 599.
    void moveMouse(int nX, int nY);
    void leftDown(int nX, int nY);
    void leftUp(int nX, int nY);
    // A move there, the button down and up.
    void click(int nX, int nY);
    // A click and the system's double click that follows: down, up,
    // double click, up.
    void doubleClick(int nX, int nY);
    void rightDown(int nX, int nY);
    void rightUp(int nX, int nY);
    void keyDown(int nVirtualKey);
    void keyUp(int nVirtualKey);
    void pressKey(int nVirtualKey);
    // Letters and digits by their keys, capitals with Shift held, anything
    // else as a space.
    void typeText(const std::string& strText);
    // The window loses or regains the focus, as when another window is
    // picked.
    void activate(bool bActive);
    // The window manager minimises or restores the window; the focus goes
    // and comes with it.
    void minimize();
    void restore();
    // Where the mouse was sent last.
    int mouseX() const { return m_nX; }
    int mouseY() const { return m_nY; }

private:
    void postMouse(unsigned nMessage, int nX, int nY);
    void postKey(bool bDown, int nVirtualKey);
    bool post(unsigned nMessage, unsigned long wParam, long lParam);

    Vantile::CClientApplication& m_Application;
    int m_nX = 0;
    int m_nY = 0;
    // Buttons held, as the mouse messages' wParam carries them.
    unsigned m_nButtons = 0;
};
