#include "support/archive_builder.h"


#include "Vfs/vantile_vfsfilter.h"

std::string LE32(uint32_t dwValue)
{
    std::string strBytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        strBytes[i] = char(dwValue >> (8 * i));
    return strBytes;
}

std::string DeflateRaw(const std::string& strBytes)
{
    Vantile::CFilterZLib filter;
    uint32_t nLength = Vantile::CFilterZLib::EncodeBound(uint32_t(strBytes.size()));
    std::string strOut(nLength, '\0');
    filter.Encode(&strOut[0], nLength, strBytes.data(), uint32_t(strBytes.size()));
    strOut.resize(nLength);
    return strOut;
}

std::string EncodeFat(const std::vector<RawFatEntry>& entries)
{
    std::string strTable = LE32(uint32_t(entries.size()));
    for (const RawFatEntry& entry : entries) {
        std::string strName = entry.strName.substr(0, 52);
        strName.resize(52, '\0');
        strTable += strName + LE32(entry.dwSize) + LE32(entry.dwOffset) + LE32(entry.dwFilter);
    }
    return strTable;
}

std::string PackTable(const std::string& strDecoded, uint32_t nDeclaredSize)
{
    return LE32(nDeclaredSize) + DeflateRaw(strDecoded);
}

std::string BuildArchive(const std::string& strData, const std::string& strStoredTable)
{
    return std::string("KovaVFS", 8) + LE32(uint32_t(12 + strData.size())) + strData + strStoredTable;
}

std::string DeflatedEntry(const std::string& strBytes, uint32_t nDeclaredSize)
{
    return LE32(nDeclaredSize) + DeflateRaw(strBytes);
}
