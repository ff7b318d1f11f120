// GLSL programs: the prelude every program gets, compiling and linking, the
// uniforms every program may read, and the door for a later effect layer
// (d3d8_program.h).
#include "d3d/d3d8_local.h"

#include <cstring>

namespace d3d8 {

namespace {

const char kCommonDeclarations[] = R"(#version 330 core
uniform mat4 u_World;
uniform mat4 u_View;
uniform mat4 u_Projection;
uniform mat4 u_WorldViewProj;
uniform vec4 u_TextureFactor;
uniform vec4 u_FogColor;
uniform int u_FogEnable;
uniform int u_FogMode;
uniform float u_FogStart;
uniform float u_FogEnd;
uniform float u_FogDensity;
uniform int u_TextureBound0;
uniform int u_TextureBound1;
uniform int u_AlphaTestEnable;
uniform int u_AlphaFunc;
uniform float u_AlphaRef;
uniform vec4 u_Viewport;
uniform int u_PreTransformed;

float d3d_FogFactor(float depth)
{
    if (u_FogMode == 3) {
        float range = u_FogEnd - u_FogStart;
        if (range == 0.0)
            return depth < u_FogStart ? 1.0 : 0.0;
        return clamp((u_FogEnd - depth) / range, 0.0, 1.0);
    }
    if (u_FogMode == 1)
        return clamp(exp(-depth * u_FogDensity), 0.0, 1.0);
    if (u_FogMode == 2)
        return clamp(exp(-(depth * u_FogDensity) * (depth * u_FogDensity)), 0.0, 1.0);
    return 1.0;
}
)";

#define D3D8_TEXT(x) D3D8_TEXT2(x)
#define D3D8_TEXT2(x) #x

// Draws merged into one carry one transform each; a_DrawIndex picks it,
// and reads 0 (the only one) for a draw of its own.
const char kVertexPrelude[] = R"(
layout(location = 15) in float a_DrawIndex;
uniform mat4 u_WorldViewProjs[)" D3D8_TEXT(D3D8_DRAW_SLOTS) R"(];
#define u_WorldViewProj u_WorldViewProjs[int(a_DrawIndex)]
layout(location = 0) in vec4 a_Position;
layout(location = 1) in vec4 a_BlendWeights;
layout(location = 2) in vec4 a_BlendIndices;
layout(location = 3) in vec3 a_Normal;
layout(location = 4) in float a_PointSize;
layout(location = 5) in vec4 a_Diffuse;
layout(location = 6) in vec4 a_Specular;
layout(location = 7) in vec4 a_TexCoord0;
layout(location = 8) in vec4 a_TexCoord1;
layout(location = 9) in vec4 a_TexCoord2;
layout(location = 10) in vec4 a_TexCoord3;
layout(location = 11) in vec4 a_TexCoord4;
layout(location = 12) in vec4 a_TexCoord5;
layout(location = 13) in vec4 a_TexCoord6;
layout(location = 14) in vec4 a_TexCoord7;

// Direct3D puts pixel centres on integer coordinates and GL half a pixel
// further; Direct3D's depth runs 0..1 and GL's -1..1; our targets keep row 0
// at the top, so y is mirrored.
vec4 d3d_ToGLClip(vec4 clip)
{
    return vec4(clip.x + clip.w / u_Viewport.z, -clip.y + clip.w / u_Viewport.w,
                2.0 * clip.z - clip.w, clip.w);
}

// Pre-transformed vertices are render-target pixels with the pixel centre
// on the integer; a quad from (x - 0.5, y - 0.5) covers whole pixels.
vec4 d3d_PreTransformedToGL(vec4 p)
{
    float w = p.w != 0.0 ? 1.0 / p.w : 1.0;
    vec2 ndc = (p.xy + 0.5 - u_Viewport.xy) / u_Viewport.zw * 2.0 - 1.0;
    return vec4(ndc * w, (p.z * 2.0 - 1.0) * w, w);
}

vec4 d3d_TransformPosition(vec4 p)
{
    if (u_PreTransformed != 0)
        return d3d_PreTransformedToGL(p);
    return d3d_ToGLClip(u_WorldViewProj * vec4(p.xyz, 1.0));
}
)";

const char kFragmentPrelude[] = R"(
layout(location = 0) out vec4 o_Color;
uniform sampler2D u_Texture0;
uniform sampler2D u_Texture1;
uniform sampler2D u_Texture2;
uniform sampler2D u_Texture3;
uniform sampler2D u_Texture4;
uniform sampler2D u_Texture5;
uniform sampler2D u_Texture6;
uniform sampler2D u_Texture7;

// Direct3D compares 8-bit alpha against D3DRS_ALPHAREF.
bool d3d_AlphaTestFails(float alpha)
{
    if (u_AlphaTestEnable == 0)
        return false;
    float a = floor(clamp(alpha, 0.0, 1.0) * 255.0 + 0.5);
    float r = floor(u_AlphaRef * 255.0 + 0.5);
    if (u_AlphaFunc == 1) return true;
    if (u_AlphaFunc == 2) return !(a < r);
    if (u_AlphaFunc == 3) return !(a == r);
    if (u_AlphaFunc == 4) return !(a <= r);
    if (u_AlphaFunc == 5) return !(a > r);
    if (u_AlphaFunc == 6) return !(a != r);
    if (u_AlphaFunc == 7) return !(a >= r);
    return false;
}
)";

GLuint CompileStage(GLenum type, const char* prelude, const char* body, std::string* errors)
{
    GLuint shader = glCreateShader(type);
    const char* parts[] = {kCommonDeclarations, prelude, body};
    glShaderSource(shader, 3, parts, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok)
        return shader;
    char log[2048] = {};
    glGetShaderInfoLog(shader, sizeof(log), nullptr, log);
    if (errors)
        *errors += log;
    glDeleteShader(shader);
    return 0;
}

GLint Uniform(GLuint program, const char* name)
{
    return glGetUniformLocation(program, name);
}

}  // namespace

GLuint CompileProgram(const char* vertexBody, const char* fragmentBody, std::string* errors)
{
    GLuint vertex = CompileStage(GL_VERTEX_SHADER, kVertexPrelude, vertexBody, errors);
    GLuint fragment = CompileStage(GL_FRAGMENT_SHADER, kFragmentPrelude, fragmentBody, errors);
    GLuint program = 0;
    if (vertex && fragment) {
        program = glCreateProgram();
        glAttachShader(program, vertex);
        glAttachShader(program, fragment);
        glLinkProgram(program);
        GLint ok = GL_FALSE;
        glGetProgramiv(program, GL_LINK_STATUS, &ok);
        if (!ok) {
            char log[2048] = {};
            glGetProgramInfoLog(program, sizeof(log), nullptr, log);
            if (errors)
                *errors += log;
            glDeleteProgram(program);
            program = 0;
        }
    }
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    return program;
}

SProgram DescribeProgram(GLuint name)
{
    SProgram p;
    p.m_nName = name;
    p.m_World = Uniform(name, "u_World");
    p.m_View = Uniform(name, "u_View");
    p.m_Projection = Uniform(name, "u_Projection");
    p.m_WorldViewProj = Uniform(name, "u_WorldViewProj");
    p.m_WorldViewProjs = Uniform(name, "u_WorldViewProjs");
    p.m_TextureFactor = Uniform(name, "u_TextureFactor");
    p.m_FogColor = Uniform(name, "u_FogColor");
    p.m_FogEnable = Uniform(name, "u_FogEnable");
    p.m_FogMode = Uniform(name, "u_FogMode");
    p.m_FogStart = Uniform(name, "u_FogStart");
    p.m_FogEnd = Uniform(name, "u_FogEnd");
    p.m_FogDensity = Uniform(name, "u_FogDensity");
    p.m_TextureBound[0] = Uniform(name, "u_TextureBound0");
    p.m_TextureBound[1] = Uniform(name, "u_TextureBound1");
    p.m_AlphaTestEnable = Uniform(name, "u_AlphaTestEnable");
    p.m_AlphaFunc = Uniform(name, "u_AlphaFunc");
    p.m_AlphaRef = Uniform(name, "u_AlphaRef");
    p.m_Viewport = Uniform(name, "u_Viewport");
    p.m_PreTransformed = Uniform(name, "u_PreTransformed");
    glUseProgram(name);
    for (int unit = 0; unit < 8; ++unit) {
        char sampler[16];
        std::snprintf(sampler, sizeof(sampler), "u_Texture%d", unit);
        glUniform1i(Uniform(name, sampler), unit);
    }
    return p;
}

}  // namespace d3d8

// ---- the door for an effect layer ----------------------------------------------------

using d3d8::AsDevice;

namespace {

GLint ProgramUniform(IDirect3DDevice8* device, D3DPROGRAM program, const char* name)
{
    auto& programs = AsDevice(device)->Programs();
    auto found = programs.find(program);
    if (found == programs.end() || !name)
        return -2;
    // Held-back draws read the program's uniforms when they are drawn.
    AsDevice(device)->FlushDraws();
    AsDevice(device)->MakeCurrent();
    glUseProgram(found->second.m_nName);
    return glGetUniformLocation(found->second.m_nName, name);
}

}  // namespace

HRESULT D3DProgramCreate(IDirect3DDevice8* device, const char* vertexSource,
                         const char* fragmentSource, D3DPROGRAM* program, std::string* errors)
{
    if (!device || !vertexSource || !fragmentSource || !program)
        return D3DERR_INVALIDCALL;
    d3d8::CDevice* d = AsDevice(device);
    d->MakeCurrent();
    GLuint name = d3d8::CompileProgram(vertexSource, fragmentSource, errors);
    if (!name)
        return D3DERR_INVALIDCALL;
    *program = d->NextProgramHandle();
    d->Programs()[*program] = d3d8::DescribeProgram(name);
    return D3D_OK;
}

HRESULT D3DProgramRelease(IDirect3DDevice8* device, D3DPROGRAM program)
{
    if (!device)
        return D3DERR_INVALIDCALL;
    d3d8::CDevice* d = AsDevice(device);
    auto found = d->Programs().find(program);
    if (found == d->Programs().end())
        return D3DERR_INVALIDCALL;
    d->FlushDraws();
    d->MakeCurrent();
    glDeleteProgram(found->second.m_nName);
    d->Programs().erase(found);
    if (d->BoundProgram() == program)
        d->BoundProgram() = 0;
    return D3D_OK;
}

HRESULT D3DProgramBind(IDirect3DDevice8* device, D3DPROGRAM program)
{
    if (!device || (program && !AsDevice(device)->Programs().count(program)))
        return D3DERR_INVALIDCALL;
    AsDevice(device)->BoundProgram() = program;
    return D3D_OK;
}

D3DPROGRAM D3DProgramBound(IDirect3DDevice8* device)
{
    return device ? AsDevice(device)->BoundProgram() : 0;
}

HRESULT D3DProgramSetFloats(IDirect3DDevice8* device, D3DPROGRAM program, const char* name,
                            const float* values, UINT count)
{
    GLint location = ProgramUniform(device, program, name);
    if (location == -2 || !values)
        return D3DERR_INVALIDCALL;
    if (location >= 0)
        glUniform1fv(location, count, values);
    return D3D_OK;
}

HRESULT D3DProgramSetVector(IDirect3DDevice8* device, D3DPROGRAM program, const char* name,
                            const float* xyzw)
{
    GLint location = ProgramUniform(device, program, name);
    if (location == -2 || !xyzw)
        return D3DERR_INVALIDCALL;
    if (location >= 0)
        glUniform4fv(location, 1, xyzw);
    return D3D_OK;
}

HRESULT D3DProgramSetMatrices(IDirect3DDevice8* device, D3DPROGRAM program, const char* name,
                              const D3DMATRIX* matrices, UINT count)
{
    GLint location = ProgramUniform(device, program, name);
    if (location == -2 || !matrices)
        return D3DERR_INVALIDCALL;
    // Direct3D's row-major storage read column-major is the transpose, which
    // is what makes "M * v" in GLSL equal Direct3D's "v x M".
    if (location >= 0)
        glUniformMatrix4fv(location, count, GL_FALSE, &matrices[0]._11);
    return D3D_OK;
}

HRESULT D3DProgramSetInt(IDirect3DDevice8* device, D3DPROGRAM program, const char* name,
                         int value)
{
    GLint location = ProgramUniform(device, program, name);
    if (location == -2)
        return D3DERR_INVALIDCALL;
    if (location >= 0)
        glUniform1i(location, value);
    return D3D_OK;
}
