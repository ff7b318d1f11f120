#include "Game/Items/animationlayer.h"

#include <cmath>

#include "Game/Items/animationmanager.h"
#include "Game/Items/layervisual.h"

namespace {

// Every layer draws through a visual of its own: a sprite node shared by
// many items is queued once and drawn at the last position it was given.
std::shared_ptr<ILayerVisual> visualFor(const ANIDATA& data)
{
    ILayerVisualSource* pSource = CAnimationManager::Instance().visualSource();
    return pSource ? pSource->create(data.strTexture) : data.pPreloaded;
}

uint32_t tintOf(int nItemType, int nUseColor)
{
    const bool bTinted = nUseColor >= eUseColor1 && nUseColor <= eUseColor3;
    return bTinted ? CAnimationManager::Instance().tintFor(nItemType, nUseColor) : WHITE_COLOR;
}

}  // namespace

CAnimationLayer::CAnimationLayer(int nItemType, const ANIDATA& data, float fRotation, float fDuration)
    : m_pVisual(visualFor(data)),
      m_Data(data),
      m_bAtlas(isAtlasTexture(data.strTexture)),
      m_dwTint(tintOf(nItemType, data.nColor)),
      m_fRepeatLength(fittedLength(fDuration)),
      m_fRotation(fRotation)
{
    internLayerName(m_Data);
}

// A repeat count below 1 would divide by zero; such a layer plays once.
int CAnimationLayer::repeats() const
{
    return m_Data.nRepeatCount < 1 ? 1 : m_Data.nRepeatCount;
}

float CAnimationLayer::naturalLength() const
{
    return m_pVisual ? m_pVisual->length() : 0.0f;
}

// Atlases always share a timed state's duration out among their repeats;
// other textures only when the layer asks to fit the motion.
float CAnimationLayer::fittedLength(float fDuration) const
{
    const bool bEndless = m_Data.nRepeatCount >= ENDLESS_REPEAT;
    if (m_bAtlas) {
        const float fTotal = fDuration > 0.0f ? fDuration : naturalLength();
        return bEndless ? fTotal : fTotal / repeats();
    }
    if (m_Data.bFitToDuration && fDuration > 0.0f)
        return bEndless ? fDuration : fDuration / repeats();
    return naturalLength();
}

bool CAnimationLayer::isPlaying() const
{
    if (!m_Data.bLimited || m_Data.nRepeatCount >= ENDLESS_REPEAT)
        return true;
    // Nothing to play counts as played through, so a one-shot without
    // frames still reports its end.
    if (m_fRepeatLength <= 0.0f)
        return false;
    return std::floor(m_fElapsed / m_fRepeatLength) < repeats();
}

int CAnimationLayer::currentFrame() const
{
    const int nFrames = m_pVisual ? m_pVisual->frameCount() : 0;
    if (nFrames <= 0)
        return 0;
    if (!isPlaying())
        return nFrames - 1;
    if (m_fRepeatLength <= 0.0f)
        return 0;
    const float fPhase = m_fElapsed / m_fRepeatLength;
    const float fFrame = m_bAtlas ? (nFrames - 1) * fPhase : nFrames * fPhase;
    return static_cast<int>(std::fmod(std::floor(fFrame), float(nFrames)));
}

void CAnimationLayer::draw(const D3DXVECTOR3& vPosition)
{
    m_vLastDraw = vPosition;
    if (m_pVisual)
        m_pVisual->draw(vPosition, currentFrame(), m_fRotation, m_dwTint);
}
