// list DIR: the name space the game sees, one line per name it can serve.
#include <sys/stat.h>

#include <cinttypes>
#include <cstdio>

#include "Vfs/vantile_vfs.h"
#include "tool_commands.h"

int ToolRun_list(const ToolArgs& args)
{
    const std::string strFolder = ToolFolderArgument(args[0]);
    struct stat info;
    if (stat(strFolder.c_str(), &info) != 0 && stat((strFolder + ".dat").c_str(), &info) != 0)
        return ToolFail(strFolder, "neither the folder nor its archive exists");
    Vantile::CVFS vfs;
    vfs.Open(strFolder, true, true);
    for (const Vantile::CVFS::EntryInfo& entry : vfs.List())
        printf("%-51s %10" PRIu64 " %s\n", entry.strName.c_str(), entry.nSize, entry.bArchive ? "archive" : "loose");
    return 0;
}
