// A file in the per-user folder that holds the player's progress. It is
// replaced in steps so that a crash or power loss at any moment leaves
// either the old or the new contents under the file's name, never a
// truncated mix, and the previous version is kept beside it as ".bak".
#pragma once

#include <string>

class CUserFile {
public:
    explicit CUserFile(const std::string& strPath);

    const std::string& path() const { return m_strPath; }
    std::string tempPath() const { return m_strPath + ".tmp"; }
    std::string backupPath() const { return m_strPath + ".bak"; }

    // A player's file is far smaller; anything larger is not ours.
    static const long kMostBytes = 8L << 20;

    // Reads a whole plain file. Returns 0 or the errno of the failure
    // (ENOENT when the file does not exist, EINVAL for no plain file,
    // EFBIG past kMostBytes).
    static int Read(const std::string& strPath, std::string& strBytes);
    // The reason of a Read failure in words: EINVAL and EFBIG as above.
    static std::string ReadError(int nError);

    // replace() runs the three steps in order and stops at the first that
    // fails, removing the temporary; each failure is logged. The steps are
    // public so that tests can stop between them as a crash would. Every
    // file is made by PlatformCreateFresh.
    bool replace(const std::string& strBytes);
    bool writeTemp(const std::string& strBytes);  // written and flushed to disk
    bool keepBackup();                            // the current file copied to ".bak"
    bool commit();                                // the temporary renamed over the file

    // Creates, writes, flushes and removes a small file in the folder: 0 or
    // the errno of the step that failed. A plain file under the folder's
    // name, a read-only or a full disk all fail here, before any progress
    // is played.
    static int ProbeFolder(const std::string& strFolder);

    // Renames a damaged file to "<name>.bad" (".bad1", ".bad2", … when that
    // is taken) so the player still has it; returns the new path or "".
    std::string moveAside();

private:
    static bool WriteSynced(const std::string& strPath, const std::string& strBytes);
    static bool WriteAll(int fd, const std::string& strPath, const std::string& strBytes);
    static void SyncFolder(const std::string& strPath);

    std::string m_strPath;
};
