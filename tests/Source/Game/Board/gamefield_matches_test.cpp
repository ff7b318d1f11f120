#include "board_fixture.h"

#include <cmath>

#include "Game/Board/boardaquarium.h"
#include "Game/Context/gameevents.h"

namespace {

// Types 5 to 9 in a pattern without runs; the cases draw in types 1 to 4.
Layout filler()
{
    Layout rows(8, std::string(8, ' '));
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            rows[r][c] = "56789"[(r * 2 + c) % 5];
    return rows;
}

// Overlays the non-blank characters of each given row.
Layout with(std::vector<std::pair<int, std::string>> overlay)
{
    Layout rows = filler();
    for (const auto& row : overlay)
        for (size_t c = 0; c < row.second.size(); ++c)
            if (row.second[c] != ' ')
                rows[row.first][c] = row.second[c];
    return rows;
}

int count(const Layout& rows, char c)
{
    int n = 0;
    for (const std::string& row : rows)
        n += static_cast<int>(std::count(row.begin(), row.end(), c));
    return n;
}

class MatchTest : public BoardTest {
protected:
    // Loads the filler, then puts the shape in place as a cascade would,
    // so that the level check does not refuse it.
    void placeShape(const Layout& shape)
    {
        load(filler());
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                if (shape[r][c] != filler()[r][c]) {
                    int nLives = shape[r][c] >= 'A' && shape[r][c] <= 'J' ? 2 : 1;
                    const int nType = nLives == 2 ? shape[r][c] - 'A' + 1 : shape[r][c] - '0';
                    CGameItem* pItem = new CGameItem(nType);
                    pItem->setHits(nLives);
                    at(r, c)->setItem(pItem);
                }
    }
    // Runs frames until the driver has answered one more evaluation.
    void evaluateOnce()
    {
        const int nBefore = m_pDriver->eventCount(eEventEvaluateBoard);
        for (int i = 0; i < 500 && m_pDriver->eventCount(eEventEvaluateBoard) == nBefore; ++i)
            m_pDriver->frame();
        ASSERT_GT(m_pDriver->eventCount(eEventEvaluateBoard), nBefore);
    }
};

TEST_F(MatchTest, RunShapesClearTheirCellsAndLeaveTheirSpecialItems)
{
    struct Case {
        const char* szName;
        Layout shape;
        int nCleared;  // event 11 count: a double item's hit counts too
        int nCrabs;
        int nStars;
    };
    const Case cases[] = {
        {"row of four", with({{3, "1111"}}), 4, 1, 0},
        {"column of four", with({{0, "1"}, {1, "1"}, {2, "1"}, {3, "1"}}), 4, 1, 0},
        {"row of five", with({{3, "11111"}}), 5, 0, 1},
        {"column of five", with({{2, "   2"}, {3, "   2"}, {4, "   2"}, {5, "   2"}, {6, "   2"}}), 5, 0, 1},
        {"row of six", with({{3, "111111"}}), 6, 0, 0},
        {"two runs of three in one row", with({{3, "1114111"}}), 6, 0, 0},
        {"four with a double item", with({{3, "11A1"}}), 4, 0, 0},
        {"L of three and three", with({{0, "1"}, {1, "1"}, {2, "111"}}), 5, 0, 0},
        {"T with an arm of four", with({{0, " 2"}, {1, " 2"}, {2, " 2"}, {3, "222"}}), 6, 1, 0},
        {"double item at the corner of an L", with({{0, "1"}, {1, "1"}, {2, "A11"}}), 6, 0, 0},
        {"big combo of two shapes", with({{0, "111"}, {5, "    3"}, {6, "    3"}, {7, "    3"}}), 6, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        placeShape(c.shape);
        clearQueue();
        bool bBigCombo = false;
        EXPECT_TRUE(m_Field.processMatches(bBigCombo));
        EXPECT_EQ(c.nCleared, queued(eEventItemCleared));
        EXPECT_EQ(c.nCrabs, count(board(), 'h'));
        EXPECT_EQ(c.nStars, count(board(), 's'));
        EXPECT_EQ(0, count(board(), '.')) << "the refill leaves no cell empty";
        EXPECT_FALSE(bBigCombo) << "only a player's swap makes a big combo";
        clearQueue();
    }
}

TEST_F(MatchTest, ADoubleItemInARunOfFourLosesOneLifeAndStays)
{
    placeShape(with({{3, "11A1"}}));
    bool bBigCombo = false;
    m_Field.processMatches(bBigCombo);
    EXPECT_EQ(1, at(3, 2)->item()->getType());
    EXPECT_EQ(1, at(3, 2)->item()->getHits());
}

TEST_F(MatchTest, HolesSplitRuns)
{
    // Row 3 reads 1 1 # 1 1; the hole's column has 1 1 below it.
    Layout holes = filler();
    holes[3][2] = '#';
    load(holes);
    for (int c : {0, 1, 3, 4})
        at(3, c)->setItem(new CGameItem(1));
    at(4, 2)->setItem(new CGameItem(1));
    at(5, 2)->setItem(new CGameItem(1));
    bool bBigCombo = false;
    EXPECT_FALSE(m_Field.processMatches(bBigCombo));
    EXPECT_EQ(0, queued(eEventItemCleared));
}

TEST_F(MatchTest, ASwapThatMatchesNothingGoesBackAndLeavesNoMarks)
{
    const Layout start = with({{3, "12"}});
    load(start);
    m_pDriver->playMove(at(3, 0), at(3, 1));
    settle();
    EXPECT_EQ(start, board());
    EXPECT_FALSE(at(3, 0)->item()->hasPlayerMark());
    EXPECT_FALSE(at(3, 1)->item()->hasPlayerMark());
    EXPECT_EQ(2, std::count(m_pDriver->sounds().begin(), m_pDriver->sounds().end(), "change.ogg"));
    EXPECT_EQ(0, m_pDriver->eventCount(eEventItemCleared));
}

// The head-shake is drawn only: the items sway while going back, land in
// their own cells again, and it dies away.
TEST_F(MatchTest, ARefusedSwapShakesBothItemsOnlyAsTheyAreDrawn)
{
    const Layout start = with({{3, "12"}});
    load(start);
    CGameItem* pFirst = at(3, 0)->item();
    CGameItem* pSecond = at(3, 1)->item();
    m_pDriver->playMove(at(3, 0), at(3, 1));
    EXPECT_EQ(0.0f, pFirst->shakeOffset()) << "the first swap is no refusal yet";
    float fFirst = 0.0f, fSecond = 0.0f;
    for (int i = 0; i < 60; ++i) {
        m_pDriver->frame();
        fFirst = std::max(fFirst, std::fabs(pFirst->shakeOffset()));
        fSecond = std::max(fSecond, std::fabs(pSecond->shakeOffset()));
    }
    EXPECT_GT(fFirst, 1.0f);
    EXPECT_GT(fSecond, 1.0f);
    EXPECT_LE(std::max(fFirst, fSecond), 4.0f);
    EXPECT_EQ(0.0f, pFirst->shakeOffset());
    EXPECT_EQ(0.0f, pSecond->shakeOffset());
    EXPECT_EQ(start, board());
    EXPECT_EQ(pFirst, at(3, 0)->item());
    EXPECT_EQ(pSecond, at(3, 1)->item());
}

TEST_F(MatchTest, ASwapThatMakesTwoGroupsIsABigCombo)
{
    // Moving the 1 down into row 3 completes the row and the column.
    load(with({{2, " 1"}, {3, "121"}, {4, " 1"}, {5, " 1"}}));
    m_pDriver->playMove(at(2, 1), at(3, 1));
    evaluateOnce();
    evaluateOnce();
    EXPECT_EQ(5, m_pDriver->eventCount(eEventItemCleared));
    EXPECT_EQ(5 * 10 + 5 * 100, m_pDriver->score()) << "a big combo's items earn the combo bonus";
}

TEST_F(MatchTest, ASwappedSpecialItemFiresWithoutARun)
{
    load(with({{3, "   h"}}));
    m_pDriver->playMove(at(3, 3), at(3, 4));
    for (int i = 0; i < 100 && m_Field.destructorCount() == 0; ++i)
        m_pDriver->frame();
    ASSERT_EQ(2u, m_Field.destructorCount()) << "a crab in mid-row runs both ways";
    settle();
    EXPECT_EQ(8, m_pDriver->eventCount(eEventItemCleared)) << "the crab and the seven others of its row";
    EXPECT_EQ(1, std::count(m_pDriver->sounds().begin(), m_pDriver->sounds().end(), "use_crab.ogg"));
}

TEST_F(MatchTest, ASwappedHeartOrSnowflakeFiresAndTheBoardRefills)
{
    for (const char* szShape : {"   e", "   f"}) {
        SCOPED_TRACE(szShape);
        load(with({{3, szShape}}));
        clearQueue();
        m_pDriver->clearRecords();
        m_pDriver->playMove(at(3, 3), at(3, 4));
        settle();
        EXPECT_EQ(1, m_pDriver->eventCount(szShape[3] == 'e' ? eEventExtraLife : eEventTimeFreeze));
        for (const std::string& row : board())
            EXPECT_EQ(std::string::npos, row.find('.')) << "no cell stays empty";
    }
}

TEST_F(MatchTest, NoMoveStartsWhileAnEvaluationWaitsInTheQueue)
{
    load(with({{3, "121"}}));
    m_pDriver->playMove(at(3, 1), at(2, 1));
    for (int i = 0; i < 200 && queued(eEventEvaluateBoard) == 0; ++i)
        m_pDriver->frame();
    ASSERT_EQ(1, queued(eEventEvaluateBoard));
    EXPECT_TRUE(m_Field.isBusy());
    m_Field.mouseDown(at(6, 6)->position());
    m_Field.mouseUp(at(6, 6)->position());
    EXPECT_EQ(nullptr, m_Field.selected()) << "a move now would be evaluated while it still moves";
    m_pDriver->frame();
    EXPECT_FALSE(m_Field.isBusy() && m_Field.isSettled());
    settle();
    m_Field.mouseDown(at(6, 6)->position());
    EXPECT_EQ(at(6, 6), m_Field.selected());
}

TEST_F(MatchTest, ClicksSelectDeselectAndIgnoreDoubleItems)
{
    load(with({{3, "1A"}}));
    const D3DXVECTOR3 vFirst = at(3, 0)->position();
    m_Field.mouseDown(vFirst);
    m_Field.mouseUp(vFirst);
    EXPECT_EQ(at(3, 0), m_Field.selected());
    EXPECT_EQ(eCursor, at(3, 0)->item()->getState());
    m_Field.mouseDown(vFirst);
    m_Field.mouseUp(vFirst);
    EXPECT_EQ(nullptr, m_Field.selected());
    m_Field.mouseDown(at(3, 1)->position());
    EXPECT_EQ(nullptr, m_Field.selected()) << "double items cannot be moved";
    EXPECT_FALSE(m_Field.isBusy());
}

TEST_F(MatchTest, DraggingOntoANeighbourSwaps)
{
    load(with({{3, "12"}}));
    CGameItem* pMoved = at(3, 0)->item();
    m_Field.mouseDown(at(3, 0)->position());
    m_Field.mouseMove(at(3, 0)->position() + D3DXVECTOR3(20.0f, 0.0f, 0.0f));
    EXPECT_EQ(at(3, 0), m_Field.selected());
    m_Field.mouseMove(at(3, 1)->position());
    EXPECT_EQ(pMoved, at(3, 1)->item());
    EXPECT_TRUE(m_Field.isBusy());
    settle();
}

TEST_F(MatchTest, CellsAreFoundStrictlyInsideTheirSquares)
{
    load(filler());
    EXPECT_EQ(at(0, 0), m_Field.cellAt(D3DXVECTOR3(-180.0f, 220.0f, 0.0f)));
    EXPECT_EQ(at(7, 7), m_Field.cellAt(D3DXVECTOR3(205.0f, -165.0f, 0.0f)));
    EXPECT_EQ(nullptr, m_Field.cellAt(D3DXVECTOR3(-180.0f + 27.5f, 220.0f, 0.0f))) << "a shared border";
    EXPECT_EQ(nullptr, m_Field.cellAt(D3DXVECTOR3(400.0f, 0.0f, 0.0f)));
}

}  // namespace

// Records what the board asks of the aquarium behind it.
class CRecordingAquarium : public IBoardAquarium {
public:
    void dropFood(const D3DXVECTOR3& vPoint) override { m_Drops.push_back(vPoint); }
    void drawBehindBoard() override { m_strDraws += "B"; }
    void drawInFrontOfBoard() override { m_strDraws += "F"; }

    std::vector<D3DXVECTOR3> m_Drops;
    std::string m_strDraws;
};

TEST_F(MatchTest, ClearedCellsFeedTheAquariumDrawnAroundTheBoard)
{
    CRecordingAquarium aquarium;
    m_Field.setAquarium(&aquarium);
    placeShape(with({{3, "111"}}));
    bool bBigCombo = false;
    EXPECT_TRUE(m_Field.processMatches(bBigCombo));
    m_pDriver->frame();
    m_pDriver->frame();
    std::vector<D3DXVECTOR3> expected;
    for (int c = 0; c < 3; ++c)
        expected.push_back(CGameField::cellCentre(3, c));
    EXPECT_EQ(aquarium.m_Drops, expected) << "first clears of the backgrounds";
    EXPECT_EQ(aquarium.m_strDraws.substr(0, 4), "BFBF") << "behind the board, then in front, every frame";
    m_Field.setAquarium(nullptr);
}
