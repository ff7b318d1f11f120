#include "Game/Rules/plainhud.h"

#include <algorithm>

#include "Game/Context/gameevents.h"

void CPlainHud::reset()
{
    m_bTimeoutShown = false;
    m_fOffset = HIDDEN_OFFSET;
}

void CPlainHud::addPowerupCharge(float fAmount)
{
    if (!m_bPowerups || m_fPowerupCharge >= 1.0f)
        return;
    m_fPowerupCharge = std::min(1.0f, m_fPowerupCharge + fAmount);
    if (m_fPowerupCharge >= 1.0f)
        CGameContext::Instance().playSound("powerup_ready.ogg");
}

void CPlainHud::slideIn()
{
    m_bSlideIn = true;
    m_bSlideOut = false;
}

void CPlainHud::slideOut()
{
    m_bSlideIn = false;
    m_bSlideOut = true;
}

void CPlainHud::update(float fSeconds)
{
    if (m_Timer.isOut() && m_Timer.isTimeoutArmed() && !m_bTimeoutShown) {
        m_bTimeoutShown = true;
        slideOut();
    }
    if (m_bSlideIn && m_fOffset < 0.0f)
        m_fOffset = std::min(0.0f, m_fOffset + fSeconds * SLIDE_SPEED);
    else if (m_bSlideOut && m_fOffset > OUT_OFFSET)
        m_fOffset -= fSeconds * SLIDE_SPEED;
    m_Timer.charge(fSeconds);
    if (m_bActive)
        m_fShuffleCharge = std::min(1.0f, m_fShuffleCharge + fSeconds / 60.0f);
    if (m_bSlideOut && m_fOffset <= OUT_OFFSET) {
        m_bSlideOut = false;
        CGameContext::Instance().postEvent(eEventLevelOver);
    }
}
