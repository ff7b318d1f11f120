// The .object reader on arbitrary bytes: it refuses the file with the
// engine's exception or yields records whose meshes and tracks can be built
// and sampled without reading outside them.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Objects/vantile_objectformat.h"
#include "Scene/vantile_mesh.h"

namespace {

const bool g_bLogOpened = Vantile::CLog::Instance().Open("/dev/null");

void CheckNode(const Vantile::SNodeRecord& node)
{
    using namespace Vantile;
    if (node.nType == OBJECT_NODE_MESH || node.nType == OBJECT_NODE_SKIN || node.nType == OBJECT_NODE_SKIN_INFLUENCES) {
        std::vector<CMesh::SSubset> subsets;
        for (const SSubsetRecord& subset : node.Subsets)
            subsets.push_back({subset.nFirstTriangle, subset.nTriangleCount});
        const CMesh mesh(node.dwFVF, node.Vertices, node.Indices, subsets);
        for (const CMesh::SSubset& subset : mesh.GetSubsets()) {
            if (uint64_t(subset.nFirstTriangle) + subset.nTriangleCount > mesh.GetTriangleCount())
                abort();
        }
        for (uint16_t nIndex : mesh.GetIndices()) {
            if (nIndex >= mesh.GetVertexCount())
                abort();
        }
    } else if (node.nType > OBJECT_NODE_SKIN) {
        abort();
    }
    for (const SNodeRecord& child : node.Children)
        CheckNode(child);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)g_bLogOpened;
    Vantile::SObjectFile file;
    try {
        file = Vantile::ReadObjectFile(data, size, "fuzz.object");
    } catch (const Vantile::Exception&) {
        return 0;
    }
    CheckNode(file.Root);
    for (const Vantile::SAnimationRecord& animation : file.AnimationSet.Animations) {
        const Vantile::CAnimationTrack track("fuzz", animation.Positions, animation.Rotations, animation.Scales);
        for (float fTime : {-1.0f, 0.0f, 0.5f, track.GetLength(), track.GetLength() + 1.0f, NAN})
            track.Sample(fTime);
    }
    return 0;
}
