#include "system/win32.h"

HINSTANCE GetModuleHandleA(const char* moduleName)
{
    // Only the program itself is ever asked for; its handle just has to be
    // a stable non-null value.
    static int s_nProgram;
    return moduleName ? nullptr : reinterpret_cast<HINSTANCE>(&s_nProgram);
}
