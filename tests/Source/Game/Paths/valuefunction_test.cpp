#include "Game/Paths/valuefunction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Core/vantile_random.h"
#include "Game/Paths/complexfunction.h"

namespace {

TEST(IncrementFunction, ReachesItsTargetAndStops)
{
    CIncrementFunction ramp;
    ramp.init(0, 1, 0.3f);
    int nUpdates = 0;
    while (ramp.isRunning() && nUpdates < 10) {
        ramp.update(0.1f);
        ++nUpdates;
    }
    EXPECT_LE(nUpdates, 4) << "0.3 s of updates, give or take float rounding";
    EXPECT_EQ(ramp.getValue(), 1.0f) << "clamped exactly to its target";
    ramp.update(0.1f);
    EXPECT_FLOAT_EQ(ramp.getValue(), 1.0f);

    CIncrementFunction down;
    down.init(1, 0, 0.3f);
    down.update(0.1f);
    EXPECT_FLOAT_EQ(down.getValue(), 0.0f) << "it only counts upwards: one update ends it";
    EXPECT_FALSE(down.isRunning());
    down.reset();
    EXPECT_FLOAT_EQ(down.getValue(), 1.0f);
}

TEST(ComplexFunction, WaitWaitDecrementInSequence)
{
    CComplexFunction chain;
    chain.addWait(0, 0.5f);
    chain.addWait(1.0f, 0.05f);
    chain.addDecrement(1.0f, 0, 0.5f);
    const float fDt = 0.05f;
    const struct {
        int nFrames;
        float fValue;
    } checks[] = {{10, 0.0f}, {1, 1.0f}, {1, 0.9f}, {4, 0.5f}, {6, 0.0f}};
    int nFrame = 0;
    for (const auto& check : checks) {
        for (int i = 0; i < check.nFrames; ++i, ++nFrame)
            chain.update(fDt);
        EXPECT_NEAR(chain.getValue(), check.fValue, 1e-4) << "after frame " << nFrame;
    }
    EXPECT_FALSE(chain.isRunning());
}

TEST(FallingFunction, StopsBeforeTheNextStepPassesTheDistance)
{
    CFallingFunction fall;
    fall.init(100, 1300);
    int nFrames = 0;
    do {
        fall.update(0.016f);
        ++nFrames;
    } while (fall.isRunning() && nFrames < 1000);
    EXPECT_LT(fall.getValue(), 100.0f);
    const float fNext = 1300 * (nFrames + 1) * 0.016f * (nFrames + 1) * 0.016f / 2;
    EXPECT_GE(fNext, 100.0f);
}

TEST(SinusFunction, HoldsTheSineOfItsEndAngle)
{
    CSinusFunction arc;
    arc.init(0, 1.5707964f, 0.2f);
    arc.update(0.1f);
    EXPECT_NEAR(arc.getValue(), std::sin(0.7853982f), 1e-5);
    arc.update(0.5f);
    EXPECT_NEAR(arc.getValue(), 1.0f, 1e-6);
    EXPECT_FALSE(arc.isRunning());
}

TEST(Sin2Representator, ClonesShareTheOffsetAndDrawTheirOwnAmplitude)
{
    Vantile::SeedRandom(99);
    const CSin2Representator original(40);
    std::unique_ptr<CValueRepresentation> pFirst(original.clone());
    std::unique_ptr<CValueRepresentation> pSecond(original.clone());
    const auto* a = static_cast<CSin2Representator*>(pFirst.get());
    const auto* b = static_cast<CSin2Representator*>(pSecond.get());
    EXPECT_EQ(a->offset(), 40.0f);
    EXPECT_EQ(b->offset(), 40.0f);
    EXPECT_NE(a->amplitude(), b->amplitude());
    for (const auto* p : {&original, a, b}) {
        EXPECT_GE(p->amplitude(), 5.0f);
        EXPECT_LE(p->amplitude(), 15.0f);
    }
    EXPECT_FLOAT_EQ(a->represent(1.0f), 40.0f + a->amplitude());
}

}  // namespace
