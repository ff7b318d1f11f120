// The vertex every sprite and sprite batch is drawn with, and the one way
// both lay out a quad.
#pragma once

#include <cstdint>

#include "d3d/d3d8.h"

struct SSpriteVertex {
    float x, y, z;
    D3DCOLOR dwDiffuse;
    D3DCOLOR dwSpecular;
    float u, v;
};
static_assert(sizeof(SSpriteVertex) == 28, "the device reads sprite vertices with a stride of 28");

const DWORD SPRITE_FVF = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_SPECULAR | D3DFVF_TEX1;
static_assert(SPRITE_FVF == 0x1c2, "sprite vertex format");

// Two triangles over the corners bottom-left, top-left, bottom-right,
// top-right, wound the same way for every sprite.
const uint16_t SPRITE_QUAD_INDICES[6] = {0, 1, 2, 1, 3, 2};

struct SQuadCorners {
    float fLeft, fBottom, fRight, fTop, fZ;
};
struct SQuadCoords {
    float fULeft, fURight, fVBottom, fVTop;
};

// Writes four vertices in the corner order above.
inline void FillSpriteQuad(SSpriteVertex* pOut, const SQuadCorners& corners, const SQuadCoords& coords, D3DCOLOR dwColor)
{
    const SSpriteVertex quad[4] = {
        {corners.fLeft, corners.fBottom, corners.fZ, dwColor, 0xFFFFFFFF, coords.fULeft, coords.fVBottom},
        {corners.fLeft, corners.fTop, corners.fZ, dwColor, 0xFFFFFFFF, coords.fULeft, coords.fVTop},
        {corners.fRight, corners.fBottom, corners.fZ, dwColor, 0xFFFFFFFF, coords.fURight, coords.fVBottom},
        {corners.fRight, corners.fTop, corners.fZ, dwColor, 0xFFFFFFFF, coords.fURight, coords.fVTop},
    };
    for (int i = 0; i < 4; ++i)
        pOut[i] = quad[i];
}
