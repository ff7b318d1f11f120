// quellon-sound-synth DESCRIPTION OUTPUT.ogg
// Renders one sound or music description of ours to an Ogg Vorbis file and
// prints its length and levels, so a build log shows what was made.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "synth_dsp.h"
#include "synth_encoder.h"
#include "synth_render.h"
#include "synth_score.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: quellon-sound-synth DESCRIPTION OUTPUT.ogg\n");
        return 2;
    }
    std::ifstream input(argv[1], std::ios::binary);
    if (!input) {
        fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    std::stringstream text;
    text << input.rdbuf();
    SoundSynth::Score score;
    std::string strError;
    if (!SoundSynth::ParseScore(text.str(), score, strError)) {
        fprintf(stderr, "%s: %s\n", argv[1], strError.c_str());
        return 1;
    }
    SoundSynth::RenderStats stats;
    std::vector<float> samples = SoundSynth::Render(score, stats);
    std::string strOgg = SoundSynth::EncodeOggVorbis(samples, 2, SoundSynth::kRate, score.quality);
    // Written under a temporary name first so an interrupted build never
    // leaves a half file that looks up to date.
    std::string strTemp = std::string(argv[2]) + ".part";
    std::ofstream output(strTemp, std::ios::binary);
    output.write(strOgg.data(), static_cast<std::streamsize>(strOgg.size()));
    output.close();
    if (strOgg.empty() || !output || std::rename(strTemp.c_str(), argv[2]) != 0) {
        fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    printf("%s: %.2f s, peak %.1f dBFS, rms %.1f dBFS%s\n", argv[2], stats.seconds, stats.peakDb, stats.rmsDb,
           score.loop ? ", loop" : "");
    return 0;
}
