#include "Resources/vantile_ifl.h"

#include <gtest/gtest.h>

using namespace Vantile;

namespace {

struct IflCase {
    const char* pszText;
    float fFPS;
    std::vector<std::string> frames;
};

TEST(IflTest, ReadsRateAndFramesInOrder)
{
    const std::vector<IflCase> cases = {
        {"#25\nray_0000.dds\nray_0001.dds", 25.0f, {"ray_0000.dds", "ray_0001.dds"}},
        {"a.dds\tb.dds\r\n\r\nc.dds \n", 10.0f, {"a.dds", "b.dds", "c.dds"}},
        {"  \n #  12.5\n x.dds", 12.5f, {"x.dds"}},
        {"#30", 30.0f, {}},
        {"", 10.0f, {}},
        {"first.dds #5 second.dds", 10.0f, {"first.dds", "#5", "second.dds"}},
        // Rates that would stop or break every clock keep the default.
        {"#0\na.dds", 10.0f, {"a.dds"}},
        {"#-4 a.dds", 10.0f, {"a.dds"}},
        {"#inf a.dds", 10.0f, {"a.dds"}},
        {"#nan a.dds", 10.0f, {"a.dds"}},
        {"#fast a.dds", 10.0f, {"a.dds"}},
        {"#\na.dds", 10.0f, {"a.dds"}},
        {"#1E-64 a.dds", 10.0f, {"a.dds"}},
        {"#1e7 a.dds", 10.0f, {"a.dds"}},
    };
    for (const IflCase& test : cases) {
        const IflList list = ParseIfl(test.pszText, strlen(test.pszText));
        EXPECT_FLOAT_EQ(list.fFPS, test.fFPS) << test.pszText;
        EXPECT_EQ(list.frames, test.frames) << test.pszText;
    }
}

TEST(IflTest, StopsAtTheEndOfTheBytesAndSplitsAtNul)
{
    const char acText[] = {'#', '8', ' ', 'a', '.', 'd', 'd', 's', '\0', 'b', ' ', 'c', 'u', 't'};
    const IflList list = ParseIfl(acText, sizeof(acText) - 2);
    EXPECT_FLOAT_EQ(list.fFPS, 8.0f);
    EXPECT_EQ(list.frames, (std::vector<std::string>{"a.dds", "b", "c"}));
}

TEST(IflTest, AnyNameContainingTheExtensionIsAList)
{
    EXPECT_TRUE(IsIflName("cursor.ifl"));
    EXPECT_TRUE(IsIflName("seaurchin_move_0000.ifl.bak"));
    EXPECT_FALSE(IsIflName("cursor.IFL"));
    EXPECT_FALSE(IsIflName("cursor.dds"));
}

}  // namespace
