// The mussel (power-up 1): a pearl grows on every item of the used cell's
// kind, each at a random moment within 0.4 s; each target goes one base
// delay after its pearl appeared, and the used cell goes last.
#pragma once

#include <memory>
#include <vector>

#include "Game/Destructors/celldestructor.h"
#include "Game/Paths/valuefunction.h"

class COneTypeBomb : public CBaseCellDestructor {
public:
    COneTypeBomb();
    ~COneTypeBomb() override;
    virtual void start(CellRef usedCell, const CellRefList& targets);

    void update() override;
    void collectCells(CellRefList& cells, bool& bOrdinaryRemoval) override;
    bool isDone() const override { return m_Pearls.empty() && !m_pUsedCell; }
    void renderBack() override;
    void renderFront() override;
    void dump() const override;

private:
    struct Pearl {
        CellRef pTarget;
        float fStartTime;
        std::unique_ptr<CBoardAnimation> pInner;
        std::unique_ptr<CBoardAnimation> pOuter;
        std::unique_ptr<CBoardAnimation> pFlare;
        CIncrementFunction grow;
    };

    bool hasAppeared(const Pearl& pearl) const { return pearl.fStartTime - m_fBaseDelay <= m_fElapsed; }
    // True once the pearl has grown to full size.
    bool advancePearl(Pearl& pearl, float fSeconds);

    CellRef m_pUsedCell = nullptr;
    std::unique_ptr<CBoardAnimation> m_pFlare;
    std::unique_ptr<CBoardAnimation> m_pOuter;
    std::unique_ptr<CBoardAnimation> m_pInner;
    std::vector<Pearl> m_Pearls;
    float m_fElapsed = 0.0f;
    float m_fBaseDelay = 0.0f;
    float m_fLastFrameTime = 0.0f;
    float m_fGrowTime = 0.3f;
};
