#include "Business/xmllocale.h"

#include <climits>

#include <tinyxml.h>

#include "Business/xmlwrapper.h"
#include "Core/vantile_log.h"
#include "Core/vantile_number.h"

namespace {
CXMLLocale* g_pLocale = nullptr;
}

CXMLLocale::CXMLLocale(const std::string& strBytes)
{
    KXmlWrapper xml;
    if (!xml.parse(strBytes)) {
        Vantile::CLog::Instance().Write(Vantile::LOG_ERROR,
            "locale.xml refused (" + xml.error() + "); no texts loaded");
    } else if (!xml.select("root")) {
        Vantile::CLog::Instance().Write(Vantile::LOG_ERROR, "locale.xml has no root element; no texts loaded");
    } else {
        for (const TiXmlElement* pItem = xml.current()->FirstChildElement("item"); pItem;
             pItem = pItem->NextSiblingElement("item"))
            readItem(*pItem);
    }
    g_pLocale = this;
}

void CXMLLocale::readItem(const TiXmlElement& item)
{
    const char* szId = item.Attribute("id");
    const char* szValue = item.Attribute("value");
    if (!szId)
        return;
    // "abc" or "4294967297" would otherwise land on some other text's id.
    int nId = 0;
    if (!Vantile::ParseInteger(szId, 0, INT_MAX, nId)) {
        Vantile::CLog::Instance().Write(Vantile::LOG_ERROR,
            Vantile::FormatString("locale.xml: item id [%s] is not a whole number from 0 to %d; skipped", szId, INT_MAX));
        return;
    }
    m_Texts[nId] = szValue ? szValue : "";
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
