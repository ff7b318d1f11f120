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

TEST_F(WindowTest, ClientToScreenAgreesWithTheLetterboxInFullScreen)
{
    // 1000 x 500 in the offscreen 1024 x 768 desktop: scale 1.024, bars of
    // 128 above and below.
    HWND window = Make(WS_VISIBLE | WS_POPUP, 1000, 500);
    POINT corner{0, 0};
    ASSERT_TRUE(ClientToScreen(window, &corner));
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 128);
    POINT far{1000, 500};
    ASSERT_TRUE(ClientToScreen(window, &far));
    EXPECT_EQ(far.x, 1024);
    EXPECT_EQ(far.y, 640);

    RECT client{0, 0, 1000, 500};
    EXPECT_TRUE(PtInRect(&client, POINT{0, 0}));
    EXPECT_TRUE(PtInRect(&client, POINT{999, 499}));
    EXPECT_FALSE(PtInRect(&client, POINT{1000, 250}));
    EXPECT_FALSE(PtInRect(&client, POINT{-1, 250}));
}

TEST_F(WindowTest, ScreenSizeIsTheDesktop)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
}
