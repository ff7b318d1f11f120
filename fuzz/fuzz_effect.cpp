// The .fx reader on arbitrary text: it ends, and a source it accepts has a
// technique with passes whose shader blocks come in pairs.
#include <cstdint>
#include <cstdlib>

#include "Effects/vantile_fxlanguage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Vantile::SFxSource source;
    std::string strError;
    if (!Vantile::ParseFxSource(reinterpret_cast<const char*>(data), size, source, strError)) {
        if (strError.compare(0, 5, "line ") != 0)
            abort();
        return 0;
    }
    if (source.Techniques.empty())
        abort();
    for (const Vantile::SFxTechnique& technique : source.Techniques) {
        if (technique.Passes.empty())
            abort();
        for (const Vantile::SFxPass& pass : technique.Passes) {
            if (pass.strVertex.empty() != pass.strFragment.empty() || pass.strVertex.size() > size)
                abort();
            for (const Vantile::SFxTextureBinding& binding : pass.Textures)
                if (binding.dwStage > 7)
                    abort();
        }
    }
    Vantile::FxUniformDeclarations(source);
    return 0;
}
