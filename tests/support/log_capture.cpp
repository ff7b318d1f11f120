#include "support/log_capture.h"

#include <fstream>
#include <sstream>

#include "Core/vantile_log.h"

namespace {

std::string readAll(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

CLogCapture::CLogCapture() : m_strPath(m_Folder.path() + "/kovalog.txt")
{
    Vantile::CLog::Instance().Open(m_strPath);
    // Open writes what was queued before it; that belongs to no test.
    m_nStart = readAll(m_strPath).size();
}

std::string CLogCapture::text() const
{
    return readAll(m_strPath).substr(m_nStart);
}

bool CLogCapture::contains(const std::string& strLine) const
{
    return text().find(strLine) != std::string::npos;
}
