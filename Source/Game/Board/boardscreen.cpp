#include "Game/Board/boardscreen.h"

#include <strings.h>
#include <tinyxml.h>

#include "Game/Board/boarddriver.h"
#include "Game/Items/animationmanager.h"
#include "Game/Sprites/spritelayervisual.h"
#include "Game/Sprites/spriteloader.h"
#include "Game/Sprites/spritescreen.h"
#include "Game/Sprites/spritevbarray.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resource.h"

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
    CAnimationManager::Instance().setVisualSource(&g_VisualSource);
    return true;
}

void CBoardScreen::closeDrawing()
{
    CAnimationManager::Instance().setVisualSource(nullptr);
    CSpriteVBArray::Instance().clear();
}

CBoardScreen::CBoardScreen(Vantile::CRenderQueue::EffectLoader loader)
{
    if (loader)
        m_Queue.SetEffectLoader(std::move(loader));
    m_Queue.MakeCurrent();
}

void CBoardScreen::frame(CBoardDriver& driver)
{
    IDirect3DDevice8* pDevice = Vantile::CD3D9RenderSystem::Instance().GetDevice();
    pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, SEA_COLOUR, 1.0f, 0);
    pDevice->BeginScene();
    SetSpriteScreenTransforms(pDevice);
    driver.frame([this] { m_Queue.RenderContainers(); });
    pDevice->EndScene();
    m_Queue.ClearContainers();
}

std::map<std::string, std::string> GameEntryOf(const std::string& strLevel)
{
    Vantile::CResource resource("game.gam");
    resource.Load();
    const std::string strText(reinterpret_cast<const char*>(resource.GetData()), resource.GetSize());
    TiXmlDocument document;
    document.Parse(strText.c_str(), nullptr, TIXML_ENCODING_LEGACY);
    const TiXmlElement* pRoot = document.FirstChildElement("root");
    std::map<std::string, std::string> entry;
    for (const TiXmlElement* pLevel = pRoot ? pRoot->FirstChildElement("level") : nullptr; pLevel;
         pLevel = pLevel->NextSiblingElement("level")) {
        const char* pszFile = pLevel->Attribute("file");
        if (!pszFile || strcasecmp(pszFile, strLevel.c_str()) != 0)
            continue;
        for (const TiXmlAttribute* pAttribute = pLevel->FirstAttribute(); pAttribute; pAttribute = pAttribute->Next())
            entry[pAttribute->Name()] = pAttribute->Value();
        break;
    }
    return entry;
}

std::string FieldPictureOf(const std::string& strLevel)
{
    const auto entry = GameEntryOf(strLevel);
    const auto it = entry.find("field");
    return it == entry.end() ? std::string() : it->second;
}
