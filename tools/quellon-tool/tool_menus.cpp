// quellon-tool menus --out DIR: one PNG of every menu window and dialog as
// the game draws it, offscreen, over the menu background: the windows are
// the game's own, made by the GUI manager on a store of a few players in a
// temporary folder, and opened as a player opens them.
#include <stdlib.h>

#include <CEGUI/CEGUI.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Business/profilesstore.h"
#include "Core/vantile_exception.h"
#include "Game/Context/gamecontext.h"
#include "Game/Rules/boardscreen.h"
#include "Game/Script/gamescript.h"
#include "Game/Sprites/spriteloader.h"
#include "Game/Sprites/spritescreen.h"
#include "RenderSystem/vantile_framepicture.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resourcemanager.h"
#include "gui/Framework/gui.h"
#include "gui/Framework/windowstack.h"
#include "gui/Menus/mainmenuwindow.h"
#include "gui/Menus/messagebox.h"
#include "gui/Menus/ruleswindow.h"
#include "gui/Menus/settingswindow.h"
#include "gui/Menus/topscoreswindow.h"
#include "gui/Menus/userwindows.h"
#include "gui/Menus/whoareyouwindow.h"
#include "gui/System/guidriver.h"
#include "tool_commands.h"
#include "tool_hud_draw.h"

namespace {

const D3DCOLOR SEA = 0xFF0B3550;

struct SPlayer {
    const char* pszName;
    int nScore;
    int nLevel;
};
const SPlayer PLAYERS[] = {{"Marina", 12480, 7}, {"Nemo", 8015, 4}, {"Pearl", 23050, 12}, {"Shelly", 2300, 1}};

class CMenuShots {
public:
    CMenuShots(const std::string& strUserFolder, const std::string& strOut)
        : m_Store(strUserFolder, strUserFolder + "/legacy"), m_strOut(strOut)
    {
        m_Driver.handler().loadData();
        m_Store.load();
        m_Gui.setStore(&m_Store);
    }
    ~CMenuShots() { m_Gui.releaseBackground(); }

    int run();

private:
    void addPlayers();
    // Opens the window over the main menu as a player would.
    void open(CBaseWindow* pWindow);
    void openAbove(CBaseWindow* pWindow);
    void click(const CEGUI::Window* pWindow);
    bool shot(const char* pszName);

    CGuiDriver m_Driver;
    CProfilesStore m_Store;
    CGui m_Gui;
    std::string m_strOut;
    std::vector<std::string> m_Failed;
};

void CMenuShots::addPlayers()
{
    for (const SPlayer& player : PLAYERS) {
        CProfile* pProfile = m_Store.profiles()->create(player.pszName);
        pProfile->m_nScore = player.nScore;
        pProfile->m_nLevel = player.nLevel;
    }
    m_Store.profiles()->setCurrent(m_Store.profiles()->at(0));
}

void CMenuShots::open(CBaseWindow* pWindow)
{
    m_Gui.showMainMenu();
    m_Driver.runDeferredCalls();
    openAbove(pWindow);
}

void CMenuShots::openAbove(CBaseWindow* pWindow)
{
    pWindow->show();
    m_Driver.runDeferredCalls();
}

void CMenuShots::click(const CEGUI::Window* pWindow)
{
    const CEGUI::Rectf rect = pWindow->getUnclippedOuterRect().get();
    m_Driver.moveMouse(0, 0);
    m_Driver.click(int(rect.left() + rect.getWidth() / 2), int(rect.top() + rect.getHeight() / 2));
    m_Driver.runDeferredCalls();
}

bool CMenuShots::shot(const char* pszName)
{
    // Two frames: CEGUI lays out what changed in the first.
    for (int i = 0; i < 2; ++i)
        m_Driver.frame(SEA, [this] {
            SetSpriteScreenTransforms(Vantile::CD3D9RenderSystem::Instance().GetDevice());
            m_Gui.renderBackground();
            m_Gui.renderHeader();
            m_Gui.renderTopWindow();
        });
    const std::string strPath = m_strOut + "/" + pszName + ".png";
    if (!Vantile::SaveFramePicture(strPath))
        m_Failed.push_back(strPath);
    return true;
}

int CMenuShots::run()
{
    m_Gui.setup();
    m_Gui.loadBackground();
    m_Gui.showMainMenu();
    m_Driver.runDeferredCalls();
    m_Driver.typeText("Marina");
    shot("first_start_name");
    m_Gui.nameDialog()->getTextBox()->setText("");
    click(m_Gui.nameDialog()->getOkButton());
    shot("name_empty");

    addPlayers();
    m_Gui.setup();
    open(m_Gui.mainMenu());
    m_Driver.moveMouse(390, 210);
    shot("main_menu");
    open(m_Gui.gameChoice());
    shot("new_or_continue");
    open(m_Gui.newGameQuestion());
    shot("new_game_question");
    open(m_Gui.settings());
    shot("settings");
    open(m_Gui.topScores());
    shot("high_scores");
    open(m_Gui.rules());
    shot("rules");
    openAbove(m_Gui.rules()->getCreditsPage());
    shot("credits");
    open(m_Gui.profileChooser());
    CWhoAreYouWindow* pChooser = m_Gui.profileChooser();
    pChooser->getList()->setItemSelectState(size_t(2), true);
    shot("profile_chooser");
    click(pChooser->getRenameButton());
    shot("rename_player");
    click(pChooser->getRenameDialog()->getCancelButton());
    click(pChooser->getDeleteButton());
    shot("delete_question");
    click(pChooser->getDeleteQuestion()->getNoButton());
    pChooser->getList()->setItemSelectState(size_t(0), true);
    m_Driver.runDeferredCalls();
    m_Driver.typeText("Nemo");
    shot("new_player");
    for (const std::string& strPath : m_Failed)
        ToolFail(strPath, "cannot write the picture");
    return m_Failed.empty() ? 0 : 1;
}

std::string MakeUserFolder()
{
    char szTemplate[] = "/tmp/quellon-menus-XXXXXX";
    const char* pszFolder = mkdtemp(szTemplate);
    return pszFolder ? pszFolder : "";
}

void RemoveUserFolder(const std::string& strFolder)
{
    std::error_code error;
    std::filesystem::remove_all(strFolder, error);
}

}  // namespace

int ToolRun_menus(const ToolArgs& args)
{
    if (args[0] != "--out")
        return ToolFail("menus", "usage: quellon-tool menus --out DIR");
    std::error_code folderError;
    std::filesystem::create_directories(args[1], folderError);
    if (folderError)
        return ToolFail(args[1], "cannot make the folder");
    const std::string strData = CGameContext::gameFolder();
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    Vantile::CD3D9RenderSystem& renderSystem = Vantile::CD3D9RenderSystem::Instance();
    const int nMode = renderSystem.FindVideoMode(800, 600, 32);
    if (nMode < 0 || !renderSystem.CreateRenderWindow(nMode, "quellon-tool menus", false))
        return ToolFail("menus", "no 800 x 600 device");
    const std::string strUser = MakeUserFolder();
    if (strUser.empty())
        return ToolFail("menus", "no temporary folder for the players");
    try {
        Vantile::CResourceManager::Instance().Init(strData, true);
        CSpriteLoader::Instance().setFinished(true);
        LoadToolLocale();
        // The rules page's show draws board items with the game's looks.
        RunStartupScript("init.lua");
        CBoardScreen::attachItemVisuals();
        int nStatus = 0;
        {
            CMenuShots shots(strUser, args[1]);
            nStatus = shots.run();
        }
        CBoardScreen::closeDrawing();
        RemoveUserFolder(strUser);
        return nStatus;
    } catch (const Vantile::Exception& e) {
        RemoveUserFolder(strUser);
        return ToolFail(strData, e.getDetails());
    }
}
