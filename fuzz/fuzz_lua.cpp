// Lua chunks on arbitrary bytes, in the game's state with its start-up
// functions: a chunk runs or fails with an exception; none crashes the
// process, loops for ever or takes all memory.
#include <cstdint>
#include <string>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Game/Script/gamescript.h"
#include "Scripting/vantile_scriptingmanager.h"

namespace {

const bool g_bLogOpened = Vantile::CLog::Instance().Open("/dev/null");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)g_bLogOpened;
    RegisterGameScript();
    try {
        Vantile::CScriptingManager::Instance().ExecuteCommand(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const Vantile::Exception&) {
    }
    return 0;
}
