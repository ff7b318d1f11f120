#include <gtest/gtest.h>

#include "session_fixture.h"
#include "Game/Hud/rollingcounter.h"
#include "system/win32.h"

namespace {

bool countersSettled(const CAfterWinDialog& dialog)
{
    const CRollingCounter& last = dialog.counter(CAfterWinDialog::COUNTERS - 1);
    return last.value() != 0 && !last.isRolling() && last.pending() == 0;
}

}  // namespace

TEST_F(SessionTest, AWonLevelShowsItsPointsOnTheChestWhileItemsRainIn)
{
    writeLevels({LevelDesign(), LevelDesign()});
    start();
    reachPlay();
    player().m_nScore = 1000;
    player().m_nLevelScore = 300;
    player().m_nComboBonus = 200;
    m_pDriver->key(VK_F5);
    reach(CGame::eWon, 1000);
    const CAfterWinDialog& dialog = m_pGame->afterWin();
    EXPECT_EQ(0, dialog.level()) << "the level just won, not the next";
    const int nTotal = saved().m_nScore;
    const int nTimeBonus = nTotal - 1500;
    EXPECT_GT(nTimeBonus, 0);

    ASSERT_TRUE(m_pDriver->runUntil([&] { return countersSettled(dialog); }, 3000));
    const int expected[] = {300, 200, nTimeBonus, 500 + nTimeBonus, nTotal};
    for (int i = 0; i < CAfterWinDialog::COUNTERS; ++i)
        EXPECT_EQ(expected[i], CAfterWinDialog::shownValue(dialog.counter(i))) << "counter " << i + 1;
    EXPECT_GT(dialog.generator().falling(), 0u);
    // Every item lands and is let go once the showing's items are made.
    ASSERT_TRUE(m_pDriver->runUntil(
        [&] { return dialog.generator().itemsLeft() == 0 && dialog.generator().falling() == 0; }, 3000));
}

TEST_F(SessionTest, TheDiagnosticKeysShowTheChestALevelHigherOrLower)
{
    writeLevels({LevelDesign()});
    start();
    reachPlay();
    m_pDriver->key(VK_UP);
    m_pDriver->key(VK_UP);
    m_pDriver->key(VK_DOWN);
    m_pDriver->frame();
    EXPECT_EQ(21, m_pGame->afterWin().level());
    EXPECT_EQ(5000, m_pGame->afterWin().counter(0).pending()) << "shown afresh with the trial numbers";
}
