// The mix as a player hears it: every effect at the gain the game plays it
// against the music at its default gain, measured through a speaker-like
// weighting (nothing below 300 Hz counts), and the music's sections.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "Game/Sound/vorbissource.h"

namespace {

// The music slider's default of 25 out of 50.
const double MUSIC_DEFAULT_GAIN = 0.5;

struct EffectCase {
    const char* pszName;
    double fGain;  // as the game plays it
};

// Every effect the game plays, with its gain; jingles play outside the
// music slider, so they count as effects.
const EffectCase kEffects[] = {
    {"select", 0.3},         {"change", 0.3},        {"column_down", 1},     {"combo1", 1},
    {"combo2", 1},           {"combo3", 1},          {"combo4", 1},          {"combo5", 1},
    {"combo6", 1},           {"combo7", 1},          {"crab", 1},            {"star", 1},
    {"use_crab", 1},         {"use_star", 1},        {"use_heart", 1},       {"use_snowflake", 1},
    {"use_shuffle", 1},      {"use_cara", 1},        {"use_mussel", 1},      {"use_scat", 1},
    {"use_seaurchin", 1},    {"use_turtle", 1},      {"powerup_take", 1},    {"powerup_ready", 1},
    {"tooltip", 1},          {"circuit", 1},         {"Click", 1},           {"clear_fish", 1},
    {"free_fish", 1},        {"select_minigame", 1}, {"noselect_minigame", 1}, {"Muz Winner", 1},
    {"Muz Losser", 1},       {"muz_WINS", 0.6},
};

const char* const kMusic[] = {"muz", "muz intro", "muz var 1", "muz var 2", "muz_minigame", "ocean_map"};

// Mono samples in -1..1, high-passed at 300 Hz (two poles) as small
// speakers hear them.
std::vector<float> SpeakerSamples(const std::string& strName)
{
    std::ifstream file("game/" + strName + ".ogg", std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    std::unique_ptr<CVorbisSource> pSource = CVorbisSource::Open(std::make_shared<const std::string>(bytes.str()));
    if (!pSource)
        return {};
    const std::vector<int16_t> frames = pSource->decodeAll();
    const int nChannels = pSource->channels();
    const double w = 2 * 3.14159265358979 * 300 / pSource->frequency(), alpha = std::sin(w) / (2 * 0.7071);
    const double a0 = 1 + alpha, b0 = (1 + std::cos(w)) / 2 / a0, b1 = -(1 + std::cos(w)) / a0, b2 = b0;
    const double a1 = -2 * std::cos(w) / a0, a2 = (1 - alpha) / a0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    std::vector<float> samples;
    for (size_t i = 0; i + nChannels <= frames.size(); i += nChannels) {
        double x = 0;
        for (int c = 0; c < nChannels; ++c)
            x += frames[i + c] / 32768.0 / nChannels;
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        samples.push_back(float(y));
    }
    return samples;
}

double Db(double fSquares, size_t nCount) { return 10 * std::log10(fSquares / std::max<size_t>(nCount, 1) + 1e-12); }

// Loudness of each window of fSeconds, hop a quarter of it.
std::vector<double> WindowLevels(const std::vector<float>& samples, double fSeconds)
{
    const size_t nWindow = size_t(fSeconds * 44100), nHop = nWindow / 4;
    std::vector<double> levels;
    for (size_t nStart = 0; nStart + nWindow <= std::max(samples.size(), nWindow); nStart += nHop) {
        double fSquares = 0;
        const size_t nEnd = std::min(samples.size(), nStart + nWindow);
        for (size_t i = nStart; i < nEnd; ++i)
            fSquares += double(samples[i]) * samples[i];
        levels.push_back(Db(fSquares, nWindow));
    }
    return levels;
}

double LongTermLevel(const std::vector<float>& samples)
{
    double fSquares = 0;
    for (float f : samples)
        fSquares += double(f) * f;
    return Db(fSquares, samples.size());
}

TEST(SoundLoudnessTest, EveryEffectSitsBetweenSixUnderAndTwelveOverTheMusic)
{
    double fLoudest = -200, fQuietest = 0;
    printf("%-20s %8s %10s\n", "music", "gain", "dB");
    for (const char* pszMusic : kMusic) {
        const std::vector<float> samples = SpeakerSamples(pszMusic);
        ASSERT_FALSE(samples.empty()) << pszMusic;
        const double fLevel = LongTermLevel(samples) + 20 * std::log10(MUSIC_DEFAULT_GAIN);
        fLoudest = std::max(fLoudest, fLevel);
        fQuietest = std::min(fQuietest, fLevel);
        printf("%-20s %8.2f %10.1f\n", pszMusic, MUSIC_DEFAULT_GAIN, fLevel);
    }
    // An effect's loudness is its loudest 100 ms.
    printf("%-20s %8s %10s %12s %12s\n", "effect", "gain", "dB", "-loudest", "-quietest");
    for (const EffectCase& effect : kEffects) {
        const std::vector<float> samples = SpeakerSamples(effect.pszName);
        ASSERT_FALSE(samples.empty()) << effect.pszName;
        const std::vector<double> levels = WindowLevels(samples, 0.1);
        const double fLevel = *std::max_element(levels.begin(), levels.end()) + 20 * std::log10(effect.fGain);
        printf("%-20s %8.2f %10.1f %+12.1f %+12.1f\n", effect.pszName, effect.fGain, fLevel, fLevel - fLoudest,
               fLevel - fQuietest);
        EXPECT_GE(fLevel, fLoudest - 6) << effect.pszName << " is lost under the music";
        EXPECT_LE(fLevel, fQuietest + 12) << effect.pszName << " drowns the music";
    }
}

// A theme breathes: its quietest and loudest eight seconds lie 6 to 10 dB
// apart, so it has a build and a breakdown rather than one flat level.
TEST(SoundLoudnessTest, EveryThemeHasSectionsOfDifferentStrength)
{
    printf("%-20s %10s %10s %10s\n", "music", "quietest", "loudest", "spread");
    for (const char* pszMusic : kMusic) {
        const std::vector<double> levels = WindowLevels(SpeakerSamples(pszMusic), 8);
        ASSERT_FALSE(levels.empty()) << pszMusic;
        const auto range = std::minmax_element(levels.begin(), levels.end());
        const double fSpread = *range.second - *range.first;
        printf("%-20s %10.1f %10.1f %10.1f\n", pszMusic, *range.first, *range.second, fSpread);
        EXPECT_GE(fSpread, 6.0) << pszMusic;
        EXPECT_LE(fSpread, 10.0) << pszMusic;
    }
}

}  // namespace
