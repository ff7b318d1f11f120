#include "board_fixture.h"

#include <map>

#include "Core/vantile_random.h"

namespace {

std::map<char, int> census(const Layout& rows)
{
    std::map<char, int> counts;
    for (const std::string& row : rows)
        for (char c : row)
            ++counts[c];
    return counts;
}

class MovesTest : public BoardTest {};

TEST_F(MovesTest, EveryPossibleMoveMakesARunAndNoneMovesDoublesOrTheTrunk)
{
    load({"12156789", "51A89567", "7895t789", "95678956", "67895678", "89567895", "56789567", "78956789"});
    CGameField::MoveList moves;
    m_Field.findPossibleMoves(moves);
    ASSERT_FALSE(moves.empty());
    bool bFoundKnown = false;
    for (const auto& move : moves) {
        bFoundKnown |= move.first == at(1, 1) && move.second == at(0, 1);
        for (CGameCell* pCell : {move.first, move.second}) {
            EXPECT_EQ(1, pCell->item()->getHits());
            EXPECT_NE(eTrunk, pCell->item()->getType());
        }
    }
    EXPECT_TRUE(bFoundKnown) << "1 2 1 with a 1 below the 2";
    EXPECT_EQ(board(), Layout({"12156789", "51A89567", "7895t789", "95678956", "67895678", "89567895",
                               "56789567", "78956789"}))
        << "the search puts every item back";
}

TEST_F(MovesTest, AShuffleKeepsTheItemsAndTheTrunkAndLeavesAMove)
{
    const Layout start = {"1212t121", "3434343A", "1212#212", "34343434", "12121212", "34343434", "12121212",
                          "34343434"};
    for (unsigned nSeed : {3u, 11u, 19u}) {
        SCOPED_TRACE(nSeed);
        Vantile::SeedRandom(nSeed);
        load(start, "01020304");
        CGameField::MoveList moves;
        m_Field.findPossibleMoves(moves);
        m_Field.shuffle();
        settle();
        if (m_pDriver->eventCount(11) == 0)
            EXPECT_EQ(census(start), census(board()));
        EXPECT_EQ(eTrunk, typeAt(0, 4));
        m_Field.findPossibleMoves(moves);
        EXPECT_FALSE(moves.empty());
        m_pDriver->clearRecords();
    }
}

TEST_F(MovesTest, AShuffleWaitsForTheBoardToRest)
{
    load({"12156789", "56789567", "78956789", "95678956", "67895678", "89567895", "56789567", "78956789"});
    at(7, 0)->setItem(nullptr);
    m_Field.refill();
    const Layout falling = board();
    m_Field.shuffle();
    EXPECT_EQ(falling, board());
    settle();
}

}  // namespace
