// The board's storage, level entry, held-back events and frame update.
#include "Game/Board/gamefield.h"

#include <algorithm>

#include "Core/vantile_log.h"
#include "Game/Context/gameevents.h"
#include "Game/Board/boardsounds.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/boardanimation.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/Items/animationmanager.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"

namespace {

const D3DXVECTOR3 TRUNK_HIDDEN(0.0f, -1000.0f, 0.0f);

}  // namespace

CGameField::CGameField()
{
    for (auto& row : m_ppCells)
        row.fill(nullptr);
}

CGameField::~CGameField()
{
    reset();
    deleteCells();
}

D3DXVECTOR3 CGameField::cellCentre(int nRow, int nColumn)
{
    return D3DXVECTOR3((nColumn - 4) * CELL_SIZE + 40.0f, (4 - nRow) * CELL_SIZE, 0.0f);
}

void CGameField::deleteCells()
{
    CTooltipManager::Instance().forgetCells();
    for (CGameCell* pCell : m_Cells)
        delete pCell;
    m_Cells.clear();
    for (auto& row : m_ppCells)
        row.fill(nullptr);
}

void CGameField::initCells(const std::string& strPicture)
{
    CAnimationManager::Instance().setActiveItemTypes("0102030405060708090a");
    deleteCells();
    m_strPicture = strPicture;
    for (int nRow = 0; nRow < SIZE; ++nRow) {
        for (int nColumn = 0; nColumn < SIZE; ++nColumn) {
            CGameCell* pCell = new CGameCell(cellCentre(nRow, nColumn), nColumn, nRow);
            pCell->background().setPicture(strPicture);
            m_ppCells[nRow][nColumn] = pCell;
            m_Cells.push_back(pCell);
        }
    }
    // The tooltips point at cells: they are made anew for these, keeping
    // what the player has seen.
    CTooltipManager::Instance().rebuild(std::vector<IHintCell*>(m_Cells.begin(), m_Cells.end()));
}

void CGameField::Load(const std::string& strFileName)
{
    CLevel::Cells cells = existingCells();
    m_Level.loadFile(strFileName, cells);
    applyLevel(cells);
}

void CGameField::LoadBytes(const std::string& strFileName, const std::string& strBytes)
{
    CLevel::Cells cells = existingCells();
    m_Level.loadBytes(strFileName, strBytes.data(), strBytes.size(), cells);
    applyLevel(cells);
}

// A file without usable cells leaves every cell's existence as it was.
CLevel::Cells CGameField::existingCells() const
{
    CLevel::Cells cells;
    for (size_t k = 0; k < m_Cells.size() && k < cells.size(); ++k)
        cells[k].m_bExists = m_Cells[k]->exists();
    return cells;
}

// The level's item types are already active; the records say what each
// cell starts with.
void CGameField::applyLevel(const CLevel::Cells& cells)
{
    if (m_Cells.empty())
        initCells(m_strPicture);
    for (size_t k = 0; k < cells.size(); ++k) {
        CGameCell* pCell = m_Cells[k];
        pCell->clearItems();
        pCell->resetBackground();
        pCell->setExists(cells[k].m_bExists);
        if (cells[k].m_bExists && cells[k].m_nType != eNoItem) {
            CGameItem* pItem = new CGameItem(cells[k].m_nType);
            pItem->setHits(cells[k].m_nLives > 1 ? 2 : 1);
            pCell->setItem(pItem);
        }
    }
    buildSegments();
    m_nSpecialsMade = 0;
    checkLevel();
    fillEmptyCells();
}

// Column segments go from the bottom up, row segments from the left; a
// hole ends a segment.
void CGameField::buildSegments()
{
    m_ColumnSegments.clear();
    m_RowSegments.clear();
    for (int nColumn = 0; nColumn < SIZE; ++nColumn) {
        Segment segment;
        for (int nRow = SIZE - 1; nRow >= -1; --nRow) {
            CGameCell* pCell = nRow >= 0 ? m_ppCells[nRow][nColumn] : nullptr;
            if (pCell && pCell->exists()) {
                segment.push_back(pCell);
            } else if (!segment.empty()) {
                m_ColumnSegments.push_back(segment);
                segment.clear();
            }
        }
    }
    for (int nRow = 0; nRow < SIZE; ++nRow) {
        Segment segment;
        for (int nColumn = 0; nColumn <= SIZE; ++nColumn) {
            CGameCell* pCell = nColumn < SIZE ? m_ppCells[nRow][nColumn] : nullptr;
            if (pCell && pCell->exists()) {
                segment.push_back(pCell);
            } else if (!segment.empty()) {
                m_RowSegments.push_back(segment);
                segment.clear();
            }
        }
    }
}

void CGameField::reset()
{
    m_bBusy = false;
    m_bEvaluationDue = false;
    m_pSelected = m_pSwapFirst = m_pSwapSecond = m_pLastSwapTarget = nullptr;
    m_nFalling = 0;
    m_bMouseDown = false;
    m_bTimeFreezeNext = false;
    m_Destructors.clear();
    m_DestructorsToDelete.clear();
    m_Animations.clear();
    m_Bursts.clear();
    m_Popups.clear();
    m_nChain = 0;
    m_Events.clear();
    m_TrunkEffect.reset();
}

void CGameField::addBoardEvent(int nCode)
{
    if (std::find(m_Events.begin(), m_Events.end(), nCode) == m_Events.end())
        m_Events.push_back(nCode);
    m_bBusy = true;
}

// Until the session answers the evaluation request, the board takes no
// new move: one started now would be evaluated while still moving.
void CGameField::passHeldEvents()
{
    for (int nCode : m_Events) {
        CGameContext::Instance().postEvent(nCode);
        m_bEvaluationDue = m_bEvaluationDue || nCode == eEventEvaluateBoard;
    }
    m_Events.clear();
    m_bBusy = false;
}

bool CGameField::allCellsIdle() const
{
    return std::all_of(m_Cells.begin(), m_Cells.end(),
                       [](const CGameCell* p) { return !p->exists() || p->isIdle(); });
}

bool CGameField::isSettled() const
{
    return m_nFalling == 0 && m_Destructors.empty() && allCellsIdle() && !m_TrunkEffect.isActive();
}

void CGameField::playSound(const std::string& strName, float fVolume) const
{
    if (m_pSounds)
        m_pSounds->playSound(strName, fVolume);
    else
        CGameContext::Instance().playSound(strName, false, fVolume);
}

CellRef CGameField::refOf(const CGameCell* pCell) const
{
    return &m_ppCells[pCell->row()][pCell->column()];
}

CGameCell* CGameField::cellAt(const D3DXVECTOR3& vPoint) const
{
    const float fHalf = CELL_SIZE / 2.0f;
    for (CGameCell* pCell : m_Cells) {
        const D3DXVECTOR3& vCentre = pCell->position();
        if (vPoint.x > vCentre.x - fHalf && vPoint.x < vCentre.x + fHalf && vPoint.y > vCentre.y - fHalf &&
            vPoint.y < vCentre.y + fHalf)
            return pCell;
    }
    return nullptr;
}

bool CGameField::isSelectable(const CGameCell* pCell) const
{
    return pCell && pCell->exists() && pCell->item() && pCell->isIdle() && pCell->item()->getType() != eTrunk;
}

bool CGameField::areNeighbours(const CGameCell* pA, const CGameCell* pB)
{
    const int nColumns = std::abs(pA->column() - pB->column());
    const int nRows = std::abs(pA->row() - pB->row());
    return (nColumns == 1 && nRows == 0) || (nColumns == 0 && nRows == 1);
}

void CGameField::update()
{
    if (!m_TrunkEffect.isActive())
        CGameContext::Instance().m_vTrunk = TRUNK_HIDDEN;
    for (CGameCell* pCell : m_Cells)
        if (pCell->exists())
            pCell->update();
    if (m_bBusy && m_Destructors.empty() && allCellsIdle())
        passHeldEvents();
    updateDestructors();
    updateBursts();
}

void CGameField::onEvent(const std::string& strName)
{
    if (strName == "falling") {
        playSound("column_down.ogg", 1.0f);
        --m_nFalling;
        CGameCell* pTrunkCell = nullptr;
        // A trunk still on its way down lands first; another item's landing
        // must not lift it out of the air.
        if (trunkAtBottom(pTrunkCell) && pTrunkCell->item()->isIdle()) {
            CGameContext::Instance().postEvent(eEventTrunkHome);
            if (m_pSounds)
                m_pSounds->fadeOutAllMusic(0.2f);
            else
                CGameContext::Instance().fadeOutAllMusic(0.2f);
            m_TrunkEffect.start(pTrunkCell);
        }
        if (m_nFalling <= 0) {
            m_nFalling = 0;
            addBoardEvent(eEventEvaluateBoard);
        }
    } else if (strName == "change_state") {
        addBoardEvent(eEventEvaluateBoard);
    }
}
