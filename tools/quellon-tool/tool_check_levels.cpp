// check-levels DIR: every level of the data folder DIR against the rules
// that keep the game from stopping or hanging, with the item data of its
// start-up script.
#include <cstdio>

#include "levelcheck/datachecker.h"
#include "tool_commands.h"

int ToolRun_check_levels(const ToolArgs& args)
{
    CDataSetChecker checker;
    const CDataSetChecker::Faults faults = checker.check(ToolFolderArgument(args[0]));
    for (const CDataSetChecker::Fault& fault : faults)
        ToolFail(fault.strFile, fault.strText);
    if (!faults.empty())
        return 1;
    printf("%zu levels checked\n", checker.levels().size());
    return fflush(stdout) == 0 ? 0 : ToolFail("stdout", "write failed");
}
