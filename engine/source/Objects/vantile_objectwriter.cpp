#include <cstring>

#include "Objects/vantile_objectformat.h"

namespace Vantile {

namespace {

class CObjectWriter {
public:
    std::string Write(const SObjectFile& file);

private:
    void Put32(uint32_t nValue);
    void PutFloat(float fValue);
    void PutBlock(const void* pData, size_t nBytes);
    void PutString(const std::string& str) { PutBlock(str.data(), str.size()); }
    void PutMatrix(const D3DXMATRIX& m);
    void PutMaterial(const SMaterialDef& material);
    void PutNode(const SNodeRecord& node);
    void PutMesh(const SNodeRecord& node);
    void PutSkin(const SNodeRecord& node);
    void PutSpline(const SNodeRecord& node);
    void PutVectorKeys(const std::vector<SVectorKey>& keys);
    void PutRotationKeys(const std::vector<SRotationKey>& keys);

    std::string m_strOut;
};

void CObjectWriter::Put32(uint32_t nValue)
{
    const char ac[4] = {char(nValue), char(nValue >> 8), char(nValue >> 16), char(nValue >> 24)};
    m_strOut.append(ac, 4);
}

void CObjectWriter::PutFloat(float fValue)
{
    uint32_t nBits;
    memcpy(&nBits, &fValue, 4);
    Put32(nBits);
}

void CObjectWriter::PutBlock(const void* pData, size_t nBytes)
{
    Put32(uint32_t(nBytes));
    m_strOut.append(static_cast<const char*>(pData), nBytes);
}

void CObjectWriter::PutMatrix(const D3DXMATRIX& m)
{
    Put32(64);
    for (int i = 0; i < 16; ++i)
        PutFloat((&m._11)[i]);
}

std::string CObjectWriter::Write(const SObjectFile& file)
{
    PutString(file.strHeader);
    Put32(uint32_t(file.Materials.size()));
    for (const SMaterialDef& material : file.Materials)
        PutMaterial(material);
    PutNode(file.Root);
    PutString(file.AnimationSet.strName);
    Put32(uint32_t(file.AnimationSet.Animations.size()));
    for (const SAnimationRecord& animation : file.AnimationSet.Animations) {
        PutString(animation.strTarget);
        PutVectorKeys(animation.Positions);
        PutRotationKeys(animation.Rotations);
        PutVectorKeys(animation.Scales);
    }
    return m_strOut;
}

void CObjectWriter::PutMaterial(const SMaterialDef& material)
{
    Put32(material.nId);
    PutString(material.strEffect);
    for (const std::string& strTexture : material.astrTextures)
        PutString(strTexture);
    Put32(material.dwColorA);
    Put32(material.dwColorB);
}

void CObjectWriter::PutNode(const SNodeRecord& node)
{
    PutString(node.strName);
    PutMatrix(node.mLocal);
    Put32(node.nType);
    if (node.nType == OBJECT_NODE_MESH || node.nType == OBJECT_NODE_SKIN_INFLUENCES || node.nType == OBJECT_NODE_SKIN)
        PutMesh(node);
    if (node.nType == OBJECT_NODE_SKIN_INFLUENCES || node.nType == OBJECT_NODE_SKIN)
        PutSkin(node);
    if (node.nType == OBJECT_NODE_SPLINE)
        PutSpline(node);
    Put32(uint32_t(node.Children.size()));
    for (const SNodeRecord& child : node.Children)
        PutNode(child);
}

void CObjectWriter::PutMesh(const SNodeRecord& node)
{
    PutString(node.strMeshBlock);
    Put32(node.dwFVF);
    Put32(node.nMeshValue);
    PutBlock(node.Vertices.data(), node.Vertices.size());
    Put32(uint32_t(node.Indices.size()));
    Put32(uint32_t(node.Indices.size() * (node.bWideIndices ? 4 : 2)));
    for (uint16_t nIndex : node.Indices) {
        if (node.bWideIndices) {
            Put32(nIndex);
        } else {
            const char ac[2] = {char(nIndex), char(nIndex >> 8)};
            m_strOut.append(ac, 2);
        }
    }
    Put32(uint32_t(node.Subsets.size()));
    for (const SSubsetRecord& subset : node.Subsets) {
        Put32(subset.nMaterialId);
        Put32(subset.nFirstTriangle);
        Put32(subset.nTriangleCount);
    }
}

void CObjectWriter::PutSkin(const SNodeRecord& node)
{
    const bool bInfluences = node.nType == OBJECT_NODE_SKIN_INFLUENCES;
    if (bInfluences) {
        for (uint32_t nValue : node.anSkinValues)
            Put32(nValue);
    }
    Put32(uint32_t(node.Bones.size()));
    for (const SBoneRecord& bone : node.Bones) {
        PutString(bone.strName);
        if (bInfluences) {
            Put32(uint32_t(bone.Influences.size()));
            for (const auto& pair : bone.Influences) {
                Put32(pair.first);
                Put32(pair.second);
            }
        }
        PutMatrix(bone.mOffset);
    }
}

void CObjectWriter::PutSpline(const SNodeRecord& node)
{
    PutString(node.strSplineBlock);
    Put32(node.nSplineValue);
    Put32(uint32_t(node.Points.size()));
    Put32(uint32_t(node.Points.size() * 12));
    for (const D3DXVECTOR3& vPoint : node.Points) {
        PutFloat(vPoint.x);
        PutFloat(vPoint.y);
        PutFloat(vPoint.z);
    }
}

void CObjectWriter::PutVectorKeys(const std::vector<SVectorKey>& keys)
{
    Put32(uint32_t(keys.size()));
    for (const SVectorKey& key : keys) {
        PutFloat(key.fTime);
        PutFloat(key.vValue.x);
        PutFloat(key.vValue.y);
        PutFloat(key.vValue.z);
    }
}

void CObjectWriter::PutRotationKeys(const std::vector<SRotationKey>& keys)
{
    Put32(uint32_t(keys.size()));
    for (const SRotationKey& key : keys) {
        PutFloat(key.fTime);
        PutFloat(key.qValue.x);
        PutFloat(key.qValue.y);
        PutFloat(key.qValue.z);
        PutFloat(key.qValue.w);
    }
}

}  // namespace

std::string WriteObjectFile(const SObjectFile& file)
{
    CObjectWriter writer;
    return writer.Write(file);
}

}  // namespace Vantile
