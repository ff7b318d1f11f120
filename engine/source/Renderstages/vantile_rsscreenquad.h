// The last stage of a frame: the whole window covered by one texture (the
// off-screen frame) through an effect.
#pragma once

#include "Renderstages/vantile_renderstage.h"
#include "Scene/vantile_material.h"
#include "Scene/vantile_node.h"

namespace Vantile {

class CRSScreenQuad : public IRenderStage, public CNode {
public:
    CRSScreenQuad(CFxEffect* pEffect, const TextureRef& texture);

    // IRenderStage: the effect's Begin, Render of this quad, End.
    void Render() override;
    // CNode: draws the quad.
    void Render(int nSubset) override;
    const SMaterial* GetMaterial(size_t nIndex) const override { return &m_Material; }

private:
    SMaterial m_Material;
};

}  // namespace Vantile
