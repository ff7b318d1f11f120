#include "system/fresh_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// O_EXCL makes the file ours and new: it fails on anything under the name,
// a link or a FIFO included, instead of opening it. O_NONBLOCK and the check
// after the open guard a file system that does not keep O_EXCL (old NFS).
int OpenNew(const char* path)
{
    return open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
}

// The descriptor, now in blocking mode, when it is a plain file with no
// other name; -1 (closed) otherwise.
int KeepPlainFile(int file)
{
    struct stat info;
    int error = fstat(file, &info) != 0 ? errno : 0;
    if (error == 0 && (!S_ISREG(info.st_mode) || info.st_nlink != 1))
        error = EINVAL;
    const int flags = error == 0 ? fcntl(file, F_GETFL) : -1;
    if (error == 0 && (flags < 0 || fcntl(file, F_SETFL, flags & ~O_NONBLOCK) != 0))
        error = errno;
    if (error == 0)
        return file;
    close(file);
    errno = error;
    return -1;
}

}  // namespace

int PlatformCreateFresh(const char* path)
{
    int file = OpenNew(path);
    // unlink refuses a folder with EISDIR, which is then the answer.
    if (file < 0 && errno == EEXIST && unlink(path) == 0)
        file = OpenNew(path);
    return file < 0 ? -1 : KeepPlainFile(file);
}

FILE* PlatformCreateFreshStream(const char* path)
{
    const int file = PlatformCreateFresh(path);
    FILE* stream = file < 0 ? nullptr : fdopen(file, "wb");
    if (file >= 0 && !stream) {
        const int error = errno;
        close(file);
        errno = error;
    }
    return stream;
}
