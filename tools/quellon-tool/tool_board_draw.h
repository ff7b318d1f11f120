// The drawn halves of `quellon-tool board`: the settled board of a bot game
// drawn offscreen with the game's art, and a window in which a person
// plays a level with the mouse.
#pragma once

#include <array>
#include <string>

#include "Game/Level/level.h"

class CGameField;

// What a settled board shows: every cell's item, lives and background.
struct SBoardLayout {
    CLevel::Cells cells;
    std::array<bool, CLevel::CELL_COUNT> cleared{};
};

SBoardLayout CaptureLayout(const CGameField& field);

// Builds the layout on a board of its own, lets it come to rest and
// writes one 800 x 600 frame as a PNG. With a level name the HUD of that
// level frames the board. Returns the tool's exit status.
int DrawBoardShot(const SBoardLayout& layout, const std::string& strPicture, const std::string& strOut,
                  const std::string& strHudLevel = std::string());

// The same with the level's aquarium behind the board: the bot plays a few
// moves on the drawing board so that fish swim and food falls.
int DrawAquariumShot(const SBoardLayout& layout, const std::string& strLevel, unsigned nSeed, const std::string& strOut);

// Plays strLevel in a window until Esc or the window is closed. Runs
// "init.lua" itself, after the art is ready to be drawn.
int PlayBoardWindow(const std::string& strLevel, const std::string& strBytes, unsigned nSeed);
