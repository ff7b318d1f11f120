// Construction, the game file and state requests.
#include "Game/Session/game.h"

#include "Business/profilesstore.h"
#include "Game/Aquarium/aquarium.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gamecontext.h"
#include "Game/Hints/hintguiwindows.h"
#include "Game/Hints/powerupchoosedialog.h"
#include "Game/Hud/loadingscreen.h"
#include "Game/Map/map.h"
#include "Game/MiniGame/minigame.h"
#include "Game/MiniGame/minigamepond.h"
#include "Game/Session/gamemenus.h"
#include "Game/Sprites/sprite.h"
#include "Game/Story/comicsscreen.h"
#include "Game/Story/presplash.h"
#include "Game/Story/storypages.h"
#include "RenderSystem/vantile_rendersystem.h"

namespace {

// The loading screen's picture, shown until the main menu first shows.
const char* const SPLASH = "splash.jpg";

}  // namespace

CGame::CGame(std::unique_ptr<CProfilesStore> pStore, std::unique_ptr<IGameMenus> pMenus,
             std::unique_ptr<IHudWindows> pHudWindows)
    : m_pStore(std::move(pStore)),
      m_pMenus(pMenus ? std::move(pMenus) : std::make_unique<CNoMenus>()),
      m_bHudWindows(pHudWindows != nullptr),
      m_bDraw(Vantile::CD3D9RenderSystem::Instance().GetDevice() != nullptr),
      m_Hud(std::move(pHudWindows)),
      m_pField(std::make_unique<CGameField>()),
      m_PlayEvents(*m_pField, m_Hud, m_Scoring),
      m_AfterWin([this] { return m_pField->drawItemType(); }, m_bDraw)
{
    CGameContext::Instance().m_vWhirl = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    makeMiniGame();
    loadGame();
    m_pStore->load();
    m_pMenus->setup(*m_pStore);
    if (CProfile* pProfile = profile())
        pProfile->m_bInLevel = false;
    m_strScreenshotFolder = CGameContext::dataFolder();
    if (m_bDraw)
        makeScreens();
    makeChooser();
    makeLogo();
}

CGame::~CGame()
{
    releaseChooser();
}

void CGame::makeScreens()
{
    m_pLoading = std::make_unique<CLoadingScreen>();
    m_pMap = std::make_unique<CMap>(true);
    m_pSplash = std::make_unique<CSprite>(SPLASH, CSprite::WHITE, false, true);
}

void CGame::loadGame()
{
    m_Levels = CGameFile::load();
    m_nLevel = clampedLevel(m_nLevel);
}

// A profile from an edited file, or from a game with more levels, may
// name a level this game does not have.
int CGame::clampedLevel(int nLevel) const
{
    if (nLevel < 0 || nLevel >= int(m_Levels.size()))
        return 0;
    return nLevel;
}

void CGame::requestState(int nState, float fFadeSeconds, bool bForce)
{
    if (!bForce && m_bTransition && nState == m_nPendingState)
        return;
    m_nPendingState = nState;
    m_bTransition = true;
    m_Fader.start(fFadeSeconds);
}

void CGame::setLoadingProgress(int nPercent)
{
    if (m_pLoading)
        m_pLoading->setPercent(nPercent);
}

CProfile* CGame::profile() const
{
    return m_pStore->profiles()->current();
}

bool CGame::hasStory(int nLevel)
{
    return StorySetOf(nLevel) != nullptr;
}

void CGame::showProfileScore()
{
    if (const CProfile* pProfile = profile()) {
        m_Hud.setScore(pProfile->m_nLevelScore);
        m_Hud.setLives(pProfile->m_nLives);
    }
}

void CGame::saveProfiles()
{
    m_pStore->save();
}

void CGame::setAquarium(CAquarium* pAquarium)
{
    m_pAquarium = pAquarium;
    m_pField->setAquarium(pAquarium);
    attachMiniGamePond(pAquarium != nullptr);
}
