#include "Game/Session/gamestages.h"

#include "Core/vantile_frametimer.h"
#include "Game/Session/game.h"
#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spritescreen.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Renderstages/vantile_renderstages.h"
#include "Scene/vantile_fademeshnode.h"

namespace {

const int TOP_LEFT = 0;

void setScreenTransforms()
{
    if (IDirect3DDevice8* pDevice = Vantile::CD3D9RenderSystem::Instance().GetDevice())
        SetSpriteScreenTransforms(pDevice);
}

}  // namespace

void CGAMERenderStage::Render()
{
    if (m_nPass != 0)
        return;
    setScreenTransforms();
    m_Game.update(Vantile::CFrameTimer::Instance().frameSeconds());
}

CFadeRenderStage::CFadeRenderStage(CGame& game)
    : m_Game(game),
      m_pMesh(std::make_unique<Vantile::CFadeMeshNode>("fade", 800, 600)),
      // The pause picture waits for the loading screen; the cursor is
      // needed from the first frame.
      m_pPause(std::make_unique<CSprite>(PAUSE_PICTURE, CSprite::WHITE, false, false)),
      m_pCursor(std::make_unique<CSprite>(CURSOR, CSprite::WHITE, false, true))
{
    m_pCursor->setAnchor(TOP_LEFT);
    m_Game.fader().setMesh(m_pMesh.get());
}

CFadeRenderStage::~CFadeRenderStage()
{
    m_Game.fader().setMesh(nullptr);
}

void CFadeRenderStage::Render()
{
    setScreenTransforms();
    if (m_pMesh->IsVisible())
        m_pMesh->Enqueue();
    if (Vantile::CFrameTimer::Instance().isPaused())
        m_pPause->draw();
    // The cursor keeps moving while the clock is paused.
    m_pCursor->Animate(Vantile::CFrameTimer::Instance().frameSeconds());
    m_pCursor->placeAt(m_Game.mouse());
}

void AddSessionStages(Vantile::CRenderQueue& queue, CGame& game, Vantile::IRenderStage* pGuiStage)
{
    queue.AddStage(new Vantile::CRSClear(0xFF000000, true, 1.0f, true), true);
    queue.AddStage(new CGAMERenderStage(game, 0), true);
    if (pGuiStage)
        queue.AddStage(pGuiStage, true);
    queue.AddStage(new Vantile::CRSRenderTargets, true);
    queue.AddStage(new Vantile::CRSClearTargets, true);
    queue.AddStage(new CGAMERenderStage(game, 1), true);
    queue.AddStage(new CFadeRenderStage(game), true);
    queue.AddStage(new Vantile::CRSRenderTargets, true);
    queue.AddStage(new Vantile::CRSClearTargets, true);
}
