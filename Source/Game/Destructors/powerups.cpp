// The board's side of the power-ups: which cells each one takes. Targets
// are only ever cells a destructor may take, so no power-up reaches the
// trunk, a hole or an item already on its way.
#include "Game/Destructors/powerups.h"

#include <algorithm>
#include <cstdlib>

#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Destructors/areabomb.h"
#include "Game/Destructors/diagonalbomb.h"
#include "Game/Destructors/lightningbomb.h"
#include "Game/Destructors/onetypebomb.h"
#include "Game/Destructors/splinterbomb.h"
#include "Game/Items/gameitem.h"

namespace {

const int LAST = CGameField::SIZE - 1;
const int ANY_TYPE = -1;

// 1 marks the bolt running up-right from the bottom-left corner.
const int BOLT[8][8] = {
    {0, 0, 0, 0, 0, 1, 1, 1}, {0, 0, 0, 0, 1, 1, 0, 0}, {0, 0, 0, 1, 1, 0, 0, 0}, {0, 0, 0, 1, 0, 0, 0, 0},
    {0, 0, 0, 1, 0, 0, 0, 0}, {0, 0, 1, 0, 0, 0, 0, 0}, {0, 1, 1, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0},
};

bool onBoard(int nColumn, int nRow)
{
    return nColumn >= 0 && nColumn <= LAST && nRow >= 0 && nRow <= LAST;
}

bool isTarget(const CGameField& field, const CGameCell* pCell, CellRef usedCell, int nType = ANY_TYPE)
{
    return field.refOf(pCell) != usedCell && field.isDestroyable(pCell) &&
           (nType == ANY_TYPE || pCell->item()->getType() == nType);
}

// Columns c0..c1, each with its rows r0..r1 ascending, clipped to the board.
CellRefList scanBlock(const CGameField& field, CellRef usedCell, int c0, int c1, int r0, int r1,
                      int nType = ANY_TYPE)
{
    CellRefList cells;
    for (int c = std::max(0, c0); c <= std::min(LAST, c1); ++c)
        for (int r = std::max(0, r0); r <= std::min(LAST, r1); ++r)
            if (isTarget(field, field.cell(r, c), usedCell, nType))
                cells.push_back(field.refOf(field.cell(r, c)));
    return cells;
}

// One random cell from each of the four quadrants that share the used
// cell's row and column.
CellRefList splinterTargets(const CGameField& field, CellRef usedCell)
{
    const int c = (*usedCell)->column(), r = (*usedCell)->row();
    const int quadrants[4][4] = {{0, c, 0, r}, {c, LAST, 0, r}, {0, c, r, LAST}, {c, LAST, r, LAST}};
    CellRefList targets;
    for (const auto& q : quadrants) {
        const CellRefList cells = scanBlock(field, usedCell, q[0], q[1], q[2], q[3]);
        if (!cells.empty())
            targets.push_back(cells[DestructorUtil::randomPick(cells.size())]);
    }
    return targets;
}

CellRefList areaTargets(const CGameField& field, CellRef usedCell)
{
    const int c = (*usedCell)->column(), r = (*usedCell)->row();
    return scanBlock(field, usedCell, c - 1, c + 1, r - 1, r + 1);
}

CellRefList oneTypeTargets(const CGameField& field, CellRef usedCell)
{
    return scanBlock(field, usedCell, 0, LAST, 0, LAST, (*usedCell)->item()->getType());
}

// Each ray runs on over enabled cells to the board's edge; the turtle walks
// all of it but takes only the cells a destructor may take.
CDiagonalBomb::Rays diagonalRays(const CGameField& field, CellRef usedCell)
{
    static const int STEPS[4][2] = {{1, -1}, {1, 1}, {-1, 1}, {-1, -1}};
    CDiagonalBomb::Rays rays;
    for (size_t i = 0; i < rays.size(); ++i) {
        int c = (*usedCell)->column() + STEPS[i][0], r = (*usedCell)->row() + STEPS[i][1];
        for (; onBoard(c, r) && field.cell(r, c)->exists(); c += STEPS[i][0], r += STEPS[i][1]) {
            rays[i].vEnd = field.cell(r, c)->position();
            if (isTarget(field, field.cell(r, c), usedCell))
                rays[i].cells.push_back(field.refOf(field.cell(r, c)));
        }
    }
    return rays;
}

// The bolt runs from the used cell towards the board's far side: right
// from the left half, up from the lower half. Running up-right or
// down-left it follows the template as drawn, otherwise transposed.
CellRefList lightningTargets(const CGameField& field, CellRef usedCell, bool bLeftHalf, bool bLowerHalf)
{
    const int c0 = (*usedCell)->column(), r0 = (*usedCell)->row();
    const int nColumnStep = bLeftHalf ? 1 : -1, nRowStep = bLowerHalf ? -1 : 1;
    const bool bTransposed = bLeftHalf != bLowerHalf;
    CellRefList targets;
    for (int c = c0; onBoard(c, r0); c += nColumnStep)
        for (int r = r0; onBoard(c, r); r += nRowStep) {
            const int dx = std::abs(c - c0), dy = std::abs(r - r0);
            const bool bBolt = bTransposed ? BOLT[LAST - dx][dy] : BOLT[LAST - dy][dx];
            if (bBolt && isTarget(field, field.cell(r, c), usedCell))
                targets.push_back(field.refOf(field.cell(r, c)));
        }
    return targets;
}

template <class TBomb>
std::unique_ptr<CBaseCellDestructor> started(std::unique_ptr<TBomb> pBomb, CellRef usedCell,
                                             const CellRefList& targets)
{
    pBomb->start(usedCell, targets);
    return pBomb;
}

std::unique_ptr<CBaseCellDestructor> makeLightning(const CGameField& field, CellRef usedCell)
{
    const D3DXVECTOR3& vAt = (*usedCell)->position();
    const bool bLeftHalf = vAt.x <= 4.0f, bLowerHalf = vAt.y <= 4.0f;
    return started(std::make_unique<CLightningBomb>(bLeftHalf, bLowerHalf), usedCell,
                   lightningTargets(field, usedCell, bLeftHalf, bLowerHalf));
}

std::unique_ptr<CBaseCellDestructor> makeDiagonal(const CGameField& field, CellRef usedCell)
{
    auto pBomb = std::make_unique<CDiagonalBomb>();
    pBomb->start(usedCell, diagonalRays(field, usedCell));
    return pBomb;
}

}  // namespace

std::unique_ptr<CBaseCellDestructor> MakePowerup(const CGameField& field, int nPowerup, CellRef usedCell)
{
    if (!usedCell || !field.isDestroyable(*usedCell))
        return nullptr;
    switch (nPowerup) {
    case ePowerupSeaUrchin:
        return started(std::make_unique<CSplinterBomb>(), usedCell, splinterTargets(field, usedCell));
    case ePowerupMussel:
        return started(std::make_unique<COneTypeBomb>(), usedCell, oneTypeTargets(field, usedCell));
    case ePowerupTurtle:
        return makeDiagonal(field, usedCell);
    case ePowerupStingray:
        return makeLightning(field, usedCell);
    case ePowerupCuttlefish:
        return started(std::make_unique<CBomb>(), usedCell, areaTargets(field, usedCell));
    default:
        return nullptr;
    }
}

const char* PowerupSound(int nPowerup)
{
    static const char* const SOUNDS[POWERUP_COUNT] = {"use_seaurchin.ogg", "use_mussel.ogg", "use_turtle.ogg",
                                                      "use_scat.ogg", "use_cara.ogg"};
    return nPowerup >= 0 && nPowerup < POWERUP_COUNT ? SOUNDS[nPowerup] : "";
}
