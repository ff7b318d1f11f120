#include "main/clientapplication.h"

#include "Business/profilesstore.h"
#include "Core/vantile_eventmanager.h"
#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Core/vantile_root.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "RenderSystem/vantile_renderwindow.h"
#include "main/startupscene.h"

namespace Vantile {

CClientApplication::CClientApplication(HINSTANCE hInstance) : CApplication(hInstance)
{
    CRoot::Instance().addFrameHandler(this);
    CRoot::Instance().addFrameHandler(&CEventManager::Instance());
    m_pInputHandler = this;
    const int nMode = CD3D9RenderSystem::Instance().FindVideoMode(800, 600, 32);
    if (nMode < 0)
        throw Exception(0,
                        FormatString("Couldn't find videomode index for corresponding values width[%d] "
                                     "height[%d] colordepth[%d]",
                                     800, 600, 32),
                        "CClientApplication::Initialize()", __FILE__, __LINE__);
    // Only the screen mode is needed this early; the game loads the store
    // again for itself.
    CProfilesStore settings;
    settings.load();
    m_bFullscreen = settings.getFullscreen();
    m_nVideoMode = nMode;
    m_hIcon = LoadIconA(hInstance, IDI_APPLICATION);
}

CClientApplication::~CClientApplication() = default;

int CClientApplication::createScene()
{
    m_pWindow->SetTitle("Quellon");
    m_pScene = std::make_shared<CStartupScene>(CD3D9RenderSystem::Instance().GetDevice());
    CRoot::Instance().setRenderQueue(0, m_pScene);
    return 0;
}

void CClientApplication::destroyScene()
{
    CRoot::Instance().setRenderQueue(0, nullptr);
    m_pScene.reset();
}

bool CClientApplication::handleInput(const InputEvent& evt)
{
    if (evt.type == INPUT_KEY && evt.key.down && evt.key.vk == VK_ESCAPE)
        CRoot::Instance().queueEndRendering();
    return true;
}

}  // namespace Vantile
