// The built-in program that stands in for Direct3D 8's fixed-function
// pipeline, and the uniforms that feed it the device state.
//
// Covered: transformed and pre-transformed vertices; lighting by up to 8
// directional or point lights (spot lights light as point lights, no
// specular highlights) with ambient, emissive and the material colour
// sources; two texture stages with the common operations and arguments;
// specular add, alpha test and fog (linear, exp, exp2, or the vertex's
// specular alpha when no fog mode is set).
#include "d3d/d3d8_local.h"

#include <cstring>

namespace d3d8 {

namespace {

const char kVertexBody[] = R"(
uniform int u_HasDiffuse;
uniform int u_HasSpecular;
uniform int u_HasNormal;
uniform int u_Lighting;
uniform vec4 u_MatDiffuse;
uniform vec4 u_MatAmbient;
uniform vec4 u_MatEmissive;
uniform vec4 u_Ambient;
uniform int u_DiffuseSource;
uniform int u_AmbientSource;
uniform int u_EmissiveSource;
uniform int u_LightCount;
uniform int u_LightType[8];
uniform vec3 u_LightDir[8];
uniform vec3 u_LightPos[8];
uniform vec4 u_LightDiffuse[8];
uniform vec4 u_LightAmbient[8];
uniform vec4 u_LightAtten[8];
uniform int u_TexCoordIndex[2];

out vec4 v_Diffuse;
out vec4 v_Specular;
out vec2 v_TexCoord0;
out vec2 v_TexCoord1;
out float v_ViewDepth;

vec4 MaterialSource(int source, vec4 material)
{
    if (source == 1 && u_HasDiffuse != 0) return a_Diffuse;
    if (source == 2 && u_HasSpecular != 0) return a_Specular;
    return material;
}

vec4 Lit(vec3 worldPos)
{
    vec3 n = u_HasNormal != 0 ? normalize(mat3(u_World) * a_Normal) : vec3(0.0);
    vec3 ambient = u_Ambient.rgb;
    vec3 diffuse = vec3(0.0);
    for (int i = 0; i < u_LightCount; ++i) {
        vec3 l = -u_LightDir[i];
        float attenuation = 1.0;
        if (u_LightType[i] != 3) {
            vec3 d = u_LightPos[i] - worldPos;
            float dist = length(d);
            l = d / max(dist, 1e-6);
            float denominator = u_LightAtten[i].x + u_LightAtten[i].y * dist +
                                u_LightAtten[i].z * dist * dist;
            attenuation = dist > u_LightAtten[i].w ? 0.0
                        : (denominator > 0.0 ? 1.0 / denominator : 1.0);
        }
        ambient += u_LightAmbient[i].rgb * attenuation;
        diffuse += u_LightDiffuse[i].rgb * max(dot(n, normalize(l)), 0.0) * attenuation;
    }
    vec4 md = MaterialSource(u_DiffuseSource, u_MatDiffuse);
    vec4 ma = MaterialSource(u_AmbientSource, u_MatAmbient);
    vec4 me = MaterialSource(u_EmissiveSource, u_MatEmissive);
    return clamp(vec4(me.rgb + ma.rgb * ambient + md.rgb * diffuse, md.a), 0.0, 1.0);
}

vec2 TexCoord(int index)
{
    return index == 1 ? a_TexCoord1.xy : a_TexCoord0.xy;
}

void main()
{
    gl_Position = d3d_TransformPosition(a_Position);
    v_Diffuse = u_HasDiffuse != 0 ? a_Diffuse : vec4(1.0);
    // Without a specular colour the fog value is "no fog".
    v_Specular = u_HasSpecular != 0 ? a_Specular : vec4(0.0, 0.0, 0.0, 1.0);
    if (u_PreTransformed != 0) {
        v_ViewDepth = gl_Position.w;
    } else {
        vec4 world = u_World * vec4(a_Position.xyz, 1.0);
        v_ViewDepth = (u_View * world).z;
        if (u_Lighting != 0) {
            v_Diffuse = Lit(world.xyz);
            v_Specular.rgb = vec3(0.0);
        }
    }
    v_TexCoord0 = TexCoord(u_TexCoordIndex[0]);
    v_TexCoord1 = TexCoord(u_TexCoordIndex[1]);
}
)";

const char kFragmentBody[] = R"(
uniform int u_ColorOp[2];
uniform int u_ColorArg1[2];
uniform int u_ColorArg2[2];
uniform int u_AlphaOp[2];
uniform int u_AlphaArg1[2];
uniform int u_AlphaArg2[2];
uniform int u_SpecularEnable;

in vec4 v_Diffuse;
in vec4 v_Specular;
in vec2 v_TexCoord0;
in vec2 v_TexCoord1;
in float v_ViewDepth;

vec4 Argument(int arg, vec4 current, vec4 tex)
{
    int select = arg & 15;
    vec4 v = current;
    if (select == 0) v = v_Diffuse;
    else if (select == 2) v = tex;
    else if (select == 3) v = u_TextureFactor;
    else if (select == 4) v = v_Specular;
    if ((arg & 16) != 0) v = vec4(1.0) - v;
    if ((arg & 32) != 0) v = vec4(v.a);
    return v;
}

vec4 Combine(int op, vec4 a1, vec4 a2, vec4 current, vec4 tex)
{
    if (op == 2) return a1;
    if (op == 3) return a2;
    if (op == 4) return a1 * a2;
    if (op == 5) return clamp(a1 * a2 * 2.0, 0.0, 1.0);
    if (op == 6) return clamp(a1 * a2 * 4.0, 0.0, 1.0);
    if (op == 7) return clamp(a1 + a2, 0.0, 1.0);
    if (op == 8) return clamp(a1 + a2 - 0.5, 0.0, 1.0);
    if (op == 9) return clamp((a1 + a2 - 0.5) * 2.0, 0.0, 1.0);
    if (op == 10) return clamp(a1 - a2, 0.0, 1.0);
    if (op == 11) return clamp(a1 + a2 - a1 * a2, 0.0, 1.0);
    if (op == 12) return mix(a2, a1, v_Diffuse.a);
    if (op == 13) return mix(a2, a1, tex.a);
    if (op == 14) return mix(a2, a1, u_TextureFactor.a);
    if (op == 15) return clamp(a1 + a2 * (1.0 - tex.a), 0.0, 1.0);
    if (op == 16) return mix(a2, a1, current.a);
    if (op == 24) return vec4(clamp(4.0 * dot(a1.rgb - 0.5, a2.rgb - 0.5), 0.0, 1.0));
    return a1 * a2;
}

vec4 Sample(int stage)
{
    return stage == 0 ? texture(u_Texture0, v_TexCoord0) : texture(u_Texture1, v_TexCoord1);
}

bool Bound(int stage)
{
    return (stage == 0 ? u_TextureBound0 : u_TextureBound1) != 0;
}

bool ReadsTexture(int arg1, int arg2)
{
    return (arg1 & 15) == 2 || (arg2 & 15) == 2;
}

void main()
{
    vec4 current = v_Diffuse;
    for (int stage = 0; stage < 2; ++stage) {
        if (u_ColorOp[stage] == 1)
            break;
        // A stage whose operation reads a texture that is not there passes
        // the current value on, as Direct3D does: untextured draws with the
        // default stage states show the vertex colour and alpha.
        bool bound = Bound(stage);
        vec4 tex = bound ? Sample(stage) : vec4(1.0);
        vec3 rgb = current.rgb;
        if (bound || !ReadsTexture(u_ColorArg1[stage], u_ColorArg2[stage]))
            rgb = Combine(u_ColorOp[stage], Argument(u_ColorArg1[stage], current, tex),
                          Argument(u_ColorArg2[stage], current, tex), current, tex).rgb;
        float alpha = current.a;
        if (u_AlphaOp[stage] != 1 && (bound || !ReadsTexture(u_AlphaArg1[stage], u_AlphaArg2[stage])))
            alpha = Combine(u_AlphaOp[stage], Argument(u_AlphaArg1[stage], current, tex),
                            Argument(u_AlphaArg2[stage], current, tex), current, tex).a;
        current = vec4(rgb, alpha);
    }
    if (u_SpecularEnable != 0)
        current.rgb = clamp(current.rgb + v_Specular.rgb, 0.0, 1.0);
    if (d3d_AlphaTestFails(current.a))
        discard;
    if (u_FogEnable != 0) {
        float fog = u_FogMode == 0 ? v_Specular.a : d3d_FogFactor(v_ViewDepth);
        current.rgb = mix(u_FogColor.rgb, current.rgb, fog);
    }
    o_Color = current;
}
)";

float AsFloat(DWORD bits)
{
    float value;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

void SetColour(GLuint program, const char* name, const D3DCOLORVALUE& c)
{
    glUniform4f(glGetUniformLocation(program, name), c.r, c.g, c.b, c.a);
}

void SetInt(GLuint program, const char* name, int value)
{
    glUniform1i(glGetUniformLocation(program, name), value);
}

void SetMatrix(GLint location, const D3DMATRIX& m)
{
    if (location >= 0)
        glUniformMatrix4fv(location, 1, GL_FALSE, &m._11);
}

// COLORVERTEX off always takes the material.
int ColourSource(DWORD colourVertex, DWORD source)
{
    return colourVertex ? (int)source : (int)D3DMCS_MATERIAL;
}

}  // namespace

const char* FixedFunctionVertexBody()
{
    return kVertexBody;
}

const char* FixedFunctionFragmentBody()
{
    return kFragmentBody;
}

D3DMATRIX MultiplyMatrices(const D3DMATRIX& a, const D3DMATRIX& b)
{
    D3DMATRIX out;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out.m[r][c] = a.m[r][0] * b.m[0][c] + a.m[r][1] * b.m[1][c] +
                          a.m[r][2] * b.m[2][c] + a.m[r][3] * b.m[3][c];
    return out;
}

void CDevice::ApplyCommonUniforms(const SProgram& p)
{
    const DWORD* rs = m_RenderStates;
    D3DMATRIX world, view, projection;
    GetTransform(D3DTS_WORLD, &world);
    GetTransform(D3DTS_VIEW, &view);
    GetTransform(D3DTS_PROJECTION, &projection);
    SetMatrix(p.m_World, world);
    SetMatrix(p.m_View, view);
    SetMatrix(p.m_Projection, projection);
    const D3DMATRIX worldViewProj = MultiplyMatrices(MultiplyMatrices(world, view), projection);
    SetMatrix(p.m_WorldViewProj, worldViewProj);
    SetMatrix(p.m_WorldViewProjs, worldViewProj);
    float colour[4];
    ColorToFloats(rs[D3DRS_TEXTUREFACTOR], colour);
    glUniform4fv(p.m_TextureFactor, 1, colour);
    ColorToFloats(rs[D3DRS_FOGCOLOR], colour);
    glUniform4fv(p.m_FogColor, 1, colour);
    glUniform1i(p.m_FogEnable, rs[D3DRS_FOGENABLE] ? 1 : 0);
    DWORD fogMode = rs[D3DRS_FOGTABLEMODE] != D3DFOG_NONE ? rs[D3DRS_FOGTABLEMODE]
                                                          : rs[D3DRS_FOGVERTEXMODE];
    glUniform1i(p.m_FogMode, (GLint)fogMode);
    glUniform1f(p.m_FogStart, AsFloat(rs[D3DRS_FOGSTART]));
    glUniform1f(p.m_FogEnd, AsFloat(rs[D3DRS_FOGEND]));
    glUniform1f(p.m_FogDensity, AsFloat(rs[D3DRS_FOGDENSITY]));
    glUniform1i(p.m_TextureBound[0], m_pTextures[0] ? 1 : 0);
    glUniform1i(p.m_TextureBound[1], m_pTextures[1] ? 1 : 0);
    glUniform1i(p.m_AlphaTestEnable, rs[D3DRS_ALPHATESTENABLE] ? 1 : 0);
    glUniform1i(p.m_AlphaFunc, (GLint)rs[D3DRS_ALPHAFUNC]);
    glUniform1f(p.m_AlphaRef, (rs[D3DRS_ALPHAREF] & 0xff) / 255.0f);
    glUniform4f(p.m_Viewport, (float)m_Viewport.X, (float)m_Viewport.Y, (float)m_Viewport.Width,
                (float)m_Viewport.Height);
    glUniform1i(p.m_PreTransformed,
                (m_dwFvf & D3DFVF_POSITION_MASK) == D3DFVF_XYZRHW ? 1 : 0);
}

void CDevice::ApplyFixedFunctionUniforms(GLuint program)
{
    const DWORD* rs = m_RenderStates;
    SetInt(program, "u_HasDiffuse", (m_dwFvf & D3DFVF_DIFFUSE) ? 1 : 0);
    SetInt(program, "u_HasSpecular", (m_dwFvf & D3DFVF_SPECULAR) ? 1 : 0);
    SetInt(program, "u_HasNormal", (m_dwFvf & D3DFVF_NORMAL) ? 1 : 0);
    SetInt(program, "u_Lighting", rs[D3DRS_LIGHTING] ? 1 : 0);
    SetInt(program, "u_SpecularEnable", rs[D3DRS_SPECULARENABLE] ? 1 : 0);
    SetColour(program, "u_MatDiffuse", m_Material.Diffuse);
    SetColour(program, "u_MatAmbient", m_Material.Ambient);
    SetColour(program, "u_MatEmissive", m_Material.Emissive);
    float ambient[4];
    ColorToFloats(rs[D3DRS_AMBIENT], ambient);
    glUniform4fv(glGetUniformLocation(program, "u_Ambient"), 1, ambient);
    DWORD colourVertex = rs[D3DRS_COLORVERTEX];
    SetInt(program, "u_DiffuseSource", ColourSource(colourVertex, rs[D3DRS_DIFFUSEMATERIALSOURCE]));
    SetInt(program, "u_AmbientSource", ColourSource(colourVertex, rs[D3DRS_AMBIENTMATERIALSOURCE]));
    SetInt(program, "u_EmissiveSource",
           ColourSource(colourVertex, rs[D3DRS_EMISSIVEMATERIALSOURCE]));

    GLint types[8] = {}, count = 0;
    float dirs[24] = {}, positions[24] = {}, diffuse[32] = {}, ambients[32] = {}, atten[32] = {};
    for (const auto& entry : m_Lights) {
        const D3DLIGHT8& l = entry.second.m_Light;
        if (!entry.second.m_bEnabled || count == 8)
            continue;
        types[count] = (GLint)l.Type;
        std::memcpy(&dirs[count * 3], &l.Direction, sizeof(float) * 3);
        std::memcpy(&positions[count * 3], &l.Position, sizeof(float) * 3);
        std::memcpy(&diffuse[count * 4], &l.Diffuse, sizeof(float) * 4);
        std::memcpy(&ambients[count * 4], &l.Ambient, sizeof(float) * 4);
        float a[4] = {l.Attenuation0, l.Attenuation1, l.Attenuation2, l.Range};
        std::memcpy(&atten[count * 4], a, sizeof(a));
        ++count;
    }
    SetInt(program, "u_LightCount", count);
    glUniform1iv(glGetUniformLocation(program, "u_LightType"), 8, types);
    glUniform3fv(glGetUniformLocation(program, "u_LightDir"), 8, dirs);
    glUniform3fv(glGetUniformLocation(program, "u_LightPos"), 8, positions);
    glUniform4fv(glGetUniformLocation(program, "u_LightDiffuse"), 8, diffuse);
    glUniform4fv(glGetUniformLocation(program, "u_LightAmbient"), 8, ambients);
    glUniform4fv(glGetUniformLocation(program, "u_LightAtten"), 8, atten);

    GLint stages[6][2];
    const D3DTEXTURESTAGESTATETYPE kinds[6] = {D3DTSS_COLOROP,   D3DTSS_COLORARG1, D3DTSS_COLORARG2,
                                               D3DTSS_ALPHAOP,   D3DTSS_ALPHAARG1, D3DTSS_ALPHAARG2};
    const char* names[6] = {"u_ColorOp", "u_ColorArg1", "u_ColorArg2",
                            "u_AlphaOp", "u_AlphaArg1", "u_AlphaArg2"};
    for (int k = 0; k < 6; ++k) {
        for (int stage = 0; stage < 2; ++stage)
            stages[k][stage] = (GLint)m_StageStates[stage][kinds[k]];
        glUniform1iv(glGetUniformLocation(program, names[k]), 2, stages[k]);
    }
    GLint coords[2] = {(GLint)(m_StageStates[0][D3DTSS_TEXCOORDINDEX] & 0xffff),
                       (GLint)(m_StageStates[1][D3DTSS_TEXCOORDINDEX] & 0xffff)};
    glUniform1iv(glGetUniformLocation(program, "u_TexCoordIndex"), 2, coords);
}

}  // namespace d3d8
