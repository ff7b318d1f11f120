// quellon-tool: build-time and diagnostic commands over the game's data.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "Core/vantile_exception.h"
#include "tool_commands.h"

namespace {

struct ToolCommand {
    const char* pszName;
    size_t nArgs;
    const char* pszSynopsis;
    const char* pszSummary;
    int (*pRun)(const ToolArgs&);
};

#define QUELLON_TOOL_ENTRY(name, count, synopsis, summary) {#name, count, synopsis, summary, ToolRun_##name},
const ToolCommand kCommands[] = {QUELLON_TOOL_COMMANDS(QUELLON_TOOL_ENTRY)};
#undef QUELLON_TOOL_ENTRY

// Identifiers cannot hold "-", so the table spells it "_".
std::string CommandName(const ToolCommand& command)
{
    std::string strName = command.pszName;
    std::replace(strName.begin(), strName.end(), '_', '-');
    return strName;
}

int PrintUsage()
{
    printf("usage: quellon-tool COMMAND ARGS...\n\n");
    for (const ToolCommand& command : kCommands)
        printf("  %-12s %-9s %s\n", CommandName(command).c_str(), command.pszSynopsis, command.pszSummary);
    printf("\nErrors exit with status 1 and one line on stderr.\n");
    return 0;
}

const ToolCommand* FindCommand(const char* pszName)
{
    for (const ToolCommand& command : kCommands)
        if (CommandName(command) == pszName)
            return &command;
    return nullptr;
}

}  // namespace

int ToolFail(const std::string& strFile, const std::string& strFault)
{
    fprintf(stderr, "quellon-tool: %s: %s\n", strFile.c_str(), strFault.c_str());
    return 1;
}

std::string ToolFolderArgument(const std::string& strPath)
{
    std::string strFolder = strPath;
    while (strFolder.size() > 1 && strFolder.back() == '/')
        strFolder.pop_back();
    return strFolder;
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return ToolFail("usage", "no command given; 'quellon-tool help' lists them");
    if (strcmp(argv[1], "help") == 0 || strcmp(argv[1], "--help") == 0)
        return PrintUsage();
    const ToolCommand* pCommand = FindCommand(argv[1]);
    if (!pCommand)
        return ToolFail(argv[1], "unknown command; 'quellon-tool help' lists them");
    const ToolArgs args(argv + 2, argv + argc);
    if (pCommand->nArgs != TOOL_ANY_COUNT && args.size() != pCommand->nArgs)
        return ToolFail(CommandName(*pCommand), "usage: quellon-tool " + CommandName(*pCommand) + " " +
                                                    pCommand->pszSynopsis);
    try {
        return pCommand->pRun(args);
    } catch (const Vantile::Exception& e) {
        return ToolFail(CommandName(*pCommand), e.getDetails());
    }
}
