#include "levelcheck/datachecker.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <tuple>

#include "Game/Items/animationmanager.h"
#include "support/temp_folder.h"

namespace {

std::string levelWith(const std::string& strCells, const std::string& strTypes = "010203")
{
    return "<root><game types=\"" + strTypes + "\" period=\"90\" powerups=\"0\" bonustime=\"1\"/><cells value=\"" +
           strCells + "\"/></root>";
}

// 64 existing empty cells, then the given codes from the top left.
std::string cells(const std::string& strFirst = "")
{
    std::string strCells;
    for (int k = 0; k < 64; ++k)
        strCells += "80";
    return strCells.replace(0, strFirst.size(), strFirst);
}

// A data folder with one small but complete level: every file the checker
// reads, each replaceable by a case.
std::map<std::string, std::string> goodFolder()
{
    std::string strScript =
        "local function add(t, s, name, tex, rep, lim, blk) addAniData(t, s, name, tex, ct.eUseWhiteColor, rep, lim, "
        "blk, false) end\n"
        "for _, t in ipairs({it.e01, it.e02, it.e03, it.eHorz}) do\n"
        "  setTypeColorInfo(t, 'FF102030', 'FF405060', 'FF708090')\n"
        "  add(t, at.eCursor, 'cursor', 'still.dds', 65535, false, false)\n"
        "  add(t, at.eNormal, 'normal', 'idle.ifl', 65535, false, false)\n"
        "  add(t, at.eMoving, 'move', 'idle.ifl', 65535, false, true)\n"
        "  add(t, at.eDeleting, 'delete', 'pop.ifl', 1, true, true)\n"
        "  add(t, at.eDeleting2, 'delete2', 'idle.ifl', 1, true, true)\n"
        "  add(t, at.eFalling, 'falling', 'idle.ifl', 65535, false, true)\n"
        "end\n"
        "setTypeColorInfo(it.eTrunk, 'FF102030', 'FF405060', 'FF708090')\n"
        "add(it.eTrunk, at.eNormal, 'normal', 'still.dds', 65535, false, false)\n"
        "add(it.eTrunk, at.eFalling, 'falling', 'still.dds', 65535, false, true)\n"
        "add(it.eTrunk, at.eTrunkFall, 'trunk_fall', 'idle.ifl', 1, true, true)\n"
        "add(it.eTrunk, at.eTrunkOpen, 'trunk_open', 'idle.ifl', 1, true, true)\n"
        "checkAniData()\n";
    std::string strPop = "#24\n";
    for (int i = 0; i < 11; ++i)
        strPop += "pop_" + std::to_string(i) + ".dds\n";
    std::map<std::string, std::string> files = {
        {"init.lua", strScript},
        {"still.dds", "x"},
        {"idle.ifl", "#8 idle_0.dds idle_1.dds"},
        {"art/idle_0.dds", "x"},
        {"art/idle_1.dds", "x"},
        {"pop.ifl", strPop},
        {"game.gam", "<root><level name=\"Reef\" file=\"reef.xml\" field=\"f.jpg\" scene=\"s.xml\" fogcolor=\"FF0B3F72\""
                     " bgfishes=\"2100000\" fgfishes=\"1\"/>"
                     "<minigame level=\"0\" x=\"4\" y=\"3\" fish=\"5\" before=\"\" after=\"\"/></root>"},
        // The trunk starts high: the level is won by bringing it down.
        {"levels/reef.xml", levelWith(cells("93"))},
    };
    for (int i = 0; i < 11; ++i)
        files["art/pop_" + std::to_string(i) + ".dds"] = "x";
    return files;
}

class DataSetCheckerTest : public ::testing::Test {
protected:
    void TearDown() override { CAnimationManager::Instance().clear(); }

    std::string check(const std::map<std::string, std::string>& files)
    {
        CTempFolder folder;
        for (const auto& file : files)
            folder.write("game/" + file.first, file.second);
        std::string strAll;
        for (const CDataSetChecker::Fault& fault : CDataSetChecker().check(folder.path() + "/game"))
            strAll += fault.strFile + ": " + fault.strText + "\n";
        return strAll;
    }
};

TEST_F(DataSetCheckerTest, ACompleteFolderPasses)
{
    EXPECT_EQ("", check(goodFolder()));
}

TEST_F(DataSetCheckerTest, EachBrokenPieceIsNamed)
{
    const std::vector<std::tuple<const char*, std::string, std::string, const char*>> cases = {
        {"a level file that is missing", "game.gam",
         "<root><level name=\"Reef\" file=\"gone.xml\" field=\"f\" scene=\"s\" fogcolor=\"0\"/></root>",
         "gone.xml: Failed to get file [gone.xml]"},
        {"a run on the board", "levels/reef.xml", levelWith(cells("818181")), "reef.xml: the board starts with a run"},
        {"a type the script never coloured", "levels/reef.xml", levelWith(cells(), "010204"),
         "init.lua: type 04 is used by a level but has no colour info"},
        {"a type without layers", "levels/reef.xml", levelWith(cells(), "010204"),
         "init.lua: type 04 state 13 has no animation layer"},
        {"a special the level places", "levels/reef.xml", levelWith(cells("80809580")),
         "init.lua: type 15 is used by a level but has no colour info"},
        {"a frame list naming a missing frame", "idle.ifl", "idle_0.dds lost.dds",
         "idle.ifl lists the missing frame lost.dds"},
        {"a delete too short to hide the item", "pop.ifl", "#24 idle_0.dds idle_1.dds",
         "layer \"delete\" texture pop.ifl has 2 frames, the board needs 11"},
        {"a script that fails", "init.lua", "setTypeColorInfo(", "init.lua: "},
        {"a game without levels", "game.gam", "<root/>", "game.gam: the game needs 1 to 51 levels, it has 0"},
        {"a broken game file", "game.gam", "<root><level", "game.gam: Failed to load game file"},
        {"too many fish species", "game.gam",
         "<root><level name=\"Reef\" file=\"reef.xml\" field=\"f\" scene=\"s\" fogcolor=\"FF000000\""
         " bgfishes=\"11111111\"/></root>",
         "a fish count needs one digit for each of the 7 species, not \"11111111\""},
        {"a mini-game before no level", "game.gam",
         "<root><level name=\"Reef\" file=\"reef.xml\" field=\"f\" scene=\"s\" fogcolor=\"FF000000\"/>"
         "<minigame level=\"1\" x=\"4\" y=\"4\" fish=\"1\"/></root>",
         "minigame before level 1: the level index names no level"},
        {"a mini-game with an odd grid", "game.gam",
         "<root><level name=\"Reef\" file=\"reef.xml\" field=\"f\" scene=\"s\" fogcolor=\"FF000000\"/>"
         "<minigame level=\"0\" x=\"3\" y=\"3\" fish=\"1\"/></root>",
         "at most 8 by 8 cells with an even number of cells"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::get<0>(c));
        std::map<std::string, std::string> files = goodFolder();
        files[std::get<1>(c)] = std::get<2>(c);
        const std::string strFaults = check(files);
        EXPECT_NE(std::string::npos, strFaults.find(std::get<3>(c))) << strFaults;
    }
}

// The board waits on these layers; a wrong flag hangs it or snaps items
// home early.
TEST_F(DataSetCheckerTest, LayerFlagsTheBoardWaitsOn)
{
    struct Case {
        const char* szGood;
        const char* szBad;
        const char* szFault;
    };
    const Case cases[] = {
        {"'delete', 'pop.ifl', 1, true", "'delete', 'pop.ifl', 65535, false",
         "state 8 layer \"delete\" must be limited to a finite repeat count"},
        {"'delete2', 'idle.ifl', 1, true", "'delete2', 'idle.ifl', 0, true", "\"delete2\" must play at least once"},
        {"'falling', 'idle.ifl', 65535, false", "'falling', 'idle.ifl', 1, true",
         "state 13 layer \"falling\" must be endless, its path ends it"},
        {"'normal', 'idle.ifl', 65535, false, false", "'normal', 'idle.ifl', 65535, false, true",
         "state 1 layer \"normal\" must be endless and not blocking"},
        {"'move', 'idle.ifl'", "'swim', 'idle.ifl'", "state 2 needs a layer named \"move\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szFault);
        std::map<std::string, std::string> files = goodFolder();
        std::string& strScript = files["init.lua"];
        strScript.replace(strScript.find(c.szGood), strlen(c.szGood), c.szBad);
        const std::string strFaults = check(files);
        EXPECT_NE(std::string::npos, strFaults.find(c.szFault)) << strFaults;
    }
}

}  // namespace
