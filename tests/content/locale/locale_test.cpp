// The shipped texts: every id the program asks for, in bytes the single-
// byte fonts can draw.
#include <gtest/gtest.h>

#include "Business/userfile.h"
#include "Business/xmllocale.h"

namespace {

const int kUsedIds[] = {10, 11, 17, 18, 25, 26, 27, 28, 29, 30, 35, 37, 38, 39, 40, 42, 43, 44,
                        45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61};

std::string shippedBytes()
{
    std::string strBytes;
    EXPECT_EQ(0, CUserFile::Read("game/locale.xml", strBytes));
    return strBytes;
}

TEST(ShippedLocaleTest, EveryTextTheProgramAsksForIsThere)
{
    const CXMLLocale locale(shippedBytes());
    for (int nId : kUsedIds) {
        SCOPED_TRACE(nId);
        EXPECT_TRUE(locale.hasText(nId));
        EXPECT_FALSE(locale.getText(nId).empty());
    }
    // The program writes the version straight after the title.
    EXPECT_EQ(' ', locale.getText(60).back());
    EXPECT_EQ("<New player>", locale.getText(25));
}

TEST(ShippedLocaleTest, TheBytesArePlainAsciiWithoutAByteOrderMark)
{
    const std::string strBytes = shippedBytes();
    ASSERT_FALSE(strBytes.empty());
    EXPECT_EQ('<', strBytes[0]);
    for (size_t i = 0; i < strBytes.size(); ++i) {
        const unsigned char c = strBytes[i];
        EXPECT_TRUE((c >= 0x20 && c < 0x7F) || c == '\n') << "byte " << i << " is " << int(c);
    }
}

}  // namespace
