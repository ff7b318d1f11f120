#include "hud_gui_fixture.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "Game/Context/gamecontext.h"

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

}  // namespace

void HudGuiScene::SetUp()
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
}

std::vector<int> HudGuiScene::drainEvents()
{
    std::vector<int> codes;
    GameEvent event;
    while (CGameContext::Instance().peekEvent(event)) {
        codes.push_back(event.nCode);
        CGameContext::Instance().popEvent();
    }
    return codes;
}
