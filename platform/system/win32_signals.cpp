// A request to end from outside the game (SIGTERM from a logout or a
// service manager, SIGINT from a terminal, SIGHUP when the terminal goes
// away) ends it as closing its window does. The signal handler only notes
// the signal; the message queue, in the program's own context where saving
// is safe, calls the program's handler and closes the main window. The
// handlers are reset on entry, so a second signal of the same kind ends a
// game that no longer answers at once.
#include <csignal>

#include "system/win32_private.h"

namespace {

const int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

volatile sig_atomic_t g_nPending = 0;
void (*g_pfnQuitSignal)(int) = nullptr;

void OnQuitSignal(int number)
{
    g_nPending = number;
}

}  // namespace

void PlatformOnQuitSignal(void (*handler)(int))
{
    // SDL would otherwise turn SIGINT and SIGTERM into a quit event of its
    // own when it starts after a reset to the default.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    g_pfnQuitSignal = handler;
    g_nPending = 0;
    struct sigaction action {};
    action.sa_handler = handler ? OnQuitSignal : SIG_DFL;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int number : kQuitSignals)
        sigaction(number, &action, nullptr);
}

void PlatformTakeQuitSignal()
{
    PlatformWindow* window = PlatformMainWindow();
    if (!g_nPending || !window)
        return;
    const int number = g_nPending;
    g_nPending = 0;
    if (g_pfnQuitSignal)
        g_pfnQuitSignal(number);
    PlatformQueueInput(window, WM_CLOSE, 0, 0);
}
