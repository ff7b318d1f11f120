// The game's own GUI data drawn by the game's renderer on the offscreen
// device, with real CEGUI windows driven by injected input as a player
// would drive them.
#include <CEGUI/CEGUI.h>

#include "gui/Framework/basedialogwindow.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Framework/windowstack.h"
#include "gui/System/guidriver.h"
#include "support/gui_scene.h"

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

struct SArea {
    int x, y, w, h;
};

class ShippedGuiDriven : public GuiScene {
protected:
    void SetUp() override
    {
        GuiScene::SetUp();
        m_ImageFiles = {"MenuTexts.png", "Velmora.png"};
        startOn("game", true);
        m_Dialog.create();
        m_Dialog.show();
    }
    void TearDown() override
    {
        m_Dialog.getRoot()->removeAllEvents();
        GuiScene::TearDown();
    }
    std::vector<uint8_t> shot()
    {
        frame();
        return m_Device.ReadRgba();
    }
    // The share of the area's pixels that differ between two frames.
    static double changed(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, const SArea& area)
    {
        int nChanged = 0;
        for (int y = area.y; y < area.y + area.h; ++y)
            for (int x = area.x; x < area.x + area.w; ++x) {
                const size_t i = (size_t(y) * 800 + x) * 4;
                nChanged += std::abs(a[i] - b[i]) + std::abs(a[i + 1] - b[i + 1]) + std::abs(a[i + 2] - b[i + 2]) > 24;
            }
        return double(nChanged) / (area.w * area.h);
    }
    CEGUI::Window* add(const CEGUI::String& strType, float x, float y, float w, float h)
    {
        CEGUI::Window* pWindow = createGuiWindow(strType);
        placeInPixels(pWindow, x, y, w, h);
        m_Dialog.getRoot()->addChild(pWindow);
        return pWindow;
    }

    CPlainDialog m_Dialog;
};

TEST_F(ShippedGuiDriven, AButtonLooksDifferentUnderTheMouse)
{
    const std::vector<uint8_t> normal = shot();
    m_pDriver->moveMouse(150, 120);
    const std::vector<uint8_t> hover = shot();
    EXPECT_GT(changed(normal, hover, {100, 100, 99, 46}), 0.3);
    EXPECT_EQ(changed(normal, hover, {300, 100, 99, 46}), 0.0);
}

TEST_F(ShippedGuiDriven, AClickFiresOnceAndADoubleClickClosesTheDialogOnce)
{
    CPlainDialog top;
    top.create();
    top.show();
    m_pDriver->runDeferredCalls();
    ASSERT_EQ(CWindowStack::instance().current(), &top);
    CountingHandler oks;
    top.subscribeEvent(GuiEvent::OnOk, CEGUI::Event::Subscriber(&CountingHandler::onEvent, &oks));
    frame();
    m_pDriver->doubleClick(150, 120);
    EXPECT_EQ(oks.m_nCount, 1);
    EXPECT_EQ(m_pDriver->runDeferredCalls(), 1u);
    EXPECT_EQ(CWindowStack::instance().current(), &m_Dialog) << "the window below stays";
    m_pDriver->click(150, 120);
    EXPECT_EQ(oks.m_nCount, 1) << "the closed dialog no longer takes clicks";
}

TEST_F(ShippedGuiDriven, ATextBoxTakesTypedCharactersAndShowsThem)
{
    CEGUI::Window* pBox = add(GuiWidget::TextBox, 100, 300, 202, 44);
    pBox->setFont(STYLO_FONT);
    const std::vector<uint8_t> empty = shot();
    m_pDriver->click(200, 320);
    m_pDriver->typeText("Nemo 7");
    m_pDriver->pressKey(VK_BACK);
    EXPECT_EQ(pBox->getText(), "Nemo ");
    EXPECT_GT(changed(empty, shot(), {104, 304, 194, 36}), 0.03) << "text and caret are drawn";
}

TEST_F(ShippedGuiDriven, ASliderThumbDragsAlongItsTrack)
{
    auto* pSlider = static_cast<CEGUI::Slider*>(add(GuiWidget::Slider, 100, 300, 209, 30));
    pSlider->setMaxValue(50.0f);
    pSlider->setClickStep(1.0f);
    const std::vector<uint8_t> before = shot();
    const CEGUI::Rectf thumb = pSlider->getThumb()->getUnclippedOuterRect().get();
    const int x = int(thumb.left() + thumb.getWidth() / 2), y = int(thumb.top() + thumb.getHeight() / 2);
    m_pDriver->moveMouse(x, y);
    m_pDriver->pressLeft();
    m_pDriver->moveMouse(x + 60, y);
    m_pDriver->moveMouse(x + 100, y);
    m_pDriver->releaseLeft();
    EXPECT_GT(pSlider->getCurrentValue(), 15.0f);
    const std::vector<uint8_t> after = shot();
    EXPECT_GT(changed(before, after, {int(thumb.left()), int(thumb.top()), int(thumb.getWidth()), int(thumb.getHeight())}),
              0.2);
}

TEST_F(ShippedGuiDriven, AListBoxScrollsDrawsItsSelectionAndCutsItsItemsAtItsEdge)
{
    auto* pList = static_cast<CEGUI::Listbox*>(add(GuiWidget::Listbox, 100, 300, 202, 66));
    pList->setFont(DOMCASL_FONT);
    for (int i = 0; i < 12; ++i) {
        auto* pItem = new CEGUI::ListboxTextItem("Player " + CEGUI::PropertyHelper<int>::toString(i));
        pItem->setSelectionBrushImage("Velmora/ListBoxBrush");
        pList->addItem(pItem);
    }
    const std::vector<uint8_t> plain = shot();
    EXPECT_TRUE(pList->getVertScrollbar()->isVisible());
    // Items below the box are cut at its edge: only the cleared screen
    // shows under it.
    for (int x = 100; x < 302; ++x) {
        const uint8_t* p = &plain[(size_t(372) * 800 + x) * 4];
        ASSERT_TRUE(ColourNear(D3DCOLOR_ARGB(255, p[0], p[1], p[2]), GuiFixture::BACKGROUND)) << "x " << x;
    }
    const float fItemHeight = pList->getListboxItemFromIndex(0)->getPixelSize().d_height;
    m_pDriver->click(150, 305 + int(fItemHeight / 2));
    ASSERT_NE(pList->getFirstSelectedItem(), nullptr);
    EXPECT_EQ(pList->getFirstSelectedItem()->getText(), "Player 0");
    const std::vector<uint8_t> selected = shot();
    const SArea firstRow = {104, 304, 150, int(fItemHeight) - 2};
    EXPECT_GT(changed(plain, selected, firstRow), 0.3) << "the selection brush is drawn";
    m_pDriver->moveMouse(150, 330);
    CEGUI::System::getSingleton().getDefaultGUIContext().injectMouseWheelChange(-1.0f);
    EXPECT_GT(pList->getVertScrollbar()->getScrollPosition(), 0.0f);
    EXPECT_GT(changed(selected, shot(), firstRow), 0.1) << "the list moved";
}

}  // namespace
