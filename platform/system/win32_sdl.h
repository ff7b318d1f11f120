// What the device layer needs to know about a window made by
// CreateWindowExA: the SDL window to make its context on, and how the
// logical back buffer maps onto the drawable. Only platform/ includes this.
#pragma once

#include "system/win32.h"

struct SDL_Window;

// Starts SDL's video, timer and event parts on first use. False when no
// display can be opened; PlatformLastError() then says why. The window
// calls it itself; the device layer may call it earlier to set OpenGL
// attributes, which SDL reads when CreateWindowExA makes the window.
bool PlatformInitVideo();

// SDL falls back to its offscreen driver when no display answers, and the
// game would then run with no window and no word. True when video runs on a
// real display or on a headless driver asked for by name (SDL_VIDEODRIVER);
// otherwise false with PlatformLastError() set.
bool PlatformVideoHasDisplay();

// From the start of video on, a broken connection to the X server ends
// the process with status 1 after the handler given to
// PlatformOnDisplayLost, instead of hanging in the exit handlers.
void PlatformWatchDisplay();

// The SDL window behind a window handle; null for a handle that is not a
// live window.
SDL_Window* PlatformSdlWindow(HWND window);

// True while the window covers the desktop (made with WS_POPUP).
bool PlatformIsFullScreen(HWND window);

// The client size the window was asked for (the back-buffer size), which
// stays the same in full screen even though the drawable is the desktop.
void PlatformLogicalSize(HWND window, int* width, int* height);

// The viewport, in drawable pixels, that shows the logical back buffer in a
// drawable of the given size with its aspect kept and the rest left as
// bars. A window whose drawable keeps the logical aspect (a window of the
// size asked for, also on a high-density display) gets the whole drawable;
// a window the window manager has resized gets bars like full screen.
void PlatformLetterbox(HWND window, int drawableW, int drawableH, RECT* out);
