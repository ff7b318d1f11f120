#include <cmath>

#include "Game/Sprites/sprite.h"

namespace {

// The pass a clock is in; a clock that is not a usable number counts as
// pass 0 rather than reaching an undefined conversion.
long long PassOf(float fTime, float fLength)
{
    const double dPass = std::floor(double(fTime) / double(fLength));
    return dPass > -9.0e18 && dPass < 9.0e18 ? (long long)dPass : 0;
}

}  // namespace

Vantile::TextureRef* CSprite::clock()
{
    return m_bBuilt && !m_Materials.empty() ? &m_Materials[0].aTextures[0] : nullptr;
}

const Vantile::TextureRef* CSprite::clock() const
{
    return m_bBuilt && !m_Materials.empty() ? &m_Materials[0].aTextures[0] : nullptr;
}

float CSprite::getTime() const
{
    const Vantile::TextureRef* pClock = clock();
    return pClock ? pClock->GetTime() : m_fPendingTime;
}

void CSprite::setTime(float fTime)
{
    Vantile::TextureRef* pClock = clock();
    if (pClock) {
        pClock->SetTime(fTime);
        return;
    }
    m_fPendingTime = fTime;
    m_bTimePending = true;
}

float CSprite::getLength() const
{
    const Vantile::TextureRef* pClock = clock();
    return pClock ? pClock->GetLength() : 0.0f;
}

void CSprite::setLength(float fSeconds)
{
    Vantile::TextureRef* pClock = clock();
    if (!pClock || !pClock->GetTexture() || !(fSeconds > 0.0f) || !std::isfinite(fSeconds))
        return;
    const float fFPS = float(pClock->GetTexture()->GetFrameCount()) / fSeconds;
    if (!(fFPS > 0.0f))
        return;
    // The handle's rate is fixed when it is made, so a new handle takes the
    // rate and keeps the clock where it was.
    const float fTime = pClock->GetTime();
    *pClock = Vantile::TextureRef(pClock->GetTexture(), fFPS);
    pClock->SetTime(fTime);
}

int CSprite::getFrameIndex() const
{
    const Vantile::TextureRef* pClock = clock();
    if (!pClock)
        return 0;
    const double dFrame = std::floor(double(pClock->GetTime()) * double(pClock->GetFPS()));
    return dFrame > -2.0e9 && dFrame < 2.0e9 ? int(dFrame) : 0;
}

int CSprite::getFrameCount() const
{
    const Vantile::TextureRef* pClock = clock();
    return pClock && pClock->GetTexture() ? int(pClock->GetTexture()->GetFrameCount()) : 0;
}

bool CSprite::Animate(float fSeconds)
{
    Vantile::TextureRef* pClock = clock();
    if (!pClock)
        return true;
    const float fStep = m_bReverse ? -fSeconds : fSeconds;
    const float fLength = pClock->GetLength();
    const float fBefore = pClock->GetTime();
    for (Vantile::SMaterial& material : m_Materials) {
        for (Vantile::TextureRef& texture : material.aTextures)
            texture.Advance(fStep);
    }
    if (!(fLength > 0.0f))
        return false;
    return PassOf(fBefore, fLength) == PassOf(pClock->GetTime(), fLength);
}
