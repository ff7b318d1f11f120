#include "Game/Items/itempath.h"

#include "Game/Paths/fallingpath.h"
#include "Game/Paths/movepath.h"
#include "Game/Paths/shakingpath.h"

std::unique_ptr<CBasePath> CItemPathSource::create(EItemMotion motion, const D3DXVECTOR3& vFrom,
                                                   const D3DXVECTOR3& vTo)
{
    switch (motion) {
    case EItemMotion::eShaking:
        return std::make_unique<CShakingPath>(vFrom, vTo);
    case EItemMotion::eFalling:
        return std::make_unique<CFallingPath>(vFrom, vTo);
    case EItemMotion::eStraight:
        break;
    }
    return std::make_unique<CMovePointToPointPath>(vFrom, vTo);
}
