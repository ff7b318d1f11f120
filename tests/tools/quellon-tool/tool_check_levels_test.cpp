// quellon-tool check-levels, run as a level author would run it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>

#include "support/temp_folder.h"

namespace {

TEST(ToolCheckLevelsTest, EveryFaultIsALineAndTheStatusIsOne)
{
    CTempFolder temp;
    temp.write("game/init.lua", "checkAniData()\n");
    temp.write("game/game.gam", "<root><level name=\"Reef\" file=\"reef.xml\" field=\"f\" scene=\"s\" fogcolor=\"0\"/>"
                                "<minigame level=\"7\" x=\"2\" y=\"2\" fish=\"0\"/></root>");
    const std::string strErr = temp.path() + "/err";
    const int nRaw = system(("./quellon-tool check-levels " + temp.path() + "/game/ >/dev/null 2>" + strErr).c_str());
    std::ifstream err(strErr);
    const std::string strText((std::istreambuf_iterator<char>(err)), std::istreambuf_iterator<char>());
    ASSERT_TRUE(WIFEXITED(nRaw));
    EXPECT_EQ(1, WEXITSTATUS(nRaw));
    EXPECT_NE(std::string::npos, strText.find("quellon-tool: reef.xml: Failed to get file [reef.xml]")) << strText;
    EXPECT_NE(std::string::npos, strText.find("quellon-tool: game.gam minigame before level 7: the level index names"))
        << strText;
    // The script gives no trunk data either: every fault is reported, each
    // on a line of its own.
    EXPECT_NE(std::string::npos, strText.find("quellon-tool: init.lua: type 13 is used by a level but has no colour"));
    for (size_t nLine = 0; nLine < strText.size(); nLine = strText.find('\n', nLine) + 1)
        EXPECT_EQ(0u, strText.compare(nLine, 14, "quellon-tool: ")) << strText.substr(nLine);
}

}  // namespace
