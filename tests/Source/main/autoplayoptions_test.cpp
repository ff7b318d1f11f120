#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/autoplay/autoplayoptions.h"

namespace {

struct SParsed {
    bool bOk;
    SAutoplayOptions options;
    std::string strError;
};

SParsed parse(std::vector<std::string> args)
{
    args.insert(args.begin(), "quellon");
    std::vector<char*> argv;
    for (std::string& strArg : args)
        argv.push_back(strArg.data());
    SParsed parsed;
    parsed.bOk = parsed.options.parse(int(argv.size()), argv.data(), parsed.strError);
    return parsed;
}

TEST(AutoplayOptionsTest, ReadsThePlayersLineAndLeavesThePlainStartAlone)
{
    const SParsed plain = parse({});
    EXPECT_TRUE(plain.bOk);
    EXPECT_FALSE(plain.options.bEnabled);

    const SParsed full = parse({"--autoplay", "--levels", "3", "--shots", "out/pics"});
    ASSERT_TRUE(full.bOk) << full.strError;
    EXPECT_TRUE(full.options.bEnabled);
    EXPECT_EQ(full.options.nLevels, 3);
    EXPECT_EQ(full.options.strShots, "out/pics");
    EXPECT_EQ(full.options.playerFolder(), "out/pics/player");

    const SParsed defaults = parse({"--autoplay"});
    ASSERT_TRUE(defaults.bOk);
    EXPECT_EQ(defaults.options.nLevels, 1);
    EXPECT_FALSE(defaults.options.strShots.empty());
}

TEST(AutoplayOptionsTest, RefusesWhatItDoesNotUnderstandWithTheReason)
{
    struct Case {
        std::vector<std::string> args;
        const char* szSaid;
    };
    const Case cases[] = {
        {{"--autoplay", "--levels", "0"}, "--levels"},
        {{"--autoplay", "--levels", "-2"}, "--levels"},
        {{"--autoplay", "--levels", "3x"}, "\"3x\""},
        {{"--autoplay", "--levels", "100000"}, "--levels"},
        {{"--autoplay", "--levels"}, "unknown option \"--levels\""},
        {{"--autoplay", "--shots"}, "unknown option \"--shots\""},
        {{"--autoplay", "--shots", ""}, "unknown option \"--shots\""},
        {{"--autoplay", "--fast"}, "unknown option \"--fast\""},
        {{"--levels", "2"}, "need --autoplay"},
        {{"game.dat"}, "unknown option"},
    };
    for (const Case& c : cases) {
        const SParsed parsed = parse(c.args);
        SCOPED_TRACE(c.args.back());
        EXPECT_FALSE(parsed.bOk);
        EXPECT_NE(parsed.strError.find(c.szSaid), std::string::npos) << parsed.strError;
    }
}

}  // namespace
