#include "tool_hud_draw.h"

#include <strings.h>

#include <cstdlib>
#include <memory>

#include "Business/xmllocale.h"
#include "Game/Board/boardscreen.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gamecontext.h"
#include "Game/Hints/hintmanager.h"
#include "Game/Hints/powerupchoosedialog.h"
#include "Game/Hints/textpainter.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/Level/gamefile.h"
#include "Game/Hud/gamegui.h"
#include "Game/Hud/loadingscreen.h"
#include "Game/Sprites/sprite.h"
#include "Resources/vantile_resource.h"
#include "tool_board_draw.h"
#include "tool_commands.h"
#include "tool_text.h"

namespace {

const float FRAME_SECONDS = 0.016f;
// The HUD's state in the picture: seconds into the level, the score.
const float PLAYED_SECONDS = 40.0f;
const int SHOT_SCORE = 12480;
const int SHOT_LIVES = 3;
const int SHOT_POWERUP = 3;

void UseToolText(CToolText& text)
{
    SetTextPainter(&text);
    CHintManager::Instance().setTextWindowMaker([&text](const std::string& strText) {
        return std::unique_ptr<IHintTextWindow>(new CToolHintText(text, strText));
    });
}

void DropToolText()
{
    SetTextPainter(nullptr);
    CHintManager::Instance().setTextWindowMaker(nullptr);
}

}  // namespace

void LoadToolLocale()
{
    Vantile::CResource resource("locale.xml");
    resource.Load();
    static std::unique_ptr<CXMLLocale> pLocale;
    pLocale.reset(new CXMLLocale(std::string(reinterpret_cast<const char*>(resource.GetData()), resource.GetSize())));
}

CHudShot::CHudShot(const std::string& strLevel) : m_pText(new CToolText)
{
    UseToolText(*m_pText);
    m_pHud.reset(new CGameGui(std::unique_ptr<IHudWindows>(new CToolHudWindows(*m_pText))));
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
    CHintManager::Instance().setGroup(CHintManager::NO_GROUP);
    m_pHud.reset();
    DropToolText();
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

void CHudShot::draw(float fSeconds)
{
    // The mouse rests on the score, so its hover hint shows.
    const D3DXVECTOR3 vMouse(320.0f, 150.0f, 0.0f);
    CGameContext::Instance().m_vMouse = vMouse;
    m_pHud->update(fSeconds);
    m_pHud->render(fSeconds);
    CTooltipManager::Instance().update(fSeconds);
    CTooltipManager::Instance().render(vMouse);
    CHintManager::Instance().update(fSeconds, vMouse);
    CHintManager::Instance().render();
}

int DrawChooserShot(const std::string& strOut)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (!CBoardScreen::openDevice("quellon-tool chooser"))
        return ToolFail("board", "no 800 x 600 device");
    bool bSaved = false;
    {
        CToolText text;
        UseToolText(text);
        CPowerupChooseDialog chooser;
        chooser.setAvailable(4);
        // The player has picked the mussel and looks at the turtle.
        const D3DXVECTOR3 vMouse = chooser.items()[1]->position();
        chooser.update(vMouse);
        chooser.click();
        chooser.show();
        CHintManager::Instance().setGroup(CPowerupChooseDialog::HINT_GROUP);
        CBoardScreen screen;
        for (int i = 0; i < 60; ++i) {
            screen.frame([&] {
                chooser.update(vMouse);
                chooser.render(FRAME_SECONDS);
                CHintManager::Instance().update(FRAME_SECONDS, vMouse);
                CHintManager::Instance().render();
            });
        }
        bSaved = SaveBackBuffer(strOut);
        CHintManager::Instance().setGroup(CHintManager::NO_GROUP);
        DropToolText();
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
        bSaved = SaveBackBuffer(strOut);
    }
    CBoardScreen::closeDrawing();
    return bSaved ? 0 : ToolFail(strOut, "cannot write the picture");
}
