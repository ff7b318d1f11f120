#include "Business/xmlwrapper.h"

#include <gtest/gtest.h>

#include <tinyxml.h>

namespace {

TEST(XmlWrapperTest, SelectFollowsElementPaths)
{
    KXmlWrapper xml;
    ASSERT_TRUE(xml.parse("<root><a><b id=\"1\" /></a><a><b id=\"2\" /></a></root>"));
    struct Case {
        const char* szPath;
        const char* szId;  // the id of the b reached, "" for another element, null for none
    };
    for (const Case& c : {Case{"root/a/b", "1"}, Case{"root\\a\\b", "1"}, Case{"/a/b", "1"},
                          Case{"\\a", ""}, Case{"root", ""}, Case{"a/b", nullptr},
                          Case{"root/b", nullptr}, Case{"/root", nullptr}}) {
        SCOPED_TRACE(c.szPath);
        bool bFound = xml.select(c.szPath);
        EXPECT_EQ(c.szId != nullptr, bFound);
        if (!c.szId) {
            EXPECT_EQ(nullptr, xml.current());
            continue;
        }
        ASSERT_NE(nullptr, xml.current());
        const char* szId = xml.current()->ToElement()->Attribute("id");
        EXPECT_STREQ(c.szId, szId ? szId : "");
    }
}

TEST(XmlWrapperTest, ParseReportsBrokenDocuments)
{
    KXmlWrapper xml;
    EXPECT_FALSE(xml.parse("<root><a></root>"));
    EXPECT_TRUE(xml.parse("<root>\xCE</root>"));
}

}  // namespace
