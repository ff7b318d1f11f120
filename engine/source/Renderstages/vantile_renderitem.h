// One queued draw: a drawable and the index of the material to draw it with.
#pragma once

#include <cstddef>

#include "Scene/vantile_material.h"
#include "Scene/vantile_node.h"

namespace Vantile {

struct SRenderItem {
    IRenderTarget* pTarget = nullptr;
    size_t nMaterial = 0;

    const SMaterial* GetMaterial() const { return pTarget ? pTarget->GetMaterial(nMaterial) : nullptr; }
    CFxEffect* GetEffect() const
    {
        const SMaterial* pMaterial = GetMaterial();
        return pMaterial ? pMaterial->pEffect : nullptr;
    }
};

}  // namespace Vantile
