#include "Game/Sprites/basesprite.h"

#include <cmath>

#include "Core/vantile_frametimer.h"
#include "Game/Sprites/spritevbarray.h"

CBaseSprite::CBaseSprite(const std::string& strName) : m_strName(strName)
{
    if (IsSpriteMapName(strName)) {
        // The batch refuses atlases without frames or rate, so the
        // duration is never zero.
        m_pAtlas = CSpriteVBArray::Instance().load(strName);
        m_fDuration = float(m_pAtlas->getFrameCount()) / float(m_pAtlas->getFPS());
        return;
    }
    m_pSprite = std::make_unique<CSprite>(strName, CSprite::WHITE, false, false);
    // A one-shot starts at its first frame, not at the random phase an
    // animated texture handle is given.
    m_pSprite->setTime(0.0f);
    m_fDuration = m_pSprite->getLength();
}

bool CBaseSprite::isPlaying() const
{
    const float fSeconds = Vantile::CFrameTimer::Instance().frameSeconds();
    const float fLength = m_pSprite ? m_pSprite->getLength() : m_fDuration;
    const float fTime = m_pSprite ? m_pSprite->getTime() : m_fElapsed;
    // Without length there is nothing to play: it counts as played.
    if (!(fLength > 0.0f))
        return false;
    return std::floor((fTime + fSeconds) / fLength) < 1.0f;
}

void CBaseSprite::draw(const D3DXVECTOR3& vPosition)
{
    m_vPosition = vPosition;
    draw();
}

void CBaseSprite::draw()
{
    m_fElapsed += Vantile::CFrameTimer::Instance().frameSeconds();
    if (isPlaying())
        drawPlaying();
    else
        drawLast();
}

void CBaseSprite::drawPlaying()
{
    if (m_pSprite) {
        m_pSprite->drawAt(m_vPosition);
        return;
    }
    const int nFrames = m_pAtlas->getFrameCount();
    const int nFrame = int(float(nFrames - 1) * m_fElapsed / m_fDuration) % nFrames;
    m_pAtlas->addFrame(nFrame, m_vPosition, m_fRotation, m_dwColor);
}

void CBaseSprite::drawLast()
{
    if (m_pAtlas) {
        m_pAtlas->addFrame(m_pAtlas->getFrameCount() - 1, m_vPosition, m_fRotation, m_dwColor);
        return;
    }
    // Half a frame before the end: at the length itself the texture clock
    // wraps round to the first image.
    const int nFrames = m_pSprite->getFrameCount();
    if (nFrames > 0)
        m_pSprite->setTime(m_pSprite->getLength() * (float(nFrames) - 0.5f) / float(nFrames));
    m_pSprite->placeAt(m_vPosition);
}

void CBaseSprite::reset()
{
    if (m_pSprite)
        m_pSprite->setTime(0.0f);
    else
        m_fElapsed = 0.0f;
}

void CBaseSprite::setRotation(float fRadians)
{
    m_fRotation = fRadians;
    if (m_pSprite)
        m_pSprite->setRotation(fRadians);
}

void CBaseSprite::SetAlpha(float fAlpha)
{
    if (m_pSprite)
        m_pSprite->SetAlpha(fAlpha);
}
