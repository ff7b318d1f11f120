// Text the game draws with a GUI font outside any window: it shows in the
// frames that draw it, reuses its nodes while unchanged, and an unknown font
// draws nothing.
#include <CEGUI/CEGUI.h>

#include "gui/Renderer/ceguirenderer.h"
#include "gui/Renderer/guitext.h"
#include "gui/System/guidriver.h"
#include "support/gui_scene.h"

namespace {

class GuiTextTest : public GuiScene {
protected:
    void SetUp() override
    {
        GuiScene::SetUp();
        start();
    }
    void frameWith(const std::function<void()>& draw) { m_pDriver->frame(GuiFixture::BACKGROUND, draw); }
    // One read-back of the frame: reading it per pixel costs a whole
    // frame's copy each time.
    int brightPixels()
    {
        UINT nWidth = 0, nHeight = 0;
        const std::vector<uint8_t> rgba = m_Device.ReadRgba(&nWidth, &nHeight);
        int nBright = 0;
        for (UINT y = 95; y < 140 && y < nHeight; ++y)
            for (UINT x = 95; x < 220 && x < nWidth; ++x) {
                const uint8_t* p = &rgba[(size_t(y) * nWidth + x) * 4];
                nBright += ColourNear(D3DCOLOR_ARGB(p[3], p[0], p[1], p[2]), GuiFixture::YELLOW, 40) ? 1 : 0;
            }
        return nBright;
    }
};

TEST_F(GuiTextTest, ShowsInTheFramesThatDrawItAndReusesItsNodes)
{
    CGuiText text;
    const auto draw = [&] { text.draw("Stylo", "Treasure", CEGUI::Vector2f(100, 100), CEGUI::Colour(0xFFFFFF00)); };
    frameWith(draw);
    EXPECT_GT(brightPixels(), 40);
    const std::vector<Vantile::CMeshNode*> nodes = m_pDriver->renderer().getFrameNodes();
    ASSERT_FALSE(nodes.empty());
    frameWith(draw);
    EXPECT_EQ(m_pDriver->renderer().getFrameNodes(), nodes);
    frame();
    EXPECT_EQ(brightPixels(), 0) << "a frame that does not draw it does not show it";
}

TEST_F(GuiTextTest, AnUnknownFontDrawsNothing)
{
    CGuiText text;
    frameWith([&] { text.draw("NoSuchFont", "Treasure", CEGUI::Vector2f(100, 100), CEGUI::Colour(0xFFFFFF00)); });
    EXPECT_EQ(brightPixels(), 0);
}

}  // namespace
