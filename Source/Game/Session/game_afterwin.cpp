// The after-win dialog's part of the session: what it is shown when a
// level is won, and its diagnostic keys.
#include "Game/Session/game.h"

#include "Business/profile.h"
#include "system/win32.h"

namespace {

// What the diagnostic keys show: total, level score, combo and time bonus.
const int TRY_TOTAL = 5000;
const int TRY_LEVEL_SCORE = 5000;
const int TRY_COMBO_BONUS = 50;
const int TRY_TIME_BONUS = 500;

}  // namespace

// The profile's score is still the one before this level's points.
void CGame::showAfterWin(const CProfile& profile)
{
    m_AfterWin.setLevel(m_nLevel);
    m_AfterWin.show(profile.m_nScore, profile.m_nLevelScore, profile.m_nComboBonus, profile.m_nTimeBonus);
}

// Up and Down try the dialog one level higher or lower.
void CGame::afterWinKey(int nKey)
{
    if (nKey != VK_UP && nKey != VK_DOWN)
        return;
    m_AfterWin.setLevel(m_AfterWin.level() + (nKey == VK_UP ? 1 : -1));
    m_AfterWin.show(TRY_TOTAL, TRY_LEVEL_SCORE, TRY_COMBO_BONUS, TRY_TIME_BONUS);
}
