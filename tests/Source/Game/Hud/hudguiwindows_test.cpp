// The HUD's GUI windows driven as a player drives them: the menu button,
// the charge buttons that take clicks only when full, and the time-out
// message's OK, on the GUI fixture with text looks of its own.
#include "Game/Hud/hudguiwindows.h"

#include <CEGUI/Window.h>

#include <vector>

#include "Game/Context/gameevents.h"
#include "Game/Hud/gamegui.h"
#include "gui/System/guidriver.h"
#include "support/log_capture.h"
#include "hud_gui_fixture.h"

namespace {

class HudGuiWindowsTest : public HudGuiScene {
protected:
    void SetUp() override
    {
        HudGuiScene::SetUp();
        CHudGuiWindows* pWindows = new CHudGuiWindows;
        m_pWindows = pWindows;
        m_pHud.reset(new CGameGui(std::unique_ptr<IHudWindows>(pWindows)));
        m_pHud->reset();
        m_pHud->startTimer(2.0f);
        m_pHud->setLives(1);
        m_pHud->setActive(true);
        m_pHud->slideIn();
    }
    void TearDown() override
    {
        m_pHud.reset();
        drainEvents();
        HudGuiScene::TearDown();
    }

    // A frame of play: the HUD draws (the fixture has none of its
    // pictures) and places its windows, the GUI draws them.
    void play(float fSeconds)
    {
        m_pHud->update(fSeconds);
        m_pDriver->frame(GuiFixture::BACKGROUND, [&] { m_pHud->render(fSeconds); });
    }

    std::unique_ptr<CGameGui> m_pHud;
    CHudGuiWindows* m_pWindows = nullptr;
};

// Without its pictures the HUD still works: the texture cache reports each
// missing file by name.
TEST_F(HudGuiWindowsTest, MenuButtonWorksWithoutTheHudPicturesWhichAreReported)
{
    CLogCapture log;
    for (int i = 0; i < 70; ++i)
        play(1.0f / 60.0f);
    EXPECT_NE(log.text().find("window-scores.dds"), std::string::npos) << log.text();
    EXPECT_NE(log.text().find("chain-2.dds"), std::string::npos);
    // Panels in: the button stands at (14, 20), 126 x 39.
    m_pDriver->click(70, 40);
    EXPECT_EQ(drainEvents(), std::vector<int>({eEventMainMenu}));
}

TEST_F(HudGuiWindowsTest, ShuffleButtonTakesClicksOnlyWhenFullOnASettledBoard)
{
    m_pHud->setBoardSettled(true);
    for (int i = 0; i < 70; ++i)
        play(1.0f / 60.0f);
    // The shuffle button's place follows its frame, drawn by the HUD; at
    // rest the frame hangs at (-392, 182), the button at (-387, 168).
    const int x = 400 - 387 + 60, y = 300 - 168 + 18;
    m_pDriver->click(x, y);
    EXPECT_TRUE(drainEvents().empty());
    m_pHud->startTimer(1000.0f);
    for (int i = 0; i < 60; ++i)
        m_pHud->update(1.0f);
    ASSERT_TRUE(m_pHud->shuffleButton().isFull());
    m_pHud->setBoardSettled(false);
    play(1.0f / 60.0f);
    m_pDriver->click(x, y);
    EXPECT_TRUE(drainEvents().empty());
    m_pHud->setBoardSettled(true);
    play(1.0f / 60.0f);
    m_pDriver->click(x, y);
    EXPECT_EQ(drainEvents(), std::vector<int>({eEventShuffle}));
    EXPECT_EQ(m_pHud->shuffleButton().charge(), 0.0f);
}

TEST_F(HudGuiWindowsTest, TimeoutMessageOkSlidesThePanelsOut)
{
    for (int i = 0; i < 200 && !m_pHud->isTimeoutVisible(); ++i) {
        m_pHud->tickTimer(1.0f / 60.0f);
        play(1.0f / 60.0f);
    }
    ASSERT_TRUE(m_pHud->isTimeoutVisible());
    EXPECT_TRUE(m_pWindows->timeoutOk()->isEffectiveVisible());
    m_pDriver->click(400, 350);
    EXPECT_FALSE(m_pHud->isTimeoutVisible());
    EXPECT_FALSE(m_pWindows->timeoutOk()->isEffectiveVisible());
    EXPECT_TRUE(m_pHud->isSlidingOut());
}

}  // namespace
