#include "Game/Items/itemtype.h"

#include <gtest/gtest.h>

namespace {

struct CodeCase {
    const char* szCode;
    int nType;
    bool bFirst;
    bool bSecond;
};

TEST(ItemTypeTest, LevelCodesDecodeToTypesAndFlags)
{
    const CodeCase cases[] = {
        {"00", 0, false, false},  {"0A", 10, false, false}, {"0a", 10, false, false},
        {"10", 11, false, false}, {"15", 16, false, false}, {"0B", 0, false, false},
        {"0F", 0, false, false},  {"16", 0, false, false},  {"81", 1, true, false},
        {"93", 14, true, false},  {"C1", 1, true, true},    {"C5", 5, true, true},
        {"C0", 0, true, true},    {"41", 0, false, false},  {"40", 0, false, false},
        {"FF", 0, true, true},    {"8A", 10, true, false},  {"G1", 0, false, false},
        // A lone last character of a "types" text is read with the NUL.
        {"3", 3, false, false},   {"", 0, false, false},
    };
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.szCode);
        bool bFirst = true, bSecond = true;
        EXPECT_EQ(c.nType, itemTypeFromCode(c.szCode, bFirst, bSecond));
        EXPECT_EQ(c.bFirst, bFirst);
        EXPECT_EQ(c.bSecond, bSecond);
    }
}

TEST(ItemTypeTest, CodesOfTypesRoundTripAndOtherValuesGive30)
{
    for (int nType = 0; nType <= eTimeFreeze; ++nType) {
        SCOPED_TRACE(nType);
        bool bFirst, bSecond;
        EXPECT_EQ(nType, itemTypeFromCode(codeText(codeFromItemType(nType)).c_str(), bFirst, bSecond));
    }
    EXPECT_EQ("0a", codeText(codeFromItemType(10)));
    EXPECT_EQ("15", codeText(codeFromItemType(eTimeFreeze)));
    EXPECT_EQ("30", codeText(codeFromItemType(17)));
    EXPECT_EQ("30", codeText(codeFromItemType(-1)));
}

TEST(ItemTypeTest, OrdinaryAndSpecialRanges)
{
    for (int nType = -1; nType <= 17; ++nType) {
        SCOPED_TRACE(nType);
        EXPECT_EQ(nType >= 1 && nType <= 10, isOrdinaryType(nType));
        EXPECT_EQ(nType >= 11 && nType <= 16, isSpecialType(nType));
    }
}

TEST(ItemTypeTest, ColourTextsReadAsHexadecimalWithOrWithoutPrefix)
{
    const std::pair<const char*, uint32_t> cases[] = {
        {"FF102030", 0xFF102030u}, {"0xFF102030", 0xFF102030u}, {"0XffA0b0c0", 0xFFA0B0C0u},
        {"80", 0x80u},             {"zz", 0u},                   {"", 0u},
        {"12zz", 0x12u},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(c.second, parseHexColor(c.first));
    }
}

}  // namespace
