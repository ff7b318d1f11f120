// The game's application object: finds the video mode, opens the window
// and builds the scene.
#pragma once

#include <memory>

#include "Core/vantile_application.h"
#include "Core/vantile_framehandler.h"
#include "Core/vantile_input.h"

namespace Vantile {

class CStartupScene;

class CClientApplication : public CApplication, public CFrameHandler, public CAppInputHandler {
public:
    // Throws when the display offers no 800 x 600 mode with 32-bit colour.
    explicit CClientApplication(HINSTANCE hInstance);
    ~CClientApplication() override;

    int createScene() override;
    void destroyScene() override;

    bool handleInput(const InputEvent& evt) override;

private:
    std::shared_ptr<CStartupScene> m_pScene;
};

}  // namespace Vantile
