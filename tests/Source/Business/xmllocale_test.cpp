#include "Business/xmllocale.h"

#include <gtest/gtest.h>

namespace {

TEST(XMLLocaleTest, LooksUpTextsAsTheFileDefinesThem)
{
    CXMLLocale locale(
        "<root>"
        "<item id=\"30\" value=\"first\" />"
        "<item id=\"30\" value=\"second\" />"
        "<item id=\"abc\" value=\"not a number\" />"
        "<item id=\"2147483648\" value=\"past int\" />"
        "<item id=\"4294967297\" value=\"wraps to 1\" />"
        "<item id=\"-1\" value=\"negative\" />"
        "<item id=\"1\" value=\"one\" />"
        "<item value=\"no id\" />"
        "<item id=\"12\" />"
        "<item id=\"60\" value=\"\xCE\x4B &amp; \xE9t\xE9 \" />"
        "<other id=\"70\" value=\"ignored\" />"
        "</root>");
    EXPECT_EQ("second", locale.getText(30));
    EXPECT_FALSE(locale.hasText(0));
    EXPECT_FALSE(locale.hasText(-1));
    EXPECT_EQ("one", locale.getText(1));
    EXPECT_EQ("", locale.getText(12));
    EXPECT_TRUE(locale.hasText(12));
    EXPECT_EQ("\xCE\x4B & \xE9t\xE9 ", locale.getText(60));
    EXPECT_FALSE(locale.hasText(70));
    EXPECT_EQ("#70", locale.getText(70));
    EXPECT_EQ(&locale, CXMLLocale::Instance());
}

TEST(XMLLocaleTest, AFileWithoutRootGivesAnEmptyTable)
{
    // Nested past the limit, the whole file is refused before parsing.
    std::string strDeep = "<root><item id=\"1\" value=\"x\" />";
    for (int i = 0; i < 40000; ++i)
        strDeep += "<a>";
    for (const std::string& strFile : {std::string("<items><item id=\"1\" value=\"x\" /></items>"), std::string(),
                                      std::string("<root><item"), strDeep}) {
        SCOPED_TRACE(strFile.substr(0, 60));
        CXMLLocale locale(strFile);
        EXPECT_FALSE(locale.hasText(1));
        EXPECT_EQ("#1", locale.getText(1));
    }
}

}  // namespace
