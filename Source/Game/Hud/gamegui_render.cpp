// Drawing the HUD: the left panel with its pendulum, the right panel with
// the level plate, the time scale, the score and the gears, the power-up
// markers and the time-out message.
#include "Game/Hud/gamegui.h"

#include <cmath>

#include "Business/xmllocale.h"
#include "Game/Context/gamecontext.h"
#include "Game/Hints/textpainter.h"
#include "Game/Hud/hudsprites.h"
#include "Game/Hud/timeoutmessage.h"

namespace {

D3DXVECTOR3 Shift(float fOffset)
{
    return D3DXVECTOR3(fOffset, 0.0f, 0.0f);
}

// Frozen time runs the overlay forwards to its last image and holds it;
// afterwards it plays back to its start and goes.
void RenderFrozenOverlay(CSprite& overlay, const D3DXVECTOR3& vPos, bool bFrozen, float fSeconds)
{
    if (bFrozen) {
        overlay.setReverse(false);
        if (!overlay.Animate(fSeconds))
            overlay.setTime(overlay.getLength() - 0.01f);
        overlay.placeAt(vPos);
        return;
    }
    if (overlay.getTime() <= 0.0f)
        return;
    overlay.setReverse(true);
    if (overlay.Animate(fSeconds) && overlay.getTime() > 0.0f)
        overlay.placeAt(vPos);
    else
        overlay.setTime(0.0f);
}

}  // namespace

void CGameGui::render(float fSeconds)
{
    if (!m_pSprites)
        m_pSprites.reset(new CHudSprites);
    renderLeftPanel(fSeconds);
    renderRightPanel(fSeconds);
    renderTimeScale(fSeconds);
    renderScore(fSeconds);
    renderPowerup(fSeconds);
    m_pTimeout->render();
}

void CGameGui::renderLeftPanel(float fSeconds)
{
    CHudSprites& s = *m_pSprites;
    if (m_pWindows)
        m_pWindows->setMenuButtonPixel(m_fOffset + 14.0f, 20.0f);
    s.menuFace.Animate(fSeconds);
    s.menuFace.placeAt(CHudSprites::MENU_FACE.vBase + Shift(m_fOffset));
    s.leftMast.Animate(fSeconds);
    s.leftMast.placeAt(CHudSprites::LEFT_MAST.vBase + Shift(m_fOffset));
    if (!m_bActive)
        return;
    m_LeftChain.step(fSeconds);
    const D3DXVECTOR3 vFrame = CHudSprites::LEFT_CHAIN_A.vBase + m_LeftChain.endOffset() + CHudSprites::FRAME_FROM_END;
    s.frame.placeAt(vFrame + Shift(m_fOffset));
    s.plate.placeAt(CHudSprites::LEFT_CHAIN_A.vBase + Shift(m_fOffset) + CHudSprites::PLATE_FROM_CHAIN);
    for (CSprite* pChain : {&s.leftChainA, &s.leftChainB}) {
        const SHudPlace& place = pChain == &s.leftChainA ? CHudSprites::LEFT_CHAIN_A : CHudSprites::LEFT_CHAIN_B;
        pChain->setRotation(m_LeftChain.angle());
        pChain->placeAt(place.vBase + Shift(m_fOffset));
    }
    m_Shuffle.setPosition(vFrame + Shift(m_fOffset) + CHudSprites::SHUFFLE_FROM_FRAME);
}

void CGameGui::renderRightPanel(float fSeconds)
{
    CHudSprites& s = *m_pSprites;
    s.rightMast.placeAt(CHudSprites::RIGHT_MAST.vBase - Shift(m_fOffset));
    m_RightChain.step(fSeconds);
    const D3DXVECTOR3 vPlate = CHudSprites::RIGHT_CHAIN_A.vBase + m_RightChain.endOffset() - Shift(m_fOffset) +
                               CHudSprites::LEVEL_PLATE_FROM_END;
    s.levelPlate.placeAt(vPlate);
    if (m_pWindows)
        m_pWindows->setLevelTitlePixel(vPlate.x + 400.0f - 135.0f, 300.0f - vPlate.y + 25.0f);
    for (CSprite* pChain : {&s.rightChainA, &s.rightChainB}) {
        const SHudPlace& place = pChain == &s.rightChainA ? CHudSprites::RIGHT_CHAIN_A : CHudSprites::RIGHT_CHAIN_B;
        pChain->setRotation(m_RightChain.angle());
        pChain->placeAt(place.vBase - Shift(m_fOffset));
    }
}

// The indicator shows the bottom part of its chain, longer as time is
// used; the heart and the lives hang from its lower end.
void CGameGui::renderTimeScale(float fSeconds)
{
    CHudSprites& s = *m_pSprites;
    s.timeScale.placeAt(CHudSprites::TIME_SCALE.vBase - Shift(m_fOffset));
    const float h = m_Timer.indicatorFraction();
    STextureRect rect;
    rect.fV1 = 1.0f - h;
    const float fWidth = std::trunc(s.timeChain.getTextureWidth());
    const float fHeight = std::trunc(h * s.timeChain.getTextureHeight());
    s.timeChain.setRect(CSprite::WHITE, rect, fWidth, fHeight, false);
    s.chainFrozen.setRect(0, rect, std::trunc(s.chainFrozen.getTextureWidth()),
                          std::trunc(h * s.chainFrozen.getTextureHeight()), false);
    const D3DXVECTOR3 vChain = CHudSprites::TIME_CHAIN.vBase - Shift(m_fOffset);
    const D3DXVECTOR3 vHeart = vChain + D3DXVECTOR3(CHudSprites::HEART_FROM_CHAIN.x,
                                                    CHudSprites::HEART_FROM_CHAIN.y - fHeight, 0.0f);
    const bool bFrozen = m_Timer.frozen() > 0.0f;
    RenderFrozenOverlay(s.scaleFrozen, CHudSprites::TIME_SCALE.vBase - Shift(m_fOffset), bFrozen, fSeconds);
    s.timeChain.placeAt(vChain);
    RenderFrozenOverlay(s.chainFrozen, vChain, bFrozen, fSeconds);
    s.heart.Animate(fSeconds);
    s.heart.placeAt(vHeart);
    m_Lives.setPosition(vHeart);
    if (m_pLivesHint)
        m_pLivesHint->setPosition(vHeart - D3DXVECTOR3(10.0f, 10.0f, 0.0f));
    s.gear.placeAt(CHudSprites::GEAR - Shift(m_fOffset));
    s.smallGear.placeAt(CHudSprites::SMALL_GEAR - Shift(m_fOffset));
}

void CGameGui::renderScore(float fSeconds)
{
    CHudSprites& s = *m_pSprites;
    const D3DXVECTOR3 vWindow = CHudSprites::SCORE_WINDOW.vBase - Shift(m_fOffset);
    s.scoreWindow.placeAt(vWindow);
    m_Score.setPosition(vWindow + CHudSprites::SCORE_FROM_WINDOW);
    m_Score.update(fSeconds);
    m_Lives.update(fSeconds);
    m_Score.render(false);
    m_Lives.render(false);
}

// The chosen power-up waits on its button: still while the bar fills,
// moving once it is full; armed, it follows the mouse (see renderPowerup).
void CGameGui::renderMarkers(float fSeconds)
{
    if (!m_pMarkers && m_nMarkersFor >= 0)
        m_pMarkers.reset(new CPowerupMarkers(m_nMarkersFor));
    if (!m_pMarkers || CGameContext::Instance().m_bPowerupArmed || !m_bActive || !m_bPowerupAvailable)
        return;
    const D3DXVECTOR3 vPlace = CPowerupMarkers::PLACE + Shift(m_fOffset);
    if (m_Powerup.isFull()) {
        m_pMarkers->full.Animate(fSeconds);
        m_pMarkers->full.placeAt(vPlace);
    } else {
        m_pMarkers->idle.placeAt(vPlace);
    }
}

void CGameGui::renderPowerup(float fSeconds)
{
    const CGameContext& context = CGameContext::Instance();
    if (m_bPowerupAvailable) {
        m_pSprites->powerupLight.placeAt(CHudSprites::POWERUP_LIGHT.vBase + Shift(m_fOffset));
        if (m_pMarkers && context.m_bPowerupArmed) {
            m_pMarkers->armed.Animate(fSeconds);
            m_pMarkers->armed.placeAt(context.m_vMouse);
        }
    }
    if (!m_bActive)
        return;
    if (m_bPowerupAvailable)
        m_Powerup.renderFullAnimation();
    m_Shuffle.renderFullAnimation();
}

// Odd thirds of a second in one colour, even ones in the other.
void CGameGui::drawContinuePrompt(double dTotalSeconds)
{
    ITextPainter* pPainter = TextPainter();
    const CXMLLocale* pLocale = CXMLLocale::Instance();
    if (!pPainter || !pLocale)
        return;
    const bool bOdd = (static_cast<long long>(dTotalSeconds * 3.0) % 2) != 0;
    pPainter->drawLine("Stylo", pLocale->getText(30), 400.0f, 545.0f, 1.0f, bOdd ? 0xFF8E191E : 0xFFD84D0C);
}
