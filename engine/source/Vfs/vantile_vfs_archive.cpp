// Reading the archive. Its table, offsets and sizes come from a file that
// may be truncated or damaged, so every value is checked against the file
// before it is used. A file that is not one of our archives contributes
// nothing; one of ours with a bad table or an entry outside the file is
// refused at open with the reason, since serving none or part of it would
// only fail later without saying why. An entry whose stream does not
// decode fails its own lookup.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <memory>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Vfs/vantile_vfs.h"
#include "Vfs/vantile_vfsfilter.h"

namespace Vantile {

namespace {

// A million entries; far beyond any data set, and it keeps a damaged size
// field from asking for gigabytes.
const uint32_t kMaxTableSize = kFatCountSize + 1000000 * kFatEntrySize;

bool CurrentFileSize(int hFile, uint64_t& nSize)
{
    struct stat info;
    if (fstat(hFile, &info) != 0)
        return false;
    nSize = uint64_t(info.st_size);
    return true;
}

[[noreturn]] void RefuseArchive(const std::string& strPath, const std::string& strFault)
{
    VANTILE_EXCEPT(0, FormatString("Archive [%s] is damaged: %s", strPath.c_str(), strFault.c_str()), "CVFS::Open");
}

[[noreturn]] void ThrowBadEntry(const FatEntry& entry, const char* pszFault)
{
    VANTILE_EXCEPT(0, FormatString("Archive entry [%s] is damaged: %s", entry.szName, pszFault), "CVFS::GetFile");
}

// Reads a decoded table; "" or what is wrong with it. Every entry must
// have a NUL-terminated name, a known filter and lie after the header
// within the file.
std::string ParseTable(const uint8_t* pbyTable, uint32_t nTableSize, uint64_t nFileSize, std::vector<FatEntry>& fat)
{
    if (nTableSize < kFatCountSize)
        return "the table has no entry count";
    const uint64_t nCount = ReadLE32(pbyTable);
    if (kFatCountSize + nCount * kFatEntrySize > nTableSize)
        return FormatString("the table is shorter than its %" PRIu64 " entries", nCount);
    fat.resize(size_t(nCount));
    for (size_t i = 0; i < fat.size(); ++i) {
        const uint8_t* pbyEntry = pbyTable + kFatCountSize + i * kFatEntrySize;
        if (!memchr(pbyEntry, 0, kFatNameSize) || pbyEntry[0] == 0)
            return FormatString("entry %zu has no name", i);
        memcpy(fat[i].szName, pbyEntry, kFatNameSize);
        fat[i].dwSize = ReadLE32(pbyEntry + kFatNameSize);
        fat[i].dwOffset = ReadLE32(pbyEntry + kFatNameSize + 4);
        fat[i].dwFilter = ReadLE32(pbyEntry + kFatNameSize + 8);
        if (fat[i].dwOffset < kArchiveHeaderSize || uint64_t(fat[i].dwOffset) + fat[i].dwSize > nFileSize)
            return FormatString("entry [%s] lies outside the archive's data", fat[i].szName);
        if (fat[i].dwFilter != VFS_FILTER_STORED && !CreateFilter(fat[i].dwFilter))
            return FormatString("entry [%s] has the unknown filter %u", fat[i].szName, fat[i].dwFilter);
    }
    return std::string();
}

}  // namespace

void CVFS::CloseArchive()
{
    if (m_hArchive >= 0)
        close(m_hArchive);
    m_hArchive = -1;
    m_pArchiveMapping.reset();
    m_Fat.clear();
}

void CVFS::OpenArchive()
{
    CloseArchive();
    // O_NONBLOCK: a FIFO under the archive's name would block the open
    // for ever; only a plain file is read.
    m_hArchive = open((m_strRoot + ".dat").c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_hArchive < 0)
        return;
    struct stat info;
    uint8_t abyHeader[kArchiveHeaderSize];
    const bool bOurs = fstat(m_hArchive, &info) == 0 && S_ISREG(info.st_mode) &&
                       pread(m_hArchive, abyHeader, sizeof(abyHeader), 0) == ssize_t(sizeof(abyHeader)) &&
                       memcmp(abyHeader, kArchiveMagic, sizeof(kArchiveMagic)) == 0;
    // A file that is not one of our archives is no error: the folder alone
    // serves the game.
    if (!bOurs) {
        CloseArchive();
        return;
    }
    try {
        ReadTable(uint64_t(info.st_size), ReadLE32(abyHeader + sizeof(kArchiveMagic)));
        m_pArchiveMapping = std::make_shared<const CVFSMapping>(m_hArchive);
    } catch (const Exception&) {
        CloseArchive();
        throw;
    }
}

void CVFS::ReadTable(uint64_t nFileSize, uint64_t nTableOffset)
{
    const std::string strPath = m_strRoot + ".dat";
    if (nTableOffset < kArchiveHeaderSize || nTableOffset + kDecodedSizeSize > nFileSize ||
        nFileSize - nTableOffset > UINT32_MAX)
        RefuseArchive(strPath, "the table lies outside the file (is the file cut short?)");
    CVFSFile view;
    view.MapFile(m_hArchive, nTableOffset, uint32_t(nFileSize - nTableOffset));
    const uint32_t nCompressed = view.GetSize() - kDecodedSizeSize;
    const uint32_t nDecoded = ReadLE32(view.GetData());
    if (nDecoded > kMaxTableSize || nDecoded > MaxInflatedSize(nCompressed))
        RefuseArchive(strPath, "the table's decoded size is impossible");
    std::vector<uint8_t> table(nDecoded);
    CFilterZLib filter;
    if (!filter.Decode(table.data(), nDecoded, view.GetData() + kDecodedSizeSize, nCompressed))
        RefuseArchive(strPath, "the table does not decode to its declared size");
    const std::string strFault = ParseTable(table.data(), nDecoded, nFileSize, m_Fat);
    if (!strFault.empty())
        RefuseArchive(strPath, strFault);
}

void CVFS::MapArchiveEntry(const FatEntry& entry, CVFSFile& file)
{
    if (m_hArchive < 0 || !m_pArchiveMapping)
        VANTILE_EXCEPT(EBADF, "Failed to open file", "CVFS::GetFile");
    // A file cut short since it was mapped would fault on the lost pages.
    uint64_t nFileSize = 0;
    const uint64_t nEnd = uint64_t(entry.dwOffset) + entry.dwSize;
    if (!CurrentFileSize(m_hArchive, nFileSize) || nEnd > nFileSize || nEnd > m_pArchiveMapping->GetSize())
        ThrowBadEntry(entry, "it lies outside the archive");
    if (entry.dwFilter == VFS_FILTER_STORED) {
        file.ViewMapping(m_pArchiveMapping, entry.dwOffset, entry.dwSize);
        return;
    }
    InflateEntry(entry, file);
}

// Inflated straight into memory the view owns: no copy and no file, and
// the archive's pages are only read while it decodes.
void CVFS::InflateEntry(const FatEntry& entry, CVFSFile& file)
{
    std::unique_ptr<IFilter> pFilter = CreateFilter(entry.dwFilter);
    if (!pFilter)
        ThrowBadEntry(entry, "its filter is unknown");
    if (entry.dwSize < kDecodedSizeSize)
        ThrowBadEntry(entry, "it is shorter than its decoded size field");
    CVFSFile source;
    source.ViewMapping(m_pArchiveMapping, entry.dwOffset, entry.dwSize);
    const uint32_t nCompressed = entry.dwSize - kDecodedSizeSize;
    const uint32_t nDecoded = ReadLE32(source.GetData());
    if (nDecoded > MaxInflatedSize(nCompressed))
        ThrowBadEntry(entry, "its decoded size is impossible");

    uint8_t* pbyDest = file.AllocateOwned(nDecoded);
    if (!pFilter->Decode(pbyDest, nDecoded, source.GetData() + kDecodedSizeSize, nCompressed)) {
        file.Release();
        ThrowBadEntry(entry, "it does not decode to its declared size");
    }
}

uint64_t CVFS::ArchiveEntrySize(const FatEntry& entry) const
{
    if (entry.dwFilter == VFS_FILTER_STORED)
        return entry.dwSize;
    uint8_t abySize[kDecodedSizeSize];
    if (entry.dwSize < kDecodedSizeSize ||
        pread(m_hArchive, abySize, sizeof(abySize), off_t(entry.dwOffset)) != ssize_t(sizeof(abySize)))
        return 0;
    return ReadLE32(abySize);
}

}  // namespace Vantile
