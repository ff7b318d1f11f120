// The menus as the game builds them from its own data, driven by injected
// mouse and keys: the first player's name, the profile chooser with its
// name, rename and delete dialogs, the settings and the high scores, each
// checked against the store and the file it saves.
#include <functional>

#include <CEGUI/CEGUI.h>

#include "Business/profilesstore.h"
#include "Business/userfile.h"
#include "Business/xmllocale.h"
#include "Game/Context/gamecontext.h"
#include "Resources/vantile_resource.h"
#include "gui/Framework/gui.h"
#include "gui/Framework/windowstack.h"
#include "gui/Menus/mainmenuwindow.h"
#include "gui/Menus/menunames.h"
#include "gui/Menus/messagebox.h"
#include "gui/Menus/ruleswindow.h"
#include "gui/Menus/settingswindow.h"
#include "gui/Menus/topscoreswindow.h"
#include "gui/Menus/userwindows.h"
#include "gui/Menus/whoareyouwindow.h"
#include "gui/System/guidriver.h"
#include "support/gui_scene.h"

namespace {

std::vector<std::string> NamesIn(const CProfilesStore& store)
{
    std::vector<std::string> names;
    for (size_t i = 0; i < store.profiles()->size(); ++i)
        names.push_back(store.profiles()->at(i)->getName());
    return names;
}

class ShippedMenus : public GuiScene {
protected:
    void SetUp() override
    {
        GuiScene::SetUp();
        m_ImageFiles = {"MenuTexts.png", "Velmora.png"};
        for (const char* pszImage : {MenuImage::MAIN_MENU_BUTTONS, MenuImage::SELECT_GAME_BUTTONS, MenuImage::OPTIONS_BG,
                                     MenuImage::HIGH_SCORES_BG, MenuImage::WHO_ARE_YOU_BG, MenuImage::NEW_USER_BG,
                                     MenuImage::RENAME_USER_BG, MenuImage::MESSAGE_BG, MenuImage::MESSAGE_OK_BG,
                                     MenuImage::RULES_BG, MenuImage::CREDITS_BG})
            m_ImageFiles.push_back(pszImage);
        startOn("game", true);
        Vantile::CResource locale("locale.xml");
        locale.Load();
        m_pLocale.reset(new CXMLLocale(std::string(reinterpret_cast<const char*>(locale.GetData()), locale.GetSize())));
    }
    void TearDown() override
    {
        m_pGui.reset();
        GameEvent event;
        while (CGameContext::Instance().peekEvent(event))
            CGameContext::Instance().popEvent();
        GuiScene::TearDown();
    }
    // The store in the test's user folder, with these players; the first
    // is current unless told.
    void startGui(const std::vector<std::string>& players, bool bCurrent = true)
    {
        m_Temp.write("user/readme.txt", "the players' folder");
        m_pStore.reset(new CProfilesStore(userFolder(), m_Temp.path() + "/legacy"));
        m_pStore->load();
        for (const std::string& strName : players)
            m_pStore->profiles()->create(strName);
        m_pStore->setFullscreen(false);
        if (bCurrent && !players.empty())
            m_pStore->profiles()->setCurrent(m_pStore->profiles()->at(0));
        m_pStore->save();
        m_pGui.reset(new CGui);
        m_pGui->setStore(m_pStore.get());
        m_pGui->setup();
        m_pGui->showMainMenu();
        settle();
    }
    std::string savedFile() const
    {
        std::string strBytes;
        CUserFile::Read(userFolder() + "/profiles.xml", strBytes);
        return strBytes;
    }
    std::string userFolder() const { return m_Temp.path() + "/user"; }
    std::unique_ptr<CProfilesStore> reload() const
    {
        std::unique_ptr<CProfilesStore> pStore(new CProfilesStore(userFolder(), m_Temp.path() + "/legacy"));
        pStore->load();
        return pStore;
    }
    // The fade's midpoints pass and a frame is drawn, so CEGUI knows where
    // everything is before the next click.
    void settle()
    {
        m_pDriver->runDeferredCalls();
        frame();
    }
    void clickAt(const CEGUI::Window* pWindow)
    {
        const CEGUI::Rectf rect = pWindow->getUnclippedOuterRect().get();
        // CEGUI finds the window under the mouse when the mouse moves.
        m_pDriver->moveMouse(0, 0);
        m_pDriver->click(int(rect.left() + rect.getWidth() / 2), int(rect.top() + rect.getHeight() / 2));
        settle();
    }
    void key(int nVirtualKey)
    {
        m_pDriver->pressKey(nVirtualKey);
        settle();
    }
    // Where the chooser shows its entry (0 is the new-player entry),
    // scrolled into view.
    CEGUI::Vector2f entryPoint(size_t nIndex)
    {
        CEGUI::Listbox* pList = chooser()->getList();
        pList->ensureItemIsVisible(nIndex);
        frame();
        const CEGUI::ListboxItem* pItem = pList->getListboxItemFromIndex(nIndex);
        const CEGUI::Rectf rect = pList->getUnclippedOuterRect().get();
        for (float y = rect.top() + 1; y < rect.bottom(); y += 1.0f)
            if (pList->getItemAtPoint(CEGUI::Vector2f(rect.left() + 20, y)) == pItem)
                return CEGUI::Vector2f(rect.left() + 20, y + 2);
        ADD_FAILURE() << "entry " << nIndex << " is not on screen";
        return CEGUI::Vector2f(0, 0);
    }
    void clickEntry(size_t nIndex)
    {
        const CEGUI::Vector2f point = entryPoint(nIndex);
        m_pDriver->moveMouse(0, 0);
        m_pDriver->click(int(point.d_x), int(point.d_y));
        settle();
    }
    // The main menu's buttons are 237 x 52 at x 272.
    static const int OPTIONS_Y = 267;
    static const int HIGH_SCORES_Y = 341;
    static const int RULES_Y = 420;
    void clickMenuButton(int nTop)
    {
        m_pDriver->click(272 + 118, nTop + 26);
        settle();
    }
    CBaseWindow* top() const { return CWindowStack::instance().current(); }
    CWhoAreYouWindow* chooser() const { return m_pGui->profileChooser(); }
    CEGUI::String text(int nId) const { return MenuLocaleText(nId); }
    // Types into the focused box, replacing what it held.
    void typeName(CCreateUserWindow* pDialog, const std::string& strName)
    {
        pDialog->getTextBox()->setText("");
        m_pDriver->typeText(strName);
    }

    std::unique_ptr<CXMLLocale> m_pLocale;
    std::unique_ptr<CProfilesStore> m_pStore;
    std::unique_ptr<CGui> m_pGui;
};

TEST_F(ShippedMenus, AFirstStartAsksForANameBeforeTheMainMenuAndCannotBeLeftWithoutOne)
{
    startGui({});
    CCreateUserWindow* pDialog = m_pGui->nameDialog();
    ASSERT_EQ(top(), pDialog);
    EXPECT_EQ(CWindowStack::instance().history().back(), m_pGui->mainMenu());
    EXPECT_FALSE(m_pGui->mainMenu()->getNameLabel()->isVisible());

    EXPECT_TRUE(pDialog->getCancelButton()->isEffectiveDisabled());
    key(VK_RETURN);
    ASSERT_EQ(top(), pDialog->getMessageBox());
    EXPECT_EQ(pDialog->getMessageBox()->getTextField()->getText(), text(MenuText::NAME_EMPTY));
    key(VK_ESCAPE);
    EXPECT_EQ(top(), pDialog->getMessageBox()) << "a complaint is answered with OK";
    key(VK_RETURN);
    ASSERT_EQ(top(), pDialog);

    m_pDriver->typeText("Nemo");
    key(VK_RETURN);
    EXPECT_EQ(top(), m_pGui->mainMenu());
    EXPECT_EQ(m_pGui->mainMenu()->getNameLabel()->getText(), "Nemo");
    EXPECT_TRUE(m_pGui->mainMenu()->getNameLabel()->isVisible());
    const std::unique_ptr<CProfilesStore> pSaved = reload();
    EXPECT_EQ(NamesIn(*pSaved), std::vector<std::string>{"Nemo"});
    ASSERT_NE(pSaved->profiles()->current(), nullptr);
    EXPECT_EQ(pSaved->profiles()->current()->getName(), "Nemo");
}

TEST_F(ShippedMenus, TheChooserCreatesRenamesAndDeletesPlayersWithTheRightComplaints)
{
    startGui({"Ann", "Bob"});
    clickAt(m_pGui->mainMenu()->getChangeProfileButton());
    ASSERT_EQ(top(), chooser());
    EXPECT_EQ(chooser()->getList()->getItemCount(), 3u);
    EXPECT_EQ(chooser()->getList()->getListboxItemFromIndex(0)->getText(), text(MenuText::NEW_PLAYER));
    EXPECT_TRUE(chooser()->getOkButton()->isEffectiveDisabled()) << "nothing is chosen yet";

    // A new player: a taken name is refused, then a fresh one is added and
    // chosen but not yet current.
    clickEntry(0);
    CCreateUserWindow* pName = chooser()->getNameDialog();
    ASSERT_EQ(top(), pName);
    typeName(pName, "Bob");
    key(VK_RETURN);
    ASSERT_EQ(top(), pName->getMessageBox());
    EXPECT_EQ(pName->getMessageBox()->getTextField()->getText(), text(MenuText::NAME_TAKEN));
    key(VK_RETURN);
    typeName(pName, "Cy");
    key(VK_RETURN);
    ASSERT_EQ(top(), chooser());
    EXPECT_EQ(chooser()->getList()->getFirstSelectedItem()->getText(), "Cy");
    EXPECT_EQ(m_pStore->profiles()->current()->getName(), "Ann");
    EXPECT_EQ(NamesIn(*reload()), (std::vector<std::string>{"Ann", "Bob", "Cy"}));

    // Rename Bob: empty and taken (also his own) names are refused.
    clickEntry(2);
    clickAt(chooser()->getRenameButton());
    CRenameUserWindow* pRename = chooser()->getRenameDialog();
    ASSERT_EQ(top(), pRename);
    EXPECT_EQ(pRename->getTextBox()->getText(), "Bob");
    for (const auto& refused : {std::make_pair("", MenuText::NAME_EMPTY), std::make_pair("Bob", MenuText::NAME_TAKEN),
                                std::make_pair("Ann", MenuText::NAME_TAKEN)}) {
        typeName(pRename, refused.first);
        key(VK_RETURN);
        ASSERT_EQ(top(), pRename->getMessageBox()) << refused.first;
        EXPECT_EQ(pRename->getMessageBox()->getTextField()->getText(), text(refused.second));
        key(VK_RETURN);
        ASSERT_EQ(top(), pRename);
    }
    typeName(pRename, "Rob");
    key(VK_RETURN);
    ASSERT_EQ(top(), chooser());
    EXPECT_EQ(chooser()->getList()->getListboxItemFromIndex(2)->getText(), "Rob");
    EXPECT_EQ(NamesIn(*reload()), (std::vector<std::string>{"Ann", "Rob", "Cy"}));

    // Delete Rob: the question names him; No keeps him, Yes removes him.
    clickAt(chooser()->getDeleteButton());
    CMessageBox* pQuestion = chooser()->getDeleteQuestion();
    ASSERT_EQ(top(), pQuestion);
    EXPECT_EQ(pQuestion->getTextField()->getText(), text(MenuText::DELETE_QUESTION) + "Rob?");
    clickAt(pQuestion->getNoButton());
    ASSERT_EQ(top(), chooser());
    EXPECT_EQ(m_pStore->profiles()->size(), 3u);
    clickAt(chooser()->getDeleteButton());
    ASSERT_EQ(top(), chooser()->getDeleteQuestion());
    clickAt(chooser()->getDeleteQuestion()->getYesButton());
    ASSERT_EQ(top(), chooser());
    EXPECT_EQ(chooser()->getList()->getItemCount(), 3u);
    EXPECT_EQ(NamesIn(*reload()), (std::vector<std::string>{"Ann", "Cy"}));

    // OK with Cy chosen makes Cy current and the main menu greets Cy.
    clickEntry(2);
    clickAt(chooser()->getOkButton());
    EXPECT_EQ(top(), m_pGui->mainMenu());
    EXPECT_EQ(m_pGui->mainMenu()->getNameLabel()->getText(), "Cy");
    EXPECT_EQ(reload()->profiles()->current()->getName(), "Cy");
}

TEST_F(ShippedMenus, DeletingTheCurrentPlayerLeavesNoWayOutButChoosingAnother)
{
    startGui({"Ann", "Bob"});
    clickAt(m_pGui->mainMenu()->getChangeProfileButton());
    clickEntry(1);
    clickAt(chooser()->getDeleteButton());
    clickAt(chooser()->getDeleteQuestion()->getYesButton());
    ASSERT_EQ(top(), chooser());
    EXPECT_TRUE(chooser()->getCancelButton()->isEffectiveDisabled());
    key(VK_ESCAPE);
    EXPECT_EQ(top(), chooser());
    key(VK_RETURN);
    EXPECT_EQ(top(), chooser()) << "nothing chosen: OK does nothing";
    const CEGUI::Vector2f bob = entryPoint(1);
    m_pDriver->doubleClick(int(bob.d_x), int(bob.d_y));
    clickAt(chooser()->getOkButton());
    EXPECT_EQ(top(), m_pGui->mainMenu()) << "a double click and a late click close the chooser once";
    ASSERT_NE(m_pStore->profiles()->current(), nullptr);
    EXPECT_EQ(m_pStore->profiles()->current()->getName(), "Bob");
}

// Typed names: the box holds 15 characters; slashes, dots, quotes, markup
// and bytes beyond ASCII are ordinary characters of a name, kept in the
// file and read back with every other player.
TEST_F(ShippedMenus, HostileNamesAreKeptSafelyOrRefusedAndTheFileStillReloads)
{
    startGui({"Ann", "Bob"});
    struct Case {
        std::string strTyped;
        std::string strKept;  // empty: refused as empty
    };
    const Case cases[] = {
        {"", ""},
        {"a", "a"},
        {std::string(63, 'x'), std::string(15, 'x')},
        {std::string(64, 'y'), std::string(15, 'y')},
        {std::string(500, 'z'), std::string(15, 'z')},
        {"../../game.dat", "../../game.dat"},
        {"a/b", "a/b"},
        {"..", ".."},
        {"\"quoted'", "\"quoted'"},
        {"<b>&amp;", "<b>&amp;"},
        {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
    };
    std::vector<std::string> expected = {"Ann", "Bob"};
    clickAt(m_pGui->mainMenu()->getChangeProfileButton());
    for (const Case& c : cases) {
        clickEntry(0);
        CCreateUserWindow* pName = chooser()->getNameDialog();
        ASSERT_EQ(top(), pName) << c.strTyped;
        typeName(pName, c.strTyped);
        clickAt(pName->getOkButton());
        if (c.strKept.empty()) {
            ASSERT_EQ(top(), pName->getMessageBox());
            EXPECT_EQ(pName->getMessageBox()->getTextField()->getText(), text(MenuText::NAME_EMPTY));
            clickAt(pName->getMessageBox()->getOkButton());
            clickAt(pName->getCancelButton());
            continue;
        }
        ASSERT_EQ(top(), chooser()) << c.strTyped;
        expected.push_back(c.strKept);
        EXPECT_EQ(NamesIn(*reload()), expected) << c.strTyped;
    }
}

TEST_F(ShippedMenus, AHostileNamePastedPastTheBoxIsHeldToItsLimit)
{
    startGui({"Ann"});
    CCreateUserWindow* pDialog = m_pGui->nameDialog();
    pDialog->getTextBox()->setText(CEGUI::String(500, CEGUI::utf32(0x263A)));
    EXPECT_EQ(pDialog->getName().size(), 15u * 3u) << "15 characters of three bytes each";
}

TEST_F(ShippedMenus, TheMusicSliderIsHeardAtOnceAndCancelPutsEverythingBack)
{
    startGui({"Ann"});
    m_pStore->setMusic(20);
    m_pStore->setVolume(30);
    m_pStore->save();
    const std::string strSaved = savedFile();
    CSettingsWindow* pSettings = m_pGui->settings();
    clickMenuButton(OPTIONS_Y);
    settle();
    ASSERT_EQ(top(), pSettings);
    EXPECT_EQ(pSettings->getMusicSlider()->getCurrentValue(), 20.0f);

    pSettings->getMusicSlider()->setCurrentValue(40.0f);
    EXPECT_FLOAT_EQ(CGameContext::Instance().m_fMusicGain, 0.8f) << "the preview";
    pSettings->getVolumeSlider()->setCurrentValue(5.0f);
    EXPECT_FLOAT_EQ(CGameContext::Instance().m_fEffectGain, 0.6f) << "the volume waits for OK";
    clickAt(pSettings->getFullscreenBox());
    clickAt(pSettings->getCancelButton());
    EXPECT_EQ(top(), m_pGui->mainMenu());
    EXPECT_EQ(m_pStore->getMusic(), 20);
    EXPECT_EQ(m_pStore->getVolume(), 30);
    EXPECT_FALSE(m_pStore->getFullscreen());
    EXPECT_FLOAT_EQ(CGameContext::Instance().m_fMusicGain, 0.4f);
    ASSERT_FALSE(strSaved.empty());
    EXPECT_EQ(savedFile(), strSaved) << "nothing saved";
}

TEST_F(ShippedMenus, SettingsOkAppliesAndSavesVolumeMusicAndFullScreenBothWays)
{
    startGui({"Ann"});
    CSettingsWindow* pSettings = m_pGui->settings();
    for (const bool bFullscreen : {true, false}) {
        clickMenuButton(OPTIONS_Y);
        settle();
        ASSERT_EQ(top(), pSettings);
        EXPECT_EQ(pSettings->getFullscreenBox()->isSelected(), !bFullscreen);
        pSettings->getVolumeSlider()->setCurrentValue(bFullscreen ? 10.0f : 45.0f);
        pSettings->getMusicSlider()->setCurrentValue(bFullscreen ? 35.0f : 0.0f);
        clickAt(pSettings->getFullscreenBox());
        clickAt(pSettings->getOkButton());
        EXPECT_EQ(top(), m_pGui->mainMenu());
        EXPECT_FLOAT_EQ(CGameContext::Instance().m_fEffectGain, bFullscreen ? 0.2f : 0.9f);
        EXPECT_FLOAT_EQ(CGameContext::Instance().m_fMusicGain, bFullscreen ? 0.7f : 0.0f);
        const std::unique_ptr<CProfilesStore> pSaved = reload();
        EXPECT_EQ(pSaved->getFullscreen(), bFullscreen);
        EXPECT_EQ(pSaved->getVolume(), bFullscreen ? 10 : 45);
        EXPECT_EQ(pSaved->getMusic(), bFullscreen ? 35 : 0);
    }
}

TEST_F(ShippedMenus, TheHighScoresListEveryPlayerByScoreHighestFirst)
{
    startGui({"Ann", "Bob", "Cy", "Dee"});
    const int scores[] = {300, 4500, 300, 0};
    for (size_t i = 0; i < 4; ++i)
        m_pStore->profiles()->at(i)->m_nScore = scores[i];
    clickMenuButton(HIGH_SCORES_Y);
    settle();
    ASSERT_EQ(top(), m_pGui->topScores());
    CEGUI::MultiColumnList* pList = m_pGui->topScores()->getList();
    ASSERT_EQ(pList->getRowCount(), 4u);
    // The headings are hidden and take no room: the rows start at the top.
    EXPECT_EQ(pList->getListHeader()->getPixelSize().d_height, 0.0f);
    EXPECT_LT(pList->getListRenderArea().top(), 8.0f);
    const char* expected[][2] = {{"Bob", "4500"}, {"Ann", "300"}, {"Cy", "300"}, {"Dee", "0"}};
    for (CEGUI::uint nRow = 0; nRow < 4; ++nRow) {
        EXPECT_EQ(pList->getItemAtGridReference(CEGUI::MCLGridRef(nRow, 0))->getText(), expected[nRow][0]);
        EXPECT_EQ(pList->getItemAtGridReference(CEGUI::MCLGridRef(nRow, 1))->getText(), expected[nRow][1]);
    }
    clickAt(m_pGui->topScores()->getOkButton());
    EXPECT_EQ(top(), m_pGui->mainMenu());
}

TEST_F(ShippedMenus, ADoubleClickOnAMenuButtonOpensItsWindowOnce)
{
    startGui({"Ann"});
    m_pDriver->doubleClick(272 + 118, 341 + 26);
    settle();
    ASSERT_EQ(top(), m_pGui->topScores());
    EXPECT_EQ(CWindowStack::instance().history().back(), m_pGui->mainMenu());
    m_pDriver->doubleClick(353 + 49, 448 + 23);
    settle();
    EXPECT_EQ(top(), m_pGui->mainMenu()) << "one close, the main menu stays";
}

TEST_F(ShippedMenus, TheRulesOpenTheCreditsAndEachPageClosesBackToWhereItCameFrom)
{
    startGui({"Ann"});
    clickMenuButton(RULES_Y);
    CRulesWindow* pRules = m_pGui->rules();
    ASSERT_EQ(top(), pRules);
    EXPECT_EQ(pRules->getCreditsButton()->getText(), text(MenuText::CREDITS));
    EXPECT_FALSE(pRules->getOkButton()->isVisible());
    clickAt(pRules->getCreditsButton());
    ASSERT_EQ(top(), pRules->getCreditsPage());
    clickAt(pRules->getCreditsPage()->getCloseButton());
    ASSERT_EQ(top(), pRules);
    clickAt(pRules->getCloseButton());
    EXPECT_EQ(top(), m_pGui->mainMenu());
}

}  // namespace

// However a sub-dialog of the chooser is closed, by key or by click, the
// chooser takes the very next click.
TEST_F(ShippedMenus, TheChooserTakesClicksAgainAfterADialogIsClosedByKey)
{
    startGui({"Ann", "Bob"});
    clickAt(m_pGui->mainMenu()->getChangeProfileButton());
    struct Case {
        const char* pszHow;
        std::function<void()> open;
        std::function<void()> close;
    };
    const Case cases[] = {
        {"name dialog, Escape", [&] { clickEntry(0); }, [&] { key(VK_ESCAPE); }},
        {"name dialog, Enter on a taken name, then Enter and Escape",
         [&] {
             clickEntry(0);
             typeName(chooser()->getNameDialog(), "Ann");
         },
         [&] {
             key(VK_RETURN);
             key(VK_RETURN);
             key(VK_ESCAPE);
         }},
        {"rename dialog, Escape", [&] { clickAt(chooser()->getRenameButton()); }, [&] { key(VK_ESCAPE); }},
        {"rename dialog, Enter",
         [&] {
             clickAt(chooser()->getRenameButton());
             typeName(chooser()->getRenameDialog(), "Eve");
         },
         [&] { key(VK_RETURN); }},
        {"delete question, Escape", [&] { clickAt(chooser()->getDeleteButton()); }, [&] { key(VK_ESCAPE); }},
    };
    size_t nEntry = 1;
    for (const Case& c : cases) {
        c.open();
        ASSERT_NE(top(), chooser()) << c.pszHow;
        // The mouse rests where the entry will be while the dialog is up,
        // and the player clicks there without moving it.
        const CEGUI::Vector2f point = entryPoint(nEntry);
        m_pDriver->moveMouse(int(point.d_x), int(point.d_y));
        frame();
        c.close();
        ASSERT_EQ(top(), chooser()) << c.pszHow;
        m_pDriver->pressLeft();
        m_pDriver->releaseLeft();
        settle();
        const CEGUI::ListboxItem* pChosen = chooser()->getList()->getFirstSelectedItem();
        ASSERT_NE(pChosen, nullptr) << c.pszHow;
        EXPECT_EQ(pChosen, chooser()->getList()->getListboxItemFromIndex(nEntry)) << c.pszHow;
        nEntry = 3 - nEntry;
    }
    EXPECT_EQ(NamesIn(*reload()), (std::vector<std::string>{"Eve", "Bob"}));
}
