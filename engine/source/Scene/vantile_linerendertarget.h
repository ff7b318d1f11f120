// A coloured two-point line drawn in world space with "Diffuse.fx".
#pragma once

#include "Scene/vantile_material.h"
#include "Scene/vantile_node.h"

namespace Vantile {

class CLineRenderTarget : public CNode {
public:
    CLineRenderTarget(const D3DXVECTOR3& vFrom, D3DCOLOR dwFromColor, const D3DXVECTOR3& vTo, D3DCOLOR dwToColor);

    int Enqueue() override;
    void Render(int nSubset) override;
    const SMaterial* GetMaterial(size_t nIndex) const override { return nIndex == 0 ? &m_Material : nullptr; }
    CNode* Clone() const override;

private:
    struct SVertex {
        float x, y, z;
        D3DCOLOR dwColor;
    };
    SVertex m_aVertices[2];
    SMaterial m_Material;
};

}  // namespace Vantile
