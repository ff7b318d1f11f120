// A path along a polyline at a constant speed; the level map moves its
// marker along one.
#pragma once

#include <iterator>
#include <map>
#include <vector>

#include "Game/Paths/basepath.h"

class CPointPath : public CBasePath {
public:
    explicit CPointPath(const std::vector<D3DXVECTOR3>& points);

    bool update(const float* pDt, const float* pSpeed, const D3DXVECTOR3* pBase) override;
    bool isFinished() const override;
    D3DXVECTOR3 getPosition() const override;

    int getTotalLength() const { return m_nTotalLength; }
    int getCurrentSegment() const { return m_nCurrentSegment; }
    // Whole points of progress; the path ends when they reach the count.
    int getProgress() const { return static_cast<int>(m_fT); }

private:
    std::vector<D3DXVECTOR3> m_Points;
    float m_fT = 0;
    int m_nTotalLength = 0;
    int m_nTravelled = 0;
    mutable int m_nCurrentSegment = 0;
    // Cumulative length at each segment's end, to that end point's index.
    std::map<int, size_t> m_SegmentEnds;
};
