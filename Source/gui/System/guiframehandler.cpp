#include "gui/System/guiframehandler.h"

#include <CEGUI/FontManager.h>
#include <CEGUI/GUIContext.h>
#include <CEGUI/SchemeManager.h>
#include <CEGUI/System.h>

#include "Core/vantile_exception.h"
#include "Core/vantile_root.h"
#include "Game/Context/gamecontext.h"
#include "Scene/vantile_device.h"
#include "gui/Renderer/ceguirenderer.h"
#include "gui/Renderer/ceguiresourceprovider.h"
#include "gui/Framework/windowstack.h"
#include "gui/System/ceguilogger.h"
#include "gui/System/guiclock.h"

namespace Vantile {

const char* const CGUIFrameHandler::SCHEME_FILE = "Velmora.scheme";

const std::vector<std::string>& CGUIFrameHandler::fontFiles()
{
    static const std::vector<std::string> files = {"game_mainmenu.font", "domcasl.font", "stylo.font", "hint.font"};
    return files;
}

CGUIFrameHandler::CGUIFrameHandler()
    : m_pRenderer(new CCEGUIRenderer(SceneDevice())),
      m_pResourceProvider(new CCEGUIResourceProvider),
      m_pLogger(std::make_unique<CCEGUILogger>(CGameContext::dataFolder() + "/CEGUI.log"))
{
    CRoot::Instance().addFrameHandler(this);
    // The logger made above is CEGUI's, so CEGUI opens no log file of its own.
    CEGUI::System::create(*m_pRenderer, m_pResourceProvider);
    // CEGUI times clicks by the program's own clock (guiclock.h); the call
    // links that clock in wherever the GUI is.
    GuiClockSeconds();
}

CGUIFrameHandler::~CGUIFrameHandler()
{
    CRoot::Instance().removeFrameHandler(this);
    CWindowStack::instance().release();
    CEGUI::System::destroy();
    delete m_pRenderer;
    delete m_pResourceProvider;
}

// CEGUI reports bad data with its own exceptions; the game's report names
// the file and stops start-up like any other bad data file. A missing file
// arrives as the file system's own exception and passes unchanged.
template <class Load>
void CGUIFrameHandler::loadReported(const std::string& strFileName, const char* pszFunc, Load load)
{
    try {
        load();
    } catch (const CEGUI::Exception& e) {
        std::string strDetails = "Failed to load GUI file [" + strFileName + "]";
        if (m_pResourceProvider->getLastFile() != strFileName)
            strDetails += " while reading [" + m_pResourceProvider->getLastFile() + "]";
        VANTILE_EXCEPT(0, strDetails + ": " + e.getMessage().c_str(), pszFunc);
    }
}

CEGUI::Font* CGUIFrameHandler::loadFont(const std::string& strFileName)
{
    CEGUI::Font* pFont = nullptr;
    loadReported(strFileName, "CGUIFrameHandler::loadFont",
                 [&] { pFont = &CEGUI::FontManager::getSingleton().createFromFile(strFileName.c_str()); });
    return pFont;
}

void CGUIFrameHandler::loadScheme(const std::string& strFileName)
{
    loadReported(strFileName, "CGUIFrameHandler::loadScheme",
                 [&] { CEGUI::SchemeManager::getSingleton().createFromFile(strFileName.c_str()); });
}

void CGUIFrameHandler::loadData()
{
    CEGUI::GUIContext& context = CEGUI::System::getSingleton().getDefaultGUIContext();
    // The first font draws whatever names no font of its own (CEGUI would
    // otherwise take the first by name).
    context.setDefaultFont(loadFont(fontFiles().front()));
    for (size_t i = 1; i < fontFiles().size(); ++i)
        loadFont(fontFiles()[i]);
    loadScheme(SCHEME_FILE);
    context.getMouseCursor().setDefaultImage(nullptr);
}

// CEGUI's clock drives held buttons' repeats, tooltips and its animations.
bool CGUIFrameHandler::frameStarted(const FrameEvent& evt)
{
    const float fSeconds = float(evt.timeSinceLastFrame / 1000.0);
    CEGUI::System& system = CEGUI::System::getSingleton();
    system.injectTimePulse(fSeconds);
    system.getDefaultGUIContext().injectTimePulse(fSeconds);
    system.renderAllGUIContexts();
    return true;
}

}  // namespace Vantile
