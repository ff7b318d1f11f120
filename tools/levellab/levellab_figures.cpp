// The sums over a level's runs and the rules of a fair difficulty curve.
#include <algorithm>
#include <cstdio>
#include <set>

#include "levellab.h"

namespace {

template <class TValue>
float Median(const std::vector<SLabRun>& runs, TValue value)
{
    if (runs.empty())
        return 0.0f;
    std::vector<float> values;
    for (const SLabRun& run : runs)
        values.push_back(float(value(run)));
    std::sort(values.begin(), values.end());
    const size_t nMiddle = values.size() / 2;
    return values.size() % 2 ? values[nMiddle] : (values[nMiddle - 1] + values[nMiddle]) / 2.0f;
}

template <class TValue>
float Mean(const std::vector<SLabRun>& runs, TValue value)
{
    float fSum = 0.0f;
    for (const SLabRun& run : runs)
        fSum += float(value(run));
    return runs.empty() ? 0.0f : fSum / float(runs.size());
}

std::string Percent(float fFraction)
{
    char szText[16];
    snprintf(szText, sizeof(szText), "%.0f %%", fFraction * 100.0f);
    return szText;
}

std::string LevelText(const SLevelFigures& level)
{
    return "level " + std::to_string(level.nLevel) + " \"" + level.strName + "\": ";
}

// A value more than fPoints below each neighbour's that exists.
template <class TValue>
bool IsWall(const std::vector<SLevelFigures>& levels, size_t i, float fPoints, TValue value)
{
    bool bNeighbour = false, bBelowAll = true;
    for (size_t j : {i - 1, i + 1})
        if (j < levels.size()) {
            bNeighbour = true;
            bBelowAll = bBelowAll && value(levels[i]) * 100.0f < value(levels[j]) * 100.0f - fPoints;
        }
    return bNeighbour && bBelowAll;
}

void CheckLevel(const std::vector<SLevelFigures>& levels, size_t i, const SLabRules& rules,
                std::vector<std::string>& faults)
{
    const SLevelFigures& level = levels[i];
    if (level.winRate() < rules.fMinWinRate)
        faults.push_back(LevelText(level) + "won in " + std::to_string(level.wins()) + " of " +
                         std::to_string(level.runs.size()) + " runs, fewer than " + Percent(rules.fMinWinRate));
    if (IsWall(levels, i, rules.fMaxWallPoints, [](const SLevelFigures& l) { return l.winRate(); }))
        faults.push_back(LevelText(level) + "a wall: its win rate " + Percent(level.winRate()) +
                         " lies far below its neighbours'");
    if (IsWall(levels, i, rules.fMaxWallPoints, [](const SLevelFigures& l) { return l.margin(); }))
        faults.push_back(LevelText(level) + "a wall: its time margin " + Percent(level.margin()) +
                         " lies far below its neighbours'");
    if (level.deadPer100Moves() >= rules.fMaxDeadPer100) {
        char szText[96];
        snprintf(szText, sizeof(szText), "%.1f boards without a move per 100 moves, %.0f or more",
                 level.deadPer100Moves(), rules.fMaxDeadPer100);
        faults.push_back(LevelText(level) + szText);
    }
}

void CheckWholeGame(const std::vector<SLevelFigures>& levels, const SLabRules& rules,
                    std::vector<std::string>& faults)
{
    std::set<int> kinds;
    for (const SLevelFigures& level : levels)
        kinds.insert(level.kinds.begin(), level.kinds.end());
    for (int nKind = 1; nKind <= rules.nKindCount; ++nKind)
        if (!kinds.count(nKind))
            faults.push_back("fish kind " + std::to_string(nKind) + " appears in no level");
    if (levels.size() < 2)
        return;
    const SLevelFigures& finale = levels.back();
    for (size_t i = 0; i + 1 < levels.size(); ++i)
        if (levels[i].medianUsed() > finale.medianUsed()) {
            faults.push_back(LevelText(finale) + "the last level is not the hardest: " + LevelText(levels[i]) +
                             "uses " + Percent(levels[i].medianUsed()) + " of its clock, the last " +
                             Percent(finale.medianUsed()));
            return;
        }
}

}  // namespace

int SLevelFigures::wins() const
{
    return int(std::count_if(runs.begin(), runs.end(), [](const SLabRun& run) { return run.bWon; }));
}

float SLevelFigures::winRate() const
{
    return runs.empty() ? 0.0f : float(wins()) / float(runs.size());
}

float SLevelFigures::medianUsed() const
{
    return Median(runs, [](const SLabRun& run) { return run.bWon ? run.fUsed : 1.0f; });
}

float SLevelFigures::medianMoves() const
{
    return Median(runs, [](const SLabRun& run) { return run.nMoves; });
}

float SLevelFigures::medianScore() const
{
    return Median(runs, [](const SLabRun& run) { return run.nScore; });
}

float SLevelFigures::deadPer100Moves() const
{
    int nDead = 0, nMoves = 0;
    for (const SLabRun& run : runs) {
        nDead += run.nDeadBoards;
        nMoves += run.nMoves;
    }
    return nMoves ? 100.0f * float(nDead) / float(nMoves) : float(nDead) * 100.0f;
}

float SLevelFigures::meanShuffles() const
{
    return Mean(runs, [](const SLabRun& run) { return run.nShuffles; });
}

float SLevelFigures::meanPowerups() const
{
    return Mean(runs, [](const SLabRun& run) { return run.nPowerups; });
}

std::vector<std::string> CheckLabFigures(const std::vector<SLevelFigures>& levels, bool bWholeGame,
                                         const SLabRules& rules)
{
    std::vector<std::string> faults;
    for (size_t i = 0; i < levels.size(); ++i)
        CheckLevel(levels, i, rules, faults);
    if (bWholeGame)
        CheckWholeGame(levels, rules, faults);
    return faults;
}
