#include "Game/Sprites/simpleanimation.h"

CSimpleAnimation::CSimpleAnimation(const std::string& strName) : m_pSprite(std::make_unique<CBaseSprite>(strName))
{
}

void CSimpleAnimation::update()
{
    if (m_bFinished)
        return;
    const bool bPlaying = m_pSprite->isPlaying();
    m_bFinished = !bPlaying && !m_bLooping;
    if (!bPlaying && m_bLooping)
        m_pSprite->reset();
}

void CSimpleAnimation::render(const D3DXVECTOR3& vPosition)
{
    if (!m_bFinished)
        m_pSprite->draw(vPosition);
}

void CSimpleAnimation::render()
{
    if (!m_bFinished)
        m_pSprite->draw();
}
