// The HUD's frame: the time-out check, the panel slide and the pendulums,
// the gears, the level timer and the two charge bars.
#include "Game/Hud/gamegui.h"

#include <cmath>

#include "Game/Context/gameevents.h"
#include "Game/Hud/hudsprites.h"
#include "Game/Hud/timeoutmessage.h"

void CGameGui::update(float fSeconds)
{
    checkTimeout();
    const bool bMessage = m_pTimeout->isVisible();
    // The game stands while the message shows, but the panels may still
    // slide in.
    const float fPlaySeconds = bMessage ? 0.0f : fSeconds;
    const bool bMoved = slidePanels(fSeconds, fPlaySeconds) || bMessage;
    if (bMoved)
        movePivots(false);
    turnGears(fPlaySeconds);
    m_Timer.charge(fPlaySeconds);
    // The buttons and markers are drawn here, under the frames and lights
    // that render draws over them, once the HUD draws at all.
    const bool bDraw = m_pSprites != nullptr;
    if (m_bActive) {
        m_Shuffle.addCharge(fPlaySeconds / SHUFFLE_FILL_SECONDS);
        m_Shuffle.update();
        if (bDraw)
            m_Shuffle.render();
    }
    m_Powerup.setPosition(D3DXVECTOR3(m_fOffset - 372.0f, -96.0f, 0.0f));
    if (bDraw)
        renderMarkers(fSeconds);
    if (m_bActive && m_bPowerupAvailable) {
        m_Powerup.update();
        if (bDraw)
            m_Powerup.render();
    }
    postWhenOut(bMoved);
}

// Once per level, and never while the time-out is disarmed (the
// mini-game).
void CGameGui::checkTimeout()
{
    if (!m_Timer.isOut() || m_bTimeoutShown || !m_Timer.isTimeoutArmed())
        return;
    m_pTimeout->show(m_Lives.value() <= 0, m_pWindows.get(), &sounds());
    m_bTimeoutShown = true;
}

// The offset is kept as a float: a truncated one would never move at
// frame steps below one unit, and the panels would never get out.
bool CGameGui::slidePanels(float fRealSeconds, float fSeconds)
{
    if (m_bSlideIn && m_fOffset < 0.0f) {
        m_fOffset = std::fmin(0.0f, m_fOffset + fRealSeconds * SLIDE_SPEED);
        return true;
    }
    if (m_bSlideOut && m_fOffset > OUT_OFFSET) {
        m_fOffset = std::fmax(OUT_OFFSET, m_fOffset - fSeconds * SLIDE_SPEED);
        return true;
    }
    return false;
}

// The gears turn while the bank moves time onto the indicator: backwards
// while time runs, forwards while it flows back.
void CGameGui::turnGears(float fSeconds)
{
    if (!m_pSprites || !m_Timer.isMoving())
        return;
    const bool bReverse = m_Timer.bank() >= 0.0f;
    for (CSprite* pGear : {&m_pSprites->gear, &m_pSprites->smallGear}) {
        pGear->setReverse(bReverse);
        pGear->Animate(fSeconds);
    }
}

void CGameGui::postWhenOut(bool bMoved)
{
    if (!m_bSlideOut || bMoved)
        return;
    CGameContext::Instance().postEvent(eEventLevelOver);
    m_bSlideOut = false;
}
