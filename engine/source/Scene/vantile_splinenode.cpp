#include "Scene/vantile_splinenode.h"

#include "Scene/vantile_device.h"

namespace Vantile {

CSplineNode::CSplineNode(const std::string& strName, const D3DXMATRIX& mLocal, std::vector<D3DXVECTOR3> points)
    : CMeshNode(strName, mLocal, nullptr), m_Points(std::move(points))
{
    m_Materials.resize(1);
    m_Materials[0].pEffect = SceneEffect("opaque.fx");
}

CNode* CSplineNode::Clone() const
{
    CSplineNode* pClone = new CSplineNode(m_strName, m_mLocal, m_Points);
    CopyMeshInto(*pClone);
    return pClone;
}

}  // namespace Vantile
