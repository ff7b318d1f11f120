#include "Game/Sprites/sprite.h"

#include <cstring>

#include "Core/vantile_frametimer.h"
#include "Game/Sprites/spriteloader.h"
#include "Game/Sprites/spritevertex.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Resources/vantile_texturemanager.h"
#include "Scene/vantile_device.h"

namespace {

// Sprites sit in front of everything 3D; layering among them is by draw
// order alone.
const float SPRITE_Z = 1000.0f;

std::shared_ptr<Vantile::CMesh> BuildQuad(D3DCOLOR dwColor, const STextureRect& rect, float fWidth, float fHeight)
{
    SSpriteVertex quad[4];
    FillSpriteQuad(quad, {0.0f, 0.0f, fWidth, fHeight, SPRITE_Z}, {rect.fU0, rect.fU1, rect.fV0, rect.fV1}, dwColor);
    std::vector<uint8_t> vertices(sizeof(quad));
    memcpy(vertices.data(), quad, sizeof(quad));
    std::vector<uint16_t> indices(std::begin(SPRITE_QUAD_INDICES), std::end(SPRITE_QUAD_INDICES));
    return std::make_shared<Vantile::CMesh>(SPRITE_FVF, std::move(vertices), std::move(indices),
                                            std::vector<Vantile::CMesh::SSubset>());
}

}  // namespace

CSprite::CSprite(const std::string& strTexture, D3DCOLOR dwColor, bool bFiltered, bool bLoadNow)
    : CMeshNode(strTexture, Vantile::IdentityMatrix(), nullptr),
      m_strTexture(strTexture),
      m_bFiltered(bFiltered),
      m_dwColor(dwColor)
{
    if (bLoadNow)
        loadTexture();
    else
        CSpriteLoader::Instance().add(this);
}

CSprite::CSprite(const std::string& strTexture, float fWidth, float fHeight)
    : CMeshNode(strTexture, Vantile::IdentityMatrix(), nullptr),
      m_strTexture(strTexture),
      m_fTextureWidth(fWidth),
      m_fTextureHeight(fHeight),
      m_bFiltered(false),
      m_dwColor(WHITE)
{
    setRect(m_dwColor, STextureRect(), fWidth, fHeight, true);
}

CSprite::~CSprite()
{
    if (!m_bBuilt)
        CSpriteLoader::Instance().remove(this);
}

void CSprite::loadTexture()
{
    const Vantile::TextureRef texture = Vantile::CTextureManager::Instance().GetTexture(m_strTexture);
    m_fTextureWidth = float(texture.GetTexture()->GetWidth());
    m_fTextureHeight = float(texture.GetTexture()->GetHeight());
    setRect(m_dwColor, STextureRect(), m_fTextureWidth, m_fTextureHeight, true);
}

void CSprite::setRect(D3DCOLOR dwColor, const STextureRect& rect, float fWidth, float fHeight, bool bMakeMaterial)
{
    m_dwColor = dwColor;
    m_fWidth = fWidth;
    m_fHeight = fHeight;
    m_fRotation = 0.0f;
    if (bMakeMaterial || m_Materials.empty()) {
        Vantile::SMaterial material;
        material.pEffect = Vantile::SceneEffect(m_bFiltered ? FILTERED_EFFECT : EFFECT);
        material.aTextures[0] = Vantile::CTextureManager::Instance().GetTexture(m_strTexture);
        m_Materials.assign(1, material);
    }
    m_pMesh = BuildQuad(dwColor, rect, fWidth, fHeight);
    m_bBuilt = true;
    if (m_bTimePending)
        setTime(m_fPendingTime);
    m_bTimePending = false;
}

D3DXVECTOR3 CSprite::anchorOffset() const
{
    const float w = m_fWidth, h = m_fHeight;
    switch (m_nAnchor) {
    case 0: return D3DXVECTOR3(0.0f, -h, 0.0f);
    case 1: return D3DXVECTOR3(-w, -h, 0.0f);
    case 2: return D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    case 3: return D3DXVECTOR3(-w, 0.0f, 0.0f);
    case 5: return D3DXVECTOR3(-w / 2, 0.0f, 0.0f);
    case 6: return D3DXVECTOR3(-w / 2, -h, 0.0f);
    case 7: return D3DXVECTOR3(-w, -h / 2, 0.0f);
    case 8: return D3DXVECTOR3(0.0f, -h / 2, 0.0f);
    default: return D3DXVECTOR3(-w / 2, -h / 2, 0.0f);
    }
}

const D3DXMATRIX& CSprite::UpdateWorldMatrix(const D3DXMATRIX& mParentWorld)
{
    const D3DXVECTOR3 vOffset = anchorOffset();
    D3DXMATRIX mAnchor, mRotation, mPosition;
    if (m_fRotation == 0.0f) {
        const float fLeft = m_vPosition.x + vOffset.x, fBottom = m_vPosition.y + vOffset.y;
        D3DXMatrixTranslation(&m_mWorld, PixelEdgeX(fLeft), PixelEdgeY(fBottom), m_vPosition.z + vOffset.z);
        return m_mWorld;
    }
    D3DXMatrixTranslation(&mAnchor, vOffset.x, vOffset.y, vOffset.z);
    D3DXMatrixRotationZ(&mRotation, m_fRotation);
    D3DXMatrixTranslation(&mPosition, m_vPosition.x, m_vPosition.y, m_vPosition.z);
    m_mWorld = mAnchor * mRotation * mPosition;
    return m_mWorld;
}

int CSprite::Enqueue()
{
    UpdateWorldMatrix(Vantile::IdentityMatrix());
    Vantile::CRenderQueue* pQueue = Vantile::CRenderQueue::Current();
    for (size_t i = 0; pQueue && i < m_Materials.size(); ++i) {
        Vantile::SMaterial& material = m_Materials[i];
        if (!material.aTextures[0].GetTexture())
            continue;
        // Sprites made before the render queue existed get their effect now.
        if (!material.pEffect)
            material.pEffect = Vantile::SceneEffect(m_bFiltered ? FILTERED_EFFECT : EFFECT);
        pQueue->Enqueue({this, i});
    }
    return 1;
}

void CSprite::Render(int nSubset)
{
    IDirect3DDevice8* pDevice = Vantile::SceneDevice();
    if (!pDevice)
        return;
    const DWORD dwAlpha = DWORD(m_fAlpha * 255.0f + 0.5f);
    Vantile::CRenderStateScope factor(pDevice, D3DRS_TEXTUREFACTOR, dwAlpha << 24);
    CMeshNode::Render(nSubset);
}

void CSprite::Animate()
{
    Animate(Vantile::CFrameTimer::Instance().frameSeconds());
}

void CSprite::draw()
{
    Animate(Vantile::CFrameTimer::Instance().frameSeconds());
    Enqueue();
}

void CSprite::drawAt(const D3DXVECTOR3& vPosition)
{
    Animate(Vantile::CFrameTimer::Instance().frameSeconds());
    setPosition(vPosition);
    Enqueue();
}

void CSprite::placeAt(const D3DXVECTOR3& vPosition)
{
    setPosition(vPosition);
    Enqueue();
}
