// An orthonormal frame with a position: the local space of a vehicle, and
// of every link of a fish's body chain.
#pragma once

#include "d3d/d3dx8.h"

namespace Vantile {

class CLocalSpace {
public:
    virtual ~CLocalSpace() = default;
    // Forward becomes the given unit vector; up is rebuilt from the world's
    // up, so the frame never rolls.
    virtual void RegenerateOrthonormalBasisUF(const D3DXVECTOR3& vNewForward);

    // The frame as a local matrix: forward, side and up as rows 0 to 2,
    // the position as row 3.
    D3DXMATRIX ToMatrix() const;

    D3DXVECTOR3 m_vSide = D3DXVECTOR3(0, 0, -1);
    D3DXVECTOR3 m_vUp = D3DXVECTOR3(0, 1, 0);
    D3DXVECTOR3 m_vForward = D3DXVECTOR3(1, 0, 0);
    D3DXVECTOR3 m_vPosition = D3DXVECTOR3(0, 0, 0);
};

}  // namespace Vantile
