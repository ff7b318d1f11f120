#include "Game/Fish/fish.h"

#include <algorithm>

#include "Core/vantile_random.h"
#include "Scene/vantile_annotation.h"
#include "Game/Context/gamecontext.h"
#include "Game/Fish/fishfood.h"

namespace {

// Frames longer than this move a fish as if only this much time passed.
const float MAX_STEP = 0.05f;
const float CRUISE_SPEED = 60.0f;
const float CRUISE_FORCE = 500.0f;
const float FLEE_SPEED = 150.0f;
const float FLEE_FORCE = 2650.0f;
const float GLIDE_SPEED = 50.0f;
const float BRAKE_RATE = 1.5f;
const float RADIUS = 50.0f;
const float ARRIVED = 30.0f;
const float FOOD_LOOKAHEAD = 20.0f;
const float MOUTH_REACH = 30.0f;
const float FOOD_PAUSE = 2.0f;
const float EFFECT_SCARE_SQ = 90000.0f;  // 300 units
const float CURSOR_SCARE_SQ = 6400.0f;   // 80 units
const float FLEE_WEIGHT = 140.0f;
const float SEEK_WEIGHT = 40.0f;
const float FOLLOW_WEIGHT = 3.0f;
const float MAX_CLIMB = 0.3f;
const float LOW_WATER = -250.0f;
const D3DCOLOR DEBUG_COLOUR = 0xFF6666FF;
const D3DCOLOR BOX_COLOUR = 0xFFFF0000;

float DistanceSq(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    const D3DXVECTOR3 v = a - b;
    return D3DXVec3LengthSq(&v);
}

int RetargetSeconds()
{
    return Vantile::Random() % 5 + 5;
}

}  // namespace

const D3DXVECTOR3 CFish::BOX_MIN(-470.0f, -300.5f, -30.5f);
const D3DXVECTOR3 CFish::BOX_MAX(470.0f, 340.3f, 1300.5f);
const std::array<D3DXVECTOR3, 6> CFish::WAYPOINTS = {{
    {400, 0, 0}, {-400, 0, 0}, {400, 200, 0}, {-400, 200, 0}, {400, -50, 0}, {-400, -50, 0}}};

CFish::CFish(ProximityDatabase& database, float fSize, CFishFood* pFood)
    : m_pToken(database.allocateToken(this)), m_pFood(pFood), m_nState(Vantile::Random() % 3), m_fSize(fSize)
{
    setMaxSpeed(fSize * CRUISE_SPEED);
    setMaxForce(fSize * CRUISE_FORCE);
    setRadius(RADIUS);
    m_pToken->updateForNewRadius(RADIUS);
    setMass(3.0f);
    RandomizeHeading();
    setSpeed(20.0f);
    m_fRetargetTimer = float(RetargetSeconds());
    placeRandomly(0.0f);
    m_nWaypoint = Vantile::Random() % int(WAYPOINTS.size());
    m_vTarget = WAYPOINTS[m_nWaypoint];
}

// The links hang under the world's root; each leaves it as it goes,
// the last first, so no link outlives the one it follows.
CFish::~CFish()
{
    for (auto it = m_Links.rbegin(); it != m_Links.rend(); ++it)
        delete *it;
}

void CFish::setBody(Vantile::CChainNode* pHead, std::vector<Vantile::CChainNode*> links)
{
    m_pHeadNode.reset(pHead);
    m_Links = std::move(links);
    m_pHeadSpace = pHead;
}

void CFish::placeRandomly(float fMargin)
{
    m_vPosition = D3DXVECTOR3(Vantile::RandomFraction() * 300.0f - 300.0f, Vantile::RandomFraction() * 300.0f - 100.0f, 0);
    for (int i = 0; i < 3; ++i) {
        float& fValue = (&m_vPosition.x)[i];
        fValue = std::max((&BOX_MIN.x)[i] - fMargin, std::min((&BOX_MAX.x)[i] + fMargin, fValue));
    }
    m_pToken->updateForNewPosition(m_vPosition);
}

void CFish::setLeader(CFish* pLeader)
{
    m_pLeader = pLeader;
    m_bFollower = pLeader != nullptr;
    if (m_bFollower)
        placeRandomly(60.0f);
}

void CFish::update(const Vantile::FrameEvent& evt)
{
    const float fSeconds = float(evt.timeSinceLastFrame / 1000.0);
    m_fFoodTimer -= fSeconds;
    step(std::min(fSeconds, MAX_STEP));
    if (Vantile::CAnnotation::Instance().IsActive())
        annotate();
}

// The diagnostic view: heading and pull, the swimming box, and the line to
// whatever the fish flees.
void CFish::annotate() const
{
    Vantile::CAnnotation& annotation = Vantile::CAnnotation::Instance();
    annotation.AddLine(m_vPosition, m_vPosition + velocity() * (100.0f / maxSpeed()), DEBUG_COLOUR);
    annotation.AddLine(m_vPosition, m_vPosition + m_vSmoothedAcceleration * (100.0f / maxForce()), DEBUG_COLOUR);
    annotation.AddBox(BOX_MIN, BOX_MAX, BOX_COLOUR);
    if (m_nState == FLEEING)
        annotation.AddLine(m_vPosition, m_vScare, BOX_COLOUR);
}

void CFish::step(float fSeconds)
{
    const D3DXVECTOR3 vSteering = DetermineCombinedSteering(fSeconds);
    applyStateLimits(fSeconds);
    applySteeringForce(vSteering, fSeconds);
    if (m_pHeadSpace)
        static_cast<Vantile::CLocalSpace&>(*m_pHeadSpace) = static_cast<const Vantile::CLocalSpace&>(*this);
    m_pToken->updateForNewPosition(m_vPosition);
    m_fRetargetTimer -= fSeconds;
    if (m_fRetargetTimer <= 0) {
        if (m_nState == FLEEING)
            PickNextWaypoint(true);
        m_fRetargetTimer = float(RetargetSeconds());
    }
}

void CFish::applyStateLimits(float fSeconds)
{
    const float fCruise = m_fSize * CRUISE_SPEED;
    if (m_nState == CRUISING) {
        setMaxForce(m_fSize * CRUISE_FORCE);
    } else if (m_nState == FLEEING) {
        setMaxSpeed(m_fSize * FLEE_SPEED);
        setMaxForce(m_fSize * FLEE_FORCE);
    } else if (maxSpeed() > fCruise && speed() > fCruise) {
        applyBrakingForce(BRAKE_RATE, fSeconds);
    } else if (speed() <= fCruise) {
        // Calm again: the cruising limits come back, or the fish would
        // race at its fleeing speed for good.
        setMaxSpeed(fCruise);
        setMaxForce(m_fSize * CRUISE_FORCE);
        m_nState = CRUISING;
    }
    if (m_nState == CRUISING && speed() > m_fSize * GLIDE_SPEED)
        applyBrakingForce(BRAKE_RATE, fSeconds);
}

D3DXVECTOR3 CFish::DetermineCombinedSteering(float fSeconds)
{
    m_vTarget = WAYPOINTS[m_nWaypoint];
    if (m_pFood && !m_bIgnoreFood && m_fFoodTimer <= 0)
        lookForFood();
    if (DistanceSq(m_vPosition, m_vTarget) < ARRIVED * ARRIVED)
        PickNextWaypoint(false);
    // Only the clamp of the position matters here.
    steerToStayInBox(BOX_MIN, BOX_MAX, true, 10.0f);
    bool bAvoiding = false;
    D3DXVECTOR3 vSteering = avoidNeighbours(bAvoiding);
    bool bScared = false;
    vSteering = fleeScarePoints(vSteering, bScared);
    if (!bAvoiding) {
        if (m_pLeader) {
            const D3DXVECTOR3 vSeek = steerForSeek(m_pLeader->m_vPosition);
            vSteering += Vantile::PerpendicularComponent(vSeek, m_vForward) * FOLLOW_WEIGHT;
        } else {
            vSteering += steerForSeek(m_vTarget) * SEEK_WEIGHT;
        }
    }
    m_vForward.y = std::max(-MAX_CLIMB, std::min(MAX_CLIMB, m_vForward.y));
    if (bScared && vSteering.y < 0 && m_vPosition.y < LOW_WATER)
        vSteering.y = -vSteering.y;
    return vSteering;
}

// Eats what is in front of its mouth, else heads for the nearest pellet;
// one lying below is approached from straight above.
void CFish::lookForFood()
{
    const D3DXVECTOR3 vMouth = m_vPosition + m_vForward * FOOD_LOOKAHEAD;
    if (m_pFood->eatNear(vMouth, MOUTH_REACH)) {
        m_fFoodTimer = FOOD_PAUSE;
    } else if (const CFishFood::SPellet* pPellet = m_pFood->nearest(vMouth)) {
        m_vTarget = pPellet->vPosition;
        if (std::abs(m_vTarget.x - vMouth.x) < 100.0f)
            m_vTarget.y = -500.0f;
    }
    if (DistanceSq(vMouth, m_vTarget) < 50.0f)
        m_nState = CRUISING;
}

// Asked on about half of the frames only, to spread the cost.
D3DXVECTOR3 CFish::avoidNeighbours(bool& bAvoiding)
{
    if (Vantile::RandomFraction() <= 0.5f)
        return D3DXVECTOR3(0, 0, 0);
    m_pToken->findNeighbors(m_vPosition, radius(), m_Neighbours);
    bAvoiding = !m_Neighbours.empty();
    return steerToAvoidCloseNeighbors(0.0f, m_Neighbours);
}

D3DXVECTOR3 CFish::fleeScarePoints(const D3DXVECTOR3& vSteering, bool& bScared)
{
    const CGameContext& context = CGameContext::Instance();
    D3DXVECTOR3 vScare(context.m_vMouse.x, context.m_vMouse.y, m_vPosition.z);
    if (context.m_bTrunkShown && DistanceSq(m_vPosition, context.m_vTrunk) < EFFECT_SCARE_SQ) {
        vScare = context.m_vTrunk;
        bScared = true;
    }
    // A fish that fled slows down before it cruises again.
    m_nState = m_nState == CRUISING ? CRUISING : SLOWING;
    if (!bScared && !(context.m_bMouseOffBoard && DistanceSq(m_vPosition, vScare) < CURSOR_SCARE_SQ))
        return vSteering;
    // A scare between the fish and its goal sends it back the other way.
    if (std::min(m_vPosition.x, m_vTarget.x) < vScare.x && vScare.x < std::max(m_vPosition.x, m_vTarget.x)) {
        PickNextWaypoint(false);
        m_vTarget = WAYPOINTS[m_nWaypoint];
    }
    m_nState = FLEEING;
    m_vScare = vScare;
    return steerForFlee(vScare) * FLEE_WEIGHT;
}

void CFish::PickNextWaypoint(bool bTimed)
{
    if (!m_bRoaming && bTimed)
        return;
    if ((m_nWaypoint == 2 || m_nWaypoint == 3) && !bTimed && Vantile::RandomFraction() > 0.5f && !m_bFollower) {
        m_bRoaming = false;
        return;
    }
    m_bRoaming = true;
    const bool bWasRight = m_nWaypoint % 2 == 0;
    m_nWaypoint = 2 * ((Vantile::Random() % 6) / 2) + (bWasRight ? 1 : 0);
}
