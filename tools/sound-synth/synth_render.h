// Turns a parsed description into stereo samples at kRate.
#pragma once

#include <vector>

#include "synth_score.h"

namespace SoundSynth {

struct RenderStats {
    float peakDb;
    float rmsDb;
    float seconds;
};

// Interleaved stereo in -1..1. A loop is exactly its length long and its
// end runs on into its start: note tails and the room wrap around.
std::vector<float> Render(const Score& score, RenderStats& stats);

}  // namespace SoundSynth
