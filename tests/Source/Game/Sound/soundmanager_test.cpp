#include "Game/Sound/soundmanager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "Core/vantile_log.h"
#include "Game/Context/gamecontext.h"
#include "Game/Sound/audiodevice.h"
#include "support/temp_folder.h"
#include "synth_encoder.h"

namespace {

const int kRate = 44100;

// A steady stereo sine; every copy of it starts in phase, so copies that
// play together add up to exact multiples of one copy's level.
std::string ToneFile(double fSeconds, float fAmplitude)
{
    std::vector<float> samples;
    for (int i = 0; i < static_cast<int>(fSeconds * kRate); ++i) {
        float f = fAmplitude * static_cast<float>(std::sin(2.0 * M_PI * 441.0 * i / kRate));
        samples.push_back(f);
        samples.push_back(f);
    }
    return SoundSynth::EncodeOggVorbis(samples, 2, kRate, 0.5f);
}

class SoundManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CGameContext::Instance().m_fMusicGain = 1.0f;
        m_Files["tone.ogg"] = ToneFile(0.5, 0.1f);
        m_Files["long.ogg"] = ToneFile(3.0, 0.1f);
        m_Files["junk.ogg"] = "OggS but not really";
        auto pDevice = CAudioDevice::OpenLoopback(kRate);
        ASSERT_NE(nullptr, pDevice);
        m_pDevice = pDevice.get();
        m_pManager = std::make_unique<CSoundManager>(std::move(pDevice));
        m_pManager->setFileReader([this](const std::string& strName, std::string& strBytes) {
            auto it = m_Files.find(strName);
            if (it == m_Files.end())
                return false;
            strBytes = it->second;
            return true;
        });
    }

    // The RMS of the next stretch of mixed output, with the manager's frame
    // step run every 50 ms as the frame loop would.
    float listen(double fSeconds, bool bStep = false)
    {
        double fSquares = 0;
        int nFrames = static_cast<int>(fSeconds * kRate);
        std::vector<float> block(2 * 2205);
        for (int nDone = 0; nDone < nFrames; nDone += 2205) {
            int nCount = std::min(2205, nFrames - nDone);
            m_pDevice->render(block.data(), nCount);
            for (int i = 0; i < 2 * nCount; ++i)
                fSquares += block[static_cast<size_t>(i)] * block[static_cast<size_t>(i)];
            if (bStep)
                step(50);
        }
        return static_cast<float>(std::sqrt(fSquares / (2.0 * nFrames)));
    }
    void step(double fMilliseconds) { m_pManager->frameStarted(Vantile::FrameEvent{fMilliseconds, 0}); }

    std::map<std::string, std::string> m_Files;
    CAudioDevice* m_pDevice = nullptr;
    std::unique_ptr<CSoundManager> m_pManager;
};

TEST_F(SoundManagerTest, AnEffectSoundsOnceAndEnds)
{
    m_pManager->registerSound("tone.ogg", false, 1);
    EXPECT_LT(listen(0.05), 1e-4f);
    m_pManager->play("tone.ogg", 1.0f, false);
    EXPECT_TRUE(m_pManager->isPlaying("tone.ogg"));
    EXPECT_GT(listen(0.2), 0.05f);
    listen(0.4);
    EXPECT_FALSE(m_pManager->isPlaying("tone.ogg"));
    EXPECT_LT(listen(0.05), 1e-4f);
}

TEST_F(SoundManagerTest, VolumeScalesTheOutput)
{
    m_pManager->registerSound("tone.ogg", false, 1);
    m_pManager->play("tone.ogg", 1.0f, true);
    listen(0.05);
    float fFull = listen(0.1);
    m_pManager->setVolume("tone.ogg", 0.5f);
    listen(0.05);
    EXPECT_NEAR(0.5f, listen(0.1) / fFull, 0.03f);
    m_pManager->setVolume("tone.ogg", 0.0f);
    listen(0.05);
    EXPECT_LT(listen(0.1), 1e-4f);
}

TEST_F(SoundManagerTest, CopiesOverlapAndABusySoundOnlyTakesTheNewVolume)
{
    m_pManager->registerSound("tone.ogg", false, 5);
    m_pManager->play("tone.ogg", 1.0f, true);
    listen(0.02);
    float fOne = listen(0.05);
    m_pManager->stop("tone.ogg");
    // Five plays in one moment sound five copies together; the sixth finds
    // every copy busy and only silences the first.
    for (int i = 0; i < 5; ++i)
        m_pManager->play("tone.ogg", 1.0f, true);
    listen(0.02);
    EXPECT_NEAR(5.0f, listen(0.05) / fOne, 0.2f);
    m_pManager->play("tone.ogg", 0.0f, true);
    listen(0.02);
    EXPECT_NEAR(4.0f, listen(0.05) / fOne, 0.2f);

    m_pManager->registerSound("long.ogg", false, 1);
    m_pManager->stop("tone.ogg");
    m_pManager->play("long.ogg", 1.0f, false);
    m_pManager->play("long.ogg", 1.0f, false);
    listen(0.02);
    EXPECT_NEAR(1.0f, listen(0.05) / fOne, 0.1f);
}

TEST_F(SoundManagerTest, AStreamedTrackLoopsWithoutAGap)
{
    m_pManager->registerSound("long.ogg", true, 1);
    m_pManager->play("long.ogg", 1.0f, true);
    // Seven seconds is more than two passes and many refills of the queue;
    // every 50 ms of it must carry the tone.
    for (int i = 0; i < 140; ++i)
        ASSERT_GT(listen(0.05, true), 0.05f) << "at " << i * 50 << " ms";
    m_pManager->stop("long.ogg");
    EXPECT_FALSE(m_pManager->isPlaying("long.ogg"));
    listen(0.02);
    EXPECT_LT(listen(0.05), 1e-4f);
}

TEST_F(SoundManagerTest, AStreamedJingleEndsOnItsOwn)
{
    m_pManager->registerSound("tone.ogg", true, 2);
    m_pManager->play("tone.ogg", 1.0f, false);
    EXPECT_GT(listen(0.3, true), 0.05f);
    listen(0.5, true);
    EXPECT_FALSE(m_pManager->isPlaying("tone.ogg"));
}

TEST_F(SoundManagerTest, AFadeStartsSilentAndReachesItsTargetAtItsSpeed)
{
    m_pManager->registerSound("long.ogg", true, 1);
    m_pManager->fadeTo("long.ogg", 1.0f, 1.0f, true);
    EXPECT_TRUE(m_pManager->isPlaying("long.ogg"));
    EXPECT_EQ(0.0f, m_pManager->trackVolume("long.ogg"));
    EXPECT_LT(listen(0.05), 1e-4f);
    struct Step {
        double fMilliseconds;
        float fExpected;
    };
    // A frame time of 0 counts as 50 ms; the last step overshoots and is
    // held at the target.
    for (const Step& s : {Step{100, 0.1f}, Step{0, 0.15f}, Step{400, 0.55f}, Step{400, 0.95f}, Step{100, 1.0f}}) {
        step(s.fMilliseconds);
        EXPECT_NEAR(s.fExpected, m_pManager->trackVolume("long.ogg"), 1e-4f);
    }
    listen(0.02);
    float fLoud = listen(0.05);
    EXPECT_GT(fLoud, 0.05f);

    m_pManager->fadeTo("long.ogg", 0.5f, 1.0f, true);
    for (int i = 0; i < 5; ++i)
        step(100);
    EXPECT_NEAR(0.5f, m_pManager->trackVolume("long.ogg"), 1e-4f);
    listen(0.02);
    EXPECT_NEAR(0.5f, listen(0.05) / fLoud, 0.03f);
}

TEST_F(SoundManagerTest, TheMusicGainScalesFadingTracksAtTheirNextStep)
{
    CGameContext& context = CGameContext::Instance();
    m_pManager->registerSound("long.ogg", true, 1);
    m_pManager->fadeTo("long.ogg", 1.0f, 1.0f, true);
    step(100);
    listen(0.02);
    float fTenth = listen(0.05);
    // Twice the loudness at a quarter of the gain.
    context.m_fMusicGain = 0.25f;
    step(100);
    listen(0.02);
    EXPECT_NEAR(0.5f, listen(0.05) / fTenth, 0.03f);
}

TEST_F(SoundManagerTest, TracksFadedToSilenceStopOneAStep)
{
    m_pManager->registerSound("tone.ogg", true, 1);
    m_pManager->registerSound("long.ogg", true, 1);
    for (const char* szName : {"tone.ogg", "long.ogg"})
        m_pManager->fadeTo(szName, 1.0f, 10.0f, true);
    step(100);
    for (const char* szName : {"tone.ogg", "long.ogg"})
        m_pManager->fadeOut(szName, 10.0f);
    step(100);  // both reach 0
    EXPECT_TRUE(m_pManager->isPlaying("tone.ogg"));
    step(100);  // the first in name order goes
    EXPECT_EQ(-1.0f, m_pManager->trackVolume("long.ogg"));
    EXPECT_FALSE(m_pManager->isPlaying("long.ogg"));
    EXPECT_TRUE(m_pManager->isPlaying("tone.ogg"));
    step(100);
    EXPECT_EQ(-1.0f, m_pManager->trackVolume("tone.ogg"));
    EXPECT_FALSE(m_pManager->isPlaying("tone.ogg"));
    // A track that is not playing is not faded out (it would start it).
    m_pManager->fadeOut("tone.ogg", 1.0f);
    EXPECT_EQ(-1.0f, m_pManager->trackVolume("tone.ogg"));
    EXPECT_FALSE(m_pManager->isPlaying("tone.ogg"));
}

TEST_F(SoundManagerTest, SoundsThatCannotPlayAreNeverRegistered)
{
    m_pManager->registerSound("junk.ogg", false, 3);
    m_pManager->registerSound("missing.ogg", true, 1);
    for (const char* szName : {"junk.ogg", "missing.ogg", "never.ogg"}) {
        SCOPED_TRACE(szName);
        EXPECT_FALSE(m_pManager->isRegistered(szName));
        m_pManager->play(szName, 1.0f, true);
        m_pManager->fadeTo(szName, 1.0f, 1.0f, true);
        m_pManager->fadeOut(szName, 1.0f);
        m_pManager->setVolume(szName, 1.0f);
        m_pManager->stop(szName);
        EXPECT_FALSE(m_pManager->isPlaying(szName));
        EXPECT_EQ(-1.0f, m_pManager->trackVolume(szName));
    }
    step(100);
    EXPECT_LT(listen(0.05), 1e-4f);
}

TEST(SoundManagerNoDeviceTest, WithoutADeviceEverythingIsSilentAfterOneLogLine)
{
    CTempFolder folder;
    std::string strLog = folder.path() + "/log.txt";
    ASSERT_TRUE(Vantile::CLog::Instance().Open(strLog));
    CSoundManager manager(CAudioDevice::Open("no such output device"));
    manager.setFileReader([](const std::string&, std::string& strBytes) {
        strBytes = ToneFile(0.2, 0.1f);
        return true;
    });
    manager.registerSound("tone.ogg", false, 2);
    manager.registerSound("music.ogg", true, 1);
    manager.play("tone.ogg", 1.0f, false);
    manager.fadeTo("music.ogg", 1.0f, 1.0f, true);
    manager.frameStarted(Vantile::FrameEvent{100, 100});
    EXPECT_FALSE(manager.isRegistered("tone.ogg"));
    EXPECT_FALSE(manager.isPlaying("music.ogg"));

    std::ifstream log(strLog);
    std::stringstream text;
    text << log.rdbuf();
    std::string strText = text.str();
    size_t nLines = 0;
    for (size_t n = strText.find("No sound"); n != std::string::npos; n = strText.find("No sound", n + 1))
        ++nLines;
    EXPECT_EQ(1u, nLines) << strText;
}

}  // namespace
