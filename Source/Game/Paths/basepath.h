// Motion paths move an offset from a start point to an end point over
// time. Their owner advances them once a frame and reads the position.
#pragma once

#include "d3d/d3dx8.h"

class CBasePath {
public:
    virtual ~CBasePath() = default;
    // dt in milliseconds, speed in units per second; base is the owner's
    // position (only the whirl reads it). True while still running.
    virtual bool update(const float* pDt, const float* pSpeed, const D3DXVECTOR3* pBase) = 0;
    virtual bool isFinished() const = 0;
    virtual D3DXVECTOR3 getPosition() const = 0;
};

// One step of a straight move from `from` towards `to` at `speed` units per
// second. A step that would pass the target lands on it.
void MoveStraight(const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo, float fDtMs, float fSpeed,
                  D3DXVECTOR3& vCurrent);
