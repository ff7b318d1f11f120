// One copy of the game per user folder: the first copy holds an
// advisory lock on "quellon.lock" there for its whole life, and a second
// copy started on the same folder learns so before it reads or writes
// anything of the first one's. The lock goes with the process, however it
// ends, so a crashed game leaves nothing that blocks the next start.
#pragma once

#include <string>

class CInstanceLock {
public:
    enum class Result {
        Taken,
        // Another process holds the folder.
        Held,
        // The lock file cannot be opened or locked (an unwritable folder,
        // a folder or a link planted under its name): the game goes on
        // without the guard, and strError says why.
        Unavailable,
    };

    CInstanceLock() = default;
    ~CInstanceLock();
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    Result take(const std::string& strFolder, std::string& strError);

private:
    int m_nFile = -1;
};
