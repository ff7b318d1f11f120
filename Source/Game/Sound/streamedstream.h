// A copy of a music track, decoded as it plays: a few short buffers cycle
// through the source's queue and are refilled from the decoder each frame.
#pragma once

#include <memory>

#include "Game/Sound/outputstream.h"

class CVorbisSource;

class CStreamedStream : public COutputStream {
public:
    static std::unique_ptr<COutputStream> Create(std::unique_ptr<CVorbisSource> pDecoder);
    ~CStreamedStream() override;

    void play() override;
    void stop() override;
    bool isPlaying() const override { return m_bPlaying; }
    void setRepeat(bool bRepeat) override;
    void update() override;

private:
    // Together the queue holds about 1.5 s, so a frame that stalls for a
    // second (a level loading) does not starve the music.
    static const int kBufferCount = 4;
    static const int kBufferFrames = 16384;

    CStreamedStream(unsigned int nSource, std::unique_ptr<CVorbisSource> pDecoder);
    bool fill(unsigned int nBuffer);
    void unqueueAll();

    std::unique_ptr<CVorbisSource> m_pDecoder;
    unsigned int m_Buffers[kBufferCount] = {};
    bool m_bPlaying = false;
    bool m_bRepeat = false;
    bool m_bDecoderDone = false;
};
