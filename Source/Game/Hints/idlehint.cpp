#include "Game/Hints/idlehint.h"

bool CIdleHint::update(float fSeconds, bool bTooltipShowing, bool bBoardSettled)
{
    m_fIdle += fSeconds;
    if (m_fIdle <= IDLE_SECONDS || bTooltipShowing || !bBoardSettled)
        return false;
    m_fIdle = 0.0f;
    return true;
}
