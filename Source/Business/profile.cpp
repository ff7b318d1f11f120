#include "Business/profile.h"

void CProfile::setName(const std::string& strName)
{
    m_strName = strName.substr(0, kMaxNameLength);
}

void CProfile::reset()
{
    m_nScore = 0;
    m_nLevel = -1;
    m_nLives = 3;
    m_bInLevel = false;
    m_bPowerUpShown = false;
    m_bTooltips = true;
    m_nLevelScore = 0;
    m_nComboBonus = 0;
    m_nTimeBonus = 0;
}
