#pragma once

#include "Game/Paths/basepath.h"

class CMovePointToPointPath : public CBasePath {
public:
    CMovePointToPointPath(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo);

    bool update(const float* pDt, const float* pSpeed, const D3DXVECTOR3* pBase) override;
    bool isFinished() const override { return m_vCurrent == m_vTo; }
    D3DXVECTOR3 getPosition() const override { return m_vCurrent; }

private:
    D3DXVECTOR3 m_vFrom;
    D3DXVECTOR3 m_vTo;
    D3DXVECTOR3 m_vCurrent;
};
