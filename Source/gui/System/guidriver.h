// The GUI run on its own, without the game session: a render queue that
// draws through the game's effects, the GUI frame handler, frames drawn on
// the scene device, input fed as the window feeds it, and the deferred
// window calls run at once (there is no fade to wait for). The GUI tool,
// the tests and the benchmark drive real CEGUI windows through it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "Renderstages/vantile_renderqueue.h"
#include "d3d/d3d8.h"
#include "gui/Renderer/guirenderstage.h"
#include "gui/System/guiframehandler.h"

class CGuiDriver {
public:
    // Needs the scene device; the data folder holds the GUI's files and
    // the GUI effect.
    CGuiDriver();
    ~CGuiDriver();
    CGuiDriver(const CGuiDriver&) = delete;
    CGuiDriver& operator=(const CGuiDriver&) = delete;

    Vantile::CGUIFrameHandler& handler() { return *m_pHandler; }
    CCEGUIRenderer& renderer() { return *m_pHandler->getRenderer(); }
    Vantile::CRenderQueue& queue() { return m_Queue; }

    // One frame of fSeconds: CEGUI draws what changed, the screen is
    // cleared, drawBehind (the windows' painted backgrounds) and the GUI are
    // drawn.
    void frame(D3DCOLOR dwClear, const std::function<void()>& drawBehind = {}, float fSeconds = 0.0f);

    void moveMouse(int x, int y);
    // Moves there, presses and releases the left button.
    void click(int x, int y);
    // A click, then the window's double-click event, then the release.
    void doubleClick(int x, int y);
    void pressLeft();
    void releaseLeft();
    // Key down (with its character) and key up for every character.
    void typeText(const std::string& strText);
    void pressKey(int nVirtualKey);

    // Runs the waiting deferred calls in posting order (and those they
    // post); other game events stay queued. Returns how many ran.
    size_t runDeferredCalls();

private:
    void sendMouse(int nAction);
    void sendKey(int nVirtualKey, char ch, bool bDown);

    Vantile::CRenderQueue m_Queue;
    std::unique_ptr<Vantile::CGUIFrameHandler> m_pHandler;
    std::unique_ptr<CGUIRenderStage> m_pStage;
    int m_nMouseX = 0;
    int m_nMouseY = 0;
};
