// A board for tests: item layers shaped like the shipped ones (resting
// looks never end, motions end with their paths, removals play once),
// layouts written as eight strings of eight characters, and a driver with
// a simulated 16 ms clock.
//
// Layout characters: '1'..'9' types 1 to 9, '0' type 10, 'A'..'J' a
// double item of types 1 to 10, 'h' eHorz, 'v' eVert, 's' eVertHorz,
// 't' the trunk, 'e' eHeart, 'f' eTimeFreeze, '.' an empty cell filled
// from the bag, '#' a hole.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Game/Rules/boarddriver.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"

typedef std::vector<std::string> Layout;

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the layout with the given active types ("010203...").
    void load(const Layout& layout, const std::string& strTypes = "0102030405060708090a");
    // The board as a layout; empty cells '.', items being removed unseen.
    Layout board() const;
    CGameCell* at(int nRow, int nColumn) const { return m_Field.cell(nRow, nColumn); }
    int typeAt(int nRow, int nColumn) const;
    // The number of queued events of a code, the queue left as it was.
    static int queued(int nCode);
    static void clearQueue();
    // Frames until everything rests, failing the test past a bound.
    void settle();

    CGameField m_Field;
    std::unique_ptr<CBoardDriver> m_pDriver;
};

char LayoutChar(const CGameItem* pItem);
// Item layers shaped like the shipped ones for one item type.
void AddTestItemLayers(int nType);
