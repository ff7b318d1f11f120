// The sea star: along each of its four arms a particle appears every
// 0.05 s, outward from the star, and each cell goes 0.3 s after its
// particle appeared.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "Game/Destructors/celldestructor.h"

// One cell of an arm.
class CStarCellDestructor : public CBaseCellDestructor {
public:
    enum Direction { eLeft = 0, eUp = 1, eDown = 2, eRight = 3 };

    CStarCellDestructor(CellRef cell, float fAppearOffset, int nDirection);
    ~CStarCellDestructor() override;

    void update() override;
    void collectCells(CellRefList& cells, bool& bOrdinaryRemoval) override;
    bool isDone() const override;
    void renderFront() override;
    void dump() const override;

private:
    bool isDue() const { return m_fTime - m_fAppearOffset >= m_fMaxAppearOffset; }

    std::unique_ptr<CBoardAnimation> m_pParticle;
    CellRef m_pCell;
    float m_fMaxAppearOffset = 0.3f;
    float m_fAppearOffset;
    float m_fTime = 0.0f;
};

class CStarBonus : public CBaseCellDestructor {
public:
    // The arms in the order left, right, down, up, each from the used
    // cell outward; the used cell itself is left out of every arm.
    typedef std::array<CellRefList, 4> Arms;

    CStarBonus();
    ~CStarBonus() override;
    void start(CellRef usedCell, const Arms& arms);

    void update() override;
    void collectCells(CellRefList& cells, bool& bOrdinaryRemoval) override;
    bool isDone() const override { return m_Children.empty(); }
    void renderFront() override;
    void dump() const override;

private:
    std::vector<std::unique_ptr<CStarCellDestructor>> m_Children;
    std::unique_ptr<CBoardAnimation> m_pStar;
};
