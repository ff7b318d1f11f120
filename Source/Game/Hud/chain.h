// A damped pendulum: the two chains a HUD plate hangs from. Moving its
// pivot sideways swings it; it comes to rest once the swing is small.
#pragma once

#include "d3d/d3dx8.h"

class CChain {
public:
    // The pendulum's length in screen units.
    static constexpr float LENGTH = 30.0f;

    // Moves the pivot; the sideways jump becomes displacement, unless
    // bReset, which lets the pendulum hang still from the new pivot.
    void movePivot(const D3DXVECTOR3& vPivot, bool bReset);
    // Advances the swing and works out where the pendulum's end hangs.
    void step(float fSeconds);

    const D3DXVECTOR3& pivot() const { return m_vPivot; }
    // From the pivot to the pendulum's end; (0, 0, 0) before the first step.
    const D3DXVECTOR3& endOffset() const { return m_vEnd; }
    // The rotation that turns a chain hanging straight down to the end.
    float angle() const;
    float displacement() const { return m_fX0; }
    bool isResting() const { return m_fX0 == 0.0f; }

private:
    float m_fTime = 0.0f;
    float m_fX0 = 0.0f;
    D3DXVECTOR3 m_vPivot = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 m_vEnd = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
};
