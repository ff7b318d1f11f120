// Ogg Vorbis encoding of rendered sound, shared by the synthesis tool and
// by tests that need a real file to decode.
#pragma once

#include <string>
#include <vector>

namespace SoundSynth {

// Interleaved float samples in -1..1; quality is Vorbis VBR quality
// (-0.1..1). Returns the bytes of a complete .ogg file, empty on failure.
std::string EncodeOggVorbis(const std::vector<float>& samples, int nChannels, int nRate, float fQuality);

}  // namespace SoundSynth
