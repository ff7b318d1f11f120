// Level play: the player looks at the board, picks a swap and clicks its
// two fish. It prefers swaps whose runs clear tiles that still hide the
// picture and fish under the trunk, the lower on the board the better, as
// those bring the level to its end.
#include "main/autoplay/autoplayer.h"

#include <cmath>
#include <utility>

#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/Hud/chargebutton.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"
#include "Game/Session/game.h"
#include "system/win32.h"

namespace {

// Between a move's two clicks and the next look at the board.
const float MOVE_PAUSE = 0.3f;
// The shuffle button's click area, from its top-left corner.
const int SHUFFLE_WIDTH = 125;
const int SHUFFLE_HEIGHT = 36;

// The pixel of a board point: board units are the screen's, centred, y up.
int pixelX(const D3DXVECTOR3& v)
{
    return int(std::lround(v.x + 400.0f));
}

int pixelY(const D3DXVECTOR3& v)
{
    return int(std::lround(300.0f - v.y));
}

// What the player sees of the board: the kind of fish in each cell (0
// where there is none or no cell), the tiles still to clear, the trunk.
struct SBoardView {
    int kinds[CGameField::SIZE][CGameField::SIZE] = {};
    bool uncleared[CGameField::SIZE][CGameField::SIZE] = {};
    int nTrunkRow = -1;
    int nTrunkColumn = -1;

    explicit SBoardView(CGameField& field)
    {
        for (int nRow = 0; nRow < CGameField::SIZE; ++nRow)
            for (int nColumn = 0; nColumn < CGameField::SIZE; ++nColumn) {
                const CGameCell* pCell = field.cell(nRow, nColumn);
                if (!pCell->exists())
                    continue;
                uncleared[nRow][nColumn] = !pCell->isCleared();
                const int nKind = pCell->item() ? pCell->item()->getType() : 0;
                if (nKind == eTrunk) {
                    nTrunkRow = nRow;
                    nTrunkColumn = nColumn;
                } else {
                    kinds[nRow][nColumn] = nKind;
                }
            }
    }

    // Cells of the run of three or more through (row, column), along one
    // axis; their worth is added up.
    int runValue(int nRow, int nColumn, int dRow, int dColumn) const
    {
        const int nKind = kinds[nRow][nColumn];
        if (nKind == 0)
            return 0;
        int nFirst = 0, nLast = 0;
        while (inside(nRow - (nFirst + 1) * dRow, nColumn - (nFirst + 1) * dColumn) &&
               kinds[nRow - (nFirst + 1) * dRow][nColumn - (nFirst + 1) * dColumn] == nKind)
            ++nFirst;
        while (inside(nRow + (nLast + 1) * dRow, nColumn + (nLast + 1) * dColumn) &&
               kinds[nRow + (nLast + 1) * dRow][nColumn + (nLast + 1) * dColumn] == nKind)
            ++nLast;
        if (nFirst + nLast + 1 < 3)
            return 0;
        int nValue = 0;
        for (int i = -nFirst; i <= nLast; ++i)
            nValue += worth(nRow + i * dRow, nColumn + i * dColumn);
        return nValue;
    }

    // Every cell cleared is worth a little, lower ones more (they stir the
    // board above them), a tile still to clear much more, a fish under the
    // trunk most.
    int worth(int nRow, int nColumn) const
    {
        int nValue = 1 + nRow;
        if (uncleared[nRow][nColumn])
            nValue += 20;
        if (nColumn == nTrunkColumn && nRow > nTrunkRow)
            nValue += 40;
        return nValue;
    }

    // The worth of the runs a swap makes.
    int swapValue(const CGameCell* pFirst, const CGameCell* pSecond)
    {
        const int r1 = pFirst->row(), c1 = pFirst->column(), r2 = pSecond->row(), c2 = pSecond->column();
        std::swap(kinds[r1][c1], kinds[r2][c2]);
        const int nValue = runValue(r1, c1, 1, 0) + runValue(r1, c1, 0, 1) + runValue(r2, c2, 1, 0) +
                           runValue(r2, c2, 0, 1);
        std::swap(kinds[r1][c1], kinds[r2][c2]);
        return nValue;
    }

    static bool inside(int nRow, int nColumn)
    {
        return nRow >= 0 && nRow < CGameField::SIZE && nColumn >= 0 && nColumn < CGameField::SIZE;
    }
};

}  // namespace

void CAutoPlayer::actOnPlay(CGame& game)
{
    if (isDone()) {
        // Enough levels: back to the main menu, whose quit button ends it.
        pressKey(VK_ESCAPE);
        m_fWait = 2.0f;
        return;
    }
    if (closeTooltip() || playBoardMove(game) || shuffle(game))
        m_fIdle = 0.0f;
}

// A board without a move waits for the shuffle button to fill.
bool CAutoPlayer::shuffle(CGame& game)
{
    const CChargeButton& button = game.hud().shuffleButton();
    if (!button.isClickable())
        return false;
    click(pixelX(button.position()) + SHUFFLE_WIDTH / 2, pixelY(button.position()) + SHUFFLE_HEIGHT / 2);
    m_fWait = MOVE_PAUSE;
    return true;
}

// A tooltip takes the first click; one outside it closes it. Each one is
// clicked away once: a tooltip that stays does not stop the play.
bool CAutoPlayer::closeTooltip()
{
    const CTooltipManager::SEntry* pTip = CTooltipManager::Instance().current();
    if (!CTooltipManager::Instance().isShowing() || !pTip || pTip == m_pClosedTip)
        return false;
    m_pClosedTip = pTip;
    click(pTip->vPosition.x > 0.0f ? 20 : 780, 20);
    m_fWait = MOVE_PAUSE;
    return true;
}

bool CAutoPlayer::playBoardMove(CGame& game)
{
    CGameField& field = game.field();
    if (!field.isSettled() || field.isBusy())
        return false;
    CGameField::MoveList moves;
    field.findPossibleMoves(moves);
    if (moves.empty())
        return false;
    SBoardView view(field);
    int nBest = -1;
    size_t nChoice = 0;
    for (size_t i = 0; i < moves.size(); ++i) {
        // A little chance among equals keeps the game from repeating.
        m_nRandom = m_nRandom * 1103515245u + 12345u;
        const int nValue = 4 * view.swapValue(moves[i].first, moves[i].second) + int((m_nRandom >> 16) % 4);
        if (nValue > nBest) {
            nBest = nValue;
            nChoice = i;
        }
    }
    const D3DXVECTOR3& vFirst = moves[nChoice].first->position();
    const D3DXVECTOR3& vSecond = moves[nChoice].second->position();
    click(pixelX(vFirst), pixelY(vFirst));
    click(pixelX(vSecond), pixelY(vSecond));
    m_fWait = MOVE_PAUSE;
    return true;
}
