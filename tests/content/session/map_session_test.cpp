// The shipped level map in the session, drawn on a device: after a won
// level the map shows the route to the next one, waits for it to arrive
// and for the player's click, and passes on.
#include <gtest/gtest.h>

#include <memory>

#include "Business/profilesstore.h"
#include "Game/Context/gamecontext.h"
#include "Game/Items/animationmanager.h"
#include "Game/Map/map.h"
#include "Game/Rules/boardscreen.h"
#include "Game/Script/gamescript.h"
#include "Game/Session/game.h"
#include "Game/Session/sessiondriver.h"
#include "Resources/vantile_resourcemanager.h"
#include "support/temp_folder.h"

namespace {

const int MAX_FRAMES = 3000;

class MapSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bDevice = CBoardScreen::openDevice("map session test");
        Vantile::CResourceManager::Instance().Init("game", true);
        RunStartupScript("init.lua");
        m_Temp.write("home/.keep", "");
    }
    void TearDown() override
    {
        while (CGameContext::Instance().eventCount() > 0)
            CGameContext::Instance().popEvent();
        CAnimationManager::Instance().clear();
        CBoardScreen::closeDrawing();
    }
    // A player who has won levels 0 to nLast.
    std::unique_ptr<CProfilesStore> store(int nLast) const
    {
        auto pStore = std::make_unique<CProfilesStore>(m_Temp.path() + "/home", m_Temp.path() + "/legacy");
        pStore->load();
        CProfile* pProfile = pStore->profiles()->create("Ann");
        pProfile->m_nLevel = nLast;
        pStore->profiles()->setCurrent(pProfile);
        pStore->save();
        return pStore;
    }

    bool m_bDevice = false;
    CTempFolder m_Temp;
};

TEST_F(MapSessionTest, RouteToTheNextLevelArrivesAndAClickLeaves)
{
    ASSERT_TRUE(m_bDevice);
    CGame game(store(4), nullptr);
    game.buildMap();
    ASSERT_NE(game.map(), nullptr);
    // One route between each two of the game's levels.
    EXPECT_EQ(game.map()->segmentCount(), game.levels().size() - 1);
    CSessionDriver driver(game, true);
    ASSERT_TRUE(driver.runUntilState(CGame::eMap, MAX_FRAMES)) << "in state " << game.getState();
    EXPECT_EQ(game.map()->currentIndex(), 4);
    const CMap::CSegment& route = *game.map()->current();
    EXPECT_EQ(&route, &game.map()->segment(4));
    EXPECT_FALSE(game.map()->isArrived());
    // Half a second a point, then the map waits for the player.
    ASSERT_TRUE(driver.runUntil([&] { return game.map()->isArrived(); }, route.pointCount() * 40));
    driver.frames(120);
    EXPECT_EQ(game.getState(), CGame::eMap);
    driver.click(400, 300);
    EXPECT_TRUE(driver.runUntil([&] { return game.getState() != CGame::eMap; }, MAX_FRAMES));
    EXPECT_EQ(game.level(), 5);
}

}  // namespace
