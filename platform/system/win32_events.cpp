// SDL events become the messages a window of the original system gets:
// window state, mouse in client coordinates, keys with virtual-key codes.
#include "system/win32_private.h"

namespace {

PlatformWindow* TargetWindow(Uint32 sdlId)
{
    PlatformWindow* window = PlatformFindSdlWindow(sdlId);
    return window ? window : PlatformMainWindow();
}

LPARAM ClientSize(const PlatformWindow& window)
{
    return MAKELPARAM(window.m_nLogicalWidth, window.m_nLogicalHeight);
}

void TranslateWindowEvent(const SDL_WindowEvent& event)
{
    PlatformWindow* window = PlatformFindSdlWindow(event.windowID);
    if (!window)
        return;
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
        PlatformQueueInput(window, WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        PlatformSyncLockKeys();
        PlatformQueueInput(window, WM_ACTIVATE, WA_ACTIVE, 0);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        PlatformQueueInput(window, WM_ACTIVATE, WA_INACTIVE, 0);
        break;
    case SDL_WINDOWEVENT_MOVED:
        PlatformQueueInput(window, WM_MOVE, 0, MAKELPARAM(event.data1, event.data2));
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        if (!window->m_bIconic)
            PlatformQueueInput(window, WM_SIZE, SIZE_RESTORED, ClientSize(*window));
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        window->m_bIconic = true;
        PlatformQueueInput(window, WM_SIZE, SIZE_MINIMIZED, 0);
        break;
    case SDL_WINDOWEVENT_RESTORED:
        // Also sent when a maximised window is restored; only leaving the
        // minimised state is news here, sizes come as SIZE_CHANGED.
        if (window->m_bIconic) {
            window->m_bIconic = false;
            PlatformQueueInput(window, WM_SIZE, SIZE_RESTORED, ClientSize(*window));
        }
        break;
    default:
        break;
    }
}

WPARAM MouseKeys(Uint32 buttons)
{
    const SDL_Keymod mod = SDL_GetModState();
    WPARAM keys = 0;
    keys |= (buttons & SDL_BUTTON_LMASK) ? MK_LBUTTON : 0;
    keys |= (buttons & SDL_BUTTON_RMASK) ? MK_RBUTTON : 0;
    keys |= (mod & KMOD_SHIFT) ? MK_SHIFT : 0;
    keys |= (mod & KMOD_CTRL) ? MK_CONTROL : 0;
    return keys;
}

LONG Clamp(LONG value, LONG low, LONG high)
{
    return value < low ? low : (value > high ? high : value);
}

// Clamped to the client, so the bars of a letterboxed window act as its
// edge: a drag that leaves the picture still ends at its border.
LPARAM ClientPoint(const PlatformWindow& window, int x, int y)
{
    const POINT client = PlatformWindowToClient(window, x, y);
    return MAKELPARAM(Clamp(client.x, 0, window.m_nLogicalWidth - 1),
                      Clamp(client.y, 0, window.m_nLogicalHeight - 1));
}

void TranslateMotion(const SDL_MouseMotionEvent& event)
{
    PlatformWindow* window = PlatformFindSdlWindow(event.windowID);
    if (!window)
        return;
    PlatformQueueInput(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    PlatformQueueInput(window, WM_MOUSEMOVE, MouseKeys(event.state),
                       ClientPoint(*window, event.x, event.y));
}

// Every second click of a series is a double click, as the original counts
// them (down, up, double click, up, down, ...).
UINT ButtonMessage(const PlatformWindow& window, const SDL_MouseButtonEvent& event)
{
    const bool down = event.type == SDL_MOUSEBUTTONDOWN;
    if (event.button == SDL_BUTTON_RIGHT)
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    if (event.button != SDL_BUTTON_LEFT)
        return 0;
    if (!down)
        return WM_LBUTTONUP;
    const bool doubleClick = (window.m_nClassStyle & CS_DBLCLKS) && event.clicks >= 2 &&
                             event.clicks % 2 == 0;
    return doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
}

void TranslateButton(const SDL_MouseButtonEvent& event)
{
    PlatformWindow* window = PlatformFindSdlWindow(event.windowID);
    const UINT message = window ? ButtonMessage(*window, event) : 0;
    if (message)
        PlatformQueueInput(window, message, MouseKeys(SDL_GetMouseState(nullptr, nullptr)),
                           ClientPoint(*window, event.x, event.y));
}

// Repeat count 1, the scan code, the extended flag, and for a release the
// previous-state and transition bits.
LPARAM KeyFlags(const PlatformKey& key, const SDL_KeyboardEvent& event)
{
    DWORD flags = 1 | ((key.m_nScanCode & 0xff) << 16);
    if (key.m_bExtended)
        flags |= 1u << 24;
    if (event.type == SDL_KEYUP)
        flags |= (1u << 30) | (1u << 31);
    else if (event.repeat)
        flags |= 1u << 30;
    return static_cast<LPARAM>(flags);
}

void TranslateKey(const SDL_KeyboardEvent& event)
{
    const PlatformKey key = PlatformKeyFromSdl(event.keysym);
    PlatformWindow* window = TargetWindow(event.windowID);
    if (!key.m_nVirtualKey || !window)
        return;
    PlatformQueueInput(window, event.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP,
                       key.m_nVirtualKey, KeyFlags(key, event));
}

}  // namespace

void PlatformTranslateEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(event.window);
        break;
    case SDL_MOUSEMOTION:
        TranslateMotion(event.motion);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        TranslateButton(event.button);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        TranslateKey(event.key);
        break;
    case SDL_QUIT:
        if (PlatformWindow* window = PlatformMainWindow())
            PlatformQueueInput(window, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

namespace {

void PushWindowEvent(HWND window, Uint8 kind)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = window->m_nSdlId;
    event.window.event = kind;
    event.window.timestamp = SDL_GetTicks();
    SDL_PushEvent(&event);
}

}  // namespace

// A window manager takes the focus away from a window it minimises and
// gives it back when it restores it.
void PlatformMinimizeWindow(HWND window)
{
    if (!IsWindow(window))
        return;
    PushWindowEvent(window, SDL_WINDOWEVENT_FOCUS_LOST);
    PushWindowEvent(window, SDL_WINDOWEVENT_MINIMIZED);
}

void PlatformRestoreWindow(HWND window)
{
    if (!IsWindow(window))
        return;
    PushWindowEvent(window, SDL_WINDOWEVENT_RESTORED);
    PushWindowEvent(window, SDL_WINDOWEVENT_FOCUS_GAINED);
}
