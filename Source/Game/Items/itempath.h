// The motions an item's layers move along. The path classes provide them;
// the animator only chooses which motion a state uses.
#pragma once

#include <memory>

#include "d3d/d3dx8.h"

enum class EItemMotion {
    eStraight,  // moving, game over
    eShaking,   // whirl round the board's centre and back
    eFalling,   // fall with a bounce: falling, trunk fall
};

class IItemPath {
public:
    virtual ~IItemPath() = default;
    // dt in milliseconds, speed in units per second, base the cell's
    // position; true while the path is still running after this step.
    virtual bool update(float fDt, float fSpeed, const D3DXVECTOR3& vBase) = 0;
    virtual bool isFinished() const = 0;
    virtual D3DXVECTOR3 getPosition() const = 0;
};

class IItemPathSource {
public:
    virtual ~IItemPathSource() = default;
    virtual std::unique_ptr<IItemPath> create(EItemMotion motion, const D3DXVECTOR3& vFrom,
                                              const D3DXVECTOR3& vTo) = 0;
};
