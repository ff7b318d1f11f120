// Effect parameters the engine binds by name: matrices of the current
// camera and of the drawn item, frame times and the material's texture
// channels. Names are matched ignoring case.
#pragma once

#include <memory>
#include <string>

#include "Renderstages/vantile_renderitem.h"
#include "Resources/vantile_texture.h"

namespace Vantile {

// Where a bound parameter's value goes; the handle names the entry.
class IFxParameterCallback {
public:
    virtual ~IFxParameterCallback() = default;
    virtual void SetMatrix(unsigned nHandle, const D3DXMATRIX& mValue) = 0;
    virtual void SetFloat(unsigned nHandle, float fValue) = 0;
    virtual void SetTexture(unsigned nHandle, const TextureRef& texture) = 0;
};

class IFxParameter {
public:
    virtual ~IFxParameter() = default;
    virtual bool IsPerObject() const { return false; }
    // The item is empty (no target) for parameters applied once a Begin.
    virtual void Apply(IFxParameterCallback& callback, unsigned nHandle, const SRenderItem& item) const = 0;
};

// Null for a name the engine does not bind.
std::unique_ptr<IFxParameter> CreateFxParameter(const std::string& strName);

}  // namespace Vantile
