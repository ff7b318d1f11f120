#include "Business/profile.h"

std::string CProfile::CutName(const std::string& strName)
{
    if (strName.size() <= kMaxNameLength)
        return strName;
    // Continuation bytes are 10xxxxxx; cutting before one would split the
    // character it belongs to.
    size_t nLength = kMaxNameLength;
    while (nLength > 0 && (static_cast<unsigned char>(strName[nLength]) & 0xC0) == 0x80)
        --nLength;
    return strName.substr(0, nLength);
}

void CProfile::setName(const std::string& strName)
{
    m_strName = CutName(strName);
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
