// The .ifl reader on arbitrary text: it must end, and what it returns must
// be usable by an animation clock.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "Resources/vantile_ifl.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Vantile::IflList list = Vantile::ParseIfl(reinterpret_cast<const char*>(data), size);
    if (!std::isfinite(list.fFPS) || list.fFPS <= 0.0f)
        abort();
    size_t nBytes = 0;
    for (const std::string& strFrame : list.frames) {
        if (strFrame.empty() || strFrame.find_first_of(std::string(" \t\r\n\0", 5)) != std::string::npos)
            abort();
        nBytes += strFrame.size();
    }
    if (nBytes > size)
        abort();
    return 0;
}
