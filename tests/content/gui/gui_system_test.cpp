// The shipped GUI data through the game's own GUI system on the offscreen
// device: the fonts and the scheme load, every widget type the game names
// is created and drawn, the image buttons change under the mouse, and the
// HUD's transparent hit areas draw nothing.
#include <gtest/gtest.h>

#include <CEGUI/CEGUI.h>

#include <memory>
#include <string>
#include <vector>

#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resourcemanager.h"
#include "Resources/vantile_texturemanager.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Renderer/ceguitexture.h"
#include "gui/System/guidriver.h"
#include "support/offscreen_device.h"

namespace {

const D3DCOLOR kSea = 0xFF0C4A74;

class ShippedGuiSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error();
        Vantile::CD3D9RenderSystem::Instance().SetDevice(m_Device.Device());
        Vantile::CResourceManager::Instance().Init("game", true);
        m_pDriver = std::make_unique<CGuiDriver>();
        m_pDriver->handler().loadData();
        m_pRoot = createGuiWindow(GuiWidget::DefaultWindow);
        placeInPixels(m_pRoot, 0, 0, 800, 600);
        CEGUI::System::getSingleton().getDefaultGUIContext().setRootWindow(m_pRoot);
    }

    void TearDown() override
    {
        m_pDriver.reset();
        // The texture cache outlives the test's device.
        for (const char* pszTexture : {"MenuTexts.png", "Velmora.png"})
            Vantile::CTextureManager::Instance().RemoveTexture(pszTexture);
        for (int i = 1; i <= CCEGUITexture::memoryTextureCount(); ++i)
            Vantile::CTextureManager::Instance().RemoveTexture("tex_" + std::to_string(i));
        Vantile::CD3D9RenderSystem::Instance().SetDevice(nullptr);
    }

    CEGUI::Window* Add(const CEGUI::String& strType, float x, float y, float w, float h)
    {
        CEGUI::Window* pWindow = createGuiWindow(strType);
        placeInPixels(pWindow, x, y, w, h);
        m_pRoot->addChild(pWindow);
        return pWindow;
    }

    void Frame() { m_pDriver->frame(kSea); }

    // How many pixels of the box differ from the sea behind the GUI, read
    // from one copy of the screen.
    int Painted(int x, int y, int w, int h) const
    {
        UINT nWidth = 0;
        const std::vector<uint8_t> rgba = m_Device.ReadRgba(&nWidth);
        const uint8_t kSeaRgb[] = {0x0C, 0x4A, 0x74};
        int nPainted = 0;
        for (int py = y; py < y + h; ++py)
            for (int px = x; px < x + w; ++px) {
                const uint8_t* p = &rgba[(size_t(py) * nWidth + px) * 4];
                nPainted += p[0] != kSeaRgb[0] || p[1] != kSeaRgb[1] || p[2] != kSeaRgb[2];
            }
        return nPainted;
    }

    COffscreenDevice m_Device;
    std::unique_ptr<CGuiDriver> m_pDriver;
    CEGUI::Window* m_pRoot = nullptr;
};

TEST_F(ShippedGuiSystemTest, EveryWidgetTypeTheGameNamesIsCreatedAndDrawn)
{
    const struct { const CEGUI::String* pType; float x, y, w, h; } kWidgets[] = {
        {&GuiWidget::Button, 10, 10, 100, 24},         {&GuiWidget::TextBox, 10, 50, 202, 44},
        {&GuiWidget::Listbox, 10, 110, 202, 66},       {&GuiWidget::MultiColumnList, 10, 190, 221, 139},
        {&GuiWidget::Checkbox, 10, 340, 41, 40},       {&GuiWidget::Slider, 10, 390, 209, 30},
        {&GuiWidget::FrameWindow, 10, 430, 200, 120},  {&GuiWidget::StaticText, 300, 10, 200, 60},
        {&GuiWidget::HorizontalScrollbar, 300, 80, 200, 14}, {&GuiWidget::RadioButton, 300, 100, 120, 26},
        {&GuiWidget::LeftAlignedText, 300, 140, 200, 30}, {&GuiWidget::RightAlignedText, 300, 180, 200, 30},
        {&GuiWidget::DoubleText, 300, 220, 200, 60},   {&GuiWidget::CenteredText, 300, 290, 200, 60},
        {&GuiWidget::SimpleLabel, 300, 360, 200, 30},
    };
    for (const auto& widget : kWidgets) {
        CEGUI::Window* pWindow = Add(*widget.pType, widget.x, widget.y, widget.w, widget.h);
        pWindow->setText("Player 1");
    }
    CEGUI::Window* pPanel = Add(GuiWidget::StaticImage, 0, 0, 800, 600);
    pPanel->setProperty(GuiProperty::FrameEnabled, "false");
    pPanel->setProperty(GuiProperty::BackgroundEnabled, "false");
    Frame();
    for (const auto& widget : kWidgets) {
        SCOPED_TRACE(widget.pType->c_str());
        EXPECT_GT(Painted(int(widget.x), int(widget.y), int(widget.w), int(widget.h)), 20);
    }
    // The window stack's panel covers the screen and must show nothing.
    EXPECT_EQ(0, Painted(600, 400, 200, 200));
}

TEST_F(ShippedGuiSystemTest, ImageButtonsChangeUnderTheMouseAndTheEmptyHitAreasDrawNothing)
{
    CEGUI::Window* pOk = createImageButton(100, 100, 99, 46, "dm_Ok_normal", "dm_Ok_hover");
    m_pRoot->addChild(pOk);
    CEGUI::Window* pPlay = createImageButton(100, 200, 237, 52, "mm_PlayGame_normal", "mm_PlayGame_hover");
    m_pRoot->addChild(pPlay);
    CEGUI::Window* pCharge = createImageButton(500, 100, 75, 83, "Empty", "Empty");
    m_pRoot->addChild(pCharge);
    Frame();
    const D3DCOLOR dwOkNormal = m_Device.Pixel(150, 115), dwPlayNormal = m_Device.Pixel(218, 214);
    EXPECT_GT(Painted(100, 100, 99, 46), 99 * 46 / 2);
    EXPECT_EQ(0, Painted(500, 100, 75, 83));

    m_pDriver->moveMouse(150, 123);
    Frame();
    EXPECT_NE(dwOkNormal, m_Device.Pixel(150, 115)) << "OK looks the same under the mouse";
    m_pDriver->moveMouse(218, 226);
    Frame();
    EXPECT_NE(dwPlayNormal, m_Device.Pixel(218, 214)) << "Play looks the same under the mouse";
    m_pDriver->moveMouse(530, 140);
    Frame();
    EXPECT_EQ(0, Painted(500, 100, 75, 83));
    pCharge->setEnabled(false);
    Frame();
    EXPECT_EQ(0, Painted(500, 100, 75, 83));
}

}  // namespace
