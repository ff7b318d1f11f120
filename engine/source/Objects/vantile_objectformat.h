// The ".object" file as plain records: what the reader yields and the writer
// takes. All integers are little-endian 32-bit, every block is a byte count
// and that many bytes, strings are blocks without NUL.
//
// File: header block, material library, the root node record (children
// nested), one animation set. Fields the engine does not interpret are kept
// so a file read and written again keeps its bytes.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Scene/vantile_animationtrack.h"
#include "d3d/d3dx8.h"

namespace Vantile {

enum ObjectNodeType : uint32_t {
    OBJECT_NODE_PLAIN = 0,
    OBJECT_NODE_MESH = 1,
    OBJECT_NODE_SPLINE = 2,
    OBJECT_NODE_SKIN_INFLUENCES = 3,  // skin with bone influence lists
    OBJECT_NODE_SKIN = 4,             // skin without them
};

struct SMaterialDef {
    uint32_t nId = 0;
    std::string strEffect;
    // Channels 0, 1 and 2; the fourth name is kept but not used. Empty
    // means none.
    std::string astrTextures[4];
    uint32_t dwColorA = 0;
    uint32_t dwColorB = 0;
};

struct SSubsetRecord {
    uint32_t nMaterialId;
    uint32_t nFirstTriangle;
    uint32_t nTriangleCount;
};

struct SBoneRecord {
    std::string strName;
    std::vector<std::pair<uint32_t, uint32_t>> Influences;  // type 3 only
    D3DXMATRIX mOffset;
};

struct SNodeRecord {
    std::string strName;
    D3DXMATRIX mLocal;
    uint32_t nType = OBJECT_NODE_PLAIN;

    // Meshes and skins.
    std::string strMeshBlock;  // not interpreted
    uint32_t dwFVF = 0;
    uint32_t nMeshValue = 0;  // not interpreted
    std::vector<uint8_t> Vertices;
    std::vector<uint16_t> Indices;
    // The file held 32-bit indices (cut to 16 bits on reading).
    bool bWideIndices = false;
    std::vector<SSubsetRecord> Subsets;

    // Skins; the three values are type 3 only and not interpreted.
    uint32_t anSkinValues[3] = {0, 0, 0};
    std::vector<SBoneRecord> Bones;

    // Splines; the block and value are not interpreted.
    std::string strSplineBlock;
    uint32_t nSplineValue = 0;
    std::vector<D3DXVECTOR3> Points;

    std::vector<SNodeRecord> Children;
};

struct SAnimationRecord {
    std::string strTarget;
    std::vector<SVectorKey> Positions;
    std::vector<SRotationKey> Rotations;
    std::vector<SVectorKey> Scales;
};

struct SAnimationSetRecord {
    std::string strName;
    std::vector<SAnimationRecord> Animations;
};

struct SObjectFile {
    std::string strHeader;  // not interpreted
    std::vector<SMaterialDef> Materials;
    SNodeRecord Root;
    SAnimationSetRecord AnimationSet;
};

// Checks every count and size against the bytes there are; anything that
// does not fit, an unknown node type or vertex format, or an index past the
// vertices throws Exception code 0 "Failed to load object [name]: reason".
SObjectFile ReadObjectFile(const uint8_t* pData, size_t nSize, const std::string& strName);

// The file's bytes. Wide-index nodes are written with 32-bit indices.
std::string WriteObjectFile(const SObjectFile& file);

}  // namespace Vantile
