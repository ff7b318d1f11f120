// check-levels DIR [--lab]: every level of the data folder DIR against the
// rules that keep the game from stopping or hanging, with the item data of
// its start-up script. With --lab a skilled bot then plays every level
// four times at a player's pace, and a difficulty curve that is not fair
// is refused as well.
#include <cstdio>

#include "levelcheck/datachecker.h"
#include "levellab/levellab.h"
#include "tool_commands.h"

namespace {

int CheckWithLab(const std::string& strFolder)
{
    SLabOptions options;
    options.strDataFolder = strFolder;
    const std::vector<SLevelFigures> levels = RunLevelLab(options);
    const std::vector<std::string> faults = CheckLabFigures(levels, true);
    for (const std::string& strFault : faults)
        ToolFail(strFolder, "lab: " + strFault);
    if (!faults.empty())
        return 1;
    printf("%zu levels played %d times each by the lab: the curve is fair\n", levels.size(), options.nSeeds);
    return 0;
}

}  // namespace

int ToolRun_check_levels(const ToolArgs& args)
{
    const bool bLab = args.size() == 2 && args[1] == "--lab";
    if (args.size() != 1 && !bLab)
        return ToolFail("check-levels", "usage: quellon-tool check-levels DIR [--lab]");
    const std::string strFolder = ToolFolderArgument(args[0]);
    CDataSetChecker checker;
    const CDataSetChecker::Faults faults = checker.check(strFolder);
    for (const CDataSetChecker::Fault& fault : faults)
        ToolFail(fault.strFile, fault.strText);
    if (!faults.empty())
        return 1;
    printf("%zu levels checked\n", checker.levels().size());
    if (bLab && CheckWithLab(strFolder) != 0)
        return 1;
    return fflush(stdout) == 0 ? 0 : ToolFail("stdout", "write failed");
}
