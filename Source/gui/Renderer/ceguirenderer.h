// CEGUI's renderer on the engine: textures from the texture cache, geometry
// as mesh nodes drawn by the render queue through the GUI effect. CEGUI
// draws its windows during the GUI frame handler's renderGUI; the buffers it
// draws hand their nodes to this frame's list, which the GUI render stage
// puts into the render queue later in the frame.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <CEGUI/RenderTarget.h>
#include <CEGUI/Renderer.h>

#include "d3d/d3d8.h"

namespace Vantile {
class CFxEffect;
class CMeshNode;
}  // namespace Vantile

class CCEGUIGeometryBuffer;
class CCEGUITexture;

// The screen itself. Windows are drawn straight into it.
class CCEGUIRenderTarget : public CEGUI::RenderTarget {
public:
    void draw(const CEGUI::GeometryBuffer& buffer) override;
    void draw(const CEGUI::RenderQueue& queue) override;
    void setArea(const CEGUI::Rectf& area) override;
    const CEGUI::Rectf& getArea() const override { return m_Area; }
    bool isImageryCache() const override { return false; }
    void activate() override {}
    void deactivate() override {}
    // Buffers are drawn flat in screen pixels: nothing to undo.
    void unprojectPoint(const CEGUI::GeometryBuffer& buffer, const CEGUI::Vector2f& vIn,
                        CEGUI::Vector2f& vOut) const override
    {
        vOut = vIn;
    }

private:
    CEGUI::Rectf m_Area = CEGUI::Rectf(0.0f, 0.0f, 0.0f, 0.0f);
};

class CCEGUIRenderer : public CEGUI::Renderer {
public:
    static constexpr const char* EFFECT = "TranspNoZForGui.fx";

    // The display area is the device's viewport (800 x 600 without one).
    explicit CCEGUIRenderer(IDirect3DDevice8* pDevice);
    ~CCEGUIRenderer() override;
    CCEGUIRenderer(const CCEGUIRenderer&) = delete;
    CCEGUIRenderer& operator=(const CCEGUIRenderer&) = delete;

    CEGUI::RenderTarget& getDefaultRenderTarget() override { return m_DefaultTarget; }
    CEGUI::GeometryBuffer& createGeometryBuffer() override;
    void destroyGeometryBuffer(const CEGUI::GeometryBuffer& buffer) override;
    void destroyAllGeometryBuffers() override;
    // Windows that ask for a texture of their own are drawn directly.
    CEGUI::TextureTarget* createTextureTarget() override { return nullptr; }
    void destroyTextureTarget(CEGUI::TextureTarget* pTarget) override {}
    void destroyAllTextureTargets() override {}
    CEGUI::Texture& createTexture(const CEGUI::String& strName) override;
    CEGUI::Texture& createTexture(const CEGUI::String& strName, const CEGUI::String& strFileName,
                                  const CEGUI::String& strResourceGroup) override;
    // The size is ignored: the texture takes the size of what it loads.
    CEGUI::Texture& createTexture(const CEGUI::String& strName, const CEGUI::Sizef& size) override;
    void destroyTexture(CEGUI::Texture& texture) override;
    void destroyTexture(const CEGUI::String& strName) override;
    void destroyAllTextures() override;
    CEGUI::Texture& getTexture(const CEGUI::String& strName) const override;
    bool isTextureDefined(const CEGUI::String& strName) const override;
    // Starts a new frame's list of nodes.
    void beginRendering() override;
    void endRendering() override {}
    void setDisplaySize(const CEGUI::Sizef& size) override;
    const CEGUI::Sizef& getDisplaySize() const override { return m_DisplaySize; }
    const CEGUI::Vector2f& getDisplayDPI() const override { return m_DPI; }
    // Keeps glyph pages and image sets small enough for every device.
    CEGUI::uint getMaxTextureSize() const override { return 512; }
    const CEGUI::String& getIdentifierString() const override { return m_strIdentifier; }

    // Called by the GUI render stage: every node of this frame's list into
    // the current render queue, in drawing order.
    void EnqueueGeometry();

    // For the geometry buffers: a node to draw this frame, and nodes about
    // to be deleted (they leave the frame's list).
    void queueNode(Vantile::CMeshNode* pNode) { m_FrameNodes.push_back(pNode); }
    void forgetNodes(const std::vector<std::unique_ptr<Vantile::CMeshNode>>& nodes);
    // The GUI effect of the current render queue; null without a queue.
    Vantile::CFxEffect* getEffect() const;

    const std::vector<Vantile::CMeshNode*>& getFrameNodes() const { return m_FrameNodes; }
    size_t getGeometryBufferCount() const { return m_Buffers.size(); }

private:
    CCEGUITexture& addTexture(const CEGUI::String& strName);

    CCEGUIRenderTarget m_DefaultTarget;
    std::vector<std::unique_ptr<CCEGUIGeometryBuffer>> m_Buffers;
    std::map<CEGUI::String, std::unique_ptr<CCEGUITexture>> m_Textures;
    std::vector<Vantile::CMeshNode*> m_FrameNodes;
    CEGUI::Sizef m_DisplaySize;
    CEGUI::Vector2f m_DPI = CEGUI::Vector2f(96.0f, 96.0f);
    CEGUI::String m_strIdentifier = "Quellon engine renderer";
};
