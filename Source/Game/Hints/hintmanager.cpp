#include "Game/Hints/hintmanager.h"

#include <algorithm>

#include "Game/Sprites/sprite.h"

namespace {

// The text sits inside the bubble's border.
const float TEXT_MARGIN_X = 33.0f;
const float TEXT_MARGIN_Y = 18.0f;
const float TEXT_INSET = 5.0f;
const float BUBBLE_GAP = 10.0f;
// The chooser's group, whose bubbles all open at one fixed anchor.
const int CHOOSER_GROUP = 0;

}  // namespace

CHintManager::CItem::CItem(int nGroup, const std::string& strMarker, const std::string& strText,
                           IHintEnableCallback* pEnableTest)
    : m_nGroup(nGroup), m_strMarker(strMarker), m_strText(strText), m_pEnableTest(pEnableTest)
{
}

CHintManager::CItem::~CItem()
{
    if (m_pTextWindow && m_bAttached)
        m_pTextWindow->detach();
}

bool CHintManager::CItem::isActive() const
{
    return m_bEnabled && (!m_pEnableTest || m_pEnableTest->isEnabled());
}

// The marker's size is known once it has been drawn; before that the
// bubble is placed as if it had none.
D3DXVECTOR2 CHintManager::CItem::markerSize() const
{
    if (!m_pMarker)
        return D3DXVECTOR2(0.0f, 0.0f);
    return D3DXVECTOR2(m_pMarker->getWidth(), m_pMarker->getHeight());
}

D3DXVECTOR3 CHintManager::CItem::bubblePosition() const
{
    const D3DXVECTOR2 vSize = markerSize();
    D3DXVECTOR3 vPos = m_vBubbleAnchor;
    if (m_nGroup == CHOOSER_GROUP)
        return vPos + D3DXVECTOR3(BUBBLE_GAP, BUBBLE_GAP + vSize.y, 0.0f);
    vPos.x += m_vCentre.x >= 0.0f ? -(vSize.x - BUBBLE_GAP) : BUBBLE_GAP;
    vPos.y += m_vCentre.y <= 0.0f ? BUBBLE_GAP + vSize.y : -BUBBLE_GAP;
    return vPos;
}

void CHintManager::CItem::show(float fStep, IHintTextWindow* pWindow)
{
    m_fAlpha += fStep;
    if (!m_bAttached) {
        const D3DXVECTOR2 vSize = markerSize();
        if (pWindow)
            pWindow->attach(vSize.x - TEXT_MARGIN_X, vSize.y - TEXT_MARGIN_Y);
        m_bAttached = true;
    }
}

void CHintManager::CItem::fade(float fStep)
{
    m_fAlpha -= fStep;
    m_fHoverTime = 0.0f;
    if (m_fAlpha <= 0.0f && m_bAttached) {
        if (m_pTextWindow)
            m_pTextWindow->detach();
        m_bAttached = false;
    }
}

void CHintManager::CItem::render()
{
    if (!m_pMarker) {
        m_pMarker.reset(new CSprite(m_strMarker, CSprite::WHITE, false, true));
        m_pMarker->setAnchor(0);
    }
    if (m_fAlpha <= 0.0f)
        return;
    const D3DXVECTOR3 vPos = bubblePosition();
    m_pMarker->SetAlpha(m_fAlpha);
    m_pMarker->placeAt(vPos);
    if (m_pTextWindow)
        m_pTextWindow->place(vPos.x + 400.0f + TEXT_INSET, 300.0f - vPos.y + TEXT_INSET, m_fAlpha);
}

CHintManager::CItemRoundArea::CItemRoundArea(int nGroup, const std::string& strMarker, const std::string& strText,
                                             IHintEnableCallback* pEnableTest, const D3DXVECTOR3& vCentre,
                                             float fRadius)
    : CItem(nGroup, strMarker, strText, pEnableTest), m_fRadius(fRadius)
{
    setPosition(vCentre);
}

bool CHintManager::CItemRoundArea::isInside(const D3DXVECTOR3& vMouse) const
{
    const float dx = vMouse.x - m_vCentre.x, dy = vMouse.y - m_vCentre.y;
    return dx * dx + dy * dy < m_fRadius * m_fRadius;
}

void CHintManager::CItemRoundArea::setPosition(const D3DXVECTOR3& vPoint)
{
    m_vCentre = vPoint;
    m_vBubbleAnchor = vPoint;
}

CHintManager::CItemRectArea::CItemRectArea(int nGroup, const std::string& strMarker, const std::string& strText,
                                           IHintEnableCallback* pEnableTest, const D3DXVECTOR3& vCorner,
                                           const D3DXVECTOR2& vSize)
    : CItem(nGroup, strMarker, strText, pEnableTest), m_vCorner(vCorner), m_vSize(vSize)
{
    setPosition(vCorner);
}

bool CHintManager::CItemRectArea::isInside(const D3DXVECTOR3& vMouse) const
{
    const float dx = vMouse.x - m_vCorner.x, dy = vMouse.y - m_vCorner.y;
    return dx > 0.0f && dx < m_vSize.x && dy > 0.0f && dy < m_vSize.y;
}

// The corner stays where it was made; only the bubble moves.
void CHintManager::CItemRectArea::setPosition(const D3DXVECTOR3& vPoint)
{
    m_vCentre = vPoint + D3DXVECTOR3(m_vSize.x / 2.0f, m_vSize.y / 2.0f, 0.0f);
    m_vBubbleAnchor = m_vCentre;
}

CHintManager& CHintManager::Instance()
{
    static CHintManager manager;
    return manager;
}

CHintManager::CItem* CHintManager::add(std::unique_ptr<CItem> pItem)
{
    CItem* pRaw = pItem.get();
    m_Groups[pRaw->group()].push_back(pRaw);
    m_Items.push_back(std::move(pItem));
    return pRaw;
}

void CHintManager::remove(const CItem* pItem)
{
    for (auto& group : m_Groups) {
        std::vector<CItem*>& items = group.second;
        items.erase(std::remove(items.begin(), items.end(), pItem), items.end());
    }
    m_Items.erase(std::remove_if(m_Items.begin(), m_Items.end(),
                                 [pItem](const std::unique_ptr<CItem>& p) { return p.get() == pItem; }),
                  m_Items.end());
}

// A checked item's bubble is up at once when its group comes.
void CHintManager::setGroup(int nGroup)
{
    m_nGroup = nGroup;
    if (nGroup == NO_GROUP)
        return;
    for (CItem* pItem : m_Groups[nGroup])
        if (pItem->isChecked())
            pItem->m_fAlpha = 1.0f;
}

IHintTextWindow* CHintManager::textWindow(CItem& item)
{
    if (!item.m_pTextWindow && m_TextWindowMaker)
        item.m_pTextWindow = m_TextWindowMaker(item.m_strText);
    return item.m_pTextWindow.get();
}

void CHintManager::update(float fSeconds, const D3DXVECTOR3& vMouse)
{
    if (m_nGroup == NO_GROUP)
        return;
    const std::vector<CItem*>& items = m_Groups[m_nGroup];
    const CItem* pHovered = nullptr;
    for (const CItem* pItem : items)
        if (pItem->isInside(vMouse))
            pHovered = pItem;
    for (CItem* pItem : items)
        updateItem(*pItem, pHovered, fSeconds * RATE);
}

// A disabled item keeps its state; the hovered item waits out its hover
// time; a checked item stands while nothing that may show is hovered.
void CHintManager::updateItem(CItem& item, const CItem* pHovered, float fStep)
{
    if (!item.isActive())
        return;
    if (item.m_fHoverTime < SHOW_AFTER)
        item.m_fHoverTime += fStep;
    const bool bChecked = item.isChecked();
    const bool bNothingElse = !pHovered || (pHovered->m_pEnableTest && !pHovered->m_pEnableTest->isEnabled());
    const bool bWanted = (bChecked && bNothingElse) || &item == pHovered;
    if (bWanted && item.m_fHoverTime > SHOW_AFTER)
        item.show(fStep, textWindow(item));
    else if (&item != pHovered && !(bChecked && !pHovered && item.m_fHoverTime < SHOW_AFTER))
        item.fade(fStep);
    item.m_fAlpha = std::min(1.0f, std::max(0.0f, item.m_fAlpha));
}

void CHintManager::render()
{
    if (m_nGroup == NO_GROUP)
        return;
    for (CItem* pItem : m_Groups[m_nGroup])
        if (pItem->isActive())
            pItem->render();
}
