// The lab's skilled player. It reads a settled board into a grid of its
// own and rates every swap and every power-up use by what it would take
// off the board: cell backgrounds still to clear first, then the cells
// under the trunk, with something for specials made or fired, power items
// and double fish. It plays the best rated action.
#pragma once

#include <array>
#include <random>

class CGameCell;
class CGameField;

class CLabBot {
public:
    struct Action {
        CGameCell* pFirst = nullptr;
        CGameCell* pSecond = nullptr;  // none for a power-up
        float fValue = 0.0f;
        int nGoals = 0;  // goal cells it takes (power-ups only)
        bool isValid() const { return pFirst != nullptr; }
    };

    // bPowerItems: the level charges a power-up bar, so its power items
    // are worth clearing.
    CLabBot(unsigned nSeed, bool bPowerItems);

    // Reads the board; the ratings below use what was read last.
    void read(const CGameField& field);
    // The best swap, specials fired by a swap included; none when no swap
    // clears or fires anything.
    Action bestSwap(CGameField& field);
    // The best cell to spend power-up nPowerup on.
    Action bestPowerupCell(CGameField& field, int nPowerup);
    // Goal cells: backgrounds still to clear, or the cells under the
    // trunk once it is on the board.
    int goalsLeft() const;

private:
    enum { N = 8 };
    struct Cell {
        bool bExists = false;
        int nType = 0;  // 0 for no item
        int nHits = 0;
        bool bCleared = false;
    };
    typedef std::array<std::array<bool, N>, N> Mask;

    bool isMovable(int r, int c) const;
    float cellValue(int r, int c) const;
    float maskValue(const Mask& mask) const;
    float swapValue(int r1, int c1, int r2, int c2);
    float runsThrough(int r, int c, Mask& mask) const;
    void markLine(int r, int c, bool bRow, Mask& mask) const;
    void markSpecial(int r, int c, int nType, Mask& mask, float& fExtra) const;
    bool isGoal(int r, int c) const;
    int maskGoals(const Mask& mask) const;
    float powerupValue(int r, int c, int nPowerup, int& nGoals) const;
    float splinterValue(int r, int c) const;
    void markLightning(int r, int c, Mask& mask) const;

    void findTrunkGoals();
    void findChurn();

    std::array<std::array<Cell, N>, N> m_Grid;
    int m_nTrunkRow = -1;
    int m_nTrunkColumn = -1;
    // The rows of the trunk's column whose clearing brings it down now.
    int m_nTrunkGoalFirst = -1;
    int m_nTrunkGoalLast = -1;
    // Cells under a goal cell of their column: clearing them brings the
    // goal cell a new fish.
    Mask m_Churn{};
    bool m_bPowerItems;
    std::minstd_rand m_Random;
};
