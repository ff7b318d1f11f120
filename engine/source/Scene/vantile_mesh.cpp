#include "Scene/vantile_mesh.h"

#include <algorithm>
#include <cstring>

#include "Scene/vantile_device.h"

namespace Vantile {

namespace {

UINT PositionSize(DWORD dwPosition)
{
    switch (dwPosition) {
    case D3DFVF_XYZ: return 12;
    case D3DFVF_XYZRHW: return 16;
    case D3DFVF_XYZB1: return 16;
    case D3DFVF_XYZB2: return 20;
    case D3DFVF_XYZB3: return 24;
    case D3DFVF_XYZB4: return 28;
    case D3DFVF_XYZB5: return 32;
    default: return 0;
    }
}

// Bytes of texture coordinate set i from its two format bits.
UINT TexCoordSize(DWORD dwFVF, UINT nSet)
{
    switch ((dwFVF >> (16 + nSet * 2)) & 3) {
    case D3DFVF_TEXTUREFORMAT1: return 4;
    case D3DFVF_TEXTUREFORMAT3: return 12;
    case D3DFVF_TEXTUREFORMAT4: return 16;
    default: return 8;
    }
}

}  // namespace

UINT GetFVFVertexSize(DWORD dwFVF)
{
    const UINT nTexCount = (dwFVF & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT;
    const UINT nPosition = PositionSize(dwFVF & D3DFVF_POSITION_MASK);
    if (nPosition == 0 || nTexCount > 8 || (dwFVF & (D3DFVF_RESERVED0 | D3DFVF_RESERVED2)))
        return 0;
    // Format bits of sets the vertex does not have mean nothing valid.
    if (nTexCount < 8 && (dwFVF >> (16 + nTexCount * 2)) != 0)
        return 0;
    UINT nSize = nPosition;
    if (dwFVF & D3DFVF_NORMAL)
        nSize += 12;
    if (dwFVF & D3DFVF_PSIZE)
        nSize += 4;
    if (dwFVF & D3DFVF_DIFFUSE)
        nSize += 4;
    if (dwFVF & D3DFVF_SPECULAR)
        nSize += 4;
    for (UINT i = 0; i < nTexCount; ++i)
        nSize += TexCoordSize(dwFVF, i);
    return nSize;
}

CMesh::CMesh(DWORD dwFVF, std::vector<uint8_t> vertices, std::vector<uint16_t> indices, std::vector<SSubset> subsets)
    : m_dwFVF(dwFVF),
      m_nVertexSize(std::max(GetFVFVertexSize(dwFVF), 12u)),
      m_Vertices(std::move(vertices)),
      m_Indices(std::move(indices)),
      m_Subsets(std::move(subsets))
{
    m_nVertexCount = UINT(m_Vertices.size() / m_nVertexSize);
    m_nTriangleCount = UINT(m_Indices.empty() ? m_nVertexCount / 3 : m_Indices.size() / 3);
    ComputeBounds();
    ClampSubsets();
}

CMesh::~CMesh()
{
    ReleaseBuffers();
}

void CMesh::ComputeBounds()
{
    m_vMin = m_vMax = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    for (UINT i = 0; i < m_nVertexCount; ++i) {
        D3DXVECTOR3 vPosition;
        memcpy(&vPosition.x, &m_Vertices[size_t(i) * m_nVertexSize], 12);
        if (i == 0) {
            m_vMin = m_vMax = vPosition;
            continue;
        }
        D3DXVec3Minimize(&m_vMin, &m_vMin, &vPosition);
        D3DXVec3Maximize(&m_vMax, &m_vMax, &vPosition);
    }
}

// A subset reaching past the data would make the driver read beyond the
// buffers.
void CMesh::ClampSubsets()
{
    for (SSubset& subset : m_Subsets) {
        subset.nFirstTriangle = std::min(subset.nFirstTriangle, m_nTriangleCount);
        subset.nTriangleCount = std::min(subset.nTriangleCount, m_nTriangleCount - subset.nFirstTriangle);
    }
}

bool CMesh::CreateBuffers(IDirect3DDevice8* pDevice)
{
    ReleaseBuffers();
    BYTE* pData = nullptr;
    if (FAILED(pDevice->CreateVertexBuffer(UINT(m_Vertices.size()), 0, m_dwFVF, D3DPOOL_MANAGED, &m_pVertexBuffer)))
        return false;
    if (SUCCEEDED(m_pVertexBuffer->Lock(0, 0, &pData, 0))) {
        memcpy(pData, m_Vertices.data(), m_Vertices.size());
        m_pVertexBuffer->Unlock();
    }
    if (!m_Indices.empty()) {
        const UINT nBytes = UINT(m_Indices.size() * sizeof(uint16_t));
        if (FAILED(pDevice->CreateIndexBuffer(nBytes, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &m_pIndexBuffer)))
            return false;
        if (SUCCEEDED(m_pIndexBuffer->Lock(0, 0, &pData, 0))) {
            memcpy(pData, m_Indices.data(), nBytes);
            m_pIndexBuffer->Unlock();
        }
    }
    m_pBufferDevice = pDevice;
    return true;
}

void CMesh::ReleaseBuffers()
{
    if (m_pVertexBuffer)
        m_pVertexBuffer->Release();
    if (m_pIndexBuffer)
        m_pIndexBuffer->Release();
    m_pVertexBuffer = nullptr;
    m_pIndexBuffer = nullptr;
    m_pBufferDevice = nullptr;
}

void CMesh::Render(int nSubset)
{
    IDirect3DDevice8* pDevice = SceneDevice();
    if (!pDevice || m_nTriangleCount == 0)
        return;
    if (pDevice != m_pBufferDevice && !CreateBuffers(pDevice))
        return;
    UINT nFirst = 0;
    UINT nCount = m_nTriangleCount;
    if (nSubset >= 0 && size_t(nSubset) < m_Subsets.size()) {
        nFirst = m_Subsets[nSubset].nFirstTriangle;
        nCount = m_Subsets[nSubset].nTriangleCount;
    }
    if (nCount == 0)
        return;
    pDevice->SetStreamSource(0, m_pVertexBuffer, m_nVertexSize);
    pDevice->SetVertexShader(m_dwFVF);
    if (m_pIndexBuffer) {
        pDevice->SetIndices(m_pIndexBuffer, 0);
        pDevice->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, m_nVertexCount, nFirst * 3, nCount);
    } else {
        pDevice->DrawPrimitive(D3DPT_TRIANGLELIST, nFirst * 3, nCount);
    }
}

}  // namespace Vantile
