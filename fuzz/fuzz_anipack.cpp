// ".ani" packs on arbitrary bytes: the list is refused with the engine's
// exception or names objects to load; a pack never loads itself.
#include <cstdint>
#include <string>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Objects/vantile_object.h"
#include "Resources/vantile_resourcemanager.h"
#include "support/temp_folder.h"

namespace {

const bool g_bLogOpened = Vantile::CLog::Instance().Open("/dev/null");

const CTempFolder& Folder()
{
    static CTempFolder folder;
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)g_bLogOpened;
    Folder().write("fish.ani", std::string(reinterpret_cast<const char*>(data), size));
    try {
        Vantile::CResourceManager::Instance().Init(Folder().path(), false);
        Vantile::CObject object("fish.ani");
    } catch (const Vantile::Exception&) {
    }
    return 0;
}
