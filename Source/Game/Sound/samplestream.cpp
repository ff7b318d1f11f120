#include "Game/Sound/samplestream.h"

#include <AL/al.h>

#include "Game/Sound/vorbissource.h"

CSampleStream::CSampleStream(unsigned int nSource, unsigned int nBuffer)
    : COutputStream(nSource), m_nBuffer(nBuffer)
{
}

CSampleStream::~CSampleStream()
{
    alSourceStop(m_nSource);
    alSourcei(m_nSource, AL_BUFFER, 0);
    alDeleteBuffers(1, &m_nBuffer);
}

std::unique_ptr<COutputStream> CSampleStream::Create(CVorbisSource& decoder)
{
    std::vector<int16_t> samples = decoder.decodeAll();
    if (samples.empty())
        return nullptr;
    ALuint nSource = CreateSource();
    if (!nSource)
        return nullptr;
    ALuint nBuffer = 0;
    alGenBuffers(1, &nBuffer);
    alBufferData(nBuffer, decoder.channels() == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, samples.data(),
                 static_cast<ALsizei>(samples.size() * sizeof(int16_t)), decoder.frequency());
    alSourcei(nSource, AL_BUFFER, static_cast<ALint>(nBuffer));
    if (alGetError() != AL_NO_ERROR) {
        alDeleteSources(1, &nSource);
        alDeleteBuffers(1, &nBuffer);
        return nullptr;
    }
    return std::unique_ptr<COutputStream>(new CSampleStream(nSource, nBuffer));
}

void CSampleStream::play()
{
    if (!isPlaying())
        alSourcePlay(m_nSource);
}

void CSampleStream::stop()
{
    alSourceStop(m_nSource);
    alSourceRewind(m_nSource);
}

bool CSampleStream::isPlaying() const
{
    ALint nState = AL_STOPPED;
    alGetSourcei(m_nSource, AL_SOURCE_STATE, &nState);
    return nState == AL_PLAYING;
}

void CSampleStream::setRepeat(bool bRepeat)
{
    alSourcei(m_nSource, AL_LOOPING, bRepeat ? AL_TRUE : AL_FALSE);
}
