// afterwin --shot FILE.png [--level N]: wins the shipped game's first level
// through the game session offscreen and writes a frame of the dialog that
// follows, mid-count: the level's numbers on the chest's plaque, items
// raining in. With --level N the chest is shown as after level N (through
// the session's diagnostic keys, with their trial numbers).
#include <cstdlib>
#include <string>

#include "Business/profile.h"
#include "Business/profilesstore.h"
#include "Game/Hud/rollingcounter.h"
#include "Game/Session/game.h"
#include "Game/Session/sessiondriver.h"
#include "RenderSystem/vantile_framepicture.h"
#include "system/win32.h"
#include "tool_commands.h"
#include "tool_offscreen_game.h"

namespace {

const int MAX_FRAMES = 20000;
// The counter that is rolling in the picture, and the frames it has rolled.
const int SHOT_COUNTER = 3;
const int SHOT_ROLL_FRAMES = 12;
// The player's numbers before the level's points are banked.
const int SHOT_TOTAL = 48210;
const int SHOT_LEVEL_SCORE = 3840;
const int SHOT_COMBO_BONUS = 620;

bool parseOptions(const ToolArgs& args, std::string& strShot, int& nLevel)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--shot" && i + 1 < args.size()) {
            strShot = args[++i];
        } else if (args[i] == "--level" && i + 1 < args.size()) {
            char* pEnd = nullptr;
            nLevel = int(strtol(args[++i].c_str(), &pEnd, 10));
            if (*pEnd != '\0' || nLevel < 0 || nLevel > CAfterWinDialog::MAX_LEVEL)
                return false;
        } else {
            return false;
        }
    }
    return !strShot.empty();
}

bool winFirstLevel(CGame& game, CSessionDriver& driver, int nLevel)
{
    if (!driver.runUntilState(CGame::ePlay, MAX_FRAMES))
        return false;
    CProfile& player = *game.profile();
    player.m_nScore = SHOT_TOTAL;
    player.m_nLevelScore = SHOT_LEVEL_SCORE;
    player.m_nComboBonus = SHOT_COMBO_BONUS;
    driver.frames(30);
    driver.key(VK_F5);
    if (!driver.runUntilState(CGame::eWon, MAX_FRAMES))
        return false;
    for (int i = 0; i < nLevel; ++i)
        driver.key(VK_UP);
    const CRollingCounter& counter = game.afterWin().counter(SHOT_COUNTER);
    if (!driver.runUntil([&] { return counter.isRolling(); }, MAX_FRAMES))
        return false;
    driver.frames(SHOT_ROLL_FRAMES);
    return game.getState() == CGame::eWon;
}

}  // namespace

int ToolRun_afterwin(const ToolArgs& args)
{
    std::string strShot;
    int nLevel = 0;
    if (!parseOptions(args, strShot, nLevel))
        return ToolFail("afterwin", "usage: quellon-tool afterwin --shot FILE.png [--level N], N from 0 to 50");
    COffscreenGame offscreen;
    const std::string strFault = offscreen.open("afterwin");
    if (!strFault.empty())
        return ToolFail("afterwin", strFault);
    bool bShown = false, bSaved = false;
    {
        CGame game(std::make_unique<CProfilesStore>(offscreen.home(), offscreen.home()), nullptr);
        CSessionDriver driver(game, true);
        bShown = winFirstLevel(game, driver, nLevel);
        bSaved = bShown && Vantile::SaveFramePicture(strShot);
    }
    if (!bShown)
        return ToolFail("afterwin", "the game did not reach the dialog after a won level");
    return bSaved ? 0 : ToolFail(strShot, "cannot write the picture");
}
