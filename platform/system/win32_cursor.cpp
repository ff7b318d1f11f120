// The system cursor: where it is and whether it shows over our windows.
#include "system/win32_private.h"

namespace {

HCURSOR g_cursor;

}  // namespace

// SDL hides the cursor only while it is over one of its windows, which is
// what hiding it over the client area asks for.
HCURSOR SetCursor(HCURSOR cursor)
{
    const HCURSOR previous = g_cursor;
    g_cursor = cursor;
    if (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_ShowCursor(cursor ? SDL_ENABLE : SDL_DISABLE);
    return previous;
}

// Over one of our windows the position is measured in client units from
// that window's client origin, so it agrees with ClientToScreen even when
// the picture is scaled; elsewhere it is the real screen position.
BOOL GetCursorPos(POINT* point)
{
    if (!point)
        return FALSE;
    *point = POINT{0, 0};
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return FALSE;
    int x = 0;
    int y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    *point = POINT{x, y};
    const PlatformWindow* window = PlatformWindowAt(x, y);
    if (!window)
        return TRUE;
    int left = 0;
    int top = 0;
    SDL_GetWindowPosition(window->m_pSdlWindow, &left, &top);
    const POINT client = PlatformWindowToClient(*window, x - left, y - top);
    const POINT origin = PlatformClientOrigin(*window);
    *point = POINT{origin.x + client.x, origin.y + client.y};
    return TRUE;
}

BOOL PtInRect(const RECT* rect, POINT point)
{
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}
