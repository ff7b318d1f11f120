// pack DIR: the build's packer. Entries go in name order so the same files
// always give the same archive bytes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "Vfs/vantile_vfsfile.h"
#include "Vfs/vantile_vfspacker.h"
#include "Vfs/vantile_vfswriter.h"
#include "tool_commands.h"

namespace {

bool IsFolder(const std::string& strPath)
{
    struct stat info;
    return stat(strPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<Vantile::DiskEntry> FilesByName(const std::string& strFolder)
{
    Vantile::CVFSPacker scanner;
    scanner.ProcessDirectory(strFolder, true);
    std::vector<Vantile::DiskEntry> files = scanner.GetEntries();
    std::sort(files.begin(), files.end(), [](const Vantile::DiskEntry& a, const Vantile::DiskEntry& b) {
        return a.strName < b.strName;
    });
    return files;
}

bool AddFile(Vantile::CVFSWriter& writer, const Vantile::DiskEntry& file)
{
    const int hFile = open(file.strPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (hFile < 0)
        return false;
    Vantile::CVFSFile view;
    try {
        view.MapWholeFile(hFile);
    } catch (...) {
        close(hFile);
        throw;
    }
    close(hFile);
    const Vantile::FatEntry& entry = writer.AddFile(file.strName, view.GetData(), view.GetSize());
    printf("%-51s %10u -> %10u %s\n", entry.szName, view.GetSize(), entry.dwSize,
           entry.dwFilter == Vantile::VFS_FILTER_STORED ? "stored" : "deflated");
    return true;
}

}  // namespace

int ToolRun_pack(const ToolArgs& args)
{
    const std::string strFolder = ToolFolderArgument(args[0]);
    if (!IsFolder(strFolder))
        return ToolFail(strFolder, "is not a folder");
    const std::vector<Vantile::DiskEntry> files = FilesByName(strFolder);
    Vantile::CVFSWriter writer(strFolder + ".dat");
    for (const Vantile::DiskEntry& file : files)
        if (!AddFile(writer, file))
            return ToolFail(file.strPath, strerror(errno));
    writer.Finish();
    return 0;
}
