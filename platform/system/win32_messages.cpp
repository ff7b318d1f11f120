// The message queue. Messages posted by the program come before translated
// SDL input, and SDL's queue is only read when both are empty, so input is
// translated at the moment the program asks for it (as the key state and
// IsIconic must be current when a message is handled).
#include "system/win32_private.h"

#include <algorithm>
#include <deque>

namespace {

std::deque<MSG> g_posted;
std::deque<MSG> g_input;

bool Matches(const MSG& msg, HWND window, UINT filterMin, UINT filterMax)
{
    if (window && msg.hwnd != window)
        return false;
    if (filterMin == 0 && filterMax == 0)
        return true;
    return msg.message >= filterMin && msg.message <= filterMax;
}

bool TakeFrom(std::deque<MSG>& queue, MSG* msg, HWND window, UINT filterMin, UINT filterMax,
              UINT removeFlags)
{
    const auto found = std::find_if(queue.begin(), queue.end(), [&](const MSG& queued) {
        return Matches(queued, window, filterMin, filterMax);
    });
    if (found == queue.end())
        return false;
    *msg = *found;
    if (removeFlags & PM_REMOVE) {
        queue.erase(found);
        PlatformTrackKeyMessage(*msg);
    }
    return true;
}

void Append(std::deque<MSG>& queue, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    queue.push_back(MSG{window, message, wParam, lParam, static_cast<DWORD>(SDL_GetTicks())});
}

}  // namespace

void PlatformQueueInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Append(g_input, window, message, wParam, lParam);
}

void PlatformDropMessages(HWND window)
{
    for (std::deque<MSG>* queue : {&g_posted, &g_input})
        queue->erase(std::remove_if(queue->begin(), queue->end(),
                                    [window](const MSG& msg) { return msg.hwnd == window; }),
                     queue->end());
}

BOOL PeekMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    if (!msg)
        return FALSE;
    PlatformTakeQuitSignal();
    if (TakeFrom(g_posted, msg, window, filterMin, filterMax, removeFlags))
        return TRUE;
    if (TakeFrom(g_input, msg, window, filterMin, filterMax, removeFlags))
        return TRUE;
    if (!SDL_WasInit(SDL_INIT_EVENTS))
        return FALSE;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        PlatformTranslateEvent(event);
        if (TakeFrom(g_input, msg, window, filterMin, filterMax, removeFlags))
            return TRUE;
    }
    return FALSE;
}

// Characters are taken with ToAscii by whoever wants them, so no WM_CHAR is
// made here.
BOOL TranslateMessage(const MSG* msg)
{
    return msg && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP);
}

LRESULT DispatchMessageA(const MSG* msg)
{
    return msg ? SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam) : 0;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(window))
        return 0;
    return window->m_pfnProc(window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window && !IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    Append(g_posted, window, message, wParam, lParam);
    return TRUE;
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_SETCURSOR:
        // A class without a cursor leaves the cursor as it is.
        if (LOWORD(lParam) != HTCLIENT || !IsWindow(window) || !window->m_hClassCursor)
            return FALSE;
        SetCursor(window->m_hClassCursor);
        return TRUE;
    default:
        return 0;
    }
}
