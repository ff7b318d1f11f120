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

TEST(AutoplayOptionsTest, ReadsTheMonkeysLineInAnyOrder)
{
    const SParsed monkey = parse({"--fixed-step", "--minutes", "2.5", "--seed", "4294967295", "--monkey"});
    ASSERT_TRUE(monkey.bOk) << monkey.strError;
    EXPECT_TRUE(monkey.options.bMonkey);
    EXPECT_FALSE(monkey.options.bEnabled);
    EXPECT_TRUE(monkey.options.headless());
    EXPECT_TRUE(monkey.options.bFixedStep);
    EXPECT_DOUBLE_EQ(monkey.options.dMinutes, 2.5);
    EXPECT_TRUE(monkey.options.bSeeded);
    EXPECT_EQ(monkey.options.nSeed, 4294967295u);
    EXPECT_EQ(monkey.options.strShots, "monkey");
    EXPECT_EQ(monkey.options.dataFolder(), "monkey/player/Quellon 1.0");

    const SParsed autoplay = parse({"--seed", "0", "--autoplay", "--fixed-step", "--levels", "2"});
    ASSERT_TRUE(autoplay.bOk) << autoplay.strError;
    EXPECT_TRUE(autoplay.options.bEnabled);
    EXPECT_TRUE(autoplay.options.bSeeded);
    EXPECT_EQ(autoplay.options.nSeed, 0u);
    EXPECT_EQ(autoplay.options.strShots, "autoplay");

    const SParsed unseeded = parse({"--autoplay"});
    EXPECT_FALSE(unseeded.options.bSeeded);
    EXPECT_FALSE(unseeded.options.bFixedStep);
}

TEST(AutoplayOptionsTest, HelpNeedsNoPlayerAndNamesEveryOption)
{
    for (const char* szHelp : {"--help", "-h"}) {
        const SParsed help = parse({szHelp});
        ASSERT_TRUE(help.bOk) << help.strError;
        EXPECT_TRUE(help.options.bHelp);
    }
    const std::string strUsage = SAutoplayOptions::usage();
    for (const char* szOption : {"--autoplay", "--levels", "--monkey", "--minutes", "--seed", "--fixed-step", "--shots"})
        EXPECT_NE(strUsage.find(szOption), std::string::npos) << szOption;
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
        {{"--levels", "2"}, "--levels needs --autoplay"},
        {{"game.dat"}, "unknown option"},
        {{"--monkey", "--levels", "2"}, "--levels needs --autoplay"},
        {{"--autoplay", "--minutes", "2"}, "--minutes needs --monkey"},
        {{"--autoplay", "--monkey"}, "choose one"},
        {{"--monkey", "--minutes", "0"}, "--minutes"},
        {{"--monkey", "--minutes", "-1"}, "--minutes"},
        {{"--monkey", "--minutes", "nan"}, "\"nan\""},
        {{"--monkey", "--minutes"}, "unknown option \"--minutes\""},
        {{"--monkey", "--seed", "-1"}, "--seed"},
        {{"--monkey", "--seed", "4294967296"}, "--seed"},
        {{"--monkey", "--seed", "7x"}, "\"7x\""},
        {{"--seed", "3"}, "--seed needs --autoplay or --monkey"},
        {{"--fixed-step"}, "--fixed-step needs --autoplay or --monkey"},
    };
    for (const Case& c : cases) {
        const SParsed parsed = parse(c.args);
        SCOPED_TRACE(c.args.back());
        EXPECT_FALSE(parsed.bOk);
        EXPECT_NE(parsed.strError.find(c.szSaid), std::string::npos) << parsed.strError;
    }
}

}  // namespace
