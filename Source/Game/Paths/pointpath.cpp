#include "Game/Paths/pointpath.h"

CPointPath::CPointPath(const std::vector<D3DXVECTOR3>& points) : m_Points(points)
{
    int nSum = 0;
    for (size_t i = 1; i < m_Points.size(); ++i) {
        const D3DXVECTOR3 vSegment = m_Points[i] - m_Points[i - 1];
        nSum = static_cast<int>(D3DXVec3Length(&vSegment) + nSum);
        // Segments too short to add a whole unit share their end's sum;
        // the first of them keeps it.
        m_SegmentEnds.emplace(nSum, i);
    }
    m_nTotalLength = nSum;
}

bool CPointPath::update(const float* pDt, const float* pSpeed, const D3DXVECTOR3* pBase)
{
    m_fT += *pDt / 1000.0f * 2.0f;
    m_nTravelled = static_cast<int>(m_fT * *pSpeed);
    return !isFinished();
}

bool CPointPath::isFinished() const
{
    return static_cast<size_t>(m_fT) >= m_Points.size();
}

D3DXVECTOR3 CPointPath::getPosition() const
{
    if (m_Points.empty())
        return D3DXVECTOR3(0, 0, 0);
    const auto it = m_SegmentEnds.upper_bound(m_nTravelled);
    if (it == m_SegmentEnds.end())
        return m_Points.back();
    const size_t i = it->second;
    const int nBefore = it == m_SegmentEnds.begin() ? 0 : std::prev(it)->first;
    const D3DXVECTOR3 vSegment = m_Points[i] - m_Points[i - 1];
    m_nCurrentSegment = static_cast<int>(i) - 1;
    return m_Points[i - 1] + vSegment * ((m_nTravelled - nBefore) / D3DXVec3Length(&vSegment));
}
