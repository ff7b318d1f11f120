// Error codes and texts of the last failed call. Both are per thread, as
// callers read them right after the call that set them.
#include "system/win32.h"

#include <string>

namespace {

thread_local DWORD t_lastError = ERROR_SUCCESS;
thread_local std::string t_lastErrorText;

}  // namespace

DWORD GetLastError()
{
    return t_lastError;
}

void SetLastError(DWORD error)
{
    t_lastError = error;
}

const char* PlatformLastError()
{
    return t_lastErrorText.c_str();
}

void PlatformSetLastError(const char* text)
{
    t_lastErrorText = text ? text : "";
}
