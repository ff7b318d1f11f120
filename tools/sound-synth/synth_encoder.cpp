#include "synth_encoder.h"

#include <cstdlib>

#include <vorbis/vorbisenc.h>

namespace SoundSynth {

namespace {

void AppendPages(ogg_stream_state& stream, std::string& strOut, bool bFlush)
{
    ogg_page page;
    while (bFlush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        strOut.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
        strOut.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
    }
}

void DrainBlocks(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream, std::string& strOut)
{
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
            ogg_stream_packetin(&stream, &packet);
            AppendPages(stream, strOut, false);
        }
    }
}

}  // namespace

std::string EncodeOggVorbis(const std::vector<float>& samples, int nChannels, int nRate, float fQuality)
{
    vorbis_info info;
    vorbis_info_init(&info);
    // The quality modes cut near 18 kHz at low settings; keep the whole
    // band up to Nyquist so splashes and shakers keep their air.
    double fLowpassKhz = nRate / 2000.0;
    if (vorbis_encode_setup_vbr(&info, nChannels, nRate, fQuality) != 0 ||
        vorbis_encode_ctl(&info, OV_ECTL_LOWPASS_SET, &fLowpassKhz) != 0 || vorbis_encode_setup_init(&info) != 0) {
        vorbis_info_clear(&info);
        return std::string();
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "quellon-sound-synth");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x5155454C);

    std::string strOut;
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    // Audio starts on a page of its own, as decoders expect.
    AppendPages(stream, strOut, true);

    const size_t nFrames = samples.size() / static_cast<size_t>(nChannels);
    const size_t nChunk = 4096;
    for (size_t nStart = 0; nStart < nFrames; nStart += nChunk) {
        size_t nCount = nFrames - nStart < nChunk ? nFrames - nStart : nChunk;
        float** ppBuffer = vorbis_analysis_buffer(&dsp, static_cast<int>(nCount));
        for (size_t i = 0; i < nCount; ++i) {
            for (int c = 0; c < nChannels; ++c)
                ppBuffer[c][i] = samples[(nStart + i) * static_cast<size_t>(nChannels) + static_cast<size_t>(c)];
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(nCount));
        DrainBlocks(dsp, block, stream, strOut);
    }
    vorbis_analysis_wrote(&dsp, 0);
    DrainBlocks(dsp, block, stream, strOut);
    AppendPages(stream, strOut, true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return strOut;
}

}  // namespace SoundSynth
