// The building blocks of our sounds: oscillators, noise, filters and the
// room effects that make them sound under water.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace SoundSynth {

const int kRate = 44100;
const float kPi = 3.14159265358979f;

float MidiToFrequency(float fMidi);
float DbToGain(float fDb);

// A small fixed-seed generator: the same description always renders the
// same file, so the build is reproducible.
class CNoise {
public:
    explicit CNoise(uint32_t nSeed = 0x9E3779B9u) : m_nState(nSeed ? nSeed : 1) {}
    float next();  // -1..1, white

private:
    uint32_t m_nState;
};

// Band-limited saw and square by polyBLEP, so high notes do not alias.
float PolyBlep(float fPhase, float fStep);

// RBJ biquad; the coefficients can be reset per block to sweep.
class CBiquad {
public:
    void setLowpass(float fCutoff, float fQ);
    void setHighpass(float fCutoff, float fQ);
    void setBandpass(float fCentre, float fQ);
    float process(float fIn);

private:
    void set(float b0, float b1, float b2, float a0, float a1, float a2);

    float m_b0 = 1, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    float m_z1 = 0, m_z2 = 0;
};

// A Schroeder-Moorer room (eight damped combs, four all-passes per side,
// the right side slightly detuned for width).
class CReverb {
public:
    CReverb(float fRoom, float fDamping);
    void process(float fIn, float& fOutL, float& fOutR);

private:
    struct Comb {
        std::vector<float> buffer;
        size_t pos = 0;
        float store = 0;
    };
    struct AllPass {
        std::vector<float> buffer;
        size_t pos = 0;
    };
    static float Run(Comb& comb, float fIn, float fFeedback, float fDamping);
    static float Run(AllPass& pass, float fIn);

    std::vector<Comb> m_Combs[2];
    std::vector<AllPass> m_Passes[2];
    float m_fFeedback;
    float m_fDamping;
};

// A slow stereo chorus: two modulated delay taps, the wobble of water.
class CChorus {
public:
    CChorus(float fRate, float fDepthMs);
    void process(float& fL, float& fR);

private:
    float tap(const std::vector<float>& line, float fDelay) const;

    std::vector<float> m_Line[2];
    size_t m_nPos = 0;
    float m_fPhase = 0;
    float m_fStep;
    float m_fDepth;
};

}  // namespace SoundSynth
