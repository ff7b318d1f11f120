#include "Core/vantile_xml.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <climits>

#include "Core/vantile_number.h"
#include "support/xml_shapes.h"

namespace {

// The shapes that cost the parser its stack or quadratic time are refused
// before it runs, and the reason says which limit.
TEST(XmlLimits, DeepOrWideOrLargeTextsAreRefusedWithTheReason)
{
    const Vantile::XmlLimits limits;
    const std::pair<std::string, const char*> cases[] = {
        {RepeatText("<a>", 40000), "elements nest deeper than 256 levels"},
        {RepeatText("<a>", 257) + RepeatText("</a>", 257), "elements nest deeper than 256 levels"},
        {"<a" + ManyAttributes(100000) + "/>", "an element has more than 256 attributes"},
        {"<a" + ManyAttributes(257) + "/>", "an element has more than 256 attributes"},
        {"<a>" + std::string(limits.nMaxBytes, ' ') + "</a>", "larger than 8388608 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.second);
        TiXmlDocument document;
        EXPECT_EQ(c.second, Vantile::ParseXml(c.first, document));
        EXPECT_EQ(nullptr, document.RootElement());
    }
}

TEST(XmlLimits, TextsAtTheLimitsAndMarkupInsideQuotesOrCommentsParse)
{
    const std::string texts[] = {
        RepeatText("<a>", 256) + RepeatText("</a>", 256),
        "<a" + ManyAttributes(256) + "/>",
        // Siblings and closed elements do not add depth.
        "<r>" + RepeatText("<a/><b></b>", 5000) + "</r>",
        // Quoted ">" and "/" and markup in comments or CDATA are no tags.
        "<r x=\">/<a>\" y='<b>'>" + RepeatText("<!-- <a> -->", 300) + "<![CDATA[" + RepeatText("<a>", 300) + "]]></r>",
        "\xEF\xBB\xBF<?xml version=\"1.0\"?><r/>",
    };
    for (const std::string& strText : texts) {
        SCOPED_TRACE(strText.substr(0, 60));
        TiXmlDocument document;
        EXPECT_EQ("", Vantile::ParseXml(strText, document));
        EXPECT_NE(nullptr, document.RootElement());
    }
}

TEST(XmlLimits, ParserErrorsAndEmptyTextsGiveTheirReason)
{
    TiXmlDocument document;
    EXPECT_NE(std::string::npos, Vantile::ParseXml("<a><b></a>", document).find("line 1"));
    EXPECT_NE("", Vantile::ParseXml("", document));
    EXPECT_EQ("no element", Vantile::ParseXml("<!-- only a comment -->", document));
}

TEST(NumberParsing, IntegersFillTheirTextAndTheirRange)
{
    const std::pair<const char*, bool> cases[] = {
        {"0", true},   {"-5", true},     {"+7", true},          {"2147483647", true}, {"2147483648", false},
        {"1e9", false}, {"1.9", false},  {"5abc", false},       {" 5", false},        {"", false},
        {"0x10", false}, {"-2147483649", false}, {"4294967297", false}, {"99999999999999999999", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        int nValue = 42;
        EXPECT_EQ(c.second, Vantile::ParseInteger(c.first, INT_MIN, INT_MAX, nValue));
        if (!c.second) {
            EXPECT_EQ(42, nValue) << "a refused text leaves the value";
        }
    }
    int nValue = 0;
    EXPECT_FALSE(Vantile::ParseInteger("11", 0, 10, nValue));
    EXPECT_FALSE(Vantile::ParseInteger(nullptr, 0, 10, nValue));
}

TEST(NumberParsing, FloatsAreFiniteInRangeAndNeverRoundToZero)
{
    const std::pair<const char*, bool> cases[] = {
        {"25", true},     {"0.5", true},  {"1e-3", true}, {"0", true},        {"1E-64", false},
        {"nan", false},   {"inf", false}, {"1e39", false}, {"2.5x", false},   {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        float fValue = 0;
        EXPECT_EQ(c.second, Vantile::ParseFloat(c.first, 0.0f, 1.0e6f, fValue));
    }
}

}  // namespace
