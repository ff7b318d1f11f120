#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "session_fixture.h"
#include "Business/profilesstore.h"
#include "Game/MiniGame/minigame.h"

namespace {

class SessionMiniGameTest : public SessionTest {
protected:
    // Two levels; the memory game of 4 x 4 with the clownfish comes before
    // level nBefore.
    void writeGameWithMiniGame(int nBefore)
    {
        std::string strGame = "<root>";
        for (int i = 0; i < 2; ++i)
            strGame += "<level name=\"Reef " + std::to_string(i) + "\" file=\"level" + std::to_string(i) +
                       ".xml\" field=\"field.jpg\" scene=\"scene.xml\" fogcolor=\"FF000000\"/>";
        strGame += "<minigame level=\"" + std::to_string(nBefore) + "\" x=\"4\" y=\"4\" fish=\"5\" before=\"b\" after=\"a\"/>";
        m_Temp.write("game/game.gam", strGame + "</root>");
    }
    void clickCell(const CMiniGameCell& cell)
    {
        m_pDriver->click(int(std::lround(cell.position().x + 400.0f)), int(std::lround(300.0f - cell.position().y)));
        m_pDriver->frames(3);
    }
};

TEST_F(SessionMiniGameTest, TheMarkedLevelStartsWithTheMemoryGameWhoseFishPairLeadsIntoTheLevel)
{
    writeGameWithMiniGame(0);
    start();
    const std::vector<int> states = statesUntil(CGame::eMiniGame);
    ASSERT_EQ(CGame::eMiniGame, m_pGame->getState());
    EXPECT_EQ(states.end(), std::find(states.begin(), states.end(), int(CGame::ePlay))) << "no play before it";
    CMiniGame& game = m_pGame->miniGame();
    ASSERT_EQ(16u, game.cells().size());
    EXPECT_TRUE(player().m_bInLevel);
    EXPECT_FLOAT_EQ(300.0f, m_pGame->hud().timer().period());

    // A decoy pair first, then the clownfish's pair, by mouse.
    std::vector<const CMiniGameCell*> fish, decoy;
    for (const auto& pCell : game.cells())
        (pCell->kind().nId == 5 ? fish : decoy).push_back(pCell.get());
    ASSERT_EQ(2u, fish.size());
    const int nDecoy = decoy[0]->kind().nId;
    const CMiniGameCell* pTwin = *std::find_if(decoy.begin() + 1, decoy.end(),
                                               [&](const CMiniGameCell* p) { return p->kind().nId == nDecoy; });
    clickCell(*decoy[0]);
    clickCell(*pTwin);
    EXPECT_EQ(CMiniGameCell::eTaken, pTwin->state());
    clickCell(*fish[0]);
    clickCell(*fish[1]);
    EXPECT_TRUE(game.isSolved());
    EXPECT_EQ(CGame::eMiniGame, m_pGame->getState()) << "the HUD slides out first";

    reachNext(CGame::ePlay);
    EXPECT_EQ(0, m_pGame->level());
    EXPECT_EQ(10 + 10 + 50 + 10, player().m_nLevelScore) << "ten points a unit of every taken cell";
    EXPECT_TRUE(game.freed().empty()) << "the freed fish went to the level's aquarium";
}

TEST_F(SessionMiniGameTest, LevelsWithoutAMemoryGamePassStraightToTheirStart)
{
    writeGameWithMiniGame(1);
    start();
    const std::vector<int> states = statesUntil(CGame::ePlay);
    EXPECT_EQ(states.end(), std::find(states.begin(), states.end(), int(CGame::eMiniGame)));
    EXPECT_TRUE(m_pGame->miniGame().cells().empty());
}

}  // namespace
