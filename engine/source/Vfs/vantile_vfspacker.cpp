#include "Vfs/vantile_vfspacker.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "Core/vantile_exception.h"

namespace Vantile {

namespace {

std::vector<std::string> ReadFolderNames(DIR* pDir)
{
    std::vector<std::string> names;
    for (;;) {
        errno = 0;
        const dirent* pEntry = readdir(pDir);
        if (!pEntry)
            break;
        // A leading dot is this platform's hidden attribute; it also covers
        // "." and "..".
        if (pEntry->d_name[0] != '.')
            names.push_back(pEntry->d_name);
    }
    const int nError = errno;
    if (nError != 0) {
        closedir(pDir);
        VANTILE_EXCEPT(nError, "Failed to call FindNextFile", "CVFSPacker::ProcessDirectory");
    }
    closedir(pDir);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

void CVFSPacker::ProcessDirectory(const std::string& strFolder, bool bRecursive)
{
    FolderIds visited;
    ProcessFolder(strFolder, bRecursive, visited);
}

void CVFSPacker::ProcessFolder(const std::string& strFolder, bool bRecursive, FolderIds& visited)
{
    struct stat folder;
    if (stat(strFolder.c_str(), &folder) != 0 || !visited.insert({folder.st_dev, folder.st_ino}).second)
        return;
    DIR* pDir = opendir(strFolder.c_str());
    if (!pDir)
        return;
    for (const std::string& strName : ReadFolderNames(pDir)) {
        const std::string strPath = strFolder + "/" + strName;
        struct stat info;
        if (stat(strPath.c_str(), &info) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            if (bRecursive)
                ProcessFolder(strPath, bRecursive, visited);
        } else if (S_ISREG(info.st_mode)) {
            // Pipes and devices are never data and would block a reader.
            m_Entries.push_back({strName, strPath});
        }
    }
}

}  // namespace Vantile
