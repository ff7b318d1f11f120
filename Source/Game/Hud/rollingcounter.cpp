#include "Game/Hud/rollingcounter.h"

#include <cmath>

#include "Game/Sprites/sprite.h"
#include "Resources/vantile_texturemanager.h"

namespace {

// The row of the strip a shown value stands on, 0 to 10.
float StripRow(float fValue)
{
    return fValue - 10.0f * std::trunc(fValue / 10.0f);
}

}  // namespace

CRollingCounter::CDigit::CDigit(const std::string& strTexture, D3DCOLOR dwColor, const D3DXVECTOR3& vPosition)
    : m_strTexture(strTexture), m_dwColor(dwColor), m_vPosition(vPosition)
{
}

CRollingCounter::CDigit::CDigit(CDigit&&) noexcept = default;
CRollingCounter::CDigit::~CDigit() = default;

// Always upwards: a target below the shown digit is reached over the top
// of the strip, from 9 to 0.
void CRollingCounter::CDigit::update(float fSeconds)
{
    const float fRow = StripRow(m_fShown);
    if (fRow == float(m_nTarget))
        return;
    float fStep = fSeconds * 10.0f;
    if (fStep == 0.0f)
        fStep = 0.1f;
    const float fNextRow = StripRow(m_fShown + fStep);
    if (m_nTarget == 0)
        m_fShown = fNextRow < fRow ? 0.0f : m_fShown + fStep;
    else if (fRow < float(m_nTarget) && fNextRow > float(m_nTarget))
        m_fShown = 10.0f * std::trunc(m_fShown / 10.0f) + float(m_nTarget);
    else
        m_fShown += fStep;
}

void CRollingCounter::CDigit::setTarget(int nTarget, bool bRoll)
{
    m_nTarget = nTarget;
    if (!bRoll)
        m_fShown = float(nTarget);
}

void CRollingCounter::CDigit::reset()
{
    m_fShown = 0.0f;
    m_nTarget = 0;
    m_pSprite.reset();
}

bool CRollingCounter::CDigit::isRolling() const
{
    return StripRow(m_fShown) != float(m_nTarget);
}

// Values below 0 repeat the strip: the texture wraps.
STextureRect CRollingCounter::CDigit::stripRect(float fShown)
{
    STextureRect rect;
    rect.fU0 = 0.0f;
    rect.fU1 = 1.0f;
    rect.fV0 = 1.0f - fShown / 10.0f;
    rect.fV1 = 1.0f - (fShown + 1.0f) / 10.0f;
    return rect;
}

void CRollingCounter::CDigit::render()
{
    if (!m_pSprite)
        m_pSprite.reset(new CSprite(m_strTexture, CSprite::WHITE, false, true));
    const float fWidth = std::trunc(m_pSprite->getTextureWidth());
    const float fHeight = std::trunc(m_pSprite->getTextureHeight() / 10.0f);
    m_pSprite->setRect(m_dwColor, stripRect(m_fShown), fWidth, fHeight, false);
    m_pSprite->placeAt(m_vPosition);
}

CRollingCounter::CRollingCounter(const std::string& strTexture, int nDigits, const D3DXVECTOR3& vPosition,
                                 D3DCOLOR dwColor, int nDigitWidth)
    : m_nDigitWidth(nDigitWidth)
{
    // A single digit never needs the strip's width, so a counter of one
    // digit is made without touching a device.
    if (m_nDigitWidth < 0 && nDigits > 1)
        m_nDigitWidth = int(Vantile::CTextureManager::Instance().GetTexture(strTexture).GetTexture()->GetWidth());
    for (int i = 0; i < nDigits; ++i)
        m_Digits.emplace_back(strTexture, dwColor, vPosition);
    setPosition(vPosition);
    for (CDigit& digit : m_Digits)
        digit.update(0.0f);
}

CRollingCounter::~CRollingCounter() = default;

void CRollingCounter::setValue(int nValue, bool bRoll)
{
    const int nCount = int(m_Digits.size());
    int nPower = 1;
    for (int q = 1; q <= nCount; ++q) {
        // The digit of 10^(q-1), taken from the value's last q digits.
        const int nDigit = ((nValue % (nPower * 10)) - (nValue % nPower)) / nPower;
        m_Digits[size_t(nCount - q)].setTarget(nDigit, bRoll);
        nPower *= 10;
    }
    m_nValue = nValue;
}

void CRollingCounter::addAnimated(int nAmount, int nStep)
{
    m_nPending += nAmount;
    m_nStep = nStep;
}

void CRollingCounter::resetDigits()
{
    for (CDigit& digit : m_Digits)
        digit.reset();
}

bool CRollingCounter::isRolling() const
{
    for (const CDigit& digit : m_Digits)
        if (digit.isRolling())
            return true;
    return false;
}

void CRollingCounter::setPosition(const D3DXVECTOR3& vPosition)
{
    for (size_t i = 0; i < m_Digits.size(); ++i) {
        const float fX = std::trunc(vPosition.x + float(i) * float(m_nDigitWidth));
        m_Digits[i].setPosition(D3DXVECTOR3(fX, vPosition.y, vPosition.z));
    }
}

// The last payment adds only what was left.
void CRollingCounter::payPending()
{
    if (isRolling() || m_nPending == 0)
        return;
    // A step that pays nothing would keep the amount pending for ever.
    const int nStep = m_nStep > 0 ? m_nStep : m_nPending;
    m_nPending -= nStep;
    if (m_nPending > 0) {
        setValue(m_nValue + nStep, true);
    } else {
        setValue(m_nValue + nStep + m_nPending, true);
        m_nPending = 0;
    }
}

void CRollingCounter::update(float fSeconds)
{
    payPending();
    for (CDigit& digit : m_Digits)
        digit.update(fSeconds);
}

void CRollingCounter::render(bool bHideLeadingZeros)
{
    bool bLeading = bHideLeadingZeros;
    for (CDigit& digit : m_Digits) {
        bLeading = bLeading && digit.target() == 0;
        if (!bLeading)
            digit.render();
    }
}
