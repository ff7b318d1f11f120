#include "Business/xmllocale.h"

#include <cstdlib>

#include <tinyxml.h>

#include "Business/xmlwrapper.h"
#include "Core/vantile_log.h"

namespace {
CXMLLocale* g_pLocale = nullptr;
}

CXMLLocale::CXMLLocale(const std::string& strBytes)
{
    KXmlWrapper xml;
    if (!xml.parse(strBytes) || !xml.select("root")) {
        Vantile::CLog::Instance().Write(Vantile::LOG_ERROR, "locale.xml has no root element; no texts loaded");
    } else {
        for (const TiXmlElement* pItem = xml.current()->FirstChildElement("item"); pItem;
             pItem = pItem->NextSiblingElement("item")) {
            const char* szId = pItem->Attribute("id");
            const char* szValue = pItem->Attribute("value");
            if (szId)
                m_Texts[atoi(szId)] = szValue ? szValue : "";
        }
    }
    g_pLocale = this;
}

CXMLLocale::~CXMLLocale()
{
    if (g_pLocale == this)
        g_pLocale = nullptr;
}

CXMLLocale* CXMLLocale::Instance()
{
    return g_pLocale;
}

bool CXMLLocale::hasText(int nId) const
{
    return m_Texts.count(nId) != 0;
}

std::string CXMLLocale::getText(int nId) const
{
    auto it = m_Texts.find(nId);
    return it != m_Texts.end() ? it->second : "#" + std::to_string(nId);
}
