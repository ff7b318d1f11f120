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

// A mapping per loose file cost a map, its page faults and an unmap with a
// TLB flush on every read, about three times a plain read; and a file cut
// short by another program while mapped would end this one with SIGBUS.
void CVFSFile::ReadPath(const std::string& strPath)
{
    const int hFile = open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (hFile < 0)
        VANTILE_EXCEPT(errno, "Failed to open file", "CVFS::GetFile");
    try {
        ReadWholeFile(hFile);
    } catch (...) {
        close(hFile);
        throw;
    }
    close(hFile);
}

// As many bytes as the file held when it was opened; a file that shrinks
// meanwhile fails rather than serving a tail that was never read. A file
// larger than any game data is mapped instead: its reader refuses it after
// a look at its start, which should not cost its size in memory first.
void CVFSFile::ReadWholeFile(int hFile)
{
    const uint32_t nSize = WholeFileSize(hFile);
    if (nSize > MAX_READ_BYTES) {
        Release();
        MapRange(hFile, 0, nSize);
        return;
    }
    uint8_t* pbyData = AllocateOwned(nSize);
    for (uint32_t nDone = 0; nDone < nSize;) {
        const ssize_t nRead = read(hFile, pbyData + nDone, nSize - nDone);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead <= 0) {
            const int nError = nRead < 0 ? errno : EIO;
            Release();
            VANTILE_EXCEPT(nError, "Failed to read file", "CVFS::GetFile");
        }
        nDone += uint32_t(nRead);
    }
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
