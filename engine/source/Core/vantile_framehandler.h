// Per-frame callbacks. Every subsystem that needs a call each frame derives
// from CFrameHandler and registers once with the root.
#pragma once

namespace Vantile {

struct FrameEvent {
    double timeSinceLastFrame;  // milliseconds, at most 100
    double totalTime;           // milliseconds, sum of all frame times
};

class CFrameHandler {
public:
    // A false result from either call ends the frame loop.
    virtual bool frameStarted(const FrameEvent& evt) { return true; }
    virtual bool frameEnded(const FrameEvent& evt) { return true; }
    virtual ~CFrameHandler() = default;
};

}  // namespace Vantile
