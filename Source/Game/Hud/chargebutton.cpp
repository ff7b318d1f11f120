#include "Game/Hud/chargebutton.h"

#include <algorithm>
#include <cmath>

#include "Game/Sprites/simpleanimation.h"
#include "Game/Sprites/sprite.h"

const CChargeButton::SLook CChargeButton::SHUFFLE = {
    "button_shuffle-1.dds", "button_shuffle-2.dds", "button_shuffle-3.dds", "button_shuffle-4.dds",
    "shufflefilled.ifl",    true,                   D3DXVECTOR2(-65.0f, 8.0f), 135.0f};
const CChargeButton::SLook CChargeButton::POWERUP = {
    "shine_empty.dds", "shine.dds", "shine.dds", "shine.dds", "powerupfilled_.ifl", false, D3DXVECTOR2(0.0f, 4.0f),
    0.0f};

namespace {

std::unique_ptr<CSprite> MakeSprite(const char* pszTexture, int nAnchor, bool bLoadNow)
{
    std::unique_ptr<CSprite> pSprite(new CSprite(pszTexture, CSprite::WHITE, false, bLoadNow));
    pSprite->setAnchor(nAnchor);
    return pSprite;
}

}  // namespace

CChargeButton::CChargeButton(const SLook& look) : m_Look(look)
{
}

CChargeButton::~CChargeButton() = default;

void CChargeButton::setWindow(std::unique_ptr<IChargeButtonWindow> pWindow)
{
    m_pWindow = std::move(pWindow);
    setPosition(m_vPosition);
}

void CChargeButton::setPosition(const D3DXVECTOR3& vPosition)
{
    m_vPosition = vPosition;
    if (m_pWindow)
        m_pWindow->setPixelPosition(vPosition.x + 400.0f, 300.0f - vPosition.y);
    if (m_pAnimation)
        m_pAnimation->setPosition(animationPosition());
}

bool CChargeButton::addCharge(float fAmount)
{
    const bool bWasFull = isFull();
    m_fCharge = std::min(1.0f, m_fCharge + fAmount);
    const bool bFilled = isFull() && !bWasFull;
    if (bFilled && m_Look.pszFullAnimation)
        m_bAnimationDue = true;
    return bFilled;
}

void CChargeButton::update()
{
    if (m_pWindow)
        m_pWindow->setEnabled(isClickable());
}

void CChargeButton::disableWindow()
{
    if (m_pWindow)
        m_pWindow->setEnabled(false);
}

void CChargeButton::fillCut(const SLook& look, float fCharge, float fTextureWidth, float fTextureHeight,
                            STextureRect& rect, float& fWidth, float& fHeight)
{
    rect = STextureRect();
    if (look.bHorizontal) {
        fWidth = std::trunc(fCharge * look.fFillSpan);
        fHeight = std::trunc(fTextureHeight);
        rect.fU1 = fTextureWidth > 0.0f ? fWidth / fTextureWidth : 0.0f;
    } else {
        fWidth = std::trunc(fTextureWidth);
        fHeight = std::trunc(fTextureHeight * fCharge);
        rect.fV1 = fTextureHeight > 0.0f ? 1.0f - fHeight / fTextureHeight : 1.0f;
    }
}

void CChargeButton::makeSprites()
{
    m_pIdle = MakeSprite(m_Look.pszIdle, 0, false);
    m_pFill = MakeSprite(m_Look.pszFill, 2, true);
    m_pHover = MakeSprite(m_Look.pszHover, 0, false);
    m_pPushed = MakeSprite(m_Look.pszPushed, 0, false);
}

void CChargeButton::render()
{
    if (!m_pFill)
        makeSprites();
    const bool bFull = isFull();
    if (bFull && m_pWindow && m_pWindow->isPushed())
        m_pPushed->placeAt(m_vPosition);
    else if (bFull && m_pWindow && m_pWindow->isHovered())
        m_pHover->placeAt(m_vPosition);
    else if (!bFull)
        m_pIdle->placeAt(m_vPosition);
    STextureRect rect;
    float fWidth = 0.0f, fHeight = 0.0f;
    const float fTextureHeight = m_pFill->getTextureHeight();
    fillCut(m_Look, m_fCharge, m_pFill->getTextureWidth(), fTextureHeight, rect, fWidth, fHeight);
    m_pFill->setRect(CSprite::WHITE, rect, fWidth, fHeight, false);
    m_pFill->placeAt(m_vPosition - D3DXVECTOR3(0.0f, fTextureHeight, 0.0f));
}

D3DXVECTOR3 CChargeButton::animationPosition() const
{
    const float fWidth = m_pFill ? m_pFill->getTextureWidth() : 0.0f;
    const float fHeight = m_pFill ? m_pFill->getTextureHeight() : 0.0f;
    return m_vPosition + D3DXVECTOR3(fWidth / 2.0f + m_Look.vAnimationOffset.x,
                                     -fHeight / 2.0f - 5.0f + m_Look.vAnimationOffset.y, 0.0f);
}

void CChargeButton::renderFullAnimation()
{
    if (m_bAnimationDue) {
        m_pAnimation.reset(new CSimpleAnimation(m_Look.pszFullAnimation));
        m_pAnimation->setPosition(animationPosition());
        m_bAnimationDue = false;
    }
    if (!m_pAnimation)
        return;
    m_pAnimation->update();
    m_pAnimation->render();
    if (m_pAnimation->isFinished())
        m_pAnimation.reset();
}
