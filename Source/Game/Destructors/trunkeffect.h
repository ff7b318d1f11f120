// The treasure trunk's exit: once the trunk has reached the bottom of the
// board it is taken off its cell, a beam fades in, the trunk falls below
// the board and opens, which wins the level.
#pragma once

#include <memory>
#include <string>

#include "Game/Items/animationcallback.h"
#include "Game/Paths/valuefunction.h"
#include "d3d/d3dx8.h"

class CBoardAnimation;
class CGameCell;
class CGameItem;

class CTrunkEffect : public IAnimationCallback {
public:
    CTrunkEffect();
    ~CTrunkEffect();

    void reset();
    void start(CGameCell* pCell);
    bool isActive() const { return m_pTrunk != nullptr; }
    // Once per frame while active: advances and draws.
    void updateAndRender();

    void onEvent(const std::string& strName) override;

private:
    void advanceCountdown(float fSeconds);
    void draw(bool bFading);

    int m_nColumn = 0;
    CIncrementFunction m_Fade;
    float m_fCountdown = 0.0f;
    std::unique_ptr<CBoardAnimation> m_pBeam;
    std::unique_ptr<CGameItem> m_pTrunk;
    D3DXVECTOR3 m_vExit = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 m_vLanding = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 m_vLastDrawn = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
};
