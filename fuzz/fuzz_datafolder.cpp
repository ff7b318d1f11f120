// The data folder's shape from arbitrary bytes: each line builds one entry,
// "d PATH" a folder, "f PATH TEXT" a file, "l PATH TARGET" a link and
// "p PATH" a FIFO. Opening the folder and reading every name it lists must
// end, never block, and serve each file as written.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Vfs/vantile_vfs.h"
#include "support/temp_folder.h"

namespace {

const bool g_bLogOpened = Vantile::CLog::Instance().Open("/dev/null");

const CTempFolder& Folder()
{
    static CTempFolder folder;
    return folder;
}

std::string Root()
{
    return Folder().path() + "/game";
}

// A path inside the data folder: plain components, and ".." only where it
// stays inside. nFrom is the depth the path starts at (a link's folder).
bool StaysInside(const std::string& strPath, int nFrom, bool bAllowDots)
{
    if (strPath.empty() || strPath[0] == '/' || strPath.size() > 200)
        return false;
    int nDepth = nFrom;
    std::stringstream parts(strPath);
    for (std::string strPart; std::getline(parts, strPart, '/');) {
        if (strPart.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._-") !=
            std::string::npos)
            return false;
        if (strPart == "..")
            --nDepth;
        else if (strPart != "." && !strPart.empty())
            ++nDepth;
        if (nDepth < 0 || (!bAllowDots && (strPart == ".." || strPart == ".")) || nDepth > 8)
            return false;
    }
    return true;
}

// Where a folder of that name cannot be made (a file took its place) the
// line builds nothing, as any other line that does not fit.
void WriteFile(const std::string& strPath, const std::string& strBytes)
{
    FILE* pFile = fopen(strPath.c_str(), "wb");
    if (!pFile)
        return;
    fwrite(strBytes.data(), 1, strBytes.size(), pFile);
    fclose(pFile);
}

int DepthOfFolder(const std::string& strPath)
{
    return int(std::count(strPath.begin(), strPath.end(), '/'));
}

void Build(const std::string& strLine)
{
    std::stringstream words(strLine);
    std::string strOp, strPath, strArg;
    words >> strOp >> strPath;
    std::getline(words, strArg);
    if (!strArg.empty())
        strArg.erase(0, 1);
    if (strOp.size() != 1 || !StaysInside(strPath, 0, false))
        return;
    const std::string strFull = Root() + "/" + strPath;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(strFull).parent_path(), error);
    if (strOp == "d")
        mkdir(strFull.c_str(), 0755);
    else if (strOp == "f")
        WriteFile(strFull, strArg);
    else if (strOp == "l" && StaysInside(strArg, DepthOfFolder(strPath), true))
        symlink(strArg.c_str(), strFull.c_str());
    else if (strOp == "p")
        mkfifo(strFull.c_str(), 0644);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)g_bLogOpened;
    std::filesystem::remove_all(Root());
    mkdir(Root().c_str(), 0755);
    std::stringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    int nLines = 0;
    for (std::string strLine; std::getline(lines, strLine) && nLines < 64; ++nLines)
        Build(strLine);
    Vantile::CVFS vfs;
    try {
        vfs.Open(Root(), true, true);
    } catch (const Vantile::Exception&) {
        return 0;  // two loose files of one name
    }
    for (const Vantile::CVFS::EntryInfo& entry : vfs.List()) {
        Vantile::CVFSFile file;
        if (vfs.GetFile(0, entry.strName, file) <= 0 || file.GetSize() != entry.nSize)
            abort();
    }
    return 0;
}
