// The program's application object derives from CApplication: it picks the
// video mode, builds the scene and tears it down; run() does the rest.
#pragma once

#include "Core/vantile_framehandler.h"
#include "Core/vantile_input.h"
#include "system/win32.h"

namespace Vantile {

class CD3D9RenderWindow;

// Ends the frame loop once the window has been closed.
class CAppFrameHandler : public CFrameHandler {
public:
    explicit CAppFrameHandler(CD3D9RenderWindow* pWindow) : m_pWindow(pWindow) {}
    bool frameStarted(const FrameEvent& evt) override;

private:
    CD3D9RenderWindow* m_pWindow;
};

class CApplication {
public:
    explicit CApplication(HINSTANCE hInstance);
    virtual ~CApplication();

    // Hooks for the scene scripts; the base does nothing.
    virtual void changeCamera(const char* szName) {}
    virtual void fadeToNextCamera() {}
    // A negative result means failure: the loop does not start.
    virtual int createScene() = 0;
    virtual void destroyScene() = 0;

    void run();

    HICON getIcon() const { return m_hIcon; }
    CD3D9RenderWindow* getWindow() const { return m_pWindow; }

protected:
    int m_nVideoMode;
    int m_bFullscreen;
    CAppFrameHandler* m_pFrameHandler;
    IInputHandler* m_pInputHandler;
    CD3D9RenderWindow* m_pWindow;
    HINSTANCE m_hInstance;
    HICON m_hIcon;
};

}  // namespace Vantile
