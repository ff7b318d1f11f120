#include "win32_test_window.h"

namespace {

void PushMotion(HWND window, int x, int y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = SDL_GetWindowID(PlatformSdlWindow(window));
    event.motion.x = x;
    event.motion.y = y;
    SDL_PushEvent(&event);
}

void PushButton(HWND window, bool down, Uint8 button, Uint8 clicks, int x, int y)
{
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = SDL_GetWindowID(PlatformSdlWindow(window));
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = clicks;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

void PushKey(HWND window, bool down, SDL_Scancode scancode, SDL_Keycode sym, bool repeat = false)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.windowID = SDL_GetWindowID(PlatformSdlWindow(window));
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat;
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = sym;
    SDL_PushEvent(&event);
}

void PushWindowEvent(HWND window, Uint8 kind, int data1 = 0, int data2 = 0)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(PlatformSdlWindow(window));
    event.window.event = kind;
    event.window.data1 = data1;
    event.window.data2 = data2;
    SDL_PushEvent(&event);
}

DWORD KeyLParam(DWORD scan, bool extended, bool up, bool repeat)
{
    return 1 | (scan << 16) | (extended ? 1u << 24 : 0) | ((up || repeat) ? 1u << 30 : 0) |
           (up ? 1u << 31 : 0);
}

}  // namespace

TEST_F(WindowTest, MouseMotionSetsTheCursorThenMovesInClientCoordinates)
{
    HWND window = Make(WS_VISIBLE, 800, 600);
    Pump();
    PushMotion(window, 123, 456);
    const auto got = Pump();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].message, static_cast<UINT>(WM_SETCURSOR));
    EXPECT_EQ(got[0].wParam, reinterpret_cast<WPARAM>(window));
    EXPECT_EQ(LOWORD(got[0].lParam), HTCLIENT);
    EXPECT_EQ(got[1].message, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(got[1].lParam, MAKELPARAM(123, 456));
}

TEST_F(WindowTest, ButtonsBecomeButtonMessagesAndEverySecondLeftClickADoubleClick)
{
    HWND window = Make(WS_VISIBLE, 800, 600);
    Pump();
    struct Case {
        bool down;
        Uint8 button;
        Uint8 clicks;
        UINT expected;
    } const cases[] = {
        {true, SDL_BUTTON_LEFT, 1, WM_LBUTTONDOWN},   {false, SDL_BUTTON_LEFT, 1, WM_LBUTTONUP},
        {true, SDL_BUTTON_LEFT, 2, WM_LBUTTONDBLCLK}, {false, SDL_BUTTON_LEFT, 2, WM_LBUTTONUP},
        {true, SDL_BUTTON_LEFT, 3, WM_LBUTTONDOWN},   {true, SDL_BUTTON_LEFT, 4, WM_LBUTTONDBLCLK},
        {true, SDL_BUTTON_RIGHT, 1, WM_RBUTTONDOWN},  {true, SDL_BUTTON_RIGHT, 2, WM_RBUTTONDOWN},
        {false, SDL_BUTTON_RIGHT, 2, WM_RBUTTONUP},
    };
    int x = 10;
    for (const Case& c : cases) {
        PushButton(window, c.down, c.button, c.clicks, x, 20);
        const auto got = Pump();
        ASSERT_EQ(got.size(), 1u) << "button " << int(c.button) << " clicks " << int(c.clicks);
        EXPECT_EQ(got[0].message, c.expected) << "clicks " << int(c.clicks);
        EXPECT_EQ(got[0].lParam, MAKELPARAM(x, 20));
        ++x;
    }
    PushButton(window, true, SDL_BUTTON_MIDDLE, 1, 0, 0);
    EXPECT_TRUE(Pump().empty()) << "the middle button means nothing here";
}

TEST_F(WindowTest, FullScreenMapsTheLetterboxBackToTheLogicalClient)
{
    // The offscreen desktop is 1024 x 768; a 1000 x 500 picture fills its
    // width and leaves bars of 128 above and below.
    HWND window = Make(WS_VISIBLE | WS_POPUP, 1000, 500);
    ASSERT_TRUE(PlatformIsFullScreen(window));
    int width = 0, height = 0;
    SDL_GetWindowSize(PlatformSdlWindow(window), &width, &height);
    ASSERT_EQ(width, 1024);
    ASSERT_EQ(height, 768);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 1000);
    EXPECT_EQ(client.bottom, 500);
    Pump();

    struct Case {
        int x, y;
        int cx, cy;
    } const cases[] = {
        {0, 128, 0, 0},        {512, 384, 500, 250}, {1023, 639, 999, 499},
        {512, 0, 500, 0},      // in the upper bar: the top edge
        {512, 767, 500, 499},  // in the lower bar: the bottom edge
    };
    for (const Case& c : cases) {
        PushButton(window, true, SDL_BUTTON_LEFT, 1, c.x, c.y);
        PushButton(window, false, SDL_BUTTON_LEFT, 1, c.x, c.y);
        const auto got = Pump();
        ASSERT_EQ(got.size(), 2u);
        EXPECT_EQ(got[0].lParam, MAKELPARAM(c.cx, c.cy)) << c.x << "," << c.y;
        EXPECT_EQ(got[1].lParam, MAKELPARAM(c.cx, c.cy)) << c.x << "," << c.y;
    }
}

TEST_F(WindowTest, KeysBecomeVirtualKeysWithScanCodeAndTransitionBits)
{
    HWND window = Make(WS_VISIBLE, 800, 600);
    Pump();
    struct Case {
        bool down;
        SDL_Scancode scancode;
        SDL_Keycode sym;
        bool repeat;
        UINT vk;
        DWORD lParam;
    } const cases[] = {
        {true, SDL_SCANCODE_A, SDLK_a, false, 'A', KeyLParam(0x1E, false, false, false)},
        {true, SDL_SCANCODE_A, SDLK_a, true, 'A', KeyLParam(0x1E, false, false, true)},
        {false, SDL_SCANCODE_A, SDLK_a, false, 'A', KeyLParam(0x1E, false, true, false)},
        // A French layout's A key sits where the US Q is.
        {true, SDL_SCANCODE_Q, SDLK_a, false, 'A', KeyLParam(0x10, false, false, false)},
        {true, SDL_SCANCODE_7, SDLK_7, false, '7', KeyLParam(0x08, false, false, false)},
        {true, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, false, VK_ESCAPE,
         KeyLParam(0x01, false, false, false)},
        {true, SDL_SCANCODE_F5, SDLK_F5, false, VK_F5, KeyLParam(0x3F, false, false, false)},
        {true, SDL_SCANCODE_LEFT, SDLK_LEFT, false, VK_LEFT, KeyLParam(0x4B, true, false, false)},
        {true, SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, false, VK_RETURN,
         KeyLParam(0x1C, true, false, false)},
        {true, SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, false, VK_SHIFT,
         KeyLParam(0x36, false, false, false)},
        {true, SDL_SCANCODE_SLASH, SDLK_SLASH, false, VK_OEM_2,
         KeyLParam(0x35, false, false, false)},
    };
    for (const Case& c : cases) {
        PushKey(window, c.down, c.scancode, c.sym, c.repeat);
        const auto got = Pump();
        ASSERT_EQ(got.size(), 1u) << SDL_GetScancodeName(c.scancode);
        EXPECT_EQ(got[0].message, static_cast<UINT>(c.down ? WM_KEYDOWN : WM_KEYUP));
        EXPECT_EQ(got[0].wParam, c.vk) << SDL_GetScancodeName(c.scancode);
        EXPECT_EQ(static_cast<DWORD>(got[0].lParam), c.lParam)
            << SDL_GetScancodeName(c.scancode);
    }
    PushKey(window, true, SDL_SCANCODE_APPLICATION, SDLK_APPLICATION);
    EXPECT_TRUE(Pump().empty()) << "keys without a virtual key are dropped";
    PushKey(window, false, SDL_SCANCODE_RSHIFT, SDLK_RSHIFT);
    Pump();
}

TEST_F(WindowTest, TranslatedKeysKeepTheKeyStateForTheProcedure)
{
    HWND window = Make(WS_VISIBLE, 800, 600);
    Pump();
    PushKey(window, true, SDL_SCANCODE_LSHIFT, SDLK_LSHIFT);
    Pump();
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    EXPECT_LT(GetKeyState(VK_LSHIFT), 0);
    BYTE state[256];
    ASSERT_TRUE(GetKeyboardState(state));
    WORD character = 0;
    ASSERT_EQ(ToAscii('Q', 0x10, state, &character, 0), 1);
    EXPECT_EQ(character, 'Q');

    PushKey(window, false, SDL_SCANCODE_LSHIFT, SDLK_LSHIFT);
    Pump();
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    GetKeyboardState(state);
    ASSERT_EQ(ToAscii('Q', 0x10, state, &character, 0), 1);
    EXPECT_EQ(character, 'q');
}

TEST_F(WindowTest, WindowEventsBecomeWindowMessages)
{
    HWND window = Make(WS_VISIBLE, 800, 600);
    Pump();
    struct Case {
        Uint8 event;
        int data1, data2;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } const cases[] = {
        {SDL_WINDOWEVENT_FOCUS_LOST, 0, 0, WM_ACTIVATE, WA_INACTIVE, 0},
        {SDL_WINDOWEVENT_FOCUS_GAINED, 0, 0, WM_ACTIVATE, WA_ACTIVE, 0},
        {SDL_WINDOWEVENT_MOVED, 40, 50, WM_MOVE, 0, MAKELPARAM(40, 50)},
        // A window manager that resizes us changes the picture's scale,
        // not the client size.
        {SDL_WINDOWEVENT_SIZE_CHANGED, 1000, 700, WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 600)},
        {SDL_WINDOWEVENT_CLOSE, 0, 0, WM_CLOSE, 0, 0},
    };
    for (const Case& c : cases) {
        PushWindowEvent(window, c.event, c.data1, c.data2);
        const auto got = Pump();
        ASSERT_GE(got.size(), 1u) << int(c.event);
        EXPECT_EQ(got[0].message, c.message) << int(c.event);
        EXPECT_EQ(got[0].wParam, c.wParam) << int(c.event);
        EXPECT_EQ(got[0].lParam, c.lParam) << int(c.event);
    }
    EXPECT_FALSE(IsWindow(window)) << "WM_CLOSE reached the default procedure";
}

TEST_F(WindowTest, MinimiseAndRestoreDeliverSizeMessagesAndIconicState)
{
    HWND window = Make(WS_VISIBLE, 800, 600);
    Pump();
    struct Seen {
        UINT message;
        WPARAM wParam;
        BOOL iconic;
    };
    static std::vector<Seen> seen;
    seen.clear();
    // IsIconic must already tell the new state while the message is handled.
    static const auto watch = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_SIZE || message == WM_ACTIVATE)
            seen.push_back({message, wParam, IsIconic(hwnd)});
        return DefWindowProcA(hwnd, message, wParam, lParam);
    };

    PlatformMinimizeWindow(window);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        watch(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    EXPECT_TRUE(IsIconic(window));
    PlatformRestoreWindow(window);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        watch(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    EXPECT_FALSE(IsIconic(window));

    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_ACTIVATE));
    EXPECT_EQ(seen[0].wParam, static_cast<WPARAM>(WA_INACTIVE));
    EXPECT_EQ(seen[1].message, static_cast<UINT>(WM_SIZE));
    EXPECT_EQ(seen[1].wParam, static_cast<WPARAM>(SIZE_MINIMIZED));
    EXPECT_TRUE(seen[1].iconic);
    EXPECT_EQ(seen[2].message, static_cast<UINT>(WM_SIZE));
    EXPECT_EQ(seen[2].wParam, static_cast<WPARAM>(SIZE_RESTORED));
    EXPECT_FALSE(seen[2].iconic);
    EXPECT_EQ(seen[3].message, static_cast<UINT>(WM_ACTIVATE));
    EXPECT_EQ(seen[3].wParam, static_cast<WPARAM>(WA_ACTIVE));
}

TEST_F(WindowTest, QuitRequestClosesTheMainWindow)
{
    HWND window = Make(WS_VISIBLE, 800, 600);
    Pump();
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    const auto closes = Only(Pump(), WM_CLOSE);
    ASSERT_EQ(closes.size(), 1u);
    EXPECT_EQ(closes[0].hwnd, window);
}
