// The memory game: the player turns cells over and remembers every picture
// it has seen; a pair it knows is taken at once, otherwise it turns a cell
// it has not seen yet.
#include "main/autoplay/autoplayer.h"

#include <cmath>

#include "Game/MiniGame/minigame.h"
#include "Game/MiniGame/minigamecell.h"
#include "Game/Session/game.h"

namespace {

// Cells turning over or back are not to be clicked.
bool isTurning(const CMiniGame& game)
{
    for (const std::unique_ptr<CMiniGameCell>& pCell : game.cells())
        if (pCell->state() == CMiniGameCell::eOpening || pCell->state() == CMiniGameCell::eClosing)
            return true;
    return game.first() && game.second();
}

}  // namespace

void CAutoPlayer::actOnMiniGame(CGame& game)
{
    // A click on a cell also closes a tooltip; once the game is solved
    // only its tooltip is left to close.
    CMiniGame& miniGame = game.miniGame();
    if (miniGame.isSolved()) {
        closeTooltip();
        return;
    }
    if (isTurning(miniGame))
        return;
    const auto& cells = miniGame.cells();
    if (m_SeenKinds.size() != cells.size())
        m_SeenKinds.assign(cells.size(), -1);
    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i]->state() == CMiniGameCell::eOpen)
            m_SeenKinds[i] = cells[i]->kind().nId;
    const int nCell = chooseMemoryCell(miniGame);
    if (nCell < 0)
        return;
    const D3DXVECTOR3& v = cells[size_t(nCell)]->position();
    click(int(std::lround(v.x + 400.0f)), int(std::lround(300.0f - v.y)));
    m_fIdle = 0.0f;
}

// With one cell open: its partner when seen, else an unseen cell. With
// none: one of a seen pair, else an unseen cell.
int CAutoPlayer::chooseMemoryCell(const CMiniGame& miniGame) const
{
    const auto& cells = miniGame.cells();
    const CMiniGameCell* pOpen = miniGame.first();
    int nUnseen = -1;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i]->state() != CMiniGameCell::eCovered)
            continue;
        if (m_SeenKinds[i] < 0) {
            if (nUnseen < 0)
                nUnseen = int(i);
            continue;
        }
        for (size_t j = 0; j < cells.size(); ++j) {
            if (j == i || m_SeenKinds[j] != m_SeenKinds[i])
                continue;
            const bool bPartnerOpen = pOpen && cells[j].get() == pOpen;
            const bool bPairCovered = !pOpen && cells[j]->state() == CMiniGameCell::eCovered;
            if (bPartnerOpen || bPairCovered)
                return int(i);
        }
    }
    return nUnseen;
}
