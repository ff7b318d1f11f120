// The game's application object: finds the video mode, opens the window
// and builds the scene: the locale, the GUI, the start-up script, the
// render queue with the game's stages, the game session and its sounds.
#pragma once

#include <memory>

#include "Core/vantile_application.h"
#include "Core/vantile_framehandler.h"
#include "Core/vantile_input.h"
#include "Game/Session/loadingprogress.h"

class CAquarium;
class CGame;
class CXMLLocale;

namespace Vantile {

class CGUIFrameHandler;
class CNode;
class CRenderQueue;
class CSteerFrameHandler;

class CClientApplication : public CApplication, public CFrameHandler, public CAppInputHandler {
public:
    // Throws when the display offers no 800 x 600 mode with 32-bit colour.
    explicit CClientApplication(HINSTANCE hInstance);
    ~CClientApplication() override;

    int createScene() override;
    // The session, from the scene's creation until its end.
    CGame* game() const { return m_pGame.get(); }
    void destroyScene() override;
    // Saves the player's store as it stands, for an end that cannot run
    // the scene's teardown.
    void saveProgress();

    // The loading screen's progress.
    bool frameStarted(const FrameEvent& evt) override;
    // The game sees every event first, then the GUI.
    bool handleInput(const InputEvent& evt) override;

private:
    void createLocale();
    void createGui();
    void createRenderQueue();
    void createAquarium();
    void addAquariumStages();
    void createGame();
    void registerSounds();

    std::unique_ptr<CXMLLocale> m_pLocale;
    std::unique_ptr<CGUIFrameHandler> m_pGuiHandler;
    std::shared_ptr<CRenderQueue> m_pQueue;
    std::unique_ptr<CNode> m_pSceneRoot;
    std::unique_ptr<CSteerFrameHandler> m_pSteering;
    std::unique_ptr<CAquarium> m_pAquarium;
    std::unique_ptr<CGame> m_pGame;
    CLoadingProgress m_Loading;
};

}  // namespace Vantile
