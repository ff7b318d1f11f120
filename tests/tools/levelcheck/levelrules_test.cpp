#include "levelcheck/levelrules.h"

#include <gtest/gtest.h>

#include "Game/Items/itemtype.h"

namespace {

// A board drawn as 8 rows: "." an empty cell, "#" a hole, "1"-"9" a fish
// of that kind, "T" the trunk, "h" a crab.
CLevel::Cells board(const std::vector<std::string>& rows)
{
    CLevel::Cells cells;
    for (int k = 0; k < CLevel::CELL_COUNT; ++k) {
        const char c = rows[k / 8][k % 8];
        cells[k].m_bExists = c != '#';
        cells[k].m_nType = c >= '1' && c <= '9' ? c - '0' : c == 'T' ? eTrunk : c == 'h' ? eHorz : eNoItem;
        cells[k].m_nLives = cells[k].m_nType ? 1 : 0;
    }
    return cells;
}

const std::vector<std::string> OPEN(8, "........");
const std::vector<int> THREE_KINDS = {1, 2, 3};

std::string faults(const std::vector<std::string>& rows, const std::vector<int>& types = THREE_KINDS)
{
    std::string strAll;
    for (const std::string& strFault : CLevelRules(board(rows), types).check())
        strAll += strFault + "\n";
    return strAll;
}

std::vector<std::string> with(std::vector<std::string> rows, int nRow, const std::string& strRow)
{
    rows[nRow] = strRow;
    return rows;
}

struct Case {
    const char* szWhat;
    std::vector<std::string> rows;
    std::vector<int> types;
    const char* szFault;  // "" when the level is playable
};

void expectCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szWhat);
        const std::string strFaults = faults(c.rows, c.types);
        if (*c.szFault)
            EXPECT_NE(std::string::npos, strFaults.find(c.szFault)) << strFaults;
        else
            EXPECT_EQ("", strFaults);
    }
}

TEST(LevelRulesTest, RunsOnTheStartingBoard)
{
    expectCases({
        {"row run", with(OPEN, 2, "..111..."), THREE_KINDS, "run of 3 from row 2, column 2 along its row"},
        {"run at the edge", with(OPEN, 7, ".....2222"), THREE_KINDS, "run of 3 from row 7, column 5"},
        {"column run", {"3.......", "3.......", "3.......", "........", "........", "........", "........",
                        "........"}, THREE_KINDS, "run of 3 from row 0, column 0 down its column"},
        {"a hole splits the line", with(OPEN, 2, "11#1...."), THREE_KINDS, ""},
        {"a crab splits the line", with(OPEN, 2, "11h1...."), THREE_KINDS, ""},
        {"an empty cell splits the line", with(OPEN, 2, "11.1...."), THREE_KINDS, ""},
    });
}

// The fill goes in reading order: the cells before a cell may hold any
// kind by then, the empty ones after it hold nothing yet.
TEST(LevelRulesTest, TheFirstFillMustNeverStick)
{
    const std::vector<std::string> boxedIn = {"..3.....", "..3.....", "11.22...", "........",
                                              "........", "........", "........", "........"};
    // Drawn earlier, the two cells to the left and the two above may pair
    // up in any kinds; the placed pair to the right rules out a third.
    const std::vector<std::string> pairRight = with(OPEN, 2, "...22...");
    expectCases({
        {"an open board with three kinds", OPEN, THREE_KINDS, ""},
        {"three placed pairs around a cell", boxedIn, THREE_KINDS,
         "the first fill can stick at row 2, column 2: its neighbours can rule out 3 of the level's 3"},
        {"a fourth kind frees it", boxedIn, {1, 2, 3, 4}, ""},
        {"a special in the refill always fits", boxedIn, {1, 2, 3, eHorz}, ""},
        {"earlier draws count at their worst", pairRight, THREE_KINDS, "stick at row 2, column 2"},
        {"with four kinds they cannot", pairRight, {1, 2, 3, 4}, ""},
        {"placed kinds that differ rule out nothing", with(OPEN, 2, "...21..."), THREE_KINDS, ""},
    });
}

TEST(LevelRulesTest, TheRefillsItemTypes)
{
    expectCases({
        {"no types", OPEN, {}, "names no item types"},
        {"two kinds", OPEN, {1, 2, 1}, "at least three fish kinds, the level names 2"},
        {"a code for no item", OPEN, {1, 2, 3, eNoItem}, "a code that names no item"},
        {"the trunk", OPEN, {1, 2, 3, eTrunk}, "would drop trunks"},
    });
}

TEST(LevelRulesTest, EveryCellCanBeMatched)
{
    const std::vector<std::string> lonely = {"........", "........", "........", "###.####",
                                             "##.#####", "###.####", "........", "........"};
    expectCases({
        {"a cell alone between holes", lonely, THREE_KINDS,
         "row 4, column 2 has fewer than three cells in its row and in its column"},
        // The placed trunk keeps the trunk's own rule to column 0.
        {"a column of three is enough",
         with(with(with(with(OPEN, 0, "T......."), 3, "###.####"), 4, "###.####"), 5, "###.####"), THREE_KINDS, ""},
    });
}

TEST(LevelRulesTest, TheTrunkReachesTheBottom)
{
    const std::vector<std::string> narrowFoot = with(with(OPEN, 6, "..####.."), 7, "..####..");
    const std::vector<std::string> narrowWaist = with(with(OPEN, 3, "..####.."), 4, "..####..");
    expectCases({
        {"placed at the bottom", with(OPEN, 7, "...T...."), THREE_KINDS,
         "the trunk at row 7, column 3 starts at the bottom of its column"},
        {"placed above a hole's bottom", with(with(OPEN, 6, "...T...."), 7, "...#...."), THREE_KINDS,
         "starts at the bottom"},
        {"placed high", with(OPEN, 0, "...T...."), THREE_KINDS, ""},
        {"two trunks", with(with(OPEN, 0, "T......."), 1, ".......T"), THREE_KINDS, "places 2 trunks"},
        // Two cells wide and two tall: under a trunk nothing can make three.
        {"a narrow foot", narrowFoot, THREE_KINDS, "a trunk in column 0 can stick above row 6, column 0"},
        // Two wide but with full rows below: a column match can clear it.
        {"a narrow waist", narrowWaist, THREE_KINDS, ""},
        {"one cell wide", with(with(with(OPEN, 4, "#.######"), 5, "#.######"), 6, "#.######"), THREE_KINDS,
         "a trunk in column 1 can stick above row 4, column 1"},
        {"a placed trunk only needs its own column", with(with(narrowFoot, 0, "...T...."), 7, "..####.."),
         THREE_KINDS, ""},
    });
}

}  // namespace
