// The aquarium's fish: one process-wide world that owns the fish, their
// proximity database, their bodies and the food. The steering handler
// moves the fish; the board's drawing draws them in two layers: the
// "front" schools first (deepest, never eating) and the "back" schools
// after the scene's plants (these take the food).
#pragma once

#include <string>
#include <vector>

#include "Game/Fish/fish.h"
#include "Game/Fish/fishfood.h"

namespace Vantile {
class CNode;
class CSteerFrameHandler;
}  // namespace Vantile

class CFishWorld {
public:
    // Species in the order the level's digit strings count them.
    struct SSpecies {
        const char* pszObject;
        float fScale;
    };
    static const std::vector<SSpecies>& species();

    static CFishWorld& Instance();

    void setSteerHandler(Vantile::CSteerFrameHandler* pHandler) { m_pSteerHandler = pHandler; }
    // The node the body chains hang under; it must be processed every
    // frame before the fish are drawn, and outlive them (ClearFish first).
    void setRoot(Vantile::CNode* pRoot) { m_pRoot = pRoot; }
    Vantile::CNode* root() const { return m_pRoot; }

    // One school per species, nCounts[i] fish of species i; counts beyond
    // the species table are logged and skipped.
    void CreateFishSchools(bool bFront, const std::vector<int>& counts);
    void CreateSchool(const std::string& strObject, int nCount, bool bFront, float fScale, bool bFollow);
    // A fish without a body, for the mini-game's and the tests' own use.
    CFish* AddFish(bool bFront, float fSize);

    void ProcessFrontFish();
    void ProcessBackFish();
    void MoveBackToFront();
    void ClearFish();
    // Unregisters, unlinks and deletes one fish; its followers swim on
    // without a leader.
    void RemoveFish(CFish* pFish);

    void DropFood(const D3DXVECTOR3& vPoint) { m_Food.drop(vPoint); }
    void UpdateFood(float fSeconds) { m_Food.update(fSeconds); }
    CFishFood& food() { return m_Food; }
    CHeights& floor() { return m_Food.floor(); }

    const std::vector<CFish*>& frontFish() const { return m_FrontFish; }
    const std::vector<CFish*>& backFish() const { return m_BackFish; }

private:
    CFishWorld();
    ~CFishWorld();
    CFishWorld(const CFishWorld&) = delete;
    CFishWorld& operator=(const CFishWorld&) = delete;

    void buildBody(const std::string& strObject, float fScale, CFish& fish);
    std::vector<Vantile::CChainNode*> hangSegments(Vantile::CNode& body, Vantile::CChainNode& head, const CFish& fish,
                                                   float fScale, const std::string& strObject) const;
    static void processHeads(const std::vector<CFish*>& fish);

    Vantile::CSteerFrameHandler* m_pSteerHandler = nullptr;
    Vantile::CBruteForceProximityDatabase<CFish*> m_ProximityDB;
    std::vector<CFish*> m_FrontFish;
    std::vector<CFish*> m_BackFish;
    Vantile::CNode* m_pRoot = nullptr;
    CFishFood m_Food;
};
