// A heads-up display without pictures or windows: it keeps and charges the
// level clock, the score, lives and bars, and slides its (unseen) panels
// at the real panels' speed, so the board driver and the session run a
// whole level with the real timing. A time-out is acknowledged at once,
// as if the player had pressed the message's button.
#pragma once

#include "Game/Rules/gamehud.h"
#include "Game/Rules/leveltimer.h"

class CPlainHud : public IGameHud {
public:
    CLevelTimer& timer() override { return m_Timer; }
    void reset() override;
    void startTimer(float fPeriod) override { m_Timer.start(fPeriod); }
    void setTimeoutArmed(bool bArmed) override { m_Timer.setTimeoutArmed(bArmed); }
    void addFrozenTime(float fSeconds) override { m_Timer.addFrozenTime(fSeconds); }
    void setScore(int nScore) override { m_nScore = nScore; }
    void setLives(int nLives) override { m_nLives = nLives; }
    void setLevelTitle(const std::string&) override {}
    void setActive(bool bActive) override { m_bActive = bActive; }
    void setBoardSettled(bool) override {}
    void setPowerupAvailable(bool bAvailable) override { m_bPowerups = bAvailable; }
    void addPowerupCharge(float fAmount) override;
    void resetPowerup() override { m_fPowerupCharge = 0.0f; }
    void resetShuffle() override { m_fShuffleCharge = 0.0f; }
    void makePowerupMarkers() override {}
    void slideIn() override;
    void slideOut() override;
    bool isLeaving() const override { return m_bSlideOut; }
    void update(float fSeconds) override;
    void render() override {}

    int score() const { return m_nScore; }
    int lives() const { return m_nLives; }
    float powerupCharge() const { return m_fPowerupCharge; }
    float offset() const { return m_fOffset; }
    bool isTimeoutShown() const { return m_bTimeoutShown; }

private:
    static constexpr float SLIDE_SPEED = 150.0f;
    static constexpr float HIDDEN_OFFSET = -150.0f;
    static constexpr float OUT_OFFSET = -200.0f;

    CLevelTimer m_Timer;
    int m_nScore = 0;
    int m_nLives = 0;
    bool m_bActive = true;
    bool m_bPowerups = false;
    float m_fPowerupCharge = 0.0f;
    float m_fShuffleCharge = 0.0f;
    // The panel offset is kept in a float so that short frames still move
    // it; whole units would stand still below one unit per frame.
    float m_fOffset = HIDDEN_OFFSET;
    bool m_bSlideIn = false;
    bool m_bSlideOut = false;
    bool m_bTimeoutShown = false;
};
