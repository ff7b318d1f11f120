#include "synth_instrument.h"

#include <cmath>
#include <cstdlib>

#include "synth_dsp.h"

namespace SoundSynth {

namespace {

// Attack, exponential decay to the sustain level, then a release that
// reaches exactly zero so no note ends in a click.
float Envelope(const Instrument& in, double t, double fHeld)
{
    auto held = [&](double u) {
        if (u < in.attack)
            return static_cast<float>(u / in.attack);
        double d = (u - in.attack) / std::fmax(in.decay, 0.001f);
        return static_cast<float>(in.sustain + (1.0 - in.sustain) * std::exp(-3.0 * d));
    };
    if (t < fHeld)
        return held(t);
    double r = (t - fHeld) / std::fmax(in.release, 0.001f);
    if (r >= 1.0)
        return 0.0f;
    return held(fHeld) * static_cast<float>((1.0 - r) * (1.0 - r));
}

class CVoice {
public:
    CVoice(const Instrument& in, float fFrequency, uint32_t nSeed) : m_In(in), m_fFrequency(fFrequency), m_Noise(nSeed)
    {
        m_fPhase = (m_Noise.next() + 1.0f) * 0.5f;
        if (in.wave == Wave::Pluck) {
            m_Pluck.resize(static_cast<size_t>(std::fmax(2.0f, kRate / fFrequency)));
            for (float& f : m_Pluck)
                f = m_Noise.next();
        }
    }

    float next(float fPitchFactor, float fFmIndex)
    {
        float fStep = m_fFrequency * fPitchFactor / kRate;
        float fOut = wave(fStep, fFmIndex);
        m_fPhase += fStep;
        m_fPhase -= std::floor(m_fPhase);
        return fOut;
    }

private:
    float wave(float fStep, float fFmIndex)
    {
        switch (m_In.wave) {
        case Wave::Sine: {
            float fMod = 0.0f;
            if (m_In.fmRatio > 0) {
                fMod = fFmIndex * std::sin(2.0f * kPi * m_fModPhase);
                m_fModPhase += fStep * m_In.fmRatio;
                m_fModPhase -= std::floor(m_fModPhase);
            }
            return std::sin(2.0f * kPi * m_fPhase + fMod);
        }
        case Wave::Triangle:
            return 4.0f * std::fabs(m_fPhase - 0.5f) - 1.0f;
        case Wave::Saw:
            return 2.0f * m_fPhase - 1.0f - PolyBlep(m_fPhase, fStep);
        case Wave::Square: {
            float fHalf = m_fPhase + 0.5f - std::floor(m_fPhase + 0.5f);
            return (m_fPhase < 0.5f ? 1.0f : -1.0f) + PolyBlep(m_fPhase, fStep) - PolyBlep(fHalf, fStep);
        }
        case Wave::Noise:
            return m_Noise.next();
        case Wave::Knock:
            return knock();
        case Wave::Pluck: {
            // Karplus-Strong: the averaged loop is a string that fades.
            size_t nNext = (m_nPluck + 1) % m_Pluck.size();
            float fOut = m_Pluck[m_nPluck];
            m_Pluck[m_nPluck] = 0.996f * 0.5f * (fOut + m_Pluck[nNext]);
            m_nPluck = nNext;
            return fOut;
        }
        }
        return 0.0f;
    }

    // The modes ring from the first sample; a 2 ms noise click strikes them.
    float knock()
    {
        const float t = static_cast<float>(m_nSample++) / kRate;
        float fOut = t < 0.002f ? 0.6f * m_Noise.next() * (1.0f - t / 0.002f) : 0.0f;
        float fRatio = 1.0f, fAmp = 1.0f;
        for (int k = 0; k < 3; ++k) {
            fOut += fAmp * std::exp(-t * 25.0f * k) * std::sin(2.0f * kPi * m_fFrequency * fRatio * t);
            fRatio *= m_In.modeRatio;
            fAmp *= 0.55f;
        }
        return fOut * 0.6f;
    }

    const Instrument& m_In;
    float m_fFrequency;
    size_t m_nSample = 0;
    CNoise m_Noise;
    float m_fPhase = 0;
    float m_fModPhase = 0;
    std::vector<float> m_Pluck;
    size_t m_nPluck = 0;
};

// One sounding note: its unison voices, breath noise and filters, read
// sample by sample.
class CNotePlayer {
public:
    explicit CNotePlayer(const NoteEvent& note) : m_In(*note.pInstrument), m_fHeld(note.duration),
        m_Breath(static_cast<uint32_t>(note.start * 65521) + 17)
    {
        for (int v = 0; v < m_In.voices; ++v) {
            float fCents = m_In.voices > 1 ? m_In.detune * (static_cast<float>(v) / (m_In.voices - 1) - 0.5f) : 0.0f;
            m_Voices.emplace_back(m_In, MidiToFrequency(note.midi + fCents / 100.0f),
                                  static_cast<uint32_t>(note.midi * 977 + note.start * 131071 + v * 7919 + 1));
        }
        if (m_In.highpass > 0)
            m_Highpass.setHighpass(m_In.highpass, 0.707f);
        m_bFiltered = m_In.cutoff > 0 || m_In.bandpass > 0 || m_In.envCutoff > 0;
        m_fAmp = DbToGain(m_In.gain) * note.velocity / std::sqrt(static_cast<float>(m_In.voices));
    }

    float next(size_t i)
    {
        double t = static_cast<double>(i) / kRate;
        if (m_bFiltered && i % 32 == 0)
            updateFilter(t);
        float fSemis = m_In.glide * static_cast<float>(1.0 - std::exp(-3.0 * t / m_In.glideTime)) +
                       m_In.vibrato * std::sin(2.0f * kPi * m_In.vibratoRate * static_cast<float>(t));
        float fPitch = std::pow(2.0f, fSemis / 12.0f);
        float fIndex = m_In.fmIndex * static_cast<float>(std::exp(-3.0 * t / m_In.fmDecay));
        float fSample = m_In.noise * m_Breath.next();
        for (CVoice& voice : m_Voices)
            fSample += voice.next(fPitch, fIndex);
        if (m_bFiltered)
            fSample = m_Filter.process(fSample);
        if (m_In.highpass > 0)
            fSample = m_Highpass.process(fSample);
        return fSample * m_fAmp * Envelope(m_In, t, m_fHeld);
    }

private:
    void updateFilter(double t)
    {
        float fSweep = m_In.envCutoff * static_cast<float>(std::exp(-3.0 * t / m_In.cutoffDecay));
        if (m_In.bandpass > 0)
            m_Filter.setBandpass(std::fmax(m_In.bandpass + fSweep, 40.0f), m_In.q);
        else
            m_Filter.setLowpass(std::fmax(m_In.cutoff + fSweep, 40.0f), m_In.q);
    }

    const Instrument& m_In;
    double m_fHeld;
    std::vector<CVoice> m_Voices;
    CNoise m_Breath;
    CBiquad m_Filter, m_Highpass;
    bool m_bFiltered;
    float m_fAmp;
};

}  // namespace

void RenderNote(const NoteEvent& note, std::vector<float>& dry, std::vector<float>& send, size_t nWrap)
{
    const Instrument& in = *note.pInstrument;
    CNotePlayer player(note);
    const float fLeft = std::cos((in.pan + 1.0f) * kPi / 4.0f), fRight = std::sin((in.pan + 1.0f) * kPi / 4.0f);
    const size_t nStart = static_cast<size_t>(note.start * kRate);
    const size_t nLength = static_cast<size_t>((note.duration + in.release) * kRate);
    for (size_t i = 0; i < nLength; ++i) {
        size_t n = nWrap ? (nStart + i) % nWrap : nStart + i;
        if (n >= send.size())
            break;
        float fSample = player.next(i);
        dry[2 * n] += fSample * fLeft;
        dry[2 * n + 1] += fSample * fRight;
        send[n] += fSample * in.send;
    }
}

bool SetParameter(Instrument& in, const std::string& strName, const std::string& strValue)
{
    static const std::map<std::string, Wave> waves = {{"sine", Wave::Sine}, {"triangle", Wave::Triangle},
        {"saw", Wave::Saw}, {"square", Wave::Square}, {"noise", Wave::Noise}, {"pluck", Wave::Pluck}, {"knock", Wave::Knock}};
    if (strName == "wave") {
        auto it = waves.find(strValue);
        if (it == waves.end())
            return false;
        in.wave = it->second;
        return true;
    }
    const std::map<std::string, float*> numbers = {{"detune", &in.detune}, {"fm", &in.fmRatio},
        {"index", &in.fmIndex}, {"indexdecay", &in.fmDecay}, {"attack", &in.attack}, {"decay", &in.decay},
        {"sustain", &in.sustain}, {"release", &in.release}, {"cutoff", &in.cutoff}, {"q", &in.q},
        {"envcut", &in.envCutoff}, {"cutdecay", &in.cutoffDecay}, {"highpass", &in.highpass},
        {"bandpass", &in.bandpass}, {"glide", &in.glide}, {"glidetime", &in.glideTime},
        {"vibrato", &in.vibrato}, {"vibratorate", &in.vibratoRate}, {"noise", &in.noise}, {"ratio", &in.modeRatio}, {"pan", &in.pan},
        {"gain", &in.gain}, {"send", &in.send}};
    char* pEnd = nullptr;
    float fValue = std::strtof(strValue.c_str(), &pEnd);
    if (strValue.empty() || *pEnd)
        return false;
    if (strName == "voices") {
        in.voices = static_cast<int>(fValue) < 1 ? 1 : static_cast<int>(fValue);
        return true;
    }
    auto it = numbers.find(strName);
    if (it == numbers.end())
        return false;
    *it->second = fValue;
    return true;
}

}  // namespace SoundSynth
