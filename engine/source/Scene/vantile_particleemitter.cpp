#include "Scene/vantile_particleemitter.h"

#include "Core/vantile_frametimer.h"

namespace Vantile {

CParticleEmitter::CParticleEmitter(const std::string& strName, const D3DXMATRIX& mLocal) : CNode(strName, mLocal) {}

void CParticleEmitter::Animate()
{
    CNode::Animate();
    Update(CFrameTimer::Instance().frameSeconds() + m_fStartPhase);
    m_fStartPhase = 0.0f;
}

// Emission is never switched on; the particles it would make are not part
// of this game.
void CParticleEmitter::Update(float fSeconds)
{
    if (!m_bEmit)
        return;
    m_fGenRest += fSeconds * m_fGenSpeed;
}

CNode* CParticleEmitter::Clone() const
{
    CParticleEmitter* pClone = new CParticleEmitter(m_strName, m_mLocal);
    pClone->m_fGenSpeed = m_fGenSpeed;
    pClone->m_fGenRest = m_fGenRest;
    pClone->m_bEmit = m_bEmit;
    pClone->m_fWidth = m_fWidth;
    pClone->m_fHeight = m_fHeight;
    pClone->m_fVelocity = m_fVelocity;
    pClone->m_fAVelocity = m_fAVelocity;
    pClone->m_fStartPhase = m_fStartPhase;
    pClone->m_fTTL = m_fTTL;
    pClone->m_Objects = m_Objects;
    CopyInto(*pClone);
    return pClone;
}

}  // namespace Vantile
