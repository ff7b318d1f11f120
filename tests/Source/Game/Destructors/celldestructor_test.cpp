#include "../Board/board_fixture.h"

#include "Game/Context/gameevents.h"

namespace {

const Layout FULL = {
    "56789567", "78956789", "95678956", "67895678", "89567895", "56789567", "78956789", "95678956",
};

class DestructorTest : public BoardTest {
protected:
    // The frame in which each cell of a row started losing its item.
    std::vector<int> removalFrames(int nRow)
    {
        std::vector<int> frames(8, -1);
        frames[0] = 0;
        // The refill puts new items in at once once the last cell is due.
        std::vector<CGameItem*> before;
        for (int c = 0; c < 8; ++c)
            before.push_back(at(nRow, c)->item());
        for (int nFrame = 1; nFrame <= 200 && m_Field.destructorCount() > 0; ++nFrame) {
            m_pDriver->frame();
            for (int c = 1; c < 8; ++c)
                if (frames[c] == -1 && at(nRow, c)->item() != before[c])
                    frames[c] = nFrame;
        }
        return frames;
    }
    void fire(int nRow, int nColumn, char cSpecial)
    {
        Layout rows = FULL;
        rows[nRow][nColumn] = cSpecial;
        load(rows);
        m_pDriver->frame();
        m_Field.hitCell(at(nRow, nColumn), true, false);
    }
};

TEST_F(DestructorTest, CrabLinesRunBothWaysFromMidRowAndOneWayFromACorner)
{
    struct Case {
        int nRow, nColumn;
        char cSpecial;
        size_t nDestructors;
    };
    const Case cases[] = {{3, 3, 'h', 2}, {0, 0, 'h', 1}, {7, 7, 'h', 1}, {0, 7, 'v', 1}, {4, 2, 'v', 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nRow << "," << c.nColumn << c.cSpecial);
        fire(c.nRow, c.nColumn, c.cSpecial);
        EXPECT_EQ(c.nDestructors, m_Field.destructorCount());
        settle();
        EXPECT_EQ(8, m_pDriver->eventCount(eEventItemCleared)) << "the whole line and the crab";
        m_pDriver->clearRecords();
    }
}

// At 400 units a second and 16 ms a frame the crab moves 6.4 units a
// frame; a cell goes once the crab's centre has passed its centre, the
// last one when the crab arrives.
TEST_F(DestructorTest, ACrabTakesEachCellAsItPassesIt)
{
    fire(3, 0, 'h');
    const std::vector<int> frames = removalFrames(3);
    for (int c = 1; c < 8; ++c)
        EXPECT_EQ(static_cast<int>(55.0f * c / 6.4f) + 1, frames[c]) << "cell " << c;
}

// Star cells go 0.3 s after their particle, the particles 0.05 s apart
// outward; at 16 ms a frame that is within a frame of 18.75 + 3.125 k.
TEST_F(DestructorTest, AStarClearsItsArmsOutwardEveryFiftyMilliseconds)
{
    fire(3, 0, 's');
    const std::vector<int> frames = removalFrames(3);
    for (int k = 1; k < 8; ++k)
        EXPECT_NEAR(18.75 + 3.125 * (k - 1), frames[k], 1.5) << "cell " << k;
    EXPECT_EQ(1, std::count(m_pDriver->sounds().begin(), m_pDriver->sounds().end(), "use_star.ogg"));
}

TEST_F(DestructorTest, FiredItemsWithoutDestructorsPostTheirEvents)
{
    struct Case {
        char cSpecial;
        int nCode;
        const char* szSound;
    };
    const Case cases[] = {{'e', eEventExtraLife, "use_heart.ogg"}, {'f', eEventTimeFreeze, "use_snowflake.ogg"}};
    for (const Case& c : cases) {
        fire(2, 2, c.cSpecial);
        EXPECT_EQ(0u, m_Field.destructorCount());
        EXPECT_EQ(1, queued(c.nCode));
        settle();
        EXPECT_EQ(1, std::count(m_pDriver->sounds().begin(), m_pDriver->sounds().end(), c.szSound));
    }
}

TEST_F(DestructorTest, ACrabNeverTakesTheTrunk)
{
    Layout rows = FULL;
    rows[3][5] = 't';
    rows[3][0] = 'h';
    load(rows);
    m_Field.hitCell(at(3, 0), true, false);
    settle();
    EXPECT_TRUE(m_pDriver->isWon() || typeAt(3, 5) == eTrunk || typeAt(7, 5) == eTrunk);
}

}  // namespace
