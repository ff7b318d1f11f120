// The scene loader on arbitrary XML: no scene, the engine's exception (an
// object file that cannot be read), or a tree that can be walked.
#include <cstdint>
#include <memory>
#include <string>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Objects/vantile_sceneloader.h"

namespace {

const bool g_bLogOpened = Vantile::CLog::Instance().Open("/dev/null");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)g_bLogOpened;
    const std::string strText(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<Vantile::CNode> pScene;
    try {
        pScene.reset(Vantile::CSceneLoader::Instance().LoadSceneFromText(strText, "fuzz.xml"));
    } catch (const Vantile::Exception&) {
        return 0;
    }
    if (pScene) {
        pScene->Process(Vantile::PROCESS_UPDATE | Vantile::PROCESS_ANIMATE);
        std::unique_ptr<Vantile::CNode> pClone(pScene->Clone());
    }
    return 0;
}
