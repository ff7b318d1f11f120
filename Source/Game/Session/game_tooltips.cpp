// Tooltips and hints during level play: the move tutorial when a level
// starts, a tooltip the first time a special item of a kind rests on the
// board, the possible-move hint after a while without a click, and the
// hints that follow good moves and bonus matches. While one shows the
// level clock stands still and the board waits: its evaluations are
// dropped until the tooltip has faded out and asks for one again. Which
// tooltips a player has seen goes into the profile.
#include "Game/Session/game.h"

#include <utility>

#include "Business/profilesstore.h"
#include "Core/vantile_random.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gameevents.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"

namespace {

// Good moves in a row that earn the move hint.
const int GOOD_MOVES_FOR_HINT = 3;

CTooltipManager& Tooltips()
{
    return CTooltipManager::Instance();
}

// Column by column from the left, each from the top: the first cell whose
// item the test accepts is offered its tooltip; nKey < 0 offers nothing.
template <class KeyOf>
void offerCells(const CGameField& field, KeyOf keyOf)
{
    for (int nColumn = 0; nColumn < CGameField::SIZE; ++nColumn) {
        for (int nRow = 0; nRow < CGameField::SIZE; ++nRow) {
            CGameCell* pCell = field.cell(nRow, nColumn);
            const int nKey = pCell && pCell->exists() && pCell->item() ? keyOf(*pCell->item()) : -1;
            if (nKey < 0)
                continue;
            Tooltips().showForType(nKey, pCell);
            if (Tooltips().isShowing())
                return;
        }
    }
}

bool isMoveOf(const CGameField::MoveList& moves, const CTooltipManager::SEntry& entry)
{
    for (const auto& move : moves) {
        const IHintCell* pFirst = move.first;
        const IHintCell* pSecond = move.second;
        if ((pFirst == entry.pFirstCell && pSecond == entry.pSecondCell) ||
            (pFirst == entry.pSecondCell && pSecond == entry.pFirstCell))
            return true;
    }
    return false;
}

}  // namespace

// Entering a level: what the player has seen, then the move tutorial
// for a player who has not.
void CGame::startLevelTooltips()
{
    const CProfile* pProfile = profile();
    if (pProfile && !pProfile->m_strTooltipsData.empty())
        Tooltips().load(pProfile->m_strTooltipsData);
    showMoveTutorial();
}

// The tutorial's example pair sits at a fixed place on the board; where a
// level's fish make no move there, it shows a move the board does have.
void CGame::showMoveTutorial()
{
    Tooltips().showNumbered(CTooltipManager::HINT_MOVE);
    if (!Tooltips().isShowingHint(CTooltipManager::HINT_MOVE) || !isBoardQuiet())
        return;
    CGameField::MoveList moves;
    m_pField->findPossibleMoves(moves);
    if (!moves.empty() && !isMoveOf(moves, *Tooltips().current()))
        Tooltips().pointMoveHint(moves.front().first, moves.front().second);
}

// Once the time is out or the panels slide away nothing new is explained.
bool CGame::isLevelEnding() const
{
    return isTimeOut() || m_Hud.isSlidingOut();
}

bool CGame::isTooltipShowing() const
{
    return Tooltips().isShowing();
}

// Nothing held back, nothing falling or moving, no destructor at work:
// what the board shows now stays.
bool CGame::isBoardQuiet() const
{
    return m_pField->isSettled() && !m_pField->isBusy();
}

// Every frame of level play, before the board moves: a player who has not
// clicked for a while is shown a move, once the board is at rest.
void CGame::offerIdleHint(float fSeconds)
{
    if (isLevelEnding())
        return;
    if (!m_IdleHint.update(fSeconds, isTooltipShowing(), isBoardQuiet()))
        return;
    CGameField::MoveList moves;
    m_pField->findPossibleMoves(moves);
    if (moves.empty())
        return;
    const auto& move = moves[size_t(Vantile::Random()) % moves.size()];
    Tooltips().showHint(move.first, move.second);
}

// Every frame of level play, after the board and the HUD.
void CGame::runLevelTooltips(float fSeconds)
{
    offerTooltips();
    Tooltips().update(fSeconds);
    if (m_bDraw)
        Tooltips().render(m_vMouse);
}

void CGame::offerTooltips()
{
    if (isTooltipShowing() || isLevelEnding())
        return;
    const bool bQuiet = isBoardQuiet();
    if (bQuiet)
        offerCells(*m_pField, [](const CGameItem& item) { return isSpecialType(item.getType()) ? item.getType() : -1; });
    if (isTooltipShowing()) {
        m_Scoring.clearBonusMatch();
        m_Scoring.setGoodMoves(0);
        return;
    }
    if (m_Scoring.isBonusMatch() && Tooltips().pendingMoveHints() == 0 && m_pField->level().m_nPowerups != 0)
        Tooltips().showNumbered(CTooltipManager::HINT_POWERUP);
    // Offering a kind already explained would take the power-up hint away.
    if (bQuiet && !isTooltipShowing())
        offerCells(*m_pField, [](const CGameItem& item) {
            return item.getHits() > 1 ? CTooltipManager::KEY_DOUBLE_ITEM : -1;
        });
    if (m_Scoring.goodMoves() == GOOD_MOVES_FOR_HINT && !isTooltipShowing()) {
        m_Scoring.setGoodMoves(0);
        Tooltips().showMoveHint();
    }
}

// The board's evaluation waits while a tooltip shows; the tooltip asks
// for it again once it has faded out.
bool CGame::dropsEvaluation(const GameEvent& event) const
{
    return event.nCode == eEventEvaluateBoard && m_nState == ePlay && isTooltipShowing();
}

// A left click in level play: outside the tooltip, or on its close
// marker, it closes the tooltip; on its check spot it switches tooltips
// off or on again.
void CGame::tooltipClick()
{
    if (Tooltips().hitTest(m_vMouse))
        Tooltips().close();
}

// After each click in level play the profile holds what the player has
// seen; a change is saved at once, so a closed tooltip stays closed even
// when the program ends in the middle of the level.
void CGame::keepTooltips()
{
    CProfile* pProfile = profile();
    if (!pProfile)
        return;
    const std::string strSeen = Tooltips().save();
    const bool bChanged = strSeen != pProfile->m_strTooltipsData || Tooltips().isEnabled() != pProfile->m_bTooltips;
    pProfile->m_strTooltipsData = strSeen;
    pProfile->m_bTooltips = Tooltips().isEnabled();
    if (bChanged)
        saveProfiles();
}
