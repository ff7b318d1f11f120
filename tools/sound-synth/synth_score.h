// A sound description in our text format: instruments, then notes placed
// in beats, written one by one or from chord-based patterns. The format is
// described in content/sounds/README.md.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "synth_instrument.h"

namespace SoundSynth {

struct Score {
    float tempo = 60;       // beats per minute; 60 makes beats seconds
    float length = 0;       // beats; the loop length for loops
    bool loop = false;      // the end joins the start without a seam
    float roomSize = 0.6f, roomDamping = 0.5f, roomMix = 0.25f;
    float chorusRate = 0, chorusDepth = 0;
    float level = -16;      // loudness to reach, RMS in dBFS; peaks stay under -1 dBFS
    float quality = 0.4f;   // Vorbis quality
    std::map<std::string, std::unique_ptr<Instrument>> instruments;
    std::vector<NoteEvent> notes;  // start and duration in seconds

    double seconds(double fBeats) const { return fBeats * 60.0 / tempo; }
};

// Parses a description; on failure returns false with "line N: reason".
bool ParseScore(const std::string& strText, Score& score, std::string& strError);

}  // namespace SoundSynth
