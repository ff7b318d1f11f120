// Message boxes. The line on stderr is written first and always, so a
// headless run or a run whose dialog cannot open still reports.
#include "system/win32_private.h"
#include "system/modal_box.h"

#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

// The process a box is up for; 0 when none is.
pid_t g_boxOwner = 0;

// SDL shows an X11 box from a child process of its own and waits for it,
// retrying the wait after any signal. That child must not outlive us, also
// when we are killed outright: it dies with the thread that forked it.
void OnForkedChild()
{
    if (g_boxOwner == 0)
        return;
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    // Gone already before the death signal was armed.
    if (getppid() != g_boxOwner)
        _exit(1);
}

// While the box is up the handlers of SIGTERM and SIGINT (SDL's only queue
// a quit event, which nobody reads during the box) give way to the default
// action, so the signal ends the program, and with it the box. A signal
// the program was started to ignore stays ignored.
class CBoxGuard {
public:
    CBoxGuard()
    {
        static const int s_nRegistered = pthread_atfork(nullptr, nullptr, OnForkedChild);
        (void)s_nRegistered;
        g_boxOwner = getpid();
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigemptyset(&fallback.sa_mask);
        for (size_t i = 0; i < kSignalCount; ++i) {
            sigaction(kSignals[i], nullptr, &m_Saved[i]);
            if (m_Saved[i].sa_handler != SIG_IGN)
                sigaction(kSignals[i], &fallback, nullptr);
        }
    }
    ~CBoxGuard()
    {
        for (size_t i = 0; i < kSignalCount; ++i)
            sigaction(kSignals[i], &m_Saved[i], nullptr);
        g_boxOwner = 0;
    }
    CBoxGuard(const CBoxGuard&) = delete;
    CBoxGuard& operator=(const CBoxGuard&) = delete;

private:
    static constexpr int kSignals[] = {SIGTERM, SIGINT};
    static constexpr size_t kSignalCount = sizeof kSignals / sizeof kSignals[0];
    struct sigaction m_Saved[kSignalCount];
};

bool HasRealDisplay()
{
    if (!PlatformInitVideo())
        return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && strcmp(driver, "offscreen") != 0 && strcmp(driver, "dummy") != 0;
}

Uint32 SdlBoxFlags(UINT type)
{
    switch (type & 0xf0) {
    case MB_ICONERROR: return SDL_MESSAGEBOX_ERROR;
    case MB_ICONWARNING: return SDL_MESSAGEBOX_WARNING;
    default: return SDL_MESSAGEBOX_INFORMATION;
    }
}

}  // namespace

int MessageBoxA(HWND window, const char* text, const char* caption, UINT type)
{
    text = text ? text : "";
    caption = caption ? caption : "";
    fprintf(stderr, "%s: %s\n", caption, text);
    fflush(stderr);
    if (HasRealDisplay())
        PlatformRunModalBox(
            [&] { SDL_ShowSimpleMessageBox(SdlBoxFlags(type), caption, text, PlatformSdlWindow(window)); });
    return IDOK;
}

void PlatformRunModalBox(const std::function<void()>& show)
{
    CBoxGuard guard;
    show();
}
