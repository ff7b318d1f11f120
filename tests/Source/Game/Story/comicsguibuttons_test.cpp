// The story screen's buttons in the GUI fixture: the sheet replaces the
// menus, and only a press on "skip" counts as skipping while the click
// that ends on it is released.
#include "Game/Story/comicsguibuttons.h"

#include <CEGUI/GUIContext.h>
#include <CEGUI/System.h>

#include "Game/Story/comicsscreen.h"
#include "Game/Story/storypages.h"
#include "gui/System/guidriver.h"
#include "../Hud/hud_gui_fixture.h"

namespace {

class ComicsGuiButtonsTest : public HudGuiScene {};

TEST_F(ComicsGuiButtonsTest, OnlyAPressOnSkipEndsTheStory)
{
    CComicsScreen screen(std::make_unique<CComicsGuiButtons>(), false);
    screen.addSet(*StorySetOf(24));
    m_pDriver->frame(GuiFixture::BACKGROUND);
    ASSERT_NE(nullptr, CEGUI::System::getSingleton().getDefaultGUIContext().getRootWindow());

    // "Next" (405, 552) and the page itself only turn the page.
    for (int x : {455, 200}) {
        m_pDriver->moveMouse(x, 564);
        m_pDriver->pressLeft();
        EXPECT_TRUE(screen.revealNext()) << x;
        m_pDriver->releaseLeft();
    }
    m_pDriver->moveMouse(340, 564);
    m_pDriver->pressLeft();
    EXPECT_FALSE(screen.revealNext()) << "held on skip (290, 552)";
    m_pDriver->releaseLeft();
    EXPECT_TRUE(screen.isVisible(2));
    EXPECT_FALSE(screen.isVisible(3)) << "skipping turns no page";
}

}  // namespace
