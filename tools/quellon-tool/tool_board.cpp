// board LEVEL --seed N [--moves K] [--shot FILE.png]: fills a level's board
// from a seed and lets a simple bot play it in simulated 16 ms frames,
// printing the board after the fill and after every settled move. A seed
// always prints the same game. The bot's game never draws, so a shot does
// not change what is printed: the final board is rebuilt on a drawing
// board of its own.
// With --hud the shot shows the HUD slid in and a tooltip; --chooser draws
// the power-up chooser instead of the board.
// With --aquarium the shot shows the level's aquarium behind the board.
// board LEVEL --window [--seed N]: a person plays the level with the mouse.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "Business/userfile.h"
#include "Core/vantile_random.h"
#include "Game/Rules/boarddriver.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gameevents.h"
#include "Game/Context/gamecontext.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"
#include "Game/Script/gamescript.h"
#include "Resources/vantile_resourcemanager.h"
#include "levelcheck/levelrules.h"
#include "Game/Rules/boardscreen.h"
#include "tool_board_draw.h"
#include "tool_commands.h"
#include "tool_hud_draw.h"

namespace {

// A move that does not settle within this many frames is a fault.
const int MAX_MOVE_FRAMES = 20000;

struct BoardOptions {
    std::string strLevel;
    unsigned nSeed = 0;
    int nMoves = 0;
    bool bSeedGiven = false;
    std::string strShot;
    bool bWindow = false;
    bool bHud = false;
    bool bChooser = false;
    bool bAquarium = false;
};

bool readNumber(const std::string& strText, long& nValue)
{
    char* pEnd = nullptr;
    nValue = strtol(strText.c_str(), &pEnd, 10);
    return !strText.empty() && *pEnd == '\0' && nValue >= 0;
}

bool parseOptions(const ToolArgs& args, BoardOptions& options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        long nValue = 0;
        if ((args[i] == "--seed" || args[i] == "--moves") && i + 1 < args.size() && readNumber(args[i + 1], nValue)) {
            if (args[i] == "--seed") {
                options.nSeed = static_cast<unsigned>(nValue);
                options.bSeedGiven = true;
            } else {
                options.nMoves = static_cast<int>(nValue);
            }
            ++i;
        } else if (args[i] == "--shot" && i + 1 < args.size() && options.strShot.empty()) {
            options.strShot = args[++i];
        } else if (args[i] == "--window") {
            options.bWindow = true;
        } else if (args[i] == "--hud") {
            options.bHud = true;
        } else if (args[i] == "--chooser") {
            options.bChooser = true;
        } else if (args[i] == "--aquarium") {
            options.bAquarium = true;
        } else if (options.strLevel.empty() && args[i].compare(0, 2, "--") != 0) {
            options.strLevel = args[i];
        } else {
            return false;
        }
    }
    if (options.bAquarium && !options.bSeedGiven && !options.strShot.empty())
        options.bSeedGiven = true;
    if (options.bWindow && !options.bSeedGiven)
        options.nSeed = static_cast<unsigned>(time(nullptr));
    const bool bPicture = options.bHud || options.bChooser;
    if (bPicture && (options.strShot.empty() || (options.bHud && options.bChooser)))
        return false;
    // A picture alone needs no seed: the level is filled from seed 1.
    if (bPicture && !options.bSeedGiven) {
        options.nSeed = 1;
        options.bSeedGiven = true;
    }
    return (options.bSeedGiven || options.bWindow) && !options.strLevel.empty();
}

int cellCode(const CGameCell* pCell)
{
    if (!pCell->exists())
        return 0;
    const CGameItem* pItem = pCell->item();
    if (!pItem)
        return 0x80;
    return 0x80 | (pItem->getHits() > 1 ? 0x40 : 0) | codeFromItemType(pItem->getType());
}

void printBoard(const CGameField& field)
{
    for (int nRow = 0; nRow < CGameField::SIZE; ++nRow) {
        std::string strLine;
        for (int nColumn = 0; nColumn < CGameField::SIZE; ++nColumn)
            strLine += (nColumn ? " " : "") + codeText(cellCode(field.cell(nRow, nColumn)));
        printf("%s\n", strLine.c_str());
    }
}

std::string baseName(const std::string& strPath)
{
    const size_t nSlash = strPath.find_last_of('/');
    return nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
}

// The bot's game, printed; the settled final board goes to layout.
int playBotGame(const BoardOptions& options, const std::string& strBytes, SBoardLayout& layout)
{
    RunStartupScript("init.lua");
    Vantile::SeedRandom(options.nSeed);
    CGameField field;
    field.initCells("");
    CBoardDriver driver(field, true, options.nSeed);
    field.LoadBytes(options.strLevel, strBytes);
    printBoard(field);
    int nMoves = 0;
    for (; nMoves < options.nMoves && !driver.isWon(); ++nMoves) {
        std::pair<CGameCell*, CGameCell*> move;
        if (!driver.chooseMove(move)) {
            printf("shuffle\n");
            field.shuffle();
        } else {
            printf("move %d: %d,%d-%d,%d\n", nMoves + 1, move.first->row(), move.first->column(), move.second->row(),
                   move.second->column());
            driver.playMove(move.first, move.second);
        }
        if (driver.settle(MAX_MOVE_FRAMES) < 0)
            return ToolFail(options.strLevel, "the board did not settle");
        printBoard(field);
    }
    printf("moves=%d cleared=%d specials=%d frames=%d score=%d\n", nMoves, driver.eventCount(eEventItemCleared),
           field.specialsMade(), driver.frames(), driver.score());
    layout = CaptureLayout(field);
    return fflush(stdout) == 0 ? 0 : ToolFail("stdout", "write failed");
}

}  // namespace

int ToolRun_board(const ToolArgs& args)
{
    BoardOptions options;
    if (!parseOptions(args, options))
        return ToolFail("board", "usage: quellon-tool board LEVEL --seed N [--moves K] [--shot FILE.png [--hud | --chooser | --aquarium]] | "
                                 "LEVEL --window [--seed N]");
    // The level may live in any folder; the art, the script and game.gam
    // are the game's own, beside the program.
    std::string strBytes;
    if (CUserFile::Read(options.strLevel, strBytes) != 0)
        return ToolFail(options.strLevel, "cannot read the level file");
    // The refill's types are checked before the board fills from them, as
    // "level" and "check-levels" check them.
    CLevel level;
    CLevel::Cells cells;
    level.loadBytes(options.strLevel, strBytes.data(), strBytes.size(), cells);
    const CLevelRules::Faults faults = ItemTypeFaults(ListedItemTypes(level.m_strTypes));
    if (!faults.empty())
        return ToolFail(options.strLevel, faults.front());
    Vantile::CResourceManager::Instance().Init(CGameContext::gameFolder(), false);
    const std::string strName = baseName(options.strLevel);
    if (options.bWindow)
        return PlayBoardWindow(options.strLevel, strBytes, options.nSeed);
    if (options.bChooser || options.bHud)
        LoadToolLocale();
    if (options.bChooser)
        return DrawChooserShot(options.strShot);
    SBoardLayout layout;
    const int nStatus = playBotGame(options, strBytes, layout);
    if (nStatus != 0 || options.strShot.empty())
        return nStatus;
    if (options.bAquarium)
        return DrawAquariumShot(layout, strName, options.nSeed, options.strShot);
    return DrawBoardShot(layout, FieldPictureOf(strName), options.strShot, options.bHud ? strName : std::string());
}
