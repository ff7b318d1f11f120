// CEGUI's clock (gui/System/guiclock.h): the wall clock normally, the fixed
// steps taken under the frame timer's fixed step, so that a fixed-step run
// gets the same double clicks however fast the machine draws.
#include <CEGUI/CEGUI.h>

#include "Core/vantile_frametimer.h"
#include "Core/vantile_input.h"
#include "gui/Framework/basedialogwindow.h"
#include "gui/Framework/guifactory.h"
#include "gui/System/guiclock.h"
#include "gui/System/guidriver.h"
#include "support/gui_scene.h"
#include "system/win32.h"

namespace {

using Vantile::CFrameTimer;

class FixedStepTimer {
public:
    FixedStepTimer()
    {
        CFrameTimer::Instance().reset();
        CFrameTimer::Instance().setFixedStep(1000.0 / 60.0);
    }
    ~FixedStepTimer() { CFrameTimer::Instance().reset(); }
    void frames(int nCount)
    {
        for (int i = 0; i < nCount; ++i)
            CFrameTimer::Instance().update();
    }
};

TEST(GuiClock, IsTheWallClockWithoutAFixedStep)
{
    CFrameTimer::Instance().reset();
    CEGUI::SimpleTimer timer;
    Sleep(20);
    EXPECT_GE(timer.elapsed(), 0.019);
    EXPECT_LT(timer.elapsed(), 10.0);
}

TEST(GuiClock, CountsTheStepsTakenUnderAFixedStepPausedOrNot)
{
    FixedStepTimer steps;
    CEGUI::SimpleTimer timer;
    // The wall clock's time between the steps does not count.
    Sleep(30);
    steps.frames(30);
    EXPECT_NEAR(timer.elapsed(), 0.5, 1e-9);
    CFrameTimer::Instance().pause(true);
    steps.frames(6);
    EXPECT_NEAR(timer.elapsed(), 0.6, 1e-9);
    EXPECT_DOUBLE_EQ(Vantile::GuiClockSeconds(), CEGUI::SimpleTimer::currentTime());
}

class GuiClickTiming : public GuiScene {
protected:
    void SetUp() override
    {
        GuiScene::SetUp();
        start();
        m_Dialog.create();
        placeInPixels(m_Dialog.getOkButton(), 100, 100, 99, 46);
        m_Dialog.show();
        m_Dialog.getOkButton()->subscribeEvent(CEGUI::Window::EventMouseDoubleClick,
                                               CEGUI::Event::Subscriber(&GuiClickTiming::onDoubleClick, this));
        send(Vantile::MOUSE_MOVE);
    }
    void TearDown() override
    {
        m_Dialog.getRoot()->removeAllEvents();
        GuiScene::TearDown();
    }
    bool onDoubleClick(const CEGUI::EventArgs&)
    {
        ++m_nDoubleClicks;
        return false;
    }
    void send(int nAction)
    {
        Vantile::InputEvent evt = {};
        evt.type = Vantile::INPUT_MOUSE;
        evt.mouse = {150, 120, nAction};
        m_pDriver->handler().handleInput(evt);
    }
    void click()
    {
        send(Vantile::MOUSE_LEFT_DOWN);
        send(Vantile::MOUSE_LEFT_UP);
    }

    CBaseDialogWindow m_Dialog;
    int m_nDoubleClicks = 0;
};

// CEGUI's double-click time is a third of a second: 10 steps are within
// it even when the machine took longer to draw them, 30 are not even when
// it drew them at once.
TEST_F(GuiClickTiming, UnderAFixedStepTwoClicksAreADoubleClickByTheStepsBetweenThem)
{
    FixedStepTimer steps;
    click();
    Sleep(400);
    steps.frames(10);
    click();
    EXPECT_EQ(m_nDoubleClicks, 1);
    steps.frames(30);
    click();
    EXPECT_EQ(m_nDoubleClicks, 1);
}

}  // namespace
