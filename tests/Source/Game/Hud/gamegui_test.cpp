#include "Game/Hud/gamegui.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Game/Board/boardsounds.h"
#include "Business/xmllocale.h"
#include "Game/Context/gamecontext.h"
#include "Game/Hints/textpainter.h"

namespace {

class CSoundLog : public IBoardSounds {
public:
    void playSound(const std::string& strName, float) override { names.push_back(strName); }
    void fadeOutAllMusic(float) override { names.push_back("fade out"); }
    int count(const std::string& strName) const { return int(std::count(names.begin(), names.end(), strName)); }
    std::vector<std::string> names;
};

class GameGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drainEvents();
        m_Hud.setSounds(&m_Sounds);
        CGameContext::Instance().m_bPowerupArmed = false;
    }
    void TearDown() override
    {
        drainEvents();
        CGameContext::Instance().m_bPowerupArmed = false;
        CGameContext::Instance().m_nPowerup = 0;
    }

    static std::vector<int> drainEvents()
    {
        std::vector<int> codes;
        GameEvent event;
        while (CGameContext::Instance().peekEvent(event)) {
            codes.push_back(event.nCode);
            CGameContext::Instance().popEvent();
        }
        return codes;
    }

    // A level as the game object starts it.
    void startLevel(float fPeriod)
    {
        m_Hud.reset();
        m_Hud.setScore(0);
        m_Hud.startTimer(fPeriod);
        m_Hud.resetPowerup();
        m_Hud.resetShuffle();
        m_Hud.setLevelTitle("Coral Gate");
        m_Hud.setPowerupAvailable(true);
        m_Hud.setActive(true);
        m_Hud.slideIn();
    }

    // Frames at a rate until the condition holds; the frames it took, or
    // -1.
    template <class Done>
    int runUntil(int nFps, Done done, int nMaxFrames = 100000)
    {
        for (int i = 1; i <= nMaxFrames; ++i) {
            m_Hud.update(1.0f / float(nFps));
            if (done())
                return i;
        }
        return -1;
    }

    CSoundLog m_Sounds;
    CGameGui m_Hud;
};

// Very short frames must move the panels just as well: a level ends only
// once they are out.
TEST_F(GameGuiTest, PanelsSlideInAndOutInTheSameTimeAtAnyFrameRate)
{
    for (int nFps : {30, 60, 1000}) {
        SCOPED_TRACE(nFps);
        startLevel(120.0f);
        EXPECT_EQ(m_Hud.panelOffset(), CGameGui::RESET_OFFSET);
        const int nIn = runUntil(nFps, [this] { return m_Hud.panelOffset() >= 0.0f; });
        EXPECT_NEAR(float(nIn) / float(nFps), 1.0f, 2.0f / float(nFps));
        EXPECT_EQ(m_Hud.panelOffset(), 0.0f);
        m_Hud.slideOut();
        std::vector<int> events;
        const int nOut = runUntil(nFps, [&events] {
            events = drainEvents();
            return !events.empty();
        });
        EXPECT_EQ(events, std::vector<int>({20}));
        // 200 units at 150 a second, then one frame to see it has arrived.
        EXPECT_NEAR(float(nOut) / float(nFps), 4.0f / 3.0f, 2.0f / float(nFps));
        EXPECT_LE(m_Hud.panelOffset(), CGameGui::OUT_OFFSET);
        EXPECT_FALSE(m_Hud.isSlidingOut());
        // Posted once only.
        runUntil(nFps, [] { return false; }, nFps);
        EXPECT_TRUE(drainEvents().empty());
    }
    EXPECT_EQ(m_Sounds.count("circuit.ogg"), 6);
}

// A slide resets the left pendulum: it hangs still from the panel.
TEST_F(GameGuiTest, SlidesResetTheLeftPendulum)
{
    startLevel(120.0f);
    runUntil(60, [this] { return m_Hud.panelOffset() >= 0.0f; });
    m_Hud.slideOut();
    EXPECT_TRUE(m_Hud.leftChain().isResting());
    EXPECT_EQ(m_Hud.leftChain().pivot().x, -357.0f);
}

// The right pendulum swings as its pivot is carried in at 60 frames a
// second, and comes to rest after the panel stops.
TEST(ChainTest, SwingsWhileItsPivotMovesAndThenRests)
{
    CChain chain;
    chain.movePivot(D3DXVECTOR3(443.0f, 292.0f, 0.0f), true);
    for (float x = 443.0f; x > 293.0f; x -= 2.5f) {
        chain.movePivot(D3DXVECTOR3(x - 2.5f, 292.0f, 0.0f), false);
        chain.step(1.0f / 60.0f);
    }
    // The swing starts no wider than 24 units.
    EXPECT_FLOAT_EQ(chain.displacement(), 24.0f);
    float fWidest = 0.0f;
    int nSteps = 0;
    for (; nSteps < 6000 && !chain.isResting(); ++nSteps) {
        chain.step(1.0f / 60.0f);
        fWidest = std::max(fWidest, std::fabs(chain.endOffset().x));
        EXPECT_NEAR(D3DXVec3Length(&chain.endOffset()), CChain::LENGTH, 0.01f);
    }
    EXPECT_TRUE(chain.isResting());
    EXPECT_GT(fWidest, 20.0f);
    EXPECT_GT(nSteps, 60);
    chain.step(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(chain.endOffset().y, -CChain::LENGTH);
    EXPECT_NEAR(chain.angle(), 0.0f, 0.001f);
}

TEST_F(GameGuiTest, TimeIndicatorFollowsUsedTimeBankAndFrozenTime)
{
    startLevel(100.0f);
    EXPECT_FLOAT_EQ(m_Hud.timer().indicatorFraction(), 0.44f);
    // 50 seconds of play use half the period.
    for (int i = 0; i < 50 * 20; ++i) {
        m_Hud.tickTimer(0.05f);
        m_Hud.update(0.05f);
    }
    EXPECT_NEAR(m_Hud.timer().used(), 0.5f, 0.002f);
    EXPECT_NEAR(m_Hud.timer().indicatorFraction(), 0.44f + 0.56f * 0.49f, 0.002f);
    // Ten seconds given back flow out five times faster than time runs.
    m_Hud.giveTimeBack(10.0f);
    for (int i = 0; i < 40; ++i)
        m_Hud.update(0.05f);
    EXPECT_NEAR(m_Hud.timer().used(), 0.4f, 0.002f);
    EXPECT_EQ(m_Hud.timer().bank(), 0.0f);
    // Frozen time stands the clock still and gives nothing back.
    m_Hud.addFrozenTime(20.0f);
    m_Hud.giveTimeBack(5.0f);
    for (int i = 0; i < 100; ++i) {
        m_Hud.tickTimer(0.1f);
        m_Hud.update(0.1f);
    }
    EXPECT_NEAR(m_Hud.timer().used(), 0.4f, 0.002f);
    EXPECT_NEAR(m_Hud.timer().frozen(), 10.0f, 0.01f);
    // The time runs out: the message shows once and the game stands.
    for (int i = 0; i < 2000 && !m_Hud.isTimeOut(); ++i) {
        m_Hud.tickTimer(0.1f);
        m_Hud.update(0.1f);
    }
    // The frame after the time ran out shows it.
    m_Hud.update(0.1f);
    EXPECT_TRUE(m_Hud.isTimeoutVisible());
    EXPECT_EQ(m_Hud.timeoutTextId(), 59);
    EXPECT_FLOAT_EQ(m_Hud.timer().indicatorFraction(), 0.44f + 0.56f * 0.98f);
}

TEST_F(GameGuiTest, TimeoutShowsOncePerLevelOnlyWhileArmedAndItsOkSlidesOut)
{
    startLevel(1.0f);
    m_Hud.setLives(2);
    m_Hud.setTimeoutArmed(false);
    m_Hud.tickTimer(2.0f);
    m_Hud.update(2.0f);
    EXPECT_TRUE(m_Hud.isTimeOut());
    EXPECT_FALSE(m_Hud.isTimeoutVisible());
    m_Hud.setTimeoutArmed(true);
    m_Hud.update(0.01f);
    ASSERT_TRUE(m_Hud.isTimeoutVisible());
    EXPECT_EQ(m_Hud.timeoutTextId(), 58);
    EXPECT_EQ(m_Sounds.count("fade out"), 1);
    // The panels do not slide out while the message waits for its OK.
    m_Hud.slideOut();
    runUntil(60, [] { return false; }, 300);
    EXPECT_TRUE(drainEvents().empty());
    m_Hud.onTimeoutOk();
    EXPECT_FALSE(m_Hud.isTimeoutVisible());
    EXPECT_GT(runUntil(60, [] { return !drainEvents().empty(); }), 0);
    m_Hud.update(0.01f);
    EXPECT_FALSE(m_Hud.isTimeoutVisible());
    startLevel(1.0f);
    m_Hud.tickTimer(2.0f);
    m_Hud.update(2.0f);
    m_Hud.update(0.01f);
    EXPECT_TRUE(m_Hud.isTimeoutVisible());
}

TEST_F(GameGuiTest, ShuffleBarFillsInSixtySecondsOfActivePlayAndEmptiesWhenUsed)
{
    startLevel(1000.0f);
    m_Hud.setBoardSettled(true);
    m_Hud.onShuffleClicked();
    EXPECT_TRUE(drainEvents().empty());
    const int nFrames = runUntil(60, [this] { return m_Hud.shuffleButton().isFull(); });
    EXPECT_NEAR(float(nFrames) / 60.0f, 60.0f, 0.1f);
    EXPECT_TRUE(m_Hud.shuffleButton().isAnimationRunning());
    // Not on a board that is still moving.
    m_Hud.setBoardSettled(false);
    m_Hud.onShuffleClicked();
    EXPECT_TRUE(drainEvents().empty());
    m_Hud.setBoardSettled(true);
    m_Hud.onShuffleClicked();
    EXPECT_EQ(drainEvents(), std::vector<int>({15}));
    EXPECT_EQ(m_Sounds.count("use_shuffle.ogg"), 1);
    EXPECT_EQ(m_Hud.shuffleButton().charge(), 0.0f);
    // An inactive HUD does not charge it.
    m_Hud.setActive(false);
    runUntil(60, [] { return false; }, 600);
    EXPECT_EQ(m_Hud.shuffleButton().charge(), 0.0f);
}

TEST_F(GameGuiTest, PowerupBarFillsByTenthsPlaysOnceWhenFullAndArmsOnClick)
{
    startLevel(1000.0f);
    m_Hud.onPowerupClicked();
    EXPECT_FALSE(CGameContext::Instance().m_bPowerupArmed);
    for (int i = 0; i < 12; ++i)
        m_Hud.addPowerupCharge(0.1f);
    EXPECT_TRUE(m_Hud.isPowerupFull());
    EXPECT_EQ(m_Sounds.count("powerup_ready.ogg"), 1);
    m_Hud.onPowerupClicked();
    EXPECT_TRUE(CGameContext::Instance().m_bPowerupArmed);
    m_Hud.onPowerupClicked();
    EXPECT_FALSE(CGameContext::Instance().m_bPowerupArmed);
    EXPECT_EQ(m_Sounds.count("powerup_take.ogg"), 1);
    m_Hud.resetPowerup();
    EXPECT_EQ(m_Hud.powerupButton().charge(), 0.0f);
}

TEST_F(GameGuiTest, LevelWithoutPowerupsTakesNoChargeAndItsHintIsOff)
{
    startLevel(1000.0f);
    m_Hud.setPowerupAvailable(false);
    m_Hud.addPowerupCharge(1.0f);
    EXPECT_EQ(m_Hud.powerupButton().charge(), 0.0f);
    EXPECT_EQ(m_Sounds.count("powerup_ready.ogg"), 0);
    // The HUD's hover hints: lives, shuffle, power-up, time, score.
    const std::vector<CHintManager::CItem*>& hints = CHintManager::Instance().items(1);
    ASSERT_EQ(hints.size(), 5u);
    EXPECT_TRUE(hints[1]->isEnabled());
    EXPECT_FALSE(hints[2]->isEnabled());
    m_Hud.setPowerupAvailable(true);
    EXPECT_TRUE(hints[2]->isEnabled());
    m_Hud.setActive(false);
    EXPECT_FALSE(hints[1]->isEnabled());
    EXPECT_FALSE(hints[2]->isEnabled());
}

TEST_F(GameGuiTest, VerticalAndSidewaysFillsAreCutToTheCharge)
{
    STextureRect rect;
    float fWidth = 0.0f, fHeight = 0.0f;
    CChargeButton::fillCut(CChargeButton::SHUFFLE, 0.5f, 135.0f, 36.0f, rect, fWidth, fHeight);
    EXPECT_EQ(fWidth, 67.0f);
    EXPECT_EQ(fHeight, 36.0f);
    EXPECT_FLOAT_EQ(rect.fU1, 67.0f / 135.0f);
    CChargeButton::fillCut(CChargeButton::POWERUP, 0.25f, 75.0f, 83.0f, rect, fWidth, fHeight);
    EXPECT_EQ(fWidth, 75.0f);
    EXPECT_EQ(fHeight, 20.0f);
    EXPECT_FLOAT_EQ(rect.fV0, 1.0f);
    EXPECT_FLOAT_EQ(rect.fV1, 1.0f - 20.0f / 83.0f);
}

TEST_F(GameGuiTest, MenuButtonClicksAndPostsItsEvent)
{
    m_Hud.onMenuClicked();
    EXPECT_EQ(drainEvents(), std::vector<int>({13}));
    EXPECT_EQ(m_Sounds.count("Click.ogg"), 1);
}

class CLinePainter : public ITextPainter {
public:
    void drawWrapped(const std::string&, const SPixelRect&, float, D3DCOLOR, bool) override {}
    void drawLine(const std::string& strFont, const std::string& strText, float fX, float fY, float,
                  D3DCOLOR dwColour) override
    {
        m_strFont = strFont;
        m_strText = strText;
        m_vAt = D3DXVECTOR2(fX, fY);
        m_Colours.push_back(dwColour);
    }
    std::string m_strFont, m_strText;
    D3DXVECTOR2 m_vAt = D3DXVECTOR2(0.0f, 0.0f);
    std::vector<D3DCOLOR> m_Colours;
};

// Three colour changes a second, so it blinks one and a half times.
TEST(ContinuePromptTest, BlinksBetweenItsTwoColoursThreeTimesASecond)
{
    CXMLLocale locale("<root><item id=\"30\" value=\"Click to continue\"/></root>");
    CLinePainter painter;
    SetTextPainter(&painter);
    for (double t : {0.1, 0.4, 0.7, 1.05})
        CGameGui::drawContinuePrompt(t);
    SetTextPainter(nullptr);
    EXPECT_EQ(painter.m_Colours, std::vector<D3DCOLOR>({0xFFD84D0C, 0xFF8E191E, 0xFFD84D0C, 0xFF8E191E}));
    EXPECT_EQ(painter.m_strFont, "Stylo");
    EXPECT_EQ(painter.m_strText, "Click to continue");
    EXPECT_EQ(painter.m_vAt, D3DXVECTOR2(400.0f, 545.0f));
}

}  // namespace
