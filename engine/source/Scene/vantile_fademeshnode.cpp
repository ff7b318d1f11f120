#include "Scene/vantile_fademeshnode.h"

#include <cstring>

#include "Scene/vantile_device.h"

namespace Vantile {

namespace {

const DWORD FADE_FVF = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_SPECULAR | D3DFVF_TEX1;

struct SFadeVertex {
    float x, y, z, rhw;
    D3DCOLOR dwDiffuse;
    D3DCOLOR dwSpecular;
    float u, v;
};

std::shared_ptr<CMesh> MakeQuad(UINT nWidth, UINT nHeight)
{
    const float w = float(nWidth);
    const float h = float(nHeight);
    const SFadeVertex vertices[4] = {
        {0, 0, 0, 1, 0xFFFFFFFF, 0xFFFFFFFF, 0, 0},
        {w, 0, 0, 1, 0xFFFFFFFF, 0xFFFFFFFF, 1, 0},
        {0, h, 0, 1, 0xFFFFFFFF, 0xFFFFFFFF, 0, 1},
        {w, h, 0, 1, 0xFFFFFFFF, 0xFFFFFFFF, 1, 1},
    };
    std::vector<uint8_t> bytes(sizeof(vertices));
    memcpy(bytes.data(), vertices, sizeof(vertices));
    return std::make_shared<CMesh>(FADE_FVF, std::move(bytes), std::vector<uint16_t>{0, 1, 2, 1, 3, 2},
                                   std::vector<CMesh::SSubset>());
}

}  // namespace

CFadeMeshNode::CFadeMeshNode(const std::string& strName, UINT nWidth, UINT nHeight)
    : CMeshNode(strName, IdentityMatrix(), MakeQuad(nWidth, nHeight)), m_nWidth(nWidth), m_nHeight(nHeight)
{
    m_Materials.resize(1);
    m_Materials[0].pEffect = SceneEffect("fade.fx");
}

void CFadeMeshNode::Render(int nSubset)
{
    IDirect3DDevice8* pDevice = SceneDevice();
    if (!pDevice)
        return;
    pDevice->SetTexture(0, nullptr);
    CRenderStateScope factor(pDevice, D3DRS_TEXTUREFACTOR, m_dwColor);
    CMeshNode::Render(-1);
}

CNode* CFadeMeshNode::Clone() const
{
    CFadeMeshNode* pClone = new CFadeMeshNode(m_strName, m_nWidth, m_nHeight);
    pClone->m_dwColor = m_dwColor;
    CopyMeshInto(*pClone);
    return pClone;
}

}  // namespace Vantile
