// All of the game's sound: effects registered once by name and played on
// one of a few pre-opened copies so an effect can overlap itself, and music
// tracks that cross-fade by moving each towards a target loudness every
// frame. Without a sound device every call is accepted and nothing sounds.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Core/vantile_framehandler.h"

class CAudioDevice;
class COutputStream;

class CSoundManager : public Vantile::CFrameHandler {
public:
    // Made on first use: opens the system's device and registers itself
    // as a frame handler.
    static CSoundManager& instance();

    // A manager on the given device; none means silence.
    explicit CSoundManager(std::unique_ptr<CAudioDevice> pDevice);
    ~CSoundManager() override;
    CSoundManager(const CSoundManager&) = delete;
    CSoundManager& operator=(const CSoundManager&) = delete;

    // Where registration gets a sound's file; the default reads the data.
    using FileReader = std::function<bool(const std::string& strName, std::string& strBytes)>;
    void setFileReader(FileReader reader) { m_FileReader = std::move(reader); }
    static bool ReadDataFile(const std::string& strName, std::string& strBytes);

    // A name whose file is missing or opens no copy is left unregistered
    // (and logged), so every later call with it does nothing.
    void registerSound(const std::string& strName, bool bStreamed, int nCopies);
    bool isRegistered(const std::string& strName) const { return m_Sounds.count(strName) != 0; }

    // Volumes are 0..1 and carry no gain; the game context applies those.
    void play(const std::string& strName, float fVolume, bool bLoop);
    void stop(const std::string& strName);
    void setVolume(const std::string& strName, float fVolume);
    bool isPlaying(const std::string& strName) const;

    void fadeTo(const std::string& strName, float fTarget, float fSpeed, bool bStopWhenSilent);
    void fadeOut(const std::string& strName, float fSpeed);
    // The fade step; also keeps streamed tracks fed.
    bool frameStarted(const Vantile::FrameEvent& evt) override;

    // The current loudness of a fading track, before the music gain;
    // negative when there is no such track.
    float trackVolume(const std::string& strName) const;

private:
    struct MusicTrack {
        bool m_bActive = false;
        std::string m_strName;
        float m_fVolume = 0.0f;
        float m_fTarget = 0.0f;
        float m_fSpeed = 0.0f;
        bool m_bStopWhenSilent = false;
    };
    using Copies = std::vector<std::unique_ptr<COutputStream>>;

    const Copies* find(const std::string& strName) const;
    static float MusicGain();
    // Returns true when it removed the track, which ends the step.
    bool stepTrack(MusicTrack& track, float fSeconds);

    std::unique_ptr<CAudioDevice> m_pDevice;
    std::map<std::string, Copies> m_Sounds;
    std::map<std::string, MusicTrack> m_Tracks;
    FileReader m_FileReader;
};
