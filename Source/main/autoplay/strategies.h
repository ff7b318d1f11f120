// What the headless players know of playing well, shared by the autoplayer
// and the monkey: where a board point is on the window, the bot's swap on
// a resting board, and the memory game played by remembering every picture
// seen.
#pragma once

#include <vector>

#include "d3d/d3dx8.h"

class CGameField;
class CLabBot;
class CMiniGame;

struct SPixel {
    int nX;
    int nY;
};

// Board units are the screen's, centred, y up.
SPixel BoardPixel(const D3DXVECTOR3& v);

// The swap the bot rates best, or else any the board offers; false while
// the board moves or when it has no move.
bool ChooseBoardMove(CGameField& field, CLabBot& bot, SPixel& first, SPixel& second);

// Cells turning over or back are not to be clicked.
bool IsMemoryTurning(const CMiniGame& miniGame);
// Notes the pictures of the open cells in seen (by cell, -1 unseen; sized
// to the game on the first call).
void RememberMemoryCells(const CMiniGame& miniGame, std::vector<int>& seen);
// With one cell open: its partner when seen, else an unseen cell. With
// none: one of a seen pair, else an unseen cell. -1 when none is left.
int ChooseMemoryCell(const CMiniGame& miniGame, const std::vector<int>& seen);
