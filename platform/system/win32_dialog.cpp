// Message boxes. The line on stderr is written first and always, so a
// headless run or a run whose dialog cannot open still reports.
#include "system/win32_private.h"

#include <cstdio>
#include <cstring>

namespace {

bool HasRealDisplay()
{
    if (!PlatformInitVideo())
        return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && strcmp(driver, "offscreen") != 0 && strcmp(driver, "dummy") != 0;
}

Uint32 SdlBoxFlags(UINT type)
{
    switch (type & 0xf0) {
    case MB_ICONERROR: return SDL_MESSAGEBOX_ERROR;
    case MB_ICONWARNING: return SDL_MESSAGEBOX_WARNING;
    default: return SDL_MESSAGEBOX_INFORMATION;
    }
}

}  // namespace

int MessageBoxA(HWND window, const char* text, const char* caption, UINT type)
{
    text = text ? text : "";
    caption = caption ? caption : "";
    fprintf(stderr, "%s: %s\n", caption, text);
    fflush(stderr);
    if (HasRealDisplay())
        SDL_ShowSimpleMessageBox(SdlBoxFlags(type), caption, text, PlatformSdlWindow(window));
    return IDOK;
}
