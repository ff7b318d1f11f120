// The whirl: an item flies to the board's centre, circles it for three
// seconds once it is close, then flies back to its target.
#pragma once

#include "Game/Paths/basepath.h"

class CShakingPath : public CBasePath {
public:
    CShakingPath(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo);

    bool update(const float* pDt, const float* pSpeed, const D3DXVECTOR3* pBase) override;
    bool isFinished() const override { return m_vCurrent == m_vTo; }
    D3DXVECTOR3 getPosition() const override { return m_vCurrent; }

private:
    static constexpr float NEAR_DISTANCE = 30.0f;
    static constexpr float WHIRL_SECONDS = 3.0f;
    static constexpr float WHIRL_RADIANS_PER_SECOND = 10.0f;

    void whirl(float fDt, float fSpeed);
    void circle(float fDt);

    D3DXVECTOR3 m_vFrom;
    D3DXVECTOR3 m_vTo;
    D3DXVECTOR3 m_vCurrent;
    D3DXVECTOR3 m_vReturnStart;
    D3DXVECTOR3 m_vCentre;
    bool m_bWhirling = true;
    float m_fWhirlTime = 0;
    bool m_bNear = false;
    bool m_bFirstUpdate = true;
};
