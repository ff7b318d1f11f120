// The level clock: the used fraction of the level's period, a bank of
// seconds still to be charged to it (negative while cleared items give
// time back) and frozen seconds during which the clock stands still. The
// session runs it in play; the HUD charges the bank every frame it updates
// and shows the result.
#pragma once

class CLevelTimer {
public:
    // The HUD's indicator shows this much of its chain with no time used,
    // and all but the last 2 % of the rest when the time is out.
    static constexpr float INDICATOR_START = 0.44f;
    static constexpr float INDICATOR_SPAN = 0.56f;
    static constexpr float INDICATOR_SCALE = 0.98f;

    // A new level: nothing used, nothing banked or frozen, time-out armed.
    void start(float fPeriod);
    // Cleared items wind the clock back, unless time is frozen.
    void giveBack(float fSeconds);
    void addFrozenTime(float fSeconds);
    // The session's part of a frame: frozen time melts first; otherwise
    // the frame goes into the bank, unless time is still being given back.
    void run(float fSeconds);
    // The HUD's part of a frame: the bank flows into the used fraction,
    // time given back five times as fast; it stops at an empty bank.
    void charge(float fSeconds);

    float used() const { return m_fUsed; }
    float bank() const { return m_fBank; }
    float frozen() const { return m_fFrozen; }
    float period() const { return m_fPeriod; }
    bool isOut() const { return m_fUsed >= 1.0f; }
    // The fraction of the indicator's chain, from its bottom, on show.
    float indicatorFraction() const { return INDICATOR_START + INDICATOR_SPAN * (m_fUsed * INDICATOR_SCALE); }
    // Time is being charged or given back: the HUD's gears turn.
    bool isMoving() const { return m_fBank != 0.0f && m_fUsed > 0.0f && m_fUsed < 1.0f; }
    // Whole seconds left on the clock.
    int secondsLeft() const;
    // The mini-game runs the clock without a time-out.
    void setTimeoutArmed(bool bArmed) { m_bTimeoutArmed = bArmed; }
    bool isTimeoutArmed() const { return m_bTimeoutArmed; }

private:
    static constexpr float GIVE_BACK_RATE = 5.0f;

    float m_fPeriod = 120.0f;
    float m_fUsed = 0.0f;
    float m_fBank = 0.0f;
    float m_fFrozen = 0.0f;
    bool m_bTimeoutArmed = true;
};
