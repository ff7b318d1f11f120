#include "synth_render.h"

#include <algorithm>
#include <cmath>

#include "synth_dsp.h"

namespace SoundSynth {

namespace {

double LongestRelease(const Score& score)
{
    double f = 0;
    for (const auto& instrument : score.instruments)
        f = std::max(f, static_cast<double>(instrument.second->release));
    return f;
}

// A loop's effects run over it twice and keep the second pass, so their
// state at the start is the state the end leaves behind.
void ApplyRoom(const Score& score, const std::vector<float>& send, std::vector<float>& dry)
{
    if (score.roomMix <= 0)
        return;
    CReverb reverb(score.roomSize, score.roomDamping);
    float l, r;
    if (score.loop) {
        for (float f : send)
            reverb.process(f, l, r);
    }
    for (size_t n = 0; n < send.size(); ++n) {
        reverb.process(send[n], l, r);
        dry[2 * n] += score.roomMix * l;
        dry[2 * n + 1] += score.roomMix * r;
    }
}

void ApplyChorus(const Score& score, std::vector<float>& dry)
{
    if (score.chorusRate <= 0)
        return;
    CChorus chorus(score.chorusRate, score.chorusDepth);
    if (score.loop) {
        std::vector<float> warm(dry);
        for (size_t n = 0; n < warm.size(); n += 2)
            chorus.process(warm[n], warm[n + 1]);
    }
    for (size_t n = 0; n < dry.size(); n += 2)
        chorus.process(dry[n], dry[n + 1]);
}

// Cuts the silent end of an effect and fades its last 10 ms.
void TrimTail(std::vector<float>& dry)
{
    const float fFloor = DbToGain(-66.0f);
    size_t nEnd = dry.size();
    while (nEnd > 2 && std::fabs(dry[nEnd - 1]) < fFloor && std::fabs(dry[nEnd - 2]) < fFloor)
        nEnd -= 2;
    dry.resize(nEnd);
    size_t nFrames = nEnd / 2;
    size_t nFade = std::min(nFrames, static_cast<size_t>(kRate / 100));
    for (size_t i = 0; i < nFade; ++i) {
        float fGain = static_cast<float>(nFade - i) / static_cast<float>(nFade);
        size_t nFrame = nFrames - nFade + i;
        dry[2 * nFrame] *= fGain;
        dry[2 * nFrame + 1] *= fGain;
    }
}

void Normalise(const Score& score, std::vector<float>& dry, RenderStats& stats)
{
    double fSquares = 0;
    float fPeak = 1e-9f;
    for (float f : dry) {
        fSquares += static_cast<double>(f) * f;
        fPeak = std::max(fPeak, std::fabs(f));
    }
    float fRms = static_cast<float>(std::sqrt(fSquares / std::max<size_t>(dry.size(), 1))) + 1e-9f;
    // Vorbis overshoots peaks a little; -1.5 dBFS keeps the decode unclipped.
    float fGain = std::min(DbToGain(score.level) / fRms, DbToGain(-1.5f) / fPeak);
    for (float& f : dry)
        f *= fGain;
    stats.peakDb = 20.0f * std::log10(fPeak * fGain);
    stats.rmsDb = 20.0f * std::log10(fRms * fGain);
    stats.seconds = static_cast<float>(dry.size() / 2) / kRate;
}

}  // namespace

std::vector<float> Render(const Score& score, RenderStats& stats)
{
    const size_t nLength = static_cast<size_t>(score.seconds(score.length) * kRate);
    const size_t nTail = score.loop ? 0 : static_cast<size_t>((LongestRelease(score) + 3.0) * kRate);
    std::vector<float> dry(2 * (nLength + nTail), 0.0f);
    std::vector<float> send(nLength + nTail, 0.0f);
    for (const NoteEvent& note : score.notes)
        RenderNote(note, dry, send, score.loop ? nLength : 0);
    ApplyRoom(score, send, dry);
    ApplyChorus(score, dry);
    if (!score.loop)
        TrimTail(dry);
    Normalise(score, dry, stats);
    return dry;
}

}  // namespace SoundSynth
