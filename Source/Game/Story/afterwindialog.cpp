#include "Game/Story/afterwindialog.h"

#include <algorithm>
#include <cmath>

#include "Core/vantile_random.h"
#include "Game/Hud/rollingcounter.h"
#include "Game/Items/animationdata.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"
#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spritevbarray.h"

namespace {

const char* const BACKGROUND = "after_win.jpg";
const char* const PANEL = "sundyk-panel.dds";
const char* const TREASURE = "skarb_001.dds";
const char* const DIGITS = "numbers-chest.png";
const int DIGIT_COUNT = 7;
const int DIGIT_WIDTH = 11;
const float COUNTER_X = 220.0f;
const float COUNTER_TOP = 206.0f;
const float COUNTER_SPACING = 31.0f;
const D3DXVECTOR3 PANEL_CORNER(-370.0f, -300.0f, 0.0f);
const int PANEL_ANCHOR = 2;  // bottom-left corner at the position

// The pile: at level 0 it rests low in the chest, each level lifts it.
const float TREASURE_X = -164.0f;
const float TREASURE_FLOOR = -278.0f;
const float TREASURE_STEP = 2.4f;

// Items fall from above the screen into the chest's mouth.
const float FALL_LEFT = -330.0f;
const float FALL_WIDTH = 338.0f;
const float FALL_TOP = 320.0f;
const float FALL_TOP_SPREAD = 50.0f;
const float FALL_BOTTOM = -237.0f;
const float FALL_SPEED = 300.0f;
const float FALL_SPEED_SPREAD = 50.0f;

const D3DXVECTOR3 ORIGIN(0.0f, 0.0f, 0.0f);

}  // namespace

CAfterWinDialog::CItemsGenerator::CALLBACKITEM::CALLBACKITEM(IAnimationCallback* pOwner,
                                                             std::unique_ptr<CGameItem> pItem)
    : m_pOwner(pOwner), m_pItem(std::move(pItem))
{
}

CAfterWinDialog::CItemsGenerator::CALLBACKITEM::~CALLBACKITEM() = default;

// The item's path has ended: it is in the chest.
void CAfterWinDialog::CItemsGenerator::CALLBACKITEM::onEvent(const std::string& strName)
{
    m_bActive = false;
    if (IAnimationCallback* pOwner = m_pOwner) {
        m_pOwner = nullptr;
        pOwner->onEvent(strName);
    }
}

CAfterWinDialog::CItemsGenerator::CItemsGenerator(IAnimationCallback* pOwner, std::function<int()> nextType)
    : m_pOwner(pOwner), m_NextType(std::move(nextType))
{
}

CAfterWinDialog::CItemsGenerator::~CItemsGenerator() = default;

void CAfterWinDialog::CItemsGenerator::start(int nItems)
{
    m_nItemsLeft = nItems;
    m_fElapsed = 0.0f;
}

// A board without kinds to draw from gives nothing to throw in.
void CAfterWinDialog::CItemsGenerator::makeItem()
{
    --m_nItemsLeft;
    const int nType = m_NextType();
    if (nType == eNoItem)
        return;
    // Drawn in this order: the height, the column, the speed.
    const float fHeight = Vantile::RandomFraction();
    const float fColumn = Vantile::RandomFraction();
    const float fSpeed = Vantile::RandomFraction() * FALL_SPEED_SPREAD + FALL_SPEED;
    const D3DXVECTOR3 vStart(fColumn * FALL_WIDTH + FALL_LEFT, fHeight * FALL_TOP_SPREAD + FALL_TOP, 0.0f);
    const D3DXVECTOR3 vEnd(vStart.x, FALL_BOTTOM, 0.0f);
    auto pItem = std::make_unique<CGameItem>(nType);
    pItem->setState(eMoving, vStart, vEnd, 0.0f, fSpeed);
    auto pRecord = std::make_unique<CALLBACKITEM>(m_pOwner, std::move(pItem));
    pRecord->m_pItem->setListener(pRecord.get());
    pRecord->m_pItem->update(ORIGIN);
    m_Items.push_back(std::move(pRecord));
}

// Items that have landed are dropped after the pass, never from inside
// their own update.
void CAfterWinDialog::CItemsGenerator::step(float fSeconds, bool bDraw)
{
    m_fElapsed += fSeconds;
    if (m_fElapsed > ITEM_PERIOD && m_nItemsLeft > 0) {
        m_fElapsed = 0.0f;
        makeItem();
    }
    for (const std::unique_ptr<CALLBACKITEM>& pRecord : m_Items) {
        pRecord->m_pItem->update(ORIGIN);
        if (pRecord->m_bActive && bDraw)
            pRecord->m_pItem->render(ORIGIN);
    }
    m_Items.erase(std::remove_if(m_Items.begin(), m_Items.end(),
                                 [](const std::unique_ptr<CALLBACKITEM>& pRecord) { return !pRecord->m_bActive; }),
                  m_Items.end());
}

CAfterWinDialog::CAfterWinDialog(std::function<int()> nextType, bool bDraw)
    : m_bDraw(bDraw), m_Generator(this, std::move(nextType))
{
    for (int i = 0; i < COUNTERS; ++i) {
        const D3DXVECTOR3 vPosition(COUNTER_X, COUNTER_TOP - float(i) * COUNTER_SPACING, 0.0f);
        m_Counters[size_t(i)] =
            std::make_unique<CRollingCounter>(DIGITS, DIGIT_COUNT, vPosition, CSprite::WHITE, DIGIT_WIDTH);
    }
    if (!m_bDraw)
        return;
    m_pBackground = std::make_unique<CSprite>(BACKGROUND, CSprite::WHITE, false, false);
    m_pPanel = std::make_unique<CSprite>(PANEL, CSprite::WHITE, false, false);
    m_pPanel->setAnchor(PANEL_ANCHOR);
    m_pPanel->setPosition(PANEL_CORNER);
    m_pTreasure = std::make_unique<CSprite>(TREASURE, CSprite::WHITE, false, false);
}

CAfterWinDialog::~CAfterWinDialog() = default;

void CAfterWinDialog::show(int nTotal, int nLevelScore, int nComboBonus, int nTimeBonus)
{
    const int nLevelTotal = nLevelScore + nComboBonus + nTimeBonus;
    const int amounts[COUNTERS] = {nLevelScore, nComboBonus, nTimeBonus, nLevelTotal, nTotal + nLevelTotal};
    for (int i = 0; i < COUNTERS; ++i) {
        CRollingCounter& counter = *m_Counters[size_t(i)];
        counter.resetDigits();
        counter.setValue(0, false);
        counter.addAnimated(-counter.pending(), 0);
        counter.addAnimated(amounts[i], amounts[i]);
    }
    m_nRiseBase = nTotal;
    m_nRiseSpan = nLevelTotal;
    m_Generator.start(ITEMS_PER_SHOWING);
}

void CAfterWinDialog::update(float fSeconds)
{
    m_nLevel = std::clamp(m_nLevel, 0, MAX_LEVEL);
    if (m_bDraw)
        m_pBackground->draw();
    runCounters(fSeconds);
    if (m_bDraw)
        m_pTreasure->drawAt(D3DXVECTOR3(TREASURE_X, treasureHeight(), 0.0f));
    m_Generator.step(fSeconds, m_bDraw);
    if (m_bDraw) {
        CSpriteVBArray::Instance().submitAll();
        m_pPanel->draw();
    }
}

// Each counter waits until the one above it has settled; one with nothing
// to count shows nothing and lets the next start at once.
void CAfterWinDialog::runCounters(float fSeconds)
{
    for (const std::unique_ptr<CRollingCounter>& pCounter : m_Counters) {
        pCounter->update(fSeconds);
        if (m_bDraw)
            pCounter->render(true);
        if (pCounter->isRolling())
            return;
    }
}

float CAfterWinDialog::treasureHeight() const
{
    float fHeight = float(std::clamp(m_nLevel, 0, MAX_LEVEL)) * TREASURE_STEP + TREASURE_FLOOR;
    if (m_nRiseSpan > 0) {
        const int nRisen = std::clamp(shownValue(*m_Counters[COUNTERS - 1]) - m_nRiseBase, 0, m_nRiseSpan);
        fHeight += float(nRisen) * TREASURE_STEP / float(m_nRiseSpan);
    }
    return fHeight;
}

int CAfterWinDialog::shownValue(const CRollingCounter& counter)
{
    int nValue = 0;
    for (const CRollingCounter::CDigit& digit : counter.digits())
        nValue = nValue * 10 + int(std::fmod(std::floor(digit.shown()), 10.0f));
    return nValue;
}
