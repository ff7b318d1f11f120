// session --shot FILE.png [--moves K] [--paused | --menu]: plays the shipped
// game through the game session offscreen, as the program would draw it,
// and writes one frame: level play after K bot moves (by mouse clicks), the
// same with the window's focus lost (the pause picture), or the main menu
// with its bubbles and the GUI's menu windows, as a returning player sees
// it. The player's store lives in a fresh folder, removed afterwards.
#include <cstdlib>
#include <string>

#include "Business/profilesstore.h"
#include "Game/Session/game.h"
#include "Game/Session/guimenus.h"
#include "Game/Session/sessiondriver.h"
#include "RenderSystem/vantile_framepicture.h"
#include "gui/System/guiframehandler.h"
#include "tool_commands.h"
#include "tool_offscreen_game.h"
#include "tool_hud_draw.h"

namespace {

const int MAX_FRAMES = 20000;
const int MENU_FRAMES = 600;

struct SessionOptions {
    std::string strShot;
    int nMoves = 5;
    bool bPaused = false;
    bool bMenu = false;
};

bool parseOptions(const ToolArgs& args, SessionOptions& options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--shot" && i + 1 < args.size())
            options.strShot = args[++i];
        else if (args[i] == "--moves" && i + 1 < args.size())
            options.nMoves = atoi(args[++i].c_str());
        else if (args[i] == "--paused")
            options.bPaused = true;
        else if (args[i] == "--menu")
            options.bMenu = true;
        else
            return false;
    }
    return !options.strShot.empty() && options.nMoves >= 0 && !(options.bPaused && options.bMenu);
}

const char* const MENU_PLAYER = "Marina";

bool playTo(CGame& game, CSessionDriver& driver, const SessionOptions& options)
{
    if (options.bMenu) {
        driver.runUntilState(CGame::eMainMenu, MAX_FRAMES);
        driver.frames(MENU_FRAMES);
        return game.getState() == CGame::eMainMenu;
    }
    if (!driver.runUntilState(CGame::ePlay, MAX_FRAMES))
        return false;
    driver.runUntil([&] { return driver.movesPlayed() >= options.nMoves || (driver.playMove(), false); }, MAX_FRAMES);
    driver.mouseMove(430, 250);
    if (options.bPaused)
        driver.activate(false);
    driver.frames(60);
    return game.getState() == CGame::ePlay;
}

}  // namespace

int ToolRun_session(const ToolArgs& args)
{
    SessionOptions options;
    if (!parseOptions(args, options))
        return ToolFail("session", "usage: quellon-tool session --shot FILE.png [--moves K] [--paused | --menu]");
    COffscreenGame offscreen;
    const std::string strFault = offscreen.open("session");
    if (!strFault.empty())
        return ToolFail("session", strFault);
    bool bShown = false, bSaved = false;
    {
        std::unique_ptr<Vantile::CGUIFrameHandler> pGui;
        std::unique_ptr<IGameMenus> pMenus;
        if (options.bMenu) {
            pGui = std::make_unique<Vantile::CGUIFrameHandler>();
            pGui->loadData();
            LoadToolLocale();
            pMenus = std::make_unique<CGuiMenus>();
            // A returning player, so the main menu greets someone.
            offscreen.addPlayer(MENU_PLAYER, 0);
        }
        CGame game(std::make_unique<CProfilesStore>(offscreen.home(), offscreen.home()), std::move(pMenus));
        CSessionDriver driver(game, true, 1, pGui.get());
        bShown = playTo(game, driver, options);
        bSaved = bShown && Vantile::SaveFramePicture(options.strShot);
    }
    if (!bShown)
        return ToolFail("session", "the game did not reach the screen to show");
    return bSaved ? 0 : ToolFail(options.strShot, "cannot write the picture");
}
