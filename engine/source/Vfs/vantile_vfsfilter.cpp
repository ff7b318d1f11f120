#include "Vfs/vantile_vfsfilter.h"

#include <libdeflate.h>
#include <zlib.h>

#include <memory>

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

// libdeflate inflates whole buffers several times faster than zlib's
// streaming inflate; the entries are whole buffers. Without an out-size
// pointer it accepts only a stream that fills the destination exactly.
bool CFilterZLib::Decode(void* pvDest, uint32_t nDestLength, const void* pvSource,
                         uint32_t nSourceLength)
{
    thread_local std::unique_ptr<libdeflate_decompressor, decltype(&libdeflate_free_decompressor)>
        pDecompressor(libdeflate_alloc_decompressor(), &libdeflate_free_decompressor);
    if (!pDecompressor)
        return false;
    // Empty output still needs a valid pointer.
    uint8_t byDummy = 0;
    return libdeflate_deflate_decompress(pDecompressor.get(), pvSource, nSourceLength,
                                         pvDest ? pvDest : &byDummy, nDestLength,
                                         nullptr) == LIBDEFLATE_SUCCESS;
}

std::unique_ptr<IFilter> CreateFilter(uint32_t dwType)
{
    if (dwType == VFS_FILTER_ZLIB)
        return std::make_unique<CFilterZLib>();
    return nullptr;
}

}  // namespace Vantile
