#include "Business/userfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "Core/vantile_log.h"
#include "system/fresh_file.h"

namespace {

void LogFailure(const char* szWhat, const std::string& strPath, int nError)
{
    Vantile::CLog::Instance().Write(Vantile::LOG_ERROR,
        Vantile::FormatString("%s [%s] failed: %s", szWhat, strPath.c_str(), strerror(nError)));
}

bool Exists(const std::string& strPath)
{
    struct stat info;
    return stat(strPath.c_str(), &info) == 0;
}

}  // namespace

CUserFile::CUserFile(const std::string& strPath) : m_strPath(strPath) {}

int CUserFile::Read(const std::string& strPath, std::string& strBytes)
{
    strBytes.clear();
    // Without O_NONBLOCK a FIFO under the name would block the open for
    // ever; only a plain file of sane size is read.
    int fd = open(strPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat info;
    int nError = fstat(fd, &info) != 0 ? errno : 0;
    if (nError == 0 && !S_ISREG(info.st_mode))
        nError = EINVAL;
    else if (nError == 0 && info.st_size > kMostBytes)
        nError = EFBIG;
    if (nError != 0) {
        close(fd);
        return nError;
    }
    char buffer[16384];
    ssize_t nRead;
    while ((nRead = read(fd, buffer, sizeof buffer)) != 0) {
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead < 0) {
            nError = errno;
            close(fd);
            return nError;
        }
        strBytes.append(buffer, static_cast<size_t>(nRead));
    }
    close(fd);
    return 0;
}

std::string CUserFile::ReadError(int nError)
{
    if (nError == EINVAL)
        return "not a plain file";
    if (nError == EFBIG)
        return "larger than any player's file";
    return strerror(nError);
}

bool CUserFile::WriteSynced(const std::string& strPath, const std::string& strBytes)
{
    int fd = PlatformCreateFresh(strPath.c_str());
    if (fd < 0) {
        LogFailure("Creating", strPath, errno);
        return false;
    }
    bool bWritten = WriteAll(fd, strPath, strBytes);
    // Without the flush a power loss after the rename can leave the new
    // name pointing at an empty file on some file systems.
    if (bWritten && fsync(fd) != 0) {
        LogFailure("Flushing", strPath, errno);
        bWritten = false;
    }
    if (close(fd) != 0 && bWritten) {
        LogFailure("Closing", strPath, errno);
        bWritten = false;
    }
    // A full disk must not leave a half-written temporary behind.
    if (!bWritten)
        unlink(strPath.c_str());
    return bWritten;
}

bool CUserFile::WriteAll(int fd, const std::string& strPath, const std::string& strBytes)
{
    size_t nDone = 0;
    while (nDone < strBytes.size()) {
        ssize_t nWritten = write(fd, strBytes.data() + nDone, strBytes.size() - nDone);
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten < 0) {
            LogFailure("Writing", strPath, errno);
            return false;
        }
        nDone += static_cast<size_t>(nWritten);
    }
    return true;
}

void CUserFile::SyncFolder(const std::string& strPath)
{
    size_t nSlash = strPath.find_last_of('/');
    std::string strFolder = nSlash == std::string::npos ? "." : strPath.substr(0, nSlash);
    int fd = open(strFolder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

bool CUserFile::replace(const std::string& strBytes)
{
    if (!writeTemp(strBytes))
        return false;
    if (keepBackup() && commit())
        return true;
    // A temporary left behind would only be written over by the next save;
    // nothing ever reads it.
    unlink(tempPath().c_str());
    return false;
}

bool CUserFile::writeTemp(const std::string& strBytes)
{
    return WriteSynced(tempPath(), strBytes);
}

bool CUserFile::keepBackup()
{
    std::string strOld;
    int nError = Read(m_strPath, strOld);
    if (nError == ENOENT)
        return true;
    // An old file we cannot read may be held by another program for a
    // moment; replacing it now could throw away progress we never saw.
    if (nError != 0) {
        LogFailure("Reading", m_strPath, nError);
        return false;
    }
    std::string strTemp = backupPath() + ".tmp";
    if (!WriteSynced(strTemp, strOld))
        return false;
    if (rename(strTemp.c_str(), backupPath().c_str()) != 0) {
        LogFailure("Renaming", strTemp, errno);
        unlink(strTemp.c_str());
        return false;
    }
    return true;
}

bool CUserFile::commit()
{
    if (rename(tempPath().c_str(), m_strPath.c_str()) != 0) {
        LogFailure("Renaming", tempPath(), errno);
        return false;
    }
    SyncFolder(m_strPath);
    return true;
}

int CUserFile::ProbeFolder(const std::string& strFolder)
{
    struct stat info;
    if (stat(strFolder.c_str(), &info) != 0)
        return errno;
    if (!S_ISDIR(info.st_mode))
        return ENOTDIR;
    // A name of this process's own, so nothing left under a fixed name
    // (a folder cannot be removed) can fail every start.
    const std::string strPath = strFolder + "/.write-test-" + std::to_string(getpid()) + ".tmp";
    int fd = PlatformCreateFresh(strPath.c_str());
    if (fd < 0)
        return errno;
    const std::string strBytes(4096, 'x');
    int nError = 0;
    if (write(fd, strBytes.data(), strBytes.size()) != ssize_t(strBytes.size()) || fsync(fd) != 0)
        nError = errno ? errno : ENOSPC;
    if (close(fd) != 0 && nError == 0)
        nError = errno;
    unlink(strPath.c_str());
    return nError;
}

std::string CUserFile::moveAside()
{
    std::string strAside = m_strPath + ".bad";
    for (int n = 1; Exists(strAside) && n < 1000; ++n)
        strAside = m_strPath + ".bad" + std::to_string(n);
    if (rename(m_strPath.c_str(), strAside.c_str()) != 0) {
        LogFailure("Moving aside", m_strPath, errno);
        return std::string();
    }
    return strAside;
}
