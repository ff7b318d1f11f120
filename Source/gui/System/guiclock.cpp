#include "gui/System/guiclock.h"

#include <chrono>

#include <CEGUI/SimpleTimer.h>

#include "Core/vantile_frametimer.h"

namespace Vantile {

double GuiClockSeconds()
{
    const CFrameTimer& timer = CFrameTimer::Instance();
    if (timer.isFixedStep())
        return timer.steppedTime() / 1000.0;
    // CEGUI only takes differences of this clock.
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace Vantile

double CEGUI::SimpleTimer::currentTime()
{
    return Vantile::GuiClockSeconds();
}
