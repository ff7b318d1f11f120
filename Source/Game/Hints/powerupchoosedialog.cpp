#include "Game/Hints/powerupchoosedialog.h"

#include "Business/xmllocale.h"
#include "Game/Context/gameevents.h"
#include "Game/Hints/textpainter.h"
#include "Game/Sprites/sprite.h"

namespace {

struct SItemLook {
    int nPowerup;
    const char* pszStill;
    const char* pszAnimation;
    int nText;
};

const SItemLook ITEMS[CPowerupChooseDialog::ITEM_COUNT] = {
    {3, "ray_0000.dds", "ray.ifl", 46},
    {1, "pearl_0000.dds", "pearl.ifl", 43},
    {4, "cara_0000.dds", "cara.ifl", 45},
    {2, "turtle_stay_0000.dds", "turtle_stay.ifl", 44},
    {0, "seaurchin_0000.dds", "seaurchin.ifl", 47},
};
const float ITEM_Y = 60.0f;
const float FIRST_ITEM_X = -230.0f;
const float ITEM_SPACING = 115.0f;
const D3DXVECTOR3 BOX_FROM_ITEM(0.0f, -70.0f, 0.0f);
const D3DXVECTOR3 BUBBLE_ANCHOR(-343.0f, 100.0f, 0.0f);
// Squared distances that count as over the picture and over the box.
const float PICTURE_REACH = 1024.0f;
const float BOX_REACH = 256.0f;
const D3DCOLOR TEXT_COLOUR = D3DCOLOR_ARGB(255, 96, 28, 2);

std::unique_ptr<CSprite> MakeSprite(const char* pszTexture)
{
    return std::unique_ptr<CSprite>(new CSprite(pszTexture, CSprite::WHITE, false, true));
}

float DistanceSq(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    const float dx = a.x - b.x, dy = a.y - b.y;
    return dx * dx + dy * dy;
}

std::string LocaleText(int nId)
{
    const CXMLLocale* pLocale = CXMLLocale::Instance();
    return pLocale ? pLocale->getText(nId) : std::string();
}

void PlayClick()
{
    CGameContext::Instance().playSound("Click.ogg");
}

}  // namespace

CPowerupChooseDialog::CItem::CItem(int nPowerup, const D3DXVECTOR3& vPosition, const char* pszStill,
                                   const char* pszAnimation)
    : m_nPowerup(nPowerup), m_vPosition(vPosition), m_pszStill(pszStill), m_pszAnimation(pszAnimation)
{
}

CPowerupChooseDialog::CItem::~CItem() = default;

void CPowerupChooseDialog::CItem::updateHover(const D3DXVECTOR3& vMouse)
{
    m_bHovered = DistanceSq(vMouse, m_vPosition) < PICTURE_REACH ||
                 DistanceSq(vMouse, m_vPosition + BOX_FROM_ITEM) < BOX_REACH;
}

void CPowerupChooseDialog::CItem::render(float fSeconds)
{
    if (!m_pFrame) {
        m_pFrame = MakeSprite("bonuses-boxes.dds");
        m_pStill = MakeSprite(m_pszStill);
        m_pAnimation = MakeSprite(m_pszAnimation);
        m_pBox = MakeSprite("check-box.dds");
        m_pMark = MakeSprite("check_check.dds");
    }
    m_pFrame->placeAt(m_vPosition);
    if (m_bEnabled && m_bChecked) {
        m_pAnimation->Animate(fSeconds);
        m_pAnimation->placeAt(m_vPosition);
    } else if (m_bEnabled) {
        m_pStill->placeAt(m_vPosition);
    }
    m_pBox->placeAt(m_vPosition + BOX_FROM_ITEM);
    if (m_bChecked)
        m_pMark->placeAt(m_vPosition + BOX_FROM_ITEM);
}

CPowerupChooseDialog::CPowerupChooseDialog(std::unique_ptr<IChooserWindows> pWindows)
    : m_pWindows(std::move(pWindows))
{
    if (m_pWindows)
        m_pWindows->setOnOk([this] { onOk(); });
    for (int i = 0; i < ITEM_COUNT; ++i) {
        const SItemLook& look = ITEMS[i];
        const D3DXVECTOR3 vPosition(FIRST_ITEM_X + float(i) * ITEM_SPACING, ITEM_Y, 0.0f);
        m_Items.emplace_back(new CItem(look.nPowerup, vPosition, look.pszStill, look.pszAnimation));
        std::unique_ptr<CHintManager::CItem> pHint(new CHintManager::CItemRoundArea(
            HINT_GROUP, "powerup_hint.png", LocaleText(look.nText), m_Items.back().get(), vPosition, 30.0f));
        pHint->setBubbleAnchor(BUBBLE_ANCHOR);
        m_Hints.push_back(CHintManager::Instance().add(std::move(pHint)));
    }
    m_Items.front()->setChecked(true);
    setAvailable(3);
}

CPowerupChooseDialog::~CPowerupChooseDialog()
{
    for (CHintManager::CItem* pHint : m_Hints)
        CHintManager::Instance().remove(pHint);
}

void CPowerupChooseDialog::setAvailable(int nCount)
{
    for (size_t i = 0; i < m_Items.size(); ++i)
        m_Items[i]->setEnabled(int(i) < nCount);
}

void CPowerupChooseDialog::show()
{
    if (m_pWindows)
        m_pWindows->show();
}

void CPowerupChooseDialog::update(const D3DXVECTOR3& vMouse)
{
    for (std::unique_ptr<CItem>& pItem : m_Items)
        pItem->updateHover(vMouse);
}

// Disabled items keep their check; a click elsewhere changes nothing but
// still clicks.
void CPowerupChooseDialog::click()
{
    bool bPicked = false;
    for (const std::unique_ptr<CItem>& pItem : m_Items)
        bPicked = bPicked || (pItem->isHovered() && pItem->isEnabled());
    if (bPicked) {
        for (std::unique_ptr<CItem>& pItem : m_Items)
            if (pItem->isEnabled())
                pItem->setChecked(pItem->isHovered());
    }
    PlayClick();
}

void CPowerupChooseDialog::render(float fSeconds)
{
    if (!m_pBackground) {
        m_pBackground = MakeSprite("kayuta.jpg");
        m_pFrame = MakeSprite("ramka&backgr.dds");
    }
    m_pBackground->placeAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    m_pFrame->placeAt(D3DXVECTOR3(0.0f, 44.0f, 0.0f));
    for (std::unique_ptr<CItem>& pItem : m_Items)
        pItem->render(fSeconds);
    if (ITextPainter* pPainter = TextPainter()) {
        SPixelRect rect;
        rect.fLeft = 245.0f;
        rect.fTop = 348.0f;
        rect.fRight = 645.0f;
        rect.fBottom = 468.0f;
        pPainter->drawWrapped(LocaleText(TEXT_CHOOSE), rect, 0.6f, TEXT_COLOUR, false);
    }
}

// With nothing checked the chosen power-up stays as it was.
void CPowerupChooseDialog::onOk()
{
    PlayClick();
    for (const std::unique_ptr<CItem>& pItem : m_Items) {
        if (pItem->isChecked()) {
            CGameContext::Instance().m_nPowerup = pItem->powerup();
            break;
        }
    }
    CGameContext::Instance().postEvent(eEventChooserDone);
}
