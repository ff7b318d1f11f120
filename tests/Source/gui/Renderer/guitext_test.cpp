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
    int brightPixels()
    {
        const std::vector<uint8_t> rgba = m_Device.ReadRgba();
        int nBright = 0;
        for (int y = 95; y < 140; ++y)
            for (int x = 95; x < 220; ++x) {
                const uint8_t* p = &rgba[(size_t(y) * 800 + x) * 4];
                nBright += p[0] > 200 && p[1] > 200 && p[2] < 100 ? 1 : 0;
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
