#include "Game/MiniGame/minigamepond.h"

#include <cmath>
#include <strings.h>

#include "Core/vantile_log.h"
#include "Game/Fish/fishworld.h"

namespace {

// A fish joining the aquarium is sized as its species is there.
float speciesScale(const std::string& strObject)
{
    for (const CFishWorld::SSpecies& species : CFishWorld::species())
        if (strcasecmp(species.pszObject, strObject.c_str()) == 0)
            return species.fScale;
    return CFishWorld::species().front().fScale;
}

}  // namespace

void CFishWorldPond::clearFish()
{
    CFishWorld::Instance().ClearFish();
}

// The fish swims from its cell among the fish that take food.
void CFishWorldPond::freeFish(const std::string& strObject, const D3DXVECTOR3& vAt)
{
    Vantile::CLog::Instance().Write(Vantile::LOG_INFO, "A fish swims free: " + strObject);
    CFishWorld& world = CFishWorld::Instance();
    world.CreateSchool(strObject, 1, false, FREED_SCALE, false);
    if (world.backFish().empty())
        return;
    CFish* pFish = world.backFish().back();
    pFish->m_vPosition = D3DXVECTOR3(vAt.x, vAt.y, 0.0f);
    if (pFish->headNode())
        static_cast<Vantile::CLocalSpace&>(*pFish->headNode()) = static_cast<const Vantile::CLocalSpace&>(*pFish);
}

void CFishWorldPond::releaseFish(const std::string& strObject)
{
    Vantile::CLog::Instance().Write(Vantile::LOG_INFO, "The freed fish joins the aquarium: " + strObject);
    CFishWorld::Instance().CreateSchool(strObject, 1, false, speciesScale(strObject), false);
}

void CFishWorldPond::removeStrayFish(float fLimit)
{
    CFishWorld& world = CFishWorld::Instance();
    for (const std::vector<CFish*>* pList : {&world.frontFish(), &world.backFish()})
        for (CFish* pFish : *pList)
            if (std::fabs(pFish->m_vPosition.x) > fLimit) {
                world.RemoveFish(pFish);
                return;
            }
}

// The body's links hang under the scene root and were drawn with it, under
// the game's background; here they are drawn again in front of it.
void CFishWorldPond::drawFish()
{
    CFishWorld& world = CFishWorld::Instance();
    world.ProcessBackFish();
    for (const CFish* pFish : world.backFish())
        for (Vantile::CChainNode* pLink : pFish->links())
            pLink->Process(Vantile::PROCESS_ENQUEUE);
}
