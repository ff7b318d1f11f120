#include "support/xml_shapes.h"

std::string RepeatText(const std::string& strPart, int nTimes)
{
    std::string strText;
    for (int i = 0; i < nTimes; ++i)
        strText += strPart;
    return strText;
}

std::string ManyAttributes(int nCount)
{
    std::string strText;
    for (int i = 0; i < nCount; ++i)
        strText += " a" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
    return strText;
}
