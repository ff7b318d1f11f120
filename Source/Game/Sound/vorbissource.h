// Decodes an Ogg Vorbis file held in memory into 16-bit samples.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct OggVorbis_File;

class CVorbisSource {
public:
    // Sample rates a file may declare; OpenAL resamples any of them.
    static const long kLowestRate = 1000;
    static const long kHighestRate = 384000;

    // The bytes are shared, not copied: every copy of a streamed sound
    // decodes the same memory. Returns none when they are not Ogg Vorbis.
    static std::unique_ptr<CVorbisSource> Open(std::shared_ptr<const std::string> pBytes);
    ~CVorbisSource();
    CVorbisSource(const CVorbisSource&) = delete;
    CVorbisSource& operator=(const CVorbisSource&) = delete;

    int channels() const { return m_nChannels; }
    int frequency() const { return m_nFrequency; }

    // Fills up to nFrames interleaved frames; returns the frames written,
    // 0 at the end. With bLoop the decoder wraps to the start, so a loop
    // plays without a gap.
    int read(int16_t* pFrames, int nFrames, bool bLoop);
    void rewind();
    std::vector<int16_t> decodeAll();

    // Memory reads for the decoder's callbacks.
    size_t readBytes(void* pOut, size_t nBytes);
    int seekBytes(int64_t nOffset, int nWhence);
    long tellBytes() const { return static_cast<long>(m_nPosition); }

private:
    explicit CVorbisSource(std::shared_ptr<const std::string> pBytes);

    std::shared_ptr<const std::string> m_pBytes;
    size_t m_nPosition = 0;
    std::unique_ptr<OggVorbis_File> m_pFile;
    int m_nChannels = 0;
    int m_nFrequency = 0;
};
