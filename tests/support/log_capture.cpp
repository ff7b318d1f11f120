#include "support/log_capture.h"

#include "Core/vantile_log.h"

CLogCapture::CLogCapture() : m_strPath(m_Folder.path() + "/kovalog.txt")
{
    Vantile::CLog::Instance().Open(m_strPath);
    // Open writes what was queued before it; that belongs to no test.
    m_nStart = ReadFileText(m_strPath).size();
}

std::string CLogCapture::text() const
{
    return ReadFileText(m_strPath).substr(m_nStart);
}

bool CLogCapture::contains(const std::string& strLine) const
{
    return text().find(strLine) != std::string::npos;
}
