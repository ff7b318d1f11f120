// The HUD's GUI windows driven as a player drives them: the menu button,
// the charge buttons that take clicks only when full, and the time-out
// message's OK, on the GUI fixture with text looks of its own.
#include "Game/Hud/hudguiwindows.h"

#include <CEGUI/Window.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <vector>

#include "Game/Context/gameevents.h"
#include "Game/Hud/gamegui.h"
#include "gui/System/guidriver.h"
#include "support/log_capture.h"
#include "../../gui/gui_test_scene.h"

namespace {

std::string SourceFile(const std::string& strPath)
{
    const char* pszSource = getenv("QUELLON_SOURCE_DIR");
    std::ifstream in(std::string(pszSource ? pszSource : ".") + "/" + strPath, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

const char HUD_SCHEME[] = R"(<?xml version="1.0"?>
<GUIScheme version="5" name="Velmora">
  <Imageset filename="fixture_menutexts.imageset"/>
  <Imageset filename="fixture_velmora.imageset"/>
  <LookNFeel filename="fixture.looknfeel"/>
  <LookNFeel filename="hud.looknfeel"/>
  <WindowRendererSet filename="CEGUICoreWindowRendererSet"/>
  <FalagardMapping windowType="Velmora/DialogButton" targetType="CEGUI/PushButton" renderer="Core/Button" lookNFeel="Velmora/DialogButton"/>
  <FalagardMapping windowType="Velmora/Button" targetType="CEGUI/PushButton" renderer="Core/Button" lookNFeel="Velmora/Button"/>
  <FalagardMapping windowType="Velmora/DoubleText" targetType="DefaultWindow" renderer="Core/Default" lookNFeel="Test/Text"/>
  <FalagardMapping windowType="Velmora/CenteredText" targetType="DefaultWindow" renderer="Core/Default" lookNFeel="Test/Text"/>
</GUIScheme>
)";

const char HUD_LOOKS[] = R"(<?xml version="1.0"?>
<Falagard version="7">
  <WidgetLook name="Test/Text">
    <PropertyDefinition name="TextColour1" initialValue="FF000000" redrawOnWrite="true" type="ColourRect"/>
    <PropertyDefinition name="TextColour2" initialValue="FFFFFFFF" redrawOnWrite="true" type="ColourRect"/>
    <PropertyDefinition name="NormalTextColour" initialValue="FF000000" redrawOnWrite="true" type="ColourRect"/>
    <StateImagery name="Enabled"/>
    <StateImagery name="Disabled"/>
  </WidgetLook>
</Falagard>
)";

// The menu button's two images are the fixture's red and green blocks.
const char HUD_IMAGES[] = R"(<?xml version="1.0"?>
<Imageset version="2" name="MenuTexts" imagefile="fixture.png" nativeHorzRes="800" nativeVertRes="600" autoScaled="disabled">
  <Image name="gm_Menu_normal" xPos="2" yPos="2" width="4" height="4"/>
  <Image name="gm_Menu_hover" xPos="10" yPos="2" width="4" height="4"/>
  <Image name="Empty" xPos="18" yPos="10" width="4" height="4"/>
</Imageset>
)";

class HudGuiWindowsTest : public GuiScene {
protected:
    void SetUp() override
    {
        GuiScene::SetUp();
        writeFile("Velmora.scheme", HUD_SCHEME);
        writeFile("hud.looknfeel", HUD_LOOKS);
        writeFile("fixture_menutexts.imageset", HUD_IMAGES);
        // The HUD's sprites draw through the game's sprite effects.
        for (const char* pszEffect : {"TranspNoLight.fx", "TranspNoLight_filtered.fx"})
            writeFile(pszEffect, SourceFile(std::string("content/effects/") + pszEffect));
        start();
        drainEvents();
        CHudGuiWindows* pWindows = new CHudGuiWindows;
        m_pWindows = pWindows;
        m_pHud.reset(new CGameGui(std::unique_ptr<IHudWindows>(pWindows)));
        m_pHud->reset();
        m_pHud->startTimer(2.0f);
        m_pHud->setLives(1);
        m_pHud->setActive(true);
        m_pHud->slideIn();
    }
    void TearDown() override
    {
        m_pHud.reset();
        drainEvents();
        GuiScene::TearDown();
    }

    static std::vector<int> drainEvents()
    {
        std::vector<int> codes;
        GameEvent event;
        while (CGameContext::Instance().peekEvent(event)) {
            codes.push_back(event.nCode);
            CGameContext::Instance().popEvent();
        }
        return codes;
    }

    // A frame of play: the HUD draws (the fixture has none of its
    // pictures) and places its windows, the GUI draws them.
    void play(float fSeconds)
    {
        m_pHud->update(fSeconds);
        m_pDriver->frame(GuiFixture::BACKGROUND, [&] { m_pHud->render(fSeconds); });
    }

    std::unique_ptr<CGameGui> m_pHud;
    CHudGuiWindows* m_pWindows = nullptr;
};

// Without its pictures the HUD still works: the texture cache reports each
// missing file by name.
TEST_F(HudGuiWindowsTest, MenuButtonWorksWithoutTheHudPicturesWhichAreReported)
{
    CLogCapture log;
    for (int i = 0; i < 70; ++i)
        play(1.0f / 60.0f);
    EXPECT_NE(log.text().find("window-scores.dds"), std::string::npos) << log.text();
    EXPECT_NE(log.text().find("chain-2.dds"), std::string::npos);
    // Panels in: the button stands at (14, 20), 126 x 39.
    m_pDriver->click(70, 40);
    EXPECT_EQ(drainEvents(), std::vector<int>({eEventMainMenu}));
}

TEST_F(HudGuiWindowsTest, ShuffleButtonTakesClicksOnlyWhenFullOnASettledBoard)
{
    m_pHud->setBoardSettled(true);
    for (int i = 0; i < 70; ++i)
        play(1.0f / 60.0f);
    // The shuffle button's place follows its frame, drawn by the HUD; at
    // rest the frame hangs at (-392, 182), the button at (-387, 168).
    const int x = 400 - 387 + 60, y = 300 - 168 + 18;
    m_pDriver->click(x, y);
    EXPECT_TRUE(drainEvents().empty());
    m_pHud->startTimer(1000.0f);
    for (int i = 0; i < 60; ++i)
        m_pHud->update(1.0f);
    ASSERT_TRUE(m_pHud->shuffleButton().isFull());
    m_pHud->setBoardSettled(false);
    play(1.0f / 60.0f);
    m_pDriver->click(x, y);
    EXPECT_TRUE(drainEvents().empty());
    m_pHud->setBoardSettled(true);
    play(1.0f / 60.0f);
    m_pDriver->click(x, y);
    EXPECT_EQ(drainEvents(), std::vector<int>({eEventShuffle}));
    EXPECT_EQ(m_pHud->shuffleButton().charge(), 0.0f);
}

TEST_F(HudGuiWindowsTest, TimeoutMessageOkSlidesThePanelsOut)
{
    for (int i = 0; i < 200 && !m_pHud->isTimeoutVisible(); ++i) {
        m_pHud->tickTimer(1.0f / 60.0f);
        play(1.0f / 60.0f);
    }
    ASSERT_TRUE(m_pHud->isTimeoutVisible());
    EXPECT_TRUE(m_pWindows->timeoutOk()->isEffectiveVisible());
    m_pDriver->click(400, 350);
    EXPECT_FALSE(m_pHud->isTimeoutVisible());
    EXPECT_FALSE(m_pWindows->timeoutOk()->isEffectiveVisible());
    EXPECT_TRUE(m_pHud->isSlidingOut());
}

}  // namespace
