// The program's start of a headless player (autoplayer.h, monkey.h): the
// game's random numbers seeded and the frame timer's fixed step set as the
// options ask, then the player registered for the application's frames.
#pragma once

#include <memory>

#include "Core/vantile_framehandler.h"

struct SAutoplayOptions;

namespace Vantile {
class CClientApplication;
}

class CHeadlessPlayer : public Vantile::CFrameHandler {
public:
    // Once the game has ended: what the player prints, and the program's
    // exit status.
    virtual int report() = 0;
};

// Game time of one frame under --fixed-step.
constexpr double FIXED_STEP_MS = 1000.0 / 60.0;

// None when the options ask for no player. Call it once the application
// exists, before it runs.
std::unique_ptr<CHeadlessPlayer> StartHeadlessPlayer(Vantile::CClientApplication& application,
                                                     const SAutoplayOptions& options);
