// The engine root: owns the frame loop and the registered frame handlers.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Core/vantile_framehandler.h"
#include "system/win32.h"

namespace Vantile {

class CApplication;
class CD3D9RenderWindow;

// Something that draws one frame's worth of stages between BeginScene and
// EndScene. The render queues implement it.
class IRenderQueue {
public:
    virtual ~IRenderQueue() = default;
    virtual void Render() = 0;
};

class CRoot {
public:
    static CRoot& Instance();
    virtual ~CRoot() = default;

    // Adding the same handler twice has no effect. Handlers are meant to
    // live as long as the process.
    void addFrameHandler(CFrameHandler* pHandler);
    // Only for handlers that die before the process does (an application
    // object, in tests more than one), which must not be called again.
    void removeFrameHandler(CFrameHandler* pHandler);

    CD3D9RenderWindow* createRenderWindow(int nVideoMode, HINSTANCE hInstance,
                                          const std::string& strTitle, bool bFullscreen);
    CD3D9RenderWindow* getRenderWindow() const { return m_pWindow; }

    // Queues are drawn in index order every frame.
    void setRenderQueue(size_t nIndex, std::shared_ptr<IRenderQueue> pQueue);
    std::shared_ptr<IRenderQueue> getRenderQueue(size_t nIndex) const;

    void startRendering();
    void queueEndRendering() { m_bStop = true; }

    void setApplication(CApplication* pApplication) { m_pApplication = pApplication; }
    CApplication* getApplication() const { return m_pApplication; }

    // Runs one frame: timer, frameStarted, the scene, present, frameEnded.
    // False when a handler asked to stop.
    bool renderOneFrame();

private:
    CRoot();
    CRoot(const CRoot&) = delete;
    CRoot& operator=(const CRoot&) = delete;

    void dispatchMessages();
    typedef bool (CFrameHandler::*FrameCall)(const FrameEvent&);
    // Calls every handler in set order; the first false ends the calls.
    bool fireFrameEvent(FrameCall call);
    void renderScene();

    CD3D9RenderWindow* m_pWindow = nullptr;
    CApplication* m_pApplication = nullptr;
    std::set<CFrameHandler*> m_FrameHandlers;
    std::vector<std::shared_ptr<IRenderQueue>> m_RenderQueues;
    bool m_bStop = false;
};

}  // namespace Vantile
