#include "Business/xmlwrapper.h"

#include <tinyxml.h>

#include "Core/vantile_xml.h"

KXmlWrapper::KXmlWrapper() : m_pDocument(std::make_unique<TiXmlDocument>()) {}

KXmlWrapper::~KXmlWrapper() = default;

bool KXmlWrapper::parse(const std::string& strBytes)
{
    m_strError = Vantile::ParseXml(strBytes, *m_pDocument);
    m_pCurrent = m_pDocument.get();
    return m_strError.empty();
}

bool KXmlWrapper::select(const std::string& strPath)
{
    size_t nPos = 0;
    m_pCurrent = m_pDocument.get();
    if (!strPath.empty() && (strPath[0] == '/' || strPath[0] == '\\')) {
        m_pCurrent = m_pDocument->FirstChildElement();
        nPos = 1;
    }
    while (m_pCurrent && nPos < strPath.size()) {
        size_t nEnd = strPath.find_first_of("/\\", nPos);
        if (nEnd == std::string::npos)
            nEnd = strPath.size();
        if (nEnd > nPos)
            m_pCurrent = m_pCurrent->FirstChildElement(strPath.substr(nPos, nEnd - nPos).c_str());
        nPos = nEnd + 1;
    }
    return m_pCurrent != nullptr;
}
