#include "Vfs/vantile_vfswriter.h"

#include <strings.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Vfs/vantile_vfsfilter.h"

namespace Vantile {

namespace {

bool HasExtension(const std::string& strName, const char* pszExtension)
{
    const size_t nLength = strlen(pszExtension);
    return strName.size() >= nLength &&
           strcasecmp(strName.c_str() + strName.size() - nLength, pszExtension) == 0;
}

}  // namespace

CVFSWriter::CVFSWriter(const std::string& strPath)
    : m_strPath(strPath), m_strPartPath(strPath + ".part")
{
    m_pFile = fopen(m_strPartPath.c_str(), "wb");
    if (!m_pFile)
        Fail(errno, "cannot be created");
    const uint8_t abyHeader[kArchiveHeaderSize] = {};
    Write(abyHeader, sizeof(abyHeader));
}

CVFSWriter::~CVFSWriter()
{
    if (m_pFile)
        fclose(m_pFile);
    if (!m_bFinished)
        unlink(m_strPartPath.c_str());
}

bool CVFSWriter::CompressesPoorly(size_t nDeflated, uint32_t nSize)
{
    // Saving under an eighth of the bytes is not worth an inflate per read.
    return nDeflated >= uint64_t(nSize) - nSize / 8;
}

uint32_t CVFSWriter::FilterForName(const std::string& strName)
{
    for (const char* pszExtension : {".jpg", ".ogg", ".png"})
        if (HasExtension(strName, pszExtension))
            return VFS_FILTER_STORED;
    return VFS_FILTER_ZLIB;
}

const FatEntry& CVFSWriter::AddFile(const std::string& strName, const void* pvData, uint32_t nSize)
{
    CheckName(strName);
    FatEntry entry = {};
    memcpy(entry.szName, strName.c_str(), strName.size());
    entry.dwOffset = uint32_t(m_nOffset);
    std::vector<uint8_t> deflated;
    if (FilterForName(strName) == VFS_FILTER_ZLIB)
        deflated = Deflate(pvData, nSize);
    // A file that barely shrinks is stored: the reader maps it in place
    // instead of inflating it into memory of its own.
    if (!deflated.empty() && !CompressesPoorly(deflated.size(), nSize)) {
        entry.dwFilter = VFS_FILTER_ZLIB;
        Write(deflated.data(), deflated.size());
        entry.dwSize = uint32_t(deflated.size());
    } else {
        entry.dwFilter = VFS_FILTER_STORED;
        Write(pvData, nSize);
        entry.dwSize = nSize;
    }
    if (m_nOffset > UINT32_MAX)
        Fail(EFBIG, "would pass the format's 4 GB limit");
    m_Fat.push_back(entry);
    return m_Fat.back();
}

void CVFSWriter::CheckName(const std::string& strName) const
{
    if (strName.empty() || strName.size() > CVFS::kMaxArchiveName)
        Fail(0, FormatString("cannot hold the name [%s] (1 to %d characters)", strName.c_str(),
                             int(CVFS::kMaxArchiveName)));
    if (strName.find_first_of("/\\") != std::string::npos || strName.find('\0') != std::string::npos)
        Fail(0, "cannot hold the name [" + strName + "]: names have no folder part");
    for (const FatEntry& entry : m_Fat)
        if (strcasecmp(entry.szName, strName.c_str()) == 0)
            Fail(0, FormatString("already holds [%s], so [%s] could never be found", entry.szName,
                                 strName.c_str()));
}

std::vector<uint8_t> CVFSWriter::Deflate(const void* pvData, uint32_t nSize) const
{
    CFilterZLib filter;
    uint32_t nCompressed = CFilterZLib::EncodeBound(nSize);
    std::vector<uint8_t> stored(kDecodedSizeSize + size_t(nCompressed));
    WriteLE32(stored.data(), nSize);
    if (!filter.Encode(stored.data() + kDecodedSizeSize, nCompressed, pvData, nSize))
        Fail(0, "failed to compress a file");
    stored.resize(kDecodedSizeSize + size_t(nCompressed));
    return stored;
}

void CVFSWriter::Finish()
{
    const uint64_t nTableOffset = m_nOffset;
    if (nTableOffset > UINT32_MAX)
        Fail(EFBIG, "would pass the format's 4 GB limit");
    const std::vector<uint8_t> table = EncodeTable();
    const std::vector<uint8_t> stored = Deflate(table.data(), uint32_t(table.size()));
    Write(stored.data(), stored.size());

    uint8_t abyHeader[kArchiveHeaderSize];
    memcpy(abyHeader, kArchiveMagic, sizeof(kArchiveMagic));
    WriteLE32(abyHeader + sizeof(kArchiveMagic), uint32_t(nTableOffset));
    if (fseek(m_pFile, 0, SEEK_SET) != 0 || fwrite(abyHeader, 1, sizeof(abyHeader), m_pFile) != sizeof(abyHeader))
        Fail(errno, "cannot be written");
    const int nClosed = fclose(m_pFile);
    m_pFile = nullptr;
    if (nClosed != 0)
        Fail(errno, "cannot be written");
    if (rename(m_strPartPath.c_str(), m_strPath.c_str()) != 0)
        Fail(errno, "cannot be put in place");
    m_bFinished = true;
}

std::vector<uint8_t> CVFSWriter::EncodeTable() const
{
    std::vector<uint8_t> table(kFatCountSize + m_Fat.size() * kFatEntrySize);
    WriteLE32(table.data(), uint32_t(m_Fat.size()));
    for (size_t i = 0; i < m_Fat.size(); ++i) {
        uint8_t* pbyEntry = table.data() + kFatCountSize + i * kFatEntrySize;
        memcpy(pbyEntry, m_Fat[i].szName, kFatNameSize);
        WriteLE32(pbyEntry + kFatNameSize, m_Fat[i].dwSize);
        WriteLE32(pbyEntry + kFatNameSize + 4, m_Fat[i].dwOffset);
        WriteLE32(pbyEntry + kFatNameSize + 8, m_Fat[i].dwFilter);
    }
    return table;
}

void CVFSWriter::Write(const void* pvData, size_t nSize)
{
    if (nSize > 0 && fwrite(pvData, 1, nSize, m_pFile) != nSize)
        Fail(errno, "cannot be written");
    m_nOffset += nSize;
}

void CVFSWriter::Fail(int nCode, const std::string& strFault) const
{
    VANTILE_EXCEPT(nCode, "Archive [" + m_strPath + "] " + strFault, "CVFSWriter");
}

}  // namespace Vantile
