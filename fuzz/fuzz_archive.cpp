// The archive reader on arbitrary archive bytes: opening, listing and
// reading every entry must never crash, hang or read outside the file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Vfs/vantile_vfs.h"

namespace {

std::string g_strFolder;

void RemoveFolder()
{
    unlink((g_strFolder + "/game.dat").c_str());
    rmdir(g_strFolder.c_str());
}

// One folder per process; the data folder itself stays absent so only the
// archive is read.
const std::string& Root()
{
    static std::string strRoot;
    if (strRoot.empty()) {
        Vantile::CLog::Instance().Open("/dev/null");
        const char* pszTemp = getenv("TMPDIR");
        std::string strTemplate = std::string(pszTemp && *pszTemp ? pszTemp : "/tmp") + "/quellon-fuzz-XXXXXX";
        if (!mkdtemp(&strTemplate[0]))
            abort();
        g_strFolder = strTemplate;
        atexit(RemoveFolder);
        strRoot = strTemplate + "/game";
    }
    return strRoot;
}

void WriteArchive(const uint8_t* data, size_t size)
{
    FILE* pFile = fopen((Root() + ".dat").c_str(), "wb");
    if (!pFile || (size && fwrite(data, 1, size, pFile) != size) || fclose(pFile) != 0)
        abort();
}

// Touches every byte so a view shorter than it claims is caught.
unsigned ReadAll(const Vantile::CVFSFile& file)
{
    unsigned nSum = 0;
    for (uint32_t i = 0; i < file.GetSize(); ++i)
        nSum += file.GetData()[i];
    return nSum;
}

// A damaged archive or entry is refused with an exception: that is an
// answer, not a fault. Anything else (a crash, a read past the view) is.
void ReadArchive()
{
    Vantile::CVFS vfs;
    try {
        vfs.Open(Root(), true, true);
    } catch (const Vantile::Exception&) {
        return;
    }
    volatile unsigned nSum = 0;
    for (const Vantile::CVFS::EntryInfo& entry : vfs.List()) {
        Vantile::CVFSFile file;
        try {
            for (int nCursor = 0; (nCursor = vfs.GetFile(nCursor, entry.strName, file)) > 0;)
                nSum = nSum + ReadAll(file);
        } catch (const Vantile::Exception&) {
            continue;
        }
        if (file.GetData())
            abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteArchive(data, size);
    ReadArchive();
    unlink((Root() + ".dat").c_str());
    return 0;
}
