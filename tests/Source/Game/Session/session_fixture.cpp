#include "session_fixture.h"

#include "../Board/board_fixture.h"
#include "Business/profilesstore.h"
#include "Core/vantile_frametimer.h"
#include "Core/vantile_random.h"
#include "Game/Context/gamecontext.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/Items/animationmanager.h"
#include "Game/Session/gamemenus.h"
#include "Resources/vantile_resourcemanager.h"

namespace {

void clearQueue()
{
    CGameContext& context = CGameContext::Instance();
    while (context.eventCount() > 0)
        context.popEvent();
}

// A main menu that shows, so the game waits in it.
class CShownMenus : public CNoMenus {
public:
    bool showMainMenu() override { return true; }
};

std::string levelFile(const SessionTest::LevelDesign& design)
{
    std::string strCells;
    for (int k = 0; k < 64; ++k)
        strCells += "80";
    return "<root><game types=\"0102030405\" period=\"" + std::to_string(design.nPeriod) + "\" powerups=\"" +
           std::to_string(design.nPowerups) + "\" bonustime=\"1\"/><cells value=\"" + strCells + "\"/></root>";
}

}  // namespace

void SessionTest::SetUp()
{
    CAnimationManager::Instance().clear();
    for (int nType = 1; nType <= eTimeFreeze; ++nType)
        AddTestItemLayers(nType);
    clearQueue();
    CTooltipManager::Instance().clear();
    Vantile::SeedRandom(7);
    writeLevels({LevelDesign(), LevelDesign(), LevelDesign()});
}

void SessionTest::TearDown()
{
    m_pDriver.reset();
    m_pGame.reset();
    clearQueue();
    CTooltipManager::Instance().clear();
    CAnimationManager::Instance().clear();
    CGameContext::Instance().m_bTrunkShown = false;
    CGameContext::Instance().m_bPowerupArmed = false;
}

void SessionTest::writeLevels(const std::vector<LevelDesign>& levels)
{
    std::string strGame = "<root>";
    for (size_t i = 0; i < levels.size(); ++i) {
        const std::string strFile = "level" + std::to_string(i) + ".xml";
        m_Temp.write("game/" + strFile, levelFile(levels[i]));
        strGame += "<level name=\"Reef " + std::to_string(i) + "\" file=\"" + strFile +
                   "\" field=\"field.jpg\" scene=\"scene.xml\" fogcolor=\"FF000000\" bgfishes=\"1\" fgfishes=\"1\"/>";
    }
    m_Temp.write("game/game.gam", strGame + "</root>");
    Vantile::CResourceManager::Instance().Init(m_Temp.path() + "/game", true);
}

void SessionTest::start(const std::string& strPlayer, bool bMenus)
{
    m_Temp.write("home/.keep", "");
    if (!strPlayer.empty()) {
        CProfilesStore store(m_Temp.path() + "/home", m_Temp.path() + "/legacy");
        store.load();
        store.profiles()->setCurrent(store.profiles()->create(strPlayer));
        ASSERT_TRUE(store.save());
    }
    auto pStore = std::make_unique<CProfilesStore>(m_Temp.path() + "/home", m_Temp.path() + "/legacy");
    std::unique_ptr<IGameMenus> pMenus;
    if (bMenus)
        pMenus = std::make_unique<CShownMenus>();
    m_pGame = std::make_unique<CGame>(std::move(pStore), std::move(pMenus));
    m_pGame->setScreenshotFolder(m_Temp.path());
    m_pDriver = std::make_unique<CSessionDriver>(*m_pGame, false);
}

void SessionTest::reach(int nState, int nMaxFrames)
{
    ASSERT_TRUE(m_pDriver->runUntilState(nState, nMaxFrames))
        << "state " << nState << " not reached; the game is in " << m_pGame->getState();
}

void SessionTest::reachPlay()
{
    reach(CGame::ePlay);
}

void SessionTest::reachNext(int nState, int nMaxFrames)
{
    const int nNow = m_pGame->getState();
    ASSERT_TRUE(m_pDriver->runUntil([&] { return m_pGame->getState() != nNow; }, nMaxFrames))
        << "the game stays in " << nNow;
    reach(nState, nMaxFrames);
}

std::vector<int> SessionTest::statesUntil(int nState, int nMaxFrames)
{
    std::vector<int> states;
    m_pDriver->runUntil(
        [&] {
            if (states.empty() || states.back() != m_pGame->getState())
                states.push_back(m_pGame->getState());
            return m_pGame->getState() == nState && states.size() > 1 && !m_pGame->isTransition();
        },
        nMaxFrames);
    return states;
}

CProfile SessionTest::saved() const
{
    CProfilesStore store(m_Temp.path() + "/home", m_Temp.path() + "/legacy");
    store.load();
    for (size_t i = 0; i < store.profiles()->size(); ++i)
        if (store.profiles()->at(i)->getName() == player().getName())
            return *store.profiles()->at(i);
    ADD_FAILURE() << "the player was not saved";
    return CProfile();
}
