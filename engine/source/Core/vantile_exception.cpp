#include "Core/vantile_exception.h"

#include "Core/vantile_log.h"

namespace Vantile {

Exception::Exception(int nCode, const std::string& strDetails, const std::string& strFunc,
                     const std::string& strFile, int nLine)
    : m_nLine(nLine),
      m_nCode(nCode),
      m_strDetails(strDetails),
      m_strText(ComposeReport(nCode, strDetails, strFunc, strFile, nLine)),
      m_strFunc(strFunc),
      m_strFile(strFile)
{
    CLog::Instance().Write(LOG_INFO, m_strText);
}

Exception::Exception(const Exception& other)
    : m_nLine(other.m_nLine),
      m_nCode(other.m_nCode),
      m_strDetails(other.m_strDetails),
      m_strFunc(other.m_strFunc),
      m_strFile(other.m_strFile)
{
}

Exception& Exception::operator=(const Exception& other)
{
    m_nLine = other.m_nLine;
    m_nCode = other.m_nCode;
    m_strDetails = other.m_strDetails;
    m_strText.clear();
    m_strFunc = other.m_strFunc;
    m_strFile = other.m_strFile;
    return *this;
}

std::string Exception::ComposeReport(int nCode, const std::string& strDetails,
                                     const std::string& strFunc, const std::string& strFile,
                                     int nLine)
{
    std::string strText = "Exception!\n\n";
    strText += "Code: " + std::to_string(nCode);
    strText += "\nFunc: " + strFunc;
    strText += "\nDetails: " + strDetails + ". ";
    if (nLine > 0) {
        strText += "\nFile: " + strFile;
        strText += "\nLine: " + std::to_string(nLine);
    }
    return strText;
}

}  // namespace Vantile
