#include "gui/Renderer/ceguirenderer.h"

#include <algorithm>

#include <CEGUI/Exceptions.h>
#include <CEGUI/RenderQueue.h>

#include "Renderstages/vantile_renderqueue.h"
#include "gui/Renderer/ceguigeometrybuffer.h"
#include "gui/Renderer/ceguitexture.h"

void CCEGUIRenderTarget::draw(const CEGUI::GeometryBuffer& buffer)
{
    buffer.draw();
}

void CCEGUIRenderTarget::draw(const CEGUI::RenderQueue& queue)
{
    queue.draw();
}

void CCEGUIRenderTarget::setArea(const CEGUI::Rectf& area)
{
    m_Area = area;
    CEGUI::RenderTargetEventArgs args(this);
    fireEvent(EventAreaChanged, args);
}

CCEGUIRenderer::CCEGUIRenderer(IDirect3DDevice8* pDevice) : m_DisplaySize(800.0f, 600.0f)
{
    D3DVIEWPORT8 viewport = {};
    if (pDevice && SUCCEEDED(pDevice->GetViewport(&viewport)))
        m_DisplaySize = CEGUI::Sizef(float(viewport.Width), float(viewport.Height));
    m_DefaultTarget.setArea(CEGUI::Rectf(CEGUI::Vector2f(0.0f, 0.0f), m_DisplaySize));
}

CCEGUIRenderer::~CCEGUIRenderer() = default;

CEGUI::GeometryBuffer& CCEGUIRenderer::createGeometryBuffer()
{
    m_Buffers.push_back(std::make_unique<CCEGUIGeometryBuffer>(*this));
    return *m_Buffers.back();
}

void CCEGUIRenderer::destroyGeometryBuffer(const CEGUI::GeometryBuffer& buffer)
{
    const auto it = std::find_if(m_Buffers.begin(), m_Buffers.end(),
                                 [&](const std::unique_ptr<CCEGUIGeometryBuffer>& p) { return p.get() == &buffer; });
    if (it == m_Buffers.end())
        return;
    forgetNodes((*it)->getNodes());
    m_Buffers.erase(it);
}

void CCEGUIRenderer::destroyAllGeometryBuffers()
{
    m_FrameNodes.clear();
    m_Buffers.clear();
}

CEGUI::Texture& CCEGUIRenderer::createTexture(const CEGUI::String& strName)
{
    return addTexture(strName);
}

CEGUI::Texture& CCEGUIRenderer::createTexture(const CEGUI::String& strName, const CEGUI::String& strFileName,
                                              const CEGUI::String& strResourceGroup)
{
    CCEGUITexture& texture = addTexture(strName);
    texture.loadFromFile(strFileName, strResourceGroup);
    return texture;
}

CEGUI::Texture& CCEGUIRenderer::createTexture(const CEGUI::String& strName, const CEGUI::Sizef& size)
{
    return addTexture(strName);
}

CCEGUITexture& CCEGUIRenderer::addTexture(const CEGUI::String& strName)
{
    if (m_Textures.count(strName))
        CEGUI_THROW(CEGUI::AlreadyExistsException("A texture named '" + strName + "' already exists."));
    std::unique_ptr<CCEGUITexture>& pTexture = m_Textures[strName];
    pTexture = std::make_unique<CCEGUITexture>(strName);
    return *pTexture;
}

void CCEGUIRenderer::destroyTexture(CEGUI::Texture& texture)
{
    destroyTexture(texture.getName());
}

void CCEGUIRenderer::destroyTexture(const CEGUI::String& strName)
{
    m_Textures.erase(strName);
}

void CCEGUIRenderer::destroyAllTextures()
{
    m_Textures.clear();
}

CEGUI::Texture& CCEGUIRenderer::getTexture(const CEGUI::String& strName) const
{
    const auto it = m_Textures.find(strName);
    if (it == m_Textures.end())
        CEGUI_THROW(CEGUI::UnknownObjectException("No texture named '" + strName + "' is available."));
    return *it->second;
}

bool CCEGUIRenderer::isTextureDefined(const CEGUI::String& strName) const
{
    return m_Textures.count(strName) != 0;
}

void CCEGUIRenderer::beginRendering()
{
    m_FrameNodes.clear();
}

void CCEGUIRenderer::setDisplaySize(const CEGUI::Sizef& size)
{
    m_DisplaySize = size;
    m_DefaultTarget.setArea(CEGUI::Rectf(CEGUI::Vector2f(0.0f, 0.0f), size));
}

void CCEGUIRenderer::EnqueueGeometry()
{
    for (Vantile::CMeshNode* pNode : m_FrameNodes)
        pNode->Enqueue();
}

void CCEGUIRenderer::forgetNodes(const std::vector<std::unique_ptr<Vantile::CMeshNode>>& nodes)
{
    if (nodes.empty() || m_FrameNodes.empty())
        return;
    const auto isGoing = [&](Vantile::CMeshNode* pNode) {
        return std::any_of(nodes.begin(), nodes.end(),
                           [&](const std::unique_ptr<Vantile::CMeshNode>& p) { return p.get() == pNode; });
    };
    m_FrameNodes.erase(std::remove_if(m_FrameNodes.begin(), m_FrameNodes.end(), isGoing), m_FrameNodes.end());
}

Vantile::CFxEffect* CCEGUIRenderer::getEffect() const
{
    Vantile::CRenderQueue* pQueue = Vantile::CRenderQueue::Current();
    return pQueue ? pQueue->GetEffect(EFFECT, true) : nullptr;
}
