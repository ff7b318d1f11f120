#include "Core/vantile_application.h"

#include "Core/vantile_root.h"
#include "RenderSystem/vantile_renderwindow.h"

namespace Vantile {

bool CAppFrameHandler::frameStarted(const FrameEvent& evt)
{
    return !m_pWindow->IsClosed();
}

CApplication::CApplication(HINSTANCE hInstance)
    : m_nVideoMode(0),
      m_bFullscreen(0),
      m_pFrameHandler(nullptr),
      m_pInputHandler(nullptr),
      m_pWindow(nullptr),
      m_hInstance(hInstance),
      m_hIcon(nullptr)
{
    CRoot::Instance().setApplication(this);
}

CApplication::~CApplication()
{
    CRoot& root = CRoot::Instance();
    root.removeFrameHandler(m_pFrameHandler);
    if (root.getApplication() == this)
        root.setApplication(nullptr);
    delete m_pFrameHandler;
}

void CApplication::run()
{
    CRoot& root = CRoot::Instance();
    m_pWindow = root.createRenderWindow(m_nVideoMode, m_hInstance, "", m_bFullscreen != 0);
    if (m_pInputHandler)
        m_pWindow->SetInputHandler(m_pInputHandler);
    m_pFrameHandler = new CAppFrameHandler(m_pWindow);
    root.addFrameHandler(m_pFrameHandler);
    if (createScene() >= 0) {
        root.startRendering();
        destroyScene();
    }
}

}  // namespace Vantile
