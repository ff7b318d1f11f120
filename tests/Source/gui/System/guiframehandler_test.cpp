// The GUI frame handler: loading the GUI's data with clear reports for bad
// files, and the window's input as CEGUI receives it.
#include <CEGUI/CEGUI.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Core/vantile_exception.h"
#include "gui/Framework/basedialogwindow.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/System/guidriver.h"
#include "support/log_capture.h"
#include "support/gui_scene.h"
#include "support/planted_file.h"

namespace {

class GuiData : public GuiScene {};

TEST_F(GuiData, BadGuiFilesStopStartUpWithAReportNamingTheFile)
{
    struct Case {
        const char* pszFile;
        const char* pszContent;  // null: the file is missing
        int nCode;
        const char* pszReport;
    };
    const Case cases[] = {
        {"Velmora.scheme", nullptr, 4, "[Velmora.scheme]"},
        {"Velmora.scheme", "<GUIScheme version=\"5\" name=", 0, "Failed to load GUI file [Velmora.scheme]"},
        {"fixture_velmora.imageset", nullptr, 4, "[fixture_velmora.imageset]"},
        {"fixture_velmora.imageset", "<Imageset version=\"2\" name=\"Velmora\"><Image", 0,
         "Failed to load GUI file [Velmora.scheme] while reading [fixture_velmora.imageset]"},
        {"fixture.looknfeel", nullptr, 4, "[fixture.looknfeel]"},
        {"fixture.looknfeel", "<Falagard version=\"7\"><WidgetLook name=\"x\"></Falagard>", 0,
         "Failed to load GUI file [Velmora.scheme] while reading [fixture.looknfeel]"},
        {"stylo.font", "<Font version=\"3\" name=\"Stylo\"", 0, "Failed to load GUI file [stylo.font]"},
        {"stylo.font", nullptr, 4, "[stylo.font]"},
        {"face.ttf", "not a font face", 0, "Failed to load GUI file [game_mainmenu.font] while reading [face.ttf]"},
        {"face.ttf", nullptr, 4, "[face.ttf]"},
    };
    for (const Case& c : cases) {
        GuiFixture::Write(m_Temp, "game");
        if (c.pszContent)
            writeFile(c.pszFile, c.pszContent);
        else
            removeFile(c.pszFile);
        start(false);
        try {
            m_pDriver->handler().loadData();
            ADD_FAILURE() << c.pszFile << " was accepted";
        } catch (const Vantile::Exception& e) {
            EXPECT_EQ(e.getCode(), c.nCode) << c.pszFile;
            EXPECT_NE(e.getDetails().find(c.pszReport), std::string::npos) << e.getDetails();
        }
        m_pDriver.reset();
    }
}

TEST_F(GuiData, AMissingFontFaceFallsBackToAFaceThatExists)
{
    // The fonts name "face.ttf"; only "another.ttf" exists.
    std::rename((m_Temp.path() + "/game/face.ttf").c_str(), (m_Temp.path() + "/game/another.ttf").c_str());
    CLogCapture log;
    start();
    EXPECT_TRUE(log.contains("Font face [face.ttf] is missing; using [another.ttf] instead")) << log.text();
    EXPECT_TRUE(CEGUI::FontManager::getSingleton().isDefined("Stylo"));
}

TEST_F(GuiData, TheFirstFontIsTheDefaultAndCeguiDrawsNoCursor)
{
    start();
    CEGUI::GUIContext& context = CEGUI::System::getSingleton().getDefaultGUIContext();
    ASSERT_NE(context.getDefaultFont(), nullptr);
    EXPECT_EQ(context.getDefaultFont()->getName(), "MainMenu");
    EXPECT_EQ(context.getMouseCursor().getDefaultImage(), nullptr);
}

TEST_F(GuiData, AHeldScrollArrowRepeatsAsFramesPass)
{
    start();
    CBaseDialogWindow dialog;
    dialog.create();
    dialog.show();
    auto* pList = static_cast<CEGUI::Listbox*>(createGuiWindow(GuiWidget::Listbox));
    placeInPixels(pList, 100, 300, 202, 66);
    pList->setFont(DOMCASL_FONT);
    dialog.getRoot()->addChild(pList);
    for (int i = 0; i < 40; ++i)
        pList->addItem(new CEGUI::ListboxTextItem("Player"));
    m_pDriver->frame(GuiFixture::BACKGROUND);
    CEGUI::Scrollbar* pBar = pList->getVertScrollbar();
    CEGUI::PushButton* pArrow = pBar->getIncreaseButton();
    pArrow->setMouseAutoRepeatEnabled(true);
    const CEGUI::Rectf arrow = pArrow->getUnclippedOuterRect().get();
    m_pDriver->moveMouse(int(arrow.left() + arrow.getWidth() / 2), int(arrow.top() + arrow.getHeight() / 2));
    m_pDriver->pressLeft();
    const float fOneStep = pBar->getScrollPosition();
    EXPECT_GT(fOneStep, 0.0f);
    for (int i = 0; i < 30; ++i)
        m_pDriver->frame(GuiFixture::BACKGROUND, {}, 0.05f);
    m_pDriver->releaseLeft();
    EXPECT_GT(pBar->getScrollPosition(), 3.0f * fOneStep);
}

// CEGUI's log under each name someone may have planted in the per-user
// folder: its own logger wrote through a link, threw out of start-up at a
// folder and waited for ever at a FIFO.
// Each case has a per-user folder of its own; the tests' one comes back.
class GuiLog : public GuiScene {
protected:
    void TearDown() override
    {
        GuiScene::TearDown();
        setenv("XDG_DATA_HOME", m_strSavedHome.c_str(), 1);
    }

    const std::string m_strSavedHome = getenv("XDG_DATA_HOME");
};

TEST_F(GuiLog, APlantedNameNeitherStopsTheGuiNorIsWrittenThrough)
{
    for (const SPlanted& planted : PlantedKinds()) {
        SCOPED_TRACE(planted.pszName);
        const std::string strHome = m_Temp.path() + "/home-" + planted.pszName;
        const std::string strFolder = strHome + "/Quellon 1.0";
        ASSERT_TRUE(std::filesystem::create_directories(strFolder));
        setenv("XDG_DATA_HOME", strHome.c_str(), 1);
        const std::string strLog = strFolder + "/CEGUI.log";
        CPlantedFile file(planted.kind, strLog);
        CLogCapture log;
        start();
        m_pDriver.reset();
        EXPECT_TRUE(file.victimUntouched());
        if (planted.kind == EPlanted::Folder) {
            EXPECT_TRUE(log.contains("Cannot write the GUI log [" + strLog + "]: Is a directory; going on without it"))
                << log.text();
        } else {
            EXPECT_TRUE(file.replacedByPlainFile());
            std::stringstream text;
            text << std::ifstream(strLog).rdbuf();
            EXPECT_NE(std::string::npos, text.str().find("---- CEGUI System destruction completed ----"));
        }
    }
}

class GuiInput : public GuiScene {
protected:
    void SetUp() override
    {
        GuiScene::SetUp();
        start();
        m_Dialog.create();
        placeInPixels(m_Dialog.getOkButton(), 100, 100, 99, 46);
        m_Dialog.show();
        m_Dialog.getOkButton()->subscribeEvent(CEGUI::PushButton::EventClicked,
                                               CEGUI::Event::Subscriber(&GuiInput::onClicked, this));
        for (const CEGUI::String& strEvent : {CEGUI::Window::EventMouseButtonDown, CEGUI::Window::EventMouseDoubleClick,
                                              CEGUI::Window::EventMouseTripleClick})
            m_Dialog.getOkButton()->subscribeEvent(strEvent, CEGUI::Event::Subscriber(&GuiInput::onPress, this));
        m_Dialog.getRoot()->subscribeEvent(CEGUI::Window::EventKeyDown,
                                           CEGUI::Event::Subscriber(&GuiInput::onKeyDown, this));
        m_Dialog.getRoot()->subscribeEvent(CEGUI::Window::EventCharacterKey,
                                           CEGUI::Event::Subscriber(&GuiInput::onCharacter, this));
    }
    void TearDown() override
    {
        m_Dialog.getRoot()->removeAllEvents();
        GuiScene::TearDown();
    }
    bool onClicked(const CEGUI::EventArgs&)
    {
        ++m_nClicks;
        return true;
    }
    bool onPress(const CEGUI::EventArgs&)
    {
        ++m_nPresses;
        return false;
    }
    bool onKeyDown(const CEGUI::EventArgs& args)
    {
        m_Scans.push_back(static_cast<const CEGUI::KeyEventArgs&>(args).scancode);
        return true;
    }
    bool onCharacter(const CEGUI::EventArgs& args)
    {
        m_strTyped += char(static_cast<const CEGUI::KeyEventArgs&>(args).codepoint);
        return true;
    }
    void send(int nAction)
    {
        Vantile::InputEvent evt = {};
        evt.type = Vantile::INPUT_MOUSE;
        evt.mouse = {150, 120, nAction};
        m_pDriver->handler().handleInput(evt);
    }
    void sendKey(int nVirtualKey, char ch, uint32_t dwLParam)
    {
        Vantile::InputEvent evt = {};
        evt.type = Vantile::INPUT_KEY;
        evt.key = {ch, nVirtualKey, true, false, false, dwLParam, uint32_t(nVirtualKey)};
        m_pDriver->handler().handleInput(evt);
    }

    CBaseDialogWindow m_Dialog;
    int m_nClicks = 0;
    int m_nPresses = 0;
    std::vector<CEGUI::Key::Scan> m_Scans;
    std::string m_strTyped;
};

// CEGUI itself turns quick presses into double and triple clicks.
TEST_F(GuiInput, TheLeftButtonClicksADoubleClickPressesTwiceMoreAndTheRightButtonIsNotTheGuis)
{
    send(Vantile::MOUSE_MOVE);
    send(Vantile::MOUSE_RIGHT_DOWN);
    send(Vantile::MOUSE_RIGHT_UP);
    EXPECT_EQ(m_nClicks, 0);
    send(Vantile::MOUSE_LEFT_DOWN);
    send(Vantile::MOUSE_LEFT_UP);
    EXPECT_EQ(m_nClicks, 1);
    send(Vantile::MOUSE_LEFT_DOUBLECLICK);
    EXPECT_EQ(m_nPresses, 3);
    EXPECT_GE(m_nClicks, 1);
    Vantile::InputEvent activate = {};
    activate.type = Vantile::INPUT_ACTIVATE;
    EXPECT_TRUE(m_pDriver->handler().handleInput(activate));
}

TEST_F(GuiInput, KeysArriveAsScanCodesWithTheirCharacters)
{
    sendKey('A', 'a', 0x1E << 16);
    // An extended key (bit 24): the arrow, not the keypad's 4.
    sendKey(VK_LEFT, 0, 0x4B << 16 | 1 << 24);
    EXPECT_EQ(m_Scans, (std::vector<CEGUI::Key::Scan>{CEGUI::Key::A, CEGUI::Key::ArrowLeft}));
    EXPECT_EQ(m_strTyped, "a");
}

}  // namespace
