#include "Game/Hud/loadingscreen.h"

#include <algorithm>
#include <cmath>

#include "Game/Sprites/sprite.h"

const D3DXVECTOR3 CLoadingScreen::POSITION = D3DXVECTOR3(-512.0f, -100.0f, 0.0f);

namespace {

std::unique_ptr<CSprite> MakeSprite(const char* pszTexture, int nAnchor)
{
    std::unique_ptr<CSprite> pSprite(new CSprite(pszTexture, CSprite::WHITE, false, true));
    pSprite->setAnchor(nAnchor);
    return pSprite;
}

}  // namespace

CLoadingScreen::CLoadingScreen() = default;
CLoadingScreen::~CLoadingScreen() = default;

void CLoadingScreen::setPercent(int nPercent)
{
    m_nPercent = std::min(100, std::max(0, nPercent));
    if (m_pBar)
        cutBar();
}

STextureRect CLoadingScreen::barRect(int nPercent, float fTextureWidth, float& fWidth)
{
    const float fPixels = std::trunc((float(nPercent) / 100.0f * BAR_SPAN + BAR_START) * fTextureWidth);
    STextureRect rect;
    rect.fU1 = fTextureWidth > 0.0f ? fPixels / fTextureWidth : 0.0f;
    fWidth = fPixels - 1.0f;
    return rect;
}

D3DXVECTOR3 CLoadingScreen::markerPosition(int nPercent, float fBarHeight)
{
    return D3DXVECTOR3(POSITION.x + MARKER_START + float(nPercent) * MARKER_STEP, POSITION.y - fBarHeight / 2.0f,
                       0.0f);
}

void CLoadingScreen::cutBar()
{
    float fWidth = 0.0f;
    const STextureRect rect = barRect(m_nPercent, m_pBar->getTextureWidth(), fWidth);
    m_pBar->setRect(CSprite::WHITE, rect, std::max(0.0f, fWidth), std::trunc(m_pBar->getTextureHeight()), false);
    m_pMarker->setPosition(markerPosition(m_nPercent, m_pBar->getTextureHeight()));
}

void CLoadingScreen::render(float fSeconds)
{
    if (!m_pBar) {
        m_pBackground = MakeSprite("loading_bg.ifl", 0);
        m_pBar = MakeSprite("loading_fg.ifl", 0);
        m_pMarker = MakeSprite("loading_ufo.ifl", CSprite::CENTRE);
        cutBar();
    }
    m_pBackground->Animate(fSeconds);
    m_pBackground->placeAt(POSITION);
    m_pBar->Animate(fSeconds);
    m_pBar->placeAt(POSITION);
    m_pMarker->Animate(fSeconds);
    m_pMarker->placeAt(m_pMarker->getPosition());
}
