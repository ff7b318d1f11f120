// The archive's on-disk layout, shared by the reader and the writer. Every
// number is little-endian whatever the host, so archives move between
// machines unchanged.
#pragma once

#include <cstdint>
#include <cstring>

namespace Vantile {

const char kArchiveMagic[8] = {'K', 'o', 'v', 'a', 'V', 'F', 'S', '\0'};
const uint32_t kArchiveHeaderSize = 12;
const uint32_t kFatEntrySize = 64;
const uint32_t kFatNameSize = 52;
const uint32_t kFatCountSize = 4;
// A deflated entry starts with its decoded size.
const uint32_t kDecodedSizeSize = 4;

enum VfsFilter : uint32_t {
    VFS_FILTER_STORED = 0,
    VFS_FILTER_ZLIB = 1,
};

// Raw deflate never expands data by more than 1032:1, so a declared size
// beyond that is a damaged archive and not worth a temporary file.
const uint64_t kMaxDeflateRatio = 1032;

inline uint32_t ReadLE32(const void* pvSource)
{
    const uint8_t* p = static_cast<const uint8_t*>(pvSource);
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

inline void WriteLE32(void* pvDest, uint32_t dwValue)
{
    uint8_t* p = static_cast<uint8_t*>(pvDest);
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(dwValue >> (8 * i));
}

inline uint64_t MaxInflatedSize(uint64_t nCompressed)
{
    return nCompressed * kMaxDeflateRatio + 1024;
}

}  // namespace Vantile
