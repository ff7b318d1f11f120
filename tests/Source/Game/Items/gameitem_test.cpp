#include "Game/Items/gameitem.h"

#include <gtest/gtest.h>

#include "Core/vantile_frametimer.h"
#include "Game/Context/gamecontext.h"
#include "item_fakes.h"
#include "system/win32.h"

namespace {

// Items take their frame time from the frame timer, driven here by a fake
// clock at 64 ticks a second, so frame times add up without rounding.
class GameItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Clock = {0, 64, 0};
        PlatformSetClockOverride(&m_Clock);
        Vantile::CFrameTimer::Instance().reset();
        Vantile::CFrameTimer::Instance().update();
        while (CGameContext::Instance().eventCount())
            CGameContext::Instance().popEvent();
        m_Services.m_Visuals.m_Shapes["short.ifl"] = {5, 0.5f};
        m_Services.m_Visuals.m_Shapes["double_delete.ifl"] = {5, 0.2f};
        add(eNormal, CItemServices::layer("normal", "idle.ifl", ENDLESS_REPEAT, false));
    }
    void TearDown() override
    {
        PlatformSetClockOverride(nullptr);
        Vantile::CFrameTimer::Instance().reset();
    }

    static void add(int nState, const ANIDATA& data) { CAnimationManager::Instance().addAniData(1, nState, data); }

    void run(CGameItem& item, int nFrames)
    {
        for (int i = 0; i < nFrames; ++i) {
            ++m_Clock.counter;
            PlatformSetClockOverride(&m_Clock);
            Vantile::CFrameTimer::Instance().update();
            item.update(CELL);
        }
    }

    PlatformClockOverride m_Clock;
    CItemServices m_Services;
    CRecordingCallback m_Listener;
};

TEST_F(GameItemTest, LayerEndsTakeTheItemToItsNextStateAndReachTheListener)
{
    struct Case {
        int nState;
        const char* szLayer;
        int nNextState;
        size_t nPosted;
    };
    const Case cases[] = {
        {eAppearing, "appear", eNormal, 0},     {eClick1, "normal", eNormal, 0},
        {eGameOver, "gameover", eNormal, 1},    {eTrunkOpen, "trunk_open", eTrunkOpen, 0},
        {eDeleting, "delete", eDeleting, 0},    {eMatching, "match", eMatching, 0},
        {ePickUp, "delete_pickup", ePickUp, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szLayer);
        add(c.nState, CItemServices::layer(c.szLayer, "short.ifl", 1, true, true));
        CGameItem item(1);
        item.setListener(&m_Listener);
        m_Listener.m_Names.clear();
        item.setState(c.nState);
        run(item, 50);
        EXPECT_EQ(c.nNextState, item.getState());
        EXPECT_EQ(std::vector<std::string>({c.szLayer}), m_Listener.m_Names);
        EXPECT_EQ(c.nPosted, CGameContext::Instance().eventCount());
        while (CGameContext::Instance().eventCount())
            CGameContext::Instance().popEvent();
    }
}

TEST_F(GameItemTest, AMoveEndsWithItsPathAndTheItemRestsInItsCell)
{
    add(eMoving, CItemServices::layer("move", "swim.ifl", ENDLESS_REPEAT, false, true));
    CGameItem item(1);
    item.setListener(&m_Listener);
    item.setState(eMoving, ORIGIN, D3DXVECTOR3(55.0f, 0.0f, 0.0f), 0.0f, 175.0f);
    EXPECT_FALSE(item.isIdle());
    run(item, 32);
    EXPECT_EQ(eNormal, item.getState());
    EXPECT_TRUE(item.isIdle());
    EXPECT_EQ(std::vector<std::string>({"move"}), m_Listener.m_Names);
}

// The first name that changes the state ends the dispatch: the layers the
// other names came from are gone.
TEST_F(GameItemTest, NamesOfReplacedLayersAreNotReported)
{
    add(eAppearing, CItemServices::layer("appear", "short.ifl", 1, true, true));
    add(eAppearing, CItemServices::layer("sparkle", "short.ifl", 1, true, false));
    CGameItem item(1);
    item.setListener(&m_Listener);
    item.setState(eAppearing);
    run(item, 50);
    EXPECT_EQ(std::vector<std::string>({"appear"}), m_Listener.m_Names);
    EXPECT_FALSE(item.isLayerActive("sparkle"));
}

TEST_F(GameItemTest, ADoubleItemShowsItsMarkerAndLosesALifePerHit)
{
    CGameItem item(1);
    item.setHits(2);
    item.render(CELL);
    auto drawsOf = [this](const std::string& strTexture) {
        size_t nCount = 0;
        for (const FakeDraw& draw : m_Services.m_Visuals.m_Draws)
            nCount += draw.strTexture == strTexture;
        return nCount;
    };
    EXPECT_EQ(1u, drawsOf("double_delete.dds"));
    EXPECT_EQ(1, item.hit());
    item.render(CELL);
    EXPECT_EQ(1u, drawsOf("double_delete.dds"));
    EXPECT_EQ(1u, drawsOf("double_delete.ifl"));
    run(item, 20);
    item.render(CELL);
    EXPECT_EQ(1u, drawsOf("double_delete.ifl"));
    EXPECT_EQ(0, item.hit());
}

}  // namespace
