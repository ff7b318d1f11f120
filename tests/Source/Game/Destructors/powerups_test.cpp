#include "powerup_fixture.h"

#include "Game/Context/gameevents.h"
#include "support/log_capture.h"

namespace {

class PowerupsTest : public PowerupTest {};

const Layout HOLES_AND_TRUNK = {
    "5678#567", "789t6789", "95#78956", "67895678", "8956#895", "56789567", "78#56789", "95678956",
};

// No power-up, wherever it is spent, hands over the trunk or a hole.
TEST_F(PowerupsTest, NoPowerupEverTakesTheTrunkOrAHole)
{
    const std::pair<int, int> usedCells[] = {{1, 2}, {1, 4}, {0, 3}, {3, 3}, {2, 3}, {7, 0}, {0, 7}, {5, 4}};
    for (int nPowerup = 0; nPowerup < POWERUP_COUNT; ++nPowerup)
        for (const auto& used : usedCells) {
            SCOPED_TRACE(testing::Message() << "power-up " << nPowerup << " at " << used.first << "," << used.second);
            load(HOLES_AND_TRUNK);
            const PowerupRun result = run(nPowerup, used.first, used.second);
            EXPECT_GE(result.nFinishedFrame, 1) << "the power-up never ended";
            for (const Delivery& d : result.deliveries) {
                const char c = HOLES_AND_TRUNK[d.nRow][d.nColumn];
                EXPECT_TRUE(c != '#' && c != 't') << "took " << CellName(d.nRow, d.nColumn);
            }
        }
}

// Spending one plays its sound, tells the session and leaves a full,
// resting board with the trunk and the holes where they were.
TEST_F(PowerupsTest, SpendingOnePlaysItsSoundPostsTheUseAndTheBoardRefills)
{
    const char* const sounds[] = {"use_seaurchin.ogg", "use_mussel.ogg", "use_turtle.ogg", "use_scat.ogg",
                                  "use_cara.ogg"};
    for (int nPowerup = 0; nPowerup < POWERUP_COUNT; ++nPowerup) {
        SCOPED_TRACE(sounds[nPowerup]);
        load(HOLES_AND_TRUNK);
        m_pDriver->clearRecords();
        const CGameItem* pUsedItem = at(3, 3)->item();
        spend(nPowerup, 3, 3);
        EXPECT_EQ(1u, m_Field.destructorCount());
        EXPECT_EQ(1, queued(eEventPowerupUsed));
        EXPECT_EQ(std::vector<std::string>{sounds[nPowerup]}, m_pDriver->sounds());
        settle();
        EXPECT_NE(pUsedItem, at(3, 3)->item()) << "the used cell's item has gone";
        const Layout rows = board();
        int nTrunks = 0;
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) {
                EXPECT_EQ(HOLES_AND_TRUNK[r][c] == '#', rows[r][c] == '#') << CellName(r, c);
                EXPECT_NE('.', rows[r][c]) << CellName(r, c);
                nTrunks += rows[r][c] == 't';
            }
        EXPECT_TRUE(nTrunks == 1 || m_pDriver->isWon());
    }
}

TEST_F(PowerupsTest, AnUnknownIndexOrTheTrunkCellSpendsNothing)
{
    load(HOLES_AND_TRUNK);
    m_pDriver->clearRecords();
    spend(POWERUP_COUNT, 3, 3);
    spend(-1, 3, 3);
    EXPECT_EQ(nullptr, MakePowerup(m_Field, ePowerupCuttlefish, m_Field.refOf(at(1, 3))));
    EXPECT_EQ(0u, m_Field.destructorCount());
    EXPECT_EQ(0, queued(eEventPowerupUsed));
    EXPECT_TRUE(m_pDriver->sounds().empty());
}

// The board's dump shows each running power-up with what it still holds.
TEST_F(PowerupsTest, TheBoardDumpShowsTheRunningPowerup)
{
    struct Case {
        int nPowerup;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {ePowerupSeaUrchin, {"!+ CSplinterBomb {", "!+ contains 4 elements {", "!+ } // CSplinterBomb"}},
        {ePowerupMussel, {"!+ COneTypeBomb {", "!+ } // elements", "!+ } // COneTypeBomb"}},
        {ePowerupTurtle, {"!+ CDiagonalBomb {", "!+ contains 4 destructors {", "!+ CCellDestructor {"}},
        {ePowerupStingray, {"!+ CLightningBomb {", "!+ } // CLightningBomb"}},
        {ePowerupCuttlefish, {"!+ CBomb {", "!+ } // CBomb"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nPowerup);
        load(FULL);
        spend(c.nPowerup, 3, 3);
        m_pDriver->frame();
        CLogCapture log;
        m_Field.dump();
        for (const std::string& strLine : c.lines)
            EXPECT_TRUE(log.contains(strLine)) << strLine << "\n" << log.text();
    }
}

}  // namespace
