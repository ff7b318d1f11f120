// The gameplay events of a level, handled by the scoring rules: board
// evaluations, cleared items, hearts, snowflakes, the power-up bar, the
// shuffle button and the trunk. The game session and the board driver
// both drain their queues through it.
#pragma once

#include "Game/Context/gamecontext.h"
#include "Game/Rules/scoring.h"

class CGameField;
class CProfile;
class IBoardSounds;
class CGameGui;

class CPlayEvents {
public:
    enum Result {
        eHandled,
        eNotPlay,    // a screen-flow event: the session's business
        eStopDrain,  // an evaluation outside level play: dropped, and the drain ends for this frame
    };

    // Sounds go to the game context unless pSounds listens.
    CPlayEvents(CGameField& field, CGameGui& hud, CScoring& scoring, IBoardSounds* pSounds = nullptr);

    // fBonusSeconds: the time each cleared item gives back.
    Result handle(const GameEvent& event, CProfile& profile, bool bLevelPlay, float fBonusSeconds);

    static constexpr float POWER_ITEM_CHARGE = 0.1f;
    static constexpr float SNOWFLAKE_SECONDS = 20.0f;

private:
    void evaluate();
    void itemCleared(const GameEvent& event, CProfile& profile, float fBonusSeconds);
    void showScore(const CProfile& profile);
    void playSound(const char* szName, float fVolume = 1.0f);

    CGameField& m_Field;
    CGameGui& m_Hud;
    CScoring& m_Scoring;
    IBoardSounds* m_pSounds;
};
