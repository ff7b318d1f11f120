// A copy of an effect: the whole sound decoded once into a buffer at
// registration, so playing it never touches a file or the decoder.
#pragma once

#include "Game/Sound/outputstream.h"

class CVorbisSource;

class CSampleStream : public COutputStream {
public:
    static std::unique_ptr<COutputStream> Create(CVorbisSource& decoder);
    ~CSampleStream() override;

    void play() override;
    void stop() override;
    bool isPlaying() const override;
    void setRepeat(bool bRepeat) override;

private:
    CSampleStream(unsigned int nSource, unsigned int nBuffer);

    unsigned int m_nBuffer;
};
