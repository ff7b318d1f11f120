// Real CEGUI windows on the offscreen device, driven by injected input as a
// player would drive them.
#include <CEGUI/CEGUI.h>

#include "gui/Framework/basedialogwindow.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Framework/windowstack.h"
#include "gui/System/guidriver.h"
#include "../gui_test_scene.h"

namespace {

// A dialog with nothing of its own: OK at (100, 100), Cancel at (300, 100).
class CPlainDialog : public CBaseDialogWindow {
public:
    void create() override
    {
        CBaseDialogWindow::create();
        placeInPixels(m_pOk, 100.0f, 100.0f, 99.0f, 46.0f);
        placeInPixels(m_pCancel, 300.0f, 100.0f, 99.0f, 46.0f);
    }
};

class CountingHandler {
public:
    bool onEvent(const CEGUI::EventArgs&)
    {
        ++m_nCount;
        return true;
    }
    int m_nCount = 0;
};

class GuiDriven : public GuiScene {
protected:
    void SetUp() override
    {
        GuiScene::SetUp();
        start();
    }
    void TearDown() override
    {
        m_Dialog.reset();
        GuiScene::TearDown();
    }
    CPlainDialog& showDialog()
    {
        m_Dialog = std::make_unique<CPlainDialog>();
        m_Dialog->create();
        m_Dialog->show();
        return *m_Dialog;
    }

    std::unique_ptr<CPlainDialog> m_Dialog;
};

TEST_F(GuiDriven, ImageButtonShowsItsHoverImageUnderTheMouse)
{
    showDialog();
    frame();
    EXPECT_TRUE(ColourNear(pixel(150, 120), GuiFixture::RED));
    EXPECT_TRUE(ColourNear(pixel(350, 120), GuiFixture::BLUE));
    EXPECT_TRUE(ColourNear(pixel(50, 50), GuiFixture::BACKGROUND));
    m_pDriver->moveMouse(150, 120);
    frame();
    EXPECT_TRUE(ColourNear(pixel(150, 120), GuiFixture::GREEN));
    EXPECT_TRUE(ColourNear(pixel(350, 120), GuiFixture::BLUE));
}

}  // namespace
