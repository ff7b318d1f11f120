#include "gui/Menus/rulesdemo.h"

#include <gtest/gtest.h>

#include "../../Game/Board/board_fixture.h"
#include "Core/vantile_frametimer.h"
#include "Game/Items/animationmanager.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"
#include "system/win32.h"

namespace {

const int FRAME_MS = 16;

// The demo on the test item layers, run on a clock of its own.
class RulesDemoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CAnimationManager::Instance().clear();
        for (int nType = 1; nType <= eTimeFreeze; ++nType)
            AddTestItemLayers(nType);
        PlatformSetClockOverride(&m_Clock);
        Vantile::CFrameTimer::Instance().reset();
        Vantile::CFrameTimer::Instance().update();
    }
    void TearDown() override
    {
        PlatformSetClockOverride(nullptr);
        Vantile::CFrameTimer::Instance().reset();
        CAnimationManager::Instance().clear();
    }
    void frame(CRulesDemo& demo)
    {
        m_Clock.counter += FRAME_MS;
        m_Clock.ticks += FRAME_MS;
        PlatformSetClockOverride(&m_Clock);
        Vantile::CFrameTimer::Instance().update();
        demo.update(Vantile::CFrameTimer::Instance().frameSeconds());
    }

    PlatformClockOverride m_Clock{0, 1000, 0};
};

}  // namespace

TEST_F(RulesDemoTest, EveryFiveSecondsTheItemsTradePlacesAndAtOnceTradeBack)
{
    CRulesDemo demo(false);
    const D3DXVECTOR3 first = demo.home(0), second = demo.home(1);
    EXPECT_EQ(first, D3DXVECTOR3(-242.0f, 125.0f, 0.0f));
    EXPECT_EQ(second, D3DXVECTOR3(-189.0f, 125.0f, 0.0f));
    EXPECT_EQ(2, demo.item(0).getType());
    EXPECT_EQ(1, demo.item(1).getType());
    // Frames since the start, then since the last swap.
    int nSinceSwap = 0;
    for (int nPeriod = 0; nPeriod < 2; ++nPeriod) {
        while (demo.home(0) == first && nSinceSwap < 1000) {
            frame(demo);
            ++nSinceSwap;
        }
        EXPECT_NEAR(float(nSinceSwap) * FRAME_MS / 1000.0f, 5.0f, 0.05f) << "period " << nPeriod;
        nSinceSwap = 0;
        EXPECT_EQ(demo.home(0), second);
        EXPECT_EQ(eMoving, demo.item(0).getState());
        // The move ends and the swap goes back, only once.
        int nFrames = 0;
        while (demo.home(0) == second && nFrames++ < 1000)
            frame(demo);
        EXPECT_LT(nFrames, 100) << "the swap back follows the move";
        nSinceSwap += nFrames;
        EXPECT_EQ(demo.home(0), first);
        EXPECT_EQ(demo.home(1), second);
        for (int i = 0; i < 120; ++i, ++nSinceSwap)
            frame(demo);
        EXPECT_EQ(demo.home(0), first) << "no third swap";
    }
}
