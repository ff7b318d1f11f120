// Clocks and local time. The counter and the tick count come from SDL so
// they share SDL's monotonic source; local time comes from the C library.
#include "system/win32.h"

#include <SDL.h>

#include <cstring>
#include <ctime>
#include <optional>
#include <string>

namespace {

// Copied rather than pointed to, so a test may build the override in a
// temporary.
std::optional<PlatformClockOverride> g_clockOverride;

bool ValidTime(const SYSTEMTIME& time)
{
    return time.wHour < 24 && time.wMinute < 60 && time.wSecond < 60 &&
           time.wMilliseconds < 1000;
}

// Appends one field of two digits, or the single character of a picture we
// do not understand; returns the number of characters the picture used.
int AppendPicture(const char* picture, const SYSTEMTIME& time, std::string* out)
{
    int value = -1;
    if (picture[0] == picture[1]) {
        switch (picture[0]) {
        case 'H': value = time.wHour; break;
        case 'm': value = time.wMinute; break;
        case 's': value = time.wSecond; break;
        default: break;
        }
    }
    if (value < 0) {
        out->push_back(picture[0]);
        return 1;
    }
    out->push_back(static_cast<char>('0' + value / 10));
    out->push_back(static_cast<char>('0' + value % 10));
    return 2;
}

}  // namespace

BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency)
{
    if (!frequency)
        return FALSE;
    frequency->QuadPart = g_clockOverride ? g_clockOverride->frequency
                                          : static_cast<LONGLONG>(SDL_GetPerformanceFrequency());
    return frequency->QuadPart != 0;
}

BOOL QueryPerformanceCounter(LARGE_INTEGER* counter)
{
    if (!counter)
        return FALSE;
    counter->QuadPart = g_clockOverride ? g_clockOverride->counter
                                        : static_cast<LONGLONG>(SDL_GetPerformanceCounter());
    return TRUE;
}

DWORD GetTickCount()
{
    if (g_clockOverride)
        return g_clockOverride->ticks;
    // SDL_GetTicks64 keeps counting past 49.7 days; truncating gives the
    // wrap the callers were written for.
    return static_cast<DWORD>(SDL_GetTicks64());
}

void Sleep(DWORD milliseconds)
{
    SDL_Delay(milliseconds);
}

void PlatformSetClockOverride(const PlatformClockOverride* clock)
{
    if (clock)
        g_clockOverride = *clock;
    else
        g_clockOverride.reset();
}

void GetLocalTime(SYSTEMTIME* time)
{
    if (!time)
        return;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    time->wYear = static_cast<WORD>(local.tm_year + 1900);
    time->wMonth = static_cast<WORD>(local.tm_mon + 1);
    time->wDayOfWeek = static_cast<WORD>(local.tm_wday);
    time->wDay = static_cast<WORD>(local.tm_mday);
    time->wHour = static_cast<WORD>(local.tm_hour);
    time->wMinute = static_cast<WORD>(local.tm_min);
    time->wSecond = static_cast<WORD>(local.tm_sec);
    time->wMilliseconds = static_cast<WORD>(now.tv_nsec / 1000000);
}

int GetTimeFormatA(DWORD locale, DWORD flags, const SYSTEMTIME* time, const char* picture,
                   char* buffer, int size)
{
    SYSTEMTIME now{};
    if (!time) {
        GetLocalTime(&now);
        time = &now;
    }
    if (!picture)
        picture = "HH:mm:ss";
    if (!ValidTime(*time) || size < 0 || (size > 0 && !buffer)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string text;
    for (const char* p = picture; *p;)
        p += AppendPicture(p, *time, &text);
    const int written = static_cast<int>(text.size());
    if (size == 0)
        return written + 1;
    if (written + 1 > size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    memcpy(buffer, text.data(), written);
    buffer[written] = '\0';
    return written + 1;
}
