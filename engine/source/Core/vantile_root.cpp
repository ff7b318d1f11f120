#include "Core/vantile_root.h"

#include "Core/vantile_frametimer.h"
#include "Core/vantile_random.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "RenderSystem/vantile_renderwindow.h"

namespace Vantile {

CRoot& CRoot::Instance()
{
    static CRoot root;
    return root;
}

CRoot::CRoot()
{
    // The program's only seeding: every random choice draws from here on.
    SeedRandom(GetTickCount());
}

void CRoot::addFrameHandler(CFrameHandler* pHandler)
{
    m_FrameHandlers.insert(pHandler);
}

void CRoot::removeFrameHandler(CFrameHandler* pHandler)
{
    m_FrameHandlers.erase(pHandler);
}

CD3D9RenderWindow* CRoot::createRenderWindow(int nVideoMode, HINSTANCE hInstance,
                                             const std::string& strTitle, bool bFullscreen)
{
    CD3D9RenderSystem& renderSystem = CD3D9RenderSystem::Instance();
    renderSystem.SetInstance(hInstance);
    m_pWindow = renderSystem.CreateRenderWindow(nVideoMode, strTitle, bFullscreen);
    return m_pWindow;
}

void CRoot::setRenderQueue(size_t nIndex, std::shared_ptr<IRenderQueue> pQueue)
{
    if (m_RenderQueues.size() <= nIndex)
        m_RenderQueues.resize(nIndex + 1);
    m_RenderQueues[nIndex] = std::move(pQueue);
}

std::shared_ptr<IRenderQueue> CRoot::getRenderQueue(size_t nIndex) const
{
    return nIndex < m_RenderQueues.size() ? m_RenderQueues[nIndex] : nullptr;
}

void CRoot::startRendering()
{
    m_bStop = false;
    while (!m_bStop) {
        dispatchMessages();
        if (!renderOneFrame())
            break;
    }
}

void CRoot::dispatchMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool CRoot::renderOneFrame()
{
    CFrameTimer::Instance().update();
    if (!fireFrameEvent(&CFrameHandler::frameStarted))
        return false;
    renderScene();
    return fireFrameEvent(&CFrameHandler::frameEnded);
}

bool CRoot::fireFrameEvent(FrameCall call)
{
    const CFrameTimer& timer = CFrameTimer::Instance();
    const FrameEvent evt = {timer.timeSinceLastFrame(), timer.totalTime()};
    for (CFrameHandler* pHandler : m_FrameHandlers) {
        if (!(pHandler->*call)(evt))
            return false;
    }
    return true;
}

void CRoot::renderScene()
{
    IDirect3DDevice8* pDevice = CD3D9RenderSystem::Instance().GetDevice();
    // A minimised or hidden window shows nothing, so nothing is drawn;
    // Update still paces the loop.
    if (pDevice && (!m_pWindow || m_pWindow->IsDrawable())) {
        pDevice->BeginScene();
        for (const std::shared_ptr<IRenderQueue>& pQueue : m_RenderQueues) {
            if (pQueue)
                pQueue->Render();
        }
        pDevice->EndScene();
    }
    if (m_pWindow)
        m_pWindow->Update();
}

}  // namespace Vantile
