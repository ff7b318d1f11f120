#include "Game/Hints/tooltipmanager.h"

#include <gtest/gtest.h>

#include <tinyxml.h>

#include <array>
#include <string>
#include <vector>

#include "Business/profilelist.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gamecontext.h"
#include "Game/Hints/hintcell.h"
#include "Game/Hints/idlehint.h"
#include "Game/Items/itemtype.h"

namespace {

class CTestCell : public IHintCell {
public:
    const D3DXVECTOR3& position() const override { return m_vPos; }
    void setHintHighlight(bool bOn) override { m_bHighlight = bOn; }
    D3DXVECTOR3 m_vPos = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    bool m_bHighlight = false;
};

class TooltipManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drainEvents();
        for (int k = 0; k < 64; ++k) {
            m_Cells[k].m_vPos = D3DXVECTOR3(float(k % 8 - 4) * 55.0f + 40.0f, float(4 - k / 8) * 55.0f, 0.0f);
            m_CellList.push_back(&m_Cells[k]);
        }
        tooltips().clear();
        tooltips().create(m_CellList);
    }
    void TearDown() override
    {
        tooltips().clear();
        drainEvents();
    }

    static CTooltipManager& tooltips() { return CTooltipManager::Instance(); }
    static int drainEvents()
    {
        int nCount = 0;
        GameEvent event;
        while (CGameContext::Instance().peekEvent(event)) {
            CGameContext::Instance().popEvent();
            ++nCount;
        }
        return nCount;
    }

    std::array<CTestCell, 64> m_Cells;
    std::vector<IHintCell*> m_CellList;
};

TEST_F(TooltipManagerTest, EachKindShowsOnceAndKindsWithoutTooltipShowNothing)
{
    EXPECT_EQ(tooltips().save(), "1111111111");
    tooltips().showForType(eHorz, &m_Cells[9]);
    ASSERT_TRUE(tooltips().isShowing());
    EXPECT_TRUE(m_Cells[9].m_bHighlight);
    tooltips().close();
    EXPECT_FALSE(tooltips().isShowing());
    tooltips().showForType(eHorz, &m_Cells[20]);
    EXPECT_FALSE(tooltips().isShowing());
    for (int nKey : {int(eVert), int(eHeart), 99}) {
        tooltips().showForType(nKey, &m_Cells[3]);
        EXPECT_FALSE(tooltips().isShowing()) << nKey;
    }
    EXPECT_EQ(tooltips().save(), "1011111111");
}

// What the player has seen goes into the profile's text and comes back
// from it; only a "1" keeps a tooltip to come, so a shorter text leaves
// the rest seen; the profile's other values are kept.
TEST_F(TooltipManagerTest, SeenTooltipsAreRememberedThroughTheProfile)
{
    tooltips().showForType(eTrunk, &m_Cells[1]);
    tooltips().close();
    tooltips().showNumbered(CTooltipManager::HINT_POWERUP);
    tooltips().close();
    CProfileList profiles("");
    CProfile* pProfile = profiles.create("Mira");
    pProfile->m_strTooltipsData = tooltips().save();
    TiXmlElement element("profiles");
    profiles.save(&element);
    struct Case {
        std::string strText;
        std::string strLoaded;
    };
    for (const Case& c : {Case{"", "0111110111"}, Case{"01x1", "0101000000"}, Case{"0110", "0110000000"},
                          Case{"001111111111", "0011111111"}}) {
        TiXmlElement copy(element);
        if (!c.strText.empty())
            copy.FirstChildElement()->SetAttribute("tooltipsdata", c.strText.c_str());
        CProfileList loaded("");
        loaded.load(&copy);
        ASSERT_EQ(loaded.size(), 1u);
        EXPECT_EQ(loaded.at(0)->getName(), "Mira");
        EXPECT_EQ(loaded.at(0)->m_nLives, pProfile->m_nLives);
        tooltips().resetTooltips();
        tooltips().load(loaded.at(0)->m_strTooltipsData);
        EXPECT_EQ(tooltips().save(), c.strLoaded) << c.strText;
    }
}

// The board makes its cells anew for every level: the states and the
// switch survive.
TEST_F(TooltipManagerTest, RebuildKeepsStatesAndTheSwitch)
{
    tooltips().showForType(eTimeFreeze, &m_Cells[2]);
    tooltips().close();
    tooltips().rebuild(m_CellList);
    EXPECT_EQ(tooltips().save(), "1111011111");
    tooltips().setEnabled(false);
    EXPECT_EQ(tooltips().save(), "0000000000");
    tooltips().rebuild(m_CellList);
    EXPECT_FALSE(tooltips().isEnabled());
    // Saved with the switch off, everything counts as seen even when it
    // is switched on again.
    tooltips().setEnabled(true);
    EXPECT_EQ(tooltips().save(), "0000000000");
    tooltips().resetTooltips();
    EXPECT_EQ(tooltips().save(), "1111111111");
}

TEST_F(TooltipManagerTest, MoveHintShowsAgainAndAgainButNeverOverAnotherTooltip)
{
    for (int i = 0; i < 3; ++i) {
        tooltips().showHint(&m_Cells[10], &m_Cells[11]);
        ASSERT_TRUE(tooltips().isShowing());
        EXPECT_TRUE(m_Cells[10].m_bHighlight && m_Cells[11].m_bHighlight);
        tooltips().close();
    }
    tooltips().showForType(eVertHorz, &m_Cells[40]);
    const CTooltipManager::SEntry* pStar = tooltips().current();
    tooltips().showHint(&m_Cells[10], &m_Cells[11]);
    EXPECT_EQ(tooltips().current(), pStar);
    // Placed beside its cell, towards the board's middle.
    const D3DXVECTOR3& vCell = m_Cells[40].m_vPos;
    EXPECT_EQ(pStar->vPosition.x, vCell.x + 30.0f);
    EXPECT_EQ(pStar->vPosition.y, vCell.y - 30.0f + CTooltipManager::BACKGROUND_SIZE.y);
}

// Clicks inside keep a tooltip, its check spot toggles the switch, any
// other click closes it; the board is evaluated again once it has faded.
TEST_F(TooltipManagerTest, ClicksAndTheFadeAfterClosing)
{
    EXPECT_TRUE(tooltips().hitTest(D3DXVECTOR3(0.0f, 0.0f, 0.0f)));
    tooltips().showNumbered(CTooltipManager::HINT_POWERUP);
    const D3DXVECTOR3 vTopLeft = tooltips().current()->vPosition;
    const D3DXVECTOR2 vSize = CTooltipManager::BACKGROUND_SIZE;
    const D3DXVECTOR2 vMarker = CTooltipManager::MARKER_SIZE;
    EXPECT_FALSE(tooltips().hitTest(vTopLeft + D3DXVECTOR3(vSize.x / 2.0f, -vSize.y / 2.0f, 0.0f)));
    const D3DXVECTOR3 vCheck(vMarker.x / 2.0f + 15.0f, vMarker.y / 2.0f + 28.0f - vSize.y, 0.0f);
    EXPECT_FALSE(tooltips().hitTest(vTopLeft + vCheck));
    EXPECT_FALSE(tooltips().isEnabled());
    EXPECT_FALSE(tooltips().hitTest(vTopLeft + vCheck));
    EXPECT_TRUE(tooltips().isEnabled());
    const D3DXVECTOR3 vClose(vSize.x - 10.0f - vMarker.x / 2.0f, -10.0f - vMarker.y / 2.0f, 0.0f);
    EXPECT_TRUE(tooltips().hitTest(vTopLeft + vClose));
    EXPECT_TRUE(tooltips().hitTest(vTopLeft + D3DXVECTOR3(-5.0f, 5.0f, 0.0f)));
    for (int i = 0; i < 30; ++i)
        tooltips().update(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(tooltips().current()->fAlpha, 1.0f);
    tooltips().close();
    int nFrames = 0;
    while (drainEvents() == 0 && nFrames < 600) {
        tooltips().update(1.0f / 60.0f);
        ++nFrames;
    }
    // A third of a second to fade, then one frame to notice.
    EXPECT_NEAR(nFrames, 21, 1);
    EXPECT_EQ(tooltips().fadingCount(), 0u);
}

TEST_F(TooltipManagerTest, NumberedAndMoveHintsFollowTheSwitch)
{
    tooltips().showMoveHint();
    EXPECT_TRUE(tooltips().isShowing());
    tooltips().close();
    EXPECT_EQ(tooltips().pendingMoveHints(), 0);
    tooltips().showNumbered(CTooltipManager::HINT_MINIGAME_START);
    tooltips().close();
    tooltips().showNumbered(CTooltipManager::HINT_MINIGAME_START);
    EXPECT_FALSE(tooltips().isShowing());
    tooltips().setEnabled(false);
    tooltips().makePending(CTooltipManager::HINT_MINIGAME_START);
    tooltips().setEnabled(true);
    tooltips().showNumbered(CTooltipManager::HINT_MINIGAME_START);
    EXPECT_FALSE(tooltips().isShowing());
    tooltips().makePending(CTooltipManager::HINT_MINIGAME_START);
    tooltips().showNumbered(CTooltipManager::HINT_MINIGAME_START);
    EXPECT_TRUE(tooltips().isShowing());
    tooltips().showNumbered(42);
    EXPECT_EQ(tooltips().current(), nullptr);
}

// Every level makes the board's cells anew; the tooltips follow them and
// keep what the player has seen.
TEST_F(TooltipManagerTest, BoardCellsCarryTheTooltipsAndKeepTheirStates)
{
    tooltips().showForType(eTrunk, &m_Cells[0]);
    tooltips().close();
    const std::string strSeen = tooltips().save();
    {
        CGameField field;
        field.initCells("");
        EXPECT_EQ(tooltips().save(), strSeen);
        field.initCells("");
        EXPECT_EQ(tooltips().save(), strSeen);
        // The move tutorial points at two cells of the third row.
        tooltips().showNumbered(CTooltipManager::HINT_MOVE);
        ASSERT_TRUE(tooltips().isShowing());
        EXPECT_TRUE(field.cell(2, 5)->background().isHighlighted());
        EXPECT_TRUE(field.cell(2, 6)->background().isHighlighted());
        tooltips().close();
    }
    // The board is gone: fading the closed tooltip touches no cell.
    for (int i = 0; i < 60; ++i)
        tooltips().update(1.0f / 60.0f);
    EXPECT_EQ(tooltips().fadingCount(), 0u);
}

TEST(IdleHintTest, DueAfterTwentyIdleSecondsOnlyOnASettledBoardWithoutTooltip)
{
    CIdleHint idle;
    int nDue = 0;
    for (int i = 0; i < 60 * 19; ++i)
        nDue += idle.update(1.0f / 60.0f, false, true) ? 1 : 0;
    EXPECT_EQ(nDue, 0);
    // Past 20 seconds it waits while a tooltip shows or items move.
    for (int i = 0; i < 120; ++i) {
        EXPECT_FALSE(idle.update(1.0f / 60.0f, true, true));
        EXPECT_FALSE(idle.update(1.0f / 60.0f, false, false));
    }
    EXPECT_TRUE(idle.update(1.0f / 60.0f, false, true));
    EXPECT_EQ(idle.idle(), 0.0f);
    idle.update(15.0f, false, true);
    idle.reset();
    EXPECT_FALSE(idle.update(10.0f, false, true));
}

}  // namespace
