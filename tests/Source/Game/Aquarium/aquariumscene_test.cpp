#include "Game/Aquarium/aquariumscene.h"

#include <gtest/gtest.h>

#include <cmath>

#include "Core/vantile_exception.h"
#include "Core/vantile_random.h"
#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spriteloader.h"
#include "Objects/vantile_objectformat.h"
#include "Objects/vantile_sceneloader.h"
#include "Resources/vantile_resourcemanager.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

// A plant turned a quarter round about z, so its diagonal holds zeros
// and ones.
std::string TurnedPlant()
{
    SObjectFile file;
    file.Root.strName = "weed";
    D3DXMatrixRotationZ(&file.Root.mLocal, 0.5f);
    return WriteObjectFile(file);
}

// A path scene object: whichever dummies are named, each a plain node.
std::string PathObject(const std::vector<std::string>& dummies)
{
    SObjectFile file;
    file.Root.strName = "paths";
    file.Root.mLocal = IdentityMatrix();
    for (const std::string& strName : dummies) {
        SNodeRecord dummy;
        dummy.strName = strName;
        D3DXMatrixTranslation(&dummy.mLocal, 10, 20, 30);
        file.Root.Children.push_back(dummy);
    }
    return WriteObjectFile(file);
}

CNode* Clone(const char* pszObject)
{
    return CSceneLoader::Instance().GetObject(pszObject)->GetRoot()->Clone();
}

const char SCENE[] = R"(<root>
  <bg name="back.png"/>
  <fg name="front.png"/>
  <plant name="test_weed.object" x="-300" y="-280" bg="1"/>
  <plant name="test_weed.object" x="250" y="-300" scale="2"/>
  <fgsprite name="shell.png" x="120" y="-290"/>
</root>)";

// Sprites wait in the loader (no device needed), and scene files come
// from a data folder of the test's own.
class AquariumSceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bLoaderWasFinished = CSpriteLoader::Instance().isFinished();
        CSpriteLoader::Instance().setFinished(false);
        m_Data.write("game/test_weed.object", TurnedPlant());
        m_Data.write("game/test_paths_01.object", PathObject({"Turtle_Dummy01"}));
        m_Data.write("game/test_paths_03.object", PathObject({"Turtle_Dummy03"}));
        m_Data.write("game/scene_ok.xml", SCENE);
        m_Data.write("game/scene_nofg.xml", "<root><bg name=\"back.png\"/></root>");
        m_Data.write("game/scene_broken.xml", "<root><bg name=\"back.png\"></root>");
        CResourceManager::Instance().Init(m_Data.path() + "/game", true);
    }
    void TearDown() override
    {
        CSceneManager::Instance().ReleaseScene();
        CSceneManager::Instance().SetVisible(false);
        CAnimalManager::Instance().Release();
        CSpriteLoader::Instance().setFinished(m_bLoaderWasFinished);
    }

    CTempFolder m_Data;
    bool m_bLoaderWasFinished = false;
};

TEST_F(AquariumSceneTest, SceneFileGivesLayersInTheirPlaces)
{
    CSceneManager& manager = CSceneManager::Instance();
    manager.ChangeScene("scene_ok.xml");
    EXPECT_EQ(manager.GetScene(), nullptr) << "hidden until level play";
    manager.SetVisible(true);
    CAquariumScene* pScene = manager.GetScene();
    ASSERT_NE(pScene, nullptr);
    EXPECT_EQ(pScene->m_pBackground->getTextureName(), "back.png");
    EXPECT_EQ(pScene->m_pForeground->getPosition(), D3DXVECTOR3(-400, -300, 0));
    EXPECT_EQ(pScene->m_pForeground->getAnchor(), 2);
    ASSERT_EQ(pScene->m_BackPlants.size(), 1u);
    ASSERT_EQ(pScene->m_FrontPlants.size(), 1u);
    const D3DXMATRIX& mBack = *pScene->m_BackPlants[0]->GetLocalMatrix();
    const D3DXMATRIX& mFront = *pScene->m_FrontPlants[0]->GetLocalMatrix();
    EXPECT_EQ(mBack._41, -300.0f);
    EXPECT_EQ(mBack._42, -280.0f);
    EXPECT_FLOAT_EQ(mBack._11, std::cos(0.5f));
    // Scale 2 doubles the diagonal only, rotation or not.
    EXPECT_FLOAT_EQ(mFront._11, 2 * std::cos(0.5f));
    EXPECT_FLOAT_EQ(mFront._22, 2 * std::cos(0.5f));
    EXPECT_FLOAT_EQ(mFront._33, 2.0f);
    EXPECT_FLOAT_EQ(mFront._12, std::sin(0.5f));
    EXPECT_EQ(mFront._41, 250.0f);
    ASSERT_EQ(pScene->m_FrontSprites.size(), 1u);
    EXPECT_EQ(pScene->m_FrontSprites[0]->getPosition(), D3DXVECTOR3(120, -290, 0));
}

TEST_F(AquariumSceneTest, IncompleteOrBrokenSceneFilesThrowAndLeaveNoScene)
{
    CSceneManager& manager = CSceneManager::Instance();
    manager.SetVisible(true);
    manager.ChangeScene("scene_ok.xml");
    for (const char* pszFile : {"scene_nofg.xml", "scene_broken.xml"}) {
        try {
            manager.ChangeScene(pszFile);
            ADD_FAILURE() << pszFile << " was accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.getDetails(), std::string("Failed to load scene file [") + pszFile + "]");
        }
        EXPECT_EQ(manager.GetScene(), nullptr);
    }
}

TEST_F(AquariumSceneTest, AnimalsTakeTurnsAlongTheOnlyPath)
{
    CAnimalManager& animals = CAnimalManager::Instance();
    CNode* pPaths = new CNode();
    pPaths->AddChild(Clone("test_paths_03.object"));
    animals.AddScene(0, pPaths);
    animals.SetScene(0);
    CNode* apAnimals[3];
    for (CNode*& pAnimal : apAnimals) {
        pAnimal = new CNode();
        animals.AddAnimal(pAnimal);
    }
    Vantile::SeedRandom(5);
    animals.Update(0.02f);
    ASSERT_NE(animals.currentPath(), nullptr) << "the first update chooses";
    EXPECT_EQ(animals.currentPath()->GetName(), "Turtle_Dummy03");
    EXPECT_EQ(animals.currentAnimal()->GetParent()->GetWorld()._43, 30.0f) << "placed on the path";
    for (int nTurn = 0; nTurn < 20; ++nTurn) {
        CNode* pBefore = animals.currentAnimal();
        animals.Update(CAnimalManager::SWIM_SECONDS - 1.0f);
        EXPECT_EQ(animals.currentAnimal(), pBefore);
        animals.Update(1.5f);
        EXPECT_NE(animals.currentAnimal(), pBefore) << "turn " << nTurn;
    }
}

TEST_F(AquariumSceneTest, MissingSceneIndexOrTooFewAnimalsAreHarmless)
{
    CLogCapture log;
    CAnimalManager& animals = CAnimalManager::Instance();
    animals.SetScene(4);
    EXPECT_TRUE(log.contains(" [INFO] Failed to set animal scene [4]")) << log.text();
    animals.Update(1.0f);
    EXPECT_EQ(animals.currentAnimal(), nullptr);
    // A path scene without paths: nothing swims.
    animals.AddScene(1, new CNode());
    animals.SetScene(1);
    animals.AddAnimal(new CNode());
    animals.Update(1.0f);
    EXPECT_EQ(animals.currentAnimal(), nullptr);
    // One animal and a path: that animal swims every time.
    CNode* pPaths = new CNode();
    pPaths->AddChild(Clone("test_paths_01.object"));
    animals.AddScene(2, pPaths);
    animals.SetScene(2);
    animals.Update(1.0f);
    CNode* pOnly = animals.currentAnimal();
    EXPECT_NE(pOnly, nullptr);
    animals.Update(CAnimalManager::SWIM_SECONDS);
    EXPECT_EQ(animals.currentAnimal(), pOnly);
}

}  // namespace
