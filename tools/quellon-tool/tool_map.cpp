// map --level N --shot FILE.png [--at SECONDS]: plays the shipped game
// through its session offscreen to the level map on the way to level N
// (counted from 0: route N - 1 is being revealed, 0 shows the start),
// lets the route sail half way (or for the seconds asked) and writes that
// frame. The player's store lives in a fresh folder.
#include <cstdlib>
#include <string>

#include "Business/profilesstore.h"
#include "Game/Map/map.h"
#include "Game/Session/game.h"
#include "Game/Session/sessiondriver.h"
#include "RenderSystem/vantile_framepicture.h"
#include "tool_commands.h"
#include "tool_offscreen_game.h"

namespace {

const int MAX_FRAMES = 20000;

struct MapOptions {
    std::string strShot;
    int nLevel = -1;
    double fAt = -1.0;
};

bool parseOptions(const ToolArgs& args, MapOptions& options)
{
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        char* pEnd = nullptr;
        if (args[i] == "--shot") {
            options.strShot = args[i + 1];
        } else if (args[i] == "--level") {
            options.nLevel = int(strtol(args[i + 1].c_str(), &pEnd, 10));
            if (*pEnd != '\0')
                return false;
        } else if (args[i] == "--at") {
            options.fAt = strtod(args[i + 1].c_str(), &pEnd);
            if (*pEnd != '\0' || options.fAt < 0)
                return false;
        } else {
            return false;
        }
    }
    return args.size() % 2 == 0 && !options.strShot.empty() && options.nLevel >= 0;
}

// Story pages on the way are turned by clicks.
bool reachMap(CGame& game, CSessionDriver& driver)
{
    for (int nFrame = 0; nFrame < MAX_FRAMES; nFrame += 30) {
        if (game.getState() == CGame::eMap && !game.isTransition() && game.fader().progress() >= 1.0f)
            return true;
        if (game.getState() == CGame::eStory && !game.isTransition())
            driver.click(400, 300);
        driver.frames(30);
    }
    return false;
}

}  // namespace

int ToolRun_map(const ToolArgs& args)
{
    MapOptions options;
    if (!parseOptions(args, options))
        return ToolFail("map", "usage: quellon-tool map --level N --shot FILE.png [--at SECONDS]");
    COffscreenGame offscreen;
    const std::string strFault = offscreen.open("map");
    if (!strFault.empty())
        return ToolFail("map", strFault);
    // A player who has won the level before N, so that "Continue" leads to
    // the map on the way to N; a new player for the first level.
    offscreen.addPlayer("Ann", options.nLevel - 1);
    bool bShown = false, bSaved = false;
    {
        CGame game(std::make_unique<CProfilesStore>(offscreen.home(), offscreen.home()), nullptr);
        game.buildMap();
        CSessionDriver driver(game, true);
        bShown = game.map() && game.map()->segmentCount() > 0 && reachMap(game, driver);
        if (bShown) {
            // The route began with the fade that showed the map.
            const CMap::CSegment* pRoute = game.map()->current();
            const double fSailed = pRoute ? pRoute->walker().getProgress() / 2.0 : 0.0;
            const double fAt = options.fAt >= 0 ? options.fAt : pRoute ? pRoute->pointCount() / 4.0 : 1.0;
            if (fAt > fSailed)
                driver.frames(int((fAt - fSailed) * 1000.0 / CSessionDriver::FRAME_MS));
            bShown = game.getState() == CGame::eMap;
        }
        bSaved = bShown && Vantile::SaveFramePicture(options.strShot);
    }
    if (!bShown)
        return ToolFail("map", "the game did not reach the level map");
    return bSaved ? 0 : ToolFail(options.strShot, "cannot write the picture");
}
