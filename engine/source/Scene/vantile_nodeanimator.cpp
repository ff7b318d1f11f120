#include "Scene/vantile_nodeanimator.h"

#include "Scene/vantile_node.h"

#include <algorithm>
#include <cmath>

namespace Vantile {

void CNodeAnimator::AddTrack(const std::string& strName, AnimationTrackPtr pTrack)
{
    if (pTrack)
        m_Tracks.emplace_back(strName, std::move(pTrack));
}

const CAnimationTrack* CNodeAnimator::GetCurrentTrack() const
{
    return m_nCurrent < m_Tracks.size() ? m_Tracks[m_nCurrent].second.get() : nullptr;
}

bool CNodeAnimator::SelectTrack(const std::string& strName)
{
    for (size_t i = 0; i < m_Tracks.size(); ++i) {
        if (m_Tracks[i].first == strName) {
            m_nCurrent = i;
            return true;
        }
    }
    return false;
}

const CAnimationTrack* CNodeAnimator::FindTrack(const std::string& strName) const
{
    for (const auto& track : m_Tracks) {
        if (track.first == strName)
            return track.second.get();
    }
    return nullptr;
}

float CNodeAnimator::GetLength() const
{
    const CAnimationTrack* pTrack = GetCurrentTrack();
    return pTrack ? pTrack->GetLength() : -1.0f;
}

float CNodeAnimator::GetLength(const std::string& strName) const
{
    float fLength = 0.0f;
    for (const auto& track : m_Tracks) {
        if (track.first == strName)
            fLength = std::max(fLength, track.second->GetLength());
    }
    return fLength;
}

void CNodeAnimator::Play(bool bLoop, float fSpeed)
{
    m_bPlaying = true;
    m_bLoop = bLoop;
    m_fSpeed = fSpeed;
}

void CNodeAnimator::Stop()
{
    m_bPlaying = false;
    m_fTime = 0.0f;
}

void CNodeAnimator::SetTime(float fTime)
{
    m_fTime = std::min(std::max(fTime, 0.0f), std::max(GetLength(), 0.0f));
}

void CNodeAnimator::Advance(float fSeconds)
{
    const float fLength = GetLength();
    if (!m_bPlaying || fLength < 0.0f)
        return;
    m_fTime = std::max(m_fTime + fSeconds * m_fSpeed, 0.0f);
    if (!m_bLoop) {
        // A finished one-shot stays "playing" at its last key.
        m_fTime = std::min(m_fTime, fLength);
    } else if (fLength <= 0.0f) {
        // A static export (every key at 0) would divide by zero and turn the
        // node's matrix into NaN.
        m_fTime = 0.0f;
    } else if (m_fTime > fLength) {
        m_fTime -= fLength * std::floor(m_fTime / fLength);
    }
}

D3DXMATRIX CNodeAnimator::Sample() const
{
    const CAnimationTrack* pTrack = GetCurrentTrack();
    return pTrack ? pTrack->Sample(m_fTime) : IdentityMatrix();
}

}  // namespace Vantile
