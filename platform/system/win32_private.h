// The window record behind an HWND and the links between the files of the
// services layer (window table, message queue, key table). Only
// platform/system includes this.
#pragma once

#include "system/win32.h"
#include "system/win32_sdl.h"

#include <SDL.h>

#include <string>

struct PlatformWindow {
    SDL_Window* m_pSdlWindow = nullptr;
    Uint32 m_nSdlId = 0;
    WNDPROC m_pfnProc = nullptr;
    UINT m_nClassStyle = 0;
    HCURSOR m_hClassCursor = nullptr;
    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;
    intptr_t m_nUserData = 0;
    // The client size the program asked for; the back buffer has this size
    // whatever the window manager or full screen make of the real window.
    int m_nLogicalWidth = 0;
    int m_nLogicalHeight = 0;
    bool m_bIconic = false;
};

// ---- window table (win32_window.cpp) ----------------------------------------

// The live window for an SDL window id; null when it is none of ours.
PlatformWindow* PlatformFindSdlWindow(Uint32 sdlId);
// The first live window: where SDL_QUIT and key events without a window go.
PlatformWindow* PlatformMainWindow();
// The live window whose SDL window covers a screen point; null for none.
PlatformWindow* PlatformWindowAt(int screenX, int screenY);

// ---- geometry (win32_geometry.cpp) --------------------------------------------

// The rectangle of a logicalW x logicalH picture scaled into an outer area
// with its aspect kept and centred.
RECT PlatformFitRect(int logicalW, int logicalH, int outerW, int outerH);
// Where the client area shows inside the SDL window, in window coordinates.
RECT PlatformClientArea(const PlatformWindow& window);
// A window coordinate mapped to client coordinates; outside the client
// area (in the bars of a letterboxed window) it lies outside 0..size.
POINT PlatformWindowToClient(const PlatformWindow& window, int x, int y);
// The screen point of the client's top-left corner. Screen coordinates
// near our windows are unscaled client units, as on the original, where
// full screen changed the display mode: then the cursor position and the
// client rectangle moved to the screen always agree.
POINT PlatformClientOrigin(const PlatformWindow& window);
// Makes the SDL window follow the style: WS_POPUP covers the desktop.
void PlatformApplyStyle(PlatformWindow& window);

// ---- message queue (win32_messages.cpp) ---------------------------------------

// A quit signal noted since the last look becomes the program's handler
// call and a WM_CLOSE for the main window (win32_signals.cpp).
void PlatformTakeQuitSignal();

// Appends a message from translated SDL input behind earlier ones.
void PlatformQueueInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Forgets queued messages of a window that is going away.
void PlatformDropMessages(HWND window);

// ---- SDL event translation (win32_events.cpp) ----------------------------------

void PlatformTranslateEvent(const SDL_Event& event);

// ---- keyboard (win32_keyboard.cpp, win32_keymap.cpp) ----------------------------

struct PlatformKey {
    UINT m_nVirtualKey;
    UINT m_nScanCode;
    bool m_bExtended;
};

// The virtual key of an SDL key (layout letters, US positions for the rest);
// a virtual key of 0 means the key has no meaning here.
PlatformKey PlatformKeyFromSdl(const SDL_Keysym& key);
// Keeps the key state in step with a key or button message the program
// takes from the queue.
void PlatformTrackKeyMessage(const MSG& msg);
// Takes the caps-lock toggle from SDL when the window gains focus, since
// presses made while another program had focus were never seen.
void PlatformSyncLockKeys();
