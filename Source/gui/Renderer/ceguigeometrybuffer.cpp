#include "gui/Renderer/ceguigeometrybuffer.h"

#include <algorithm>
#include <cstring>

#include "gui/Renderer/ceguirenderer.h"
#include "gui/Renderer/ceguitexture.h"

namespace {

// A vertex while it is being clipped: every attribute as a float, so the
// points that clipping adds on an edge interpolate all of them.
struct SClipVertex {
    float afValue[9];  // x, y, z, u, v, a, r, g, b
};

SClipVertex toClipVertex(const CEGUI::Vector3f& vPosition, const CEGUI::Vertex& vertex)
{
    const CEGUI::Colour& colour = vertex.colour_val;
    return {{vPosition.d_x, vPosition.d_y, vPosition.d_z, vertex.tex_coords.d_x, vertex.tex_coords.d_y,
             colour.getAlpha(), colour.getRed(), colour.getGreen(), colour.getBlue()}};
}

uint32_t toByte(float fValue)
{
    return uint32_t(std::min(std::max(fValue, 0.0f), 1.0f) * 255.0f + 0.5f);
}

// Texel centres fall on pixel centres with the half-pixel shift.
SGuiVertex toGuiVertex(const SClipVertex& in)
{
    const float* f = in.afValue;
    const uint32_t dwColor = toByte(f[5]) << 24 | toByte(f[6]) << 16 | toByte(f[7]) << 8 | toByte(f[8]);
    return {f[0] - 0.5f, f[1] - 0.5f, f[2], 1.0f, dwColor, f[3], f[4]};
}

// Keeps the part of the polygon on the inside of one edge: the side where
// coordinate nAxis is >= fLimit (bMin) or <= fLimit.
std::vector<SClipVertex> clipEdge(const std::vector<SClipVertex>& polygon, int nAxis, float fLimit, bool bMin)
{
    std::vector<SClipVertex> out;
    const auto inside = [&](const SClipVertex& v) {
        return bMin ? v.afValue[nAxis] >= fLimit : v.afValue[nAxis] <= fLimit;
    };
    for (size_t i = 0; i < polygon.size(); ++i) {
        const SClipVertex& a = polygon[i];
        const SClipVertex& b = polygon[(i + 1) % polygon.size()];
        if (inside(a))
            out.push_back(a);
        if (inside(a) != inside(b)) {
            const float t = (fLimit - a.afValue[nAxis]) / (b.afValue[nAxis] - a.afValue[nAxis]);
            SClipVertex cut;
            for (int k = 0; k < 9; ++k)
                cut.afValue[k] = a.afValue[k] + t * (b.afValue[k] - a.afValue[k]);
            out.push_back(cut);
        }
    }
    return out;
}

// The triangle cut to the rectangle, as a fan of triangles.
void clipTriangle(const SClipVertex* pTriangle, const CEGUI::Rectf& clip, std::vector<SGuiVertex>& out)
{
    std::vector<SClipVertex> polygon(pTriangle, pTriangle + 3);
    polygon = clipEdge(polygon, 0, clip.left(), true);
    polygon = clipEdge(polygon, 0, clip.right(), false);
    polygon = clipEdge(polygon, 1, clip.top(), true);
    polygon = clipEdge(polygon, 1, clip.bottom(), false);
    for (size_t i = 2; i < polygon.size(); ++i) {
        out.push_back(toGuiVertex(polygon[0]));
        out.push_back(toGuiVertex(polygon[i - 1]));
        out.push_back(toGuiVertex(polygon[i]));
    }
}

bool isInside(const SClipVertex& v, const CEGUI::Rectf& clip)
{
    return v.afValue[0] >= clip.left() && v.afValue[0] <= clip.right() && v.afValue[1] >= clip.top() &&
           v.afValue[1] <= clip.bottom();
}

}  // namespace

CCEGUIGeometryBuffer::CCEGUIGeometryBuffer(CCEGUIRenderer& owner) : m_Owner(owner)
{
}

CCEGUIGeometryBuffer::~CCEGUIGeometryBuffer() = default;

void CCEGUIGeometryBuffer::draw() const
{
    if (m_bDirty)
        build();
    for (const std::unique_ptr<Vantile::CMeshNode>& pNode : m_Nodes)
        m_Owner.queueNode(pNode.get());
}

void CCEGUIGeometryBuffer::setTranslation(const CEGUI::Vector3f& v)
{
    if (v != m_vTranslation)
        invalidate();
    m_vTranslation = v;
}

void CCEGUIGeometryBuffer::setRotation(const CEGUI::Quaternion& r)
{
    if (r != m_Rotation)
        invalidate();
    m_Rotation = r;
}

void CCEGUIGeometryBuffer::setPivot(const CEGUI::Vector3f& p)
{
    if (p != m_vPivot)
        invalidate();
    m_vPivot = p;
}

// Regions reaching left of or above the screen are cut at its edge.
void CCEGUIGeometryBuffer::setClippingRegion(const CEGUI::Rectf& region)
{
    const CEGUI::Rectf clip(std::max(0.0f, region.left()), std::max(0.0f, region.top()),
                            std::max(0.0f, region.right()), std::max(0.0f, region.bottom()));
    if (clip != m_ClipRect)
        invalidate();
    m_ClipRect = clip;
}

void CCEGUIGeometryBuffer::setClippingActive(const bool bActive)
{
    m_bClipping = bActive;
}

// A new batch starts whenever the texture or the clipping changes, so the
// batches keep the order in which CEGUI submitted the triangles.
void CCEGUIGeometryBuffer::appendGeometry(const CEGUI::Vertex* const pVertices, CEGUI::uint nCount)
{
    if (m_Batches.empty() || m_Batches.back().pTexture != m_pActiveTexture || m_Batches.back().bClip != m_bClipping)
        m_Batches.push_back({m_pActiveTexture, m_bClipping, {}});
    m_Batches.back().vertices.insert(m_Batches.back().vertices.end(), pVertices, pVertices + nCount);
    invalidate();
}

void CCEGUIGeometryBuffer::setActiveTexture(CEGUI::Texture* pTexture)
{
    m_pActiveTexture = static_cast<CCEGUITexture*>(pTexture);
}

void CCEGUIGeometryBuffer::reset()
{
    m_Batches.clear();
    m_pActiveTexture = nullptr;
    invalidate();
}

CEGUI::Texture* CCEGUIGeometryBuffer::getActiveTexture() const
{
    return m_pActiveTexture;
}

CEGUI::uint CCEGUIGeometryBuffer::getVertexCount() const
{
    size_t nCount = 0;
    for (const SBatch& batch : m_Batches)
        nCount += batch.vertices.size();
    return CEGUI::uint(nCount);
}

// Consecutive batches of one texture share a node: they differ only in
// clipping, which is applied here on the CPU.
void CCEGUIGeometryBuffer::build() const
{
    m_Owner.forgetNodes(m_Nodes);
    m_Nodes.clear();
    std::vector<SGuiVertex> run;
    for (size_t i = 0; i < m_Batches.size(); ++i) {
        emitBatch(m_Batches[i], run);
        const bool bLast = i + 1 == m_Batches.size();
        if (bLast || m_Batches[i + 1].pTexture != m_Batches[i].pTexture) {
            addNode(m_Batches[i].pTexture, run);
            run.clear();
        }
    }
    m_bDirty = false;
    ++m_nBuilds;
}

void CCEGUIGeometryBuffer::emitBatch(const SBatch& batch, std::vector<SGuiVertex>& out) const
{
    const size_t nTriangles = batch.vertices.size() / 3;
    for (size_t t = 0; t < nTriangles; ++t) {
        SClipVertex triangle[3];
        for (int k = 0; k < 3; ++k) {
            const CEGUI::Vertex& vertex = batch.vertices[t * 3 + k];
            triangle[k] = toClipVertex(place(vertex.position), vertex);
        }
        const bool bWhole = !batch.bClip || (isInside(triangle[0], m_ClipRect) &&
                                             isInside(triangle[1], m_ClipRect) && isInside(triangle[2], m_ClipRect));
        if (bWhole) {
            for (const SClipVertex& v : triangle)
                out.push_back(toGuiVertex(v));
        } else {
            clipTriangle(triangle, m_ClipRect, out);
        }
    }
}

// Rotation about the pivot, then the translation, as CEGUI places buffers.
CEGUI::Vector3f CCEGUIGeometryBuffer::place(const CEGUI::Vector3f& position) const
{
    if (m_Rotation == CEGUI::Quaternion::IDENTITY)
        return position + m_vTranslation;
    const CEGUI::Quaternion& q = m_Rotation;
    const CEGUI::Vector3f p = position - m_vPivot;
    // p' = q p q*, expanded.
    const CEGUI::Vector3f u(q.d_x, q.d_y, q.d_z);
    const auto dot = [](const CEGUI::Vector3f& a, const CEGUI::Vector3f& b) {
        return a.d_x * b.d_x + a.d_y * b.d_y + a.d_z * b.d_z;
    };
    const auto cross = [](const CEGUI::Vector3f& a, const CEGUI::Vector3f& b) {
        return CEGUI::Vector3f(a.d_y * b.d_z - a.d_z * b.d_y, a.d_z * b.d_x - a.d_x * b.d_z,
                               a.d_x * b.d_y - a.d_y * b.d_x);
    };
    const CEGUI::Vector3f rotated =
        u * (2.0f * dot(u, p)) + p * (q.d_w * q.d_w - dot(u, u)) + cross(u, p) * (2.0f * q.d_w);
    return rotated + m_vPivot + m_vTranslation;
}

void CCEGUIGeometryBuffer::addNode(CCEGUITexture* pTexture, const std::vector<SGuiVertex>& vertices) const
{
    if (vertices.empty())
        return;
    std::vector<uint8_t> bytes(vertices.size() * sizeof(SGuiVertex));
    memcpy(bytes.data(), vertices.data(), bytes.size());
    const uint32_t nTriangles = uint32_t(vertices.size() / 3);
    auto pMesh = std::make_shared<Vantile::CMesh>(FVF, std::move(bytes), std::vector<uint16_t>(),
                                                  std::vector<Vantile::CMesh::SSubset>{{0, nTriangles}});
    auto pNode = std::make_unique<Vantile::CMeshNode>("ceguiquad", Vantile::IdentityMatrix(), pMesh);
    Vantile::SMaterial material;
    material.pEffect = m_Owner.getEffect();
    if (pTexture)
        material.aTextures[0] = pTexture->getTexture();
    pNode->GetMaterials().push_back(material);
    m_Nodes.push_back(std::move(pNode));
}
