// One aquarium fish: a vehicle that swims between waypoints on the left
// and right of the aquarium, keeps off its neighbours, may follow a school
// leader, flees the cursor and the effect point, and goes for food.
#pragma once

#include <array>
#include <memory>

#include "Scene/vantile_chainnode.h"
#include "Steering/vantile_proximity.h"
#include "Steering/vantile_vehicle.h"

class CFishFood;

class CFish : public Vantile::CVehicleImpl {
public:
    typedef Vantile::CAbstractProximityDatabase<CFish*> ProximityDatabase;

    enum State { CRUISING = 0, FLEEING = 1, SLOWING = 2 };

    // The box the fish swim in, in screen units.
    static const D3DXVECTOR3 BOX_MIN;
    static const D3DXVECTOR3 BOX_MAX;
    // Even indices on the right, odd on the left, at three heights.
    static const std::array<D3DXVECTOR3, 6> WAYPOINTS;

    // fSize is the species' scale over 0.2: speeds and forces grow with
    // it. pFood may be null (a fish that never eats).
    CFish(ProximityDatabase& database, float fSize, CFishFood* pFood);
    ~CFish() override;
    CFish(const CFish&) = delete;
    CFish& operator=(const CFish&) = delete;

    void update(const Vantile::FrameEvent& evt) override;
    // One step of dt seconds (the frame's, capped).
    void step(float fSeconds);

    // Followers keep beside their leader instead of heading for waypoints;
    // they start from a place of their own.
    void setLeader(CFish* pLeader);
    CFish* leader() const { return m_pLeader; }
    // The head of the body, which takes the fish's frame every step.
    void setHeadSpace(Vantile::CLocalSpace* pHeadSpace) { m_pHeadSpace = pHeadSpace; }
    // The fish owns its body: the head (with the model under it) and the
    // chain links the segments hang on.
    void setBody(Vantile::CChainNode* pHead, std::vector<Vantile::CChainNode*> links);
    Vantile::CChainNode* headNode() const { return m_pHeadNode.get(); }
    const std::vector<Vantile::CChainNode*>& links() const { return m_Links; }
    void setIgnoreFood(bool bIgnore) { m_bIgnoreFood = bIgnore; }
    bool ignoresFood() const { return m_bIgnoreFood; }

    void PickNextWaypoint(bool bTimed);

    int state() const { return m_nState; }
    void setState(int nState) { m_nState = nState; }
    int waypoint() const { return m_nWaypoint; }
    void setWaypoint(int nIndex) { m_nWaypoint = nIndex; }
    bool isRoaming() const { return m_bRoaming; }
    float foodTimer() const { return m_fFoodTimer; }
    float size() const { return m_fSize; }
    const D3DXVECTOR3& target() const { return m_vTarget; }

private:
    D3DXVECTOR3 DetermineCombinedSteering(float fSeconds);
    void lookForFood();
    D3DXVECTOR3 avoidNeighbours(bool& bAvoiding);
    D3DXVECTOR3 fleeScarePoints(const D3DXVECTOR3& vSteering, bool& bScared);
    void applyStateLimits(float fSeconds);
    void placeRandomly(float fMargin);
    void annotate() const;

    std::unique_ptr<ProximityDatabase::tokenType> m_pToken;
    CFishFood* m_pFood;
    int m_nState;
    float m_fSize;
    bool m_bFollower = false;
    bool m_bRoaming = true;
    std::unique_ptr<Vantile::CChainNode> m_pHeadNode;
    std::vector<Vantile::CChainNode*> m_Links;
    Vantile::CLocalSpace* m_pHeadSpace = nullptr;
    CFish* m_pLeader = nullptr;
    float m_fRetargetTimer;
    int m_nWaypoint = 0;
    bool m_bIgnoreFood = false;
    float m_fFoodTimer = 0.0f;
    D3DXVECTOR3 m_vTarget = D3DXVECTOR3(0, 0, 0);
    D3DXVECTOR3 m_vScare = D3DXVECTOR3(0, 0, 0);
    std::vector<CFish*> m_Neighbours;
};
