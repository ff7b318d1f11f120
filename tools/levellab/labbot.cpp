#include "labbot.h"

#include <utility>

#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Destructors/powerups.h"
#include "Game/Items/gameitem.h"
#include "Game/Items/itemtype.h"

namespace {

// What taking one cell off the board is worth to the bot.
const float ANY_CELL = 1.0f;
const float UNCLEARED = 10.0f;
// Once a trunk is on the board only the cells under it count.
const float UNCLEARED_WITH_TRUNK = 1.0f;
const float UNDER_TRUNK = 25.0f;
const float DOUBLE_UNDER_TRUNK = 12.0f;
const float DOUBLE_HIT = 3.0f;
const float POWER_ITEM = 2.0f;
const float CHURN = 3.0f;
const float CRAB_MADE = 8.0f;
const float STAR_MADE = 15.0f;
// A snowflake stops the clock for 20 seconds; a heart is one more life.
const float SNOWFLAKE_FIRED = 40.0f;
const float HEART_FIRED = 5.0f;
// Lower moves shake more of the board; the jitter lets seeds differ.
const float LOWER_ROW = 0.05f;
const float JITTER = 0.3f;

// The stingray's bolt, from the used cell in the template's lower left
// corner towards the far corner of the board.
const char* const BOLT[8] = {"00000111", "00001100", "00011000", "00010000",
                             "00010000", "00100000", "01100000", "10000000"};

bool onBoard(int r, int c)
{
    return r >= 0 && r < 8 && c >= 0 && c < 8;
}

}  // namespace

CLabBot::CLabBot(unsigned nSeed, bool bPowerItems) : m_bPowerItems(bPowerItems), m_Random(nSeed + 1) {}

void CLabBot::read(const CGameField& field)
{
    m_nTrunkRow = m_nTrunkColumn = -1;
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            const CGameCell* pCell = field.cell(r, c);
            Cell& cell = m_Grid[r][c];
            cell = Cell();
            cell.bExists = pCell->exists();
            cell.bCleared = pCell->isCleared();
            const CGameItem* pItem = pCell->exists() ? pCell->item() : nullptr;
            if (!pItem)
                continue;
            cell.nType = pItem->getType();
            cell.nHits = pItem->getHits();
            if (cell.nType == eTrunk) {
                m_nTrunkRow = r;
                m_nTrunkColumn = c;
            }
        }
    findTrunkGoals();
    findChurn();
}

void CLabBot::findChurn()
{
    for (int c = 0; c < N; ++c) {
        bool bGoalAbove = false;
        for (int r = 0; r < N; ++r) {
            if (!m_Grid[r][c].bExists)
                bGoalAbove = false;
            m_Churn[r][c] = bGoalAbove && !isGoal(r, c);
            bGoalAbove = bGoalAbove || isGoal(r, c);
        }
    }
}

// The trunk drops as cells of its own run of cells clear below it; at the
// bottom of its run it crosses the holes once a cell of the next run down
// clears.
void CLabBot::findTrunkGoals()
{
    m_nTrunkGoalFirst = m_nTrunkGoalLast = -1;
    if (m_nTrunkRow < 0)
        return;
    const auto exists = [&](int r) { return r < N && m_Grid[r][m_nTrunkColumn].bExists; };
    int r = m_nTrunkRow + 1;
    while (r < N && !exists(r))
        ++r;
    m_nTrunkGoalFirst = r;
    while (exists(r))
        ++r;
    m_nTrunkGoalLast = r - 1;
}

bool CLabBot::isMovable(int r, int c) const
{
    const Cell& cell = m_Grid[r][c];
    return cell.bExists && cell.nType != eNoItem && cell.nType != eTrunk && cell.nHits <= 1;
}

float CLabBot::cellValue(int r, int c) const
{
    const Cell& cell = m_Grid[r][c];
    if (!cell.bExists || cell.nType == eNoItem || cell.nType == eTrunk)
        return 0.0f;
    const bool bTrunk = m_nTrunkRow >= 0;
    float fValue = ANY_CELL;
    if (!cell.bCleared)
        fValue += bTrunk ? UNCLEARED_WITH_TRUNK : UNCLEARED;
    if (cell.nHits > 1)
        fValue += DOUBLE_HIT;
    if (cell.nType == 4 && m_bPowerItems)
        fValue += POWER_ITEM;
    if (m_Churn[r][c])
        fValue += CHURN;
    if (bTrunk && c == m_nTrunkColumn && r >= m_nTrunkGoalFirst && r <= m_nTrunkGoalLast)
        fValue += cell.nHits > 1 ? DOUBLE_UNDER_TRUNK : UNDER_TRUNK;
    return fValue;
}

float CLabBot::maskValue(const Mask& mask) const
{
    float fValue = 0.0f;
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c)
            if (mask[r][c])
                fValue += cellValue(r, c);
    return fValue;
}

// Marks the runs of three or more through the cell; returns what the
// specials they make are worth.
float CLabBot::runsThrough(int r, int c, Mask& mask) const
{
    const int nType = m_Grid[r][c].nType;
    if (!isOrdinaryType(nType))
        return 0.0f;
    float fExtra = 0.0f;
    const int steps[2][2] = {{0, 1}, {1, 0}};
    for (const auto& step : steps) {
        const auto same = [&](int rr, int cc) {
            return onBoard(rr, cc) && m_Grid[rr][cc].bExists && m_Grid[rr][cc].nType == nType;
        };
        int nBack = 0, nAhead = 0;
        while (same(r - step[0] * (nBack + 1), c - step[1] * (nBack + 1)))
            ++nBack;
        while (same(r + step[0] * (nAhead + 1), c + step[1] * (nAhead + 1)))
            ++nAhead;
        const int nLength = nBack + nAhead + 1;
        if (nLength < 3)
            continue;
        for (int i = -nBack; i <= nAhead; ++i)
            mask[r + step[0] * i][c + step[1] * i] = true;
        fExtra += nLength == 4 ? CRAB_MADE : nLength == 5 ? STAR_MADE : 0.0f;
    }
    return fExtra;
}

// The row or column segment through the cell, as a crab clears it.
void CLabBot::markLine(int r, int c, bool bRow, Mask& mask) const
{
    const int dr = bRow ? 0 : 1, dc = bRow ? 1 : 0;
    for (int nSign : {-1, 1})
        for (int rr = r, cc = c; onBoard(rr, cc) && m_Grid[rr][cc].bExists; rr += nSign * dr, cc += nSign * dc)
            mask[rr][cc] = true;
}

void CLabBot::markSpecial(int r, int c, int nType, Mask& mask, float& fExtra) const
{
    mask[r][c] = true;
    if (nType == eHorz || nType == eVertHorz)
        markLine(r, c, true, mask);
    if (nType == eVert || nType == eVertHorz)
        markLine(r, c, false, mask);
    if (nType == eTimeFreeze)
        fExtra += SNOWFLAKE_FIRED;
    if (nType == eHeart)
        fExtra += HEART_FIRED;
}

float CLabBot::swapValue(int r1, int c1, int r2, int c2)
{
    std::swap(m_Grid[r1][c1], m_Grid[r2][c2]);
    Mask mask{};
    float fExtra = 0.0f;
    for (const auto& at : {std::make_pair(r1, c1), std::make_pair(r2, c2)}) {
        const int nType = m_Grid[at.first][at.second].nType;
        if (isSpecialType(nType))
            markSpecial(at.first, at.second, nType, mask, fExtra);
        else
            fExtra += runsThrough(at.first, at.second, mask);
    }
    std::swap(m_Grid[r1][c1], m_Grid[r2][c2]);
    bool bAny = false;
    for (const auto& row : mask)
        for (bool bMarked : row)
            bAny = bAny || bMarked;
    return bAny ? maskValue(mask) + fExtra : 0.0f;
}

CLabBot::Action CLabBot::bestSwap(CGameField& field)
{
    Action best;
    std::uniform_real_distribution<float> jitter(0.0f, JITTER);
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            const int neighbours[2][2] = {{r, c + 1}, {r + 1, c}};
            for (const auto& other : neighbours) {
                if (!onBoard(other[0], other[1]) || !isMovable(r, c) || !isMovable(other[0], other[1]))
                    continue;
                const float fValue = swapValue(r, c, other[0], other[1]);
                if (fValue <= 0.0f)
                    continue;
                const float fRated = fValue + LOWER_ROW * float(other[0]) + jitter(m_Random);
                if (fRated > best.fValue)
                    best = {field.cell(r, c), field.cell(other[0], other[1]), fRated};
            }
        }
    return best;
}

// The four quadrants through the cell each lose one random cell: each is
// worth its mean.
float CLabBot::splinterValue(int r, int c) const
{
    float fValue = cellValue(r, c);
    const int ranges[4][4] = {{0, c, 0, r}, {c, N - 1, 0, r}, {0, c, r, N - 1}, {c, N - 1, r, N - 1}};
    for (const auto& range : ranges) {
        float fSum = 0.0f;
        int nCount = 0;
        for (int cc = range[0]; cc <= range[1]; ++cc)
            for (int rr = range[2]; rr <= range[3]; ++rr)
                if ((rr != r || cc != c) && m_Grid[rr][cc].bExists && m_Grid[rr][cc].nType != eNoItem &&
                    m_Grid[rr][cc].nType != eTrunk) {
                    fSum += cellValue(rr, cc);
                    ++nCount;
                }
        fValue += nCount ? fSum / float(nCount) : 0.0f;
    }
    return fValue;
}

void CLabBot::markLightning(int r, int c, Mask& mask) const
{
    const bool bLeft = c <= 3, bLower = r >= 4;
    const int dc = bLeft ? 1 : -1, dr = bLower ? -1 : 1;
    for (int cc = c; cc >= 0 && cc < N; cc += dc)
        for (int rr = r; rr >= 0 && rr < N; rr += dr) {
            const int dx = (cc - c) * dc, dy = (rr - r) * dr;
            // The template turns with the quadrant the bolt heads into.
            const bool bTurned = bLeft != bLower;
            if (BOLT[bTurned ? 7 - dx : 7 - dy][bTurned ? dy : dx] == '1')
                mask[rr][cc] = true;
        }
}

bool CLabBot::isGoal(int r, int c) const
{
    const Cell& cell = m_Grid[r][c];
    if (!cell.bExists || cell.nType == eNoItem || cell.nType == eTrunk)
        return false;
    if (m_nTrunkRow < 0)
        return !cell.bCleared;
    return c == m_nTrunkColumn && r >= m_nTrunkGoalFirst && r <= m_nTrunkGoalLast;
}

int CLabBot::maskGoals(const Mask& mask) const
{
    int nGoals = 0;
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c)
            nGoals += mask[r][c] && isGoal(r, c) ? 1 : 0;
    return nGoals;
}

int CLabBot::goalsLeft() const
{
    Mask all;
    for (auto& row : all)
        row.fill(true);
    return maskGoals(all);
}

float CLabBot::powerupValue(int r, int c, int nPowerup, int& nGoals) const
{
    Mask mask{};
    mask[r][c] = true;
    nGoals = isGoal(r, c) ? 1 : 0;
    switch (nPowerup) {
    case ePowerupSeaUrchin: return splinterValue(r, c);
    case ePowerupMussel:
        for (int rr = 0; rr < N; ++rr)
            for (int cc = 0; cc < N; ++cc)
                mask[rr][cc] = m_Grid[rr][cc].bExists && m_Grid[rr][cc].nType == m_Grid[r][c].nType;
        break;
    case ePowerupTurtle:
        for (int dr : {-1, 1})
            for (int dc : {-1, 1})
                for (int rr = r + dr, cc = c + dc; onBoard(rr, cc) && m_Grid[rr][cc].bExists; rr += dr, cc += dc)
                    mask[rr][cc] = true;
        break;
    case ePowerupStingray: markLightning(r, c, mask); break;
    case ePowerupCuttlefish:
        for (int rr = r - 1; rr <= r + 1; ++rr)
            for (int cc = c - 1; cc <= c + 1; ++cc)
                if (onBoard(rr, cc))
                    mask[rr][cc] = true;
        break;
    default: return 0.0f;
    }
    nGoals = maskGoals(mask);
    return maskValue(mask);
}

CLabBot::Action CLabBot::bestPowerupCell(CGameField& field, int nPowerup)
{
    Action best;
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            const Cell& cell = m_Grid[r][c];
            if (!cell.bExists || cell.nType == eNoItem || cell.nType == eTrunk)
                continue;
            int nGoals = 0;
            const float fValue = powerupValue(r, c, nPowerup, nGoals);
            if (fValue > best.fValue)
                best = {field.cell(r, c), nullptr, fValue, nGoals};
        }
    return best;
}
