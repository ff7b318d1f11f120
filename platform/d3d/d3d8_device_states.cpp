// Fixed-function state: stored exactly as set (every Get returns the last
// Set, so callers can save and restore), translated to GL only at draw time.
#include "d3d/d3d8_local.h"

#include <cstring>

namespace d3d8 {

namespace {

struct SStateDefault {
    D3DRENDERSTATETYPE m_eState;
    DWORD m_dwValue;
};

// Direct3D 8's documented start values; ZENABLE depends on the present
// parameters and is set apart.
const SStateDefault kRenderStateDefaults[] = {
    {D3DRS_FILLMODE, D3DFILL_SOLID},         {D3DRS_SHADEMODE, D3DSHADE_GOURAUD},
    {D3DRS_ZWRITEENABLE, TRUE},              {D3DRS_LASTPIXEL, TRUE},
    {D3DRS_SRCBLEND, D3DBLEND_ONE},          {D3DRS_DESTBLEND, D3DBLEND_ZERO},
    {D3DRS_CULLMODE, D3DCULL_CCW},           {D3DRS_ZFUNC, D3DCMP_LESSEQUAL},
    {D3DRS_ALPHAFUNC, D3DCMP_ALWAYS},        {D3DRS_FOGEND, 0x3f800000},
    {D3DRS_FOGDENSITY, 0x3f800000},          {D3DRS_STENCILFAIL, D3DSTENCILOP_KEEP},
    {D3DRS_STENCILZFAIL, D3DSTENCILOP_KEEP}, {D3DRS_STENCILPASS, D3DSTENCILOP_KEEP},
    {D3DRS_STENCILFUNC, D3DCMP_ALWAYS},      {D3DRS_STENCILMASK, 0xffffffff},
    {D3DRS_STENCILWRITEMASK, 0xffffffff},    {D3DRS_TEXTUREFACTOR, 0xffffffff},
    {D3DRS_CLIPPING, TRUE},                  {D3DRS_LIGHTING, TRUE},
    {D3DRS_COLORVERTEX, TRUE},               {D3DRS_LOCALVIEWER, TRUE},
    {D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_COLOR1},
    {D3DRS_SPECULARMATERIALSOURCE, D3DMCS_COLOR2},
    {D3DRS_POINTSIZE, 0x3f800000},           {D3DRS_POINTSIZE_MIN, 0x3f800000},
    {D3DRS_POINTSCALE_A, 0x3f800000},        {D3DRS_MULTISAMPLEANTIALIAS, TRUE},
    {D3DRS_MULTISAMPLEMASK, 0xffffffff},     {D3DRS_POINTSIZE_MAX, 0x42800000},
    {D3DRS_COLORWRITEENABLE, 0xf},           {D3DRS_BLENDOP, D3DBLENDOP_ADD},
};

GLenum BlendFactor(DWORD blend)
{
    switch (blend) {
    case D3DBLEND_ZERO: return GL_ZERO;
    case D3DBLEND_SRCCOLOR: return GL_SRC_COLOR;
    case D3DBLEND_INVSRCCOLOR: return GL_ONE_MINUS_SRC_COLOR;
    case D3DBLEND_SRCALPHA: return GL_SRC_ALPHA;
    case D3DBLEND_INVSRCALPHA: return GL_ONE_MINUS_SRC_ALPHA;
    case D3DBLEND_DESTALPHA: return GL_DST_ALPHA;
    case D3DBLEND_INVDESTALPHA: return GL_ONE_MINUS_DST_ALPHA;
    case D3DBLEND_DESTCOLOR: return GL_DST_COLOR;
    case D3DBLEND_INVDESTCOLOR: return GL_ONE_MINUS_DST_COLOR;
    case D3DBLEND_SRCALPHASAT: return GL_SRC_ALPHA_SATURATE;
    default: return GL_ONE;
    }
}

GLenum BlendEquation(DWORD op)
{
    switch (op) {
    case D3DBLENDOP_SUBTRACT: return GL_FUNC_SUBTRACT;
    case D3DBLENDOP_REVSUBTRACT: return GL_FUNC_REVERSE_SUBTRACT;
    case D3DBLENDOP_MIN: return GL_MIN;
    case D3DBLENDOP_MAX: return GL_MAX;
    default: return GL_FUNC_ADD;
    }
}

GLenum CompareFunc(DWORD func)
{
    // D3DCMP_NEVER .. ALWAYS run in the same order as GL_NEVER .. GL_ALWAYS.
    return (func >= D3DCMP_NEVER && func <= D3DCMP_ALWAYS) ? GL_NEVER + (func - 1) : GL_ALWAYS;
}

GLenum StencilOp(DWORD op)
{
    switch (op) {
    case D3DSTENCILOP_ZERO: return GL_ZERO;
    case D3DSTENCILOP_REPLACE: return GL_REPLACE;
    case D3DSTENCILOP_INCRSAT: return GL_INCR;
    case D3DSTENCILOP_DECRSAT: return GL_DECR;
    case D3DSTENCILOP_INVERT: return GL_INVERT;
    case D3DSTENCILOP_INCR: return GL_INCR_WRAP;
    case D3DSTENCILOP_DECR: return GL_DECR_WRAP;
    default: return GL_KEEP;
    }
}

GLenum AddressMode(DWORD mode)
{
    switch (mode) {
    case D3DTADDRESS_MIRROR: return GL_MIRRORED_REPEAT;
    case D3DTADDRESS_CLAMP: return GL_CLAMP_TO_EDGE;
    case D3DTADDRESS_BORDER: return GL_CLAMP_TO_BORDER;
    case D3DTADDRESS_MIRRORONCE: return GL_MIRRORED_REPEAT;
    default: return GL_REPEAT;
    }
}

GLenum MinFilter(DWORD min, DWORD mip)
{
    bool linear = min >= D3DTEXF_LINEAR;
    if (mip == D3DTEXF_NONE)
        return linear ? GL_LINEAR : GL_NEAREST;
    if (mip == D3DTEXF_POINT)
        return linear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
    return linear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
}

}  // namespace

D3DMATRIX IdentityMatrix()
{
    D3DMATRIX m = {};
    m._11 = m._22 = m._33 = m._44 = 1.0f;
    return m;
}

void CDevice::ResetStates()
{
    std::memset(m_RenderStates, 0, sizeof(m_RenderStates));
    for (const SStateDefault& entry : kRenderStateDefaults)
        m_RenderStates[entry.m_eState] = entry.m_dwValue;
    m_RenderStates[D3DRS_ZENABLE] = m_Params.EnableAutoDepthStencil ? D3DZB_TRUE : D3DZB_FALSE;

    std::memset(m_StageStates, 0, sizeof(m_StageStates));
    for (DWORD stage = 0; stage < 8; ++stage) {
        DWORD* s = m_StageStates[stage];
        s[D3DTSS_COLOROP] = stage == 0 ? D3DTOP_MODULATE : D3DTOP_DISABLE;
        s[D3DTSS_ALPHAOP] = stage == 0 ? D3DTOP_SELECTARG1 : D3DTOP_DISABLE;
        s[D3DTSS_COLORARG1] = s[D3DTSS_ALPHAARG1] = D3DTA_TEXTURE;
        s[D3DTSS_COLORARG2] = s[D3DTSS_ALPHAARG2] = D3DTA_CURRENT;
        s[D3DTSS_COLORARG0] = s[D3DTSS_ALPHAARG0] = s[D3DTSS_RESULTARG] = D3DTA_CURRENT;
        s[D3DTSS_TEXCOORDINDEX] = stage;
        s[D3DTSS_ADDRESSU] = s[D3DTSS_ADDRESSV] = s[D3DTSS_ADDRESSW] = D3DTADDRESS_WRAP;
        s[D3DTSS_MAGFILTER] = s[D3DTSS_MINFILTER] = D3DTEXF_POINT;
        s[D3DTSS_MIPFILTER] = D3DTEXF_NONE;
        s[D3DTSS_MAXANISOTROPY] = 1;
        m_pTextures[stage] = nullptr;
    }
    m_Transforms.clear();
    m_Material = D3DMATERIAL8{};
    m_Lights.clear();
    m_dwFvf = 0;
    for (SStream& stream : m_Streams)
        stream = SStream();
    m_pIndices = nullptr;
    m_nBaseVertex = 0;
    m_nBoundProgram = 0;
    const D3DSURFACE_DESC& target = m_pRenderTarget->Desc();
    m_Viewport = {0, 0, target.Width, target.Height, 0.0f, 1.0f};
}

// ---- Set / Get --------------------------------------------------------------------

HRESULT CDevice::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix)
{
    if (!matrix || state > D3DTS_WORLDMATRIX(255))
        return D3DERR_INVALIDCALL;
    m_Transforms[state] = *matrix;
    return D3D_OK;
}

HRESULT CDevice::GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix)
{
    if (!matrix || state > D3DTS_WORLDMATRIX(255))
        return D3DERR_INVALIDCALL;
    *matrix = TransformOf(state);
    return D3D_OK;
}

D3DMATRIX CDevice::TransformOf(D3DTRANSFORMSTATETYPE state) const
{
    auto found = m_Transforms.find(state);
    return found != m_Transforms.end() ? found->second : IdentityMatrix();
}

HRESULT CDevice::SetViewport(const D3DVIEWPORT8* viewport)
{
    if (!viewport)
        return D3DERR_INVALIDCALL;
    const D3DSURFACE_DESC& target = m_pRenderTarget->Desc();
    if (viewport->X + viewport->Width > target.Width ||
        viewport->Y + viewport->Height > target.Height)
        return D3DERR_INVALIDCALL;
    m_Viewport = *viewport;
    return D3D_OK;
}

HRESULT CDevice::GetViewport(D3DVIEWPORT8* viewport)
{
    if (!viewport)
        return D3DERR_INVALIDCALL;
    *viewport = m_Viewport;
    return D3D_OK;
}

HRESULT CDevice::SetMaterial(const D3DMATERIAL8* material)
{
    if (!material)
        return D3DERR_INVALIDCALL;
    m_Material = *material;
    return D3D_OK;
}

HRESULT CDevice::GetMaterial(D3DMATERIAL8* material)
{
    if (!material)
        return D3DERR_INVALIDCALL;
    *material = m_Material;
    return D3D_OK;
}

HRESULT CDevice::SetLight(DWORD index, const D3DLIGHT8* light)
{
    if (!light || light->Type < D3DLIGHT_POINT || light->Type > D3DLIGHT_DIRECTIONAL)
        return D3DERR_INVALIDCALL;
    m_Lights[index].m_Light = *light;
    return D3D_OK;
}

HRESULT CDevice::GetLight(DWORD index, D3DLIGHT8* light)
{
    auto found = m_Lights.find(index);
    if (!light || found == m_Lights.end())
        return D3DERR_INVALIDCALL;
    *light = found->second.m_Light;
    return D3D_OK;
}

HRESULT CDevice::LightEnable(DWORD index, BOOL enable)
{
    auto found = m_Lights.find(index);
    if (found == m_Lights.end()) {
        // Direct3D enables a light never set as a white directional light
        // shining along +z.
        D3DLIGHT8 light = {};
        light.Type = D3DLIGHT_DIRECTIONAL;
        light.Diffuse = {1.0f, 1.0f, 1.0f, 0.0f};
        light.Direction = {0.0f, 0.0f, 1.0f};
        found = m_Lights.emplace(index, SLight{light, false}).first;
    }
    found->second.m_bEnabled = enable != FALSE;
    return D3D_OK;
}

HRESULT CDevice::GetLightEnable(DWORD index, BOOL* enable)
{
    auto found = m_Lights.find(index);
    if (!enable || found == m_Lights.end())
        return D3DERR_INVALIDCALL;
    *enable = found->second.m_bEnabled ? TRUE : FALSE;
    return D3D_OK;
}

HRESULT CDevice::SetRenderState(D3DRENDERSTATETYPE state, DWORD value)
{
    if (state >= 256)
        return D3DERR_INVALIDCALL;
    m_RenderStates[state] = value;
    return D3D_OK;
}

HRESULT CDevice::GetRenderState(D3DRENDERSTATETYPE state, DWORD* value)
{
    if (state >= 256 || !value)
        return D3DERR_INVALIDCALL;
    *value = m_RenderStates[state];
    return D3D_OK;
}

HRESULT CDevice::SetTexture(DWORD stage, IDirect3DBaseTexture8* texture)
{
    if (stage >= 8)
        return D3DERR_INVALIDCALL;
    m_pTextures[stage] = static_cast<CTexture*>(texture);
    return D3D_OK;
}

HRESULT CDevice::GetTexture(DWORD stage, IDirect3DBaseTexture8** texture)
{
    if (stage >= 8 || !texture)
        return D3DERR_INVALIDCALL;
    *texture = m_pTextures[stage];
    if (*texture)
        (*texture)->AddRef();
    return D3D_OK;
}

HRESULT CDevice::SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value)
{
    if (stage >= 8 || type >= 32)
        return D3DERR_INVALIDCALL;
    m_StageStates[stage][type] = value;
    return D3D_OK;
}

HRESULT CDevice::GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value)
{
    if (stage >= 8 || type >= 32 || !value)
        return D3DERR_INVALIDCALL;
    *value = m_StageStates[stage][type];
    return D3D_OK;
}

// ---- translation to GL -------------------------------------------------------------

void CDevice::ApplyPipelineStates()
{
    const DWORD* rs = m_RenderStates;
    if (rs[D3DRS_ALPHABLENDENABLE]) {
        glEnable(GL_BLEND);
        DWORD src = rs[D3DRS_SRCBLEND], dest = rs[D3DRS_DESTBLEND];
        if (src == D3DBLEND_BOTHSRCALPHA || src == D3DBLEND_BOTHINVSRCALPHA) {
            bool inverse = src == D3DBLEND_BOTHINVSRCALPHA;
            src = inverse ? D3DBLEND_INVSRCALPHA : D3DBLEND_SRCALPHA;
            dest = inverse ? D3DBLEND_SRCALPHA : D3DBLEND_INVSRCALPHA;
        }
        glBlendFunc(BlendFactor(src), BlendFactor(dest));
        glBlendEquation(BlendEquation(rs[D3DRS_BLENDOP]));
    } else {
        glDisable(GL_BLEND);
    }

    bool depth = rs[D3DRS_ZENABLE] != D3DZB_FALSE && m_pDepthStencil;
    depth ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
    glDepthFunc(CompareFunc(rs[D3DRS_ZFUNC]));
    glDepthMask(rs[D3DRS_ZWRITEENABLE] ? GL_TRUE : GL_FALSE);

    bool stencil = rs[D3DRS_STENCILENABLE] && m_pDepthStencil;
    stencil ? glEnable(GL_STENCIL_TEST) : glDisable(GL_STENCIL_TEST);
    glStencilFunc(CompareFunc(rs[D3DRS_STENCILFUNC]), (GLint)rs[D3DRS_STENCILREF],
                  rs[D3DRS_STENCILMASK]);
    glStencilOp(StencilOp(rs[D3DRS_STENCILFAIL]), StencilOp(rs[D3DRS_STENCILZFAIL]),
                StencilOp(rs[D3DRS_STENCILPASS]));
    glStencilMask(rs[D3DRS_STENCILWRITEMASK]);

    // Our targets keep Direct3D's screen orientation, so a triangle that is
    // clockwise on a Direct3D screen is counter-clockwise for GL.
    glFrontFace(GL_CCW);
    if (rs[D3DRS_CULLMODE] == D3DCULL_NONE) {
        glDisable(GL_CULL_FACE);
    } else {
        glEnable(GL_CULL_FACE);
        glCullFace(rs[D3DRS_CULLMODE] == D3DCULL_CW ? GL_FRONT : GL_BACK);
    }
    DWORD fill = rs[D3DRS_FILLMODE];
    glPolygonMode(GL_FRONT_AND_BACK,
                  fill == D3DFILL_POINT ? GL_POINT : fill == D3DFILL_WIREFRAME ? GL_LINE : GL_FILL);
    DWORD mask = rs[D3DRS_COLORWRITEENABLE];
    glColorMask((mask & D3DCOLORWRITEENABLE_RED) != 0, (mask & D3DCOLORWRITEENABLE_GREEN) != 0,
                (mask & D3DCOLORWRITEENABLE_BLUE) != 0, (mask & D3DCOLORWRITEENABLE_ALPHA) != 0);
    if (rs[D3DRS_ZBIAS]) {
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(0.0f, -(float)rs[D3DRS_ZBIAS]);
    } else {
        glDisable(GL_POLYGON_OFFSET_FILL);
    }
    ApplyViewport();
}

void CDevice::ApplySamplers()
{
    for (GLuint unit = 0; unit < 8; ++unit) {
        const DWORD* s = m_StageStates[unit];
        GLuint sampler = m_Samplers[unit];
        glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER,
                            MinFilter(s[D3DTSS_MINFILTER], s[D3DTSS_MIPFILTER]));
        glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER,
                            s[D3DTSS_MAGFILTER] >= D3DTEXF_LINEAR ? GL_LINEAR : GL_NEAREST);
        glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, AddressMode(s[D3DTSS_ADDRESSU]));
        glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, AddressMode(s[D3DTSS_ADDRESSV]));
        float border[4];
        ColorToFloats(s[D3DTSS_BORDERCOLOR], border);
        glSamplerParameterfv(sampler, GL_TEXTURE_BORDER_COLOR, border);
        glActiveTexture(GL_TEXTURE0 + unit);
        glBindTexture(GL_TEXTURE_2D, m_pTextures[unit] ? m_pTextures[unit]->Name() : 0);
        glBindSampler(unit, sampler);
    }
    glActiveTexture(GL_TEXTURE0);
}

}  // namespace d3d8
