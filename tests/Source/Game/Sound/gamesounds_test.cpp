#include "Game/Sound/gamesounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

#include "Business/userfile.h"
#include "Game/Sound/audiodevice.h"
#include "Game/Sound/soundmanager.h"
#include "Game/Sound/vorbissource.h"
#include "Resources/vantile_resourcemanager.h"

namespace {

// The themes last at least a minute; the two jingles that may loop are short.
struct Loop {
    const char* szName;
    size_t nMinSeconds;
};
const Loop kMusicLoops[] = {{"muz.ogg", 60}, {"muz intro.ogg", 60}, {"muz var 1.ogg", 60},
                            {"muz var 2.ogg", 60}, {"muz_minigame.ogg", 60}, {"ocean_map.ogg", 60},
                            {"Muz Losser.ogg", 8}, {"muz_WINS.ogg", 8}};

// The generated data set lies beside the test programs.
std::shared_ptr<const std::string> ReadSound(const std::string& strName)
{
    auto pBytes = std::make_shared<std::string>();
    if (CUserFile::Read("game/" + strName, *pBytes) != 0)
        return nullptr;
    return pBytes;
}

double Rms(const std::vector<int16_t>& samples, size_t nFrom, size_t nCount)
{
    double fSquares = 0;
    for (size_t i = nFrom; i < nFrom + nCount; ++i)
        fSquares += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(fSquares / static_cast<double>(nCount)) / 32768.0;
}

TEST(GameSoundsTest, TheTableNamesEachSoundOnceWithItsCopies)
{
    ASSERT_EQ(48u, kGameSoundCount);
    std::set<std::string> names;
    for (size_t i = 0; i < kGameSoundCount; ++i)
        EXPECT_TRUE(names.insert(kGameSounds[i].szName).second) << kGameSounds[i].szName;
    for (int n = 1; n <= 7; ++n) {
        const std::string strName = "combo" + std::to_string(n) + ".ogg";
        auto it = std::find_if(kGameSounds, kGameSounds + kGameSoundCount,
                               [&](const GameSound& s) { return strName == s.szName; });
        ASSERT_NE(kGameSounds + kGameSoundCount, it);
        EXPECT_EQ(5, it->nCopies);
    }
}

TEST(GameSoundsTest, EverySoundExistsDecodesAndIsHeardUnclipped)
{
    for (size_t i = 0; i < kGameSoundCount; ++i) {
        const std::string strName = kGameSounds[i].szName;
        SCOPED_TRACE(strName);
        auto pBytes = ReadSound(strName);
        ASSERT_NE(nullptr, pBytes) << "missing from the data set";
        auto pSource = CVorbisSource::Open(pBytes);
        ASSERT_NE(nullptr, pSource) << "does not decode";
        std::vector<int16_t> samples = pSource->decodeAll();
        ASSERT_GT(samples.size(), 2000u);
        EXPECT_GT(Rms(samples, 0, samples.size()), 0.01);
        int nPeak = 0;
        for (int16_t n : samples)
            nPeak = std::max(nPeak, std::abs(static_cast<int>(n)));
        EXPECT_LT(nPeak, 32000);
    }
}

// The roughness of a 2 ms stretch of the left channel, from frame nFrom on
// (wrapping at the end, as a loop plays): the energy of its second
// difference, which a click or a cut waveform drives up.
double Roughness(const std::vector<int16_t>& samples, size_t nChannels, size_t nFrom)
{
    const size_t nFrames = samples.size() / nChannels;
    auto at = [&](size_t n) { return samples[(n % nFrames) * nChannels] / 32768.0; };
    double fSum = 0;
    for (size_t n = nFrom + 1; n < nFrom + 88; ++n) {
        double f = at(n + 1) - 2 * at(n) + at(n - 1);
        fSum += f * f;
    }
    return std::sqrt(fSum / 87);
}

TEST(GameSoundsTest, MusicLoopsAreLongEnoughAndJoinWithoutASeam)
{
    for (const Loop& loop : kMusicLoops) {
        SCOPED_TRACE(loop.szName);
        auto pSource = CVorbisSource::Open(ReadSound(loop.szName));
        ASSERT_NE(nullptr, pSource);
        std::vector<int16_t> samples = pSource->decodeAll();
        const size_t nRate = static_cast<size_t>(pSource->frequency());
        const size_t nChannels = static_cast<size_t>(pSource->channels());
        const size_t nFrames = samples.size() / nChannels;
        ASSERT_GE(nFrames, loop.nMinSeconds * nRate);
        // A loop whose tail is not carried into its start ends in echoes
        // and starts dry; the two sides of the join then differ in level.
        const size_t nWindow = nChannels * nRate / 5;
        double fRatio = Rms(samples, samples.size() - nWindow, nWindow) / Rms(samples, 0, nWindow);
        EXPECT_GT(fRatio, 0.25);
        EXPECT_LT(fRatio, 4.0);
        // The join is no rougher than the music usually gets.
        std::vector<double> roughness;
        for (size_t n = 88; n + 176 < nFrames; n += 88)
            roughness.push_back(Roughness(samples, nChannels, n));
        std::sort(roughness.begin(), roughness.end());
        double fTypicalMax = roughness[roughness.size() * 99 / 100];
        EXPECT_LT(Roughness(samples, nChannels, nFrames - 44), 2 * fTypicalMax);
    }
}

TEST(GameSoundsTest, AllSoundsRegisterThroughTheResourceManager)
{
    Vantile::CResourceManager::Instance().Init("game", true);
    CSoundManager manager(CAudioDevice::OpenLoopback(44100));
    RegisterGameSounds(manager, false);
    RegisterGameSounds(manager, true);
    for (size_t i = 0; i < kGameSoundCount; ++i)
        EXPECT_TRUE(manager.isRegistered(kGameSounds[i].szName)) << kGameSounds[i].szName;
}

}  // namespace
