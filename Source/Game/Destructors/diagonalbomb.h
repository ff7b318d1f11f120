// The turtle (power-up 2): a turtle walks each of the four diagonals out
// from the used cell and takes the cells it passes.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "Game/Destructors/celldestructor.h"

class CDiagonalBomb : public CBaseCellDestructor {
public:
    // The rays up-right, down-right, down-left, up-left. A ray holds the
    // cells the turtle takes; vEnd is where it walks to.
    struct Ray {
        CellRefList cells;
        D3DXVECTOR3 vEnd = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    };
    typedef std::array<Ray, 4> Rays;

    CDiagonalBomb();
    ~CDiagonalBomb() override;
    // Rays left empty get no turtle.
    void start(CellRef usedCell, const Rays& rays);

    void update() override;
    void collectCells(CellRefList& cells, bool& bOrdinaryRemoval) override;
    bool isDone() const override { return m_Children.empty(); }
    void renderFront() override;
    void dump() const override;

private:
    std::vector<std::unique_ptr<CCellDestructor>> m_Children;
    std::unique_ptr<CBoardAnimation> m_pFlare;
    CellRef m_pUsedCell = nullptr;
    bool m_bDelivered = false;
};
