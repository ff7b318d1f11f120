// When the X server goes away under the game (it ends, a remote session
// drops), Xlib's default answer is exit() from inside the failed call. The
// exit handlers then close the window through the same dead connection, and
// SDL waits there for an answer that never comes: the program would spin
// for ever. Instead the program's own handler runs, and the process ends at
// once with a failure status, without touching the display again.
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstring>

#include "system/win32_sdl.h"

namespace {

void (*g_pfnDisplayLost)() = nullptr;

int OnIOError(Display*)
{
    static const char kText[] = "quellon: the connection to the display was lost\n";
    if (write(STDERR_FILENO, kText, sizeof kText - 1) < 0) {
        // Nothing more can be said.
    }
    if (g_pfnDisplayLost)
        g_pfnDisplayLost();
    _exit(1);
}

}  // namespace

void PlatformOnDisplayLost(void (*handler)())
{
    g_pfnDisplayLost = handler;
}

void PlatformWatchDisplay()
{
    XSetIOErrorHandler(OnIOError);
}
