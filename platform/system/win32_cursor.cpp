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

// Measured from the window the mouse is over when there is one, so that it
// agrees with ClientToScreen, which starts from that window's position.
BOOL GetCursorPos(POINT* point)
{
    if (!point)
        return FALSE;
    *point = POINT{0, 0};
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return FALSE;
    if (SDL_Window* focus = SDL_GetMouseFocus()) {
        int left = 0;
        int top = 0;
        SDL_GetWindowPosition(focus, &left, &top);
        SDL_GetMouseState(&point->x, &point->y);
        point->x += left;
        point->y += top;
    } else {
        SDL_GetGlobalMouseState(&point->x, &point->y);
    }
    return TRUE;
}

BOOL PtInRect(const RECT* rect, POINT point)
{
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}
