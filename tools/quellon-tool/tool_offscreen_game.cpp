#include "tool_offscreen_game.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "Business/profilesstore.h"
#include "Game/Context/gamecontext.h"
#include "Game/Rules/boardscreen.h"
#include "Game/Script/gamescript.h"
#include "Resources/vantile_resourcemanager.h"

COffscreenGame::~COffscreenGame()
{
    if (m_bDrawing)
        CBoardScreen::closeDrawing();
    if (m_strHome.empty())
        return;
    std::error_code error;
    std::filesystem::remove_all(m_strHome, error);
}

std::string COffscreenGame::open(const std::string& strCommand)
{
    std::string strTemplate = "/tmp/quellon-" + strCommand + "-XXXXXX";
    std::vector<char> name(strTemplate.begin(), strTemplate.end());
    name.push_back('\0');
    if (!mkdtemp(name.data()))
        return "cannot make a folder for the player's store";
    m_strHome = name.data();
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (!CBoardScreen::openDevice("quellon-tool " + strCommand))
        return "no 800 x 600 device";
    m_bDrawing = true;
    Vantile::CResourceManager::Instance().Init(CGameContext::gameFolder(), true);
    RunStartupScript("init.lua");
    return std::string();
}

void COffscreenGame::addPlayer(const std::string& strName, int nLevel) const
{
    CProfilesStore store(m_strHome, m_strHome);
    store.load();
    CProfile* pProfile = store.profiles()->create(strName);
    pProfile->m_nLevel = nLevel;
    store.profiles()->setCurrent(pProfile);
    store.save();
}
