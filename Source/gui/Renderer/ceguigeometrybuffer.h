// One CEGUI geometry buffer: the triangles of a window (or of text the game
// draws with a CEGUI font) with their textures, placement and clip region.
// The vertices become engine mesh nodes, one per run of triangles that
// share a texture, only when the buffer changed since it was last drawn;
// an unchanged buffer hands the same nodes to the frame again.
#pragma once

#include <memory>
#include <vector>

#include <CEGUI/GeometryBuffer.h>
#include <CEGUI/Quaternion.h>
#include <CEGUI/Rect.h>
#include <CEGUI/Vertex.h>

#include "Scene/vantile_meshnode.h"

class CCEGUIRenderer;
class CCEGUITexture;

// A pre-transformed, coloured, textured vertex (FVF 0x144, 28 bytes).
struct SGuiVertex {
    float x, y, z, rhw;
    uint32_t dwColor;
    float u, v;
};

class CCEGUIGeometryBuffer : public CEGUI::GeometryBuffer {
public:
    static constexpr DWORD FVF = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

    explicit CCEGUIGeometryBuffer(CCEGUIRenderer& owner);
    ~CCEGUIGeometryBuffer() override;

    // Hands this buffer's nodes to the renderer's frame, rebuilding them
    // first when anything changed.
    void draw() const override;
    void setTranslation(const CEGUI::Vector3f& v) override;
    void setRotation(const CEGUI::Quaternion& r) override;
    void setPivot(const CEGUI::Vector3f& p) override;
    void setClippingRegion(const CEGUI::Rectf& region) override;
    void appendVertex(const CEGUI::Vertex& vertex) override { appendGeometry(&vertex, 1); }
    void appendGeometry(const CEGUI::Vertex* const pVertices, CEGUI::uint nCount) override;
    void setActiveTexture(CEGUI::Texture* pTexture) override;
    void reset() override;
    CEGUI::Texture* getActiveTexture() const override;
    CEGUI::uint getVertexCount() const override;
    CEGUI::uint getBatchCount() const override { return CEGUI::uint(m_Batches.size()); }
    void setRenderEffect(CEGUI::RenderEffect* pEffect) override { m_pEffect = pEffect; }
    CEGUI::RenderEffect* getRenderEffect() override { return m_pEffect; }
    void setClippingActive(const bool bActive) override;
    bool isClippingActive() const override { return m_bClipping; }

    // The nodes of the last build, in drawing order.
    const std::vector<std::unique_ptr<Vantile::CMeshNode>>& getNodes() const { return m_Nodes; }
    // How many times the nodes were rebuilt, for tests and the benchmark.
    size_t getBuildCount() const { return m_nBuilds; }

private:
    struct SBatch {
        CCEGUITexture* pTexture;
        bool bClip;
        std::vector<CEGUI::Vertex> vertices;
    };

    void build() const;
    // Placed and clipped vertices of one batch, appended to out.
    void emitBatch(const SBatch& batch, std::vector<SGuiVertex>& out) const;
    CEGUI::Vector3f place(const CEGUI::Vector3f& position) const;
    void addNode(CCEGUITexture* pTexture, const std::vector<SGuiVertex>& vertices) const;
    void invalidate() { m_bDirty = true; }

    CCEGUIRenderer& m_Owner;
    std::vector<SBatch> m_Batches;
    CCEGUITexture* m_pActiveTexture = nullptr;
    CEGUI::Rectf m_ClipRect = CEGUI::Rectf(0.0f, 0.0f, 0.0f, 0.0f);
    bool m_bClipping = true;
    CEGUI::Vector3f m_vTranslation = CEGUI::Vector3f(0.0f, 0.0f, 0.0f);
    CEGUI::Quaternion m_Rotation = CEGUI::Quaternion::IDENTITY;
    CEGUI::Vector3f m_vPivot = CEGUI::Vector3f(0.0f, 0.0f, 0.0f);
    CEGUI::RenderEffect* m_pEffect = nullptr;
    mutable std::vector<std::unique_ptr<Vantile::CMeshNode>> m_Nodes;
    mutable bool m_bDirty = true;
    mutable size_t m_nBuilds = 0;
};
