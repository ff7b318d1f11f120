// Owner of the CEGUI system: creates it on the engine's renderer and file
// system, loads the GUI's fonts and scheme, draws the GUI once per frame
// and passes the window's input on to it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Core/vantile_framehandler.h"
#include "Core/vantile_input.h"

namespace CEGUI {
class Font;
}
class CCEGUIRenderer;
class CCEGUIResourceProvider;

namespace Vantile {

class CCEGUILogger;

class CGUIFrameHandler : public CFrameHandler, public CAppInputHandler {
public:
    // Registers with the root and creates the CEGUI system on the scene
    // device; CEGUI's log is "CEGUI.log" in the per-user folder.
    CGUIFrameHandler();
    // The system goes first, then the renderer, file access and log it used.
    ~CGUIFrameHandler() override;
    CGUIFrameHandler(const CGUIFrameHandler&) = delete;
    CGUIFrameHandler& operator=(const CGUIFrameHandler&) = delete;

    // The game's fonts in order, the first one the default, then the
    // scheme; CEGUI draws no cursor of its own afterwards. A file that is missing or that CEGUI refuses
    // throws Exception naming the file.
    void loadData();
    // One font or scheme file, with the same report on failure.
    CEGUI::Font* loadFont(const std::string& strFileName);
    void loadScheme(const std::string& strFileName);

    // Moves CEGUI's clock on and lets it draw what changed; the GUI render
    // stage queues the result.
    bool frameStarted(const FrameEvent& evt) override;
    // Mouse position and left button (a double click as two clicks), keys
    // with their characters. Right-button and activation events are not
    // the GUI's.
    bool handleInput(const InputEvent& evt) override;

    CCEGUIRenderer* getRenderer() const { return m_pRenderer; }

    static const std::vector<std::string>& fontFiles();
    static const char* const SCHEME_FILE;

private:
    template <class Load>
    void loadReported(const std::string& strFileName, const char* pszFunc, Load load);
    void injectMouse(const MouseInput& mouse);
    void injectKey(const KeyInput& key);

    CCEGUIRenderer* m_pRenderer;
    CCEGUIResourceProvider* m_pResourceProvider;
    std::unique_ptr<CCEGUILogger> m_pLogger;
};

}  // namespace Vantile
