// The rules that turn board activity into points, combos, lives and the
// end of a level. They hold the combo counter and what the last
// evaluations were; the profile holds lives and the three counters of the
// level being played, the level timer the time. The session applies what
// the rules decide to the board, the HUD and the sound.
#pragma once

#include <string>

class CLevelTimer;
class CProfile;

class CScoring {
public:
    static constexpr int MAX_COMBO = 7;
    static constexpr int MAX_LIVES = 9;
    static constexpr int POINTS_PER_ITEM = 10;
    static constexpr int BONUS_MATCH_POINTS = 100;
    static constexpr int POINTS_PER_SECOND_LEFT = 10;
    // The combo count that makes the next cleared group leave a snowflake.
    static constexpr int TIME_FREEZE_COMBO = 4;

    // What one evaluation of the board means.
    struct Evaluation {
        int nCombo = 0;
        std::string strSound;        // "combo1.ogg" .. "combo7.ogg", or empty
        bool bArmTimeFreeze = false;   // the next cleared group makes a snowflake
        bool bDisarmTimeFreeze = false;  // the chain broke: no snowflake
    };
    Evaluation evaluated(bool bFound, bool bBigCombo);

    // Event 11: n items (or mini-game cells) cleared. True when it was a
    // bonus match, which also feeds the aquarium fish. The event gives
    // time back once, whatever n is, unless n is 0.
    bool itemsCleared(int nCount, CProfile& profile) const;
    // Event 12: one more life, up to nine.
    static void extraLife(CProfile& profile);

    enum LevelEnd { eBackToLevelStart, eRetry, eGameOver, eWon, eWonLastLevel };
    // Event 20. A time-out uses a life and forgets the level's counters;
    // a win keeps them for the level-won screen. The profile's last level
    // is set once the points are banked (bankLevel).
    static LevelEnd levelOver(bool bMiniGame, const CLevelTimer& timer, CProfile& profile, int nLevel,
                              int nLevelCount);
    // Entering the won screen: every whole second left is worth points,
    // then the level's three counters go into the score.
    static void addTimeBonus(const CLevelTimer& timer, CProfile& profile);
    static void bankLevel(CProfile& profile);

    int combo() const { return m_nCombo; }
    // The player released the button over the board: the evaluation about
    // to run follows the player's own move.
    void setPlayerMoved() { m_bPlayerMoved = true; }
    bool isBonusMatch() const { return m_bBonusMatch; }
    void clearBonusMatch() { m_bBonusMatch = false; }
    int goodMoves() const { return m_nGoodMoves; }
    void setGoodMoves(int nMoves) { m_nGoodMoves = nMoves; }
    // The trunk is home: the level clock stops until the next level.
    bool isTimerStopped() const { return m_bTimerStopped; }
    void setTimerStopped(bool bStopped) { m_bTimerStopped = bStopped; }

private:
    int m_nCombo = 0;
    bool m_bPlayerMoved = false;
    bool m_bBonusMatch = false;
    int m_nGoodMoves = 0;
    bool m_bTimerStopped = false;
};
