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

TEST_F(GuiDriven, AClickFiresOnceAndADoubleClickClosesTheDialogOnce)
{
    // A window below the dialog, which a second close would wrongly take.
    CPlainDialog below;
    below.create();
    below.show();
    CPlainDialog& dialog = showDialog();
    m_pDriver->runDeferredCalls();
    ASSERT_EQ(CWindowStack::instance().current(), &dialog);
    CountingHandler oks;
    dialog.subscribeEvent(GuiEvent::OnOk, CEGUI::Event::Subscriber(&CountingHandler::onEvent, &oks));
    frame();
    m_pDriver->doubleClick(150, 120);
    EXPECT_EQ(oks.m_nCount, 1);
    EXPECT_EQ(m_pDriver->runDeferredCalls(), 1u);
    EXPECT_EQ(CWindowStack::instance().current(), &below);
    m_pDriver->click(150, 120);
    EXPECT_EQ(oks.m_nCount, 1) << "the closed dialog no longer takes clicks";
}

TEST_F(GuiDriven, ATextBoxTakesTypedCharactersAndDrawsItsCaret)
{
    CPlainDialog& dialog = showDialog();
    CEGUI::Window* pBox = createGuiWindow(GuiWidget::TextBox);
    placeInPixels(pBox, 100.0f, 300.0f, 202.0f, 44.0f);
    pBox->setFont(STYLO_FONT);
    dialog.getRoot()->addChild(pBox);
    m_pDriver->click(200, 320);
    m_pDriver->typeText("Nemo 7");
    EXPECT_EQ(pBox->getText(), "Nemo 7");
    m_pDriver->pressKey(VK_BACK);
    EXPECT_EQ(pBox->getText(), "Nemo ");
    frame();
    int nDark = 0;
    for (int x = 104; x < 298; ++x)
        nDark += ColourNear(pixel(x, 322), 0xFF000000, 60) ? 1 : 0;
    EXPECT_GT(nDark, 3) << "the text and the caret are drawn on the white box";
}

TEST_F(GuiDriven, ASliderThumbDragsAlongItsTrack)
{
    CPlainDialog& dialog = showDialog();
    auto* pSlider = static_cast<CEGUI::Slider*>(createGuiWindow(GuiWidget::Slider));
    placeInPixels(pSlider, 100.0f, 300.0f, 209.0f, 30.0f);
    pSlider->setMaxValue(50.0f);
    pSlider->setClickStep(1.0f);
    dialog.getRoot()->addChild(pSlider);
    frame();
    EXPECT_TRUE(ColourNear(pixel(110, 315), GuiFixture::MAGENTA));
    m_pDriver->moveMouse(110, 315);
    m_pDriver->pressLeft();
    m_pDriver->moveMouse(200, 315);
    m_pDriver->moveMouse(250, 315);
    m_pDriver->releaseLeft();
    EXPECT_NEAR(pSlider->getCurrentValue(), 50.0f * 140.0f / 189.0f, 1.0f);
    frame();
    EXPECT_TRUE(ColourNear(pixel(250, 315), GuiFixture::MAGENTA));
    EXPECT_FALSE(ColourNear(pixel(110, 315), GuiFixture::MAGENTA));
}

TEST_F(GuiDriven, AListBoxScrollsDrawsItsSelectionAndCutsItsItemsAtItsEdge)
{
    CPlainDialog& dialog = showDialog();
    auto* pList = static_cast<CEGUI::Listbox*>(createGuiWindow(GuiWidget::Listbox));
    placeInPixels(pList, 100.0f, 300.0f, 202.0f, 66.0f);
    pList->setFont(DOMCASL_FONT);
    dialog.getRoot()->addChild(pList);
    for (int i = 0; i < 12; ++i) {
        auto* pItem = new CEGUI::ListboxTextItem("Player " + CEGUI::PropertyHelper<int>::toString(i));
        pItem->setSelectionBrushImage("Velmora/ListBoxBrush");
        pItem->setTextColours(CEGUI::Colour(0xFF000000));
        pItem->setSelectionColours(CEGUI::Colour(0xFFFFFFFF));
        pList->addItem(pItem);
    }
    frame();
    EXPECT_TRUE(pList->getVertScrollbar()->isVisible());
    m_pDriver->click(150, 310);
    ASSERT_NE(pList->getFirstSelectedItem(), nullptr);
    EXPECT_EQ(pList->getFirstSelectedItem()->getText(), "Player 0");
    frame();
    EXPECT_TRUE(ColourNear(pixel(104, 303), GuiFixture::CYAN)) << "the selection brush is drawn";
    // Items below the box are cut at its edge: nothing but the dialog's
    // background shows under it.
    for (int x = 100; x < 302; ++x)
        ASSERT_TRUE(ColourNear(pixel(x, 370), GuiFixture::BACKGROUND)) << "x " << x;
    m_pDriver->moveMouse(150, 330);
    CEGUI::System::getSingleton().getDefaultGUIContext().injectMouseWheelChange(-1.0f);
    EXPECT_GT(pList->getVertScrollbar()->getScrollPosition(), 0.0f);
    frame();
    EXPECT_FALSE(ColourNear(pixel(104, 303), GuiFixture::CYAN)) << "the selected first item scrolled away";
}

}  // namespace
