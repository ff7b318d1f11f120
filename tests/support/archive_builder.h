// Builds archive bytes by hand, field by field, so tests and fuzz seeds can
// describe damaged archives the writer would never produce.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RawFatEntry {
    std::string strName;  // copied raw into the 52-byte field, cut at 52
    uint32_t dwSize;
    uint32_t dwOffset;
    uint32_t dwFilter;
};

// Little-endian 32-bit value as 4 bytes.
std::string LE32(uint32_t dwValue);
// Raw deflate of the bytes, as the archive uses it.
std::string DeflateRaw(const std::string& strBytes);
// The decoded table: count, then the 64-byte entries.
std::string EncodeFat(const std::vector<RawFatEntry>& entries);
// The stored table: declared decoded size, then the deflated table.
std::string PackTable(const std::string& strDecoded, uint32_t nDeclaredSize);
// Header, data (starting at offset 12) and the stored table after it.
std::string BuildArchive(const std::string& strData, const std::string& strStoredTable);
// A deflated entry's stored bytes: declared size, then the stream.
std::string DeflatedEntry(const std::string& strBytes, uint32_t nDeclaredSize);
