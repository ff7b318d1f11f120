// A loaded 3D object: the node tree of an ".object" file (or of the first
// file of an ".ani" pack) with its meshes and materials, and the animation
// sets applied to it. Users clone the root into their own trees; clones
// share meshes and tracks with the object.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Objects/vantile_objectformat.h"
#include "Scene/vantile_node.h"

namespace Vantile {

class CMeshNode;

class CObject {
public:
    typedef SAnimationRecord CAnimation;
    typedef SAnimationSetRecord CAnimationSet;

    // Loads the file; a missing file throws the resource manager's
    // exception, a damaged one Exception code 0.
    explicit CObject(const std::string& strFileName);
    ~CObject();
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    // An ".ani" name loads the pack; anything else one ".object" file.
    void Load(const std::string& strFileName);
    // The first file listed gives the nodes, every later one its animation.
    void LoadAniPack(const std::string& strFileName);
    // Adds the file's animation set to this object's nodes.
    void LoadAnimation(const std::string& strFileName);
    // Materials of every mesh node again from the library, as at load.
    void RebuildMaterials();

    // Names ending in ".ani", in any case.
    static bool IsAniPackName(const std::string& strFileName);

    const std::string& GetName() const { return m_strName; }
    CNode* GetRoot() const { return m_pRoot.get(); }
    const std::vector<SMaterialDef>& GetMaterialLibrary() const { return m_Materials; }
    const std::vector<CAnimationSet>& GetAnimationSets() const { return m_AnimationSets; }
    const CAnimationSet* FindAnimationSet(const std::string& strName) const;
    size_t GetMeshNodeCount() const { return m_MeshNodes.size(); }

private:
    struct SMeshNodeEntry {
        CMeshNode* pNode;
        std::vector<uint32_t> MaterialIds;  // one per subset
    };

    static SObjectFile ReadFile(const std::string& strFileName);
    CNode* BuildNode(const SNodeRecord& record);
    CNode* BuildTypedNode(const SNodeRecord& record);
    void BuildMaterials(const SMeshNodeEntry& entry) const;
    void ApplyAnimationSet(const CAnimationSet& set);

    std::string m_strName;
    std::unique_ptr<CNode> m_pRoot;
    std::vector<SMaterialDef> m_Materials;
    std::vector<SMeshNodeEntry> m_MeshNodes;
    std::vector<CAnimationSet> m_AnimationSets;
};

}  // namespace Vantile
