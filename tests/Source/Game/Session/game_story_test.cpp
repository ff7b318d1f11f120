// The session's story screens and the partner's logo, clicked through by
// hand: the story before the first level and the levels that have one,
// the final story after the last level, and the logo's three seconds.
#include <gtest/gtest.h>

#include "session_fixture.h"
#include "Game/Context/gameevents.h"
#include "Game/Story/comicsscreen.h"

namespace {

class SessionStoryTest : public SessionTest {
protected:
    // Clicks the story through, page by page: the number of clicks that
    // turned a page before the story ended.
    int readStory()
    {
        int nTurned = 0;
        while (m_pGame->comics() && nTurned < 20) {
            const size_t nBefore = visiblePages();
            m_pDriver->click(400, 300);
            m_pDriver->frame();
            if (visiblePages() == nBefore)
                break;
            ++nTurned;
        }
        return nTurned;
    }
    size_t visiblePages() const
    {
        size_t nVisible = 0;
        for (size_t i = 0; m_pGame->comics() && i < m_pGame->comics()->pageCount(); ++i)
            nVisible += m_pGame->comics()->isVisible(i) ? 1 : 0;
        return nVisible;
    }
};

TEST_F(SessionStoryTest, ANewGameTellsTheFirstStoryPageByPageThenGoesToTheMap)
{
    start();
    m_pDriver->setTurnStoryPages(false);
    reach(CGame::eStory);
    ASSERT_NE(nullptr, m_pGame->comics());
    EXPECT_EQ(8u, m_pGame->comics()->pageCount());
    m_pDriver->frames(100);
    EXPECT_EQ(CGame::eStory, m_pGame->getState()) << "the story waits for its reader";
    EXPECT_EQ(7, readStory());
    EXPECT_EQ(CGame::eMap, m_pGame->pendingState());
    m_pDriver->runUntil([&] { return m_pGame->getState() != CGame::eStory; }, 200);
    EXPECT_EQ(nullptr, m_pGame->comics()) << "the screen goes with the story";
    reach(CGame::ePlay);
    EXPECT_EQ(0, m_pGame->level());
}

TEST_F(SessionStoryTest, ALevelWithPagesShowsThemBeforeItAndTheLastLevelEndsWithTheFinalStory)
{
    writeLevels(std::vector<LevelDesign>(15));
    start();
    reachPlay();
    m_pDriver->setTurnStoryPages(false);
    player().m_nLevel = 13;
    player().m_bInLevel = false;
    CGameContext::Instance().postEvent(eEventContinueGame);
    reach(CGame::eStory);
    ASSERT_NE(nullptr, m_pGame->comics());
    EXPECT_EQ(5u, m_pGame->comics()->pageCount());
    EXPECT_EQ(4, readStory());
    reach(CGame::ePlay);
    EXPECT_EQ(14, m_pGame->level());

    // Level 14 is this game's last: winning it leads to the final pages.
    m_pDriver->key(VK_F5);
    reach(CGame::eWon, 1000);
    m_pDriver->click(400, 300);
    reach(CGame::eFinalStory);
    ASSERT_NE(nullptr, m_pGame->comics());
    EXPECT_EQ(3u, m_pGame->comics()->pageCount());
    EXPECT_EQ(2, readStory());
    EXPECT_EQ(CGame::eMainMenu, m_pGame->pendingState());
}

TEST_F(SessionStoryTest, WithoutAPartnerLogoLoadingFollowsAtOnce)
{
    start();
    EXPECT_FALSE(m_pGame->hasPartnerLogo());
    reach(CGame::eLoading, 120);
}

TEST_F(SessionStoryTest, APartnerLogoStaysThreeSecondsBeforeLoading)
{
    m_Temp.write("game/partner_logo.png", "not drawn without a device");
    writeLevels({LevelDesign()});  // the data folder is read again
    start();
    EXPECT_TRUE(m_pGame->hasPartnerLogo());
    m_pDriver->frames(150);  // 2.4 seconds
    EXPECT_EQ(CGame::eLogo, m_pGame->getState());
    EXPECT_FALSE(m_pGame->isTransition());
    reach(CGame::eLoading, 200);
}

}  // namespace
