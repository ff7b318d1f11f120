#include "win32_test_window.h"

TEST_F(WindowTest, LetterboxKeepsTheAspectAndCentres)
{
    HWND window = Make(WS_VISIBLE, 800, 600);
    struct Case {
        int drawableW, drawableH;
        RECT expected;
    } const cases[] = {
        {800, 600, {0, 0, 800, 600}},        // a window of the picture's size
        {1600, 1200, {0, 0, 1600, 1200}},    // a high-density window
        {1920, 1080, {240, 0, 1680, 1080}},  // wide desktop: bars left and right
        {1280, 1024, {0, 32, 1280, 992}},    // 5:4 desktop: bars above and below
        {801, 600, {0, 0, 800, 600}},        // an odd spare pixel goes right
        {0, 0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        RECT got{-1, -1, -1, -1};
        PlatformLetterbox(window, c.drawableW, c.drawableH, &got);
        EXPECT_EQ(got.left, c.expected.left) << c.drawableW << "x" << c.drawableH;
        EXPECT_EQ(got.top, c.expected.top) << c.drawableW << "x" << c.drawableH;
        EXPECT_EQ(got.right, c.expected.right) << c.drawableW << "x" << c.drawableH;
        EXPECT_EQ(got.bottom, c.expected.bottom) << c.drawableW << "x" << c.drawableH;
    }
}

TEST_F(WindowTest, SwitchingScreenModesKeepsTheLogicalClientSize)
{
    const DWORD windowed = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_CAPTION |
                           WS_SYSMENU | WS_MINIMIZEBOX;
    const DWORD fullScreen = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_POPUP;
    HWND window = Make(windowed, 800, 600);

    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(fullScreen));
    EXPECT_FALSE(PlatformIsFullScreen(window)) << "a style shows with the next SetWindowPos";
    ASSERT_TRUE(SetWindowPos(window, nullptr, 0, 0, 800, 600,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_TRUE(PlatformIsFullScreen(window));
    int width = 0, height = 0;
    PlatformLogicalSize(window, &width, &height);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600);

    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(windowed));
    RECT outer{0, 0, 800, 600};
    ASSERT_TRUE(AdjustWindowRect(&outer, windowed, FALSE));
    EXPECT_EQ(outer.right - outer.left, 800) << "the window manager owns the frame";
    ASSERT_TRUE(SetWindowPos(window, HWND_NOTOPMOST, 0, 0, outer.right - outer.left,
                             outer.bottom - outer.top, SWP_SHOWWINDOW));
    EXPECT_FALSE(PlatformIsFullScreen(window));
    SDL_GetWindowSize(PlatformSdlWindow(window), &width, &height);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);
}

// The render window hides the cursor when GetCursorPos lies in its client
// rectangle moved by ClientToScreen; with a scaled picture that must still
// cover the whole picture and nothing of the bars.
TEST_F(WindowTest, CursorAndClientRectangleAgreeOnAScaledPicture)
{
    // 1000 x 500 in the offscreen 1024 x 768 desktop: scale 1.024, bars of
    // 128 above and below.
    HWND window = Make(WS_VISIBLE | WS_POPUP, 1000, 500);
    SDL_Window* sdlWindow = PlatformSdlWindow(window);
    struct Case {
        int x, y;  // window pixels
        bool inside;
    } const cases[] = {
        {0, 128, true},    {1023, 639, true}, {512, 384, true},
        {512, 127, false}, {512, 640, false}, {5, 700, false},
    };
    for (const Case& c : cases) {
        SDL_WarpMouseInWindow(sdlWindow, c.x, c.y);
        POINT cursor{};
        ASSERT_TRUE(GetCursorPos(&cursor));
        POINT origin{0, 0};
        ASSERT_TRUE(ClientToScreen(window, &origin));
        RECT client{};
        GetClientRect(window, &client);
        client.left += origin.x;
        client.right += origin.x;
        client.top += origin.y;
        client.bottom += origin.y;
        EXPECT_EQ(static_cast<bool>(PtInRect(&client, cursor)), c.inside)
            << c.x << "," << c.y << " -> " << cursor.x << "," << cursor.y;
    }
    Pump();
}

TEST_F(WindowTest, ScreenSizeIsTheDesktop)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
}
