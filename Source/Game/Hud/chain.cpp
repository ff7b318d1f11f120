#include "Game/Hud/chain.h"

#include <cmath>

#include "Scene/vantile_annotation.h"

namespace {

// Length, damping and gravity of the swing's model, and the radius the
// displacement is measured against.
const float MODEL_LENGTH = 2.0f;
const float DAMPING = 0.5f;
const float GRAVITY = 9.8f;
const float RADIUS = CChain::LENGTH;
// A swing is never started wider than this.
const float MAX_DISPLACEMENT = RADIUS * 0.8f;
// Below this envelope the pendulum rests.
const float REST_ENVELOPE = 2.0f;
const float QUARTER_TURN = 1.57f;

}  // namespace

void CChain::movePivot(const D3DXVECTOR3& vPivot, bool bReset)
{
    m_fX0 = bReset ? 0.0f : m_fX0 + (m_vPivot.x - vPivot.x);
    m_vPivot = vPivot;
    m_fTime = 0.0f;
}

void CChain::step(float fSeconds)
{
    m_fTime += fSeconds * 5.0f;
    if (std::fabs(m_fX0) > MAX_DISPLACEMENT)
        m_fX0 = std::copysign(MAX_DISPLACEMENT, m_fX0);
    const float fStiffness = MODEL_LENGTH * (4.0f * GRAVITY * MODEL_LENGTH) / (DAMPING * (RADIUS * DAMPING));
    const float fAmplitude = std::fabs(m_fX0) * std::sqrt(1.0f / (fStiffness - 1.0f) + 1.0f);
    const float fDecay = DAMPING / (2.0f * MODEL_LENGTH);
    const float fOmega = std::sqrt(GRAVITY / RADIUS - fDecay * fDecay);
    const float fEnvelope = std::exp(-fDecay * m_fTime) * fAmplitude;
    const float fPhase = m_fX0 > 0.0f ? QUARTER_TURN : -QUARTER_TURN;
    float fX = std::sin(fOmega * m_fTime + fPhase) * fEnvelope;
    if (fEnvelope < REST_ENVELOPE) {
        m_fX0 = 0.0f;
        fX = 0.0f;
    }
    m_vEnd = D3DXVECTOR3(fX, -std::sqrt(RADIUS * RADIUS - fX * fX), 0.0f);
    Vantile::CAnnotation::Instance().AddLine(m_vPivot, m_vPivot + m_vEnd, 0xFF00FF00);
}

float CChain::angle() const
{
    return std::atan2(m_vEnd.y, m_vEnd.x) + QUARTER_TURN;
}
