// One player's record as "profiles.xml" keeps it, plus the counters of the
// level being played, which live only in memory.
#pragma once

#include <string>

class CProfile {
public:
    // The record holds 63 bytes of name; longer names from a hand-edited
    // file are cut rather than refused so the player's progress survives.
    static const size_t kMaxNameLength = 63;

    // The name as the record holds it: at most kMaxNameLength bytes, cut
    // before a UTF-8 character that would not fit whole.
    static std::string CutName(const std::string& strName);

    const std::string& getName() const { return m_strName; }
    void setName(const std::string& strName);

    // The values of a new game: score 0, no level done, 3 lives.
    void reset();

    int m_nScore = 0;
    int m_nLevel = 0;
    int m_nLives = 0;
    bool m_bInLevel = false;
    int m_nDifficulty = 0;
    bool m_bTooltips = true;
    bool m_bPowerUpShown = false;
    std::string m_strTooltipsData;

    int m_nLevelScore = 0;
    int m_nComboBonus = 0;
    int m_nTimeBonus = 0;

private:
    std::string m_strName;
};
