#include "Game/Sound/vorbissource.h"

#include <cstdio>
#include <cstring>

#include <vorbis/vorbisfile.h>

namespace {

size_t ReadCallback(void* pOut, size_t nSize, size_t nCount, void* pSource)
{
    return static_cast<CVorbisSource*>(pSource)->readBytes(pOut, nSize * nCount) / (nSize ? nSize : 1);
}

int SeekCallback(void* pSource, ogg_int64_t nOffset, int nWhence)
{
    return static_cast<CVorbisSource*>(pSource)->seekBytes(nOffset, nWhence);
}

long TellCallback(void* pSource)
{
    return static_cast<CVorbisSource*>(pSource)->tellBytes();
}

}  // namespace

CVorbisSource::CVorbisSource(std::shared_ptr<const std::string> pBytes)
    : m_pBytes(std::move(pBytes)), m_pFile(std::make_unique<OggVorbis_File>())
{
}

CVorbisSource::~CVorbisSource()
{
    if (m_nChannels)
        ov_clear(m_pFile.get());
}

std::unique_ptr<CVorbisSource> CVorbisSource::Open(std::shared_ptr<const std::string> pBytes)
{
    std::unique_ptr<CVorbisSource> pSource(new CVorbisSource(std::move(pBytes)));
    ov_callbacks callbacks = {ReadCallback, SeekCallback, nullptr, TellCallback};
    if (ov_open_callbacks(pSource.get(), pSource->m_pFile.get(), nullptr, 0, callbacks) != 0)
        return nullptr;
    const vorbis_info* pInfo = ov_info(pSource->m_pFile.get(), -1);
    // A rate the mixer cannot hold in an int, or none at all, is no sound.
    if (!pInfo || pInfo->channels < 1 || pInfo->channels > 2 || pInfo->rate < kLowestRate ||
        pInfo->rate > kHighestRate) {
        ov_clear(pSource->m_pFile.get());
        return nullptr;
    }
    pSource->m_nChannels = pInfo->channels;
    pSource->m_nFrequency = static_cast<int>(pInfo->rate);
    return pSource;
}

size_t CVorbisSource::readBytes(void* pOut, size_t nBytes)
{
    size_t nLeft = m_pBytes->size() - m_nPosition;
    size_t nCopied = nBytes < nLeft ? nBytes : nLeft;
    memcpy(pOut, m_pBytes->data() + m_nPosition, nCopied);
    m_nPosition += nCopied;
    return nCopied;
}

int CVorbisSource::seekBytes(int64_t nOffset, int nWhence)
{
    int64_t nBase = nWhence == SEEK_CUR ? static_cast<int64_t>(m_nPosition)
                  : nWhence == SEEK_END ? static_cast<int64_t>(m_pBytes->size())
                                        : 0;
    int64_t nTarget = nBase + nOffset;
    if (nTarget < 0 || nTarget > static_cast<int64_t>(m_pBytes->size()))
        return -1;
    m_nPosition = static_cast<size_t>(nTarget);
    return 0;
}

void CVorbisSource::rewind()
{
    ov_pcm_seek(m_pFile.get(), 0);
}

int CVorbisSource::read(int16_t* pFrames, int nFrames, bool bLoop)
{
    const int nFrameBytes = 2 * m_nChannels;
    int nDone = 0;
    bool bWrapped = false;
    while (nDone < nFrames) {
        int nSection = 0;
        long nBytes = ov_read(m_pFile.get(), reinterpret_cast<char*>(pFrames + nDone * m_nChannels),
                              (nFrames - nDone) * nFrameBytes, 0, 2, 1, &nSection);
        if (nBytes == OV_HOLE)
            continue;  // a damaged page: the decoder resumes at the next one
        if (nBytes < 0)
            break;
        if (nBytes == 0) {
            // Wrapping twice in one call means the file holds no samples.
            if (!bLoop || bWrapped)
                break;
            rewind();
            bWrapped = true;
            continue;
        }
        bWrapped = false;
        nDone += static_cast<int>(nBytes / nFrameBytes);
    }
    return nDone;
}

std::vector<int16_t> CVorbisSource::decodeAll()
{
    std::vector<int16_t> samples;
    int16_t buffer[4096 * 2];
    int nFrames;
    while ((nFrames = read(buffer, 4096, false)) > 0)
        samples.insert(samples.end(), buffer, buffer + nFrames * m_nChannels);
    return samples;
}
