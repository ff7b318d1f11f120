// An item falls to its cell: a short wait, a free fall, then a small
// springy dip past the target and back.
#pragma once

#include "Game/Paths/basepath.h"
#include "Game/Paths/complexfunction.h"

class CFallingPath : public CBasePath {
public:
    CFallingPath(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo);

    bool update(const float* pDt, const float* pSpeed, const D3DXVECTOR3* pBase) override;
    bool isFinished() const override { return !m_Distance.isRunning(); }
    D3DXVECTOR3 getPosition() const override { return m_vCurrent; }

private:
    static constexpr float WAIT_SECONDS = 0.2f;
    static constexpr float ACCELERATION = 1300.0f;
    static constexpr float DIP_SECONDS = 0.15f;

    D3DXVECTOR3 m_vFrom;
    D3DXVECTOR3 m_vTo;
    D3DXVECTOR3 m_vCurrent;
    CFallingFunction m_Fall;
    CComplexFunction m_Distance;
};
