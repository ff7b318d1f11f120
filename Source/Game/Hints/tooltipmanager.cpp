#include "Game/Hints/tooltipmanager.h"

#include <algorithm>

#include "Core/vantile_log.h"
#include "Game/Hints/hintcell.h"
#include "Game/Items/itemtype.h"
#include "Game/Sprites/sprite.h"

const D3DXVECTOR2 CTooltipManager::BACKGROUND_SIZE = D3DXVECTOR2(320.0f, 170.0f);
const D3DXVECTOR2 CTooltipManager::MARKER_SIZE = D3DXVECTOR2(28.0f, 28.0f);

namespace {

// The possible-move hint's example cells, counted from the top left.
const int EXAMPLE_ROW = 2;
const int EXAMPLE_COLUMN = 5;
const int BOARD_SIZE = 8;
// A tooltip stands this far beside the cell it explains.
const float CELL_GAP = 30.0f;

D3DXVECTOR3 V(float x, float y)
{
    return D3DXVECTOR3(x, y, 0.0f);
}

}  // namespace

CTooltipManager& CTooltipManager::Instance()
{
    static CTooltipManager manager;
    return manager;
}

CTooltipManager::CTooltipManager() = default;
CTooltipManager::~CTooltipManager() = default;

CTooltipManager::SEntry* CTooltipManager::add(int nTextId, const D3DXVECTOR3& vPosition)
{
    m_Entries.emplace_back(new SEntry);
    SEntry* pEntry = m_Entries.back().get();
    pEntry->nTextId = nTextId;
    pEntry->vPosition = vPosition;
    pEntry->nNumber = int(m_Entries.size());
    return pEntry;
}

// The order of creation is the order of the characters in the profile.
void CTooltipManager::create(const std::vector<IHintCell*>& cells)
{
    m_ByType[eTrunk] = add(38, V(0, 0));
    m_ByType[eHorz] = add(53, V(0, 0));
    m_ByType[eVertHorz] = add(37, V(0, 0));
    m_ByType[KEY_DOUBLE_ITEM] = add(54, V(0, 0));
    m_ByType[eTimeFreeze] = add(42, V(0, 0));
    SEntry* pMove = add(35, V(50.0f - m_vBackground.x, 60.0f + m_vBackground.y));
    if (cells.size() >= size_t(BOARD_SIZE * BOARD_SIZE)) {
        pMove->pFirstCell = cells[size_t(EXAMPLE_ROW * BOARD_SIZE + EXAMPLE_COLUMN)];
        pMove->pSecondCell = cells[size_t(EXAMPLE_ROW * BOARD_SIZE + EXAMPLE_COLUMN + 1)];
    }
    m_ByHint[HINT_MOVE] = pMove;
    m_ByHint[HINT_POWERUP] = add(40, V(50, 50));
    m_ByHint[HINT_MINIGAME_START] = add(55, V(-100, 150));
    m_ByHint[HINT_MINIGAME_SOLVED] = add(56, V(-100, 150));
    m_MoveHints.push_back(add(39, V(50, 50)));
    m_bEnabled = true;
}

void CTooltipManager::clear()
{
    m_pCurrent = nullptr;
    m_pBackground.reset();
    m_pClose.reset();
    m_pCheck.reset();
    m_Fading.clear();
    m_ByType.clear();
    m_ByHint.clear();
    m_MoveHints.clear();
    m_Entries.clear();
}

void CTooltipManager::rebuild(const std::vector<IHintCell*>& cells)
{
    const std::string strSaved = save();
    const bool bEnabled = m_bEnabled;
    clear();
    create(cells);
    if (!strSaved.empty()) {
        load(strSaved);
        m_bEnabled = bEnabled;
    }
}

void CTooltipManager::forgetCells()
{
    for (std::unique_ptr<SEntry>& pEntry : m_Entries) {
        pEntry->pFirstCell = nullptr;
        pEntry->pSecondCell = nullptr;
    }
}

// With the switch off every tooltip is saved as seen.
std::string CTooltipManager::save() const
{
    std::string strText;
    for (const std::unique_ptr<SEntry>& pEntry : m_Entries)
        strText += !pEntry->bShown && m_bEnabled ? '1' : '0';
    return strText;
}

// Only a "1" keeps a tooltip to come: an entry the text has no character
// for counts as seen, and characters beyond the entries (a later
// version's) are ignored.
void CTooltipManager::load(const std::string& strText)
{
    for (size_t i = 0; i < m_Entries.size(); ++i)
        m_Entries[i]->bShown = i >= strText.size() || strText[i] != '1';
}

CTooltipManager::SEntry* CTooltipManager::hint(int nHint) const
{
    const auto found = m_ByHint.find(nHint);
    return found == m_ByHint.end() ? nullptr : found->second;
}

void CTooltipManager::placeNextTo(SEntry& entry, const D3DXVECTOR3& vPoint) const
{
    entry.vPosition.x = vPoint.x >= 0.0f ? vPoint.x - (m_vBackground.x + CELL_GAP) : vPoint.x + CELL_GAP;
    entry.vPosition.y = vPoint.y >= 0.0f ? vPoint.y - CELL_GAP : vPoint.y - CELL_GAP + m_vBackground.y;
    entry.vAnchor = V(vPoint.x, vPoint.y);
}

void CTooltipManager::highlight(const SEntry& entry, bool bOn)
{
    for (IHintCell* pCell : {entry.pFirstCell, entry.pSecondCell})
        if (pCell)
            pCell->setHintHighlight(bOn);
}

// A key without a pending entry also ends the current tooltip.
void CTooltipManager::showForType(int nKey, IHintCell* pCell)
{
    if (!m_bEnabled || !pCell)
        return;
    const auto found = m_ByType.find(nKey);
    m_pCurrent = found != m_ByType.end() && !found->second->bShown ? found->second : nullptr;
    if (!m_pCurrent)
        return;
    Vantile::CLog::Instance().Write(Vantile::LOG_INFO, Vantile::FormatString("Creating tooltip for type [%d]", nKey));
    m_pCurrent->pFirstCell = pCell;
    highlight(*m_pCurrent, true);
    placeNextTo(*m_pCurrent, pCell->position());
}

// The possible-move hint may show any number of times.
void CTooltipManager::showHint(IHintCell* pCell, IHintCell* pOther)
{
    SEntry* pEntry = hint(HINT_MOVE);
    if (m_pCurrent || !pEntry || !pCell)
        return;
    if (m_bEnabled)
        pEntry->bShown = false;
    if (pEntry->bShown)
        return;
    m_pCurrent = pEntry;
    pointAt(*pEntry, pCell, pOther);
}

void CTooltipManager::pointMoveHint(IHintCell* pCell, IHintCell* pOther)
{
    if (pCell && isShowingHint(HINT_MOVE))
        pointAt(*m_pCurrent, pCell, pOther);
}

void CTooltipManager::pointAt(SEntry& entry, IHintCell* pCell, IHintCell* pOther)
{
    highlight(entry, false);
    placeNextTo(entry, pCell->position());
    entry.pFirstCell = pCell;
    entry.pSecondCell = pOther;
    highlight(entry, true);
}

void CTooltipManager::showNumbered(int nHint)
{
    if (!m_bEnabled)
        return;
    SEntry* pEntry = hint(nHint);
    m_pCurrent = pEntry && !pEntry->bShown ? pEntry : nullptr;
    if (m_pCurrent)
        highlight(*m_pCurrent, true);
}

void CTooltipManager::makePending(int nHint)
{
    SEntry* pEntry = hint(nHint);
    if (m_bEnabled && pEntry)
        pEntry->bShown = false;
}

void CTooltipManager::showMoveHint()
{
    if (!m_bEnabled)
        return;
    for (SEntry* pEntry : m_MoveHints) {
        if (!pEntry->bShown) {
            m_pCurrent = pEntry;
            return;
        }
    }
}

int CTooltipManager::pendingMoveHints() const
{
    int nCount = 0;
    for (const SEntry* pEntry : m_MoveHints)
        nCount += pEntry->bShown ? 0 : 1;
    return nCount;
}

void CTooltipManager::close()
{
    if (!m_pCurrent)
        return;
    m_pCurrent->bShown = true;
    // The possible-move hint may close again while it still fades.
    if (std::find(m_Fading.begin(), m_Fading.end(), m_pCurrent) == m_Fading.end())
        m_Fading.push_back(m_pCurrent);
    m_pCurrent = nullptr;
}

void CTooltipManager::resetTooltips()
{
    m_pCurrent = nullptr;
    m_bEnabled = true;
    for (std::unique_ptr<SEntry>& pEntry : m_Entries)
        pEntry->bShown = false;
}
