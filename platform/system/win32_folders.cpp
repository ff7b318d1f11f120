// The executable's path, the per-user data home and folder creation.
#include "system/win32_private.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

DWORD ErrorOfErrno(int error)
{
    switch (error) {
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case EACCES:
    case EPERM:
    case EROFS: return ERROR_ACCESS_DENIED;
    default: return ERROR_PATH_NOT_FOUND;
    }
}

std::string HomeFolder()
{
    const char* home = getenv("HOME");
    if (home && home[0] == '/')
        return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

// XDG says a relative XDG_DATA_HOME is invalid and must be ignored.
std::string DataHome()
{
    const char* xdg = getenv("XDG_DATA_HOME");
    std::string path = (xdg && xdg[0] == '/') ? std::string(xdg) : HomeFolder() + "/.local/share";
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Like mkdir -p: every missing level, with the user's permissions.
bool MakeFolderChain(const std::string& path)
{
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0755);
    mkdir(path.c_str(), 0755);
    return IsFolder(path);
}

}  // namespace

DWORD GetModuleFileNameA(HINSTANCE module, char* buffer, DWORD size)
{
    if (!buffer || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        buffer[0] = '\0';
        return 0;
    }
    // A path cut short is still terminated, and says so by filling the
    // buffer, so a caller never splits a truncated path unknowingly.
    if (static_cast<DWORD>(length) >= size) {
        memcpy(buffer, path, size - 1);
        buffer[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    memcpy(buffer, path, length);
    buffer[length] = '\0';
    return static_cast<DWORD>(length);
}

HRESULT SHGetFolderPathA(HWND window, int folder, void* token, DWORD flags, char* path)
{
    if (!path || folder != CSIDL_PERSONAL)
        return E_FAIL;
    const std::string home = DataHome();
    if (home.empty() || home.size() >= MAX_PATH || !MakeFolderChain(home))
        return E_FAIL;
    memcpy(path, home.c_str(), home.size() + 1);
    return S_OK;
}

BOOL CreateDirectoryA(const char* path, void* security)
{
    if (!path || !path[0]) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    if (mkdir(path, 0755) != 0) {
        SetLastError(ErrorOfErrno(errno));
        return FALSE;
    }
    return TRUE;
}
