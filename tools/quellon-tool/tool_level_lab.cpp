// level-lab [--levels A-B] [--seeds N] [--out DIR] [--think S] [--data DIR]
// [--runs]:
// a skilled bot plays every chosen level once per seed under the game's
// play rules and level clock, thinking S seconds (1.5 unless told) before
// each move as a player does. Prints a line per level as its runs come
// in, writes "level-lab.md" (the table) and "level-lab.png" (the curve)
// into DIR ("level-lab" unless told) and lists the rules of a fair curve
// that the figures break. --runs also prints every single run.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "Game/Context/gamecontext.h"
#include "levellab/levellab.h"
#include "tool_commands.h"

namespace {

bool ReadCount(const std::string& strText, int& nValue)
{
    char* pEnd = nullptr;
    const long nRead = strtol(strText.c_str(), &pEnd, 10);
    nValue = int(nRead);
    return !strText.empty() && *pEnd == '\0' && nRead > 0 && nRead < 100000;
}

bool ReadRange(const std::string& strText, SLabOptions& options)
{
    const size_t nDash = strText.find('-');
    if (nDash == std::string::npos)
        return ReadCount(strText, options.nFirst) && ReadCount(strText, options.nLast);
    return ReadCount(strText.substr(0, nDash), options.nFirst) && ReadCount(strText.substr(nDash + 1), options.nLast);
}

bool ParseOptions(ToolArgs args, SLabOptions& options, std::string& strOut, bool& bRuns)
{
    const auto runs = std::find(args.begin(), args.end(), "--runs");
    bRuns = runs != args.end();
    if (bRuns)
        args.erase(runs);
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        const std::string& strValue = args[i + 1];
        bool bGood = true;
        if (args[i] == "--levels")
            bGood = ReadRange(strValue, options);
        else if (args[i] == "--seeds")
            bGood = ReadCount(strValue, options.nSeeds);
        else if (args[i] == "--out")
            strOut = ToolFolderArgument(strValue);
        else if (args[i] == "--data")
            options.strDataFolder = ToolFolderArgument(strValue);
        else if (args[i] == "--think")
            bGood = (options.fThinkSeconds = strtof(strValue.c_str(), nullptr)) >= 0.0f;
        else
            bGood = false;
        if (!bGood)
            return false;
    }
    return args.size() % 2 == 0;
}

bool WriteText(const std::string& strPath, const std::string& strText)
{
    FILE* pFile = fopen(strPath.c_str(), "w");
    if (!pFile)
        return false;
    const bool bWritten = fwrite(strText.data(), 1, strText.size(), pFile) == strText.size();
    return fclose(pFile) == 0 && bWritten;
}

void PrintRun(const SLevelFigures& level, const SLabRun& run)
{
    printf("        level %2d %s, seed %u: %s, %.0f s of %d used, %d moves, %d without a move, %d shuffles, "
           "%d power-ups, %d specials fired\n",
           level.nLevel, level.strName.c_str(), run.nSeed, run.bWon ? "won" : "lost", run.fUsed * float(level.nPeriod),
           level.nPeriod, run.nMoves, run.nDeadBoards, run.nShuffles, run.nPowerups, run.nSpecials);
}

// A line per level once all its runs are in.
void PrintProgress(int nDone, int nTotal, const SLevelFigures& level, int nSeeds)
{
    if (int(level.runs.size()) != nSeeds)
        return;
    printf("[%3d/%d] level %2d %-20s won %d/%d, %3.0f %% of the clock used, %.1f boards without a move per 100\n",
           nDone, nTotal, level.nLevel, level.strName.c_str(), level.wins(), nSeeds, level.medianUsed() * 100.0f,
           level.deadPer100Moves());
    fflush(stdout);
}

}  // namespace

int ToolRun_level_lab(const ToolArgs& args)
{
    SLabOptions options;
    options.strDataFolder = CGameContext::gameFolder();
    std::string strOut = "level-lab";
    bool bRuns = false;
    if (!ParseOptions(args, options, strOut, bRuns))
        return ToolFail("level-lab", "usage: quellon-tool level-lab [--levels A-B] [--seeds N] [--out DIR] "
                                     "[--think SECONDS] [--data DIR] [--runs]");
    if (mkdir(strOut.c_str(), 0755) != 0 && errno != EEXIST)
        return ToolFail(strOut, "cannot make the folder");
    const std::vector<SLevelFigures> levels = RunLevelLab(
        options, [&](int nDone, int nTotal, const SLevelFigures& level, const SLabRun& run) {
            if (bRuns)
                PrintRun(level, run);
            PrintProgress(nDone, nTotal, level, options.nSeeds);
        });
    char szCaption[256];
    snprintf(szCaption, sizeof(szCaption),
             "# Level lab\n\nEach level played %d times, %.1f s of thought before each move. Time used and margin are "
             "medians; a lost game uses the whole clock.\n\n",
             options.nSeeds, options.fThinkSeconds);
    if (!WriteText(strOut + "/level-lab.md", szCaption + LabTable(levels)))
        return ToolFail(strOut + "/level-lab.md", "write failed");
    if (!DrawLabPlot(levels, strOut + "/level-lab.png"))
        return ToolFail(strOut + "/level-lab.png", "write failed");
    const bool bWholeGame = options.nFirst == 1 && options.nLast == 0;
    for (const std::string& strFault : CheckLabFigures(levels, bWholeGame))
        printf("unfair: %s\n", strFault.c_str());
    printf("wrote %s/level-lab.md and %s/level-lab.png\n", strOut.c_str(), strOut.c_str());
    return fflush(stdout) == 0 ? 0 : ToolFail("stdout", "write failed");
}
