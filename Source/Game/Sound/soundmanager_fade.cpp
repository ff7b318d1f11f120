#include "Game/Sound/soundmanager.h"

#include "Game/Sound/outputstream.h"

void CSoundManager::fadeTo(const std::string& strName, float fTarget, float fSpeed, bool bStopWhenSilent)
{
    if (!find(strName))
        return;
    auto it = m_Tracks.find(strName);
    if (it == m_Tracks.end()) {
        it = m_Tracks.emplace(strName, MusicTrack()).first;
        it->second.m_strName = strName;
        play(strName, 0.0f, true);
    }
    MusicTrack& track = it->second;
    track.m_bStopWhenSilent = bStopWhenSilent;
    track.m_bActive = true;
    track.m_fTarget = fTarget;
    track.m_fSpeed = fSpeed;
    setVolume(strName, track.m_fVolume * MusicGain());
}

void CSoundManager::fadeOut(const std::string& strName, float fSpeed)
{
    if (isPlaying(strName))
        fadeTo(strName, 0.0f, fSpeed, true);
}

bool CSoundManager::frameStarted(const Vantile::FrameEvent& evt)
{
    for (auto& sound : m_Sounds) {
        for (const auto& pCopy : sound.second)
            pCopy->update();
    }
    // A frame time of 0 still moves the fades, by 50 ms.
    float fSeconds = evt.timeSinceLastFrame > 0.0 ? static_cast<float>(evt.timeSinceLastFrame / 1000.0) : 0.05f;
    for (auto& track : m_Tracks) {
        if (stepTrack(track.second, fSeconds))
            break;
    }
    return true;
}

bool CSoundManager::stepTrack(MusicTrack& track, float fSeconds)
{
    if (track.m_fVolume == track.m_fTarget) {
        if (track.m_fTarget != 0.0f || !track.m_bStopWhenSilent)
            return false;
        // At most one track goes per step; the erase ends this walk.
        std::string strName = track.m_strName;
        stop(strName);
        m_Tracks.erase(strName);
        return true;
    }
    bool bWasAbove = track.m_fVolume >= track.m_fTarget;
    track.m_fVolume += bWasAbove ? -fSeconds * track.m_fSpeed : fSeconds * track.m_fSpeed;
    if ((track.m_fVolume >= track.m_fTarget) != bWasAbove)
        track.m_fVolume = track.m_fTarget;
    setVolume(track.m_strName, track.m_fVolume * MusicGain());
    return false;
}

float CSoundManager::trackVolume(const std::string& strName) const
{
    auto it = m_Tracks.find(strName);
    return it == m_Tracks.end() ? -1.0f : it->second.m_fVolume;
}
