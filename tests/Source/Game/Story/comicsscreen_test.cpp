// The story screen without a device: which pages are out after each
// click, how the spreads fade, skipping, the layout keys, and the
// partner's logo countdown.
#include "Game/Story/comicsscreen.h"

#include <gtest/gtest.h>

#include <vector>

#include "Game/Context/gamecontext.h"
#include "Game/Context/gameevents.h"
#include "Game/Story/presplash.h"
#include "Game/Story/storypages.h"
#include "support/log_capture.h"
#include "system/win32.h"

namespace {

class CFakeButtons : public IComicsButtons {
public:
    explicit CFakeButtons(bool* pSkipPushed) : m_pSkipPushed(pSkipPushed) {}
    void showSheet() override { ++nShown; }
    bool isSkipPushed() const override { return *m_pSkipPushed; }
    int nShown = 0;

private:
    bool* m_pSkipPushed;
};

std::vector<bool> visiblePages(const CComicsScreen& screen)
{
    std::vector<bool> visible;
    for (size_t i = 0; i < screen.pageCount(); ++i)
        visible.push_back(screen.isVisible(i));
    return visible;
}

void clearEvents()
{
    while (CGameContext::Instance().eventCount() > 0)
        CGameContext::Instance().popEvent();
}

TEST(ComicsScreenTest, FirstLevelShowsOnePagePerClickAndTheSecondSpreadReplacesTheFirst)
{
    CComicsScreen screen(nullptr, false);
    screen.addSet(*StorySetOf(0));
    ASSERT_EQ(8u, screen.pageCount());
    EXPECT_EQ(std::vector<bool>({true, false, false, false, false, false, false, false}), visiblePages(screen));
    for (int nClick = 1; nClick <= 3; ++nClick)
        ASSERT_TRUE(screen.revealNext()) << "click " << nClick;
    for (size_t i = 0; i < 4; ++i)
        EXPECT_TRUE(screen.isFadingIn(i)) << "the first spread stays while it is incomplete";
    ASSERT_TRUE(screen.revealNext());
    for (size_t i = 0; i < 4; ++i)
        EXPECT_FALSE(screen.isFadingIn(i)) << "page " << i << " fades out as the fifth comes";
    EXPECT_TRUE(screen.isFadingIn(4));
    for (int nClick = 5; nClick <= 7; ++nClick)
        ASSERT_TRUE(screen.revealNext()) << "click " << nClick;
    EXPECT_EQ(std::vector<bool>(8, true), visiblePages(screen));
    EXPECT_FALSE(screen.revealNext()) << "the click after the last page ends the story";
    EXPECT_FALSE(screen.revealNext());
}

TEST(ComicsScreenTest, PagesFadeInAndOutInOneSecondAndDrawInKeyOrder)
{
    CComicsScreen screen(nullptr, false);
    screen.addSet(*StorySetOf(0));
    EXPECT_EQ(std::vector<size_t>({0, 1, 2, 3, 7, 5, 6, 4}), screen.drawingOrder());
    screen.update(0.5f);
    EXPECT_FLOAT_EQ(0.5f, screen.alpha(0));
    EXPECT_FLOAT_EQ(0.0f, screen.alpha(1)) << "hidden pages wait";
    screen.update(0.75f);
    EXPECT_FLOAT_EQ(1.0f, screen.alpha(0)) << "held at full";
    for (int i = 0; i < 4; ++i)
        screen.revealNext();
    screen.update(0.25f);
    EXPECT_FLOAT_EQ(0.75f, screen.alpha(0));
    EXPECT_FLOAT_EQ(0.25f, screen.alpha(4));
    screen.update(2.0f);
    EXPECT_FLOAT_EQ(0.0f, screen.alpha(0));
    EXPECT_TRUE(screen.isVisible(0)) << "a faded page stays out, at nothing";
}

TEST(ComicsScreenTest, TheSkipButtonEndsTheStoryWithoutTurningAPage)
{
    bool bSkipPushed = false;
    CFakeButtons* pButtons = new CFakeButtons(&bSkipPushed);
    CComicsScreen screen(std::unique_ptr<IComicsButtons>(pButtons), false);
    EXPECT_EQ(1, pButtons->nShown) << "the screen's sheet replaces the menus";
    screen.addSet(*StorySetOf(14));
    ASSERT_TRUE(screen.revealNext());
    bSkipPushed = true;
    EXPECT_FALSE(screen.revealNext());
    EXPECT_EQ(std::vector<bool>({true, true, false, false, false}), visiblePages(screen));
}

TEST(ComicsScreenTest, EverySetHasItsPagesAndOnlyTheStoryLevelsHaveOne)
{
    struct Case {
        int nLevel;
        size_t nPages;
    } cases[] = {{0, 8}, {14, 5}, {24, 5}, {49, 5}};
    for (const Case& c : cases) {
        ASSERT_NE(nullptr, StorySetOf(c.nLevel)) << c.nLevel;
        EXPECT_EQ(c.nPages, StorySetOf(c.nLevel)->pages.size()) << c.nLevel;
    }
    EXPECT_EQ(3u, FinalStorySet().pages.size());
    for (int nLevel : {-1, 1, 13, 15, 48, 50})
        EXPECT_EQ(nullptr, StorySetOf(nLevel)) << nLevel;
}

TEST(ComicsScreenTest, DigitKeysPickAPageAndLogItsPlaceArrowsMoveIt)
{
    CComicsScreen screen(nullptr, false);
    screen.addSet(*StorySetOf(14));
    screen.onKey(VK_LEFT);
    EXPECT_FLOAT_EQ(-372.0f, screen.position(0).x) << "no page picked yet";
    CLogCapture log;
    screen.onKey('5');
    EXPECT_TRUE(log.contains("ID[4] vpos[126.000000,96.000000,0.000000]")) << log.text();
    screen.onKey(VK_LEFT);
    screen.onKey(VK_UP);
    screen.onKey(VK_UP);
    EXPECT_FLOAT_EQ(125.0f, screen.position(4).x);
    EXPECT_FLOAT_EQ(98.0f, screen.position(4).y);

    CComicsScreen finalScreen(nullptr, false);
    finalScreen.addSet(FinalStorySet());
    CLogCapture none;
    finalScreen.onKey('4');
    EXPECT_EQ(std::string::npos, none.text().find("ID[")) << "the final set has three pages";
}

TEST(PreSplashTest, TheLogoAsksForLoadingOnceAfterThreeSeconds)
{
    clearEvents();
    CPreSplash logo(false);
    for (int i = 0; i < 29; ++i)
        logo.update(0.1f);
    EXPECT_FALSE(logo.isDone());
    EXPECT_EQ(0u, CGameContext::Instance().eventCount());
    logo.update(0.1f);
    logo.update(0.1f);
    logo.update(0.1f);
    EXPECT_TRUE(logo.isDone());
    ASSERT_EQ(1u, CGameContext::Instance().eventCount()) << "one request, however long the logo stays";
    GameEvent event;
    ASSERT_TRUE(CGameContext::Instance().peekEvent(event));
    EXPECT_EQ(eEventLogoDone, event.nCode);
    clearEvents();
}

}  // namespace
