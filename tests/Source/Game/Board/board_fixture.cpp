#include "board_fixture.h"

#include "Core/vantile_random.h"
#include "Game/Context/gamecontext.h"
#include "Game/Items/animationmanager.h"
#include "Game/Level/level.h"

namespace {

const int SETTLE_FRAMES = 2000;

ANIDATA layer(const char* szName, int nRepeat, bool bLimited, bool bBlocking, bool bFit = false)
{
    ANIDATA data;
    data.strName = szName;
    data.strTexture = std::string(szName) + ".ifl";
    data.nRepeatCount = nRepeat;
    data.bLimited = bLimited;
    data.bBlocking = bBlocking;
    data.bFitToDuration = bFit;
    return data;
}

}  // namespace

void AddTestItemLayers(int nType)
{
    CAnimationManager& manager = CAnimationManager::Instance();
    manager.setTypeColorInfo(nType, COLOR_INFO());
    manager.addAniData(nType, eNormal, layer("normal", ENDLESS_REPEAT, false, false));
    manager.addAniData(nType, eFalling, layer("falling", ENDLESS_REPEAT, false, true));
    if (nType == eTrunk) {
        manager.addAniData(nType, eTrunkFall, layer("trunk_fall", 1, true, true, true));
        manager.addAniData(nType, eTrunkOpen, layer("trunk_open", 1, true, true));
        return;
    }
    manager.addAniData(nType, eCursor, layer("cursor", ENDLESS_REPEAT, false, false));
    manager.addAniData(nType, eMoving, layer("move", ENDLESS_REPEAT, false, true));
    manager.addAniData(nType, eDeleting, layer("delete", 1, true, true));
    manager.addAniData(nType, eDeleting2, layer("delete2", 1, true, true));
}

namespace {

int typeOfChar(char c, int& nLives)
{
    nLives = 1;
    if (c >= '1' && c <= '9')
        return c - '0';
    if (c == '0')
        return 10;
    if (c >= 'A' && c <= 'J') {
        nLives = 2;
        return c - 'A' + 1;
    }
    const std::string specials = "hvstef";
    const size_t nAt = specials.find(c);
    return nAt == std::string::npos ? eNoItem : eHorz + static_cast<int>(nAt);
}

}  // namespace

char LayoutChar(const CGameItem* pItem)
{
    if (!pItem)
        return '.';
    const int nType = pItem->getType();
    if (nType >= eHorz)
        return "hvstef"[nType - eHorz];
    if (pItem->getHits() > 1)
        return static_cast<char>('A' + nType - 1);
    return nType == 10 ? '0' : static_cast<char>('0' + nType);
}

void BoardTest::SetUp()
{
    CAnimationManager::Instance().clear();
    for (int nType = 1; nType <= eTimeFreeze; ++nType)
        AddTestItemLayers(nType);
    CGameContext::Instance().m_bPowerupArmed = false;
    clearQueue();
    Vantile::SeedRandom(7);
    m_pDriver = std::make_unique<CBoardDriver>(m_Field, true);
    m_Field.initCells("field.jpg");
}

void BoardTest::TearDown()
{
    m_pDriver.reset();
    clearQueue();
    // The trunk effect marks the trunk shown; the next level play clears it.
    CGameContext::Instance().m_bTrunkShown = false;
    CAnimationManager::Instance().clear();
}

void BoardTest::load(const Layout& layout, const std::string& strTypes)
{
    CAnimationManager::Instance().setActiveItemTypes(strTypes);
    CAnimationManager::Instance().refillItemTypes().clear();
    CLevel::Cells cells;
    for (int k = 0; k < CLevel::CELL_COUNT; ++k) {
        const char c = layout[k / 8][k % 8];
        cells[k].m_bExists = c != '#';
        cells[k].m_nType = typeOfChar(c, cells[k].m_nLives);
    }
    m_Field.reset();
    m_Field.applyLevel(cells);
}

Layout BoardTest::board() const
{
    Layout rows;
    for (int nRow = 0; nRow < 8; ++nRow) {
        std::string strRow;
        for (int nColumn = 0; nColumn < 8; ++nColumn)
            strRow += at(nRow, nColumn)->exists() ? LayoutChar(at(nRow, nColumn)->item()) : '#';
        rows.push_back(strRow);
    }
    return rows;
}

int BoardTest::typeAt(int nRow, int nColumn) const
{
    const CGameItem* pItem = at(nRow, nColumn)->item();
    return pItem ? pItem->getType() : eNoItem;
}

int BoardTest::queued(int nCode)
{
    CGameContext& context = CGameContext::Instance();
    std::vector<GameEvent> events;
    GameEvent event;
    while (context.peekEvent(event)) {
        events.push_back(event);
        context.popEvent();
    }
    int nCount = 0;
    for (const GameEvent& e : events) {
        nCount += e.nCode == nCode;
        context.postEvent(e);
    }
    return nCount;
}

void BoardTest::clearQueue()
{
    while (CGameContext::Instance().eventCount())
        CGameContext::Instance().popEvent();
}

void BoardTest::settle()
{
    ASSERT_NE(-1, m_pDriver->settle(SETTLE_FRAMES)) << "the board did not come to rest";
}
