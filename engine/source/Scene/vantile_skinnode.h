// A mesh deformed by bone nodes: matrix i is bone i's offset times the bone
// node's world matrix, which effects upload as the bone palette.
#pragma once

#include <cstdint>
#include <utility>

#include "Scene/vantile_meshnode.h"

namespace Vantile {

class CSkinNode : public CMeshNode {
public:
    struct SBone {
        std::string strName;
        D3DXMATRIX mOffset;
        // The exporter's influence pairs, kept as read; nothing draws with them.
        std::vector<std::pair<uint32_t, uint32_t>> Influences;
    };

    CSkinNode(const std::string& strName, const D3DXMATRIX& mLocal, std::shared_ptr<CMesh> pMesh,
              std::vector<SBone> bones);

    size_t GetWorldMatrixCount() const override { return m_Bones.size(); }
    // A bone whose node was not found counts as the identity, so a model
    // with a misnamed bone draws misplaced rather than crashing.
    D3DXMATRIX GetWorldMatrix(size_t nIndex) const override;
    const D3DXMATRIX& UpdateWorldMatrix(const D3DXMATRIX& mParentWorld) override;
    int Enqueue() override;
    void Animate() override;
    void Render(int nSubset) override;
    CNode* Clone() const override;

    // Looks every bone name up below pRoot; returns how many were missing
    // (each is logged).
    size_t ResolveBones(const CNode& root);
    const std::vector<SBone>& GetBones() const { return m_Bones; }
    CNode* GetBoneNode(size_t nIndex) const { return nIndex < m_BoneNodes.size() ? m_BoneNodes[nIndex] : nullptr; }

private:
    std::vector<SBone> m_Bones;
    std::vector<CNode*> m_BoneNodes;
    bool m_bResolved = false;
    // The fog colour in effect when the node was animated; the sentinel
    // 0xFFFFFFFF leaves fog untouched.
    DWORD m_dwFogColor = 0xFFFFFFFF;
};

}  // namespace Vantile
