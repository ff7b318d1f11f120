// An ordered list of control points (map routes, the sea floor profile). It
// is data for game code and never queues itself.
#pragma once

#include "Scene/vantile_meshnode.h"

namespace Vantile {

class CSplineNode : public CMeshNode {
public:
    CSplineNode(const std::string& strName, const D3DXMATRIX& mLocal, std::vector<D3DXVECTOR3> points);

    int Enqueue() override { return 0; }
    CNode* Clone() const override;

    size_t GetPointCount() const { return m_Points.size(); }
    const D3DXVECTOR3& GetPoint(size_t nIndex) const { return m_Points.at(nIndex); }
    const std::vector<D3DXVECTOR3>& GetPoints() const { return m_Points; }

private:
    std::vector<D3DXVECTOR3> m_Points;
};

}  // namespace Vantile
