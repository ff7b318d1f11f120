#include "Game/Aquarium/aquarium.h"

#include <cstring>
#include <strings.h>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Game/Aquarium/aquariumscene.h"
#include "Game/Fish/fishworld.h"
#include "Game/Level/gamefile.h"
#include "Objects/vantile_sceneloader.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Renderstages/vantile_renderstages.h"
#include "Scene/vantile_camera.h"
#include "Scene/vantile_device.h"
#include "Scene/vantile_splinenode.h"

namespace {

const char PATH_SCENE[] = "aniscene01.xml";
const char CAMERA_SCENE[] = "camera.xml";
const char FLOOR_OBJECT[] = "BottomLine.object";

struct SAnimal {
    const char* pszObject;
    float fScale;
};
const SAnimal ANIMALS[] = {{"turtle.object", 0.02f}, {"blue_shark.object", 0.032f}, {"ray.object", 0.01f}};
// Every animal model is turned a quarter round to swim along its path.
const float ANIMAL_YAW = -1.57f;
// Far enough in front that sprites (z 1000) and fish (z 0) are in view.
const float SCREEN_CAMERA_Z = -1500.0f;

Vantile::CNode* LoadSceneFile(const char* pszName)
{
    Vantile::CNode* pRoot = Vantile::CSceneLoader::Instance().LoadScene(pszName);
    if (!pRoot)
        VANTILE_EXCEPT(0, Vantile::FormatString("Failed to load scene file [%s]", pszName), "CAquarium::buildScene()");
    return pRoot;
}

Vantile::CNode* MakeAnimal(const SAnimal& animal)
{
    Vantile::CNode* pAnimal = Vantile::CSceneLoader::Instance().GetObject(animal.pszObject)->GetRoot()->Clone();
    D3DXMATRIX mScale, mYaw;
    D3DXMatrixScaling(&mScale, animal.fScale, animal.fScale, animal.fScale);
    D3DXMatrixRotationY(&mYaw, ANIMAL_YAW);
    D3DXMatrixMultiply(pAnimal->GetLocalMatrix(), &mScale, &mYaw);
    pAnimal->PlayAnimation(true, true, 1.0f);
    return pAnimal;
}

void AddAquariumCamera(Vantile::CNode& sceneRoot, Vantile::CRenderQueue& queue)
{
    Vantile::CNode* pCameraScene = LoadSceneFile(CAMERA_SCENE);
    sceneRoot.AddChild(pCameraScene);
    auto* pCamera = dynamic_cast<Vantile::CCamera*>(pCameraScene->FindChild("Camera01"));
    if (!pCamera)
        VANTILE_EXCEPT(0, Vantile::FormatString("Failed to load scene file [%s]", CAMERA_SCENE),
                       "CAquarium::buildScene()");
    queue.AddCamera(pCamera);
}

void LoadSeabed()
{
    Vantile::CObject* pObject = Vantile::CSceneLoader::Instance().GetObject(FLOOR_OBJECT);
    auto* pLine = dynamic_cast<Vantile::CSplineNode*>(pObject->GetRoot()->FindChild("BottomLine"));
    if (!pLine)
        VANTILE_EXCEPT(0, Vantile::FormatString("Failed to load object [%s]: no spline \"BottomLine\"", FLOOR_OBJECT),
                       "CAquarium::buildScene()");
    CFishWorld::Instance().floor().setPoints(pLine->GetPoints());
}

// How much of the level's water colour lies over the deep schools.
const float DEEP_FOG_SHARE = 0.55f;

DWORD FloatBits(float fValue)
{
    DWORD dwBits;
    memcpy(&dwBits, &fValue, sizeof(dwBits));
    return dwBits;
}

// The deep schools draw with fog in the level's colour (their skins turn
// it on). A linear range from the eye puts the fish plane at the wanted
// share of fog, whatever the camera's distance.
void SetDeepFog()
{
    IDirect3DDevice8* pDevice = Vantile::SceneDevice();
    const Vantile::CRenderQueue* pQueue = Vantile::CRenderQueue::Current();
    const Vantile::CCamera* pCamera = pQueue && pQueue->HasCamera() ? pQueue->GetCamera() : nullptr;
    if (!pDevice || !pCamera || pCamera->GetViewMatrix()._43 <= 0)
        return;
    pDevice->SetRenderState(D3DRS_FOGTABLEMODE, D3DFOG_LINEAR);
    pDevice->SetRenderState(D3DRS_FOGSTART, FloatBits(0.0f));
    pDevice->SetRenderState(D3DRS_FOGEND, FloatBits(pCamera->GetViewMatrix()._43 / DEEP_FOG_SHARE));
}

}  // namespace

SAquariumLevel AquariumLevelOf(const CLevelInfo& level)
{
    SAquariumLevel aquarium;
    aquarium.strScene = level.m_strScene;
    aquarium.dwFogColor = level.m_nFogColor;
    aquarium.BgFishes = level.m_BackFish;
    aquarium.FgFishes = level.m_FrontFish;
    return aquarium;
}

SAquariumLevel AquariumLevelOf(const std::string& strLevelFile)
{
    for (const CLevelInfo& level : CGameFile::load())
        if (strcasecmp(level.m_strFile.c_str(), strLevelFile.c_str()) == 0)
            return AquariumLevelOf(level);
    return SAquariumLevel();
}

void CAquarium::buildScene(Vantile::CNode& sceneRoot, Vantile::CRenderQueue& queue,
                           Vantile::CSteerFrameHandler& steering)
{
    CAnimalManager& animals = CAnimalManager::Instance();
    Vantile::CNode* pPaths = LoadSceneFile(PATH_SCENE);
    for (const SAnimal& animal : ANIMALS)
        animals.AddAnimal(MakeAnimal(animal));
    animals.AddScene(0, pPaths);
    animals.SetScene(0);
    AddAquariumCamera(sceneRoot, queue);
    CFishWorld& world = CFishWorld::Instance();
    world.setSteerHandler(&steering);
    world.setRoot(&sceneRoot);
    LoadSeabed();
}

Vantile::CCamera* CAquarium::makeScreenCamera()
{
    D3DXMATRIX mAt;
    D3DXMatrixTranslation(&mAt, 0, 0, SCREEN_CAMERA_Z);
    auto* pCamera = new Vantile::CCamera("ScreenCamera", mAt, 45.0f, 1.0f, 5000.0f);
    pCamera->SetOrthographic(true);
    return pCamera;
}

void CAquarium::addStagesBehindBoard(Vantile::CRenderQueue& queue, Vantile::CNode& sceneRoot, size_t nAquariumCamera,
                                     size_t nScreenCamera)
{
    using namespace Vantile;
    const auto addDraw = [&queue] {
        queue.AddStage(new CRSRenderTargets(), true);
        queue.AddStage(new CRSClearTargets(), true);
    };
    queue.AddStage(new CRSSetCamera(nScreenCamera), true);
    queue.AddStage(new CRSSetCameraMatrices(), true);
    queue.AddStage(new CSceneLoaderRenderStage(), true);
    addDraw();
    queue.AddStage(new CRSSetCamera(nAquariumCamera), true);
    queue.AddStage(new CRSSetCameraMatrices(), true);
    queue.AddStage(new CAnimalRenderStage(), true);
    addDraw();
    queue.AddStage(new CRSClear(0, false, 1.0f, true), true);
    queue.AddStage(new CRSProcessTree(&sceneRoot, PROCESS_ALL), true);
    addDraw();
}

void CAquarium::releaseScene()
{
    CFishWorld& world = CFishWorld::Instance();
    world.ClearFish();
    world.food().clear();
    world.setSteerHandler(nullptr);
    world.setRoot(nullptr);
    CSceneManager::Instance().ReleaseScene();
    CAnimalManager::Instance().Release();
}

void CAquarium::startLevel(const SAquariumLevel& level)
{
    CSceneManager::Instance().ChangeScene(level.strScene);
    if (IDirect3DDevice8* pDevice = Vantile::SceneDevice())
        pDevice->SetRenderState(D3DRS_FOGCOLOR, level.dwFogColor);
    CFishWorld& world = CFishWorld::Instance();
    world.ClearFish();
    world.food().clear();
    world.CreateFishSchools(true, level.BgFishes);
    world.CreateFishSchools(false, level.FgFishes);
}

void CAquarium::setVisible(bool bVisible)
{
    CSceneManager::Instance().SetVisible(bVisible);
}

void CAquarium::update(float fSeconds)
{
    CFishWorld::Instance().UpdateFood(fSeconds);
}

void CAquarium::dropFood(const D3DXVECTOR3& vPoint)
{
    CFishWorld::Instance().DropFood(vPoint);
}

void CAquarium::drawBehindBoard()
{
    CFishWorld& world = CFishWorld::Instance();
    SetDeepFog();
    world.ProcessFrontFish();
    if (CAquariumScene* pScene = CSceneManager::Instance().GetScene())
        pScene->Draw();
    world.food().drawSettled();
    world.ProcessBackFish();
}

void CAquarium::drawInFrontOfBoard()
{
    CFishWorld::Instance().food().drawSinking();
}
