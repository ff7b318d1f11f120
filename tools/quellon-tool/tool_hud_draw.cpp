#include "tool_hud_draw.h"

#include <strings.h>

#include <cstdlib>
#include <memory>

#include "Business/xmllocale.h"
#include "Game/Rules/boarddriver.h"
#include "Game/Rules/boardscreen.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gamecontext.h"
#include "Game/Hints/hintguiwindows.h"
#include "Game/Hints/hintmanager.h"
#include "Game/Hints/powerupchoosedialog.h"
#include "Game/Hints/textpainter.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/Level/gamefile.h"
#include "Game/Hud/gamegui.h"
#include "Game/Hud/hudguiwindows.h"
#include "Game/Hud/loadingscreen.h"
#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spritescreen.h"
#include "RenderSystem/vantile_framepicture.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resource.h"
#include "gui/System/guidriver.h"
#include "tool_board_draw.h"
#include "tool_commands.h"

namespace {

const float FRAME_SECONDS = 0.016f;
// The HUD's state in the picture: seconds into the level, the score.
const float PLAYED_SECONDS = 40.0f;
const int SHOT_SCORE = 12480;
const int SHOT_LIVES = 3;
const int SHOT_POWERUP = 3;

std::unique_ptr<CGuiDriver> StartGui()
{
    std::unique_ptr<CGuiDriver> pGui(new CGuiDriver);
    pGui->handler().loadData();
    return pGui;
}

void StopHints()
{
    CHintManager::Instance().setGroup(CHintManager::NO_GROUP);
    CHintManager::Instance().setTextWindowMaker(nullptr);
    SetTextPainter(nullptr);
}

}  // namespace

void LoadToolLocale()
{
    Vantile::CResource resource("locale.xml");
    resource.Load();
    static std::unique_ptr<CXMLLocale> pLocale;
    pLocale.reset(new CXMLLocale(std::string(reinterpret_cast<const char*>(resource.GetData()), resource.GetSize())));
}

CHudShot::CHudShot(const std::string& strLevel) : m_pGui(StartGui()), m_pPainter(new CGuiTextPainter)
{
    UseGuiForHints(*m_pPainter);
    m_pHud.reset(new CGameGui(std::unique_ptr<IHudWindows>(new CHudGuiWindows)));
    std::string strName = strLevel;
    for (const CLevelInfo& level : CGameFile::load())
        if (strcasecmp(level.m_strFile.c_str(), strLevel.c_str()) == 0)
            strName = level.m_strName;
    CGameContext::Instance().m_nPowerup = SHOT_POWERUP;
    m_pHud->reset();
    m_pHud->setScore(SHOT_SCORE);
    m_pHud->setLives(SHOT_LIVES);
    m_pHud->startTimer(120.0f);
    m_pHud->setLevelTitle(strName);
    m_pHud->setPowerupAvailable(true);
    m_pHud->setActive(true);
    m_pHud->makePowerupMarkers();
    m_pHud->slideIn();
    m_pHud->addPowerupCharge(0.6f);
    // Play the level's first seconds without drawing: the panels come in,
    // the clock runs, the shuffle bar charges.
    for (float t = 0.0f; t < PLAYED_SECONDS; t += FRAME_SECONDS) {
        m_pHud->tickTimer(FRAME_SECONDS);
        m_pHud->update(FRAME_SECONDS);
    }
    CHintManager::Instance().setGroup(1);
}

CHudShot::~CHudShot()
{
    StopHints();
    m_pHud.reset();
    m_pPainter.reset();
}

void CHudShot::showTooltip(CGameField& field)
{
    if (m_bTooltip)
        return;
    m_bTooltip = true;
    CGameField::MoveList moves;
    field.findPossibleMoves(moves);
    if (!moves.empty())
        CTooltipManager::Instance().showHint(moves.front().first, moves.front().second);
    else
        CTooltipManager::Instance().showNumbered(CTooltipManager::HINT_MOVE);
}

// The board's queue is drawn before its events are handled (they may
// delete what it queued); the GUI then draws over it.
void CHudShot::frame(CBoardDriver& driver, float fSeconds)
{
    const D3DXVECTOR3 vMouse(320.0f, 150.0f, 0.0f);
    CGameContext::Instance().m_vMouse = vMouse;
    m_pGui->frame(CBoardScreen::SEA_COLOUR, [&] {
        driver.frame([&] {
            m_pHud->update(fSeconds);
            m_pHud->render(fSeconds);
            CTooltipManager::Instance().update(fSeconds);
            CTooltipManager::Instance().render(vMouse);
            CHintManager::Instance().update(fSeconds, vMouse);
            CHintManager::Instance().render();
            SetSpriteScreenTransforms(Vantile::CD3D9RenderSystem::Instance().GetDevice());
            m_pGui->queue().RenderContainers();
            m_pGui->queue().ClearContainers();
        });
    });
}

int DrawChooserShot(const std::string& strOut)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (!CBoardScreen::openDevice("quellon-tool chooser"))
        return ToolFail("board", "no 800 x 600 device");
    bool bSaved = false;
    {
        std::unique_ptr<CGuiDriver> pGui = StartGui();
        CGuiTextPainter painter;
        UseGuiForHints(painter);
        CPowerupChooseDialog chooser{std::unique_ptr<IChooserWindows>(new CChooserGuiWindows)};
        chooser.setAvailable(4);
        // The player has picked the mussel and looks at the turtle.
        const D3DXVECTOR3 vMouse = chooser.items()[1]->position();
        chooser.update(vMouse);
        chooser.click();
        chooser.show();
        CHintManager::Instance().setGroup(CPowerupChooseDialog::HINT_GROUP);
        for (int i = 0; i < 60; ++i) {
            pGui->frame(CBoardScreen::SEA_COLOUR, [&] {
                SetSpriteScreenTransforms(Vantile::CD3D9RenderSystem::Instance().GetDevice());
                chooser.update(vMouse);
                chooser.render(FRAME_SECONDS);
                CHintManager::Instance().update(FRAME_SECONDS, vMouse);
                CHintManager::Instance().render();
            });
        }
        bSaved = Vantile::SaveFramePicture(strOut);
        StopHints();
    }
    CBoardScreen::closeDrawing();
    return bSaved ? 0 : ToolFail(strOut, "cannot write the picture");
}

int DrawLoadingShot(const std::string& strOut, int nPercent)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (!CBoardScreen::openDevice("quellon-tool loading"))
        return ToolFail("loading", "no 800 x 600 device");
    bool bSaved = false;
    {
        CSprite splash("splash.jpg", CSprite::WHITE, false, true);
        CLoadingScreen loading;
        loading.setPercent(nPercent);
        CBoardScreen screen;
        for (int i = 0; i < 10; ++i) {
            screen.frame([&] {
                splash.placeAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
                loading.render(FRAME_SECONDS);
            });
        }
        bSaved = Vantile::SaveFramePicture(strOut);
    }
    CBoardScreen::closeDrawing();
    return bSaved ? 0 : ToolFail(strOut, "cannot write the picture");
}
