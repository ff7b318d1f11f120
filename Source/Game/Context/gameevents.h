// Every game event the game's parts post to the game context, and the
// records some of them carry. The session drains them once per frame, in
// posting order; no other file names an event by its number.
#pragma once

#include <functional>

#include "Game/Context/gamecontext.h"

enum GameEventCode {
    // Gameplay.
    eEventEvaluateBoard = 1,    // the board has settled: evaluate it
    eEventTrunkOpened = 4,      // the trunk has opened: the HUD slides out
    eEventItemGameOver = 6,     // an item's game-over look has played; nobody acts on it
    eEventItemCleared = 11,     // CClearedItemPayload: points and time back
    eEventExtraLife = 12,       // a heart fired
    eEventShuffle = 15,         // the HUD's shuffle button
    eEventLevelOver = 20,       // the HUD has slid out: the level (or mini-game) ends
    eEventPowerItemCleared = 21,  // an item of the power kind was cleared: power-up charge
    eEventPowerupUsed = 22,     // a power-up was spent: the bar empties, the selection disarms
    eEventTimeFreeze = 25,      // a snowflake fired: frozen time
    eEventTrunkHome = 26,       // the trunk reached the bottom: the level timer stops
    eEventTrunkTune = 27,       // the trunk effect's fanfare
    // Screen flow.
    eEventNewGame = 9,
    eEventContinueGame = 10,
    eEventMainMenu = 13,
    eEventShowMap = 16,
    eEventChooserDone = 17,     // the power-up chooser's OK: play (in the mini-game: it ends)
    eEventMiniGameOver = 18,    // the mini-game is over (outside it: level start)
    eEventLeaveMap = 19,        // on from the map: the mini-game, or the level
    eEventDeferredCall = 23,    // CDeferredCallPayload, run at the next dark midpoint of a fade
    eEventLogoDone = 24,        // the partner logo is over: loading
};

// Event 11: what one cleared item (or a mini-game cell) is worth.
class CClearedItemPayload : public CGameEventPayload {
public:
    D3DXVECTOR3 m_vPos = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    int m_nCount = 1;
    int m_nValue = 0;
};

// Event 23: a call the session makes while the screen is dark.
class CDeferredCallPayload : public CGameEventPayload {
public:
    explicit CDeferredCallPayload(std::function<void()> call) : m_Call(std::move(call)) {}
    std::function<void()> m_Call;
};

// The helpers that post the events with records.
void PostItemCleared(int nCount, const D3DXVECTOR3& vPos = D3DXVECTOR3(0.0f, 0.0f, 0.0f));
void PostDeferredCall(std::function<void()> call);
