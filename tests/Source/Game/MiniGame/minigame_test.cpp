#include "Game/MiniGame/minigame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "Core/vantile_random.h"
#include "Game/Context/gameevents.h"
#include "Game/MiniGame/minigamepond.h"

namespace {

const float FRAME = 0.016f;

// Records what the game asks of the water its fish swim in.
class CRecordingPond : public IMiniGamePond {
public:
    void clearFish() override { ++nCleared; }
    void freeFish(const std::string& strObject, const D3DXVECTOR3& vAt) override
    {
        freed.push_back(strObject);
        vFreedAt = vAt;
    }
    void releaseFish(const std::string& strObject) override { released.push_back(strObject); }
    void removeStrayFish(float) override {}
    void drawFish() override {}

    int nCleared = 0;
    std::vector<std::string> freed;
    std::vector<std::string> released;
    D3DXVECTOR3 vFreedAt = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
};

struct Posted {
    int nCode;
    int nCount;  // event 11's amount, 0 for the others
};

class MiniGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drain();
        Vantile::SeedRandom(11);
        m_Game.setPond(&m_Pond);
    }
    void TearDown() override { drain(); }

    static std::vector<Posted> drain()
    {
        std::vector<Posted> posted;
        CGameContext& context = CGameContext::Instance();
        GameEvent event;
        while (context.peekEvent(event)) {
            const auto* pItem = dynamic_cast<const CClearedItemPayload*>(event.pPayload.get());
            posted.push_back({event.nCode, pItem ? pItem->m_nCount : 0});
            context.popEvent();
        }
        return posted;
    }

    // The cells showing kind nId, in row order.
    std::vector<const CMiniGameCell*> cellsOf(int nId) const
    {
        std::vector<const CMiniGameCell*> found;
        for (const auto& pCell : m_Game.cells())
            if (pCell->kind().nId == nId && pCell->state() != CMiniGameCell::eTaken)
                found.push_back(pCell.get());
        return found;
    }
    // A cell of another kind than nId that is still on the grid.
    const CMiniGameCell* otherThan(int nId) const
    {
        for (const auto& pCell : m_Game.cells())
            if (pCell->kind().nId != nId && pCell->state() != CMiniGameCell::eTaken)
                return pCell.get();
        return nullptr;
    }

    void press(const CMiniGameCell* pCell) { m_Game.onMouseDown(pCell->position()); }
    // A press, then frames until its animation is over.
    void open(const CMiniGameCell* pCell)
    {
        press(pCell);
        frames(2);
    }
    void frames(int nCount)
    {
        for (int i = 0; i < nCount; ++i)
            m_Game.update(FRAME);
    }
    // Every decoy pair matched, whatever the deal.
    void takeAllDecoys()
    {
        for (const SMiniGameKind& kind : m_Game.decoyKinds())
            for (std::vector<const CMiniGameCell*> cells = cellsOf(kind.nId); cells.size() >= 2; cells = cellsOf(kind.nId)) {
                open(cells[0]);
                open(cells[1]);
            }
    }

    CRecordingPond m_Pond;
    CMiniGame m_Game{false};
};

TEST_F(MiniGameTest, TheDealHasOnePairOfTheFishAndDecoyPairsOnTheGrid)
{
    struct Case {
        int nColumns, nRows, nFish;
        int nExpectColumns, nExpectRows;
        int nFirstKind;   // the kind of the pair dealt first
        int nTakenAtStart;
    };
    const Case cases[] = {
        {4, 4, 5, 4, 4, 5, 0},   // the clownfish among seven decoy pairs
        {4, 3, 0, 4, 3, 7, 0},   // no such fish: the table's first kind, a decoy
        {3, 3, 6, 3, 3, 6, 1},   // an odd grid: one cell has no partner
        {9, 2, 1, 8, 2, 1, 0},   // wider than the cover picture: kept to 8
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nColumns << " x " << c.nRows << " fish " << c.nFish);
        m_Game.setup(D3DXVECTOR3(0.0f, 0.0f, 0.0f), c.nColumns, c.nRows, c.nFish);
        ASSERT_EQ(c.nExpectColumns, m_Game.columns());
        ASSERT_EQ(c.nExpectRows, m_Game.rows());
        ASSERT_EQ(size_t(c.nExpectColumns * c.nExpectRows), m_Game.cells().size());
        std::map<int, int> counts;
        int nTaken = 0;
        for (const auto& pCell : m_Game.cells()) {
            if (pCell->state() == CMiniGameCell::eTaken)
                ++nTaken;
            else
                ++counts[pCell->kind().nId];
        }
        EXPECT_EQ(c.nTakenAtStart, nTaken);
        EXPECT_GE(counts[c.nFirstKind], 2);
        for (const auto& count : counts) {
            EXPECT_EQ(0, count.second % 2) << "kind " << count.first;
            const bool bFish = count.first >= 1 && count.first <= 6;
            if (bFish)
                EXPECT_EQ(c.nFish, count.first) << "only the asked fish is dealt";
        }
    }
    EXPECT_TRUE(drain().empty()) << "dealing posts nothing";
}

TEST_F(MiniGameTest, CellsSitOnTheGridAroundTheOriginRowZeroOnTop)
{
    m_Game.setup(D3DXVECTOR3(10.0f, -20.0f, 0.0f), 4, 3, 5);
    const D3DXVECTOR3 vTopLeft = m_Game.cells()[0]->position();
    EXPECT_FLOAT_EQ(10.0f - 154.0f, vTopLeft.x);
    EXPECT_FLOAT_EQ(115.5f - 20.0f, vTopLeft.y);
    const D3DXVECTOR3 vLast = m_Game.cells()[11]->position();
    EXPECT_FLOAT_EQ(10.0f + 77.0f, vLast.x);
    EXPECT_FLOAT_EQ(115.5f - 20.0f - 154.0f, vLast.y);
    // Presses strictly inside a cell count; the shared edge belongs to none.
    m_Game.onMouseDown(vTopLeft + D3DXVECTOR3(38.5f, 0.0f, 0.0f));
    EXPECT_EQ(CMiniGameCell::eCovered, m_Game.cells()[0]->state());
    EXPECT_EQ(CMiniGameCell::eCovered, m_Game.cells()[1]->state());
    m_Game.onMouseDown(vTopLeft + D3DXVECTOR3(38.0f, -38.0f, 0.0f));
    EXPECT_EQ(CMiniGameCell::eOpening, m_Game.cells()[0]->state());
}

TEST_F(MiniGameTest, AMatchedDecoyPairIsTakenAndScoresOneACell)
{
    m_Game.setup(D3DXVECTOR3(0.0f, 0.0f, 0.0f), 4, 4, 5);
    const int nDecoy = otherThan(5)->kind().nId;
    const std::vector<const CMiniGameCell*> pair = cellsOf(nDecoy);
    open(pair[0]);
    EXPECT_EQ(CMiniGameCell::eOpen, pair[0]->state());
    EXPECT_EQ(pair[0], m_Game.first());
    open(pair[1]);
    EXPECT_EQ(CMiniGameCell::eTaken, pair[0]->state());
    EXPECT_EQ(CMiniGameCell::eTaken, pair[1]->state());
    EXPECT_EQ(nullptr, m_Game.first());
    EXPECT_EQ(nullptr, m_Game.second());
    const std::vector<Posted> posted = drain();
    ASSERT_EQ(2u, posted.size());
    for (const Posted& event : posted) {
        EXPECT_EQ(eEventItemCleared, event.nCode);
        EXPECT_EQ(1, event.nCount);
    }
    EXPECT_TRUE(m_Game.freed().empty());
    EXPECT_FALSE(m_Game.isSolved());
}

TEST_F(MiniGameTest, TwoDifferentPicturesCloseAgainAndCountNoLonger)
{
    m_Game.setup(D3DXVECTOR3(0.0f, 0.0f, 0.0f), 4, 4, 5);
    const CMiniGameCell* pFish = cellsOf(5)[0];
    const CMiniGameCell* pOther = otherThan(5);
    open(pFish);
    press(pOther);
    EXPECT_EQ(CMiniGameCell::eOpening, pOther->state());
    m_Game.update(FRAME);
    // Both were open for one moment: the mismatch closes them at once
    // (without pictures a closing is over within the frame).
    EXPECT_NE(CMiniGameCell::eOpen, pFish->state());
    EXPECT_NE(CMiniGameCell::eOpen, pOther->state());
    EXPECT_EQ(nullptr, m_Game.first());
    EXPECT_EQ(nullptr, m_Game.second());
    frames(2);
    EXPECT_EQ(CMiniGameCell::eCovered, pFish->state());
    EXPECT_EQ(CMiniGameCell::eCovered, pOther->state());
    EXPECT_TRUE(drain().empty());
}

TEST_F(MiniGameTest, AThirdPressWaitsForThePairAndPressingAnOpenCellClosesIt)
{
    m_Game.setup(D3DXVECTOR3(0.0f, 0.0f, 0.0f), 4, 4, 5);
    const CMiniGameCell* pFirst = cellsOf(5)[0];
    open(pFirst);
    press(pFirst);
    EXPECT_EQ(CMiniGameCell::eClosing, pFirst->state());
    EXPECT_EQ(nullptr, m_Game.first()) << "a closing cell is no longer selected";
    frames(2);
    EXPECT_EQ(CMiniGameCell::eCovered, pFirst->state());

    const CMiniGameCell* pOther = otherThan(5);
    press(pFirst);
    press(pOther);
    const CMiniGameCell* pThird = nullptr;
    for (const auto& pCell : m_Game.cells())
        if (pCell.get() != pFirst && pCell.get() != pOther)
            pThird = pCell.get();
    press(pThird);
    EXPECT_EQ(CMiniGameCell::eCovered, pThird->state());
    EXPECT_EQ(pFirst, m_Game.first());
    EXPECT_EQ(pOther, m_Game.second());
}

TEST_F(MiniGameTest, TheFishPairSetsItFreeScoresFiveAndOneAndEndsTheGameAtOnce)
{
    m_Game.setup(D3DXVECTOR3(0.0f, 0.0f, 0.0f), 4, 4, 5);
    EXPECT_EQ(1, m_Pond.nCleared) << "a new game starts with empty water";
    const std::vector<const CMiniGameCell*> pair = cellsOf(5);
    open(pair[0]);
    open(pair[1]);
    EXPECT_EQ(CMiniGameCell::eTaken, pair[0]->state());
    EXPECT_EQ(CMiniGameCell::eTaken, pair[1]->state());
    const std::vector<Posted> posted = drain();
    ASSERT_EQ(3u, posted.size());
    EXPECT_EQ(eEventItemCleared, posted[0].nCode);
    EXPECT_EQ(eEventItemCleared, posted[1].nCode);
    EXPECT_EQ(6, posted[0].nCount + posted[1].nCount) << "5 for the fish, 1 for its twin";
    EXPECT_EQ(eEventMiniGameOver, posted[2].nCode);
    EXPECT_EQ(std::vector<std::string>{"Percula.object"}, m_Game.freed());
    ASSERT_EQ(std::vector<std::string>{"Percula.object"}, m_Pond.freed);
    EXPECT_TRUE(m_Pond.vFreedAt == pair[0]->position() || m_Pond.vFreedAt == pair[1]->position());
    EXPECT_TRUE(m_Game.isSolved());
    EXPECT_FALSE(m_Game.allTaken());

    m_Game.releaseFreedFish();
    m_Game.releaseFreedFish();
    EXPECT_EQ(std::vector<std::string>{"Percula.object"}, m_Pond.released) << "released once";
}

TEST_F(MiniGameTest, ADecoyOnlyGameEndsOnlyOnceEveryCellIsTaken)
{
    struct Case {
        const char* szHow;
        bool bPress;  // the next press ends it; otherwise the fade running out
    };
    for (const Case& c : {Case{"press", true}, Case{"fade", false}}) {
        SCOPED_TRACE(c.szHow);
        m_Game.setup(D3DXVECTOR3(0.0f, 0.0f, 0.0f), 3, 3, 0);
        takeAllDecoys();
        ASSERT_TRUE(m_Game.allTaken());
        std::vector<Posted> posted = drain();
        EXPECT_EQ(8u, posted.size());
        EXPECT_TRUE(std::none_of(posted.begin(), posted.end(),
                                 [](const Posted& p) { return p.nCode == eEventMiniGameOver; }));
        EXPECT_GT(m_Game.fade(), 0.9f) << "the fade has just begun";
        if (c.bPress) {
            m_Game.onMouseDown(m_Game.cells()[0]->position());
            posted = drain();
            ASSERT_EQ(1u, posted.size());
            EXPECT_EQ(eEventMiniGameOver, posted[0].nCode);
        } else {
            frames(30);
            EXPECT_TRUE(drain().empty()) << "half a second of fading";
            EXPECT_GT(m_Game.fade(), 0.0f);
            frames(40);
            posted = drain();
            ASSERT_EQ(1u, posted.size()) << "once, when the fade has run out";
            EXPECT_EQ(eEventMiniGameOver, posted[0].nCode);
            EXPECT_FLOAT_EQ(0.0f, m_Game.fade());
        }
        EXPECT_TRUE(m_Game.freed().empty());
    }
}

}  // namespace
