// Codecs for archive entries, chosen by the filter number stored with each
// entry.
#pragma once

#include <cstdint>
#include <memory>

namespace Vantile {

class IFilter {
public:
    virtual ~IFilter() = default;
    virtual uint32_t GetType() const = 0;
    // nDestLength holds the capacity on entry and the produced length on
    // return. False when the result does not fit.
    virtual bool Encode(void* pvDest, uint32_t& nDestLength, const void* pvSource,
                        uint32_t nSourceLength) = 0;
    // True only when the source is one complete stream that decodes to
    // exactly nDestLength bytes; anything else means a damaged entry.
    virtual bool Decode(void* pvDest, uint32_t nDestLength, const void* pvSource,
                        uint32_t nSourceLength) = 0;
};

// Raw deflate (no zlib header or checksum), level 9 and memory level 9.
class CFilterZLib : public IFilter {
public:
    uint32_t GetType() const override;
    bool Encode(void* pvDest, uint32_t& nDestLength, const void* pvSource,
                uint32_t nSourceLength) override;
    bool Decode(void* pvDest, uint32_t nDestLength, const void* pvSource,
                uint32_t nSourceLength) override;

    // The capacity Encode needs for a source of that length.
    static uint32_t EncodeBound(uint32_t nSourceLength);
};

// Null for a filter number no codec handles.
std::unique_ptr<IFilter> CreateFilter(uint32_t dwType);

}  // namespace Vantile
