// An instrument: how one note sounds. Every parameter has a default so a
// description names only what makes the sound its own.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace SoundSynth {

// Knock: a click into three damped modes at 1, ratio and ratio squared
// times the pitch (wood near 2.76, shells nearer 1.5), the higher ones
// dying faster.
enum class Wave { Sine, Triangle, Saw, Square, Noise, Pluck, Knock };

struct Instrument {
    Wave wave = Wave::Sine;
    int voices = 1;            // unison copies
    float detune = 0;          // cents between the outermost copies
    float fmRatio = 0;         // modulator / carrier; 0 turns FM off
    float fmIndex = 0;         // modulation depth at the note's start
    float fmDecay = 1;         // seconds for the depth to fall to a third
    float attack = 0.005f, decay = 0.2f, sustain = 0.7f, release = 0.2f;
    float cutoff = 0;          // low-pass in Hz; 0 means open
    float q = 0.707f;
    float envCutoff = 0;       // Hz added to the cutoff at the note's start
    float cutoffDecay = 0.3f;  // seconds for that to fall to a third
    float highpass = 0;        // Hz; 0 means none
    float bandpass = 0;        // Hz; a band-pass instead of the low-pass
    float glide = 0;           // semitones the pitch moves during the note
    float glideTime = 0.1f;    // seconds to get most of the way there
    float vibrato = 0;         // semitones
    float vibratoRate = 5;     // Hz
    float noise = 0;           // breath noise mixed into the wave
    float modeRatio = 2.76f;   // a knock's mode spacing
    float pan = 0;             // -1 left … 1 right
    float gain = 0;            // dB
    float send = 0.2f;         // share sent to the room
};

// One note in seconds, as the renderer places it.
struct NoteEvent {
    double start;
    double duration;
    float midi;
    float velocity;
    const Instrument* pInstrument;
};

// Adds the note into interleaved stereo dry and mono room-send buffers
// from sample nOffset on, wrapping at nWrap when it is not 0 (loops).
void RenderNote(const NoteEvent& note, std::vector<float>& dry, std::vector<float>& send, size_t nWrap);

// Sets one parameter by its name in descriptions; false when unknown.
bool SetParameter(Instrument& instrument, const std::string& strName, const std::string& strValue);

}  // namespace SoundSynth
