// The game events the board and its destructors post to the game context,
// and the record that event 11 carries.
#pragma once

#include "Game/Context/gamecontext.h"

enum BoardEventCode {
    eEventEvaluateBoard = 1,
    eEventTrunkOpened = 4,
    eEventItemCleared = 11,
    eEventExtraLife = 12,
    eEventPowerItemCleared = 21,
    eEventPowerupUsed = 22,
    eEventTimeFreeze = 25,
    eEventTrunkHome = 26,
    eEventTrunkTune = 27,
};

// Event 11: what one cleared item is worth to the score.
class CClearedItemPayload : public CGameEventPayload {
public:
    D3DXVECTOR3 m_vPos = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    int m_nCount = 1;
    int m_nValue = 0;
};
