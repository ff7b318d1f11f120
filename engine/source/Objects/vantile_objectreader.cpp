#include <cstring>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Objects/vantile_objectformat.h"
#include "Scene/vantile_mesh.h"

namespace Vantile {

namespace {

// Deeper trees than any export would make; a file nesting further is
// damaged and would exhaust the stack.
const int MAX_NODE_DEPTH = 256;

class CObjectReader {
public:
    CObjectReader(const uint8_t* pData, size_t nSize, const std::string& strName)
        : m_pData(pData), m_nSize(nSize), m_strName(strName)
    {
    }

    SObjectFile ReadFile();

private:
    [[noreturn]] void Fail(const std::string& strReason) const;
    uint32_t Read32();
    float ReadFloat();
    std::string ReadBlock();
    // A count of items of at least nItemSize bytes each that must fit in
    // what is left.
    uint32_t ReadCount(size_t nItemSize);
    void ReadBytes(void* pOut, size_t nBytes);
    D3DXMATRIX ReadMatrixBlock();

    SMaterialDef ReadMaterial();
    void ReadNode(SNodeRecord& node, int nDepth);
    void ReadMesh(SNodeRecord& node);
    void ReadIndices(SNodeRecord& node, uint32_t nCount);
    void ReadSkin(SNodeRecord& node);
    void ReadSpline(SNodeRecord& node);
    SAnimationSetRecord ReadAnimationSet();
    std::vector<SVectorKey> ReadVectorKeys();
    std::vector<SRotationKey> ReadRotationKeys();

    const uint8_t* m_pData;
    size_t m_nSize;
    size_t m_nPos = 0;
    const std::string& m_strName;
};

void CObjectReader::Fail(const std::string& strReason) const
{
    VANTILE_EXCEPT(0, "Failed to load object [" + m_strName + "]: " + strReason, "CObject::Load");
}

void CObjectReader::ReadBytes(void* pOut, size_t nBytes)
{
    if (nBytes > m_nSize - m_nPos)
        Fail(FormatString("%zu bytes needed at offset %zu, the file ends at %zu", nBytes, m_nPos, m_nSize));
    if (nBytes > 0)
        memcpy(pOut, m_pData + m_nPos, nBytes);
    m_nPos += nBytes;
}

uint32_t CObjectReader::Read32()
{
    uint8_t ab[4];
    ReadBytes(ab, 4);
    return uint32_t(ab[0]) | uint32_t(ab[1]) << 8 | uint32_t(ab[2]) << 16 | uint32_t(ab[3]) << 24;
}

float CObjectReader::ReadFloat()
{
    const uint32_t nBits = Read32();
    float f;
    memcpy(&f, &nBits, 4);
    return f;
}

std::string CObjectReader::ReadBlock()
{
    const uint32_t nBytes = ReadCount(1);
    std::string strBlock(nBytes, '\0');
    ReadBytes(&strBlock[0], nBytes);
    return strBlock;
}

uint32_t CObjectReader::ReadCount(size_t nItemSize)
{
    const size_t nAt = m_nPos;
    const uint32_t nCount = Read32();
    if (nCount > (m_nSize - m_nPos) / nItemSize)
        Fail(FormatString("count %u at offset %zu is more than the rest of the file holds", nCount, nAt));
    return nCount;
}

D3DXMATRIX CObjectReader::ReadMatrixBlock()
{
    const uint32_t nBytes = Read32();
    if (nBytes != 64)
        Fail(FormatString("a matrix block of %u bytes", nBytes));
    D3DXMATRIX m;
    for (int i = 0; i < 16; ++i)
        (&m._11)[i] = ReadFloat();
    return m;
}

SObjectFile CObjectReader::ReadFile()
{
    SObjectFile file;
    file.strHeader = ReadBlock();
    // The smallest material: id, five empty blocks, two colours.
    const uint32_t nMaterials = ReadCount(4 * 8);
    for (uint32_t i = 0; i < nMaterials; ++i)
        file.Materials.push_back(ReadMaterial());
    ReadNode(file.Root, 0);
    file.AnimationSet = ReadAnimationSet();
    return file;
}

SMaterialDef CObjectReader::ReadMaterial()
{
    SMaterialDef material;
    material.nId = Read32();
    material.strEffect = ReadBlock();
    for (std::string& strTexture : material.astrTextures)
        strTexture = ReadBlock();
    material.dwColorA = Read32();
    material.dwColorB = Read32();
    return material;
}

void CObjectReader::ReadNode(SNodeRecord& node, int nDepth)
{
    if (nDepth > MAX_NODE_DEPTH)
        Fail("nodes nested too deeply");
    node.strName = ReadBlock();
    node.mLocal = ReadMatrixBlock();
    node.nType = Read32();
    switch (node.nType) {
    case OBJECT_NODE_PLAIN: break;
    case OBJECT_NODE_MESH: ReadMesh(node); break;
    case OBJECT_NODE_SPLINE: ReadSpline(node); break;
    case OBJECT_NODE_SKIN_INFLUENCES:
    case OBJECT_NODE_SKIN:
        ReadMesh(node);
        ReadSkin(node);
        break;
    default: Fail(FormatString("node \"%s\" has the unknown type %u", node.strName.c_str(), node.nType));
    }
    // The smallest node record: name and matrix blocks, type, child count.
    const uint32_t nChildren = ReadCount(4 + 4 + 64 + 4 + 4);
    node.Children.resize(nChildren);
    for (SNodeRecord& child : node.Children)
        ReadNode(child, nDepth + 1);
}

void CObjectReader::ReadMesh(SNodeRecord& node)
{
    node.strMeshBlock = ReadBlock();
    node.dwFVF = Read32();
    const UINT nVertexSize = GetFVFVertexSize(node.dwFVF);
    if (nVertexSize == 0)
        Fail(FormatString("node \"%s\" has the unknown vertex format 0x%x", node.strName.c_str(), node.dwFVF));
    node.nMeshValue = Read32();
    const std::string strVertices = ReadBlock();
    node.Vertices.assign(strVertices.begin(), strVertices.end());
    ReadIndices(node, Read32());
    const size_t nVertexCount = node.Vertices.size() / nVertexSize;
    for (uint16_t nIndex : node.Indices) {
        if (nIndex >= nVertexCount)
            Fail(FormatString("node \"%s\" indexes vertex %u of %zu", node.strName.c_str(), nIndex, nVertexCount));
    }
    const uint32_t nSubsets = ReadCount(12);
    node.Subsets.resize(nSubsets);
    for (SSubsetRecord& subset : node.Subsets) {
        subset.nMaterialId = Read32();
        subset.nFirstTriangle = Read32();
        subset.nTriangleCount = Read32();
    }
}

void CObjectReader::ReadIndices(SNodeRecord& node, uint32_t nCount)
{
    const uint32_t nBytes = ReadCount(1);
    node.bWideIndices = nBytes != uint64_t(nCount) * 2;
    if (node.bWideIndices && nBytes != uint64_t(nCount) * 4)
        Fail(FormatString("node \"%s\" has %u index bytes for %u indices", node.strName.c_str(), nBytes, nCount));
    node.Indices.resize(nCount);
    for (uint16_t& nIndex : node.Indices) {
        if (node.bWideIndices) {
            nIndex = uint16_t(Read32());
        } else {
            uint8_t ab[2];
            ReadBytes(ab, 2);
            nIndex = uint16_t(ab[0] | ab[1] << 8);
        }
    }
    if (node.bWideIndices)
        CLog::Instance().Write(LOG_INFO, "Incorrect indices size [" + node.strName + "] reexport needed !!!");
}

void CObjectReader::ReadSkin(SNodeRecord& node)
{
    const bool bInfluences = node.nType == OBJECT_NODE_SKIN_INFLUENCES;
    if (bInfluences) {
        for (uint32_t& nValue : node.anSkinValues)
            nValue = Read32();
    }
    const uint32_t nBones = ReadCount(4 + (bInfluences ? 4 : 0) + 4 + 64);
    node.Bones.resize(nBones);
    for (SBoneRecord& bone : node.Bones) {
        bone.strName = ReadBlock();
        if (bInfluences) {
            const uint32_t nPairs = ReadCount(8);
            bone.Influences.resize(nPairs);
            for (auto& pair : bone.Influences) {
                pair.first = Read32();
                pair.second = Read32();
            }
        }
        bone.mOffset = ReadMatrixBlock();
    }
}

void CObjectReader::ReadSpline(SNodeRecord& node)
{
    node.strSplineBlock = ReadBlock();
    node.nSplineValue = Read32();
    const uint32_t nPoints = Read32();
    const uint32_t nBytes = ReadCount(1);
    if (nBytes != uint64_t(nPoints) * 12)
        Fail(FormatString("spline \"%s\" has %u bytes for %u points", node.strName.c_str(), nBytes, nPoints));
    node.Points.resize(nPoints);
    for (D3DXVECTOR3& vPoint : node.Points) {
        vPoint.x = ReadFloat();
        vPoint.y = ReadFloat();
        vPoint.z = ReadFloat();
    }
}

SAnimationSetRecord CObjectReader::ReadAnimationSet()
{
    SAnimationSetRecord set;
    set.strName = ReadBlock();
    // The smallest animation: an empty name and three key counts.
    const uint32_t nAnimations = ReadCount(4 * 4);
    set.Animations.resize(nAnimations);
    for (SAnimationRecord& animation : set.Animations) {
        animation.strTarget = ReadBlock();
        animation.Positions = ReadVectorKeys();
        animation.Rotations = ReadRotationKeys();
        animation.Scales = ReadVectorKeys();
    }
    return set;
}

std::vector<SVectorKey> CObjectReader::ReadVectorKeys()
{
    std::vector<SVectorKey> keys(ReadCount(16));
    for (SVectorKey& key : keys) {
        key.fTime = ReadFloat();
        key.vValue.x = ReadFloat();
        key.vValue.y = ReadFloat();
        key.vValue.z = ReadFloat();
    }
    return keys;
}

std::vector<SRotationKey> CObjectReader::ReadRotationKeys()
{
    std::vector<SRotationKey> keys(ReadCount(20));
    for (SRotationKey& key : keys) {
        key.fTime = ReadFloat();
        key.qValue.x = ReadFloat();
        key.qValue.y = ReadFloat();
        key.qValue.z = ReadFloat();
        key.qValue.w = ReadFloat();
    }
    return keys;
}

}  // namespace

SObjectFile ReadObjectFile(const uint8_t* pData, size_t nSize, const std::string& strName)
{
    CObjectReader reader(pData, pData ? nSize : 0, strName);
    return reader.ReadFile();
}

}  // namespace Vantile
