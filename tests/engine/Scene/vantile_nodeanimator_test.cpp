#include "Scene/vantile_nodeanimator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace Vantile;

namespace {

AnimationTrackPtr TrackOfLength(const std::string& strName, float fLength)
{
    return std::make_shared<CAnimationTrack>(strName, std::vector<SVectorKey>{{0.0f, {0, 0, 0}}, {fLength, {1, 0, 0}}},
                                             std::vector<SRotationKey>(), std::vector<SVectorKey>());
}

TEST(NodeAnimatorTest, AdvanceWrapsLoopsAndHoldsOneShotsAtTheEnd)
{
    struct Case {
        bool bLoop;
        float fSpeed;
        float fAdvance;
        float fExpected;
    };
    const Case cases[] = {
        {true, 1.0f, 5.0f, 1.0f},
        {false, 1.0f, 5.0f, 2.0f},
        {true, 2.0f, 1.5f, 1.0f},
        {true, 1.0f, 2.0f, 2.0f},
        {false, -1.0f, 3.0f, 0.0f},
    };
    for (const Case& test : cases) {
        CNodeAnimator animator;
        animator.AddTrack("swim", TrackOfLength("swim", 2.0f));
        animator.Play(test.bLoop, test.fSpeed);
        animator.Advance(test.fAdvance);
        EXPECT_FLOAT_EQ(animator.GetTime(), test.fExpected) << "loop " << test.bLoop << " speed " << test.fSpeed;
        EXPECT_TRUE(animator.IsPlaying());
    }
}

TEST(NodeAnimatorTest, ALoopOfLengthZeroStaysAtTimeZero)
{
    CNodeAnimator animator;
    animator.AddTrack("still", TrackOfLength("still", 0.0f));
    animator.Play(true, 1.0f);
    animator.Advance(0.5f);
    EXPECT_EQ(animator.GetTime(), 0.0f);
    const D3DXMATRIX m = animator.Sample();
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(std::isfinite((&m._11)[i]));
}

TEST(NodeAnimatorTest, PauseKeepsTheTimeStopRewindsAndSetTimeClamps)
{
    CNodeAnimator animator;
    animator.AddTrack("swim", TrackOfLength("swim", 2.0f));
    animator.Advance(1.0f);
    EXPECT_EQ(animator.GetTime(), 0.0f) << "not playing yet";
    animator.Play(false, 1.0f);
    animator.Advance(0.5f);
    animator.Pause();
    animator.Advance(1.0f);
    EXPECT_FLOAT_EQ(animator.GetTime(), 0.5f);
    animator.Stop();
    EXPECT_EQ(animator.GetTime(), 0.0f);
    animator.SetTime(7.0f);
    EXPECT_FLOAT_EQ(animator.GetTime(), 2.0f);
    animator.SetTime(-1.0f);
    EXPECT_FLOAT_EQ(animator.GetTime(), 0.0f);
}

TEST(NodeAnimatorTest, TheFirstTrackIsCurrentAndOthersAreFoundByName)
{
    CNodeAnimator animator;
    EXPECT_EQ(animator.GetLength(), -1.0f);
    animator.AddTrack("swim", TrackOfLength("swim", 2.0f));
    animator.AddTrack("turn", TrackOfLength("turn", 4.0f));
    EXPECT_EQ(animator.GetCurrentTrack()->GetName(), "swim");
    EXPECT_TRUE(animator.SelectTrack("turn"));
    EXPECT_FLOAT_EQ(animator.GetLength(), 4.0f);
    EXPECT_FALSE(animator.SelectTrack("dive"));
    EXPECT_EQ(animator.GetCurrentTrack()->GetName(), "turn");
}

}  // namespace
