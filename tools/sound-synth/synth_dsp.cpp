#include "synth_dsp.h"

#include <cmath>

namespace SoundSynth {

float MidiToFrequency(float fMidi)
{
    return 440.0f * std::pow(2.0f, (fMidi - 69.0f) / 12.0f);
}

float DbToGain(float fDb)
{
    return std::pow(10.0f, fDb / 20.0f);
}

float CNoise::next()
{
    m_nState ^= m_nState << 13;
    m_nState ^= m_nState >> 17;
    m_nState ^= m_nState << 5;
    return static_cast<float>(m_nState) / 2147483648.0f - 1.0f;
}

float PolyBlep(float t, float dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0f;
    }
    if (t > 1.0f - dt) {
        t = (t - 1.0f) / dt;
        return t * t + t + t + 1.0f;
    }
    return 0.0f;
}

void CBiquad::set(float b0, float b1, float b2, float a0, float a1, float a2)
{
    m_b0 = b0 / a0;
    m_b1 = b1 / a0;
    m_b2 = b2 / a0;
    m_a1 = a1 / a0;
    m_a2 = a2 / a0;
}

void CBiquad::setLowpass(float fCutoff, float fQ)
{
    float w = 2.0f * kPi * std::fmin(fCutoff, 0.45f * kRate) / kRate;
    float alpha = std::sin(w) / (2.0f * fQ), c = std::cos(w);
    set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void CBiquad::setHighpass(float fCutoff, float fQ)
{
    float w = 2.0f * kPi * std::fmin(fCutoff, 0.45f * kRate) / kRate;
    float alpha = std::sin(w) / (2.0f * fQ), c = std::cos(w);
    set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void CBiquad::setBandpass(float fCentre, float fQ)
{
    float w = 2.0f * kPi * std::fmin(fCentre, 0.45f * kRate) / kRate;
    float alpha = std::sin(w) / (2.0f * fQ), c = std::cos(w);
    set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

float CBiquad::process(float fIn)
{
    // Transposed direct form II: stable with coefficients changed per block.
    float fOut = m_b0 * fIn + m_z1;
    m_z1 = m_b1 * fIn - m_a1 * fOut + m_z2;
    m_z2 = m_b2 * fIn - m_a2 * fOut;
    return fOut;
}

CReverb::CReverb(float fRoom, float fDamping)
    : m_fFeedback(0.7f + 0.28f * fRoom), m_fDamping(fDamping)
{
    static const int combs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int passes[] = {556, 441, 341, 225};
    for (int side = 0; side < 2; ++side) {
        for (int n : combs) {
            m_Combs[side].emplace_back();
            m_Combs[side].back().buffer.assign(static_cast<size_t>(n + side * 23), 0.0f);
        }
        for (int n : passes) {
            m_Passes[side].emplace_back();
            m_Passes[side].back().buffer.assign(static_cast<size_t>(n + side * 23), 0.0f);
        }
    }
}

float CReverb::Run(Comb& comb, float fIn, float fFeedback, float fDamping)
{
    float fOut = comb.buffer[comb.pos];
    comb.store = fOut * (1.0f - fDamping) + comb.store * fDamping;
    comb.buffer[comb.pos] = fIn + comb.store * fFeedback;
    comb.pos = (comb.pos + 1) % comb.buffer.size();
    return fOut;
}

float CReverb::Run(AllPass& pass, float fIn)
{
    float fBuffered = pass.buffer[pass.pos];
    pass.buffer[pass.pos] = fIn + fBuffered * 0.5f;
    pass.pos = (pass.pos + 1) % pass.buffer.size();
    return fBuffered - fIn;
}

void CReverb::process(float fIn, float& fOutL, float& fOutR)
{
    float* outs[2] = {&fOutL, &fOutR};
    for (int side = 0; side < 2; ++side) {
        float fSum = 0.0f;
        for (Comb& comb : m_Combs[side])
            fSum += Run(comb, fIn * 0.015f, m_fFeedback, m_fDamping);
        for (AllPass& pass : m_Passes[side])
            fSum = Run(pass, fSum);
        *outs[side] = fSum;
    }
}

CChorus::CChorus(float fRate, float fDepthMs)
    : m_fStep(fRate / kRate), m_fDepth(fDepthMs * 0.001f * kRate)
{
    for (auto& line : m_Line)
        line.assign(4096, 0.0f);
}

float CChorus::tap(const std::vector<float>& line, float fDelay) const
{
    float fPos = static_cast<float>(m_nPos) - fDelay + static_cast<float>(line.size());
    size_t i = static_cast<size_t>(fPos);
    float fFrac = fPos - static_cast<float>(i);
    float a = line[i % line.size()], b = line[(i + 1) % line.size()];
    return a + (b - a) * fFrac;
}

void CChorus::process(float& fL, float& fR)
{
    m_Line[0][m_nPos] = fL;
    m_Line[1][m_nPos] = fR;
    float fBase = 12.0f * 0.001f * kRate;
    float fModL = std::sin(2.0f * kPi * m_fPhase), fModR = std::cos(2.0f * kPi * m_fPhase);
    fL = 0.7f * fL + 0.3f * tap(m_Line[1], fBase + m_fDepth * (1.0f + fModL));
    fR = 0.7f * fR + 0.3f * tap(m_Line[0], fBase + m_fDepth * (1.0f + fModR));
    m_fPhase += m_fStep;
    if (m_fPhase >= 1.0f)
        m_fPhase -= 1.0f;
    m_nPos = (m_nPos + 1) % m_Line[0].size();
}

}  // namespace SoundSynth
