#include "main/autoplay/headless.h"

#include <chrono>

#include "Core/vantile_frametimer.h"
#include "Core/vantile_random.h"
#include "Core/vantile_root.h"
#include "main/autoplay/autoplayer.h"
#include "main/autoplay/autoplayoptions.h"
#include "main/autoplay/monkey.h"

std::unique_ptr<CHeadlessPlayer> StartHeadlessPlayer(Vantile::CClientApplication& application,
                                                     const SAutoplayOptions& options)
{
    if (!options.headless())
        return nullptr;
    SAutoplayOptions run = options;
    // A monkey always has a seed to replay its run by, printed when it
    // starts.
    if (run.bMonkey && !run.bSeeded)
        run.nSeed = uint32_t(std::chrono::system_clock::now().time_since_epoch().count() % 1000000);
    // The root seeds the game's generator from the clock when it is made;
    // the run's seed comes after it.
    Vantile::CRoot::Instance();
    if (run.bSeeded || run.bFixedStep || run.bMonkey)
        Vantile::SeedRandom(run.nSeed);
    if (run.bFixedStep)
        Vantile::CFrameTimer::Instance().setFixedStep(FIXED_STEP_MS);
    if (run.bMonkey)
        return std::make_unique<CMonkey>(application, run);
    return std::make_unique<CAutoPlayer>(application, run);
}
