// The game session: the board, the HUD, the menus and the screens between
// levels, run as a state machine whose switches happen at the dark
// midpoint of a screen fade. It takes window input first, drains the game
// event queue once per frame and runs the current screen.
//
// Body by role: game.cpp (construction, the game file, requests),
// game_states.cpp (entering states, music), game_events.cpp (the event
// drain), game_input.cpp (window input and diagnostic keys),
// game_update.cpp (the frame and level play), game_minigame.cpp (the
// memory game before a level), game_map.cpp (the level map). Its parts:
// screenfader.h, bubbles.h, gamemenus.h; the render stages are
// gamestages.h.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Core/vantile_input.h"
#include "Game/Hints/idlehint.h"
#include "Game/Hud/gamegui.h"
#include "Game/Level/gamefile.h"
#include "Game/Rules/playevents.h"
#include "Game/Rules/scoring.h"
#include "Game/Session/bubbles.h"
#include "Game/Session/gamemenus.h"
#include "Game/Session/screenfader.h"
#include "Game/Story/afterwindialog.h"
#include "d3d/d3dx8.h"

class CAquarium;
class CGuiTextPainter;
class CPowerupChooseDialog;
class CComicsScreen;
class CGameField;
class CLoadingScreen;
class CMap;
class CMiniGame;
class IMiniGamePond;
struct CMiniGameInfo;
class CPreSplash;
class CProfile;
class CProfilesStore;
class CSprite;

class CGame : public Vantile::IInputHandler {
public:
    enum State {
        eLogo = 0,
        eLoading = 1,
        eMap = 2,
        ePlay = 3,
        eMainMenu = 4,
        eLevelStart = 5,
        eWon = 6,
        eGameOver = 7,
        eLost = 8,
        eFinalStory = 9,
        eMiniGame = 10,
        eStory = 11,
    };
    // The chooser's first power-up, the stingray: what a level with
    // power-up value 1 gives once the chooser has been shown.
    static constexpr int FIRST_CHOOSER_POWERUP = 3;

    // The store is loaded here; the menus and the HUD's windows may be
    // missing (tests, or screens not built yet). Throws when "game.gam"
    // cannot be read.
    CGame(std::unique_ptr<CProfilesStore> pStore, std::unique_ptr<IGameMenus> pMenus,
          std::unique_ptr<IHudWindows> pHudWindows = nullptr);
    ~CGame() override;

    void loadGame();
    void requestState(int nState, float fFadeSeconds = 1.0f, bool bForce = false);
    // One frame, with the frame time in seconds.
    void update(float fSeconds);
    bool handleInput(const Vantile::InputEvent& evt) override;

    int getState() const { return m_nState; }
    // "main menu" for eMainMenu: for logs and crash reports.
    static const char* stateName(int nState);
    int pendingState() const { return m_nPendingState; }
    bool isTransition() const { return m_bTransition; }
    void setLoadingProgress(int nPercent);
    CScreenFader& fader() { return m_Fader; }
    const D3DXVECTOR3& mouse() const { return m_vMouse; }
    // Called when a state is applied: the map's screen effect stops.
    void setMapEffectStop(std::function<void()> stop) { m_StopMapEffect = std::move(stop); }

    CGameField& field() { return *m_pField; }
    CMiniGame& miniGame() { return *m_pMiniGame; }
    CGameGui& hud() { return m_Hud; }
    CProfilesStore& profiles() { return *m_pStore; }
    CProfile* profile() const;
    const LevelList& levels() const { return m_Levels; }
    int level() const { return m_nLevel; }
    const CScoring& scoring() const { return m_Scoring; }
    const CBubbleEmitter& bubbles() const { return m_Bubbles; }
    const CAfterWinDialog& afterWin() const { return m_AfterWin; }
    // The aquarium behind the board, when the program built one (tests
    // and tools play without it); it shows during level play only.
    void setAquarium(CAquarium* pAquarium);
    // The folder the diagnostic screenshot goes to.
    void setScreenshotFolder(const std::string& strFolder) { m_strScreenshotFolder = strFolder; }
    // The level map's routes, once the data is there (scene set-up).
    void buildMap();
    const CMap* map() const { return m_pMap.get(); }
    // Levels that carry story pages, counted from 0.
    static bool hasStory(int nLevel);
    // The story screen of the story states; none elsewhere.
    CComicsScreen* comics() const { return m_pComics.get(); }
    bool hasPartnerLogo() const { return m_pPreSplash != nullptr; }

private:
    // game.cpp
    void makeScreens();
    int clampedLevel(int nLevel) const;
    const CLevelInfo& currentLevel() const { return m_Levels[m_nLevel]; }
    void showProfileScore();
    void saveProfiles();
    // game_states.cpp
    void applyPendingState();
    void enterState();
    void enterMap();
    void enterPlay();
    void enterMainMenu();
    void enterLevelStart();
    void enterWon();
    void enterMiniGame();
    void chooseMusic();
    void fadeToPlayMusic(float fTarget);
    void passOnFromStory();
    void leaveMap();
    // game_events.cpp
    void drainEvents();
    bool handleFlowEvent(const GameEvent& event);
    bool levelOver();
    void newGame();
    void continueGame();
    // game_input.cpp
    void handleActivate(const Vantile::InputEvent& evt);
    void handleMouse(const Vantile::InputEvent& evt);
    void leftButtonDown();
    void leftButtonUp();
    void handleKey(const Vantile::InputEvent& evt);
    void saveScreenshot() const;
    // game_map.cpp
    void showMap();
    void renderMap(float fSeconds);
    // game_minigame.cpp
    void makeMiniGame();
    void attachMiniGamePond(bool bAquarium);
    void dealMiniGame(const CMiniGameInfo& info);
    void playMiniGame(float fSeconds);
    void flushQueuedSprites();
    void miniGameMouseDown();
    // game_story.cpp
    void makeLogo();
    void runLogo(float fSeconds);
    void showStory(bool bFinal);
    void runStory(float fSeconds);
    void leaveStory();
    void storyClick();
    void storyKey(int nKey);
    // game_chooser.cpp
    void makeChooser();
    void showChooser(int nPowerups);
    void runChooser(float fSeconds);
    void clickChooser();
    void releaseChooser();
    // game_tooltips.cpp: tooltips and hints during level play
    void startLevelTooltips();
    void showMoveTutorial();
    void offerIdleHint(float fSeconds);
    void runLevelTooltips(float fSeconds);
    void offerTooltips();
    bool isBoardQuiet() const;
    bool isLevelEnding() const;
    bool isTooltipShowing() const;
    bool dropsEvaluation(const GameEvent& event) const;
    void tooltipClick();
    void keepTooltips();
    // game_afterwin.cpp
    void showAfterWin(const CProfile& profile);
    void afterWinKey(int nKey);
    // game_update.cpp
    void runState(float fSeconds);
    void playLevel(float fSeconds);
    bool isTimeOut() const { return m_Hud.timer().isOut(); }

    std::unique_ptr<CProfilesStore> m_pStore;
    std::unique_ptr<IGameMenus> m_pMenus;
    bool m_bHudWindows;
    // Screens draw only where there is a device; the rules run anyway.
    bool m_bDraw;
    CScreenFader m_Fader;
    CGameGui m_Hud;
    std::unique_ptr<CLoadingScreen> m_pLoading;
    std::unique_ptr<CMap> m_pMap;
    std::unique_ptr<CGameField> m_pField;
    CAquarium* m_pAquarium = nullptr;
    std::unique_ptr<CMiniGame> m_pMiniGame;
    std::unique_ptr<IMiniGamePond> m_pPond;
    LevelList m_Levels;
    int m_nLevel = 0;
    int m_nState = eLogo;
    int m_nPendingState = eLogo;
    bool m_bTransition = false;
    bool m_bApplyState = false;
    std::vector<std::function<void()>> m_Deferred;
    bool m_bMiniGameHud = true;
    bool m_bMouseDown = false;
    CIdleHint m_IdleHint;
    // The last level won was the game's last: its click leads to the
    // final story.
    bool m_bWonLastLevel = false;
    D3DXVECTOR3 m_vMouse = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    CScoring m_Scoring;
    CPlayEvents m_PlayEvents;
    CBubbleEmitter m_Bubbles;
    std::unique_ptr<CSprite> m_pSplash;
    std::unique_ptr<CComicsScreen> m_pComics;
    std::unique_ptr<CPreSplash> m_pPreSplash;
    std::function<void()> m_StopMapEffect;
    std::string m_strScreenshotFolder;
    CAfterWinDialog m_AfterWin;
    std::unique_ptr<CGuiTextPainter> m_pHintPainter;
    std::unique_ptr<CPowerupChooseDialog> m_pChooser;
};
