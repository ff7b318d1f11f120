// Vehicles: point masses with a local frame, a speed and limits, steered by
// forces in the manner of the classic steering-behaviour model. Behaviours
// return desired forces; a vehicle turns a force into a smoothed
// acceleration, a new velocity, position and heading.
#pragma once

#include <algorithm>
#include <vector>

#include "Core/vantile_framehandler.h"
#include "Steering/vantile_localspace.h"

namespace Vantile {

// The vector cut to at most fMaxLength, direction kept.
D3DXVECTOR3 TruncateLength(const D3DXVECTOR3& v, float fMaxLength);
// The part of v perpendicular to the unit vector vUnit.
D3DXVECTOR3 PerpendicularComponent(const D3DXVECTOR3& v, const D3DXVECTOR3& vUnit);

class CBaseVehicle : public CLocalSpace {
public:
    virtual float mass() const { return m_fMass; }
    virtual void setMass(float fMass) { m_fMass = fMass; }
    virtual float radius() const { return m_fRadius; }
    virtual void setRadius(float fRadius) { m_fRadius = fRadius; }
    virtual D3DXVECTOR3 velocity() const { return m_vForward * m_fSpeed; }
    virtual float speed() const { return m_fSpeed; }
    virtual void setSpeed(float fSpeed) { m_fSpeed = fSpeed; }
    virtual float maxForce() const { return m_fMaxForce; }
    virtual void setMaxForce(float fMaxForce) { m_fMaxForce = fMaxForce; }
    virtual float maxSpeed() const { return m_fMaxSpeed; }
    virtual void setMaxSpeed(float fMaxSpeed) { m_fMaxSpeed = fMaxSpeed; }

    // A random direction; the side axis is the forward one swizzled, as the
    // placing code has always done (the next steering step rebuilds it).
    void RandomizeHeading();

protected:
    float m_fMass = 1.0f;
    float m_fRadius = 1.0f;
    float m_fSpeed = 1.0f;
    float m_fMaxForce = 1.0f;
    float m_fMaxSpeed = 1.0f;
};

// The behaviours, each returning a steering force.
template <class Super>
class CSteerBehav : public Super {
public:
    D3DXVECTOR3 steerForSeek(const D3DXVECTOR3& vTarget) const
    {
        return TruncateLength(vTarget - this->m_vPosition, this->maxSpeed()) - this->velocity();
    }

    D3DXVECTOR3 steerForFlee(const D3DXVECTOR3& vTarget) const
    {
        return TruncateLength(this->m_vPosition - vTarget, this->maxSpeed()) - this->velocity();
    }

    // Only the first neighbour that is too close counts.
    template <class Vehicle>
    D3DXVECTOR3 steerToAvoidCloseNeighbors(float fMinSeparation, const std::vector<Vehicle*>& neighbours) const
    {
        for (const Vehicle* pOther : neighbours) {
            const D3DXVECTOR3 vOffset = this->m_vPosition - pOther->m_vPosition;
            const float fLimit = fMinSeparation + this->radius() + pOther->radius();
            if (D3DXVec3Length(&vOffset) < fLimit)
                return PerpendicularComponent(vOffset, this->m_vForward);
        }
        return D3DXVECTOR3(0, 0, 0);
    }

    D3DXVECTOR3 predictFuturePosition(float fSeconds) const
    {
        return this->m_vPosition + this->velocity() * fSeconds;
    }

    // +1 / -1 per axis where the position a second ahead leaves the box;
    // with bClamp the current position is also held within the margin.
    D3DXVECTOR3 steerToStayInBox(const D3DXVECTOR3& vMin, const D3DXVECTOR3& vMax, bool bClamp, float fMargin)
    {
        const D3DXVECTOR3 vAhead = predictFuturePosition(1.0f);
        D3DXVECTOR3 vForce(0, 0, 0);
        for (int i = 0; i < 3; ++i) {
            if ((&vAhead.x)[i] > (&vMax.x)[i])
                (&vForce.x)[i] = -1.0f;
            else if ((&vAhead.x)[i] < (&vMin.x)[i])
                (&vForce.x)[i] = 1.0f;
            if (bClamp) {
                float& fValue = (&this->m_vPosition.x)[i];
                fValue = std::max((&vMin.x)[i] - fMargin, std::min((&vMax.x)[i] + fMargin, fValue));
            }
        }
        return vForce;
    }
};

class CVehicleImpl : public CSteerBehav<CBaseVehicle> {
public:
    ~CVehicleImpl() override = default;

    virtual void applySteeringForce(const D3DXVECTOR3& vForce, float fElapsedTime);
    virtual void applyBrakingForce(float fRate, float fElapsedTime);
    // Called once a frame by the steering frame handler.
    virtual void update(const FrameEvent& evt) {}

    const D3DXVECTOR3& smoothedAcceleration() const { return m_vSmoothedAcceleration; }

    // A force turned into the narrow cone a slow vehicle may steer in.
    D3DXVECTOR3 adjustRawSteeringForce(const D3DXVECTOR3& vForce) const;

protected:
    D3DXVECTOR3 m_vSmoothedAcceleration = D3DXVECTOR3(0, 0, 0);
};

}  // namespace Vantile
