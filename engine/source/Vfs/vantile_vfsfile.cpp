#include "Vfs/vantile_vfsfile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Core/vantile_exception.h"

namespace Vantile {

namespace {

// Where a view of an empty file points: mmap cannot map zero bytes, and
// callers tell "loaded" from "not loaded" by a non-null pointer.
const uint8_t kEmptyFile[1] = {0};

}  // namespace

CVFSMapping::CVFSMapping(int hFile)
{
    struct stat info;
    if (fstat(hFile, &info) != 0)
        VANTILE_EXCEPT(errno, "Failed to create file mapping", "CVFS::Open");
    m_nSize = uint64_t(info.st_size);
    if (m_nSize == 0)
        return;
    void* pvView = mmap(nullptr, size_t(m_nSize), PROT_READ, MAP_SHARED, hFile, 0);
    if (pvView == MAP_FAILED)
        VANTILE_EXCEPT(errno, "Failed to create file mapping", "CVFS::Open");
    m_pbyData = static_cast<const uint8_t*>(pvView);
}

CVFSMapping::~CVFSMapping()
{
    if (m_pbyData)
        munmap(const_cast<uint8_t*>(m_pbyData), size_t(m_nSize));
}

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

void CVFSFile::ViewMapping(std::shared_ptr<const CVFSMapping> pMapping, uint64_t nOffset, uint32_t nSize)
{
    Release();
    if (nSize == 0) {
        m_pvData = kEmptyFile;
        return;
    }
    m_pvData = pMapping->GetData() + nOffset;
    m_dwSize = nSize;
    m_pShared = std::move(pMapping);
}

uint8_t* CVFSFile::AllocateOwned(uint32_t nSize)
{
    Release();
    if (nSize == 0) {
        m_pvData = kEmptyFile;
        return nullptr;
    }
    // Left uninitialised: the caller overwrites every byte.
    m_pOwned.reset(new uint8_t[nSize]);
    m_pvData = m_pOwned.get();
    m_dwSize = nSize;
    return m_pOwned.get();
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
    m_pOwned.reset();
    m_pShared.reset();
    m_pvMapping = nullptr;
    m_nMappedLength = 0;
    m_pvData = nullptr;
    m_dwSize = 0;
    m_dwOffset = 0;
}

const uint8_t* CVFSFile::GetData() const
{
    return m_pvData ? m_pvData + m_dwOffset : nullptr;
}

}  // namespace Vantile
