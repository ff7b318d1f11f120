// minigame --seed S --shot FILE.png [--level N]: plays the shipped game
// through its session offscreen up to the memory game before level N (the
// first level that has one, unless told), deals it from seed S, takes a
// few pairs by mouse, leaves one card open and the mouse over a covered
// cell, and writes that frame; with --free it matches the fish's pair
// at once instead and pictures the fish swimming off a moment later. The player's
// store lives in a fresh folder.
#include <cmath>
#include <cstdlib>
#include <string>

#include "Business/profilesstore.h"
#include "Core/vantile_random.h"
#include "Game/Level/gamefile.h"
#include "Game/MiniGame/minigame.h"
#include "Game/Session/game.h"
#include "Game/Session/sessiondriver.h"
#include "RenderSystem/vantile_framepicture.h"
#include "tool_commands.h"
#include "tool_offscreen_game.h"

namespace {

const int MAX_FRAMES = 20000;
const int SETTLE_FRAMES = 90;
const int FREED_FRAMES = 40;

struct MiniGameOptions {
    std::string strShot;
    long nSeed = -1;
    int nLevel = -1;
    bool bFree = false;
};

bool parseOptions(const ToolArgs& args, MiniGameOptions& options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--free") {
            options.bFree = true;
            continue;
        }
        if (i + 1 == args.size())
            return false;
        const std::string& strValue = args[++i];
        char* pEnd = nullptr;
        if (args[i - 1] == "--shot") {
            options.strShot = strValue;
        } else if (args[i - 1] == "--seed") {
            options.nSeed = strtol(strValue.c_str(), &pEnd, 10);
            if (*pEnd != '\0')
                return false;
        } else if (args[i - 1] == "--level") {
            options.nLevel = int(strtol(strValue.c_str(), &pEnd, 10));
            if (*pEnd != '\0')
                return false;
        } else {
            return false;
        }
    }
    return !options.strShot.empty() && options.nSeed >= 0;
}

// The level asked for, or the first with a memory game; -1 when it has none.
int miniGameLevel(int nAsked)
{
    const LevelList levels = CGameFile::load();
    if (nAsked >= 0)
        return nAsked < int(levels.size()) && levels[nAsked].m_pMiniGame ? nAsked : -1;
    for (size_t i = 0; i < levels.size(); ++i)
        if (levels[i].m_pMiniGame)
            return int(i);
    return -1;
}

// A click on the cell, then frames until its card has turned.
void clickCell(CSessionDriver& driver, const CMiniGameCell& cell)
{
    driver.click(int(std::lround(cell.position().x + 400.0f)), int(std::lround(300.0f - cell.position().y)));
    driver.runUntil([&] { return cell.state() != CMiniGameCell::eOpening && cell.state() != CMiniGameCell::eClosing; },
                    MAX_FRAMES);
}

// A few pairs taken, then one card left open and the mouse on a covered cell.
void play(CMiniGame& game, CSessionDriver& driver, unsigned nPairs)
{
    for (const auto& pCell : game.cells()) {
        if (nPairs == 0)
            break;
        if (pCell->state() != CMiniGameCell::eCovered || pCell->kind().hasFish())
            continue;
        for (const auto& pTwin : game.cells())
            if (pTwin != pCell && pTwin->state() == CMiniGameCell::eCovered && pTwin->kind().nId == pCell->kind().nId) {
                clickCell(driver, *pCell);
                clickCell(driver, *pTwin);
                --nPairs;
                break;
            }
    }
    const CMiniGameCell* pOpen = nullptr;
    for (const auto& pCell : game.cells()) {
        if (pCell->state() != CMiniGameCell::eCovered)
            continue;
        if (!pOpen) {
            pOpen = pCell.get();
            clickCell(driver, *pCell);
        } else if (pCell->kind().nId != pOpen->kind().nId) {
            const D3DXVECTOR3& v = pCell->position();
            driver.mouseMove(int(std::lround(v.x + 400.0f)), int(std::lround(300.0f - v.y)));
            return;
        }
    }
}

// The fish's pair found: the fish swims off its cell.
void freeFish(CMiniGame& game, CSessionDriver& driver)
{
    for (const auto& pCell : game.cells())
        if (pCell->kind().hasFish() && pCell->state() == CMiniGameCell::eCovered)
            clickCell(driver, *pCell);
}

}  // namespace

int ToolRun_minigame(const ToolArgs& args)
{
    MiniGameOptions options;
    if (!parseOptions(args, options))
        return ToolFail("minigame", "usage: quellon-tool minigame --seed S --shot FILE.png [--level N] [--free]");
    COffscreenGame offscreen;
    const std::string strFault = offscreen.open("minigame");
    if (!strFault.empty())
        return ToolFail("minigame", strFault);
    const int nLevel = miniGameLevel(options.nLevel);
    if (nLevel < 0)
        return ToolFail("minigame", "no memory game before that level");
    // A player who has won the level before it, so that "Continue" leads there.
    offscreen.addPlayer("Ann", nLevel - 1);
    bool bShown = false, bSaved = false;
    {
        CGame game(std::make_unique<CProfilesStore>(offscreen.home(), offscreen.home()), nullptr);
        CSessionDriver driver(game, true);
        Vantile::SeedRandom(uint32_t(options.nSeed));
        bShown = driver.runUntilState(CGame::eMiniGame, MAX_FRAMES);
        if (bShown) {
            if (options.bFree) {
                freeFish(game.miniGame(), driver);
                driver.frames(FREED_FRAMES);
            } else {
                play(game.miniGame(), driver, 2 + unsigned(options.nSeed % 3));
                driver.frames(SETTLE_FRAMES);
            }
            bShown = game.getState() == CGame::eMiniGame;
        }
        bSaved = bShown && Vantile::SaveFramePicture(options.strShot);
    }
    if (!bShown)
        return ToolFail("minigame", "the game did not reach the memory game");
    return bSaved ? 0 : ToolFail(options.strShot, "cannot write the picture");
}
