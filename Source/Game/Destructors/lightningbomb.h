// The stingray (power-up 3) and the base of the power-ups that open with a
// flare. The bolt runs from the used cell towards the far corner of the
// board; half a flare and 200 ms after the use its cells go one every
// 50 ms while the flash flickers three times and fades.
#pragma once

#include <memory>
#include <vector>

#include "Game/Destructors/celldestructor.h"
#include "Game/Paths/complexfunction.h"

class CBasePowerup : public CBaseCellDestructor {
public:
    CBasePowerup();
    ~CBasePowerup() override;
    virtual void start(CellRef usedCell, const CellRefList& targets);

    void update() override;
    void renderFront() override;
    bool isFinished() const override { return isDone() && !m_pFlare; }

protected:
    std::unique_ptr<CBoardAnimation> m_pFlare;
    // Seconds.
    float m_fFlareDuration;
};

class CLightningBomb : public CBasePowerup {
public:
    CLightningBomb(bool bLeftHalf, bool bLowerHalf);
    ~CLightningBomb() override;
    void start(CellRef usedCell, const CellRefList& targets) override;

    void update() override;
    void collectCells(CellRefList& cells, bool& bOrdinaryRemoval) override;
    bool isDone() const override { return m_Schedule.empty() && !m_AlphaCurve.isRunning(); }
    void renderFront() override;
    void dump() const override;

private:
    void buildAlphaCurve(float fHoldSeconds);
    void makeFlash(const CGameCell& cell);

    // Cleared once delivered.
    CellRef m_pUsedCell = nullptr;
    float m_fElapsed = 0.0f;
    std::unique_ptr<CBoardAnimation> m_pFlash;
    bool m_bLeftHalf;
    bool m_bLowerHalf;
    std::unique_ptr<CBoardAnimation> m_pFadeOut;
    struct Strike {
        CellRef pTarget;
        // ms after the use.
        float fDue;
    };
    std::vector<Strike> m_Schedule;
    CComplexFunction m_AlphaCurve;
};
