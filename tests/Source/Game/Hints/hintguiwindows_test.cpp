// The hints' GUI pieces on the GUI fixture: the chooser's OK button, a
// hover hint's text window on the current sheet, and text drawn in the
// GUI's default font.
#include "Game/Hints/hintguiwindows.h"

#include <CEGUI/GUIContext.h>
#include <CEGUI/System.h>
#include <CEGUI/Window.h>

#include "Game/Context/gameevents.h"
#include "gui/System/guidriver.h"
#include "../Hud/hud_gui_fixture.h"

namespace {

class HintGuiWindowsTest : public HudGuiScene {
protected:
    void TearDown() override
    {
        CHintManager::Instance().setGroup(CHintManager::NO_GROUP);
        CHintManager::Instance().setTextWindowMaker(nullptr);
        SetTextPainter(nullptr);
        drainEvents();
        HudGuiScene::TearDown();
    }
};

TEST_F(HintGuiWindowsTest, ChooserOkPostsTheChoiceAndHintTextJoinsItsSheet)
{
    CGuiTextPainter painter;
    UseGuiForHints(painter);
    {
        CChooserGuiWindows* pWindows = new CChooserGuiWindows;
        CPowerupChooseDialog chooser{std::unique_ptr<IChooserWindows>(pWindows)};
        chooser.show();
        CHintManager::Instance().setGroup(CPowerupChooseDialog::HINT_GROUP);
        // The checked item's hint is up; after two thirds of a second its
        // text joins the sheet.
        for (int i = 0; i < 45; ++i) {
            CHintManager::Instance().update(1.0f / 60.0f, D3DXVECTOR3(0.0f, -280.0f, 0.0f));
            m_pDriver->frame(GuiFixture::BACKGROUND, [] { CHintManager::Instance().render(); });
        }
        CEGUI::Window* pSheet = CEGUI::System::getSingleton().getDefaultGUIContext().getRootWindow();
        EXPECT_EQ(pSheet->getChildCount(), 2u) << "the OK button's holder and the hint's text";
        m_pDriver->click(400, 434);
        EXPECT_EQ(drainEvents(), std::vector<int>({eEventChooserDone}));
    }
}

// Text in the default font lands inside its rectangle and nowhere else.
TEST_F(HintGuiWindowsTest, PainterDrawsWrappedTextInsideItsRectangle)
{
    CGuiTextPainter painter;
    SPixelRect rect;
    rect.fLeft = 200.0f;
    rect.fTop = 200.0f;
    rect.fRight = 400.0f;
    rect.fBottom = 300.0f;
    m_pDriver->frame(GuiFixture::BACKGROUND, [&] {
        painter.drawWrapped("Swap two neighbouring fish to line up three of a kind", rect, 1.0f, 0xFFFFFFFF, true);
    });
    UINT nWidth = 0;
    const std::vector<uint8_t> rgba = m_Device.ReadRgba(&nWidth);
    ASSERT_FALSE(rgba.empty());
    int nInside = 0, nOutside = 0;
    for (int y = 150; y < 350; ++y)
        for (int x = 150; x < 450; ++x) {
            const uint8_t* p = &rgba[(size_t(y) * nWidth + size_t(x)) * 4];
            const bool bLit = p[0] > 200 && p[1] > 200 && p[2] > 200;
            const bool bInRect = x >= 200 && x < 400 && y >= 200 && y < 300;
            (bInRect ? nInside : nOutside) += bLit ? 1 : 0;
        }
    EXPECT_GT(nInside, 50);
    EXPECT_EQ(nOutside, 0);
}

}  // namespace
