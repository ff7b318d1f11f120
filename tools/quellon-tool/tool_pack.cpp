// pack DIR: the build's packer. Entries go in name order so the same files
// always give the same archive bytes.
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "Core/vantile_exception.h"
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

void AddEntry(Vantile::CVFSWriter& writer, const std::string& strName, const Vantile::CVFSFile& view)
{
    const Vantile::FatEntry& entry = writer.AddFile(strName, view.GetData(), view.GetSize());
    printf("%-51s %10u -> %10u %s\n", entry.szName, view.GetSize(), entry.dwSize,
           entry.dwFilter == Vantile::VFS_FILTER_STORED ? "stored" : "deflated");
}

}  // namespace

int ToolRun_pack(const ToolArgs& args)
{
    const std::string strFolder = ToolFolderArgument(args[0]);
    if (!IsFolder(strFolder))
        return ToolFail(strFolder, "is not a folder");
    const std::vector<Vantile::DiskEntry> files = FilesByName(strFolder);
    Vantile::CVFSWriter writer(strFolder + ".dat");
    for (const Vantile::DiskEntry& file : files) {
        Vantile::CVFSFile view;
        try {
            view.ReadPath(file.strPath);
        } catch (const Vantile::Exception& e) {
            return ToolFail(file.strPath, strerror(e.getCode()));
        }
        AddEntry(writer, file.strName, view);
    }
    writer.Finish();
    return 0;
}
