// The level lab: plays levels of a data folder with a skilled bot under
// the game's own play rules and level clock, without drawing, and sums up
// per level how hard each one is. The level-lab command prints and draws
// the figures; the level checker refuses a design whose figures break the
// rules of a fair difficulty curve.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct SLabOptions {
    std::string strDataFolder;
    // Levels counted from 1; nLast 0 means the last level.
    int nFirst = 1;
    int nLast = 0;
    int nSeeds = 4;
    // A player's thinking time before every move or power-up.
    float fThinkSeconds = 1.5f;
    // Worker processes: the game's singletons allow one game per process.
    int nWorkers = 2;
};

// One game of one level.
struct SLabRun {
    unsigned nSeed = 0;
    bool bWon = false;
    float fUsed = 1.0f;  // fraction of the clock used; 1 when lost
    int nMoves = 0;
    int nScore = 0;
    int nDeadBoards = 0;  // settled boards without a possible move
    int nShuffles = 0;
    int nPowerups = 0;
    int nSpecials = 0;  // specials the bot fired by a swap
};

// One level over every seed.
struct SLevelFigures {
    int nLevel = 0;  // from 1
    std::string strName;
    std::vector<int> kinds;
    int nPeriod = 0;
    int nBonusTime = 0;
    int nPowerups = 0;
    std::vector<SLabRun> runs;

    int wins() const;
    float winRate() const;
    // Medians over the runs; a lost run used the whole clock.
    float medianUsed() const;
    float margin() const { return 1.0f - medianUsed(); }
    float medianMoves() const;
    float medianScore() const;
    float deadPer100Moves() const;
    float meanShuffles() const;
    float meanPowerups() const;
};

// Progress: the runs done so far of all, with the level and run just done.
typedef std::function<void(int nDone, int nTotal, const SLevelFigures& level, const SLabRun& run)> LabProgress;

// Plays every chosen level with every seed. Throws Vantile::Exception
// when the data folder, its game file or a level cannot be read.
std::vector<SLevelFigures> RunLevelLab(const SLabOptions& options, const LabProgress& progress = nullptr);

// One game, in this process; the start-up script must have run.
SLabRun PlayLabLevel(const std::string& strLevelFile, unsigned nSeed, float fThinkSeconds);

// The figures as a Markdown table, one row per level.
std::string LabTable(const std::vector<SLevelFigures>& levels);
// The difficulty curve as a PNG picture; false when it cannot be written.
bool DrawLabPlot(const std::vector<SLevelFigures>& levels, const std::string& strPath);

// The rules of a fair curve, each broken one a line naming the level:
// every level won in at least 3 of 4 runs, no wall (a level whose win
// rate or time margin lies more than 25 points below both neighbours'),
// fewer than 3 boards without a move per 100 moves, the last level the
// hardest. With bWholeGame every fish kind must also appear somewhere.
struct SLabRules {
    float fMinWinRate = 0.75f;
    float fMaxWallPoints = 25.0f;
    float fMaxDeadPer100 = 3.0f;
    int nKindCount = 10;
};
std::vector<std::string> CheckLabFigures(const std::vector<SLevelFigures>& levels, bool bWholeGame,
                                         const SLabRules& rules = SLabRules());
