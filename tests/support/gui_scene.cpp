#include "support/gui_scene.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resourcemanager.h"
#include "Resources/vantile_texturemanager.h"
#include "gui/Renderer/ceguitexture.h"
#include "support/image_builder.h"
#include "gui/System/guidriver.h"

namespace {

const char* const SYSTEM_FACE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

std::string ReadWholeFile(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// 8 x 8 blocks of flat colour; images take the 4 x 4 middle of a block so
// filtering never mixes in a neighbour.
ArgbImage FixtureImage()
{
    const uint32_t blocks[] = {GuiFixture::RED,   GuiFixture::GREEN, GuiFixture::BLUE,    GuiFixture::YELLOW,
                               GuiFixture::WHITE, 0xFF000000,        0x00000000,          GuiFixture::CYAN,
                               0xFF808080,        GuiFixture::MAGENTA, 0xFF804020,        0xFF204080};
    ArgbImage image;
    image.nWidth = image.nHeight = 32;
    image.pixels.assign(32 * 32, 0);
    for (uint32_t y = 0; y < 32; ++y)
        for (uint32_t x = 0; x < 32; ++x) {
            const uint32_t nBlock = (y / 8) * 4 + x / 8;
            image.pixels[y * 32 + x] = nBlock < 12 ? blocks[nBlock] : 0;
        }
    return image;
}

std::string Image(const char* pszName, int nBlock)
{
    char szLine[160];
    snprintf(szLine, sizeof(szLine), "  <Image name=\"%s\" xPos=\"%d\" yPos=\"%d\" width=\"4\" height=\"4\"/>\n",
             pszName, (nBlock % 4) * 8 + 2, (nBlock / 4) * 8 + 2);
    return szLine;
}

std::string Imageset(const char* pszName, const std::string& strImages)
{
    return std::string("<?xml version=\"1.0\"?>\n<Imageset version=\"2\" name=\"") + pszName +
           "\" imagefile=\"fixture.png\" nativeHorzRes=\"800\" nativeVertRes=\"600\" autoScaled=\"disabled\">\n" +
           strImages + "</Imageset>\n";
}

std::string Font(const char* pszName, int nSize)
{
    return std::string("<?xml version=\"1.0\"?>\n<Font version=\"3\" name=\"") + pszName +
           "\" filename=\"face.ttf\" type=\"FreeType\" size=\"" + std::to_string(nSize) +
           "\" nativeHorzRes=\"800\" nativeVertRes=\"600\" autoScaled=\"disabled\"/>\n";
}

const char SCHEME[] = R"(<?xml version="1.0"?>
<GUIScheme version="5" name="Velmora">
  <Imageset filename="fixture_menutexts.imageset"/>
  <Imageset filename="fixture_velmora.imageset"/>
  <LookNFeel filename="fixture.looknfeel"/>
  <WindowRendererSet filename="CEGUICoreWindowRendererSet"/>
  <FalagardMapping windowType="Velmora/StaticImage" targetType="DefaultWindow" renderer="Core/Default" lookNFeel="Velmora/StaticImage"/>
  <FalagardMapping windowType="Velmora/DialogButton" targetType="CEGUI/PushButton" renderer="Core/Button" lookNFeel="Velmora/DialogButton"/>
  <FalagardMapping windowType="Velmora/Button" targetType="CEGUI/PushButton" renderer="Core/Button" lookNFeel="Velmora/Button"/>
  <FalagardMapping windowType="Velmora/TextBox" targetType="CEGUI/Editbox" renderer="Core/Editbox" lookNFeel="Velmora/TextBox"/>
  <FalagardMapping windowType="Velmora/Slider" targetType="CEGUI/Slider" renderer="Core/Slider" lookNFeel="Velmora/Slider"/>
  <FalagardMapping windowType="Velmora/Thumb" targetType="CEGUI/Thumb" renderer="Core/Button" lookNFeel="Velmora/Thumb"/>
  <FalagardMapping windowType="Velmora/ScrollButton" targetType="CEGUI/PushButton" renderer="Core/Button" lookNFeel="Velmora/ScrollButton"/>
  <FalagardMapping windowType="Velmora/VerticalScrollbar" targetType="CEGUI/Scrollbar" renderer="Core/Scrollbar" lookNFeel="Velmora/VerticalScrollbar"/>
  <FalagardMapping windowType="Velmora/HorizontalScrollbar" targetType="CEGUI/Scrollbar" renderer="Core/Scrollbar" lookNFeel="Velmora/HorizontalScrollbar"/>
  <FalagardMapping windowType="Velmora/Listbox" targetType="CEGUI/Listbox" renderer="Core/Listbox" lookNFeel="Velmora/Listbox"/>
</GUIScheme>
)";

// Flat looks: a stretched image per state, so a state shows as one colour.
const char LOOKS[] = R"(<?xml version="1.0"?>
<Falagard version="7">
  <WidgetLook name="Velmora/StaticImage">
    <PropertyDefinition name="FrameEnabled" initialValue="true"/>
    <PropertyDefinition name="BackgroundEnabled" initialValue="true"/>
    <StateImagery name="Enabled"/>
    <StateImagery name="Disabled"/>
  </WidgetLook>
  <WidgetLook name="Velmora/DialogButton">
    <PropertyDefinition name="Image" initialValue="" redrawOnWrite="true" type="Image"/>
    <PropertyDefinition name="HoverImage" initialValue="" redrawOnWrite="true" type="Image"/>
    <ImagerySection name="normal">
      <ImageryComponent><ImageProperty name="Image"/><VertFormat type="Stretched"/><HorzFormat type="Stretched"/></ImageryComponent>
    </ImagerySection>
    <ImagerySection name="hover">
      <ImageryComponent><ImageProperty name="HoverImage"/><VertFormat type="Stretched"/><HorzFormat type="Stretched"/></ImageryComponent>
    </ImagerySection>
    <StateImagery name="Normal"><Layer><Section section="normal"/></Layer></StateImagery>
    <StateImagery name="Hover"><Layer><Section section="hover"/></Layer></StateImagery>
    <StateImagery name="Pushed"><Layer><Section section="hover"/></Layer></StateImagery>
    <StateImagery name="PushedOff"><Layer><Section section="hover"/></Layer></StateImagery>
    <StateImagery name="Disabled"><Layer><Section section="normal"><Colours topLeft="FF404040" topRight="FF404040" bottomLeft="FF404040" bottomRight="FF404040"/></Section></Layer></StateImagery>
  </WidgetLook>
  <WidgetLook name="Velmora/Button">
    <PropertyDefinition name="NormalTextColour" initialValue="FFFFFFFF" redrawOnWrite="true" type="ColourRect"/>
    <PropertyDefinition name="HoverTextColour" initialValue="FFFFFFFF" redrawOnWrite="true" type="ColourRect"/>
    <PropertyDefinition name="PushedTextColour" initialValue="FFFFFFFF" redrawOnWrite="true" type="ColourRect"/>
    <ImagerySection name="label"><TextComponent><VertFormat type="CentreAligned"/><HorzFormat type="CentreAligned"/></TextComponent></ImagerySection>
    <StateImagery name="Normal"><Layer><Section section="label"><ColourProperty name="NormalTextColour"/></Section></Layer></StateImagery>
    <StateImagery name="Hover"><Layer><Section section="label"><ColourProperty name="HoverTextColour"/></Section></Layer></StateImagery>
    <StateImagery name="Pushed"><Layer><Section section="label"><ColourProperty name="PushedTextColour"/></Section></Layer></StateImagery>
    <StateImagery name="PushedOff"><Layer><Section section="label"><ColourProperty name="HoverTextColour"/></Section></Layer></StateImagery>
    <StateImagery name="Disabled"><Layer><Section section="label"/></Layer></StateImagery>
  </WidgetLook>
  <WidgetLook name="Velmora/TextBox">
    <PropertyDefinition name="NormalTextColour" initialValue="FF000000" redrawOnWrite="true" type="ColourRect"/>
    <PropertyDefinition name="SelectedTextColour" initialValue="FFFFFFFF" redrawOnWrite="true" type="ColourRect"/>
    <PropertyDefinition name="ActiveSelectionColour" initialValue="FF0000FF" redrawOnWrite="true" type="ColourRect"/>
    <PropertyDefinition name="InactiveSelectionColour" initialValue="FF808080" redrawOnWrite="true" type="ColourRect"/>
    <NamedArea name="TextArea"><Area>
      <Dim type="LeftEdge"><AbsoluteDim value="4"/></Dim><Dim type="TopEdge"><AbsoluteDim value="2"/></Dim>
      <Dim type="RightEdge"><UnifiedDim scale="1" offset="-4" type="RightEdge"/></Dim>
      <Dim type="BottomEdge"><UnifiedDim scale="1" offset="-2" type="BottomEdge"/></Dim>
    </Area></NamedArea>
    <ImagerySection name="back"><ImageryComponent><Image name="Velmora/White"/><VertFormat type="Stretched"/><HorzFormat type="Stretched"/></ImageryComponent></ImagerySection>
    <ImagerySection name="selection"><ImageryComponent><Image name="Velmora/White"/><VertFormat type="Stretched"/><HorzFormat type="Stretched"/></ImageryComponent></ImagerySection>
    <ImagerySection name="Caret"><ImageryComponent>
      <Area><Dim type="LeftEdge"><AbsoluteDim value="0"/></Dim><Dim type="TopEdge"><AbsoluteDim value="0"/></Dim>
        <Dim type="Width"><AbsoluteDim value="2"/></Dim><Dim type="BottomEdge"><UnifiedDim scale="1" type="BottomEdge"/></Dim></Area>
      <Image name="Velmora/Black"/><VertFormat type="Stretched"/><HorzFormat type="Stretched"/></ImageryComponent></ImagerySection>
    <StateImagery name="Enabled"><Layer><Section section="back"/></Layer></StateImagery>
    <StateImagery name="ReadOnly"><Layer><Section section="back"/></Layer></StateImagery>
    <StateImagery name="Disabled"><Layer><Section section="back"/></Layer></StateImagery>
    <StateImagery name="ActiveSelection"><Layer><Section section="selection"><ColourProperty name="ActiveSelectionColour"/></Section></Layer></StateImagery>
    <StateImagery name="InactiveSelection"><Layer><Section section="selection"><ColourProperty name="InactiveSelectionColour"/></Section></Layer></StateImagery>
  </WidgetLook>
  <WidgetLook name="Velmora/Thumb">
    <ImagerySection name="main"><ImageryComponent><Image name="Velmora/Magenta"/><VertFormat type="Stretched"/><HorzFormat type="Stretched"/></ImageryComponent></ImagerySection>
    <StateImagery name="Normal"><Layer><Section section="main"/></Layer></StateImagery>
    <StateImagery name="Hover"><Layer><Section section="main"/></Layer></StateImagery>
    <StateImagery name="Pushed"><Layer><Section section="main"/></Layer></StateImagery>
    <StateImagery name="Disabled"><Layer><Section section="main"/></Layer></StateImagery>
  </WidgetLook>
  <WidgetLook name="Velmora/ScrollButton">
    <ImagerySection name="main"><ImageryComponent><Image name="Velmora/Grey"/><VertFormat type="Stretched"/><HorzFormat type="Stretched"/></ImageryComponent></ImagerySection>
    <StateImagery name="Normal"><Layer><Section section="main"/></Layer></StateImagery>
    <StateImagery name="Hover"><Layer><Section section="main"/></Layer></StateImagery>
    <StateImagery name="Pushed"><Layer><Section section="main"/></Layer></StateImagery>
    <StateImagery name="PushedOff"><Layer><Section section="main"/></Layer></StateImagery>
    <StateImagery name="Disabled"><Layer><Section section="main"/></Layer></StateImagery>
  </WidgetLook>
  <WidgetLook name="Velmora/Slider">
    <NamedArea name="ThumbTrackArea"><Area>
      <Dim type="LeftEdge"><AbsoluteDim value="0"/></Dim><Dim type="TopEdge"><AbsoluteDim value="0"/></Dim>
      <Dim type="RightEdge"><UnifiedDim scale="1" type="RightEdge"/></Dim><Dim type="BottomEdge"><UnifiedDim scale="1" type="BottomEdge"/></Dim>
    </Area></NamedArea>
    <Child type="Velmora/Thumb" nameSuffix="__auto_thumb__">
      <Area><Dim type="Width"><AbsoluteDim value="20"/></Dim><Dim type="Height"><UnifiedDim scale="1" type="Height"/></Dim></Area>
      <Property name="HorzFree" value="true"/>
    </Child>
    <ImagerySection name="main"><ImageryComponent><Image name="Velmora/Grey"/><VertFormat type="Stretched"/><HorzFormat type="Stretched"/></ImageryComponent></ImagerySection>
    <StateImagery name="Enabled"><Layer><Section section="main"/></Layer></StateImagery>
    <StateImagery name="Disabled"><Layer><Section section="main"/></Layer></StateImagery>
  </WidgetLook>
  <WidgetLook name="Velmora/VerticalScrollbar">
    <Property name="VerticalScrollbar" value="true"/>
    <NamedArea name="ThumbTrackArea"><Area>
      <Dim type="LeftEdge"><AbsoluteDim value="0"/></Dim><Dim type="TopEdge"><AbsoluteDim value="10"/></Dim>
      <Dim type="RightEdge"><UnifiedDim scale="1" type="RightEdge"/></Dim><Dim type="BottomEdge"><UnifiedDim scale="1" offset="-10" type="BottomEdge"/></Dim>
    </Area></NamedArea>
    <Child type="Velmora/ScrollButton" nameSuffix="__auto_incbtn__">
      <Area><Dim type="Height"><AbsoluteDim value="10"/></Dim></Area><VertAlignment type="BottomAligned"/>
    </Child>
    <Child type="Velmora/ScrollButton" nameSuffix="__auto_decbtn__">
      <Area><Dim type="Height"><AbsoluteDim value="10"/></Dim></Area>
    </Child>
    <Child type="Velmora/Thumb" nameSuffix="__auto_thumb__">
      <Area><Dim type="Height"><AbsoluteDim value="12"/></Dim></Area>
      <Property name="VertFree" value="true"/>
    </Child>
    <StateImagery name="Enabled"/>
    <StateImagery name="Disabled"/>
  </WidgetLook>
  <WidgetLook name="Velmora/HorizontalScrollbar">
    <NamedArea name="ThumbTrackArea"><Area>
      <Dim type="LeftEdge"><AbsoluteDim value="10"/></Dim><Dim type="TopEdge"><AbsoluteDim value="0"/></Dim>
      <Dim type="RightEdge"><UnifiedDim scale="1" offset="-10" type="RightEdge"/></Dim><Dim type="BottomEdge"><UnifiedDim scale="1" type="BottomEdge"/></Dim>
    </Area></NamedArea>
    <Child type="Velmora/ScrollButton" nameSuffix="__auto_incbtn__">
      <Area><Dim type="Width"><AbsoluteDim value="10"/></Dim></Area><HorzAlignment type="RightAligned"/>
    </Child>
    <Child type="Velmora/ScrollButton" nameSuffix="__auto_decbtn__">
      <Area><Dim type="Width"><AbsoluteDim value="10"/></Dim></Area>
    </Child>
    <Child type="Velmora/Thumb" nameSuffix="__auto_thumb__">
      <Area><Dim type="Width"><AbsoluteDim value="12"/></Dim></Area>
      <Property name="HorzFree" value="true"/>
    </Child>
    <StateImagery name="Enabled"/>
    <StateImagery name="Disabled"/>
  </WidgetLook>
  <WidgetLook name="Velmora/Listbox">
    <NamedArea name="ItemRenderingArea"><Area>
      <Dim type="LeftEdge"><AbsoluteDim value="2"/></Dim><Dim type="TopEdge"><AbsoluteDim value="2"/></Dim>
      <Dim type="RightEdge"><UnifiedDim scale="1" offset="-2" type="RightEdge"/></Dim><Dim type="BottomEdge"><UnifiedDim scale="1" offset="-2" type="BottomEdge"/></Dim>
    </Area></NamedArea>
    <NamedArea name="ItemRenderingAreaVScroll"><Area>
      <Dim type="LeftEdge"><AbsoluteDim value="2"/></Dim><Dim type="TopEdge"><AbsoluteDim value="2"/></Dim>
      <Dim type="RightEdge"><UnifiedDim scale="1" offset="-16" type="RightEdge"/></Dim><Dim type="BottomEdge"><UnifiedDim scale="1" offset="-2" type="BottomEdge"/></Dim>
    </Area></NamedArea>
    <NamedArea name="ItemRenderingAreaHScroll"><Area>
      <Dim type="LeftEdge"><AbsoluteDim value="2"/></Dim><Dim type="TopEdge"><AbsoluteDim value="2"/></Dim>
      <Dim type="RightEdge"><UnifiedDim scale="1" offset="-2" type="RightEdge"/></Dim><Dim type="BottomEdge"><UnifiedDim scale="1" offset="-16" type="BottomEdge"/></Dim>
    </Area></NamedArea>
    <NamedArea name="ItemRenderingAreaHVScroll"><Area>
      <Dim type="LeftEdge"><AbsoluteDim value="2"/></Dim><Dim type="TopEdge"><AbsoluteDim value="2"/></Dim>
      <Dim type="RightEdge"><UnifiedDim scale="1" offset="-16" type="RightEdge"/></Dim><Dim type="BottomEdge"><UnifiedDim scale="1" offset="-16" type="BottomEdge"/></Dim>
    </Area></NamedArea>
    <Child type="Velmora/HorizontalScrollbar" nameSuffix="__auto_hscrollbar__">
      <Area><Dim type="Width"><UnifiedDim scale="1" offset="-14" type="Width"/></Dim><Dim type="Height"><AbsoluteDim value="14"/></Dim></Area>
      <VertAlignment type="BottomAligned"/>
    </Child>
    <Child type="Velmora/VerticalScrollbar" nameSuffix="__auto_vscrollbar__">
      <Area><Dim type="Width"><AbsoluteDim value="14"/></Dim><Dim type="Height"><UnifiedDim scale="1" type="Height"/></Dim></Area>
      <HorzAlignment type="RightAligned"/>
    </Child>
    <ImagerySection name="main"><ImageryComponent><Image name="Velmora/White"/><VertFormat type="Stretched"/><HorzFormat type="Stretched"/></ImageryComponent></ImagerySection>
    <StateImagery name="Enabled"><Layer><Section section="main"/></Layer></StateImagery>
    <StateImagery name="Disabled"><Layer><Section section="main"/></Layer></StateImagery>
  </WidgetLook>
</Falagard>
)";

}  // namespace

namespace GuiFixture {

void Write(const CTempFolder& folder, const std::string& strSubfolder)
{
    const std::string strBase = strSubfolder + "/";
    const char* pszSource = getenv("QUELLON_SOURCE_DIR");
    folder.write(strBase + "TranspNoZForGui.fx",
                 ReadWholeFile(std::string(pszSource ? pszSource : ".") + "/content/effects/TranspNoZForGui.fx"));
    folder.write(strBase + "face.ttf", ReadWholeFile(SYSTEM_FACE));
    folder.write(strBase + "fixture.png", EncodePng(FixtureImage()));
    folder.write(strBase + "fixture_menutexts.imageset",
                 Imageset("MenuTexts", Image("dm_Ok_normal", 0) + Image("dm_Ok_hover", 1) +
                                           Image("dm_Cancel_normal", 2) + Image("dm_Cancel_hover", 3) +
                                           Image("Empty", 6)));
    folder.write(strBase + "fixture_velmora.imageset",
                 Imageset("Velmora", Image("White", 4) + Image("Black", 5) + Image("ListBoxBrush", 7) +
                                         Image("Grey", 8) + Image("Magenta", 9)));
    folder.write(strBase + "fixture.looknfeel", LOOKS);
    folder.write(strBase + "Velmora.scheme", SCHEME);
    folder.write(strBase + "game_mainmenu.font", Font("MainMenu", 12));
    folder.write(strBase + "domcasl.font", Font("Domcasl", 12));
    folder.write(strBase + "stylo.font", Font("Stylo", 14));
    folder.write(strBase + "hint.font", Font("Hint_font", 11));
}

}  // namespace GuiFixture

void GuiScene::SetUp()
{
    ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error();
    Vantile::CD3D9RenderSystem::Instance().SetDevice(m_Device.Device());
    GuiFixture::Write(m_Temp, "game");
}

void GuiScene::TearDown()
{
    m_pDriver.reset();
    // The texture cache outlives the test's device.
    for (const std::string& strName : m_ImageFiles)
        Vantile::CTextureManager::Instance().RemoveTexture(strName);
    for (int i = 1; i <= CCEGUITexture::memoryTextureCount(); ++i)
        Vantile::CTextureManager::Instance().RemoveTexture("tex_" + std::to_string(i));
    Vantile::CD3D9RenderSystem::Instance().SetDevice(nullptr);
}

void GuiScene::writeFile(const std::string& strName, const std::string& strBytes) const
{
    m_Temp.write("game/" + strName, strBytes);
}

void GuiScene::removeFile(const std::string& strName) const
{
    std::remove((m_Temp.path() + "/game/" + strName).c_str());
}

void GuiScene::start(bool bLoadData)
{
    startOn(m_Temp.path() + "/game", bLoadData);
}

void GuiScene::startOn(const std::string& strFolder, bool bLoadData)
{
    Vantile::CResourceManager::Instance().Init(strFolder, true);
    m_pDriver = std::make_unique<CGuiDriver>();
    if (bLoadData)
        m_pDriver->handler().loadData();
}

void GuiScene::frame()
{
    m_pDriver->frame(GuiFixture::BACKGROUND);
}

::testing::AssertionResult ColourNear(uint32_t dwActual, uint32_t dwExpected, int nTolerance)
{
    for (int nShift = 0; nShift < 24; nShift += 8) {
        const int nA = int((dwActual >> nShift) & 0xFF);
        const int nE = int((dwExpected >> nShift) & 0xFF);
        if (std::abs(nA - nE) > nTolerance)
        {
            char szText[64];
            snprintf(szText, sizeof(szText), "colour %08X, expected %08X", dwActual, dwExpected);
            return ::testing::AssertionFailure() << szText;
        }
    }
    return ::testing::AssertionSuccess();
}
