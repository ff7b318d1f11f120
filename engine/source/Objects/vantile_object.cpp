#include "Objects/vantile_object.h"

#include <strings.h>

#include "Core/vantile_exception.h"
#include "Resources/vantile_resource.h"
#include "Resources/vantile_texturemanager.h"
#include "Scene/vantile_device.h"
#include "Scene/vantile_meshnode.h"
#include "Scene/vantile_nodeanimator.h"
#include "Scene/vantile_skinnode.h"
#include "Scene/vantile_splinenode.h"

namespace Vantile {

namespace {

void ToColor(uint32_t dwArgb, float* pafColor)
{
    pafColor[0] = float((dwArgb >> 16) & 0xFF) / 255.0f;
    pafColor[1] = float((dwArgb >> 8) & 0xFF) / 255.0f;
    pafColor[2] = float(dwArgb & 0xFF) / 255.0f;
    pafColor[3] = float(dwArgb >> 24) / 255.0f;
}

std::shared_ptr<CMesh> BuildMesh(const SNodeRecord& record)
{
    std::vector<CMesh::SSubset> subsets;
    for (const SSubsetRecord& subset : record.Subsets)
        subsets.push_back({subset.nFirstTriangle, subset.nTriangleCount});
    return std::make_shared<CMesh>(record.dwFVF, record.Vertices, record.Indices, std::move(subsets));
}

std::vector<CSkinNode::SBone> BuildBones(const SNodeRecord& record)
{
    std::vector<CSkinNode::SBone> bones;
    for (const SBoneRecord& bone : record.Bones)
        bones.push_back({bone.strName, bone.mOffset, bone.Influences});
    return bones;
}

}  // namespace

bool CObject::IsAniPackName(const std::string& strFileName)
{
    return strFileName.size() >= 4 && strcasecmp(strFileName.c_str() + strFileName.size() - 4, ".ani") == 0;
}

CObject::CObject(const std::string& strFileName) : m_strName(strFileName)
{
    Load(strFileName);
}

CObject::~CObject() = default;

SObjectFile CObject::ReadFile(const std::string& strFileName)
{
    CResource file(strFileName);
    file.Load();
    SObjectFile result = ReadObjectFile(file.GetData(), file.GetSize(), strFileName);
    file.Unload();
    return result;
}

void CObject::Load(const std::string& strFileName)
{
    if (IsAniPackName(strFileName)) {
        LoadAniPack(strFileName);
        return;
    }
    SObjectFile file = ReadFile(strFileName);
    m_Materials = std::move(file.Materials);
    m_MeshNodes.clear();
    m_pRoot.reset(BuildNode(file.Root));
    ApplyAnimationSet(file.AnimationSet);
    m_AnimationSets.push_back(std::move(file.AnimationSet));
}

void CObject::LoadAnimation(const std::string& strFileName)
{
    // The file's own nodes and materials are read only to reach its
    // animation set.
    SObjectFile file = ReadFile(strFileName);
    if (m_pRoot)
        ApplyAnimationSet(file.AnimationSet);
    m_AnimationSets.push_back(std::move(file.AnimationSet));
}

CNode* CObject::BuildNode(const SNodeRecord& record)
{
    std::unique_ptr<CNode> pNode(BuildTypedNode(record));
    for (const SNodeRecord& child : record.Children)
        pNode->AddChild(BuildNode(child));
    return pNode.release();
}

CNode* CObject::BuildTypedNode(const SNodeRecord& record)
{
    CMeshNode* pMeshNode = nullptr;
    switch (record.nType) {
    case OBJECT_NODE_MESH: pMeshNode = new CMeshNode(record.strName, record.mLocal, BuildMesh(record)); break;
    case OBJECT_NODE_SKIN_INFLUENCES:
    case OBJECT_NODE_SKIN:
        pMeshNode = new CSkinNode(record.strName, record.mLocal, BuildMesh(record), BuildBones(record));
        break;
    case OBJECT_NODE_SPLINE: return new CSplineNode(record.strName, record.mLocal, record.Points);
    default: return new CNode(record.strName, record.mLocal);
    }
    SMeshNodeEntry entry{pMeshNode, {}};
    for (const SSubsetRecord& subset : record.Subsets)
        entry.MaterialIds.push_back(subset.nMaterialId);
    BuildMaterials(entry);
    m_MeshNodes.push_back(std::move(entry));
    return pMeshNode;
}

// A subset whose id matches no definition gets an empty material and is
// never drawn.
void CObject::BuildMaterials(const SMeshNodeEntry& entry) const
{
    std::vector<SMaterial>& materials = entry.pNode->GetMaterials();
    materials.assign(entry.MaterialIds.size(), SMaterial());
    for (size_t i = 0; i < entry.MaterialIds.size(); ++i) {
        for (const SMaterialDef& def : m_Materials) {
            if (def.nId != entry.MaterialIds[i])
                continue;
            SMaterial& material = materials[i];
            material.pEffect = SceneEffect(def.strEffect);
            ToColor(def.dwColorA, material.afColorA);
            ToColor(def.dwColorB, material.afColorB);
            for (int nChannel = 0; nChannel < 3; ++nChannel) {
                if (!def.astrTextures[nChannel].empty())
                    material.aTextures[nChannel] = CTextureManager::Instance().GetTexture(def.astrTextures[nChannel]);
            }
            material.nId = def.nId;
            break;
        }
    }
}

void CObject::RebuildMaterials()
{
    for (const SMeshNodeEntry& entry : m_MeshNodes)
        BuildMaterials(entry);
}

void CObject::ApplyAnimationSet(const CAnimationSet& set)
{
    for (const CAnimation& animation : set.Animations) {
        CNode* pTarget = strcasecmp(animation.strTarget.c_str(), m_pRoot->GetName().c_str()) == 0
                             ? m_pRoot.get()
                             : m_pRoot->FindChild(animation.strTarget);
        if (!pTarget)
            continue;
        pTarget->GetOrCreateAnimator().AddTrack(
            set.strName, std::make_shared<CAnimationTrack>(set.strName, animation.Positions, animation.Rotations,
                                                           animation.Scales));
    }
}

const CObject::CAnimationSet* CObject::FindAnimationSet(const std::string& strName) const
{
    for (const CAnimationSet& set : m_AnimationSets) {
        if (set.strName == strName)
            return &set;
    }
    return nullptr;
}

}  // namespace Vantile
