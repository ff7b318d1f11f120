#include "Game/Board/gamecell.h"

#include "Core/vantile_frametimer.h"
#include "Game/Destructors/boardanimation.h"
#include "Game/Items/gameitem.h"

namespace {

const char* const DISINTEGRATE_TEXTURE = "cell_disintigrate.ifl";


}  // namespace

CGameCell::CGameCell(const D3DXVECTOR3& vPos, int nColumn, int nRow)
    : m_vPos(vPos), m_nColumn(nColumn), m_nRow(nRow), m_Background(nColumn, nRow)
{
}

CGameCell::~CGameCell()
{
    clearItems();
}

void CGameCell::setItem(CGameItem* pItem)
{
    if (pItem == m_pItem)
        return;
    delete m_pItem;
    m_pItem = pItem;
    if (m_pItem) {
        m_pItem->setListener(this);
        m_pItem->setCell(this);
    }
}

CGameItem* CGameCell::takeItem()
{
    CGameItem* pItem = m_pItem;
    m_pItem = nullptr;
    return pItem;
}

void CGameCell::startRemoval(int nState)
{
    delete m_pItemToDelete;
    m_pItemToDelete = takeItem();
    m_bDeleting = true;
    m_bDeleteDue = false;
    m_pItemToDelete->setState(nState);
}

void CGameCell::clearItems()
{
    setItem(nullptr);
    delete m_pItemToDelete;
    m_pItemToDelete = nullptr;
    m_bDeleting = false;
    m_bDeleteDue = false;
}

void CGameCell::resetBackground()
{
    m_bCleared = false;
    m_pDisintegrate.reset();
}

void CGameCell::clearBackground()
{
    if (m_bCleared)
        return;
    m_bCleared = true;
    m_pDisintegrate = std::make_unique<CBoardAnimation>(DISINTEGRATE_TEXTURE);
    m_pDisintegrate->setPosition(m_vPos);
}

bool CGameCell::isIdle() const
{
    return (!m_pItem || m_pItem->isIdle()) && !m_pDisintegrate;
}

void CGameCell::update()
{
    if (m_pItem)
        m_pItem->update(m_vPos);
    if (m_pItemToDelete && !m_bDeleteDue)
        m_pItemToDelete->update(m_vPos);
    if (m_bDeleteDue)
        deleteRemovedItem();
    if (m_pDisintegrate) {
        m_pDisintegrate->advance(Vantile::CFrameTimer::Instance().frameSeconds());
        if (m_pDisintegrate->isFinished()) {
            m_pDisintegrate.reset();
            if (m_pCallback)
                m_pCallback->onEvent("change_state");
        }
    }
}

void CGameCell::deleteRemovedItem()
{
    delete m_pItemToDelete;
    m_pItemToDelete = nullptr;
    m_bDeleting = false;
    m_bDeleteDue = false;
}

void CGameCell::renderBackground()
{
    m_Background.renderBackground(m_vPos, m_bCleared);
}

void CGameCell::renderItems()
{
    m_Background.renderHighlight(m_vPos);
    if (m_pDisintegrate)
        m_pDisintegrate->draw();
    if (m_pItem)
        m_pItem->render(m_vPos);
    if (m_pItemToDelete)
        m_pItemToDelete->render(m_vPos);
}

void CGameCell::onEvent(const std::string& strName)
{
    if (strName == "delete" || strName == "delete2" || strName == "delete_pickup")
        m_bDeleteDue = m_pItemToDelete != nullptr;
    if (m_pCallback)
        m_pCallback->onEvent(strName);
}

void CGameCell::setHintHighlight(bool bOn)
{
    m_Background.setHighlight(bOn);
    m_Background.setMarker(bOn);
}
