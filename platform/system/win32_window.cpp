// Window classes, window creation and destruction, and the per-window
// values. A window is an SDL window with an OpenGL surface; its messages go
// to the class's window procedure.
#include "system/win32_private.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace {

struct WindowClass {
    WNDPROC m_pfnProc;
    UINT m_nStyle;
    HCURSOR m_hCursor;
};

std::map<std::string, WindowClass> g_classes;
std::vector<std::unique_ptr<PlatformWindow>> g_windows;

// Stand-ins for resources we do not have: distinct, never dereferenced.
char g_iconToken;
char g_cursorToken;
char g_stockToken;

Uint32 SdlFlagsForStyle(DWORD style)
{
    Uint32 flags = SDL_WINDOW_OPENGL;
    flags |= (style & WS_VISIBLE) ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN;
    if (style & WS_POPUP)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    if (style & WS_THICKFRAME)
        flags |= SDL_WINDOW_RESIZABLE;
    return flags;
}

int SdlPosition(int coordinate)
{
    return coordinate == CW_USEDEFAULT ? static_cast<int>(SDL_WINDOWPOS_CENTERED) : coordinate;
}

// The device draws straight into the window when the window's own buffers
// hold what its back buffer and depth-stencil buffer need: 8 bits a
// colour channel, 24 of depth, 8 of stencil. No alpha is asked for: the
// game's back buffer has none, and a compositor would blend a window with
// alpha over the desktop. A display that has no such visual still gets a
// window with SDL's defaults; the device then draws offscreen and copies.
SDL_Window* CreateSdlWindow(const char* title, DWORD style, int x, int y, int width, int height)
{
    const int sizes[][2] = {{SDL_GL_RED_SIZE, 8},   {SDL_GL_GREEN_SIZE, 8}, {SDL_GL_BLUE_SIZE, 8},
                            {SDL_GL_ALPHA_SIZE, 0}, {SDL_GL_DEPTH_SIZE, 24}, {SDL_GL_STENCIL_SIZE, 8}};
    for (const auto& size : sizes)
        SDL_GL_SetAttribute(SDL_GLattr(size[0]), size[1]);
    for (int attempt = 0; attempt < 2; ++attempt) {
        SDL_Window* window = SDL_CreateWindow(title ? title : "", SdlPosition(x), SdlPosition(y),
                                              std::max(width, 1), std::max(height, 1),
                                              SdlFlagsForStyle(style));
        if (window || attempt > 0)
            return window;
        SDL_GL_ResetAttributes();
    }
    return nullptr;
}

PlatformWindow* MakeWindow(const WindowClass& windowClass, const char* title, DWORD style,
                           DWORD exStyle, int x, int y, int width, int height)
{
    SDL_Window* sdlWindow = CreateSdlWindow(title, style, x, y, width, height);
    if (!sdlWindow) {
        PlatformSetLastError(SDL_GetError());
        return nullptr;
    }
    auto window = std::make_unique<PlatformWindow>();
    window->m_pSdlWindow = sdlWindow;
    window->m_nSdlId = SDL_GetWindowID(sdlWindow);
    window->m_pfnProc = windowClass.m_pfnProc;
    window->m_nClassStyle = windowClass.m_nStyle;
    window->m_hClassCursor = windowClass.m_hCursor;
    window->m_dwStyle = style;
    window->m_dwExStyle = exStyle;
    window->m_nLogicalWidth = width;
    window->m_nLogicalHeight = height;
    g_windows.push_back(std::move(window));
    return g_windows.back().get();
}

}  // namespace

bool PlatformInitVideo()
{
    // Closing the window is reported once, as WM_CLOSE; SDL's own quit
    // event on the last window would report it twice. SDL reads the hint
    // when a window closes, so it holds even if the device layer started
    // video first.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // Also when the device layer started video: every window comes here.
    PlatformWatchDisplay();
    if (SDL_WasInit(SDL_INIT_VIDEO))
        return true;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        PlatformSetLastError(SDL_GetError());
        return false;
    }
    if (!PlatformVideoHasDisplay()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    return true;
}

bool PlatformVideoHasDisplay()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool headless = driver && (strcmp(driver, "offscreen") == 0 || strcmp(driver, "dummy") == 0);
    const char* asked = getenv("SDL_VIDEODRIVER");
    if (!headless || (asked && strstr(asked, driver)))
        return true;
    PlatformSetLastError("no display found: the game needs a screen to show its window "
                         "(SDL_VIDEODRIVER=offscreen runs it without one)");
    return false;
}

PlatformWindow* PlatformFindSdlWindow(Uint32 sdlId)
{
    for (const auto& window : g_windows)
        if (window->m_nSdlId == sdlId)
            return window.get();
    return nullptr;
}

PlatformWindow* PlatformMainWindow()
{
    return g_windows.empty() ? nullptr : g_windows.front().get();
}

PlatformWindow* PlatformWindowAt(int screenX, int screenY)
{
    for (const auto& window : g_windows) {
        SDL_Rect bounds{};
        SDL_GetWindowPosition(window->m_pSdlWindow, &bounds.x, &bounds.y);
        SDL_GetWindowSize(window->m_pSdlWindow, &bounds.w, &bounds.h);
        const SDL_Point point{screenX, screenY};
        if (SDL_PointInRect(&point, &bounds))
            return window.get();
    }
    return nullptr;
}

SDL_Window* PlatformSdlWindow(HWND window)
{
    return IsWindow(window) ? window->m_pSdlWindow : nullptr;
}

WORD RegisterClassA(const WNDCLASSA* windowClass)
{
    if (!windowClass || !windowClass->lpszClassName || !windowClass->lpfnWndProc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const bool added = g_classes
                           .emplace(windowClass->lpszClassName,
                                    WindowClass{windowClass->lpfnWndProc, windowClass->style,
                                                windowClass->hCursor})
                           .second;
    if (!added) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    return static_cast<WORD>(g_classes.size());
}

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                     int y, int width, int height, HWND parent, void* menu, HINSTANCE instance,
                     void* param)
{
    const auto found = className ? g_classes.find(className) : g_classes.end();
    if (found == g_classes.end()) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        PlatformSetLastError("no window class of that name is registered");
        return nullptr;
    }
    if (!PlatformInitVideo())
        return nullptr;
    HWND window = MakeWindow(found->second, title, style, exStyle, x, y, width, height);
    if (!window)
        return nullptr;
    CREATESTRUCTA create{param, instance, parent, height, width, y, x, static_cast<LONG>(style),
                         title, className};
    // As on the original, a procedure that answers -1 refuses the window.
    if (SendMessageA(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(window);
        PlatformSetLastError("the window procedure refused the window");
        return nullptr;
    }
    return window;
}

BOOL DestroyWindow(HWND window)
{
    if (!IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    SendMessageA(window, WM_DESTROY, 0, 0);
    PlatformDropMessages(window);
    SDL_DestroyWindow(window->m_pSdlWindow);
    g_windows.erase(std::find_if(g_windows.begin(), g_windows.end(),
                                 [window](const auto& live) { return live.get() == window; }));
    return TRUE;
}

BOOL IsWindow(HWND window)
{
    return window && std::any_of(g_windows.begin(), g_windows.end(),
                                 [window](const auto& live) { return live.get() == window; });
}

LONG GetWindowLongA(HWND window, int index)
{
    return static_cast<LONG>(GetWindowLongPtrA(window, index));
}

LONG SetWindowLongA(HWND window, int index, LONG value)
{
    return static_cast<LONG>(SetWindowLongPtrA(window, index, value));
}

intptr_t GetWindowLongPtrA(HWND window, int index)
{
    if (!IsWindow(window))
        return 0;
    if (index == GWL_STYLE)
        return static_cast<LONG>(window->m_dwStyle);
    return index == GWLP_USERDATA ? window->m_nUserData : 0;
}

// A new style shows on the screen with the next SetWindowPos, as on the
// original.
intptr_t SetWindowLongPtrA(HWND window, int index, intptr_t value)
{
    const intptr_t previous = GetWindowLongPtrA(window, index);
    if (!IsWindow(window))
        return 0;
    if (index == GWL_STYLE)
        window->m_dwStyle = static_cast<DWORD>(value);
    else if (index == GWLP_USERDATA)
        window->m_nUserData = value;
    return previous;
}

BOOL SetWindowTextA(HWND window, const char* title)
{
    if (!IsWindow(window))
        return FALSE;
    SDL_SetWindowTitle(window->m_pSdlWindow, title ? title : "");
    return TRUE;
}

HICON LoadIconA(HINSTANCE instance, const char* name)
{
    return reinterpret_cast<HICON>(&g_iconToken);
}

HCURSOR LoadCursorA(HINSTANCE instance, const char* name)
{
    return reinterpret_cast<HCURSOR>(&g_cursorToken);
}

void* GetStockObject(int object)
{
    return &g_stockToken;
}
