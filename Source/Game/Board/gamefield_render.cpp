// Drawing the board, and its diagnostic dump.
#include "Game/Board/gamefield.h"

#include "Core/vantile_log.h"
#include "Game/Board/boardaquarium.h"
#include "Game/Board/gamecell.h"
#include "Game/Destructors/boardanimation.h"
#include "Game/Items/animationmanager.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"
#include "Game/Sprites/spritevbarray.h"

// Column by column, each from the top row down.
template <class Visit>
void CGameField::forEachExistingCell(Visit visit) const
{
    for (int nColumn = 0; nColumn < SIZE; ++nColumn)
        for (int nRow = 0; nRow < SIZE; ++nRow)
            if (m_ppCells[nRow][nColumn] && m_ppCells[nRow][nColumn]->exists())
                visit(m_ppCells[nRow][nColumn]);
}

// The aquarium behind, backgrounds, animations and the destructors' back
// halves, the items column by column, the bursts of cleared items, the
// destructors' front halves, the trunk, the atlas batches the item layers
// filled during the frame, and last the sinking food. Sprites draw in the
// order they are queued, so this order is the layering.
void CGameField::render()
{
    if (m_pAquarium)
        m_pAquarium->drawBehindBoard();
    // Without visuals (a headless board) cells and items draw nothing, so
    // their walks are skipped. Effects still run theirs: some keep time as
    // they draw.
    const bool bDrawing = CAnimationManager::Instance().visualSource() != nullptr;
    if (bDrawing)
        forEachExistingCell([](CGameCell* pCell) { pCell->renderBackground(); });
    for (auto& pAnimation : m_Animations)
        pAnimation->draw();
    for (const DestructorList* pList : {&m_DestructorsToDelete, &m_Destructors})
        for (auto& pDestructor : *pList)
            pDestructor->renderBack();
    if (bDrawing)
        forEachExistingCell([](CGameCell* pCell) { pCell->renderItems(); });
    renderBursts();
    for (const DestructorList* pList : {&m_DestructorsToDelete, &m_Destructors})
        for (auto& pDestructor : *pList)
            pDestructor->renderFront();
    m_TrunkEffect.updateAndRender();
    CSpriteVBArray::Instance().submitAll();
    if (m_pAquarium)
        m_pAquarium->drawInFrontOfBoard();
}

namespace {

void writeLine(const std::string& strLine)
{
    Vantile::CLog::Instance().Write(Vantile::LOG_INFO, strLine);
}

void dumpItem(const char* szLabel, const CGameItem* pItem)
{
    writeLine(std::string("!+ ") + szLabel + codeText(codeFromItemType(pItem->getType())));
    writeLine("!+ itemPos: " + DestructorUtil::vectorText(pItem->position()));
}

}  // namespace

void CGameField::dump() const
{
    writeLine("!+ ========== dumping game field ===========");
    for (int i = 0; i < SIZE; ++i) {
        for (int j = 0; j < SIZE; ++j) {
            const CGameCell* pCell = m_ppCells[i][j];
            if (!pCell || !pCell->exists()) {
                writeLine(Vantile::FormatString("!+ m_ppCells[%i][%i] is disabled", i, j));
                continue;
            }
            writeLine(Vantile::FormatString("!+ m_ppCells[%i][%i] {", i, j));
            if (pCell->item())
                dumpItem("type: ", pCell->item());
            if (pCell->itemToDelete())
                dumpItem("toDeleteType: ", pCell->itemToDelete());
            writeLine("!+ }");
        }
    }
    writeLine("!+ cell destructors");
    for (const auto& pDestructor : m_Destructors)
        pDestructor->dump();
    writeLine("!+ cell destructors to delete");
    for (const auto& pDestructor : m_DestructorsToDelete)
        pDestructor->dump();
    writeLine("!+ ========== end of field dump ============");
}
