// One playable copy of a sound on the audio device: a source that plays a
// decoded sample from memory, or one that decodes a track as it plays.
#pragma once

#include <memory>
#include <string>

class COutputStream {
public:
    // Returns none when the bytes do not decode or the device refuses a
    // source; the caller leaves that copy out.
    static std::unique_ptr<COutputStream> Create(std::shared_ptr<const std::string> pBytes, bool bStreamed);
    virtual ~COutputStream();

    // Starting a copy that is already playing does not restart it.
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    virtual void setRepeat(bool bRepeat) = 0;
    void setVolume(float fVolume);
    // Streamed copies refill their queue here; called once or more a frame.
    virtual void update() {}

protected:
    explicit COutputStream(unsigned int nSource) : m_nSource(nSource) {}
    static unsigned int CreateSource();

    unsigned int m_nSource;
};
