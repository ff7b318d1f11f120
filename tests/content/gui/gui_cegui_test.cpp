// The GUI's data loaded by CEGUI itself (its null renderer, reading the
// data folder): the fonts and the scheme load, every widget type is
// created with the properties the program sets, and every state of every
// look draws.
#include <gtest/gtest.h>

#include <CEGUI/CEGUI.h>
#include <CEGUI/RendererModules/Null/Renderer.h>

#include <string>
#include <vector>

namespace {

const char* const kFontFiles[] = {"game_mainmenu.font", "domcasl.font", "stylo.font", "hint.font"};

class ShippedGuiCeguiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // CEGUI writes its log where the logger says; keep it out of the data.
        m_pLogger = new CEGUI::DefaultLogger();
        m_pLogger->setLogFilename(::testing::TempDir() + "quellon_gui_test_CEGUI.log");
        CEGUI::NullRenderer& renderer = CEGUI::NullRenderer::bootstrapSystem();
        // The null renderer has no screen until told: the game's is 800 x 600.
        renderer.setDisplaySize(CEGUI::Sizef(800, 600));
        CEGUI::System::getSingleton().notifyDisplaySizeChanged(CEGUI::Sizef(800, 600));
        auto* pProvider =
            static_cast<CEGUI::DefaultResourceProvider*>(CEGUI::System::getSingleton().getResourceProvider());
        pProvider->setResourceGroupDirectory("game", "game/");
        pProvider->setDefaultResourceGroup("game");
        for (const char* pszFont : kFontFiles)
            CEGUI::FontManager::getSingleton().createFromFile(pszFont);
        CEGUI::SchemeManager::getSingleton().createFromFile("Velmora.scheme");
        m_pContext = &CEGUI::System::getSingleton().getDefaultGUIContext();
        m_pRoot = CEGUI::WindowManager::getSingleton().createWindow("DefaultWindow", "root");
        m_pRoot->setSize(CEGUI::USize(CEGUI::UDim(1, 0), CEGUI::UDim(1, 0)));
        m_pContext->setRootWindow(m_pRoot);
        const CEGUI::Rectf screen(0, 0, 800, 600);
        m_pContext->getMouseCursor().setConstraintArea(&screen);
    }

    void TearDown() override
    {
        CEGUI::NullRenderer::destroySystem();
        delete m_pLogger;
    }

    CEGUI::Window* Create(const std::string& strType, float x, float y, float w, float h)
    {
        CEGUI::Window* pWindow = CEGUI::WindowManager::getSingleton().createWindow(strType);
        pWindow->setPosition(CEGUI::UVector2(CEGUI::UDim(0, x), CEGUI::UDim(0, y)));
        pWindow->setSize(CEGUI::USize(CEGUI::UDim(0, w), CEGUI::UDim(0, h)));
        m_pRoot->addChild(pWindow);
        return pWindow;
    }

    // Moves the mouse over the window, presses and releases it, drawing the
    // whole GUI at each step, so every look draws hovered and pushed too.
    void DrawHoveredAndPushed(CEGUI::Window* pWindow)
    {
        const CEGUI::Rectf area = pWindow->getUnclippedOuterRect().get();
        m_pContext->injectMousePosition(area.left() + area.getWidth() / 2, area.top() + area.getHeight() / 2);
        CEGUI::System::getSingleton().renderAllGUIContexts();
        m_pContext->injectMouseButtonDown(CEGUI::LeftButton);
        CEGUI::System::getSingleton().renderAllGUIContexts();
        m_pContext->injectMouseButtonUp(CEGUI::LeftButton);
        CEGUI::System::getSingleton().renderAllGUIContexts();
    }

    CEGUI::DefaultLogger* m_pLogger = nullptr;
    CEGUI::GUIContext* m_pContext = nullptr;
    CEGUI::Window* m_pRoot = nullptr;
};

TEST_F(ShippedGuiCeguiTest, EveryWidgetTypeIsCreatedAndDrawsInEveryState)
{
    std::vector<CEGUI::Window*> windows;
    auto fnAdd = [&](CEGUI::Window* pWindow) { windows.push_back(pWindow); return pWindow; };

    CEGUI::Window* pPanel = fnAdd(Create("Velmora/StaticImage", 0, 0, 800, 600));
    pPanel->setProperty("FrameEnabled", "false");
    pPanel->setProperty("BackgroundEnabled", "false");
    pPanel->setMousePassThroughEnabled(true);
    CEGUI::Window* pButton = fnAdd(Create("Velmora/Button", 10, 10, 100, 24));
    pButton->setText("Next");
    pButton->setFont("Stylo");
    pButton->setProperty("NormalTextColour", "FFA17112");
    pButton->setProperty("HoverTextColour", "FF8E191E");
    pButton->setProperty("PushedTextColour", "FFD84D0C");
    const struct { const char* pszType; const char* pszImage; float w, h; } kImageButtons[] = {
        {"Velmora/DialogButton", "dm_Ok", 99, 46}, {"Velmora/MainMenuButton", "mm_PlayGame", 237, 52},
        {"Velmora/DialogButton", "gm_Menu", 126, 39}};
    float y = 40;
    for (const auto& image : kImageButtons) {
        CEGUI::Window* p = fnAdd(Create(image.pszType, 10, y, image.w, image.h));
        p->setProperty("Image", std::string("MenuTexts/") + image.pszImage + "_normal");
        p->setProperty("HoverImage", std::string("MenuTexts/") + image.pszImage + "_hover");
        y += image.h + 4;
    }
    CEGUI::Window* pEmpty = fnAdd(Create("Velmora/DialogButton", 10, 200, 75, 83));
    pEmpty->setProperty("Image", "MenuTexts/Empty");
    pEmpty->setProperty("HoverImage", "MenuTexts/Empty");
    pEmpty->setEnabled(false);

    auto* pTextBox = static_cast<CEGUI::Editbox*>(fnAdd(Create("Velmora/TextBox", 300, 10, 202, 44)));
    pTextBox->setFont("Stylo");
    pTextBox->setMaxTextLength(15);
    pTextBox->setText("Anna");
    pTextBox->activate();

    auto* pList = static_cast<CEGUI::Listbox*>(fnAdd(Create("Velmora/Listbox", 300, 60, 202, 66)));
    pList->setFont("Domcasl");
    for (const char* pszName : {"<New player>", "Anna", "Marek", "Captain Jo", "Lotta"}) {
        auto* pItem = new CEGUI::ListboxTextItem(pszName);
        pItem->setSelectionBrushImage("Velmora/ListBoxBrush");
        pList->addItem(pItem);
    }
    pList->setItemSelectState(size_t(1), true);

    auto* pScores = static_cast<CEGUI::MultiColumnList*>(fnAdd(Create("Velmora/MultiColumnList", 300, 130, 221, 139)));
    pScores->setFont("Domcasl");
    pScores->addColumn("name", 0, CEGUI::UDim(0.44f, 0));
    pScores->addColumn("score", 1, CEGUI::UDim(0.43f, 0));
    pScores->setShowHorzScrollbar(false);
    for (int i = 0; i < 8; ++i) {
        const unsigned int nRow = pScores->addRow();
        pScores->setItem(new CEGUI::ListboxTextItem("Player " + CEGUI::PropertyHelper<int>::toString(i)), 0, nRow);
        pScores->setItem(new CEGUI::ListboxTextItem(CEGUI::PropertyHelper<int>::toString(1000 * i)), 1, nRow);
    }

    auto* pCheck = static_cast<CEGUI::ToggleButton*>(fnAdd(Create("Velmora/Checkbox", 300, 280, 41, 40)));
    pCheck->setSelected(true);
    auto* pSlider = static_cast<CEGUI::Slider*>(fnAdd(Create("Velmora/Slider", 300, 330, 209, 30)));
    pSlider->setMaxValue(50);
    pSlider->setClickStep(1);
    pSlider->setCurrentValue(20);

    const char* kTexts[] = {"Velmora/LeftAlignedText", "Velmora/RightAlignedText", "Velmora/CenteredText",
                            "Velmora/SimpleLabel", "Velmora/StaticText", "Velmora/ToolTipText"};
    y = 370;
    for (const char* pszType : kTexts) {
        CEGUI::Window* p = fnAdd(Create(pszType, 300, y, 200, 30));
        p->setText("Player:");
        p->setFont("Stylo");
        y += 32;
    }
    CEGUI::Window* pDouble = fnAdd(Create("Velmora/DoubleText", 540, 10, 205, 180));
    pDouble->setFont("Stylo");
    pDouble->setProperty("TextColour1", "B3000000");
    pDouble->setProperty("TextColour2", "E6FDF35D");
    pDouble->setText("A new game starts again from the first level. Go ahead?");
    CEGUI::Window* pHint = fnAdd(Create("Velmora/CenteredText", 540, 200, 180, 60));
    pHint->setFont("Hint_font");
    pHint->setProperty("NormalTextColour", "FF601C02");
    pHint->setText("Shuffle the board");
    fnAdd(Create("Velmora/HorizontalScrollbar", 540, 270, 200, 14));
    fnAdd(Create("Velmora/RadioButton", 540, 290, 120, 26))->setText("Windowed");
    CEGUI::Window* pFrame = fnAdd(Create("Velmora/FrameWindow", 540, 330, 240, 160));
    pFrame->setText("Options");

    for (CEGUI::Window* pWindow : windows)
        DrawHoveredAndPushed(pWindow);
    // And every look disabled.
    for (CEGUI::Window* pWindow : windows)
        pWindow->setEnabled(false);
    CEGUI::System::getSingleton().renderAllGUIContexts();
    // The click in the middle of the check box reached it.
    EXPECT_FALSE(pCheck->isSelected());
    EXPECT_EQ(CEGUI::String("Anna"), pTextBox->getText());
}

TEST_F(ShippedGuiCeguiTest, TheFontsDrawTheGamesTextsAndTheOkCaption)
{
    for (const char* pszName : {"Stylo", "Domcasl", "Hint_font"}) {
        SCOPED_TRACE(pszName);
        CEGUI::Font& font = CEGUI::FontManager::getSingleton().get(pszName);
        for (CEGUI::utf32 c = 0x20; c < 0x7F; ++c)
            EXPECT_TRUE(font.isCodepointAvailable(c)) << c;
        // The "OK" captions are written with a Cyrillic capital O.
        EXPECT_TRUE(font.isCodepointAvailable(0x041E));
        EXPECT_GT(font.getTextExtent("Click to continue"), 60.0f);
        EXPECT_GE(font.getLineSpacing(), 13.0f);
    }
    // The profile list (66 pixels tall, 5 of rim above and below) shows
    // three players at once.
    EXPECT_LE(3 * CEGUI::FontManager::getSingleton().get("Domcasl").getLineSpacing(), 56.0f);
    // The tooltips draw the default font at 0.6 scale: it is the first
    // font, and it stays readable there.
    CEGUI::Font& first = CEGUI::FontManager::getSingleton().createFromFile("game_mainmenu.font");
    EXPECT_EQ(&first, m_pContext->getDefaultFont());
    EXPECT_GE(first.getLineSpacing(0.6f), 13.0f);
}

}  // namespace
