// The engine's one log file. Messages written before Open are held and
// written by Open; after Open every line is flushed at once so the file is
// complete even if the process dies.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace Vantile {

enum LogLevel {
    LOG_ERROR = 0,
    LOG_INFO = 1,
    LOG_SUCCESS = 2,
};

// printf-style formatting into a string. Results longer than 1023
// characters are cut there.
std::string FormatString(const char* format, ...) __attribute__((format(printf, 1, 2)));

class CLog {
public:
    static CLog& Instance();

    // A new file (PlatformCreateFresh) with the pending entries; else false, told on stderr.
    bool Open(const std::string& strPath);
    // Ends the file and drops anything held: later messages are held again
    // until the next Open.
    void Close();
    void Write(LogLevel level, const std::string& strText);

    // The text of one line as Write puts it in the file, for the given
    // "HH:mm:ss" time.
    static std::string FormatLine(const std::string& strTime, LogLevel level,
                                  const std::string& strText);

    ~CLog();

private:
    struct LogEntry {
        LogLevel level;
        std::string text;
    };

    CLog() = default;
    CLog(const CLog&) = delete;
    CLog& operator=(const CLog&) = delete;

    void WriteLine(LogLevel level, const std::string& strText);

    FILE* m_pFile = nullptr;
    bool m_bOpened = false;
    std::vector<LogEntry> m_Pending;
};

}  // namespace Vantile
