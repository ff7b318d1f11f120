// The sea urchin (power-up 0): a spike appears on up to four cells at
// random moments within the first 0.7 s; each target goes one base delay
// after its spike appeared, and the used cell goes last.
#pragma once

#include <memory>
#include <vector>

#include "Game/Destructors/celldestructor.h"

class CSplinterBomb : public CBaseCellDestructor {
public:
    CSplinterBomb();
    ~CSplinterBomb() override;
    virtual void start(CellRef usedCell, const CellRefList& targets);

    void update() override;
    void collectCells(CellRefList& cells, bool& bOrdinaryRemoval) override;
    bool isDone() const override { return m_Spikes.empty() && !m_pUsedCell; }
    void renderFront() override;
    void dump() const override;

private:
    struct Spike {
        std::unique_ptr<CBoardAnimation> pFadeIn;
        std::unique_ptr<CBoardAnimation> pSpike;
        std::unique_ptr<CBoardAnimation> pFlare;
        CellRef pTarget;
        float fStartTime;
    };

    bool hasAppeared(const Spike& spike) const { return spike.fStartTime - m_fBaseDelay <= m_fElapsed; }
    void advanceSpike(Spike& spike, float fSeconds);

    float m_fElapsed = 0.0f;
    float m_fBaseDelay = 0.0f;
    std::unique_ptr<CBoardAnimation> m_pSprite;
    std::unique_ptr<CBoardAnimation> m_pFlare;
    CellRef m_pUsedCell = nullptr;
    std::vector<Spike> m_Spikes;
};
