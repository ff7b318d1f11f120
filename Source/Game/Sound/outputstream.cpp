#include "Game/Sound/outputstream.h"

#include <AL/al.h>

#include "Game/Sound/samplestream.h"
#include "Game/Sound/streamedstream.h"
#include "Game/Sound/vorbissource.h"

std::unique_ptr<COutputStream> COutputStream::Create(std::shared_ptr<const std::string> pBytes, bool bStreamed)
{
    std::unique_ptr<CVorbisSource> pDecoder = CVorbisSource::Open(std::move(pBytes));
    if (!pDecoder)
        return nullptr;
    if (bStreamed)
        return CStreamedStream::Create(std::move(pDecoder));
    return CSampleStream::Create(*pDecoder);
}

COutputStream::~COutputStream()
{
    alSourceStop(m_nSource);
    alSourcei(m_nSource, AL_BUFFER, 0);
    alDeleteSources(1, &m_nSource);
}

unsigned int COutputStream::CreateSource()
{
    alGetError();
    ALuint nSource = 0;
    alGenSources(1, &nSource);
    if (alGetError() != AL_NO_ERROR)
        return 0;
    alSourcei(nSource, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(nSource, AL_POSITION, 0.0f, 0.0f, 0.0f);
    return nSource;
}

void COutputStream::setVolume(float fVolume)
{
    alSourcef(m_nSource, AL_GAIN, fVolume < 0.0f ? 0.0f : fVolume);
}
