// Vertex and index data of one exported mesh, shared by every clone of its
// node. The bytes are kept, and the device buffers are made on the first
// draw, so objects load (and tools run) without a window.
#pragma once

#include <cstdint>
#include <vector>

#include "d3d/d3dx8.h"

namespace Vantile {

// Bytes per vertex of a flexible vertex format; 0 for a code this engine
// cannot draw (no position, reserved bits, more than eight coordinate sets).
UINT GetFVFVertexSize(DWORD dwFVF);

class CMesh {
public:
    struct SSubset {
        uint32_t nFirstTriangle;
        uint32_t nTriangleCount;
    };

    // The format must have a size of at least a position (12 bytes). Subsets
    // are cut to the triangles the data holds.
    CMesh(DWORD dwFVF, std::vector<uint8_t> vertices, std::vector<uint16_t> indices, std::vector<SSubset> subsets);
    ~CMesh();
    CMesh(const CMesh&) = delete;
    CMesh& operator=(const CMesh&) = delete;

    // Subset -1, or any subset of a mesh without subsets, draws everything.
    void Render(int nSubset);

    DWORD GetFVF() const { return m_dwFVF; }
    UINT GetVertexSize() const { return m_nVertexSize; }
    UINT GetVertexCount() const { return m_nVertexCount; }
    UINT GetTriangleCount() const { return m_nTriangleCount; }
    const std::vector<uint8_t>& GetVertexData() const { return m_Vertices; }
    const std::vector<uint16_t>& GetIndices() const { return m_Indices; }
    const std::vector<SSubset>& GetSubsets() const { return m_Subsets; }
    const D3DXVECTOR3& GetBoundsMin() const { return m_vMin; }
    const D3DXVECTOR3& GetBoundsMax() const { return m_vMax; }

private:
    void ComputeBounds();
    void ClampSubsets();
    bool CreateBuffers(IDirect3DDevice8* pDevice);
    void ReleaseBuffers();

    DWORD m_dwFVF;
    UINT m_nVertexSize;
    UINT m_nVertexCount;
    UINT m_nTriangleCount;
    std::vector<uint8_t> m_Vertices;
    std::vector<uint16_t> m_Indices;
    std::vector<SSubset> m_Subsets;
    D3DXVECTOR3 m_vMin;
    D3DXVECTOR3 m_vMax;
    IDirect3DDevice8* m_pBufferDevice = nullptr;
    IDirect3DVertexBuffer8* m_pVertexBuffer = nullptr;
    IDirect3DIndexBuffer8* m_pIndexBuffer = nullptr;
};

}  // namespace Vantile
