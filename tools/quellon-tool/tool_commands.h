// The subcommands of quellon-tool. A new subcommand is one file,
// tool_NAME.cpp defining ToolRun_NAME, and one line in this list: name,
// number of arguments, argument synopsis, one-line summary. A "_" in a
// name is typed as "-" on the command line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The argument count of a subcommand that checks its own arguments.
const size_t TOOL_ANY_COUNT = static_cast<size_t>(-1);

#define QUELLON_TOOL_COMMANDS(X)                                                          \
    X(pack, 1, "DIR", "write the archive DIR.dat from every file under DIR")              \
    X(list, 1, "DIR", "list the names the game sees for the data folder DIR")             \
    X(cat, 2, "DIR NAME", "write the bytes of NAME, found as the game finds it, to stdout") \
    X(level, 1, "FILE", "print a level file as the game loads it, before the board fills it") \
    X(check_levels, TOOL_ANY_COUNT, "DIR [--lab]", "check every level of the data folder DIR and the item data it uses; --lab also plays them") \
    X(contact_sheet, TOOL_ANY_COUNT, "--out FILE.png [--vision deutan|protan|tritan|grey]", "draw every item layer, animation and some fields into one picture") \
    X(board, TOOL_ANY_COUNT, "LEVEL --seed N [--moves K] [--shot FILE.png [--hud | --chooser | --aquarium]] | LEVEL --window", "let a bot play a seeded board, or play it in a window") \
    X(sprites, 2, "--out FILE.png", "draw the sprite test sheet offscreen: anchors, atlas frames, fading, tint") \
    X(gui, 2, "--out FILE.png", "draw every GUI look in each state offscreen with the game's GUI data") \
    X(loading, TOOL_ANY_COUNT, "[DIR] --shot FILE.png [--percent N]", "draw the loading screen offscreen (40 % unless told)") \
    X(session, TOOL_ANY_COUNT, "--shot FILE.png [--moves K] [--paused | --menu]", "play the game through its session offscreen and draw one frame") \
    X(menus, 2, "--out DIR", "draw every menu window and dialog offscreen as the game shows them, one PNG each") \
    X(level_lab, TOOL_ANY_COUNT, "[--levels A-B] [--seeds N] [--out DIR]", "let a skilled bot play levels at a player's pace; write a table and a plot of the difficulty") \
    X(minigame, TOOL_ANY_COUNT, "--seed S --shot FILE.png [--level N] [--free]", "play up to a memory game offscreen, take a few pairs (or free the fish) and draw one frame") \
    X(story, TOOL_ANY_COUNT, "--page 1..6 --shot FILE.png [--revealed K]", "draw a story page offscreen with all its panels out") \
    X(map, TOOL_ANY_COUNT, "--level N --shot FILE.png [--at SECONDS]", "draw the level map offscreen on the way to level N (from 0), its route half sailed") \
    X(afterwin, TOOL_ANY_COUNT, "--shot FILE.png [--level N]", "win a level through the session offscreen and draw the chest dialog mid-count")

using ToolArgs = std::vector<std::string>;

#define QUELLON_TOOL_DECLARE(name, count, synopsis, summary) int ToolRun_##name(const ToolArgs& args);
QUELLON_TOOL_COMMANDS(QUELLON_TOOL_DECLARE)
#undef QUELLON_TOOL_DECLARE

// Reports a failure as the one line "quellon-tool: FILE: FAULT" on stderr
// and returns the exit status for it.
int ToolFail(const std::string& strFile, const std::string& strFault);
// A data folder path as given, without trailing slashes.
std::string ToolFolderArgument(const std::string& strPath);
