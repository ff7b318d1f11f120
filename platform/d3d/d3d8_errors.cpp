// Names and descriptions of result codes, for log lines and exception texts.
#include "d3d/d3dx8.h"

#include <cstdio>
#include <cstring>

namespace {

struct SErrorText {
    HRESULT m_hr;
    const char* m_pName;
    const char* m_pDescription;
};

const SErrorText kErrors[] = {
    {D3D_OK, "D3D_OK", "No error occurred."},
    {E_FAIL, "E_FAIL", "An undetermined error occurred."},
    {E_OUTOFMEMORY, "E_OUTOFMEMORY", "Ran out of memory."},
    {E_INVALIDARG, "E_INVALIDARG", "An invalid parameter was passed to the returning function."},
    {E_NOTIMPL, "E_NOTIMPL", "The function called is not supported at this time."},
    {D3DERR_WRONGTEXTUREFORMAT, "D3DERR_WRONGTEXTUREFORMAT",
     "The pixel format of the texture surface is not valid."},
    {D3DERR_UNSUPPORTEDCOLOROPERATION, "D3DERR_UNSUPPORTEDCOLOROPERATION",
     "The device does not support a specified texture-blending operation for color values."},
    {D3DERR_UNSUPPORTEDCOLORARG, "D3DERR_UNSUPPORTEDCOLORARG",
     "The device does not support a specified texture-blending argument for color values."},
    {D3DERR_UNSUPPORTEDALPHAOPERATION, "D3DERR_UNSUPPORTEDALPHAOPERATION",
     "The device does not support a specified texture-blending operation for the alpha channel."},
    {D3DERR_UNSUPPORTEDALPHAARG, "D3DERR_UNSUPPORTEDALPHAARG",
     "The device does not support a specified texture-blending argument for the alpha channel."},
    {D3DERR_TOOMANYOPERATIONS, "D3DERR_TOOMANYOPERATIONS",
     "The application is requesting more texture-filtering operations than the device supports."},
    {D3DERR_CONFLICTINGTEXTUREFILTER, "D3DERR_CONFLICTINGTEXTUREFILTER",
     "The current texture filters cannot be used together."},
    {D3DERR_UNSUPPORTEDFACTORVALUE, "D3DERR_UNSUPPORTEDFACTORVALUE",
     "The device does not support the specified texture factor value."},
    {D3DERR_CONFLICTINGRENDERSTATE, "D3DERR_CONFLICTINGRENDERSTATE",
     "The currently set render states cannot be used together."},
    {D3DERR_UNSUPPORTEDTEXTUREFILTER, "D3DERR_UNSUPPORTEDTEXTUREFILTER",
     "The device does not support the specified texture filter."},
    {D3DERR_CONFLICTINGTEXTUREPALETTE, "D3DERR_CONFLICTINGTEXTUREPALETTE",
     "The current textures cannot be used simultaneously."},
    {D3DERR_DRIVERINTERNALERROR, "D3DERR_DRIVERINTERNALERROR",
     "Internal driver error."},
    {D3DERR_NOTFOUND, "D3DERR_NOTFOUND", "The requested item was not found."},
    {D3DERR_MOREDATA, "D3DERR_MOREDATA",
     "There is more data available than the specified buffer size can hold."},
    {D3DERR_DEVICELOST, "D3DERR_DEVICELOST",
     "The device has been lost but cannot be reset at this time."},
    {D3DERR_DEVICENOTRESET, "D3DERR_DEVICENOTRESET",
     "The device has been lost but can be reset at this time."},
    {D3DERR_NOTAVAILABLE, "D3DERR_NOTAVAILABLE",
     "This device does not support the queried technique."},
    {D3DERR_OUTOFVIDEOMEMORY, "D3DERR_OUTOFVIDEOMEMORY",
     "Direct3D does not have enough display memory to perform the operation."},
    {D3DERR_INVALIDDEVICE, "D3DERR_INVALIDDEVICE", "The requested device type is not valid."},
    {D3DERR_INVALIDCALL, "D3DERR_INVALIDCALL",
     "The method call is invalid. For example, a method's parameter may have an invalid value."},
    {D3DERR_DRIVERINVALIDCALL, "D3DERR_DRIVERINVALIDCALL", "Not used."},
    {D3DXERR_CANNOTMODIFYINDEXBUFFER, "D3DXERR_CANNOTMODIFYINDEXBUFFER",
     "The index buffer cannot be modified."},
    {D3DXERR_INVALIDMESH, "D3DXERR_INVALIDMESH", "The mesh is invalid."},
    {D3DXERR_CANNOTATTRSORT, "D3DXERR_CANNOTATTRSORT",
     "Attribute sort is not supported as an optimization technique."},
    {D3DXERR_SKINNINGNOTSUPPORTED, "D3DXERR_SKINNINGNOTSUPPORTED",
     "Skinning is not supported."},
    {D3DXERR_TOOMANYINFLUENCES, "D3DXERR_TOOMANYINFLUENCES", "Too many influences specified."},
    {D3DXERR_INVALIDDATA, "D3DXERR_INVALIDDATA", "The data is invalid."},
    {D3DXERR_LOADEDMESHHASNODATA, "D3DXERR_LOADEDMESHHASNODATA",
     "The mesh has no data."},
};

const SErrorText* Find(HRESULT hr)
{
    for (const SErrorText& entry : kErrors) {
        if (entry.m_hr == hr)
            return &entry;
    }
    return nullptr;
}

// Unknown codes are named by value; one buffer per thread keeps the
// returned pointer valid until the next unknown code on that thread.
const char* Unknown(HRESULT hr)
{
    thread_local char text[32];
    std::snprintf(text, sizeof(text), "Unknown error 0x%08X", (unsigned)hr);
    return text;
}

}  // namespace

const char* DXGetErrorString8A(HRESULT hr)
{
    const SErrorText* entry = Find(hr);
    return entry ? entry->m_pName : Unknown(hr);
}

const char* DXGetErrorDescription8A(HRESULT hr)
{
    const SErrorText* entry = Find(hr);
    return entry ? entry->m_pDescription : Unknown(hr);
}

HRESULT D3DXGetErrorStringA(HRESULT hr, char* buffer, UINT bufferLength)
{
    if (!buffer || bufferLength == 0)
        return D3DERR_INVALIDCALL;
    std::snprintf(buffer, bufferLength, "%s", DXGetErrorDescription8A(hr));
    return D3D_OK;
}
