#include "Game/Context/gamecontext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "Game/Sound/soundmanager.h"
#include "synth_encoder.h"

namespace {

// The context's calls reach the game's one manager, on whatever device the
// test run has (OpenAL's null output here).
class GameContextSoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // OpenAL's silent output, whatever the harness passed; it is read
        // when the library starts, at the manager's first call.
        setenv("ALSOFT_DRIVERS", "null", 0);
        std::vector<float> samples(2 * 44100);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = 0.1f * static_cast<float>(std::sin(i * 0.03));
        static const std::string s_strTone = SoundSynth::EncodeOggVorbis(samples, 2, 44100, 0.4f);
        manager().setFileReader([](const std::string&, std::string& strBytes) {
            strBytes = s_strTone;
            return true;
        });
    }
    static CSoundManager& manager() { return CSoundManager::instance(); }
};

TEST_F(GameContextSoundTest, PlayAndStopReachTheManager)
{
    manager().registerSound("Click.ogg", false, 1);
    if (!manager().isRegistered("Click.ogg"))
        GTEST_SKIP() << "no audio output on this machine";
    CGameContext::Instance().playSound("Click.ogg", true);
    EXPECT_TRUE(manager().isPlaying("Click.ogg"));
    CGameContext::Instance().stopSound("Click.ogg");
    EXPECT_FALSE(manager().isPlaying("Click.ogg"));
}

TEST_F(GameContextSoundTest, FadeOutAllMusicFadesOnlyTheMusicThatPlays)
{
    for (const char* szName : {"muz.ogg", "ocean_map.ogg", "muz intro.ogg", "muz_WINS.ogg"})
        manager().registerSound(szName, true, 1);
    if (!manager().isRegistered("muz.ogg"))
        GTEST_SKIP() << "no audio output on this machine";
    manager().play("muz.ogg", 1.0f, true);
    manager().play("ocean_map.ogg", 1.0f, true);
    manager().play("muz_WINS.ogg", 1.0f, true);
    CGameContext::Instance().fadeOutAllMusic(2.0f);
    EXPECT_EQ(0.0f, manager().trackVolume("muz.ogg"));
    EXPECT_EQ(0.0f, manager().trackVolume("ocean_map.ogg"));
    EXPECT_EQ(-1.0f, manager().trackVolume("muz intro.ogg"));
    EXPECT_EQ(-1.0f, manager().trackVolume("muz_WINS.ogg"));
    manager().frameStarted(Vantile::FrameEvent{100, 100});
    EXPECT_FALSE(manager().isPlaying("muz.ogg"));
    EXPECT_TRUE(manager().isPlaying("muz_WINS.ogg"));
    manager().stop("muz_WINS.ogg");
}

}  // namespace
