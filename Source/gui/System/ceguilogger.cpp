#include "gui/System/ceguilogger.h"

#include <cerrno>
#include <cstring>
#include <ctime>

#include "Core/vantile_log.h"
#include "system/fresh_file.h"

namespace Vantile {

namespace {

const char* LevelTag(CEGUI::LoggingLevel level)
{
    switch (level) {
    case CEGUI::Errors: return "(Error)";
    case CEGUI::Warnings: return "(Warn) ";
    case CEGUI::Standard: return "(Std)  ";
    case CEGUI::Informative: return "(Info) ";
    case CEGUI::Insane: return "(Insan)";
    }
    return "(Std)  ";
}

// "dd/mm/yyyy hh:mm:ss (Std)   text", as CEGUI's own log reads.
std::string FormatLine(CEGUI::LoggingLevel level, const std::string& strText)
{
    const time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    char szTime[32];
    strftime(szTime, sizeof szTime, "%d/%m/%Y %H:%M:%S", &local);
    return std::string(szTime) + " " + LevelTag(level) + " " + strText + "\n";
}

}  // namespace

CCEGUILogger::CCEGUILogger(const std::string& strPath)
{
    open(strPath);
}

CCEGUILogger::~CCEGUILogger()
{
    if (m_pFile)
        fclose(m_pFile);
}

void CCEGUILogger::open(const std::string& strPath)
{
    if (m_pFile)
        fclose(m_pFile);
    m_pFile = PlatformCreateFreshStream(strPath.c_str());
    if (!m_pFile)
        CLog::Instance().Write(LOG_ERROR, FormatString("Cannot write the GUI log [%s]: %s; going on without it",
                                                       strPath.c_str(), strerror(errno)));
}

void CCEGUILogger::setLogFilename(const CEGUI::String& filename, bool)
{
    open(filename.c_str());
}

// Flushed line by line, as the game's own log, so a crash keeps the last.
void CCEGUILogger::logEvent(const CEGUI::String& message, CEGUI::LoggingLevel level)
{
    if (!m_pFile || level > d_level)
        return;
    const std::string strLine = FormatLine(level, message.c_str());
    fwrite(strLine.data(), 1, strLine.size(), m_pFile);
    fflush(m_pFile);
}

}  // namespace Vantile
