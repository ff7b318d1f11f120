#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "session_fixture.h"
#include "Business/profilesstore.h"
#include "Core/vantile_frametimer.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gameevents.h"
#include "Game/Session/screenfader.h"
#include "support/log_capture.h"
#include "system/win32.h"

namespace {

// Frames of the fader until it reports its midpoint, and then until it is
// clear again at the reveal rate the session sets at the midpoint.
struct FadeFrames {
    int nToMidpoint = 0;
    int nToClear = 0;
};

FadeFrames fade(CScreenFader& fader, float fSeconds, float fStep)
{
    FadeFrames frames;
    fader.start(fSeconds);
    while (!fader.advance(fStep, false) && frames.nToMidpoint < 1000)
        ++frames.nToMidpoint;
    fader.setRate(1.0f);
    while (fader.progress() < 1.0f && frames.nToClear < 1000) {
        fader.advance(0.125f, false);
        ++frames.nToClear;
    }
    return frames;
}

TEST(ScreenFaderTest, TheScreenSwitchesAtTheDarkMidpointAndRevealsInHalfASecond)
{
    struct Case {
        float fFade;
        float fStep;
    };
    // Steps of exact binary fractions keep the sums exact.
    for (const Case& c : {Case{1.0f, 0.125f}, Case{3.0f, 0.375f}}) {
        SCOPED_TRACE(c.fFade);
        CScreenFader fader;
        fader.advance(1.0f, false);
        const FadeFrames frames = fade(fader, c.fFade, c.fStep);
        EXPECT_FLOAT_EQ(c.fFade / 2.0f, frames.nToMidpoint * c.fStep) << "seconds to black";
        // The midpoint's own frame moves on by one step.
        EXPECT_EQ(3, frames.nToClear) << "half a second to clear";
        EXPECT_EQ(0, fader.alpha());
    }
}

TEST(ScreenFaderTest, TheFirstScreenFadesInFromBlackAndAPauseKeepsItDim)
{
    CScreenFader fader;
    EXPECT_TRUE(fader.advance(0.0f, false)) << "it starts just past the midpoint";
    EXPECT_GT(fader.alpha(), 240);
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(fader.advance(0.05f, false));
    EXPECT_EQ(0, fader.alpha()) << "clear within half a second";
    fader.advance(0.1f, true);
    EXPECT_EQ(CScreenFader::PAUSED_ALPHA, fader.alpha());
}

TEST(ScreenFaderTest, ARestartPastTheMidpointGoesOnFromTheSameDarkness)
{
    CScreenFader fader;
    fader.advance(1.0f, false);
    fader.start(1.0f);
    for (int i = 0; i < 5; ++i)
        fader.advance(0.125f, false);
    EXPECT_FLOAT_EQ(0.625f, fader.progress());
    fader.start(1.0f);
    EXPECT_FLOAT_EQ(0.375f, fader.progress());
}

TEST_F(SessionTest, StartUpGoesFromTheLogoThroughLoadingToTheMenuAndOnToPlay)
{
    start();
    // Without menu windows, the story, the map and the mini-game, the
    // player's new game goes straight on to the first level; the
    // mini-game and level-start states pass on within their own frame.
    const std::vector<int> expected = {CGame::eLogo, CGame::eLoading, CGame::eMainMenu, CGame::eStory,
                                       CGame::eMap,  CGame::ePlay};
    EXPECT_EQ(expected, statesUntil(CGame::ePlay));
    EXPECT_EQ(0, m_pGame->level());
    EXPECT_TRUE(player().m_bInLevel);
    EXPECT_EQ(3, player().m_nLives);
}

TEST_F(SessionTest, TheFirstFadeAppliesNoStateAndARepeatedRequestKeepsItsFade)
{
    start("Ann", true);
    m_pDriver->frame();
    EXPECT_EQ(CGame::eLogo, m_pGame->getState()) << "the opening fade-in changes nothing";
    reach(CGame::eMainMenu);
    m_pGame->requestState(CGame::eMap);
    m_pDriver->frames(10);
    const float fProgress = m_pGame->fader().progress();
    m_pGame->requestState(CGame::eMap);
    EXPECT_FLOAT_EQ(fProgress, m_pGame->fader().progress());
}

TEST_F(SessionTest, LosingTheFocusInPlayPausesAndDimsUntilTheNextClick)
{
    start();
    reachPlay();
    m_pDriver->activate(false);
    m_pDriver->frames(3);
    EXPECT_TRUE(Vantile::CFrameTimer::Instance().isPaused());
    EXPECT_GE(m_pGame->fader().alpha(), CScreenFader::PAUSED_ALPHA);
    const float fUsed = m_pGame->hud().timer().used();
    m_pDriver->activate(true);
    m_pDriver->frames(30);
    EXPECT_TRUE(Vantile::CFrameTimer::Instance().isPaused()) << "the focus alone does not resume";
    EXPECT_FLOAT_EQ(fUsed, m_pGame->hud().timer().used());
    m_pDriver->click(5, 5);
    m_pDriver->frames(2);
    EXPECT_FALSE(Vantile::CFrameTimer::Instance().isPaused());
    EXPECT_LT(m_pGame->fader().alpha(), CScreenFader::PAUSED_ALPHA);
}

TEST_F(SessionTest, EscapeInPlayGoesToTheMainMenuButNotWhileTheLevelEnds)
{
    start();
    reachPlay();
    m_pDriver->key(VK_ESCAPE);
    m_pDriver->frames(2);
    EXPECT_EQ(CGame::eMainMenu, m_pGame->pendingState());
    reachPlay();  // the menu-less game continues the level
    m_pDriver->key(VK_F5);
    m_pDriver->frames(2);
    m_pDriver->key(VK_ESCAPE);
    m_pDriver->frames(2);
    EXPECT_NE(CGame::eMainMenu, m_pGame->pendingState()) << "the level is already ending";
}

TEST_F(SessionTest, ThePowerUpChooserOfValueOneComesOnceAPlayer)
{
    writeLevels({LevelDesign{1, 2}});
    start();
    auto seen = [](const std::vector<int>& states, int nState) {
        return std::find(states.begin(), states.end(), nState) != states.end();
    };
    EXPECT_TRUE(seen(statesUntil(CGame::ePlay), CGame::eLevelStart)) << "the chooser shows in the level-start state";
    EXPECT_TRUE(player().m_bPowerUpShown);
    // Lose the level by time and start it again.
    CGameContext::Instance().m_nPowerup = 0;
    m_pDriver->runUntil([&] { return m_pGame->hud().isTimeoutVisible(); }, 400);
    m_pDriver->click(400, 350);
    const std::vector<int> again = statesUntil(CGame::ePlay);
    EXPECT_TRUE(seen(again, CGame::eLost));
    EXPECT_FALSE(seen(again, CGame::eLevelStart)) << "no chooser the second time";
    EXPECT_EQ(CGame::FIRST_CHOOSER_POWERUP, CGameContext::Instance().m_nPowerup);
}

TEST_F(SessionTest, MapLevelsWithStoryPagesShowTheStoryFirstButNeverTheFirstLevel)
{
    for (int nLevel : {0, 14, 24, 49})
        EXPECT_TRUE(CGame::hasStory(nLevel)) << nLevel;
    for (int nLevel : {1, 13, 15, 48, 50})
        EXPECT_FALSE(CGame::hasStory(nLevel)) << nLevel;
    writeLevels(std::vector<LevelDesign>(16));
    start();
    reachPlay();
    player().m_nLevel = 13;
    player().m_bInLevel = false;
    CGameContext::Instance().postEvent(eEventContinueGame);
    const std::vector<int> expected = {CGame::ePlay, CGame::eMap, CGame::eStory, CGame::ePlay};
    EXPECT_EQ(expected, statesUntil(CGame::ePlay));
    EXPECT_EQ(14, m_pGame->level());
}

TEST_F(SessionTest, DeferredCallsRunOnceEachInPostingOrderAtTheDarkMidpoint)
{
    start("Ann", true);
    reach(CGame::eMainMenu);
    std::vector<int> calls;
    PostDeferredCall([&] { calls.push_back(1); });
    PostDeferredCall([&] { calls.push_back(2); });
    m_pDriver->frames(5);
    EXPECT_TRUE(calls.empty()) << "not before the screen is dark";
    reach(CGame::eMainMenu);
    EXPECT_EQ((std::vector<int>{1, 2}), calls);
    EXPECT_EQ(CGame::eMainMenu, m_pGame->getState());
    m_pDriver->frames(100);
    EXPECT_EQ(2u, calls.size());

    // A state requested in the same fade as a call still comes.
    PostDeferredCall([&] { calls.push_back(3); });
    m_pDriver->frame();
    m_pGame->requestState(CGame::eGameOver);
    m_pDriver->runUntil([&] { return m_pGame->getState() != CGame::eMainMenu; }, 200);
    EXPECT_EQ(CGame::eGameOver, m_pGame->getState());
    EXPECT_EQ(3u, calls.size());
}

TEST_F(SessionTest, ATimeOutCostsALifeAndWithNoneLeftTheGameIsOver)
{
    writeLevels({LevelDesign{0, 2}});
    start("Ann", true);
    reach(CGame::eMainMenu);
    CGameContext::Instance().postEvent(eEventNewGame);
    reachNext(CGame::ePlay);
    player().m_nLevelScore = 70;
    m_pDriver->runUntil([&] { return m_pGame->hud().isTimeoutVisible(); }, 400);
    ASSERT_TRUE(m_pGame->hud().isTimeoutVisible());
    m_pDriver->click(400, 300);
    m_pDriver->frames(3);
    EXPECT_TRUE(m_pGame->hud().isTimeoutVisible()) << "only its button takes the click";
    m_pDriver->click(400, 350);  // where the message's button is
    reachNext(CGame::ePlay);
    EXPECT_EQ(2, player().m_nLives);
    EXPECT_EQ(0, player().m_nLevelScore);
    EXPECT_EQ(2, saved().m_nLives);

    player().m_nLives = 0;
    m_pDriver->runUntil([&] { return m_pGame->hud().isTimeoutVisible(); }, 400);
    m_pDriver->click(400, 350);
    const std::vector<int> states = statesUntil(CGame::eMainMenu);
    EXPECT_NE(states.end(), std::find(states.begin(), states.end(), int(CGame::eGameOver)));
    const CProfile record = saved();
    EXPECT_EQ(0, record.m_nLives);
    EXPECT_FALSE(record.m_bInLevel);
    EXPECT_EQ(0, record.m_nScore);
}

TEST_F(SessionTest, WinningTheLastLevelBanksItsPointsSavesAndLeadsToTheFinalStory)
{
    writeLevels({LevelDesign(), LevelDesign{0, 100}});
    start();
    reachPlay();
    // A won first level leads to the map after the click.
    m_pDriver->key(VK_F5);
    reach(CGame::eWon, 1000);
    EXPECT_EQ(0, saved().m_nLevel);
    m_pDriver->click(400, 300);
    reach(CGame::ePlay);
    EXPECT_EQ(1, m_pGame->level());

    player().m_nScore = 1000;
    player().m_nLevelScore = 300;
    player().m_nComboBonus = 200;
    m_pDriver->frames(30);
    m_pDriver->key(VK_F5);
    reach(CGame::eWon, 1000);
    const CProfile record = saved();
    EXPECT_EQ(-1, record.m_nLevel) << "the game is finished";
    EXPECT_GT(record.m_nScore, 1000 + 300 + 200) << "points and the time bonus are saved";
    m_pDriver->click(400, 300);
    m_pDriver->runUntil([&] { return m_pGame->getState() == CGame::eFinalStory; }, 500);
    EXPECT_EQ(CGame::eFinalStory, m_pGame->getState());
}

TEST_F(SessionTest, TheBoardDumpKeyWorksOnlyInPlay)
{
    start();
    reach(CGame::eLoading);
    CLogCapture log;
    m_pDriver->key('Z');
    EXPECT_FALSE(log.contains("dumping game field"));
    reachPlay();
    m_pDriver->key('Z');
    EXPECT_TRUE(log.contains("dumping game field"));
}

TEST(BubbleEmitterTest, FortySecondsMakeAboutFortyBubblesAndTheOldestAreDying)
{
    CBubbleEmitter bubbles;
    for (int i = 0; i < 2500; ++i)
        bubbles.update(0.016f, false);
    const size_t nCount = bubbles.bubbles().size();
    EXPECT_GE(nCount, 39u);
    EXPECT_LE(nCount, 40u);
    EXPECT_LT(bubbles.bubbles().front().fLife, 1.5f) << "the first, born after a second, is about to go";
    for (const CBubbleEmitter::Bubble& bubble : bubbles.bubbles()) {
        EXPECT_GE(bubble.vVelocity.y, 1.0f) << "rises at 30 to 90 units a second";
        EXPECT_LE(bubble.vVelocity.y, 3.0f);
    }
}

}  // namespace
