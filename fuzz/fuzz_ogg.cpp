// Ogg files on arbitrary bytes: refused, or a source of one or two channels
// at a rate the mixer holds that decodes to its end.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "Game/Sound/vorbissource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto pBytes = std::make_shared<const std::string>(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<CVorbisSource> pSource = CVorbisSource::Open(pBytes);
    if (!pSource)
        return 0;
    if (pSource->channels() < 1 || pSource->channels() > 2 || pSource->frequency() < CVorbisSource::kLowestRate ||
        pSource->frequency() > CVorbisSource::kHighestRate)
        abort();
    const std::vector<int16_t> samples = pSource->decodeAll();
    if (samples.size() % size_t(pSource->channels()) != 0)
        abort();
    pSource->rewind();
    int16_t abyFrames[2 * 256];
    pSource->read(abyFrames, 256, true);
    return 0;
}
