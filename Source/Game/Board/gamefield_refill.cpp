// Falls, drop-ins and the trunk; the level check and the initial fill.
#include "Game/Board/gamefield.h"

#include "Core/vantile_exception.h"
#include "Core/vantile_random.h"
#include "Game/Board/gamecell.h"
#include "Game/Items/animationmanager.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"

namespace {

const D3DXVECTOR3 ORIGIN(0.0f, 0.0f, 0.0f);
const float FALL_SPEED = 100.0f;
const float DROP_IN_HEIGHT = 270.0f;
// Re-draws per cell before the initial fill gives up on a level whose
// item types cannot avoid runs.
const int MAX_FILL_TRIES = 100;

}  // namespace

int CGameField::drawItemType()
{
    CAnimationManager& manager = CAnimationManager::Instance();
    std::vector<int>& bag = manager.refillItemTypes();
    if (bag.empty())
        bag = manager.activeItemTypes();
    if (bag.empty())
        return eNoItem;
    const size_t nIndex = static_cast<size_t>(Vantile::Random()) % bag.size();
    const int nType = bag[nIndex];
    bag.erase(bag.begin() + nIndex);
    return nType;
}

void CGameField::refill()
{
    // 1. Every column segment, bottom segments first.
    Segment spawns;
    for (size_t i = 0; i < m_ColumnSegments.size(); ++i)
        fillSegment(i, spawns);
    if (spawns.empty())
        return;
    // 2. One top cell that got a new item gets the trunk instead.
    const size_t nChosen = spawns.size() == 1 ? 0 : static_cast<size_t>(Vantile::Random()) % spawns.size();
    spawns[nChosen]->setItem(new CGameItem(eTrunk));
    std::swap(spawns[0], spawns[nChosen]);
    for (CGameCell* pCell : spawns)
        dropIn(pCell);
}

// The lowest item above a gap falls first; a gap with nothing above gets
// the trunk from the segment above the hole, or a new item.
void CGameField::fillSegment(size_t nSegment, Segment& spawns)
{
    const Segment& segment = m_ColumnSegments[nSegment];
    for (;;) {
        CGameCell* pEmpty = lowestEmpty(segment);
        if (!pEmpty)
            return;
        CGameCell* pSource = lowestItemAbove(segment, pEmpty);
        if (!pSource)
            pSource = trunkAbove(nSegment);
        if (pSource) {
            startFall(pEmpty, pSource);
            continue;
        }
        const int nType = drawItemType();
        if (nType == eNoItem)
            return;
        pEmpty->setItem(new CGameItem(nType));
        if (pEmpty == segment.back() && isTopOfColumn(pEmpty) && maySpawnTrunk())
            spawns.push_back(pEmpty);
        else
            dropIn(pEmpty);
    }
}

CGameCell* CGameField::lowestEmpty(const Segment& segment) const
{
    for (CGameCell* pCell : segment)
        if (!pCell->item())
            return pCell;
    return nullptr;
}

CGameCell* CGameField::lowestItemAbove(const Segment& segment, const CGameCell* pEmpty) const
{
    for (CGameCell* pCell : segment)
        if (pCell->row() < pEmpty->row() && pCell->item())
            return pCell;
    return nullptr;
}

// Only the trunk crosses holes.
CGameCell* CGameField::trunkAbove(size_t nSegment) const
{
    if (nSegment + 1 >= m_ColumnSegments.size())
        return nullptr;
    const Segment& above = m_ColumnSegments[nSegment + 1];
    if (above.front()->column() != m_ColumnSegments[nSegment].front()->column())
        return nullptr;
    const CGameItem* pItem = above.front()->item();
    return pItem && pItem->getType() == eTrunk ? above.front() : nullptr;
}

// An item that is still falling only changes its goal; counting it again
// would leave the board waiting for a landing that never comes.
void CGameField::startFall(CGameCell* pTo, const CGameCell* pFrom)
{
    CGameItem* pItem = const_cast<CGameCell*>(pFrom)->takeItem();
    if (pItem->getState() != eFalling)
        ++m_nFalling;
    pTo->setItem(pItem);
    pItem->setState(eFalling, pFrom->position() - pTo->position(), ORIGIN, 0.0f, FALL_SPEED);
}

void CGameField::dropIn(CGameCell* pCell)
{
    const D3DXVECTOR3 vFrom(0.0f, pCell->row() * CELL_SIZE + pCell->position().y + DROP_IN_HEIGHT, 0.0f);
    pCell->item()->setState(eFalling, vFrom, ORIGIN, 0.0f, FALL_SPEED);
    ++m_nFalling;
}

bool CGameField::maySpawnTrunk() const
{
    if (m_TrunkEffect.isActive())
        return false;
    for (const CGameCell* pCell : m_Cells) {
        if (!pCell->exists())
            continue;
        if (!pCell->isCleared() || (pCell->item() && pCell->item()->getType() == eTrunk))
            return false;
    }
    return true;
}

bool CGameField::isTopOfColumn(const CGameCell* pCell) const
{
    for (int nRow = 0; nRow < pCell->row(); ++nRow)
        if (m_ppCells[nRow][pCell->column()]->exists())
            return false;
    return true;
}

bool CGameField::isBottomOfColumn(const CGameCell* pCell) const
{
    for (int nRow = pCell->row() + 1; nRow < SIZE; ++nRow)
        if (m_ppCells[nRow][pCell->column()]->exists())
            return false;
    return true;
}

bool CGameField::trunkAtBottom(CGameCell*& pCell) const
{
    for (const Segment& segment : m_ColumnSegments) {
        CGameCell* pBottom = segment.front();
        if (pBottom->item() && pBottom->item()->getType() == eTrunk && isBottomOfColumn(pBottom)) {
            pCell = pBottom;
            return true;
        }
    }
    return false;
}

void CGameField::checkLevel() const
{
    if (hasRuns())
        throw Vantile::Exception(0, "level contains matches", "CGameField::checkLevel()", __FILE__, __LINE__);
}

void CGameField::fillEmptyCells()
{
    for (CGameCell* pCell : m_Cells) {
        if (!pCell->exists())
            continue;
        pCell->setCallback(this);
        if (pCell->item())
            continue;
        int nTries = 0;
        do {
            const int nType = drawItemType();
            if (nType == eNoItem || ++nTries > MAX_FILL_TRIES)
                throw Vantile::Exception(0, "Incorrect level file", "CGameField::fillEmptyCells()", __FILE__,
                                         __LINE__);
            pCell->setItem(new CGameItem(nType));
        } while (hasRuns());
    }
}
