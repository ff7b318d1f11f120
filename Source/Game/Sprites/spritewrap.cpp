#include "Game/Sprites/spritewrap.h"

#include "Core/vantile_frametimer.h"

CSpriteWrap::CSpriteWrap(const std::string& strTexture)
    : m_pSprite(std::make_unique<CSprite>(strTexture, CSprite::WHITE, false, false))
{
    m_pSprite->setTime(0.0f);
}

CSpriteWrap::CSpriteWrap(const std::string& strTexture, float fWidth, float fHeight)
    : m_pSprite(std::make_unique<CSprite>(strTexture, fWidth, fHeight))
{
    m_pSprite->setTime(0.0f);
}

void CSpriteWrap::update()
{
    if (!m_bFinished)
        m_bFinished = !m_pSprite->Animate(Vantile::CFrameTimer::Instance().frameSeconds());
}

void CSpriteWrap::render()
{
    if (!m_bFinished)
        m_pSprite->Enqueue();
}

void CSpriteWrap::renderAt(const D3DXVECTOR3& vPosition)
{
    if (!m_bFinished)
        m_pSprite->placeAt(vPosition);
}
