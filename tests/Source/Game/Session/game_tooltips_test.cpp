#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "session_fixture.h"
#include "Business/profilesstore.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"

namespace {

const int TEXT_MOVE_HINT = 35;
const int TEXT_CRAB = 53;
const int TEXT_GOOD_MOVES = 39;
const int CRAB_ROW = 3;
const int CRAB_COLUMN = 2;

class SessionTooltipTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        m_Temp.write("game/level0.xml", levelWithCrab());
        m_Temp.write("game/level1.xml", levelWithCrab());
    }
    // Five kinds the fill draws, and a horizontal crab at one cell.
    static std::string levelWithCrab()
    {
        std::string strCells;
        for (int k = 0; k < 64; ++k)
            strCells += k == CRAB_ROW * 8 + CRAB_COLUMN ? codeText(0x80 | codeFromItemType(eHorz)) : "80";
        return "<root><game types=\"0102030405\" period=\"60\" powerups=\"0\" bonustime=\"1\"/><cells value=\"" +
               strCells + "\"/></root>";
    }
    void startLeavingTooltips(const std::string& strPlayer = "Ann")
    {
        start(strPlayer);
        m_pDriver->setCloseTooltips(false);
    }
    const CTooltipManager& tooltips() const { return CTooltipManager::Instance(); }
    int shownText() const { return tooltips().isShowing() ? tooltips().current()->nTextId : 0; }
    bool waitForText(int nText, int nMaxFrames = 300)
    {
        return m_pDriver->runUntil([&] { return shownText() == nText; }, nMaxFrames);
    }
    // A click on the sand below the board.
    void clickAside()
    {
        m_pDriver->click(CSessionDriver::QUIET_SPOT_X, CSessionDriver::QUIET_SPOT_Y);
        m_pDriver->frame();
    }
    float usedTime() const { return m_pGame->hud().timer().used(); }
    bool isMove(const IHintCell* pA, const IHintCell* pB)
    {
        CGameField::MoveList moves;
        m_pGame->field().findPossibleMoves(moves);
        return std::any_of(moves.begin(), moves.end(), [&](const auto& move) {
            return (move.first == pA && move.second == pB) || (move.first == pB && move.second == pA);
        });
    }
};

TEST_F(SessionTooltipTest, AFirstCrabIsExplainedOnceAndNeverAgainForThatPlayerAfterAReload)
{
    startLeavingTooltips();
    reachPlay();
    ASSERT_EQ(TEXT_MOVE_HINT, shownText()) << "a new player meets the move tutorial first";
    clickAside();
    ASSERT_TRUE(waitForText(TEXT_CRAB));
    const CGameCell* pCrab = m_pGame->field().cell(CRAB_ROW, CRAB_COLUMN);
    EXPECT_EQ(pCrab, tooltips().current()->pFirstCell);
    EXPECT_TRUE(pCrab->background().isHighlighted());

    const float fUsed = usedTime();
    m_pDriver->frames(120);
    EXPECT_EQ(TEXT_CRAB, shownText()) << "it stays until the player clicks";
    EXPECT_FLOAT_EQ(fUsed, usedTime()) << "the level clock stands still meanwhile";
    clickAside();
    EXPECT_FALSE(tooltips().isShowing());
    m_pDriver->frames(60);
    EXPECT_GT(usedTime(), fUsed) << "and runs again once it is closed";
    EXPECT_FALSE(pCrab->background().isHighlighted());
    EXPECT_EQ('0', saved().m_strTooltipsData.at(1)) << "the closed crab tooltip is saved at once";

    // The program starts again; the player, past the first level, goes on.
    m_pDriver.reset();
    m_pGame.reset();
    CTooltipManager::Instance().clear();
    {
        CProfilesStore store(m_Temp.path() + "/home", m_Temp.path() + "/legacy");
        store.load();
        store.profiles()->current()->m_nLevel = 0;
        ASSERT_TRUE(store.save());
    }
    startLeavingTooltips("");
    reachPlay();
    ASSERT_EQ(1, m_pGame->level());
    ASSERT_EQ(eHorz, m_pGame->field().cell(CRAB_ROW, CRAB_COLUMN)->item()->getType());
    EXPECT_FALSE(waitForText(TEXT_CRAB, 300)) << "the crab on this board is not explained again";
    EXPECT_FALSE(tooltips().isShowing()) << "nor the move tutorial";
}

TEST_F(SessionTooltipTest, TheMoveTutorialPointsAtAMoveTheBoardHas)
{
    startLeavingTooltips();
    reachPlay();
    ASSERT_EQ(TEXT_MOVE_HINT, shownText());
    const CTooltipManager::SEntry& tip = *tooltips().current();
    ASSERT_TRUE(tip.pFirstCell && tip.pSecondCell);
    EXPECT_TRUE(isMove(tip.pFirstCell, tip.pSecondCell));
    EXPECT_TRUE(static_cast<const CGameCell*>(tip.pFirstCell)->background().isHighlighted());
    EXPECT_TRUE(static_cast<const CGameCell*>(tip.pSecondCell)->background().isHighlighted());
}

TEST_F(SessionTooltipTest, AfterTwentySecondsWithoutAClickAMoveIsShownUntilTheNextClick)
{
    writeLevels({LevelDesign()});
    startLeavingTooltips();
    reachPlay();
    clickAside();  // the tutorial
    m_pDriver->frames(30);
    ASSERT_FALSE(tooltips().isShowing());
    m_pDriver->setFrameMs(100);
    m_pDriver->frames(195);
    EXPECT_FALSE(tooltips().isShowing()) << "not before twenty idle seconds";
    ASSERT_TRUE(waitForText(TEXT_MOVE_HINT, 20));
    const CTooltipManager::SEntry& tip = *tooltips().current();
    const auto* pFirst = static_cast<const CGameCell*>(tip.pFirstCell);
    const auto* pSecond = static_cast<const CGameCell*>(tip.pSecondCell);
    ASSERT_TRUE(pFirst && pSecond);
    EXPECT_TRUE(CGameField::areNeighbours(pFirst, pSecond));
    EXPECT_TRUE(isMove(pFirst, pSecond));
    EXPECT_TRUE(pFirst->background().isHighlighted() && pSecond->background().isHighlighted());

    const float fUsed = usedTime();
    m_pDriver->frames(20);
    EXPECT_FLOAT_EQ(fUsed, usedTime());
    clickAside();
    EXPECT_FALSE(tooltips().isShowing());
    m_pDriver->frames(5);
    EXPECT_FALSE(pFirst->background().isHighlighted() || pSecond->background().isHighlighted())
        << "the highlight goes once the tooltip has faded";
    EXPECT_GT(usedTime(), fUsed);
}

// A swap made under a tooltip is evaluated only once the tooltip has been
// closed and has faded out.
TEST_F(SessionTooltipTest, TheBoardWaitsWhileATooltipShowsAndGoesOnOnceItHasFaded)
{
    writeLevels({LevelDesign()});
    startLeavingTooltips();
    reachPlay();
    ASSERT_EQ(TEXT_MOVE_HINT, shownText());
    CGameField& field = m_pGame->field();
    CGameField::MoveList moves;
    field.findPossibleMoves(moves);
    ASSERT_FALSE(moves.empty());
    field.swap(moves.front().first, moves.front().second, true, 175.0f);
    m_pDriver->frames(120);
    EXPECT_TRUE(field.isBusy()) << "the evaluation waits";
    EXPECT_EQ(0, player().m_nLevelScore);
    clickAside();
    EXPECT_TRUE(m_pDriver->runUntil([&] { return player().m_nLevelScore > 0; }, 60));
}

TEST_F(SessionTooltipTest, ClicksOnTheTooltipKeepItAndItsCheckSpotTurnsTooltipsOffForThePlayer)
{
    startLeavingTooltips();
    reachPlay();
    ASSERT_EQ(TEXT_MOVE_HINT, shownText());
    const D3DXVECTOR3 vCorner = tooltips().current()->vPosition;
    const auto clickAt = [&](float x, float y) {
        m_pDriver->click(int(vCorner.x + x + 400.0f), int(300.0f - (vCorner.y + y)));
        m_pDriver->frame();
    };
    clickAt(160.0f, -80.0f);  // the middle of its bubble
    EXPECT_TRUE(tooltips().isShowing());
    EXPECT_TRUE(player().m_bTooltips);
    clickAt(29.0f, 42.0f - CTooltipManager::BACKGROUND_SIZE.y);  // the check spot, low on the left
    EXPECT_TRUE(tooltips().isShowing());
    EXPECT_FALSE(player().m_bTooltips);
    EXPECT_FALSE(saved().m_bTooltips) << "the choice is saved at once";
    EXPECT_EQ(std::string(10, '0'), saved().m_strTooltipsData) << "with tooltips off every one counts as seen";
    clickAside();
    EXPECT_FALSE(tooltips().isShowing());
}

TEST_F(SessionTooltipTest, ThreeGoodMovesInARowEarnTheMoveHint)
{
    writeLevels({LevelDesign()});
    start();
    reachPlay();
    m_pDriver->setCloseTooltips(false);
    bool bShown = false;
    m_pDriver->runUntil(
        [&] {
            bShown = shownText() == TEXT_GOOD_MOVES;
            if (!bShown && m_pGame->getState() == CGame::ePlay && !tooltips().isShowing())
                m_pDriver->playMove();
            else if (!bShown)
                clickAside();
            return bShown;
        },
        3000);
    EXPECT_TRUE(bShown);
    EXPECT_EQ(0, m_pGame->scoring().goodMoves());
}

}  // namespace
