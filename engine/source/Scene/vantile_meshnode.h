// A node that draws a shared mesh, one material per mesh subset.
#pragma once

#include <memory>
#include <vector>

#include "Scene/vantile_material.h"
#include "Scene/vantile_mesh.h"
#include "Scene/vantile_node.h"

namespace Vantile {

class CMeshNode : public CNode {
public:
    CMeshNode(const std::string& strName, const D3DXMATRIX& mLocal, std::shared_ptr<CMesh> pMesh);

    void Render(int nSubset) override;
    const SMaterial* GetMaterial(size_t nIndex) const override;
    // Queues one item per material that has an effect, in material order.
    int Enqueue() override;
    // Also moves every material's texture clocks on by the frame time.
    void Animate() override;
    CNode* Clone() const override;
    virtual bool IsVisible() const { return true; }

    const std::shared_ptr<CMesh>& GetMesh() const { return m_pMesh; }
    std::vector<SMaterial>& GetMaterials() { return m_Materials; }
    const std::vector<SMaterial>& GetMaterials() const { return m_Materials; }

protected:
    // The mesh part of a deep copy: materials, then the node part.
    void CopyMeshInto(CMeshNode& target) const;

    std::shared_ptr<CMesh> m_pMesh;
    std::vector<SMaterial> m_Materials;
};

}  // namespace Vantile
