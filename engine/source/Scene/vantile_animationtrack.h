// Keyframes of one node's animation: position, rotation and scale keys in
// seconds. Tracks are shared, read-only, between an object and every clone
// of its nodes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "d3d/d3dx8.h"

namespace Vantile {

struct SVectorKey {
    float fTime;
    D3DXVECTOR3 vValue;
};

struct SRotationKey {
    float fTime;
    D3DXQUATERNION qValue;  // x, y, z, w as stored in the file
};

class CAnimationTrack {
public:
    CAnimationTrack(const std::string& strName, std::vector<SVectorKey> positions,
                    std::vector<SRotationKey> rotations, std::vector<SVectorKey> scales);

    const std::string& GetName() const { return m_strName; }
    // The largest last-key time of the three key arrays; 0 without keys.
    float GetLength() const { return m_fLength; }

    // The local matrix at time t: rotation x scale, with the position as the
    // translation row. Times outside the keys hold the nearest key.
    D3DXMATRIX Sample(float fTime) const;

    const std::vector<SVectorKey>& GetPositionKeys() const { return m_Positions; }
    const std::vector<SRotationKey>& GetRotationKeys() const { return m_Rotations; }
    const std::vector<SVectorKey>& GetScaleKeys() const { return m_Scales; }

    // The interpolation the exporter's data was made for: plain blending
    // (not renormalised) for nearly equal rotations, the great arc otherwise.
    static D3DXQUATERNION Slerp(const D3DXQUATERNION& q1, const D3DXQUATERNION& q2, float f);

private:
    std::string m_strName;
    std::vector<SVectorKey> m_Positions;
    std::vector<SRotationKey> m_Rotations;
    std::vector<SVectorKey> m_Scales;
    float m_fLength = 0.0f;
};

typedef std::shared_ptr<const CAnimationTrack> AnimationTrackPtr;

}  // namespace Vantile
