#include "Game/Rules/scoring.h"

#include <algorithm>

#include "Business/profile.h"
#include "Game/Rules/leveltimer.h"

CScoring::Evaluation CScoring::evaluated(bool bFound, bool bBigCombo)
{
    Evaluation result;
    if (bFound) {
        m_nCombo = std::min(MAX_COMBO, m_nCombo + (bBigCombo ? 2 : 1));
    } else {
        m_nCombo = 0;
        result.bDisarmTimeFreeze = true;
    }
    result.nCombo = m_nCombo;
    if (m_nCombo > 0)
        result.strSound = "combo" + std::to_string(m_nCombo) + ".ogg";
    // Exactly four: a chain that jumps from three to five makes none.
    result.bArmTimeFreeze = m_nCombo == TIME_FREEZE_COMBO;
    if (m_bPlayerMoved && bFound)
        ++m_nGoodMoves;
    m_bBonusMatch = (bFound && !m_bPlayerMoved) || bBigCombo;
    m_bPlayerMoved = false;
    return result;
}

bool CScoring::itemsCleared(int nCount, CProfile& profile) const
{
    if (nCount == 0)
        return false;
    profile.m_nLevelScore += nCount * POINTS_PER_ITEM;
    if (m_bBonusMatch)
        profile.m_nComboBonus += BONUS_MATCH_POINTS;
    return m_bBonusMatch;
}

void CScoring::extraLife(CProfile& profile)
{
    profile.m_nLives = std::min(MAX_LIVES, profile.m_nLives + 1);
}

CScoring::LevelEnd CScoring::levelOver(bool bMiniGame, const CLevelTimer& timer, CProfile& profile, int nLevel,
                                       int nLevelCount)
{
    if (bMiniGame)
        return eBackToLevelStart;
    if (timer.isOut()) {
        profile.m_bInLevel = false;
        const bool bLifeLeft = profile.m_nLives >= 1;
        if (bLifeLeft)
            --profile.m_nLives;
        profile.m_nLevelScore = profile.m_nComboBonus = profile.m_nTimeBonus = 0;
        return bLifeLeft ? eRetry : eGameOver;
    }
    return nLevel + 1 < nLevelCount ? eWon : eWonLastLevel;
}

void CScoring::addTimeBonus(const CLevelTimer& timer, CProfile& profile)
{
    const int nSecondsLeft = static_cast<int>((1.0f - timer.used()) * timer.period());
    profile.m_nTimeBonus += nSecondsLeft * POINTS_PER_SECOND_LEFT;
}

void CScoring::bankLevel(CProfile& profile)
{
    profile.m_nScore += profile.m_nTimeBonus + profile.m_nLevelScore + profile.m_nComboBonus;
    profile.m_nLevelScore = profile.m_nComboBonus = profile.m_nTimeBonus = 0;
}
