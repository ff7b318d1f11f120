#include "Vfs/vantile_vfsfilter.h"

#include <zlib.h>

#include "Vfs/vantile_vfsformat.h"

namespace Vantile {

namespace {

const int kRawDeflateWindowBits = -15;
const int kMemoryLevel = 9;

}  // namespace

uint32_t CFilterZLib::GetType() const
{
    return VFS_FILTER_ZLIB;
}

uint32_t CFilterZLib::EncodeBound(uint32_t nSourceLength)
{
    z_stream stream = {};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kRawDeflateWindowBits, kMemoryLevel,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        return 0;
    const uLong nBound = deflateBound(&stream, nSourceLength);
    deflateEnd(&stream);
    return nBound > UINT32_MAX ? UINT32_MAX : uint32_t(nBound);
}

bool CFilterZLib::Encode(void* pvDest, uint32_t& nDestLength, const void* pvSource,
                         uint32_t nSourceLength)
{
    z_stream stream = {};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kRawDeflateWindowBits, kMemoryLevel,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    stream.next_in = static_cast<Bytef*>(const_cast<void*>(pvSource));
    stream.avail_in = nSourceLength;
    stream.next_out = static_cast<Bytef*>(pvDest);
    stream.avail_out = nDestLength;
    const int nResult = deflate(&stream, Z_FINISH);
    nDestLength = uint32_t(stream.total_out);
    deflateEnd(&stream);
    return nResult == Z_STREAM_END;
}

bool CFilterZLib::Decode(void* pvDest, uint32_t nDestLength, const void* pvSource,
                         uint32_t nSourceLength)
{
    z_stream stream = {};
    if (inflateInit2(&stream, kRawDeflateWindowBits) != Z_OK)
        return false;
    // zlib refuses a null output pointer even when nothing is to be
    // written, which is the case for an empty file.
    Bytef byDummy = 0;
    stream.next_in = static_cast<Bytef*>(const_cast<void*>(pvSource));
    stream.avail_in = nSourceLength;
    stream.next_out = pvDest ? static_cast<Bytef*>(pvDest) : &byDummy;
    stream.avail_out = nDestLength;
    const int nResult = inflate(&stream, Z_FINISH);
    const bool bComplete = nResult == Z_STREAM_END && stream.total_out == nDestLength;
    inflateEnd(&stream);
    return bComplete;
}

std::unique_ptr<IFilter> CreateFilter(uint32_t dwType)
{
    if (dwType == VFS_FILTER_ZLIB)
        return std::make_unique<CFilterZLib>();
    return nullptr;
}

}  // namespace Vantile
