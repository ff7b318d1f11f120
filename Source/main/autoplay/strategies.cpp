#include "main/autoplay/strategies.h"

#include <cmath>
#include <memory>

#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/MiniGame/minigame.h"
#include "Game/MiniGame/minigamecell.h"
#include "levellab/labbot.h"

SPixel BoardPixel(const D3DXVECTOR3& v)
{
    return {int(std::lround(v.x + 400.0f)), int(std::lround(300.0f - v.y))};
}

bool ChooseBoardMove(CGameField& field, CLabBot& bot, SPixel& first, SPixel& second)
{
    if (!field.isSettled() || field.isBusy())
        return false;
    bot.read(field);
    CLabBot::Action action = bot.bestSwap(field);
    if (!action.isValid()) {
        // Nothing the bot rates: any move the board offers.
        CGameField::MoveList moves;
        field.findPossibleMoves(moves);
        if (moves.empty())
            return false;
        action.pFirst = moves.front().first;
        action.pSecond = moves.front().second;
    }
    first = BoardPixel(action.pFirst->position());
    second = BoardPixel(action.pSecond->position());
    return true;
}

bool IsMemoryTurning(const CMiniGame& miniGame)
{
    for (const std::unique_ptr<CMiniGameCell>& pCell : miniGame.cells())
        if (pCell->state() == CMiniGameCell::eOpening || pCell->state() == CMiniGameCell::eClosing)
            return true;
    return miniGame.first() && miniGame.second();
}

void RememberMemoryCells(const CMiniGame& miniGame, std::vector<int>& seen)
{
    const auto& cells = miniGame.cells();
    if (seen.size() != cells.size())
        seen.assign(cells.size(), -1);
    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i]->state() == CMiniGameCell::eOpen)
            seen[i] = cells[i]->kind().nId;
}

int ChooseMemoryCell(const CMiniGame& miniGame, const std::vector<int>& seen)
{
    const auto& cells = miniGame.cells();
    if (seen.size() != cells.size())
        return -1;
    const CMiniGameCell* pOpen = miniGame.first();
    int nUnseen = -1;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i]->state() != CMiniGameCell::eCovered)
            continue;
        if (seen[i] < 0) {
            if (nUnseen < 0)
                nUnseen = int(i);
            continue;
        }
        for (size_t j = 0; j < cells.size(); ++j) {
            if (j == i || seen[j] != seen[i])
                continue;
            const bool bPartnerOpen = pOpen && cells[j].get() == pOpen;
            const bool bPairCovered = !pOpen && cells[j]->state() == CMiniGameCell::eCovered;
            if (bPartnerOpen || bPairCovered)
                return int(i);
        }
    }
    return nUnseen;
}
