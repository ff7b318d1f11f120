#include "system/win32.h"
#include "system/modal_box.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

// Under the offscreen driver no dialog may open (it would wait for a click
// nobody makes); the report still reaches stderr.
TEST(MessageBoxA, HeadlessWritesOneLineAndReturnsAtOnce)
{
    testing::internal::CaptureStderr();
    const int answer = MessageBoxA(nullptr, "Failed to load settings file. Please reinstal",
                                   "Error", MB_ICONERROR);
    MessageBoxA(nullptr, nullptr, nullptr, MB_OK);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(written, "Error: Failed to load settings file. Please reinstal\n: \n");
}

// What SDL's X11 box does: a child process shows the box and the caller
// waits for it, taking the wait up again after any signal.
void ShowLikeSdl(int reportPipe)
{
    const pid_t box = fork();
    if (box == 0) {
        const pid_t self = getpid();
        if (write(reportPipe, &self, sizeof self) != sizeof self)
            _exit(3);
        for (;;)
            pause();
    }
    int status;
    while (waitpid(box, &status, 0) < 0 && errno == EINTR) {
    }
}

// Runs in a process of its own that adopts the orphaned box, so it can
// wait for the box as its parent would: 0 when the program ended by the
// signal and the box ended with it. A box left running keeps this process
// waiting, and the test fails by its time limit.
int KillTheProgramWhileItsBoxIsUp(int signalNumber)
{
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    int fds[2];
    if (pipe(fds) != 0)
        return 10;
    const pid_t program = fork();
    if (program == 0) {
        // SDL's own handlers only queue a quit event nobody reads meanwhile.
        signal(SIGTERM, [](int) {});
        signal(SIGINT, [](int) {});
        PlatformRunModalBox([&] { ShowLikeSdl(fds[1]); });
        _exit(0);
    }
    pid_t box = 0;
    if (read(fds[0], &box, sizeof box) != sizeof box)
        return 11;
    kill(program, signalNumber);
    int status = 0;
    waitpid(program, &status, 0);
    if (!WIFSIGNALED(status) || WTERMSIG(status) != signalNumber)
        return 12;
    waitpid(box, &status, 0);
    return WIFSIGNALED(status) ? 0 : 13;
}

TEST(MessageBoxA, TheBoxEndsWithTheProgramAndASignalEndsThemBoth)
{
    for (int signalNumber : {SIGTERM, SIGINT, SIGKILL}) {
        SCOPED_TRACE(strsignal(signalNumber));
        const pid_t reaper = fork();
        if (reaper == 0)
            _exit(KillTheProgramWhileItsBoxIsUp(signalNumber));
        int status = 0;
        ASSERT_EQ(reaper, waitpid(reaper, &status, 0));
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(0, WEXITSTATUS(status));
    }
}

// Once the box is closed the program's own handlers are back.
TEST(MessageBoxA, TheProgramsHandlersComeBackAfterTheBox)
{
    struct sigaction before {};
    sigaction(SIGTERM, nullptr, &before);
    void (*const handler)(int) = [](int) {};
    signal(SIGTERM, handler);
    PlatformRunModalBox([] {
        struct sigaction during {};
        sigaction(SIGTERM, nullptr, &during);
        EXPECT_EQ(SIG_DFL, during.sa_handler);
    });
    struct sigaction after {};
    sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(handler, after.sa_handler);
    sigaction(SIGTERM, &before, nullptr);
}

}  // namespace
