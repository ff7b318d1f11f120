// The autoplayer's move in the memory game: it knows the deal, so it opens
// the twin of the open card, or the first covered card that has a covered
// twin, the fish's pair among them.
#include <cmath>

#include "Game/MiniGame/minigame.h"
#include "Game/Session/game.h"
#include "main/autoplay/autoplayer.h"

namespace {

const CMiniGameCell* coveredTwin(const CMiniGame& game, const CMiniGameCell& cell)
{
    for (const auto& pOther : game.cells())
        if (pOther.get() != &cell && pOther->state() == CMiniGameCell::eCovered &&
            pOther->kind().nId == cell.kind().nId)
            return pOther.get();
    return nullptr;
}

const CMiniGameCell* nextCard(const CMiniGame& game)
{
    if (const CMiniGameCell* pFirst = game.first())
        return game.second() ? nullptr : coveredTwin(game, *pFirst);
    for (const auto& pCell : game.cells())
        if (pCell->state() == CMiniGameCell::eCovered && coveredTwin(game, *pCell))
            return pCell.get();
    return nullptr;
}

}  // namespace

void CAutoPlayer::actOnMiniGame(CGame& game)
{
    const CMiniGameCell* pCard = nextCard(game.miniGame());
    if (!pCard) {
        // All taken: a click ends the game.
        click(400, 300);
        return;
    }
    const D3DXVECTOR3& vAt = pCard->position();
    click(int(std::lround(vAt.x + 400.0f)), int(std::lround(300.0f - vAt.y)));
}
