// The heads-up display around the board during level play and the
// mini-game: a left panel with the menu button, the shuffle button and the
// power-up button hanging from a pendulum, and a right panel with the
// level plate, the score, the time scale with its level-time chain and the
// lives heart, and two gears. The panels slide in from the screen edges
// when play starts and out when it ends; when they are out the HUD posts
// the end-of-level event. The HUD also keeps the level timer and the two
// charge bars, and owns the time-out message.
//
// Body by role: gamegui.cpp (state the game object sets),
// gamegui_update.cpp (the panel slide, the timer, the bars),
// gamegui_render.cpp (drawing), gamegui_buttons.cpp (clicks and the hover
// hints). Its parts: rollingcounter.h, chain.h, Rules/leveltimer.h,
// chargebutton.h, timeoutmessage.h, hudwindows.h; the loading screen is
// loadingscreen.h.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "Game/Hints/hintmanager.h"
#include "Game/Hud/chain.h"
#include "Game/Hud/chargebutton.h"
#include "Game/Hud/hudwindows.h"
#include "Game/Rules/leveltimer.h"
#include "Game/Hud/rollingcounter.h"
#include "d3d/d3dx8.h"

class CHudSprites;
class CPowerupMarkers;
class CTimeoutMessage;
class IBoardSounds;

class CGameGui : private IHudWindowsListener {
public:
    // The panels' offset from their places: out at creation and after
    // reset, in at 0, and slid out once at or below OUT.
    static constexpr float RESET_OFFSET = -150.0f;
    static constexpr float OUT_OFFSET = -200.0f;
    // Screen units a second the panels slide.
    static constexpr float SLIDE_SPEED = 150.0f;
    // Seconds of play that fill the shuffle bar.
    static constexpr float SHUFFLE_FILL_SECONDS = 60.0f;

    // Without windows the HUD draws and keeps time but takes no clicks.
    explicit CGameGui(std::unique_ptr<IHudWindows> pWindows = nullptr);
    ~CGameGui();

    // A new level: the time-out message may show again, panels out.
    void reset();
    void setScore(int nValue);
    void setLives(int nValue);
    void setLevelTitle(const std::string& strTitle);
    const std::string& levelTitle() const { return m_strLevelTitle; }

    // Level timer.
    void startTimer(float fPeriod);
    void setTimeoutArmed(bool bArmed) { m_Timer.setTimeoutArmed(bArmed); }
    // The game object's clock, in frames of level play in which no tooltip
    // shows and the trunk is not home, and in every mini-game frame.
    void tickTimer(float fSeconds) { m_Timer.run(fSeconds); }
    void giveTimeBack(float fSeconds) { m_Timer.giveBack(fSeconds); }
    void addFrozenTime(float fSeconds);
    const CLevelTimer& timer() const { return m_Timer; }
    bool isTimeOut() const { return m_Timer.isOut(); }

    // Play state.
    void setActive(bool bActive);
    bool isActive() const { return m_bActive; }
    void setPowerupAvailable(bool bAvailable);
    bool isPowerupAvailable() const { return m_bPowerupAvailable; }
    // The shuffle button may be pressed only on a settled board.
    void setBoardSettled(bool bSettled) { m_Shuffle.setEnabled(bSettled); }

    // Charge bars.
    void resetShuffle() { m_Shuffle.resetCharge(); }
    void resetPowerup() { m_Powerup.resetCharge(); }
    bool isPowerupFull() const { return m_Powerup.isFull(); }
    void addPowerupCharge(float fAmount);
    const CChargeButton& shuffleButton() const { return m_Shuffle; }
    const CChargeButton& powerupButton() const { return m_Powerup; }
    // The markers of the chosen power-up (the game context's index).
    void makePowerupMarkers();

    // Panels.
    void slideIn();
    void slideOut();
    float panelOffset() const { return m_fOffset; }
    bool isSlidingOut() const { return m_bSlideOut; }
    const CChain& leftChain() const { return m_LeftChain; }
    const CChain& rightChain() const { return m_RightChain; }

    // Every frame of level play, update then render.
    void update(float fSeconds);
    void render(float fSeconds);

    // The blinking "click to continue" line of the map screen: 1.5 blinks
    // a second with the game's running time; nothing without the font.
    static void drawContinuePrompt(double dTotalSeconds);

    bool isTimeoutVisible() const;
    // The locale text of the time-out message shown last.
    int timeoutTextId() const;

    // Sounds go to the game context unless someone else listens.
    void setSounds(IBoardSounds* pSounds) { m_pSounds = pSounds; }

    // The button handlers, as the windows call them.
    void onMenuClicked() override;
    void onShuffleClicked();
    void onPowerupClicked();
    void onTimeoutOk() override;

private:
    // gamegui.cpp
    IBoardSounds& sounds() const;
    void playSound(const std::string& strName) const;
    void movePivots(bool bResetLeft);
    // gamegui_update.cpp
    void checkTimeout();
    bool slidePanels(float fRealSeconds, float fSeconds);
    void turnGears(float fSeconds);
    void postWhenOut(bool bMoved);
    // gamegui_render.cpp
    void renderLeftPanel(float fSeconds);
    void renderRightPanel(float fSeconds);
    void renderTimeScale(float fSeconds);
    void renderScore(float fSeconds);
    void renderPowerup(float fSeconds);
    void renderMarkers(float fSeconds);
    // gamegui_buttons.cpp
    void registerHints();
    void enableHints();

    std::unique_ptr<IHudWindows> m_pWindows;
    // Made on the first draw, so a HUD that never draws never touches a
    // device.
    std::unique_ptr<CHudSprites> m_pSprites;
    std::unique_ptr<CPowerupMarkers> m_pMarkers;
    // The power-up the markers are to show; none outside 0 to 4.
    int m_nMarkersFor = -1;
    std::unique_ptr<CTimeoutMessage> m_pTimeout;
    CRollingCounter m_Score;
    CRollingCounter m_Lives;
    std::string m_strLevelTitle;
    bool m_bSlideIn = false;
    bool m_bSlideOut = false;
    // Kept in a float so that small frame steps still move the panels at
    // any frame rate; drawing takes it as it is.
    float m_fOffset = RESET_OFFSET;
    CChain m_LeftChain;
    CChain m_RightChain;
    CLevelTimer m_Timer;
    CChargeButton m_Shuffle;
    CChargeButton m_Powerup;
    bool m_bTimeoutShown = false;
    bool m_bActive = true;
    bool m_bPowerupAvailable = false;
    // The hover hints of the lives, shuffle and power-up (the hint
    // manager owns them).
    CHintManager::CItem* m_pLivesHint = nullptr;
    CHintManager::CItem* m_pShuffleHint = nullptr;
    CHintManager::CItem* m_pPowerupHint = nullptr;
    CHintManager::CItem* m_pTimeHint = nullptr;
    CHintManager::CItem* m_pScoreHint = nullptr;
    IBoardSounds* m_pSounds = nullptr;
};
