// "locale.xml" on arbitrary bytes: a table of texts or an empty one, never
// a crash; every id it holds reads back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Business/xmllocale.h"
#include "Core/vantile_log.h"

namespace {

const bool g_bLogOpened = Vantile::CLog::Instance().Open("/dev/null");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)g_bLogOpened;
    CXMLLocale locale(std::string(reinterpret_cast<const char*>(data), size));
    for (int nId : {0, 1, 10, 61, 2147483647})
        if (!locale.hasText(nId) && locale.getText(nId) != "#" + std::to_string(nId))
            abort();
    return 0;
}
