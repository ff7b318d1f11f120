// A particle emitter placed by a scene file. It keeps the file's settings;
// emission stays switched off (nothing in the game turns it on), so it only
// spends its start phase on its first frame.
#pragma once

#include "Scene/vantile_node.h"

namespace Vantile {

class CParticleEmitter : public CNode {
public:
    CParticleEmitter(const std::string& strName, const D3DXMATRIX& mLocal);

    // The base step, then the update with the frame time plus the start
    // phase, which is spent once.
    void Animate() override;
    CNode* Clone() const override;

    float m_fGenSpeed = 1.0f;   // particles per second
    float m_fGenRest = 0.0f;    // fraction of a particle carried over
    bool m_bEmit = false;
    float m_fWidth = 0.0f;      // birth rectangle in the x-z plane
    float m_fHeight = 0.0f;
    float m_fVelocity = 0.0f;   // fall speed, units per second
    float m_fAVelocity = 0.0f;  // spin range, radians per second
    float m_fStartPhase = 0.0f; // seconds added to the first frame
    float m_fTTL = 0.0f;        // particle lifetime, seconds
    std::vector<std::string> m_Objects;

private:
    void Update(float fSeconds);
};

}  // namespace Vantile
