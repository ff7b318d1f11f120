#include "Scene/vantile_animationtrack.h"

#include <algorithm>
#include <cmath>

namespace Vantile {

namespace {

// Index i of the pair with time(i) <= t < time(i + 1) and the blend factor
// within it. Before the first key and at or after the last one no pair
// brackets t, and the nearest key is held (factor 0 on that key). Keys out
// of order (a damaged file) still never index past the array.
template <class Key>
size_t FindPair(const std::vector<Key>& keys, float fTime, float& fFactor)
{
    fFactor = 0.0f;
    if (keys.size() < 2 || !(fTime >= keys.front().fTime))
        return 0;
    if (fTime >= keys.back().fTime)
        return keys.size() - 1;
    const auto it = std::upper_bound(keys.begin(), keys.end(), fTime,
                                     [](float t, const Key& key) { return t < key.fTime; });
    if (it == keys.begin() || it == keys.end())
        return it == keys.begin() ? 0 : keys.size() - 1;
    const size_t i = size_t(it - keys.begin()) - 1;
    const float fSpan = keys[i + 1].fTime - keys[i].fTime;
    if (fSpan > 0.0f)
        fFactor = std::min(std::max((fTime - keys[i].fTime) / fSpan, 0.0f), 1.0f);
    return i;
}

D3DXVECTOR3 SampleVector(const std::vector<SVectorKey>& keys, float fTime)
{
    float f;
    const size_t i = FindPair(keys, fTime, f);
    if (f == 0.0f)
        return keys[i].vValue;
    return keys[i].vValue + (keys[i + 1].vValue - keys[i].vValue) * f;
}

D3DXQUATERNION SampleRotation(const std::vector<SRotationKey>& keys, float fTime)
{
    float f;
    const size_t i = FindPair(keys, fTime, f);
    if (f == 0.0f)
        return keys[i].qValue;
    return CAnimationTrack::Slerp(keys[i].qValue, keys[i + 1].qValue, f);
}

template <class Key>
float LastTime(const std::vector<Key>& keys)
{
    return keys.empty() ? 0.0f : keys.back().fTime;
}

}  // namespace

CAnimationTrack::CAnimationTrack(const std::string& strName, std::vector<SVectorKey> positions,
                                 std::vector<SRotationKey> rotations, std::vector<SVectorKey> scales)
    : m_strName(strName),
      m_Positions(std::move(positions)),
      m_Rotations(std::move(rotations)),
      m_Scales(std::move(scales))
{
    m_fLength = std::max({LastTime(m_Positions), LastTime(m_Rotations), LastTime(m_Scales)});
}

D3DXQUATERNION CAnimationTrack::Slerp(const D3DXQUATERNION& q1In, const D3DXQUATERNION& q2, float f)
{
    D3DXQUATERNION q1 = q1In;
    float c = D3DXQuaternionDot(&q1, &q2);
    if (c < 0.0f) {
        q1 = -q1;
        c = -c;
    }
    if (1.0f - c < 0.05f)
        return q1 * (1.0f - f) + q2 * f;
    const float fTheta = std::acos(std::min(c, 1.0f));
    const float fSin = std::sin(fTheta);
    return (q1 * std::sin((1.0f - f) * fTheta) + q2 * std::sin(f * fTheta)) * (1.0f / fSin);
}

D3DXMATRIX CAnimationTrack::Sample(float fTime) const
{
    D3DXMATRIX mResult;
    D3DXMatrixIdentity(&mResult);
    if (!m_Scales.empty()) {
        const D3DXVECTOR3 vScale = SampleVector(m_Scales, fTime);
        mResult._11 = vScale.x;
        mResult._22 = vScale.y;
        mResult._33 = vScale.z;
    }
    if (!m_Rotations.empty()) {
        const D3DXQUATERNION q = SampleRotation(m_Rotations, fTime);
        D3DXMATRIX mRotation;
        D3DXMatrixRotationQuaternion(&mRotation, &q);
        D3DXMatrixMultiply(&mResult, &mRotation, &mResult);
    }
    if (!m_Positions.empty()) {
        const D3DXVECTOR3 vPosition = SampleVector(m_Positions, fTime);
        mResult._41 = vPosition.x;
        mResult._42 = vPosition.y;
        mResult._43 = vPosition.z;
    }
    return mResult;
}

}  // namespace Vantile
