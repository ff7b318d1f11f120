#include "Scene/vantile_annotation.h"

#include <cmath>

namespace Vantile {

CAnnotation& CAnnotation::Instance()
{
    static CAnnotation s_Instance;
    return s_Instance;
}

void CAnnotation::AddLine(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo, D3DCOLOR dwColor)
{
    if (m_bActive)
        m_Lines.emplace_back(new CLineRenderTarget(vFrom, dwColor, vTo, dwColor));
}

void CAnnotation::AddAxes(const D3DXMATRIX& mFrame, float fLength)
{
    const D3DXVECTOR3 vOrigin(mFrame._41, mFrame._42, mFrame._43);
    const D3DCOLOR adwColors[3] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
    for (int nAxis = 0; nAxis < 3; ++nAxis) {
        D3DXVECTOR3 vAxis(mFrame.m[nAxis][0], mFrame.m[nAxis][1], mFrame.m[nAxis][2]);
        D3DXVec3Normalize(&vAxis, &vAxis);
        AddLine(vOrigin, vOrigin + vAxis * fLength, adwColors[nAxis]);
    }
}

void CAnnotation::AddBox(const D3DXVECTOR3& vMin, const D3DXVECTOR3& vMax, D3DCOLOR dwColor)
{
    auto corner = [&](int n) {
        return D3DXVECTOR3(n & 1 ? vMax.x : vMin.x, n & 2 ? vMax.y : vMin.y, n & 4 ? vMax.z : vMin.z);
    };
    // Corners differing in exactly one bit share an edge.
    for (int a = 0; a < 8; ++a) {
        for (int nBit = 1; nBit < 8; nBit <<= 1) {
            if (!(a & nBit))
                AddLine(corner(a), corner(a | nBit), dwColor);
        }
    }
}

void CAnnotation::AddCircle(const D3DXVECTOR3& vCentre, float fRadius, int nSegments, D3DCOLOR dwColor)
{
    if (nSegments < 3)
        return;
    const float fStep = 6.28f / float(nSegments);
    auto point = [&](int n) {
        return vCentre + D3DXVECTOR3(std::cos(fStep * n), std::sin(fStep * n), 0.0f) * fRadius;
    };
    for (int i = 0; i < nSegments; ++i)
        AddLine(point(i), i + 1 < nSegments ? point(i + 1) : point(0), dwColor);
}

void CAnnotation::EnqueueLines()
{
    for (const auto& pLine : m_Lines)
        pLine->Enqueue();
}

bool CAnnotation::frameEnded(const FrameEvent& evt)
{
    m_Lines.clear();
    return true;
}

}  // namespace Vantile
