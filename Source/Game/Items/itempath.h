// The motions an item's layers move along. The path classes provide them;
// the animator only chooses which motion a state uses.
#pragma once

#include <memory>

#include "Game/Paths/basepath.h"

enum class EItemMotion {
    eStraight,  // moving, game over
    eShaking,   // whirl round the board's centre and back
    eFalling,   // fall with a bounce: falling, trunk fall
};

class IItemPathSource {
public:
    virtual ~IItemPathSource() = default;
    virtual std::unique_ptr<CBasePath> create(EItemMotion motion, const D3DXVECTOR3& vFrom,
                                              const D3DXVECTOR3& vTo) = 0;
};

// The game's own paths for each motion.
class CItemPathSource : public IItemPathSource {
public:
    std::unique_ptr<CBasePath> create(EItemMotion motion, const D3DXVECTOR3& vFrom,
                                      const D3DXVECTOR3& vTo) override;
};
