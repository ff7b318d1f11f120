#include "support/planted_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/temp_folder.h"

namespace {

void WriteAll(const std::string& strPath, const std::string& strBytes)
{
    std::ofstream(strPath, std::ios::binary) << strBytes;
}

}  // namespace

const char* const CPlantedFile::kVictimBytes = "the player's other file";

const std::vector<SPlanted>& PlantedKinds()
{
    static const std::vector<SPlanted> kinds = {
        {EPlanted::Link, "a link"}, {EPlanted::HardLink, "a hard link"},
        {EPlanted::Fifo, "a FIFO"}, {EPlanted::Folder, "a folder"}};
    return kinds;
}

CPlantedFile::CPlantedFile(EPlanted kind, const std::string& strPath)
    : m_kind(kind), m_strPath(strPath),
      m_strVictim(kind == EPlanted::Folder ? strPath + "/keep" : strPath + ".victim")
{
    int nResult = 0;
    if (kind == EPlanted::Folder)
        nResult = mkdir(strPath.c_str(), 0755);
    WriteAll(m_strVictim, kVictimBytes);
    if (kind == EPlanted::Link)
        nResult = symlink(m_strVictim.c_str(), strPath.c_str());
    else if (kind == EPlanted::HardLink)
        nResult = link(m_strVictim.c_str(), strPath.c_str());
    else if (kind == EPlanted::Fifo)
        nResult = mkfifo(strPath.c_str(), 0644);
    if (nResult != 0)
        throw std::runtime_error("cannot plant at " + strPath);
}

bool CPlantedFile::victimUntouched() const
{
    const bool bFolderStands = m_kind != EPlanted::Folder || std::filesystem::is_directory(m_strPath);
    return bFolderStands && ReadFileText(m_strVictim) == kVictimBytes;
}

bool CPlantedFile::replacedByPlainFile() const
{
    struct stat info;
    return lstat(m_strPath.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1;
}
