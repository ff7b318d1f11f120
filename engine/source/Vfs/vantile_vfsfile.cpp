#include "Vfs/vantile_vfsfile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <set>

#include "Core/vantile_exception.h"

namespace Vantile {

namespace {

// Where a view of an empty file points: mmap cannot map zero bytes, and
// callers tell "loaded" from "not loaded" by a non-null pointer.
const uint8_t kEmptyFile[1] = {0};

const char kTempPrefix[] = "qlv";

// Temporary files still alive. Deliberately never destroyed, so the exit
// handler can run after every static object is gone.
std::set<std::string>& LiveTemporaryFiles()
{
    static std::set<std::string>* pFiles = new std::set<std::string>;
    return *pFiles;
}

void RemoveLiveTemporaryFiles()
{
    for (const std::string& strPath : LiveTemporaryFiles())
        unlink(strPath.c_str());
    LiveTemporaryFiles().clear();
}

void RegisterTemporaryFile(const std::string& strPath)
{
    static const bool bHandlerInstalled = (atexit(RemoveLiveTemporaryFiles) == 0);
    (void)bHandlerInstalled;
    LiveTemporaryFiles().insert(strPath);
}

void DeleteTemporaryFile(const std::string& strPath)
{
    unlink(strPath.c_str());
    LiveTemporaryFiles().erase(strPath);
}

std::string TemporaryFolder()
{
    const char* pszDir = getenv("TMPDIR");
    if (pszDir && *pszDir)
        return pszDir;
    return "/tmp";
}

}  // namespace

CVFSFile::~CVFSFile()
{
    Release();
}

void CVFSFile::MapFile(int hFile, uint64_t nOffset, uint32_t nSize)
{
    Release();
    MapRange(hFile, nOffset, nSize);
}

void CVFSFile::MapWholeFile(int hFile)
{
    Release();
    MapRange(hFile, 0, WholeFileSize(hFile));
}

void CVFSFile::MapPath(const std::string& strPath)
{
    const int hFile = open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (hFile < 0)
        VANTILE_EXCEPT(errno, "Failed to open file", "CVFS::GetFile");
    try {
        MapWholeFile(hFile);
    } catch (...) {
        close(hFile);
        throw;
    }
    close(hFile);
}

void CVFSFile::AdoptTemporaryFile(const std::string& strPath, int hFile)
{
    Release();
    m_strTempPath = strPath;
    m_hFile = hFile;
    m_bTemporary = true;
    try {
        MapRange(hFile, 0, WholeFileSize(hFile));
    } catch (...) {
        Release();
        throw;
    }
}

uint32_t CVFSFile::WholeFileSize(int hFile)
{
    struct stat info;
    if (fstat(hFile, &info) != 0)
        VANTILE_EXCEPT(errno, "Failed to create file mapping", "CVFS::GetFile");
    if (uint64_t(info.st_size) > UINT32_MAX)
        VANTILE_EXCEPT(EFBIG, "Failed to create file mapping", "CVFS::GetFile");
    return uint32_t(info.st_size);
}

void CVFSFile::MapRange(int hFile, uint64_t nOffset, uint32_t nSize)
{
    if (nSize == 0) {
        m_pvData = kEmptyFile;
        return;
    }
    // Only the pages that hold the file are mapped, from a page boundary,
    // so a small entry of a large archive costs a small view.
    static const uint64_t nPage = uint64_t(sysconf(_SC_PAGESIZE));
    const uint64_t nStart = nOffset - nOffset % nPage;
    const size_t nLength = size_t(nOffset - nStart) + nSize;
    void* pvView = mmap(nullptr, nLength, PROT_READ, MAP_SHARED, hFile, off_t(nStart));
    if (pvView == MAP_FAILED)
        VANTILE_EXCEPT(errno, "Failed to create file mapping", "CVFS::GetFile");
    m_pvMapping = pvView;
    m_nMappedLength = nLength;
    m_pvData = static_cast<const uint8_t*>(pvView);
    m_dwOffset = uint32_t(nOffset - nStart);
    m_dwSize = nSize;
}

void CVFSFile::Release()
{
    if (m_pvMapping)
        munmap(m_pvMapping, m_nMappedLength);
    if (m_bTemporary) {
        close(m_hFile);
        DeleteTemporaryFile(m_strTempPath);
    }
    m_strTempPath.clear();
    m_hFile = -1;
    m_pvMapping = nullptr;
    m_nMappedLength = 0;
    m_pvData = nullptr;
    m_dwSize = 0;
    m_dwOffset = 0;
    m_bTemporary = false;
}

const uint8_t* CVFSFile::GetData() const
{
    return m_pvData ? m_pvData + m_dwOffset : nullptr;
}

int CVFSFile::CreateTemporaryFile(std::string& strPath)
{
    std::string strTemplate = TemporaryFolder() + "/" + kTempPrefix + "XXXXXX";
    const int hFile = mkstemp(&strTemplate[0]);
    if (hFile < 0)
        VANTILE_EXCEPT(errno, "Failed to create temporary file", "CVFS::DecodeToTemporaryFile");
    fcntl(hFile, F_SETFD, FD_CLOEXEC);
    RegisterTemporaryFile(strTemplate);
    strPath = strTemplate;
    return hFile;
}

void CVFSFile::DiscardTemporaryFile(const std::string& strPath, int hFile)
{
    close(hFile);
    DeleteTemporaryFile(strPath);
}

}  // namespace Vantile
