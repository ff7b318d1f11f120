#include "Scene/vantile_skinnode.h"

#include "Core/vantile_log.h"
#include "Scene/vantile_annotation.h"
#include "Scene/vantile_device.h"

namespace Vantile {

CSkinNode::CSkinNode(const std::string& strName, const D3DXMATRIX& mLocal, std::shared_ptr<CMesh> pMesh,
                     std::vector<SBone> bones)
    : CMeshNode(strName, mLocal, std::move(pMesh)), m_Bones(std::move(bones))
{
}

D3DXMATRIX CSkinNode::GetWorldMatrix(size_t nIndex) const
{
    if (nIndex >= m_Bones.size())
        return IRenderTarget::GetWorldMatrix(nIndex);
    const CNode* pBone = GetBoneNode(nIndex);
    if (!pBone)
        return m_Bones[nIndex].mOffset;
    D3DXMATRIX mResult;
    const D3DXMATRIX& mBoneWorld = pBone->GetWorld();
    return *D3DXMatrixMultiply(&mResult, &m_Bones[nIndex].mOffset, &mBoneWorld);
}

// A clone made outside a scene load has no bone nodes yet: it finds them
// from the top of whatever tree it was attached to.
const D3DXMATRIX& CSkinNode::UpdateWorldMatrix(const D3DXMATRIX& mParentWorld)
{
    if (!m_bResolved) {
        const CNode* pRoot = this;
        while (pRoot->GetParent())
            pRoot = pRoot->GetParent();
        ResolveBones(*pRoot);
    }
    return CMeshNode::UpdateWorldMatrix(mParentWorld);
}

size_t CSkinNode::ResolveBones(const CNode& root)
{
    m_BoneNodes.assign(m_Bones.size(), nullptr);
    size_t nMissing = 0;
    for (size_t i = 0; i < m_Bones.size(); ++i) {
        m_BoneNodes[i] = root.FindChild(m_Bones[i].strName);
        if (!m_BoneNodes[i] && root.GetName() == m_Bones[i].strName)
            m_BoneNodes[i] = const_cast<CNode*>(&root);
        if (!m_BoneNodes[i]) {
            CLog::Instance().Write(LOG_ERROR, FormatString("Bone \"%s\" of skin \"%s\" not found", m_Bones[i].strName.c_str(),
                                                           m_strName.c_str()));
            ++nMissing;
        }
    }
    m_bResolved = true;
    return nMissing;
}

int CSkinNode::Enqueue()
{
    CAnnotation& annotation = CAnnotation::Instance();
    if (annotation.IsActive()) {
        for (size_t i = 0; i < m_Bones.size(); ++i)
            annotation.AddAxes(GetWorldMatrix(i), 2.0f);
    }
    return CMeshNode::Enqueue();
}

void CSkinNode::Animate()
{
    if (IDirect3DDevice8* pDevice = SceneDevice())
        pDevice->GetRenderState(D3DRS_FOGCOLOR, &m_dwFogColor);
    CMeshNode::Animate();
}

void CSkinNode::Render(int nSubset)
{
    IDirect3DDevice8* pDevice = SceneDevice();
    if (!pDevice || m_dwFogColor == 0xFFFFFFFF) {
        CMeshNode::Render(nSubset);
        return;
    }
    CRenderStateScope fogColor(pDevice, D3DRS_FOGCOLOR, m_dwFogColor);
    CRenderStateScope fogEnable(pDevice, D3DRS_FOGENABLE, TRUE);
    CMeshNode::Render(nSubset);
}

CNode* CSkinNode::Clone() const
{
    CSkinNode* pClone = new CSkinNode(m_strName, m_mLocal, m_pMesh, m_Bones);
    CopyMeshInto(*pClone);
    return pClone;
}

}  // namespace Vantile
