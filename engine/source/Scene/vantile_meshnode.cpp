#include "Scene/vantile_meshnode.h"

#include <cassert>

#include "Core/vantile_frametimer.h"
#include "Renderstages/vantile_renderqueue.h"

namespace Vantile {

CMeshNode::CMeshNode(const std::string& strName, const D3DXMATRIX& mLocal, std::shared_ptr<CMesh> pMesh)
    : CNode(strName, mLocal), m_pMesh(std::move(pMesh))
{
}

void CMeshNode::Render(int nSubset)
{
    if (m_pMesh)
        m_pMesh->Render(nSubset);
}

const SMaterial* CMeshNode::GetMaterial(size_t nIndex) const
{
    assert((nIndex < m_Materials.size()) && ("dwMaterial < m_Materials.size()"));
    return nIndex < m_Materials.size() ? &m_Materials[nIndex] : nullptr;
}

int CMeshNode::Enqueue()
{
    CRenderQueue* pQueue = CRenderQueue::Current();
    if (!pQueue || !IsVisible())
        return 0;
    int nQueued = 0;
    for (size_t i = 0; i < m_Materials.size(); ++i) {
        if (m_Materials[i].pEffect) {
            pQueue->Enqueue({this, i});
            ++nQueued;
        }
    }
    return nQueued;
}

void CMeshNode::Animate()
{
    CNode::Animate();
    const float fSeconds = CFrameTimer::Instance().frameSeconds();
    for (SMaterial& material : m_Materials) {
        for (TextureRef& texture : material.aTextures)
            texture.Advance(fSeconds);
    }
}

CNode* CMeshNode::Clone() const
{
    CMeshNode* pClone = new CMeshNode(m_strName, m_mLocal, m_pMesh);
    CopyMeshInto(*pClone);
    return pClone;
}

void CMeshNode::CopyMeshInto(CMeshNode& target) const
{
    target.m_Materials = m_Materials;
    CopyInto(target);
}

}  // namespace Vantile
