// A program whose X server dies under it must end with a failure status
// after its handler ran, not spin in the exit handlers on the dead
// connection.
#include "win32_test_window.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

enum ChildStatus { kLost = 1, kNoServer = 3, kNoWindow = 4 };

int g_markFd = -1;

void MarkLost()
{
    if (write(g_markFd, "lost", 4) < 0) {
        // The parent then sees no mark, which is the failure reported.
    }
}

// A private Xvfb on a display number it chooses itself; -1 when it did
// not start.
pid_t StartServer(int& nDisplay)
{
    int fds[2];
    nDisplay = -1;
    if (pipe(fds) != 0)
        return -1;
    const pid_t server = fork();
    if (server == 0) {
        close(fds[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        const std::string strFd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", strFd.c_str(), "-screen", "0", "320x240x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    // The server writes the number, then a line end, and dies if the pipe
    // is closed in between.
    std::string strNumber;
    char c;
    while (server > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
        strNumber += c;
    close(fds[0]);
    if (!strNumber.empty())
        nDisplay = atoi(strNumber.c_str());
    return server;
}

[[noreturn]] void RunUntilTheServerDies()
{
    // A child that hangs is killed by the alarm, which the parent reports.
    alarm(20);
    SDL_Quit();
    int nDisplay = -1;
    const pid_t server = StartServer(nDisplay);
    if (nDisplay < 0)
        _exit(kNoServer);
    setenv("DISPLAY", (":" + std::to_string(nDisplay)).c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    PlatformOnDisplayLost(MarkLost);
    // The device layer starts video before the game's window is made.
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        _exit(kNoServer);
    HWND window = CreateWindowExA(0, RecordingClass(), "x", WS_VISIBLE, 0, 0, 320, 240, nullptr, nullptr,
                                  nullptr, nullptr);
    if (!window) {
        fprintf(stderr, "no window: %s\n", PlatformLastError());
        kill(server, SIGKILL);
        _exit(kNoWindow);
    }
    kill(server, SIGKILL);
    waitpid(server, nullptr, 0);
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(10);
    }
}

TEST(DisplayLost, TheHandlerRunsAndTheProcessEndsWithStatus1)
{
    if (system("command -v Xvfb >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "Xvfb is not installed";
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(fds[0]);
        g_markFd = fds[1];
        RunUntilTheServerDies();
    }
    close(fds[1]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    char szMark[8] = {};
    const ssize_t nRead = read(fds[0], szMark, sizeof szMark - 1);
    close(fds[0]);
    ASSERT_TRUE(WIFEXITED(status)) << "still running 20 s after the server died, or crashed: signal "
                                   << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    if (WEXITSTATUS(status) == kNoServer)
        GTEST_SKIP() << "Xvfb did not start here";
    EXPECT_EQ(WEXITSTATUS(status), kLost);
    EXPECT_EQ(std::string(szMark, nRead > 0 ? size_t(nRead) : 0), "lost");
}

}  // namespace
