#include "Core/vantile_log.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "system/fresh_file.h"
#include "system/win32.h"

namespace Vantile {

namespace {

const char* LevelTag(LogLevel level)
{
    switch (level) {
    case LOG_ERROR:
        return " [ERROR] ";
    case LOG_INFO:
        return " [INFO] ";
    case LOG_SUCCESS:
        return " [SUCCESS] ";
    }
    return " [INFO] ";
}

std::string LocalTimeText()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    char szTime[64];
    if (!GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, "HH:mm:ss", szTime, sizeof(szTime)))
        return "00:00:00";
    return szTime;
}

}  // namespace

std::string FormatString(const char* format, ...)
{
    char szBuffer[1024];
    va_list args;
    va_start(args, format);
    int nLength = vsnprintf(szBuffer, sizeof(szBuffer), format, args);
    va_end(args);
    if (nLength < 0)
        return std::string();
    return szBuffer;
}

CLog& CLog::Instance()
{
    static CLog log;
    return log;
}

CLog::~CLog()
{
    if (m_pFile)
        fclose(m_pFile);
}

bool CLog::Open(const std::string& strPath)
{
    if (m_pFile)
        fclose(m_pFile);
    m_pFile = nullptr;
    m_bOpened = true;
    m_pFile = PlatformCreateFreshStream(strPath.c_str());
    // The log is where failures are told, so its own goes to stderr; the
    // game goes on and drops what it would have logged.
    if (!m_pFile) {
        fprintf(stderr, "quellon: cannot write the log [%s]: %s; going on without it\n", strPath.c_str(),
                strerror(errno));
        m_Pending.clear();
        return false;
    }
    for (const LogEntry& entry : m_Pending)
        WriteLine(entry.level, entry.text);
    m_Pending.clear();
    return true;
}

void CLog::Close()
{
    if (m_pFile)
        fclose(m_pFile);
    m_pFile = nullptr;
    m_bOpened = false;
    m_Pending.clear();
}

void CLog::Write(LogLevel level, const std::string& strText)
{
    if (!m_bOpened) {
        m_Pending.push_back({level, strText});
        return;
    }
    // After an Open that could not create the file there is nowhere to
    // write; such lines are dropped.
    if (m_pFile)
        WriteLine(level, strText);
}

std::string CLog::FormatLine(const std::string& strTime, LogLevel level, const std::string& strText)
{
    return strTime + " " + LevelTag(level) + strText + "\n";
}

void CLog::WriteLine(LogLevel level, const std::string& strText)
{
    const std::string strLine = FormatLine(LocalTimeText(), level, strText);
    fwrite(strLine.data(), 1, strLine.size(), m_pFile);
    fflush(m_pFile);
}

}  // namespace Vantile
