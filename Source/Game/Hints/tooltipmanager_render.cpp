// Tooltips on screen: fading in and out, drawing, and what a click on one
// does.
#include "Game/Hints/tooltipmanager.h"

#include <algorithm>
#include <cmath>

#include "Business/xmllocale.h"
#include "Game/Context/gameevents.h"
#include "Game/Hints/hintcell.h"
#include "Game/Hints/textpainter.h"
#include "Game/Sprites/sprite.h"

namespace {

const D3DCOLOR TEXT_COLOUR = D3DCOLOR_ARGB(255, 96, 28, 2);
const float TEXT_SCALE = 0.6f;
const float TEXT_MARGIN = 30.0f;

bool IsNear(const D3DXVECTOR3& vMouse, const D3DXVECTOR3& vSpot, float fRadius)
{
    const float dx = vMouse.x - vSpot.x, dy = vMouse.y - vSpot.y;
    return dx * dx + dy * dy < fRadius * fRadius;
}

D3DCOLOR WithAlpha(D3DCOLOR dwColour, float fAlpha)
{
    return (dwColour & 0x00FFFFFF) | (D3DCOLOR(std::lround(fAlpha * 255.0f)) << 24);
}

std::unique_ptr<CSprite> MakeSprite(const char* pszTexture, int nAnchor)
{
    std::unique_ptr<CSprite> pSprite(new CSprite(pszTexture, CSprite::WHITE, false, true));
    pSprite->setAnchor(nAnchor);
    return pSprite;
}

}  // namespace

D3DXVECTOR3 CTooltipManager::closeSpot(const SEntry& entry) const
{
    return entry.vPosition + D3DXVECTOR3(m_vBackground.x - 10.0f - m_vClose.x / 2.0f, -10.0f - m_vClose.y / 2.0f, 0.0f);
}

D3DXVECTOR3 CTooltipManager::checkSpot(const SEntry& entry) const
{
    return entry.vPosition + D3DXVECTOR3(m_vCheck.x / 2.0f + 15.0f, m_vCheck.y / 2.0f + 28.0f - m_vBackground.y, 0.0f);
}

bool CTooltipManager::hitTest(const D3DXVECTOR3& vMouse)
{
    if (!m_pCurrent)
        return true;
    if (IsNear(vMouse, checkSpot(*m_pCurrent), m_vCheck.x / 2.0f)) {
        m_bEnabled = !m_bEnabled;
        return false;
    }
    if (IsNear(vMouse, closeSpot(*m_pCurrent), m_vClose.x / 2.0f))
        return true;
    const D3DXVECTOR3 d = vMouse - m_pCurrent->vPosition;
    return !(d.x > 0.0f && d.x < m_vBackground.x && -d.y > 0.0f && -d.y < m_vBackground.y);
}

void CTooltipManager::update(float fSeconds)
{
    if (isShowing() && m_pCurrent->fAlpha < 1.0f) {
        m_pCurrent->fAlpha = std::min(1.0f, m_pCurrent->fAlpha + fSeconds * FADE_RATE);
        if (m_pCurrent->fAlpha >= 1.0f && !m_pCurrent->bSoundPlayed) {
            CGameContext::Instance().playSound("tooltip.ogg");
            m_pCurrent->bSoundPlayed = true;
        }
    }
    fadeClosed(fSeconds);
}

// One faded tooltip a frame leaves the list and lets the board go on.
void CTooltipManager::fadeClosed(float fSeconds)
{
    for (auto it = m_Fading.begin(); it != m_Fading.end(); ++it) {
        SEntry& entry = **it;
        if (entry.fAlpha > 0.0f) {
            entry.fAlpha = std::max(0.0f, entry.fAlpha - fSeconds * FADE_RATE);
            continue;
        }
        // The board may be evaluated again.
        CGameContext::Instance().postEvent(eEventEvaluateBoard);
        highlight(entry, false);
        entry.bSoundPlayed = false;
        m_Fading.erase(it);
        return;
    }
}

void CTooltipManager::makeSprites()
{
    m_pBackground = MakeSprite(BACKGROUND, 0);
    m_pClose = MakeSprite(CLOSE_MARKER, CSprite::CENTRE);
    m_pCheck = MakeSprite(CHECK_MARKER, CSprite::CENTRE);
    // The pictures' own sizes, once known, place and hit-test from now on.
    if (m_pBackground->getWidth() > 0.0f)
        m_vBackground = D3DXVECTOR2(m_pBackground->getWidth(), m_pBackground->getHeight());
    if (m_pClose->getWidth() > 0.0f)
        m_vClose = D3DXVECTOR2(m_pClose->getWidth(), m_pClose->getHeight());
    if (m_pCheck->getWidth() > 0.0f)
        m_vCheck = D3DXVECTOR2(m_pCheck->getWidth(), m_pCheck->getHeight());
}

void CTooltipManager::render(const D3DXVECTOR3& vMouse)
{
    if (!m_pCurrent)
        return;
    if (!m_pBackground)
        makeSprites();
    drawEntry(*m_pCurrent, vMouse);
}

void CTooltipManager::drawEntry(const SEntry& entry, const D3DXVECTOR3& vMouse)
{
    m_pBackground->SetAlpha(entry.fAlpha);
    m_pBackground->placeAt(entry.vPosition);
    if (ITextPainter* pPainter = TextPainter()) {
        const CXMLLocale* pLocale = CXMLLocale::Instance();
        SPixelRect rect;
        rect.fLeft = entry.vPosition.x + 400.0f + TEXT_MARGIN;
        rect.fTop = 300.0f - entry.vPosition.y - 5.0f;
        rect.fRight = rect.fLeft + m_vBackground.x - 2.0f * TEXT_MARGIN;
        rect.fBottom = 300.0f - entry.vPosition.y + m_vBackground.y;
        pPainter->drawWrapped(pLocale ? pLocale->getText(entry.nTextId) : std::string(), rect, TEXT_SCALE,
                              WithAlpha(TEXT_COLOUR, entry.fAlpha), true);
    }
    const D3DXVECTOR3 vClose = entry.vPosition + D3DXVECTOR3(m_vBackground.x - 10.0f - m_vClose.x / 2.0f,
                                                             -6.0f - m_vClose.y / 2.0f, 0.0f);
    if (IsNear(vMouse, vClose, m_vClose.x / 2.0f)) {
        m_pClose->SetAlpha(entry.fAlpha);
        m_pClose->placeAt(vClose);
    }
    if (!m_bEnabled) {
        m_pCheck->SetAlpha(entry.fAlpha);
        m_pCheck->placeAt(entry.vPosition + D3DXVECTOR3(m_vCheck.x / 2.0f + 20.0f,
                                                        m_vCheck.y / 2.0f + 27.0f - m_vBackground.y, 0.0f));
    }
}
