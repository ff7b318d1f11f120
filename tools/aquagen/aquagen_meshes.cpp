// Quads, materials and looping tracks the models are made of, and the
// drawing helpers their pictures share.
#include <cmath>
#include <cstring>

#include "aquagen.h"

namespace Aqua {

namespace {

void AppendFloats(std::vector<uint8_t>& bytes, std::initializer_list<float> values)
{
    const size_t nAt = bytes.size();
    bytes.resize(nAt + values.size() * 4);
    memcpy(&bytes[nAt], values.begin(), values.size() * 4);
}

}  // namespace

D3DXMATRIX Translation(float x, float y, float z)
{
    D3DXMATRIX m;
    return *D3DXMatrixTranslation(&m, x, y, z);
}

Vantile::SMaterialDef Material(const std::string& strEffect, const std::string& strTexture)
{
    Vantile::SMaterialDef material;
    material.nId = 1;
    material.strEffect = strEffect;
    material.astrTextures[0] = strTexture;
    material.dwColorA = 0xFFFFFFFF;
    return material;
}

Vantile::SNodeRecord QuadNode(const std::string& strName, float x0, float y0, float x1, float y1)
{
    Vantile::SNodeRecord node;
    node.strName = strName;
    node.mLocal = Vantile::IdentityMatrix();
    node.nType = Vantile::OBJECT_NODE_MESH;
    node.dwFVF = D3DFVF_XYZ | D3DFVF_TEX1;
    AppendFloats(node.Vertices, {x0, y0, 0, 0, 1, x1, y0, 0, 1, 1, x0, y1, 0, 0, 0, x1, y1, 0, 1, 0});
    node.Indices = {0, 2, 1, 1, 2, 3};
    node.Subsets = {{1, 0, 2}};
    return node;
}

Vantile::SAnimationRecord SwayTrack(const std::string& strNode, float fAngle, float fPeriod, float fPhase,
                                    const D3DXVECTOR3& vPosition)
{
    Vantile::SAnimationRecord track;
    track.strTarget = strNode;
    const int nKeys = 16;
    for (int i = 0; i <= nKeys; ++i) {
        const float t = fPeriod * float(i) / nKeys;
        const float fAngleNow = fAngle * std::sin(2.0f * float(Art::kPi) * (float(i) / nKeys + fPhase));
        const D3DXVECTOR3 vAxis(0, 0, 1);
        D3DXQUATERNION q;
        D3DXQuaternionRotationAxis(&q, &vAxis, fAngleNow);
        track.Rotations.push_back({t, {q.x, q.y, q.z, q.w}});
    }
    track.Positions.push_back({0.0f, {vPosition.x, vPosition.y, vPosition.z}});
    track.Positions.push_back({fPeriod, {vPosition.x, vPosition.y, vPosition.z}});
    return track;
}

void Ellipse(cairo_t* pCairo, double x, double y, double rx, double ry)
{
    cairo_save(pCairo);
    cairo_translate(pCairo, x, y);
    cairo_scale(pCairo, rx, ry);
    cairo_arc(pCairo, 0, 0, 1, 0, 2 * Art::kPi);
    cairo_restore(pCairo);
}

void Veil(Art::CCanvas& canvas, const Art::SColour& water, double fAlpha)
{
    cairo_t* pCairo = canvas.Context();
    cairo_set_operator(pCairo, CAIRO_OPERATOR_ATOP);
    Art::SetColour(pCairo, water, fAlpha);
    cairo_paint(pCairo);
    cairo_set_operator(pCairo, CAIRO_OPERATOR_OVER);
}

}  // namespace Aqua
