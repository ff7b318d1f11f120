// cat DIR NAME: one file's bytes exactly as the game would read them.
#include <strings.h>

#include <cstdio>

#include "Vfs/vantile_vfs.h"
#include "tool_commands.h"

int ToolRun_cat(const ToolArgs& args)
{
    const std::string strFolder = ToolFolderArgument(args[0]);
    const std::string& strName = args[1];
    Vantile::CVFS vfs;
    vfs.Open(strFolder, true, true);
    Vantile::CVFSFile file;
    if (vfs.GetFile(0, strName, file) < 0) {
        for (const Vantile::CVFS::EntryInfo& entry : vfs.List())
            if (strcasecmp(entry.strName.c_str(), strName.c_str()) == 0)
                return ToolFail(strName, entry.bArchive ? "is damaged in " + strFolder + ".dat" : "cannot be read");
        return ToolFail(strName, "not found in " + strFolder + " or " + strFolder + ".dat");
    }
    if (fwrite(file.GetData(), 1, file.GetSize(), stdout) != file.GetSize() || fflush(stdout) != 0)
        return ToolFail("stdout", "write failed");
    return 0;
}
