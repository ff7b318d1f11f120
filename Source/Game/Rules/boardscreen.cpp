#include "Game/Rules/boardscreen.h"

#include <strings.h>

#include "Game/Rules/boarddriver.h"
#include "Game/Items/animationmanager.h"
#include "Game/Level/gamefile.h"
#include "Game/Sprites/spritelayervisual.h"
#include "Game/Sprites/spriteloader.h"
#include "Game/Sprites/spritescreen.h"
#include "Game/Sprites/spritevbarray.h"
#include "RenderSystem/vantile_rendersystem.h"

namespace {

CSpriteLayerVisualSource g_VisualSource;

}  // namespace

bool CBoardScreen::openDevice(const std::string& strTitle)
{
    Vantile::CD3D9RenderSystem& renderSystem = Vantile::CD3D9RenderSystem::Instance();
    const int nMode = renderSystem.FindVideoMode(800, 600, 32);
    if (nMode < 0 || !renderSystem.CreateRenderWindow(nMode, strTitle, false))
        return false;
    CSpriteLoader::Instance().setFinished(true);
    attachItemVisuals();
    return true;
}

void CBoardScreen::attachItemVisuals()
{
    CAnimationManager::Instance().setVisualSource(&g_VisualSource);
}

void CBoardScreen::closeDrawing()
{
    CAnimationManager::Instance().setVisualSource(nullptr);
    g_VisualSource.clear();
    CSpriteVBArray::Instance().clear();
}

CBoardScreen::CBoardScreen(Vantile::CRenderQueue::EffectLoader loader)
{
    if (loader)
        m_Queue.SetEffectLoader(std::move(loader));
    m_Queue.MakeCurrent();
}

void CBoardScreen::frame(CBoardDriver& driver, const std::function<void()>& drawOver)
{
    scene([&] {
        driver.frame([&] {
            if (drawOver)
                drawOver();
            m_Queue.RenderContainers();
        });
    });
}

void CBoardScreen::frame(const std::function<void()>& draw)
{
    scene([&] {
        draw();
        m_Queue.RenderContainers();
    });
}

void CBoardScreen::scene(const std::function<void()>& draw)
{
    IDirect3DDevice8* pDevice = Vantile::CD3D9RenderSystem::Instance().GetDevice();
    pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, SEA_COLOUR, 1.0f, 0);
    pDevice->BeginScene();
    SetSpriteScreenTransforms(pDevice);
    draw();
    pDevice->EndScene();
    m_Queue.ClearContainers();
}

std::string FieldPictureOf(const std::string& strLevel)
{
    for (const CLevelInfo& level : CGameFile::load())
        if (strcasecmp(level.m_strFile.c_str(), strLevel.c_str()) == 0)
            return level.m_strField;
    return std::string();
}
