#include "Core/vantile_xml.h"

#include <cstring>

#include <tinyxml.h>

#include "Core/vantile_log.h"

namespace Vantile {

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

// Walks the markup the way the parser will meet it, counting open
// elements and the attributes of each start tag. Comments, CDATA,
// declarations and quoted values are skipped whole so that a "<" inside
// them counts for nothing.
class CXmlMeasure {
public:
    CXmlMeasure(const std::string& strText, const XmlLimits& limits) : m_strText(strText), m_Limits(limits) {}

    std::string run()
    {
        while (m_strReason.empty() && (m_nPos = m_strText.find('<', m_nPos)) != std::string::npos)
            markup();
        return m_strReason;
    }

private:
    bool startsWith(const char* szPrefix) const { return m_strText.compare(m_nPos, strlen(szPrefix), szPrefix) == 0; }

    void skipPast(const char* szEnd)
    {
        const size_t nEnd = m_strText.find(szEnd, m_nPos);
        m_nPos = nEnd == std::string::npos ? m_strText.size() : nEnd + strlen(szEnd);
    }

    void markup()
    {
        if (startsWith("<!--"))
            skipPast("-->");
        else if (startsWith("<![CDATA["))
            skipPast("]]>");
        else if (startsWith("<?"))
            skipPast("?>");
        else if (startsWith("<!"))
            skipPast(">");
        else if (startsWith("</")) {
            m_nDepth = m_nDepth > 0 ? m_nDepth - 1 : 0;
            skipPast(">");
        } else
            startTag();
    }

    void startTag()
    {
        int nAttributes = 0;
        bool bClosed = false;
        ++m_nPos;
        while (m_nPos < m_strText.size() && m_strText[m_nPos] != '>') {
            const char ch = m_strText[m_nPos++];
            if (ch == '=') {
                ++nAttributes;
                skipValue();
            }
            bClosed = ch == '/';
        }
        ++m_nPos;
        if (nAttributes > m_Limits.nMaxAttributes)
            m_strReason = FormatString("an element has more than %d attributes", m_Limits.nMaxAttributes);
        else if (!bClosed && ++m_nDepth > m_Limits.nMaxDepth)
            m_strReason = FormatString("elements nest deeper than %d levels", m_Limits.nMaxDepth);
    }

    // A quoted value may hold ">" or "/"; the parser reads it to its
    // closing quote.
    void skipValue()
    {
        while (m_nPos < m_strText.size() && isspace(static_cast<unsigned char>(m_strText[m_nPos])))
            ++m_nPos;
        if (m_nPos >= m_strText.size() || (m_strText[m_nPos] != '"' && m_strText[m_nPos] != '\''))
            return;
        const size_t nEnd = m_strText.find(m_strText[m_nPos], m_nPos + 1);
        m_nPos = nEnd == std::string::npos ? m_strText.size() : nEnd + 1;
    }

    const std::string& m_strText;
    const XmlLimits& m_Limits;
    size_t m_nPos = 0;
    int m_nDepth = 0;
    std::string m_strReason;
};

}  // namespace

std::string MeasureXml(const std::string& strBytes, const XmlLimits& limits)
{
    if (strBytes.size() > limits.nMaxBytes)
        return FormatString("larger than %zu bytes", limits.nMaxBytes);
    return CXmlMeasure(strBytes, limits).run();
}

std::string ParseXml(const std::string& strBytes, TiXmlDocument& document, const XmlLimits& limits)
{
    document.Clear();
    std::string strReason = MeasureXml(strBytes, limits);
    if (!strReason.empty())
        return strReason;
    // Editors save UTF-8 text with a mark the legacy encoding would read as
    // three stray characters before the first element.
    const size_t nSkip = strBytes.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
    document.Parse(strBytes.c_str() + nSkip, nullptr, TIXML_ENCODING_LEGACY);
    if (document.Error())
        return FormatString("%s (line %d, column %d)", document.ErrorDesc(), document.ErrorRow(),
                            document.ErrorCol());
    if (!document.RootElement())
        return "no element";
    return std::string();
}

}  // namespace Vantile
