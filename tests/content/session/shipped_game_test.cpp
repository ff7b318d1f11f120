// The shipped game played through the session as a player would: mouse
// clicks on the board, simulated frames, the profile store in a folder of
// its own.
#include <gtest/gtest.h>

#include <memory>

#include "Business/profilesstore.h"
#include "Core/vantile_random.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gamecontext.h"
#include "Game/Items/animationmanager.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"
#include "Game/Script/gamescript.h"
#include "Game/Session/game.h"
#include "Game/Session/sessiondriver.h"
#include "Resources/vantile_resourcemanager.h"
#include "support/temp_folder.h"

namespace {

// Ten minutes of play in 16 ms frames.
const int MAX_LEVEL_FRAMES = 37500;

class ShippedGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clearQueue();
        CAnimationManager::Instance().clear();
        Vantile::CResourceManager::Instance().Init("game", true);
        RunStartupScript("init.lua");
        Vantile::SeedRandom(11);
        m_Temp.write("home/.keep", "");
    }
    void TearDown() override
    {
        m_pDriver.reset();
        m_pGame.reset();
        clearQueue();
        CAnimationManager::Instance().clear();
        CGameContext::Instance().m_bTrunkShown = false;
    }
    static void clearQueue()
    {
        while (CGameContext::Instance().eventCount() > 0)
            CGameContext::Instance().popEvent();
    }

    // One run of the program.
    void run()
    {
        m_pDriver.reset();
        m_pGame.reset();
        m_pGame = std::make_unique<CGame>(store(), nullptr);
        m_pDriver = std::make_unique<CSessionDriver>(*m_pGame, false, 5);
    }
    std::unique_ptr<CProfilesStore> store() const
    {
        auto pStore = std::make_unique<CProfilesStore>(m_Temp.path() + "/home", m_Temp.path() + "/legacy");
        pStore->load();
        return pStore;
    }
    CProfile saved() const
    {
        const std::unique_ptr<CProfilesStore> pStore = store();
        EXPECT_NE(nullptr, pStore->profiles()->current());
        return pStore->profiles()->current() ? *pStore->profiles()->current() : CProfile();
    }
    void reachPlay()
    {
        ASSERT_TRUE(m_pDriver->runUntilState(CGame::ePlay, 3000)) << "in state " << m_pGame->getState();
    }
    static bool belowIn(const CGameCell* pCell, int nRow, int nColumn)
    {
        return pCell->column() == nColumn && pCell->row() > nRow;
    }
    // Moves that take an uncovered background, or bring the trunk down.
    bool usefulMove(const CGameCell* pFirst, const CGameCell* pSecond) const
    {
        CGameField& field = m_pGame->field();
        for (int nRow = 0; nRow < CGameField::SIZE; ++nRow)
            for (int nColumn = 0; nColumn < CGameField::SIZE; ++nColumn) {
                const CGameCell* pCell = field.cell(nRow, nColumn);
                if (pCell->item() && pCell->item()->getType() == eTrunk)
                    return belowIn(pFirst, nRow, nColumn) || belowIn(pSecond, nRow, nColumn);
            }
        for (const CGameCell* pCell : {pFirst, pSecond})
            for (int nRow = 0; nRow < CGameField::SIZE; ++nRow)
                if (!field.cell(nRow, pCell->column())->isCleared())
                    return true;
        return false;
    }
    // Plays by mouse until the level is over one way or the other.
    void playLevel()
    {
        const auto prefer = [this](const CGameCell* a, const CGameCell* b) { return usefulMove(a, b); };
        m_pDriver->runUntil(
            [&] {
                if (m_pGame->getState() != CGame::ePlay)
                    return true;
                m_pDriver->playMove(prefer);
                return false;
            },
            MAX_LEVEL_FRAMES);
    }
    void waitForTimeOut()
    {
        m_pDriver->setFrameMs(100);
        ASSERT_TRUE(m_pDriver->runUntil([&] { return m_pGame->hud().isTimeoutVisible(); }, 10000));
        m_pDriver->setFrameMs(CSessionDriver::FRAME_MS);
        m_pDriver->click(400, 350);
    }

    CTempFolder m_Temp;
    std::unique_ptr<CGame> m_pGame;
    std::unique_ptr<CSessionDriver> m_pDriver;
};

TEST_F(ShippedGameTest, ANewPlayerWinsTheFirstLevelThenLosesLivesByTimeUntilTheGameIsOver)
{
    // The first run: no player yet, so the game makes one and starts anew.
    run();
    reachPlay();
    ASSERT_EQ(0, m_pGame->level());
    playLevel();
    ASSERT_EQ(CGame::eWon, m_pGame->getState()) << "after " << m_pDriver->movesPlayed() << " moves";
    const CProfile won = saved();
    EXPECT_EQ("test", won.getName());
    EXPECT_EQ(0, won.m_nLevel) << "the first level is done";
    EXPECT_GT(won.m_nScore, 0);
    EXPECT_EQ(3, won.m_nLives);
    EXPECT_FALSE(won.m_bInLevel);

    // The second run continues on the second level and runs out of time.
    run();
    reachPlay();
    EXPECT_EQ(1, m_pGame->level());
    waitForTimeOut();
    ASSERT_TRUE(m_pDriver->runUntil([&] { return m_pGame->getState() == CGame::eLost; }, 1000));
    EXPECT_EQ(2, saved().m_nLives);
    EXPECT_EQ(won.m_nScore, saved().m_nScore) << "a lost level costs no points";

    // With no life left a time-out ends the game; the record stays whole.
    reachPlay();
    m_pGame->profile()->m_nLives = 0;
    waitForTimeOut();
    ASSERT_TRUE(m_pDriver->runUntil([&] { return m_pGame->getState() == CGame::eGameOver; }, 1000));
    const CProfile over = saved();
    EXPECT_EQ(0, over.m_nLives);
    EXPECT_EQ(0, over.m_nLevel);
    EXPECT_EQ(won.m_nScore, over.m_nScore);
    EXPECT_FALSE(over.m_bInLevel);
}

}  // namespace
