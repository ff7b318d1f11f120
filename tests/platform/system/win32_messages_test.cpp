#include "win32_test_window.h"

TEST_F(WindowTest, PostedMessagesReachTheProcedureInOrder)
{
    HWND window = Make(WS_VISIBLE, 200, 100);
    for (WPARAM i = 0; i < 4; ++i)
        ASSERT_TRUE(PostMessageA(window, WM_USER + static_cast<UINT>(i), i, LPARAM(10 * i)));

    const auto posted = Pump();
    std::vector<RecordedMessage> users;
    for (const RecordedMessage& recorded : posted)
        if (recorded.message >= WM_USER)
            users.push_back(recorded);
    ASSERT_EQ(users.size(), 4u);
    for (WPARAM i = 0; i < 4; ++i) {
        EXPECT_EQ(users[i].hwnd, window);
        EXPECT_EQ(users[i].message, WM_USER + i);
        EXPECT_EQ(users[i].wParam, i);
        EXPECT_EQ(users[i].lParam, LPARAM(10 * i));
    }
}

TEST_F(WindowTest, PeekingWithoutRemovalAndFilteringLeaveOtherMessagesWaiting)
{
    HWND first = Make(WS_VISIBLE, 200, 100);
    HWND second = Make(WS_VISIBLE, 200, 100);
    Pump();
    PostMessageA(first, WM_USER, 1, 0);
    PostMessageA(second, WM_USER + 1, 2, 0);

    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 1u);
    ASSERT_TRUE(PeekMessageA(&msg, second, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, second);
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_USER + 1, WM_USER + 5, PM_REMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, first);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(WindowTest, PostedMessagesComeBeforeWaitingInput)
{
    HWND window = Make(WS_VISIBLE, 200, 100);
    Pump();
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = SdlId(window);
    SDL_PushEvent(&close);
    PostMessageA(window, WM_USER, 0, 0);

    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_CLOSE));
    EXPECT_EQ(msg.hwnd, window);
}

TEST_F(WindowTest, DefaultProcedureShowsTheClassCursorOnlyOverTheClient)
{
    HWND window = Make(WS_VISIBLE, 200, 100);
    SetCursor(nullptr);
    EXPECT_EQ(DefWindowProcA(window, WM_SETCURSOR, WPARAM(window), MAKELPARAM(HTCLIENT + 1, 0)),
              FALSE);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_EQ(DefWindowProcA(window, WM_SETCURSOR, WPARAM(window), MAKELPARAM(HTCLIENT, 0)),
              TRUE);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}
