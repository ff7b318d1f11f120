#include "board_fixture.h"

#include "Core/vantile_random.h"
#include "Game/Context/gameevents.h"

namespace {

// Boards with holes, double items, a ready trunk and few item types.
struct SoakLevel {
    Layout layout;
    const char* szTypes;
};

const SoakLevel LEVELS[] = {
    {Layout(8, "........"), "0102030405"},
    {{"........", "..#..#..", "........", "###..###", "........", "..A..B..", "#......#", "........"}, "01020304"},
    {{"...t....", "........", "#.#.#.#.", "........", ".C....D.", "........", "..####..", "........"}, "0102030405060708"},
    {{"#......#", "##....##", "........", "........", "........", "........", "##....##", "#......#"}, "010203"},
};

const int MOVES = 10000;
const int MAX_MOVE_FRAMES = 5000;
// Every so many moves the bot spends a power-up instead, the five in turn.
const int POWERUP_EVERY = 16;

class SoakTest : public BoardTest {
protected:
    void spendPowerup(int nPowerup, CGameCell* pCell)
    {
        CGameContext& context = CGameContext::Instance();
        context.m_bPowerupArmed = true;
        context.m_nPowerup = nPowerup;
        m_Field.mouseDown(pCell->position());
        m_Field.mouseUp(pCell->position());
        context.m_bPowerupArmed = false;
    }
    // A won board stops evaluating while its trunk leaves; only its holes
    // are checked then.
    void checkRested(const Layout& holes)
    {
        const Layout now = board();
        std::string strBoard;
        for (const std::string& row : now)
            strBoard += row + "\n";
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                ASSERT_EQ(holes[r][c] == '#', now[r][c] == '#') << "holes changed at " << r << "," << c;
        if (m_pDriver->isWon())
            return;
        CGameField::GroupList groups;
        m_Field.findRuns(m_Field.columnSegments(), groups);
        ASSERT_TRUE(groups.empty()) << "a column run was left\n" << strBoard;
        m_Field.findRuns(m_Field.rowSegments(), groups);
        ASSERT_TRUE(groups.empty()) << "a row run was left\n" << strBoard;
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                ASSERT_NE('.', now[r][c]) << "an empty cell at " << r << "," << c << "\n" << strBoard;
    }
};

TEST_F(SoakTest, TheBotPlaysTenThousandMovesWithoutABoardGoingWrong)
{
    int nLevel = 0, nMove = 0, nWins = 0;
    unsigned nSeed = 1;
    while (nMove < MOVES) {
        const SoakLevel& level = LEVELS[nLevel++ % 4];
        Vantile::SeedRandom(nSeed++);
        load(level.layout, level.szTypes);
        m_pDriver->clearRecords();
        for (int i = 0; i < 400 && nMove < MOVES && !m_pDriver->isWon(); ++i, ++nMove) {
            std::pair<CGameCell*, CGameCell*> move;
            if (!m_pDriver->chooseMove(move))
                m_Field.shuffle();
            else if (nMove % POWERUP_EVERY == 0)
                spendPowerup(nMove / POWERUP_EVERY % 5, move.first);
            else
                m_pDriver->playMove(move.first, move.second);
            ASSERT_NE(-1, m_pDriver->settle(MAX_MOVE_FRAMES)) << "move " << nMove << " did not settle";
            checkRested(level.layout);
            if (HasFatalFailure())
                return;
        }
        nWins += m_pDriver->isWon();
    }
    EXPECT_GT(nWins, 0) << "some boards should be won on the way";
}

TEST_F(SoakTest, ASeedReplaysTheSameGame)
{
    auto play = [this](unsigned nSeed) {
        Vantile::SeedRandom(nSeed);
        load(LEVELS[1].layout, LEVELS[1].szTypes);
        CBoardDriver driver(m_Field, true, nSeed);
        std::vector<Layout> boards;
        for (int i = 0; i < 30; ++i) {
            std::pair<CGameCell*, CGameCell*> move;
            if (driver.chooseMove(move))
                driver.playMove(move.first, move.second);
            driver.settle(MAX_MOVE_FRAMES);
            boards.push_back(board());
        }
        return boards;
    };
    EXPECT_EQ(play(5), play(5));
    EXPECT_NE(play(5), play(6));
}

}  // namespace
