#include "Game/Sprites/spritevb.h"

#include <algorithm>
#include <cmath>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Resources/vantile_resource.h"
#include "Resources/vantile_texturemanager.h"
#include "Scene/vantile_device.h"

namespace {

SSpriteMap ReadSpriteMap(const std::string& strAtlas)
{
    Vantile::CResource file(strAtlas);
    file.Load();
    SSpriteMap map;
    std::string strError;
    if (!ParseSpriteMap(reinterpret_cast<const char*>(file.GetData()), file.GetSize(), map, strError))
        VANTILE_EXCEPT(0, "Failed to load sprite map [" + strAtlas + "]: " + strError, "CSpriteVB::CSpriteVB");
    return map;
}

}  // namespace

CSpriteVB::CSpriteVB(const std::string& strEffect, const std::string& strAtlas, UINT nCapacity)
    : m_nCapacity(std::min(nCapacity, DEFAULT_CAPACITY)), m_strEffect(strEffect)
{
    SSpriteMap map = ReadSpriteMap(strAtlas);
    m_nFrameWidth = map.nFrameWidth;
    m_nFrameHeight = map.nFrameHeight;
    m_nFPS = map.nFPS;
    m_Frames = std::move(map.frames);
    m_Material.pEffect = Vantile::SceneEffect(m_strEffect);
    m_Material.aTextures[0] = Vantile::CTextureManager::Instance().GetTexture(map.strTexture);
    m_Vertices.assign(m_nCapacity, SSpriteVertex());
    m_Indices.assign(size_t(m_nCapacity) * 3 / 2, 0);
}

D3DXMATRIX CSpriteVB::GetWorldMatrix(size_t nIndex) const
{
    return Vantile::IdentityMatrix();
}

bool CSpriteVB::addFrame(int nFrame, const D3DXVECTOR3& vPosition, float fRotation, D3DCOLOR dwColor)
{
    if (nFrame < 0 || size_t(nFrame) >= m_Frames.size())
        return false;
    if (m_nUsedVertices + 4 > m_nCapacity || m_nUsedIndices + 6 > m_Indices.size()) {
        if (!m_bOverflowReported)
            Vantile::CLog::Instance().Write(Vantile::LOG_ERROR, "Sprite batch is full; frames are dropped until it is reset");
        m_bOverflowReported = true;
        return false;
    }
    const float fHalfW = float(m_nFrameWidth / 2), fHalfH = float(m_nFrameHeight / 2);
    const STextureRect& rect = m_Frames[nFrame];
    SSpriteVertex* pQuad = &m_Vertices[m_nUsedVertices];
    FillSpriteQuad(pQuad, {-fHalfW, -fHalfH, fHalfW, fHalfH, 0.0f}, {rect.fU0, rect.fU1, rect.fV1, rect.fV0}, dwColor);
    const float fCos = std::cos(fRotation), fSin = std::sin(fRotation);
    for (int i = 0; i < 4; ++i) {
        const float x = pQuad[i].x, y = pQuad[i].y;
        if (fRotation != 0.0f) {
            pQuad[i].x = x * fCos - y * fSin;
            pQuad[i].y = x * fSin + y * fCos;
        }
        pQuad[i].x += vPosition.x;
        pQuad[i].y += vPosition.y;
        pQuad[i].z += vPosition.z;
    }
    for (int i = 0; i < 6; ++i)
        m_Indices[m_nUsedIndices + i] = uint16_t(m_nUsedVertices + SPRITE_QUAD_INDICES[i]);
    m_nUsedVertices += 4;
    m_nUsedIndices += 6;
    return true;
}

void CSpriteVB::reset()
{
    m_nUsedVertices = 0;
    m_nUsedIndices = 0;
    m_bOverflowReported = false;
}

void CSpriteVB::submit()
{
    // Batches made before a render queue existed get their effect now.
    if (!m_Material.pEffect)
        m_Material.pEffect = Vantile::SceneEffect(m_strEffect);
    Vantile::CRenderQueue* pQueue = Vantile::CRenderQueue::Current();
    if (pQueue && m_Material.pEffect)
        pQueue->Enqueue({this, 0});
}

void CSpriteVB::Render(int nSubset)
{
    IDirect3DDevice8* pDevice = Vantile::SceneDevice();
    if (!pDevice || m_nUsedVertices == 0)
        return;
    pDevice->SetVertexShader(SPRITE_FVF);
    pDevice->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 0, m_nUsedVertices, m_nUsedIndices / 3, m_Indices.data(),
                                    D3DFMT_INDEX16, m_Vertices.data(), sizeof(SSpriteVertex));
}
