// Internal door for a later effect layer: compile a GLSL 330 program and
// draw with it in place of the built-in fixed-function program. Only code
// under platform/ (or an effect layer living there) should use it; nothing
// here exposes GL types.
//
// Source. Give the bodies only, without "#version": the device prepends a
// prelude that declares everything below, so a vertex program can be as
// short as
//     void main() { gl_Position = d3d_TransformPosition(a_Position);
//                   v_Diffuse = a_Diffuse; }
//
// Vertex attributes, at fixed locations, filled from the FVF named by
// SetVertexShader (elements the FVF lacks read as GL's default (0,0,0,1)):
//     0  vec4 a_Position      xyz (w = 1), or for D3DFVF_XYZRHW x, y, z, rhw
//     1  vec4 a_BlendWeights  the XYZB1..B5 betas (without a UBYTE4 last beta)
//     2  vec4 a_BlendIndices  D3DFVF_LASTBETA_UBYTE4's four bytes, as 0..255
//     3  vec3 a_Normal
//     4  float a_PointSize
//     5  vec4 a_Diffuse       D3DCOLOR as r, g, b, a in 0..1
//     6  vec4 a_Specular      likewise
//     7.. vec4 a_TexCoord0 .. a_TexCoord7 (locations 7 to 14)
// Location 15 is the device's own: it numbers the draws the device merges
// into one (consecutive triangle lists of one program and state), and in
// the vertex stage u_WorldViewProj reads that draw's matrix. A program
// that declares u_World, or reads u_WorldViewProj outside the vertex
// stage, is never merged.
//
// Uniforms the device sets before every draw (a program that does not
// declare one simply does not get it):
//     mat4 u_World, u_View, u_Projection   as Direct3D stores them, so in
//     mat4 u_WorldViewProj                 GLSL "u_WorldViewProj * p" is
//                                          Direct3D's p x World x View x Proj
//     vec4 u_TextureFactor                 D3DRS_TEXTUREFACTOR as rgba
//     vec4 u_FogColor                      D3DRS_FOGCOLOR as rgba
//     int u_FogEnable, u_FogMode           D3DRS_FOGENABLE, the active
//     float u_FogStart, u_FogEnd, u_FogDensity   fog mode (table, else vertex)
//     sampler2D u_Texture0 .. u_Texture7   bound to the stages' textures
//     int u_TextureBound0, u_TextureBound1 1 while stage 0 / 1 has a texture
//     int u_AlphaTestEnable, u_AlphaFunc   D3DRS_ALPHATESTENABLE, ALPHAFUNC
//     float u_AlphaRef                     D3DRS_ALPHAREF / 255
//     vec4 u_Viewport                      x, y, width, height in pixels
//     int u_PreTransformed                 1 for D3DFVF_XYZRHW vertices
//
// Prelude helpers:
//     vec4 d3d_ToGLClip(vec4 clip)         Direct3D clip space to GL's:
//                                          depth 0..1 to -1..1, rows top
//                                          down, pixel centres on integers
//     vec4 d3d_TransformPosition(vec4 p)   a_Position through world x view
//                                          x projection, or the XYZRHW
//                                          mapping; returns GL clip space
//     float d3d_FogFactor(float viewDepth) 1 = no fog, by u_FogMode
//     bool d3d_AlphaTestFails(float a)     true when the fragment must be
//                                          discarded
// The fragment prelude declares "layout(location = 0) out vec4 o_Color".
//
// Programs live until released or until the device goes; they survive
// Reset. Binding a program lasts until another is bound or 0 restores the
// fixed-function program.
#pragma once

#include "d3d/d3d8.h"

#include <string>

typedef UINT D3DPROGRAM;

// Compiles and links; on failure returns D3DERR_INVALIDCALL with GL's
// compiler log in *errors (when errors is not null).
HRESULT D3DProgramCreate(IDirect3DDevice8* device, const char* vertexSource,
                         const char* fragmentSource, D3DPROGRAM* program, std::string* errors);
HRESULT D3DProgramRelease(IDirect3DDevice8* device, D3DPROGRAM program);
// 0 returns to the built-in fixed-function program.
HRESULT D3DProgramBind(IDirect3DDevice8* device, D3DPROGRAM program);
// The program the next draws use (0: fixed function).
D3DPROGRAM D3DProgramBound(IDirect3DDevice8* device);

// Set a program's own uniforms by name; matrices go as Direct3D stores
// them (see above). An unknown name is ignored and returns D3D_OK, as
// effect parameters the shader optimised away must not fail.
HRESULT D3DProgramSetFloats(IDirect3DDevice8* device, D3DPROGRAM program, const char* name,
                            const float* values, UINT count);
HRESULT D3DProgramSetVector(IDirect3DDevice8* device, D3DPROGRAM program, const char* name,
                            const float* xyzw);
HRESULT D3DProgramSetMatrices(IDirect3DDevice8* device, D3DPROGRAM program, const char* name,
                              const D3DMATRIX* matrices, UINT count);
HRESULT D3DProgramSetInt(IDirect3DDevice8* device, D3DPROGRAM program, const char* name,
                         int value);
