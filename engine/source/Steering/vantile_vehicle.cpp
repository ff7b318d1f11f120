#include "Steering/vantile_vehicle.h"

#include <algorithm>
#include <cmath>

#include "Core/vantile_random.h"

namespace Vantile {

namespace {

// Below this length a vector has no usable direction.
const float DIRECTION_EPSILON = 1e-6f;

float Clamp(float fValue, float fMin, float fMax)
{
    return std::max(fMin, std::min(fMax, fValue));
}

}  // namespace

D3DXVECTOR3 TruncateLength(const D3DXVECTOR3& v, float fMaxLength)
{
    const float fLength = D3DXVec3Length(&v);
    return fLength > fMaxLength && fLength > 0 ? v * (fMaxLength / fLength) : v;
}

D3DXVECTOR3 PerpendicularComponent(const D3DXVECTOR3& v, const D3DXVECTOR3& vUnit)
{
    return v - vUnit * D3DXVec3Dot(&v, &vUnit);
}

void CBaseVehicle::RandomizeHeading()
{
    m_vUp = D3DXVECTOR3(0, 1, 0);
    D3DXVECTOR3 vForward;
    do {
        vForward = D3DXVECTOR3(RandomFraction() * 2 - 1, RandomFraction() * 2 - 1, RandomFraction() * 2 - 1);
    } while (D3DXVec3Length(&vForward) < DIRECTION_EPSILON);
    D3DXVec3Normalize(&m_vForward, &vForward);
    m_vSide = D3DXVECTOR3(m_vForward.z, m_vForward.y, m_vForward.x);
}

D3DXVECTOR3 CVehicleImpl::adjustRawSteeringForce(const D3DXVECTOR3& vForce) const
{
    const float fMaxAdjustedSpeed = maxSpeed() * 0.8f;
    const float fLength = D3DXVec3Length(&vForce);
    if (speed() > fMaxAdjustedSpeed || fLength == 0)
        return vForce;
    const float fRange = speed() / fMaxAdjustedSpeed;
    const float fCosine = 1.0f + (-1.0f - 1.0f) * std::pow(fRange, 20.0f);
    if (D3DXVec3Dot(&vForce, &m_vForward) / fLength >= fCosine)
        return vForce;
    // A force straight backwards has no sideways part to turn towards;
    // it passes as it is rather than becoming a direction of zero length.
    const D3DXVECTOR3 vPerpendicular = PerpendicularComponent(vForce, m_vForward);
    const float fPerpendicular = D3DXVec3Length(&vPerpendicular);
    if (fPerpendicular < DIRECTION_EPSILON * fLength)
        return vForce;
    const float fSine = std::sqrt(std::max(0.0f, 1.0f - fCosine * fCosine));
    const D3DXVECTOR3 vDirection = m_vForward * fCosine + vPerpendicular * (fSine / fPerpendicular);
    return vDirection * fLength;
}

void CVehicleImpl::applySteeringForce(const D3DXVECTOR3& vForce, float fElapsedTime)
{
    const D3DXVECTOR3 vClipped = TruncateLength(adjustRawSteeringForce(vForce), maxForce());
    const D3DXVECTOR3 vAcceleration = vClipped / mass();
    if (fElapsedTime > 0) {
        const float fRate = Clamp(9.0f * fElapsedTime, 0.15f, 0.6f);
        m_vSmoothedAcceleration += (vAcceleration - m_vSmoothedAcceleration) * Clamp(fRate, 0.0f, 1.0f);
    }
    const D3DXVECTOR3 vVelocity =
        TruncateLength(velocity() + m_vSmoothedAcceleration * fElapsedTime, maxSpeed());
    setSpeed(D3DXVec3Length(&vVelocity));
    m_vPosition += vVelocity * fElapsedTime;
    // At a standstill there is no heading to take: the old one stays.
    if (speed() > DIRECTION_EPSILON)
        RegenerateOrthonormalBasisUF(vVelocity / speed());
}

void CVehicleImpl::applyBrakingForce(float fRate, float fElapsedTime)
{
    const float fBraking = std::min(speed() * fRate, maxForce());
    setSpeed(speed() - fBraking * fElapsedTime);
}

}  // namespace Vantile
