// The vertex every sprite and sprite batch is drawn with, and the one way
// both lay out a quad.
#pragma once

#include <cmath>
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

// Sprite space has one unit a pixel, y up, and pixel centres on whole
// numbers. A quad edge on a whole number runs through the pixel centres,
// and every pixel then samples its texture on a texel edge: point sampling
// drops or doubles a row or column wherever rounding tips it, filtering
// blurs. An unturned quad's corner goes to the nearest pixel edge instead,
// so that each texel covers one pixel. From a whole number it goes left and
// up, keeping the pixels the quad covered: the rasteriser takes a pixel
// whose centre lies on a quad's left or top edge.
inline float PixelEdgeX(float fLeft)
{
    return std::ceil(fLeft) - 0.5f;
}
inline float PixelEdgeY(float fBottom)
{
    return std::floor(fBottom) + 0.5f;
}
