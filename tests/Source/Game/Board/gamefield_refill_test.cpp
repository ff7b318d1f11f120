#include "board_fixture.h"

#include "Core/vantile_exception.h"
#include "Core/vantile_random.h"
#include "Game/Context/gameevents.h"
#include "Game/Items/animationmanager.h"
#include "Resources/vantile_resourcemanager.h"
#include "support/temp_folder.h"

namespace {

const Layout FULL = {
    "56789567", "78956789", "95678956", "67895678", "89567895", "56789567", "78956789", "95678956",
};

class RefillTest : public BoardTest {
protected:
    void clearAllBackgrounds()
    {
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                if (at(r, c)->exists())
                    at(r, c)->clearBackground();
        settle();
    }
    Layout withHole(int nRow, int nColumn, const Layout& base = FULL)
    {
        Layout rows = base;
        rows[nRow][nColumn] = '#';
        return rows;
    }
};

TEST_F(RefillTest, TheBagGivesEveryActiveTypeOncePerRound)
{
    load(FULL, "010203");
    CAnimationManager::Instance().refillItemTypes().clear();
    for (int nRound = 0; nRound < 5; ++nRound) {
        std::vector<int> drawn = {m_Field.drawItemType(), m_Field.drawItemType(), m_Field.drawItemType()};
        std::sort(drawn.begin(), drawn.end());
        EXPECT_EQ(std::vector<int>({1, 2, 3}), drawn);
    }
}

TEST_F(RefillTest, ItemsAboveAHoleNeverFallBelowIt)
{
    load(withHole(5, 0));
    CGameItem* pAbove = at(4, 0)->item();
    at(6, 0)->setItem(nullptr);
    at(7, 0)->setItem(nullptr);
    m_Field.refill();
    EXPECT_EQ(pAbove, at(4, 0)->item());
    EXPECT_NE(nullptr, at(6, 0)->item());
    EXPECT_NE(nullptr, at(7, 0)->item());
    settle();
}

TEST_F(RefillTest, ItemsFallLowestFirstAndNewOnesDropIn)
{
    load(FULL);
    CGameItem* pTop = at(0, 2)->item();
    CGameItem* pSecond = at(1, 2)->item();
    at(5, 2)->setItem(nullptr);
    at(3, 2)->setItem(nullptr);
    m_Field.refill();
    EXPECT_EQ(pSecond, at(3, 2)->item());
    EXPECT_EQ(pTop, at(2, 2)->item());
    EXPECT_EQ(eFalling, at(0, 2)->item()->getState());
    settle();
    EXPECT_EQ(1, m_pDriver->eventCount(eEventEvaluateBoard)) << "the last landing asks for one evaluation";
}

TEST_F(RefillTest, TheTrunkCrossesHolesAndOpensAtTheBottom)
{
    Layout rows = withHole(5, 0);
    rows[4][0] = 't';
    load(rows);
    at(6, 0)->setItem(nullptr);
    at(7, 0)->setItem(nullptr);
    m_Field.refill();
    EXPECT_EQ(eTrunk, typeAt(7, 0));
    settle();
    EXPECT_EQ(1, m_pDriver->eventCount(eEventTrunkHome));
    EXPECT_EQ(1, m_pDriver->eventCount(eEventTrunkTune));
    EXPECT_TRUE(m_pDriver->isWon());
    EXPECT_EQ(nullptr, at(7, 0)->item()) << "the effect took the trunk off its cell";
}

TEST_F(RefillTest, ATrunkAboveAFullLowerSegmentWaits)
{
    Layout rows = withHole(5, 0);
    rows[4][0] = 't';
    load(rows);
    at(0, 3)->setItem(nullptr);
    m_Field.refill();
    settle();
    EXPECT_EQ(eTrunk, typeAt(4, 0));
    EXPECT_EQ(0, m_pDriver->eventCount(eEventTrunkHome));
}

TEST_F(RefillTest, TheTrunkComesOnceEveryBackgroundIsClearedIntoATopCell)
{
    load(withHole(0, 5));
    at(2, 2)->setItem(nullptr);
    m_Field.refill();
    settle();
    EXPECT_NE(eTrunk, typeAt(0, 2)) << "backgrounds are still uncleared";
    clearAllBackgrounds();
    at(2, 2)->setItem(nullptr);
    at(1, 5)->setItem(nullptr);
    m_Field.refill();
    const bool bAtTwo = typeAt(0, 2) == eTrunk;
    EXPECT_TRUE(bAtTwo || typeAt(1, 5) == eTrunk) << "only the top cell of a column takes the trunk";
    at(3, 6)->setItem(nullptr);
    m_Field.refill();
    EXPECT_NE(eTrunk, typeAt(0, 6)) << "never a second trunk";
}

TEST_F(RefillTest, TheInitialFillMakesNoRuns)
{
    for (unsigned nSeed : {1u, 2u, 3u, 4u, 5u}) {
        Vantile::SeedRandom(nSeed);
        load(Layout(8, "........"), "010203");
        CGameField::GroupList groups;
        m_Field.findRuns(m_Field.columnSegments(), groups);
        EXPECT_TRUE(groups.empty());
        m_Field.findRuns(m_Field.rowSegments(), groups);
        EXPECT_TRUE(groups.empty());
        for (const std::string& row : board())
            EXPECT_EQ(std::string::npos, row.find('.'));
    }
}

TEST_F(RefillTest, LevelsThatCannotBePlayedAreRefused)
{
    struct Case {
        const char* szName;
        Layout layout;
        const char* szTypes;
    };
    Layout run = FULL;
    run[2].replace(0, 3, "111");
    const Case cases[] = {
        {"a ready-made run", run, "0102"},
        {"one item type cannot fill without runs", Layout(8, "........"), "01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_THROW(load(c.layout, c.szTypes), Vantile::Exception);
    }
}

TEST_F(RefillTest, ALevelFileWithoutCellsKeepsTheHolesOfTheBoard)
{
    CTempFolder data;
    data.write("game/nocells.xml", "<root><game types=\"0506070809\" period=\"60\"/></root>");
    Vantile::CResourceManager::Instance().Init(data.path() + "/game", true);
    load(withHole(3, 4));
    m_Field.Load("nocells.xml");
    EXPECT_FALSE(at(3, 4)->exists()) << "the hole stays a hole";
    EXPECT_TRUE(at(3, 5)->exists());
    EXPECT_NE(nullptr, at(0, 0)->item()) << "the fill completes the existing cells";
}

}  // namespace
