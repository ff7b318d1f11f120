#include "Game/Context/gamecontext.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class CScorePayload : public CGameEventPayload {
public:
    explicit CScorePayload(int nPoints) : m_nPoints(nPoints) {}
    int m_nPoints;
};

TEST(GameContext, StartsAtTheOriginWithNothingArmed)
{
    // Other tests leave the shared values changed; the start values are
    // the ones the reset gives.
    CGameContext& context = CGameContext::Instance();
    context.m_vMouse = context.m_vWhirl = D3DXVECTOR3(5, 6, 7);
    context.m_bTrunkShown = context.m_bPowerupArmed = true;
    context.resetValues();
    EXPECT_EQ(context.m_vMouse, D3DXVECTOR3(0, 0, 0));
    EXPECT_EQ(context.m_vWhirl, D3DXVECTOR3(0, 0, 0));
    EXPECT_EQ(context.m_vTrunk, D3DXVECTOR3(0, -1000, 0));
    EXPECT_FALSE(context.m_bPowerupArmed);
    EXPECT_FALSE(context.m_bTrunkShown);
}

TEST(GameContext, EventsComeOutInPostingOrderAndPeekingKeepsThem)
{
    CGameContext& context = CGameContext::Instance();
    context.postEvent(1);
    context.postEvent(GameEvent{11, std::make_shared<CScorePayload>(30)});
    context.postEvent(20);

    GameEvent event;
    ASSERT_TRUE(context.peekEvent(event));
    ASSERT_TRUE(context.peekEvent(event));
    EXPECT_EQ(event.nCode, 1) << "peeking twice shows the same first event";
    context.popEvent();
    ASSERT_TRUE(context.peekEvent(event));
    EXPECT_EQ(event.nCode, 11);
    ASSERT_NE(event.pPayload, nullptr);
    EXPECT_EQ(static_cast<CScorePayload*>(event.pPayload.get())->m_nPoints, 30);
    context.popEvent();
    ASSERT_TRUE(context.peekEvent(event));
    EXPECT_EQ(event.nCode, 20);
    EXPECT_EQ(event.pPayload, nullptr);
    context.popEvent();
    EXPECT_FALSE(context.peekEvent(event));
    context.popEvent();  // popping an empty queue is harmless
    EXPECT_EQ(context.eventCount(), 0u);
}

TEST(GameContext, RectanglesIncludeTheirBorders)
{
    const D3DXVECTOR3 a(-10, -20, 0), b(30, 40, 0);
    const struct {
        D3DXVECTOR3 vPoint;
        bool bInside;
    } cases[] = {
        {{0, 0, 0}, true},    {{-10, -20, 0}, true}, {{30, 40, 0}, true},  {{30, 0, 0}, true},
        {{30.01f, 0, 0}, false}, {{0, -20.01f, 0}, false}, {{-11, 50, 0}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CGameContext::isInRect(c.vPoint, a, b), c.bInside) << c.vPoint.x << "," << c.vPoint.y;
        EXPECT_EQ(CGameContext::isInRect(c.vPoint, b, a), c.bInside) << "corners in either order";
    }
}

TEST(GameContext, DataFolderLivesInTheUserDataHome)
{
    setenv("XDG_DATA_HOME", "/tmp/quellon-home", 1);
    EXPECT_EQ(CGameContext::dataFolder(), "/tmp/quellon-home/Quellon 1.0");
}

}  // namespace
