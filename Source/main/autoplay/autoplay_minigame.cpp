// The memory game: the player turns cells over and remembers every picture
// it has seen; a pair it knows is taken at once, otherwise it turns a cell
// it has not seen yet (strategies.h).
#include "main/autoplay/autoplayer.h"

#include "Game/MiniGame/minigame.h"
#include "Game/MiniGame/minigamecell.h"
#include "Game/Session/game.h"
#include "main/autoplay/strategies.h"

void CAutoPlayer::actOnMiniGame(CGame& game)
{
    // A click on a cell also closes a tooltip; once the game is solved
    // only its tooltip is left to close.
    CMiniGame& miniGame = game.miniGame();
    if (miniGame.isSolved()) {
        closeTooltip();
        return;
    }
    if (IsMemoryTurning(miniGame))
        return;
    RememberMemoryCells(miniGame, m_SeenKinds);
    const int nCell = ChooseMemoryCell(miniGame, m_SeenKinds);
    if (nCell < 0)
        return;
    const SPixel pixel = BoardPixel(miniGame.cells()[size_t(nCell)]->position());
    click(pixel.nX, pixel.nY);
    m_fIdle = 0.0f;
}
