// The clock CEGUI times clicks by. CEGUI tells a double click from two
// clicks by the time between them on CEGUI::SimpleTimer, which reads the
// wall clock; under the frame timer's fixed step that would make a run's
// double clicks depend on how fast the machine draws. The program defines
// CEGUI::SimpleTimer::currentTime itself (guiclock.cpp; the library calls
// it through its symbol table, so the program's definition is the one
// used): the wall clock normally, the fixed steps taken under a fixed step.
#pragma once

namespace Vantile {

// Seconds on CEGUI's clock.
double GuiClockSeconds();

}  // namespace Vantile
