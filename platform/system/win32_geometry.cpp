// Window size and position. The client area always has the size the
// program asked for: the back buffer is drawn at that size and shown scaled
// into whatever the SDL window really is (the desktop in full screen).
#include "system/win32_private.h"

namespace {

bool IsFullScreen(const PlatformWindow& window)
{
    return (SDL_GetWindowFlags(window.m_pSdlWindow) & SDL_WINDOW_FULLSCREEN) != 0;
}

// Left and top of the SDL window's client area on the screen (a full
// screen window's display origin).
POINT WindowOrigin(const PlatformWindow& window)
{
    POINT origin{0, 0};
    SDL_GetWindowPosition(window.m_pSdlWindow, &origin.x, &origin.y);
    return origin;
}

// value * numerator / denominator rounded down, also below zero, so a
// point just outside the picture never maps onto its first row or column.
LONG ScaleDown(int64_t value, int64_t numerator, int64_t denominator)
{
    const int64_t scaled = value * numerator;
    const int64_t quotient = scaled / denominator;
    return static_cast<LONG>(scaled % denominator < 0 ? quotient - 1 : quotient);
}

}  // namespace

RECT PlatformFitRect(int logicalW, int logicalH, int outerW, int outerH)
{
    if (logicalW <= 0 || logicalH <= 0 || outerW <= 0 || outerH <= 0)
        return RECT{0, 0, outerW, outerH};
    // Compare the aspects in integers so equal aspects give the whole area.
    const int64_t wide = int64_t(outerW) * logicalH;
    const int64_t tall = int64_t(outerH) * logicalW;
    LONG width = outerW;
    LONG height = outerH;
    if (wide > tall)
        width = static_cast<LONG>(int64_t(outerH) * logicalW / logicalH);
    else if (tall > wide)
        height = static_cast<LONG>(int64_t(outerW) * logicalH / logicalW);
    const LONG left = (outerW - width) / 2;
    const LONG top = (outerH - height) / 2;
    return RECT{left, top, left + width, top + height};
}

RECT PlatformClientArea(const PlatformWindow& window)
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window.m_pSdlWindow, &width, &height);
    return PlatformFitRect(window.m_nLogicalWidth, window.m_nLogicalHeight, width, height);
}

POINT PlatformWindowToClient(const PlatformWindow& window, int x, int y)
{
    const RECT area = PlatformClientArea(window);
    const LONG areaW = area.right - area.left;
    const LONG areaH = area.bottom - area.top;
    if (areaW <= 0 || areaH <= 0)
        return POINT{0, 0};
    return POINT{ScaleDown(x - area.left, window.m_nLogicalWidth, areaW),
                 ScaleDown(y - area.top, window.m_nLogicalHeight, areaH)};
}

POINT PlatformClientOrigin(const PlatformWindow& window)
{
    const RECT area = PlatformClientArea(window);
    const POINT origin = WindowOrigin(window);
    return POINT{origin.x + area.left, origin.y + area.top};
}

void PlatformApplyStyle(PlatformWindow& window)
{
    const bool fullScreen = (window.m_dwStyle & WS_POPUP) != 0;
    SDL_SetWindowFullscreen(window.m_pSdlWindow, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    SDL_SetWindowResizable(window.m_pSdlWindow,
                           (window.m_dwStyle & WS_THICKFRAME) ? SDL_TRUE : SDL_FALSE);
    if (!fullScreen)
        SDL_SetWindowSize(window.m_pSdlWindow, window.m_nLogicalWidth, window.m_nLogicalHeight);
}

bool PlatformIsFullScreen(HWND window)
{
    return IsWindow(window) && IsFullScreen(*window);
}

void PlatformLogicalSize(HWND window, int* width, int* height)
{
    const bool live = IsWindow(window);
    if (width)
        *width = live ? window->m_nLogicalWidth : 0;
    if (height)
        *height = live ? window->m_nLogicalHeight : 0;
}

void PlatformLetterbox(HWND window, int drawableW, int drawableH, RECT* out)
{
    if (!out)
        return;
    if (!IsWindow(window)) {
        *out = RECT{0, 0, drawableW, drawableH};
        return;
    }
    *out = PlatformFitRect(window->m_nLogicalWidth, window->m_nLogicalHeight, drawableW,
                           drawableH);
}

// The window manager owns the frame, so the outer size asked for is the
// client size and adjusting adds nothing.
BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL menu)
{
    return rect ? TRUE : FALSE;
}

int GetSystemMetrics(int index)
{
    SDL_DisplayMode mode{};
    if (!PlatformInitVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0)
        return 0;
    if (index == SM_CXSCREEN)
        return mode.w;
    return index == SM_CYSCREEN ? mode.h : 0;
}

BOOL GetWindowRect(HWND window, RECT* rect)
{
    if (!IsWindow(window) || !rect)
        return FALSE;
    const POINT origin = WindowOrigin(*window);
    *rect = RECT{origin.x, origin.y, origin.x + window->m_nLogicalWidth,
                 origin.y + window->m_nLogicalHeight};
    return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect)
{
    if (!IsWindow(window) || !rect)
        return FALSE;
    *rect = RECT{0, 0, window->m_nLogicalWidth, window->m_nLogicalHeight};
    return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point)
{
    if (!IsWindow(window) || !point)
        return FALSE;
    const POINT origin = PlatformClientOrigin(*window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags)
{
    if (!IsWindow(window))
        return FALSE;
    if (!(flags & SWP_NOSIZE)) {
        window->m_nLogicalWidth = width;
        window->m_nLogicalHeight = height;
    }
    PlatformApplyStyle(*window);
    if (!(flags & SWP_NOMOVE) && !IsFullScreen(*window))
        SDL_SetWindowPosition(window->m_pSdlWindow, x, y);
    if (flags & SWP_SHOWWINDOW)
        SDL_ShowWindow(window->m_pSdlWindow);
    return TRUE;
}

BOOL IsIconic(HWND window)
{
    return IsWindow(window) && window->m_bIconic;
}

BOOL IsWindowVisible(HWND window)
{
    return IsWindow(window) && !(SDL_GetWindowFlags(window->m_pSdlWindow) & SDL_WINDOW_HIDDEN);
}
