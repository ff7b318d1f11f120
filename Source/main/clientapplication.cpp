#include "main/clientapplication.h"

#include "Business/profilesstore.h"
#include "Business/xmllocale.h"
#include "Core/vantile_eventmanager.h"
#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Core/vantile_root.h"
#include "Game/Aquarium/aquarium.h"
#include "Game/Context/gamecontext.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/Hud/hudguiwindows.h"
#include "Game/Rules/boardscreen.h"
#include "Game/Script/gamescript.h"
#include "Game/Session/game.h"
#include "Game/Session/gamestages.h"
#include "Game/Session/guimenus.h"
#include "Game/Sound/gamesounds.h"
#include "Game/Sound/soundmanager.h"
#include "Game/Sprites/spriteloader.h"
#include "Game/Sprites/spritevbarray.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "RenderSystem/vantile_renderwindow.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Renderstages/vantile_renderstages.h"
#include "Resources/vantile_resource.h"
#include "Scene/vantile_camera.h"
#include "Scene/vantile_node.h"
#include "Steering/vantile_steerframehandler.h"
#include "gui/Renderer/guirenderstage.h"
#include "gui/System/guiframehandler.h"
#include "system/win32.h"

namespace Vantile {

namespace {

const int TITLE_TEXT = 60;
const char* const VERSION = "0.76.6";
const char* const GUI_EFFECT = "TranspNoZForGui.fx";
// The aquarium's own camera comes first; the screen camera after it.
const size_t AQUARIUM_CAMERA = 0;
const size_t SCREEN_CAMERA = 1;

void logStep(const char* szText)
{
    CLog::Instance().Write(LOG_INFO, szText);
}

}  // namespace

CClientApplication::CClientApplication(HINSTANCE hInstance) : CApplication(hInstance)
{
    CRoot::Instance().addFrameHandler(this);
    CRoot::Instance().addFrameHandler(&CEventManager::Instance());
    // The fish swim by the steering handler.
    m_pSteering = std::make_unique<CSteerFrameHandler>();
    CRoot::Instance().addFrameHandler(m_pSteering.get());
    m_pInputHandler = this;
    const int nMode = CD3D9RenderSystem::Instance().FindVideoMode(800, 600, 32);
    if (nMode < 0)
        throw Exception(0,
                        FormatString("Couldn't find videomode index for corresponding values width[%d] "
                                     "height[%d] colordepth[%d]",
                                     800, 600, 32),
                        "CClientApplication::Initialize()", __FILE__, __LINE__);
    // Only the screen mode is needed this early; the game loads the store
    // again for itself. This first load is the one that sets a damaged file
    // aside, so it is the one the player hears about it from.
    CProfilesStore settings;
    settings.load();
    if (!settings.notice().empty())
        MessageBoxA(nullptr, settings.notice().c_str(), "Quellon", MB_ICONWARNING);
    m_bFullscreen = settings.getFullscreen();
    m_nVideoMode = nMode;
    m_pSceneRoot = std::make_unique<CNode>();
    m_hIcon = LoadIconA(hInstance, IDI_APPLICATION);
}

CClientApplication::~CClientApplication() = default;

// Each step needs the ones before it; destroyScene takes them down in
// reverse.
int CClientApplication::createScene()
{
    createLocale();
    m_pWindow->SetTitle(m_pLocale->getText(TITLE_TEXT) + VERSION);
    createGui();
    RunStartupScript("init.lua");
    createRenderQueue();
    createGame();
    registerSounds();
    createAquarium();
    CGameContext::Instance().m_bPowerupArmed = false;
    m_Loading.setTotal(static_cast<int>(CSpriteLoader::Instance().count()));
    // The game draws its own cursor.
    m_pWindow->SetShowCursor(false);
    return 0;
}

void CClientApplication::createLocale()
{
    CResource resource("locale.xml");
    resource.Load();
    m_pLocale = std::make_unique<CXMLLocale>(
        std::string(reinterpret_cast<const char*>(resource.GetData()), resource.GetSize()));
}

void CClientApplication::createGui()
{
    m_pGuiHandler = std::make_unique<CGUIFrameHandler>();
    m_pGuiHandler->loadData();
}

void CClientApplication::createRenderQueue()
{
    m_pQueue = std::make_shared<CRenderQueue>();
    CRoot::Instance().setRenderQueue(0, m_pQueue);
    m_pQueue->MakeCurrent();
}

// The scene, animals and the aquarium's camera (camera 0) hang under the
// scene root, and the screen camera (camera 1) is the one the board's
// pass draws the fish with; the pipeline names both already.
void CClientApplication::createAquarium()
{
    logStep("Create AQUARIUM start");
    CAquarium::buildScene(*m_pSceneRoot, *m_pQueue, *m_pSteering);
    CCamera* pScreenCamera = CAquarium::makeScreenCamera();
    m_pSceneRoot->AddChild(pScreenCamera);
    m_pQueue->AddCamera(pScreenCamera);
    logStep("Create AQUARIUM end");
}

void CClientApplication::addAquariumStages()
{
    CAquarium::addStagesBehindBoard(*m_pQueue, *m_pSceneRoot, AQUARIUM_CAMERA, SCREEN_CAMERA);
    m_pQueue->AddStage(new CRSSetCamera(SCREEN_CAMERA), true);
    m_pQueue->AddStage(new CRSSetCameraMatrices(), true);
}

void CClientApplication::createGame()
{
    logStep("Create GAME start");
    CBoardScreen::attachItemVisuals();
    m_pGame = std::make_unique<CGame>(std::make_unique<CProfilesStore>(), std::make_unique<CGuiMenus>(),
                                      std::make_unique<CHudGuiWindows>());
    m_pAquarium = std::make_unique<CAquarium>();
    m_pGame->setAquarium(m_pAquarium.get());
    AddSessionStages(*m_pQueue, *m_pGame, new CGUIRenderStage(m_pGuiHandler->getRenderer()),
                     [this] { addAquariumStages(); });
    // Cached now, so the GUI's effect is not built in the middle of play.
    m_pQueue->GetEffect(GUI_EFFECT, true);
    logStep("Create GAME end");
}

void CClientApplication::registerSounds()
{
    logStep("Load SOUND start");
    m_pGame->buildMap();
    m_pGame->profiles().pushGains();
    CSoundManager& sounds = CSoundManager::instance();
    RegisterGameSounds(sounds, false);
    RegisterGameSounds(sounds, true);
}

void CClientApplication::destroyScene()
{
    // The session's stages in the queue hold the game (the fade stage
    // hands the game's fader its mesh and takes it back when it goes):
    // they go before the game does.
    if (m_pQueue)
        m_pQueue->ClearStages();
    m_pGame.reset();
    // The tooltips point at the board's cells, gone with the game.
    CTooltipManager::Instance().clear();
    if (m_pAquarium) {
        m_pAquarium->setVisible(false);
        CAquarium::releaseScene();
        m_pAquarium.reset();
    }
    CRoot::Instance().removeFrameHandler(m_pSteering.get());
    CRoot::Instance().setRenderQueue(0, nullptr);
    m_pQueue.reset();
    m_pSteering.reset();
    m_pSceneRoot.reset();
    CBoardScreen::closeDrawing();
    m_pGuiHandler.reset();
    m_pLocale.reset();
}

void CClientApplication::saveProgress()
{
    if (m_pGame)
        m_pGame->profiles().save();
}

bool CClientApplication::frameStarted(const FrameEvent&)
{
    if (m_pGame)
        m_Loading.frame(*m_pGame);
    return true;
}

bool CClientApplication::handleInput(const InputEvent& evt)
{
    if (m_pGame)
        m_pGame->handleInput(evt);
    if (m_pGuiHandler)
        m_pGuiHandler->handleInput(evt);
    return true;
}

}  // namespace Vantile
