// The level's time budget: the used fraction the time indicator shows, a
// bank of seconds still to be charged to it (negative while time given
// back flows out of it), and frozen seconds during which the clock stands.
#pragma once

class CLevelTimer {
public:
    // The indicator shows this much of its chain with no time used, and
    // all but the last 2 % of the rest when the time is out.
    static constexpr float INDICATOR_START = 0.44f;
    static constexpr float INDICATOR_SPAN = 0.56f;
    static constexpr float INDICATOR_SCALE = 0.98f;

    void start(float fPeriod);
    // Level play's clock, while no tooltip shows and the trunk is not
    // home: frozen time runs out first, then time goes into the bank.
    void tick(float fSeconds);
    // Moves the bank onto the used fraction: at once while time runs,
    // five times faster while time flows back.
    void charge(float fSeconds);
    // Time won back; nothing while time is frozen.
    void giveBack(float fSeconds);
    void addFrozen(float fSeconds) { m_fFrozen += fSeconds; }

    float used() const { return m_fUsed; }
    float bank() const { return m_fBank; }
    float frozen() const { return m_fFrozen; }
    float period() const { return m_fPeriod; }
    bool isOut() const { return m_fUsed >= 1.0f; }
    // The fraction of the indicator's chain, from its bottom, on show.
    float indicatorFraction() const;
    // Time is being charged or given back: the gears turn.
    bool isMoving() const { return m_fBank != 0.0f && m_fUsed > 0.0f && m_fUsed < 1.0f; }

private:
    float m_fUsed = 0.0f;
    float m_fBank = 0.0f;
    float m_fFrozen = 0.0f;
    float m_fPeriod = 120.0f;
};
