// The batch of one sprite atlas: every atlas frame drawn during a frame
// adds a quad to its arrays, and the whole batch is one draw call.
#pragma once

#include <string>
#include <vector>

#include "Game/Sprites/spritemap.h"
#include "Game/Sprites/spritevertex.h"
#include "Scene/vantile_material.h"
#include "Scene/vantile_node.h"

class CSpriteVB : public Vantile::IRenderTarget {
public:
    static constexpr UINT DEFAULT_CAPACITY = 65535;

    // Reads the ".map" through the resource manager and fetches its
    // texture. A missing file throws the resource manager's exception; a
    // malformed one throws code 0.
    CSpriteVB(const std::string& strEffect, const std::string& strAtlas, UINT nCapacity);

    size_t GetWorldMatrixCount() const override { return 1; }
    D3DXMATRIX GetWorldMatrix(size_t nIndex) const override;
    const Vantile::SMaterial* GetMaterial(size_t nIndex) const override { return &m_Material; }
    void Render(int nSubset) override;

    // False (and nothing added) for a frame the atlas does not have or when
    // the batch is full: a batch nobody empties must not write past its
    // arrays.
    bool addFrame(int nFrame, const D3DXVECTOR3& vPosition, float fRotation, D3DCOLOR dwColor);
    void reset();
    // One render item for the whole batch.
    void submit();

    int getFrameCount() const { return int(m_Frames.size()); }
    int getFPS() const { return m_nFPS; }
    int getFrameWidth() const { return m_nFrameWidth; }
    int getFrameHeight() const { return m_nFrameHeight; }
    const STextureRect& getFrame(int nFrame) const { return m_Frames[nFrame]; }
    UINT getUsedVertexCount() const { return m_nUsedVertices; }
    UINT getUsedIndexCount() const { return m_nUsedIndices; }
    const SSpriteVertex* getVertices() const { return m_Vertices.data(); }
    const uint16_t* getIndices() const { return m_Indices.data(); }

private:
    std::vector<SSpriteVertex> m_Vertices;
    UINT m_nUsedVertices = 0;
    UINT m_nCapacity;
    std::vector<uint16_t> m_Indices;
    UINT m_nUsedIndices = 0;
    Vantile::SMaterial m_Material;
    std::string m_strEffect;
    int m_nFrameWidth = 0;
    int m_nFrameHeight = 0;
    int m_nFPS = SSpriteMap::DEFAULT_FPS;
    std::vector<STextureRect> m_Frames;
    bool m_bOverflowReported = false;
};
