// What the game session and the play rules ask of the heads-up display
// that frames the board: the level clock it shows and charges, the score
// and lives, the two charge bars, and the panels that slide in when a
// level starts and out when it ends (posting the level-over event once
// they are out).
#pragma once

#include <string>

class CLevelTimer;

class IGameHud {
public:
    virtual ~IGameHud() = default;

    virtual CLevelTimer& timer() = 0;
    // A new level: panels out of sight, the time-out message allowed again.
    virtual void reset() = 0;
    virtual void startTimer(float fPeriod) = 0;
    virtual void setTimeoutArmed(bool bArmed) = 0;
    virtual void addFrozenTime(float fSeconds) = 0;
    virtual void setScore(int nScore) = 0;
    virtual void setLives(int nLives) = 0;
    virtual void setLevelTitle(const std::string& strTitle) = 0;
    virtual void setActive(bool bActive) = 0;
    virtual void setBoardSettled(bool bSettled) = 0;
    virtual void setPowerupAvailable(bool bAvailable) = 0;
    virtual void addPowerupCharge(float fAmount) = 0;
    virtual void resetPowerup() = 0;
    virtual void resetShuffle() = 0;
    virtual void makePowerupMarkers() = 0;
    virtual void slideIn() = 0;
    virtual void slideOut() = 0;
    // Sliding out or showing the time-out message: the level is ending.
    virtual bool isLeaving() const = 0;
    // Every frame of level play and of the mini-game.
    virtual void update(float fSeconds) = 0;
    virtual void render() = 0;
};
