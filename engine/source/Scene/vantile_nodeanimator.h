// The keyframe clock of one node: named tracks (shared with the object they
// came from), the current time and the play state.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "Scene/vantile_animationtrack.h"

namespace Vantile {

class CNodeAnimator {
public:
    // The first track added becomes the current one.
    void AddTrack(const std::string& strName, AnimationTrackPtr pTrack);
    size_t GetTrackCount() const { return m_Tracks.size(); }
    const CAnimationTrack* GetCurrentTrack() const;
    // Selects the first track of that name; false (and no change) when absent.
    bool SelectTrack(const std::string& strName);
    const CAnimationTrack* FindTrack(const std::string& strName) const;

    // Length of the current track, -1 without one.
    float GetLength() const;
    // The largest length among the tracks of exactly that name; 0 if none.
    float GetLength(const std::string& strName) const;

    void Play(bool bLoop, float fSpeed);
    void Pause() { m_bPlaying = false; }
    void Stop();
    // Clamped to 0 .. the current track's length.
    void SetTime(float fTime);
    void Advance(float fSeconds);
    D3DXMATRIX Sample() const;

    float GetTime() const { return m_fTime; }
    bool IsPlaying() const { return m_bPlaying; }
    bool IsLooping() const { return m_bLoop; }
    float GetSpeed() const { return m_fSpeed; }
    bool IsApplied() const { return m_bApply; }
    void SetApply(bool bApply) { m_bApply = bApply; }

private:
    std::vector<std::pair<std::string, AnimationTrackPtr>> m_Tracks;
    size_t m_nCurrent = 0;
    float m_fTime = 0.0f;
    bool m_bPlaying = false;
    bool m_bLoop = false;
    bool m_bApply = true;
    float m_fSpeed = 1.0f;
};

}  // namespace Vantile
