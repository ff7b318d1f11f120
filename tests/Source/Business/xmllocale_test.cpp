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
        "<item value=\"no id\" />"
        "<item id=\"12\" />"
        "<item id=\"60\" value=\"\xCE\x4B &amp; \xE9t\xE9 \" />"
        "<other id=\"70\" value=\"ignored\" />"
        "</root>");
    EXPECT_EQ("second", locale.getText(30));
    EXPECT_EQ("not a number", locale.getText(0));
    EXPECT_EQ("", locale.getText(12));
    EXPECT_TRUE(locale.hasText(12));
    EXPECT_EQ("\xCE\x4B & \xE9t\xE9 ", locale.getText(60));
    EXPECT_FALSE(locale.hasText(70));
    EXPECT_EQ("#70", locale.getText(70));
    EXPECT_EQ(&locale, CXMLLocale::Instance());
}

TEST(XMLLocaleTest, AFileWithoutRootGivesAnEmptyTable)
{
    for (const char* szFile : {"<items><item id=\"1\" value=\"x\" /></items>", "", "<root><item"}) {
        SCOPED_TRACE(szFile);
        CXMLLocale locale(szFile);
        EXPECT_FALSE(locale.hasText(1));
        EXPECT_EQ("#1", locale.getText(1));
    }
}

}  // namespace
