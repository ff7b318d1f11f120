// Level play: the player looks at the board, picks a swap and clicks its
// two fish. The level lab's skilled bot rates the swaps: tiles that still
// hide the picture first, then the fish under the trunk.
#include "main/autoplay/autoplayer.h"

#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/Hud/chargebutton.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"
#include "Game/Session/game.h"
#include "Game/Session/sessiondriver.h"
#include "levellab/labbot.h"
#include "main/autoplay/strategies.h"
#include "system/win32.h"

namespace {

const unsigned BOT_SEED = 1;
// Between a move's two clicks and the next look at the board.
const float MOVE_PAUSE = 0.3f;
// The shuffle button's click area, from its top-left corner.
const int SHUFFLE_WIDTH = 125;
const int SHUFFLE_HEIGHT = 36;

}  // namespace

void CAutoPlayer::actOnPlay(CGame& game)
{
    if (isDone()) {
        // Enough levels: back to the main menu, whose quit button ends it.
        pressKey(VK_ESCAPE);
        m_fWait = 2.0f;
        return;
    }
    // A tooltip holds the board and the clock until it is clicked away.
    if (CTooltipManager::Instance().isShowing()) {
        if (closeTooltip())
            m_fIdle = 0.0f;
        return;
    }
    if (playBoardMove(game) || shuffle(game))
        m_fIdle = 0.0f;
}

// A board without a move waits for the shuffle button to fill.
bool CAutoPlayer::shuffle(CGame& game)
{
    const CChargeButton& button = game.hud().shuffleButton();
    if (!button.isClickable())
        return false;
    click(BoardPixel(button.position()).nX + SHUFFLE_WIDTH / 2, BoardPixel(button.position()).nY + SHUFFLE_HEIGHT / 2);
    m_fWait = MOVE_PAUSE;
    return true;
}

// Once a tooltip is fully up the player has read it: a click outside it
// closes it.
bool CAutoPlayer::closeTooltip()
{
    const CTooltipManager& tooltips = CTooltipManager::Instance();
    if (!tooltips.isShowing() || tooltips.current()->fAlpha < 1.0f)
        return false;
    click(CSessionDriver::QUIET_SPOT_X, CSessionDriver::QUIET_SPOT_Y);
    m_fWait = MOVE_PAUSE;
    return true;
}

bool CAutoPlayer::playBoardMove(CGame& game)
{
    CGameField& field = game.field();
    if (!m_pBot)
        m_pBot = std::make_unique<CLabBot>(BOT_SEED, field.level().m_nPowerups != 0);
    SPixel first, second;
    if (!ChooseBoardMove(field, *m_pBot, first, second))
        return false;
    click(first.nX, first.nY);
    click(second.nX, second.nY);
    m_fWait = MOVE_PAUSE;
    return true;
}
