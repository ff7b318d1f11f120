#include "Game/Session/sessiondriver.h"

#include <cmath>

#include "Core/vantile_frametimer.h"
#include "Core/vantile_input.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gamecontext.h"
#include "Game/Hints/tooltipmanager.h"
#include "Game/Session/game.h"
#include "Game/Session/gamestages.h"
#include "Game/Sprites/spriteloader.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "gui/Renderer/guirenderstage.h"
#include "gui/System/guiframehandler.h"
#include "Renderstages/vantile_renderqueue.h"

CSessionDriver::CSessionDriver(CGame& game, bool bDraw, unsigned nBotSeed, Vantile::CGUIFrameHandler* pGui)
    : m_Game(game), m_Clock{0, 1000, 0}, m_pGui(pGui), m_Bot(nBotSeed)
{
    PlatformSetClockOverride(&m_Clock);
    Vantile::CFrameTimer::Instance().reset();
    Vantile::CFrameTimer::Instance().update();
    m_Loading.setTotal(static_cast<int>(CSpriteLoader::Instance().count()));
    if (bDraw && Vantile::CD3D9RenderSystem::Instance().GetDevice()) {
        m_pQueue = std::make_unique<Vantile::CRenderQueue>();
        m_pQueue->MakeCurrent();
        AddSessionStages(*m_pQueue, m_Game, m_pGui ? new CGUIRenderStage(m_pGui->getRenderer()) : nullptr);
    }
}

CSessionDriver::~CSessionDriver()
{
    m_pQueue.reset();
    PlatformSetClockOverride(nullptr);
    Vantile::CFrameTimer::Instance().pause(false);
    Vantile::CFrameTimer::Instance().reset();
}

void CSessionDriver::frame()
{
    m_Clock.counter += m_nFrameMs;
    m_Clock.ticks += m_nFrameMs;
    PlatformSetClockOverride(&m_Clock);
    Vantile::CFrameTimer::Instance().update();
    m_Loading.frame(m_Game);
    if (m_pGui)
        m_pGui->frameStarted({double(m_nFrameMs), double(m_Clock.ticks)});
    if (m_pQueue) {
        IDirect3DDevice8* pDevice = Vantile::CD3D9RenderSystem::Instance().GetDevice();
        pDevice->BeginScene();
        m_pQueue->RenderStages();
        pDevice->EndScene();
    } else {
        m_Game.update(Vantile::CFrameTimer::Instance().frameSeconds());
    }
    ++m_nFrames;
    turnStoryPage();
    closeTooltip();
}

void CSessionDriver::closeTooltip()
{
    const CTooltipManager& tooltips = CTooltipManager::Instance();
    if (m_bCloseTooltips && m_Game.getState() == CGame::ePlay && tooltips.isShowing() &&
        tooltips.current()->fAlpha >= 1.0f)
        click(QUIET_SPOT_X, QUIET_SPOT_Y);
}

void CSessionDriver::turnStoryPage()
{
    const int nState = m_Game.getState();
    const bool bStory = nState == CGame::eStory || nState == CGame::eFinalStory;
    if (m_bTurnStoryPages && bStory && !m_Game.isTransition() && m_Game.fader().progress() >= 1.0f)
        click(400, 300);
}

void CSessionDriver::frames(int nCount)
{
    for (int i = 0; i < nCount; ++i)
        frame();
}

bool CSessionDriver::runUntil(const std::function<bool()>& done, int nMaxFrames)
{
    for (int i = 0; i < nMaxFrames; ++i) {
        if (done())
            return true;
        frame();
    }
    return done();
}

bool CSessionDriver::runUntilState(int nState, int nMaxFrames)
{
    return runUntil(
        [&] { return m_Game.getState() == nState && !m_Game.isTransition() && m_Game.fader().progress() >= 1.0f; },
        nMaxFrames);
}

void CSessionDriver::send(int nAction, int nX, int nY)
{
    Vantile::InputEvent evt{};
    evt.type = Vantile::INPUT_MOUSE;
    evt.mouse.x = static_cast<uint32_t>(nX);
    evt.mouse.y = static_cast<uint32_t>(nY);
    evt.mouse.action = nAction;
    m_Game.handleInput(evt);
}

void CSessionDriver::mouseMove(int nX, int nY)
{
    send(Vantile::MOUSE_MOVE, nX, nY);
}

void CSessionDriver::click(int nX, int nY)
{
    mouseMove(nX, nY);
    send(Vantile::MOUSE_LEFT_DOWN, nX, nY);
    send(Vantile::MOUSE_LEFT_UP, nX, nY);
}

void CSessionDriver::key(int nVirtualKey)
{
    Vantile::InputEvent evt{};
    evt.type = Vantile::INPUT_KEY;
    evt.key.vk = nVirtualKey;
    evt.key.wParam = static_cast<uint32_t>(nVirtualKey);
    evt.key.down = true;
    m_Game.handleInput(evt);
    evt.key.down = false;
    m_Game.handleInput(evt);
}

void CSessionDriver::activate(bool bActive)
{
    Vantile::InputEvent evt{};
    evt.type = Vantile::INPUT_ACTIVATE;
    evt.activate.wParam = bActive ? 1 : 0;
    m_Game.handleInput(evt);
}

// Board units are the screen's: the pixel of a cell's centre.
void CSessionDriver::clickCell(const CGameCell* pCell)
{
    const D3DXVECTOR3& vCentre = pCell->position();
    click(static_cast<int>(std::lround(vCentre.x + 400.0f)), static_cast<int>(std::lround(300.0f - vCentre.y)));
}

bool CSessionDriver::playMove(const MovePreference& prefer)
{
    CGameField& field = m_Game.field();
    if (!field.isSettled() || field.isBusy())
        return false;
    CGameField::MoveList moves;
    field.findPossibleMoves(moves);
    if (prefer) {
        CGameField::MoveList preferred;
        for (const auto& move : moves)
            if (prefer(move.first, move.second))
                preferred.push_back(move);
        if (!preferred.empty())
            moves.swap(preferred);
    }
    if (moves.empty())
        return false;
    const auto& move = moves[m_Bot() % moves.size()];
    clickCell(move.first);
    clickCell(move.second);
    ++m_nMoves;
    return true;
}
