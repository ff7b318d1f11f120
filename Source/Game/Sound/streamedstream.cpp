#include "Game/Sound/streamedstream.h"

#include <AL/al.h>

#include <vector>

#include "Game/Sound/vorbissource.h"

CStreamedStream::CStreamedStream(unsigned int nSource, std::unique_ptr<CVorbisSource> pDecoder)
    : COutputStream(nSource), m_pDecoder(std::move(pDecoder))
{
    alGenBuffers(kBufferCount, m_Buffers);
}

CStreamedStream::~CStreamedStream()
{
    alSourceStop(m_nSource);
    unqueueAll();
    alDeleteBuffers(kBufferCount, m_Buffers);
}

std::unique_ptr<COutputStream> CStreamedStream::Create(std::unique_ptr<CVorbisSource> pDecoder)
{
    ALuint nSource = CreateSource();
    if (!nSource)
        return nullptr;
    std::unique_ptr<COutputStream> pStream(new CStreamedStream(nSource, std::move(pDecoder)));
    if (alGetError() != AL_NO_ERROR)
        return nullptr;
    return pStream;
}

bool CStreamedStream::fill(unsigned int nBuffer)
{
    if (m_bDecoderDone)
        return false;
    std::vector<int16_t> samples(static_cast<size_t>(kBufferFrames * m_pDecoder->channels()));
    int nFrames = m_pDecoder->read(samples.data(), kBufferFrames, m_bRepeat);
    if (nFrames < kBufferFrames)
        m_bDecoderDone = true;
    if (nFrames == 0)
        return false;
    alBufferData(nBuffer, m_pDecoder->channels() == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16,
                 samples.data(), nFrames * m_pDecoder->channels() * static_cast<int>(sizeof(int16_t)),
                 m_pDecoder->frequency());
    alSourceQueueBuffers(m_nSource, 1, &nBuffer);
    return true;
}

void CStreamedStream::unqueueAll()
{
    alSourcei(m_nSource, AL_BUFFER, 0);
}

void CStreamedStream::play()
{
    if (m_bPlaying)
        return;
    alSourceStop(m_nSource);
    unqueueAll();
    m_pDecoder->rewind();
    m_bDecoderDone = false;
    for (unsigned int nBuffer : m_Buffers)
        fill(nBuffer);
    alSourcePlay(m_nSource);
    m_bPlaying = true;
}

void CStreamedStream::stop()
{
    alSourceStop(m_nSource);
    unqueueAll();
    m_bPlaying = false;
}

void CStreamedStream::update()
{
    if (!m_bPlaying)
        return;
    ALint nProcessed = 0;
    alGetSourcei(m_nSource, AL_BUFFERS_PROCESSED, &nProcessed);
    while (nProcessed-- > 0) {
        ALuint nBuffer = 0;
        alSourceUnqueueBuffers(m_nSource, 1, &nBuffer);
        fill(nBuffer);
    }
    ALint nQueued = 0;
    ALint nState = AL_STOPPED;
    alGetSourcei(m_nSource, AL_BUFFERS_QUEUED, &nQueued);
    alGetSourcei(m_nSource, AL_SOURCE_STATE, &nState);
    if (nState == AL_PLAYING)
        return;
    // Stopped with buffers still queued means the queue ran dry during a
    // long frame: carry on. With nothing queued the track has ended.
    if (nQueued > 0)
        alSourcePlay(m_nSource);
    else
        m_bPlaying = false;
}

void CStreamedStream::setRepeat(bool bRepeat)
{
    m_bRepeat = bRepeat;
    // A track asked to loop after its decoder reached the end wraps on.
    if (bRepeat)
        m_bDecoderDone = false;
}
