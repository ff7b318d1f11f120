// The cuttlefish (power-up 4): an ink spray over the 3 x 3 block around the
// used cell; the whole block goes at once, without removal looks, 300 ms
// before the spray ends, and the bomb stays to draw the rest of the spray.
#pragma once

#include <memory>

#include "Game/Destructors/celldestructor.h"

class CBomb : public CBaseCellDestructor {
public:
    CBomb();
    ~CBomb() override;
    virtual void start(CellRef usedCell, const CellRefList& targets);

    void update() override;
    void collectCells(CellRefList& cells, bool& bOrdinaryRemoval) override;
    bool isDone() const override { return m_fTimer <= DELIVERY_LEFT_MS; }
    bool isFinished() const override { return m_fTimer <= 0.0f; }
    void renderFront() override;
    void dump() const override;

private:
    static constexpr float DELIVERY_LEFT_MS = 300.0f;

    CellRefList m_Cells;
    float m_fTimer;
    std::unique_ptr<CBoardAnimation> m_pFadeOut;
    std::unique_ptr<CBoardAnimation> m_pFlare;
    std::unique_ptr<CBoardAnimation> m_pSpray;
};
