// The story script: panels read with their words, and every malformed line
// refused with the file and line named; every panel of the shipped script
// has a picture painter.
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "art_story.h"
#include "support/temp_folder.h"

namespace {

TEST(ArtStoryTest, PanelsReadWithTheirCaptionAndSpeech)
{
    CTempFolder folder;
    const std::string strPath = folder.write("story.txt",
                                             "# the cast\n"
                                             "panel a.png 100 50\n"
                                             "caption Once upon a tide.\n"
                                             "picture A wave.\n"
                                             "\n"
                                             "panel b.png 20 30\n"
                                             "say  Hello, sea!\n");
    const std::vector<Art::SStoryPanel> panels = Art::ReadStoryScript(strPath);
    ASSERT_EQ(2u, panels.size());
    EXPECT_EQ("a.png", panels[0].strName);
    EXPECT_EQ(100, panels[0].nWidth);
    EXPECT_EQ("Once upon a tide.", panels[0].strCaption);
    EXPECT_EQ("", panels[0].strSay);
    EXPECT_EQ("Hello, sea!", panels[1].strSay);
    EXPECT_EQ(30, panels[1].nHeight);
}

TEST(ArtStoryTest, MalformedLinesAreRefusedWithTheirLine)
{
    const char* cases[][2] = {
        {"caption Too early.\n", ":1:"},
        {"panel a.png 100\n", ":1:"},
        {"panel a.png 0 50\n", ":1:"},
        {"panel a.png 10 10\nnarrate Hm.\n", ":2:"},
    };
    for (const auto& c : cases) {
        CTempFolder folder;
        const std::string strPath = folder.write("story.txt", c[0]);
        try {
            Art::ReadStoryScript(strPath);
            ADD_FAILURE() << "accepted: " << c[0];
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string::npos, std::string(e.what()).find(strPath + c[1])) << e.what();
        }
    }
    EXPECT_THROW(Art::ReadStoryScript("/nonexistent/story.txt"), std::runtime_error);
}

TEST(ArtStoryTest, EveryShippedPanelHasAPainter)
{
    const std::vector<Art::SStoryPanel> panels =
        Art::ReadStoryScript(std::string(getenv("QUELLON_SOURCE_DIR")) + "/content/story/story.txt");
    EXPECT_EQ(26u, panels.size());
    for (const Art::SStoryPanel& panel : panels) {
        EXPECT_EQ(1u, Art::PanelPainters().count(panel.strName)) << panel.strName;
        EXPECT_FALSE(panel.strCaption.empty() && panel.strSay.empty()) << panel.strName << " has no words";
    }
}

}  // namespace
