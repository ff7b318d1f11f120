#include "main/instancelock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

const char* const LOCK_FILE = "/quellon.lock";

}  // namespace

CInstanceLock::~CInstanceLock()
{
    if (m_nFile >= 0)
        close(m_nFile);
}

// Unlike the folder's other files the lock file is never replaced: a copy
// that replaced it would lock a file of its own beside the first copy's.
// It is opened in place with the same refusals (no link followed, no wait
// on a FIFO, nothing but a plain file), and stays empty: only its lock
// matters.
CInstanceLock::Result CInstanceLock::take(const std::string& strFolder, std::string& strError)
{
    const std::string strPath = strFolder + LOCK_FILE;
    const int nFile = open(strPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    struct stat info {};
    if (nFile < 0 || fstat(nFile, &info) != 0 || !S_ISREG(info.st_mode)) {
        strError = "Cannot open [" + strPath + "]: " + (nFile < 0 ? strerror(errno) : "not a plain file");
        if (nFile >= 0)
            close(nFile);
        return Result::Unavailable;
    }
    if (flock(nFile, LOCK_EX | LOCK_NB) != 0) {
        const int nError = errno;
        close(nFile);
        if (nError == EWOULDBLOCK)
            return Result::Held;
        strError = "Cannot lock [" + strPath + "]: " + strerror(nError);
        return Result::Unavailable;
    }
    if (m_nFile >= 0)
        close(m_nFile);
    m_nFile = nFile;
    return Result::Taken;
}
