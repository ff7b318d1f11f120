#include "gui/Menus/topscoreswindow.h"

#include <string>

#include <CEGUI/widgets/ListboxTextItem.h>
#include <CEGUI/widgets/MultiColumnList.h>

#include "Business/profilelist.h"
#include "Business/profilesstore.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Menus/menunames.h"

namespace {

const CEGUI::uint NAME_COLUMN = 0;
const CEGUI::uint SCORE_COLUMN = 1;

// A row's cell in the list's own brush: the look multiplies the brush by
// the selection colour, and white keeps it.
CEGUI::ListboxTextItem* makeItem(const CEGUI::String& strText)
{
    CEGUI::ListboxTextItem* pItem = new CEGUI::ListboxTextItem(strText);
    pItem->setSelectionBrushImage("Velmora/ListBoxBrush");
    pItem->setSelectionColours(CEGUI::Colour(1.0f, 1.0f, 1.0f, 1.0f));
    return pItem;
}

}  // namespace

void CTopScoresWindow::create()
{
    CBaseDialogWindow::create();
    m_pList = static_cast<CEGUI::MultiColumnList*>(createGuiWindow(GuiWidget::MultiColumnList));
    placeInPixels(m_pList, 297.0f, 244.0f, 221.0f, 139.0f);
    m_pList->setFont(DOMCASL_FONT);
    m_pList->addColumn("name", NAME_COLUMN, CEGUI::UDim(0.44f, 0.0f));
    m_pList->addColumn("score", SCORE_COLUMN, CEGUI::UDim(0.43f, 0.0f));
    m_pList->getListHeader()->setVisible(false);
    m_pList->setProperty(GuiProperty::HeaderHeight, "{0,0}");
    m_pList->setShowHorzScrollbar(false);
    m_pList->setUserColumnDraggingEnabled(false);
    m_pList->setUserSortControlEnabled(false);
    m_pList->setUserColumnSizingEnabled(false);
    m_pRoot->addChild(m_pList);
    placeInPixels(m_pOk, 353.0f, 448.0f, 99.0f, 46.0f);
    m_pCancel->setVisible(false);
    m_pBackground = createBackgroundSprite(MenuImage::HIGH_SCORES_BG, 277.0f, 189.0f);
}

void CTopScoresWindow::show()
{
    fillList();
    CBaseDialogWindow::show();
}

void CTopScoresWindow::fillList()
{
    m_pList->resetList();
    for (const CProfile* pProfile : m_pStore->profiles()->rankByScore()) {
        const CEGUI::uint nRow = m_pList->addRow();
        m_pList->setItem(makeItem(NameToGui(pProfile->getName())), NAME_COLUMN, nRow);
        m_pList->setItem(makeItem(std::to_string(pProfile->m_nScore).c_str()), SCORE_COLUMN, nRow);
    }
}
