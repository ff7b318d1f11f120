// The level's aquarium scene: read from its XML file, drawn in layers.
#include <tinyxml.h>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Game/Aquarium/aquariumscene.h"
#include "Game/Sprites/sprite.h"
#include "Objects/vantile_sceneloader.h"
#include "Resources/vantile_resource.h"
#include "Resources/vantile_texturemanager.h"
#include "Scene/vantile_device.h"

namespace {

// The foreground and small pictures stand on their bottom-left corner.
const int BOTTOM_LEFT = 2;
const DWORD WHITE_FOG = 0xFFFFFFFF;

CSprite* MakeSprite(const char* pszTexture)
{
    return new CSprite(pszTexture, CSprite::WHITE, false, false);
}

[[noreturn]] void FailScene(const std::string& strFileName)
{
    VANTILE_EXCEPT(0, Vantile::FormatString("Failed to load scene file [%s]", strFileName.c_str()),
                   "CSceneManager::LoadScene()");
}

const char* NameOf(const TiXmlElement* pElement)
{
    return pElement ? pElement->Attribute("name") : nullptr;
}

// Plants take the white fog colour while they animate, as skinned meshes
// pick it up then.
void ProcessPlant(Vantile::CNode* pPlant)
{
    IDirect3DDevice8* pDevice = Vantile::SceneDevice();
    if (!pDevice) {
        pPlant->Process(Vantile::PROCESS_ALL);
        return;
    }
    Vantile::CRenderStateScope fog(pDevice, D3DRS_FOGCOLOR, WHITE_FOG);
    pPlant->Process(Vantile::PROCESS_ALL);
}

void DeleteAll(std::vector<Vantile::CNode*>& nodes)
{
    for (Vantile::CNode* pNode : nodes)
        delete pNode;
    nodes.clear();
}

}  // namespace

CAquariumScene::~CAquariumScene()
{
    for (CSprite* pPicture : {m_pBackground, m_pForeground}) {
        if (!pPicture)
            continue;
        Vantile::CTextureManager::Instance().RemoveTexture(pPicture->getTextureName());
        delete pPicture;
    }
    DeleteAll(m_FrontPlants);
    DeleteAll(m_BackPlants);
    for (CSprite* pSprite : m_FrontSprites)
        delete pSprite;
}

void CAquariumScene::DrawBackground()
{
    m_pBackground->draw();
}

void CAquariumScene::Draw()
{
    for (Vantile::CNode* pPlant : m_BackPlants)
        ProcessPlant(pPlant);
    m_pForeground->draw();
    for (Vantile::CNode* pPlant : m_FrontPlants)
        ProcessPlant(pPlant);
    for (CSprite* pSprite : m_FrontSprites)
        pSprite->draw();
}

CSceneManager& CSceneManager::Instance()
{
    static CSceneManager manager;
    return manager;
}

void CSceneManager::ChangeScene(const std::string& strFileName)
{
    ReleaseScene();
    LoadScene(strFileName);
}

void CSceneManager::ReleaseScene()
{
    m_pScene.reset();
}

void CSceneManager::LoadScene(const std::string& strFileName)
{
    Vantile::CResource resource(strFileName);
    resource.Load();
    const std::string strText(reinterpret_cast<const char*>(resource.GetData()), resource.GetSize());
    TiXmlDocument document;
    document.Parse(strText.c_str(), nullptr, TIXML_ENCODING_LEGACY);
    const TiXmlElement* pRoot = document.Error() ? nullptr : document.FirstChildElement("root");
    const char* pszBackground = NameOf(pRoot ? pRoot->FirstChildElement("bg") : nullptr);
    const char* pszForeground = NameOf(pRoot ? pRoot->FirstChildElement("fg") : nullptr);
    if (!pszBackground || !pszForeground)
        FailScene(strFileName);
    auto pScene = std::make_unique<CAquariumScene>();
    pScene->m_pBackground = MakeSprite(pszBackground);
    pScene->m_pForeground = MakeSprite(pszForeground);
    pScene->m_pForeground->setAnchor(BOTTOM_LEFT);
    pScene->m_pForeground->setPosition(D3DXVECTOR3(-400, -300, 0));
    for (const TiXmlElement* p = pRoot->FirstChildElement("plant"); p; p = p->NextSiblingElement("plant"))
        addPlant(*pScene, *p);
    for (const TiXmlElement* p = pRoot->FirstChildElement("fgsprite"); p; p = p->NextSiblingElement("fgsprite"))
        addSprite(*pScene, *p);
    m_pScene = std::move(pScene);
}

void CSceneManager::addPlant(CAquariumScene& scene, const TiXmlElement& element)
{
    int x = 0, y = 0, nBack = 0;
    double dScale = 1.0;
    element.QueryIntAttribute("x", &x);
    element.QueryIntAttribute("y", &y);
    element.QueryDoubleAttribute("scale", &dScale);
    element.QueryIntAttribute("bg", &nBack);
    const char* pszName = element.Attribute("name");
    Vantile::CNode* pPlant = Vantile::CSceneLoader::Instance().GetObject(pszName ? pszName : "")->GetRoot()->Clone();
    pPlant->PlayAnimation(true, true, 1.0f);
    D3DXMATRIX& mLocal = *pPlant->GetLocalMatrix();
    mLocal._41 = float(x);
    mLocal._42 = float(y);
    mLocal._43 = 0.0f;
    mLocal._11 *= float(dScale);
    mLocal._22 *= float(dScale);
    mLocal._33 *= float(dScale);
    (nBack != 0 ? scene.m_BackPlants : scene.m_FrontPlants).push_back(pPlant);
}

void CSceneManager::addSprite(CAquariumScene& scene, const TiXmlElement& element)
{
    int x = 0, y = 0;
    element.QueryIntAttribute("x", &x);
    element.QueryIntAttribute("y", &y);
    const char* pszName = element.Attribute("name");
    CSprite* pSprite = MakeSprite(pszName ? pszName : "");
    pSprite->setPosition(D3DXVECTOR3(float(x), float(y), 0));
    pSprite->setAnchor(BOTTOM_LEFT);
    scene.m_FrontSprites.push_back(pSprite);
}
