#include "Game/Destructors/boardanimation.h"

#include <algorithm>
#include <cmath>

#include "Game/Items/animationmanager.h"
#include "Game/Items/layervisual.h"

namespace {

std::shared_ptr<ILayerVisual> makeVisual(const std::string& strTexture)
{
    ILayerVisualSource* pSource = CAnimationManager::Instance().visualSource();
    return pSource ? pSource->create(strTexture) : nullptr;
}

uint32_t tintWithAlpha(uint32_t dwTint, float fAlpha)
{
    const float fClamped = std::min(1.0f, std::max(0.0f, fAlpha));
    return (static_cast<uint32_t>(fClamped * 255.0f + 0.5f) << 24) | dwTint;
}

}  // namespace

CBoardAnimation::CBoardAnimation(const std::string& strTexture, bool bLoop)
    : m_pVisual(makeVisual(strTexture)), m_strTexture(strTexture), m_bLoop(bLoop),
      m_fLength(m_pVisual ? m_pVisual->length() : 0.0f)
{
}

void CBoardAnimation::advance(float fSeconds)
{
    m_fTime += fSeconds;
}

int CBoardAnimation::currentFrame() const
{
    const int nFrames = m_pVisual ? m_pVisual->frameCount() : 0;
    if (nFrames <= 0 || m_fLength <= 0.0f)
        return 0;
    if (isFinished())
        return nFrames - 1;
    const float fPhase = std::fmod(m_fTime, m_fLength) / m_fLength;
    return std::min(nFrames - 1, static_cast<int>(fPhase * nFrames));
}

void CBoardAnimation::draw() const
{
    draw(m_vPosition);
}

void CBoardAnimation::draw(const D3DXVECTOR3& vPosition) const
{
    if (m_pVisual)
        m_pVisual->draw(vPosition, currentFrame(), m_fRotation, tintWithAlpha(m_dwTint, m_fAlpha));
}
