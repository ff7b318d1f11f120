#include "win32_test_window.h"

#include <cstdlib>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

TEST_F(WindowTest, CreationSendsCreateWithTheParamsAndKeepsTheRequestedClientSize)
{
    int marker = 0;
    HWND window = Make(WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 800, 600, &marker);
    ASSERT_TRUE(window);

    const auto creates = Only(Recorded(), WM_CREATE);
    ASSERT_EQ(creates.size(), 1u);
    EXPECT_EQ(creates[0].hwnd, window);
    EXPECT_EQ(creates[0].createParam, &marker);

    RECT client{};
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.top, 0);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600);

    RECT outer{};
    ASSERT_TRUE(GetWindowRect(window, &outer));
    EXPECT_EQ(outer.right - outer.left, 800);
    EXPECT_EQ(outer.bottom - outer.top, 600);
    EXPECT_TRUE(PlatformSdlWindow(window));
    EXPECT_FALSE(PlatformIsFullScreen(window));
}

TEST_F(WindowTest, ClassesAreRegisteredOnceByName)
{
    RecordingClass();
    WNDCLASSA again{};
    again.lpfnWndProc = RecordingProc;
    again.lpszClassName = "RecordingWindow";
    EXPECT_EQ(RegisterClassA(&again), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));

    HWND none = CreateWindowExA(0, "NoSuchClass", "x", WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                nullptr, nullptr, nullptr);
    EXPECT_FALSE(none);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    EXPECT_STRNE(PlatformLastError(), "");
}

TEST_F(WindowTest, StyleAndUserDataAreKeptPerWindow)
{
    HWND window = Make(WS_VISIBLE | WS_CAPTION, 320, 240);
    int object = 0;
    EXPECT_EQ(SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<intptr_t>(&object)), 0);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), reinterpret_cast<intptr_t>(&object));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)),
              static_cast<DWORD>(WS_VISIBLE | WS_CAPTION));
    EXPECT_EQ(static_cast<DWORD>(SetWindowLongA(window, GWL_STYLE, WS_VISIBLE)),
              static_cast<DWORD>(WS_VISIBLE | WS_CAPTION));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)),
              static_cast<DWORD>(WS_VISIBLE));
    EXPECT_TRUE(SetWindowTextA(window, "Quellon"));
    EXPECT_STREQ(SDL_GetWindowTitle(PlatformSdlWindow(window)), "Quellon");
}

TEST_F(WindowTest, ClosingThroughTheDefaultProcedureDestroysTheWindowAndItsMessages)
{
    HWND window = Make(WS_VISIBLE, 200, 100);
    PostMessageA(window, WM_USER, 0, 0);
    Recorded().clear();

    EXPECT_EQ(SendMessageA(window, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Only(Recorded(), WM_DESTROY).size(), 1u);

    // Nothing that was waiting for the window reaches a procedure later,
    // and calls on the dead handle fail instead of touching freed memory.
    EXPECT_TRUE(Pump().empty());
    RECT rect{};
    EXPECT_FALSE(GetClientRect(window, &rect));
    EXPECT_FALSE(DestroyWindow(window));
    EXPECT_FALSE(PostMessageA(window, WM_USER, 0, 0));
    EXPECT_EQ(PlatformSdlWindow(window), nullptr);
}

TEST_F(WindowTest, AProcedureRefusingCreationLeavesNoWindow)
{
    static const auto refuse = [](HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) -> LRESULT {
        return message == WM_CREATE ? -1 : DefWindowProcA(window, message, wParam, lParam);
    };
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = refuse;
    windowClass.lpszClassName = "RefusingWindow";
    RegisterClassA(&windowClass);
    EXPECT_FALSE(CreateWindowExA(0, "RefusingWindow", "x", WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr));
    EXPECT_STRNE(PlatformLastError(), "");
}

TEST(WindowWithoutDisplay, CreationFailsWithSdlsReason)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A fresh video start with a driver that cannot exist stands for a
        // machine without a display. Earlier tests may have started video
        // more than once, and each start is counted: only a full quit ends it.
        SDL_Quit();
        setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
        HWND window = CreateWindowExA(0, RecordingClass(), "x", WS_VISIBLE, 0, 0, 800, 600,
                                      nullptr, nullptr, nullptr, nullptr);
        const bool explained = strlen(PlatformLastError()) > 0;
        _exit(window == nullptr && explained ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the child crashed";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
