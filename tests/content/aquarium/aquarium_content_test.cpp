// The shipped aquarium, as the build wrote it into the data folder beside
// the test programs: every level's scene with its pictures and plants, the
// fish species, the animals with their paths and camera, the seabed line
// and the food.
#include <gtest/gtest.h>

#include <set>

#include "Game/Aquarium/aquariumscene.h"
#include "Game/Aquarium/aquariumscreen.h"
#include "Game/Rules/boarddriver.h"
#include "Game/Rules/boardscreen.h"
#include "Game/Board/gamefield.h"
#include "Game/Items/animationmanager.h"
#include "Game/Script/gamescript.h"
#include "Game/Sprites/spritelayervisual.h"
#include "Game/Sprites/spritevbarray.h"
#include "Game/Fish/fishworld.h"
#include "Game/Level/gamefile.h"
#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spriteloader.h"
#include "Objects/vantile_sceneloader.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Resources/vantile_resourcemanager.h"
#include "Resources/vantile_texturemanager.h"
#include "Scene/vantile_camera.h"
#include "Scene/vantile_skinnode.h"
#include "Scene/vantile_splinenode.h"
#include "support/offscreen_device.h"

using namespace Vantile;

namespace {

// One device and one render queue for the whole suite: loaded objects stay
// cached for the process, with materials that use the queue's effects.
class ShippedAquariumTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_pDevice = new COffscreenDevice();
        s_pQueue = new CRenderQueue();
    }
    static void TearDownTestSuite()
    {
        delete s_pQueue;
        delete s_pDevice;
        s_pQueue = nullptr;
        s_pDevice = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_pDevice->IsReady()) << s_pDevice->Error();
        CD3D9RenderSystem::Instance().SetDevice(s_pDevice->Device());
        s_pQueue->MakeCurrent();
        CResourceManager::Instance().Init("game", false);
        m_bLoaderWasFinished = CSpriteLoader::Instance().isFinished();
        CSpriteLoader::Instance().setFinished(false);
    }
    void TearDown() override
    {
        CSceneManager::Instance().ReleaseScene();
        CSpriteLoader::Instance().setFinished(m_bLoaderWasFinished);
        CD3D9RenderSystem::Instance().SetDevice(nullptr);
    }

    static void expectPicture(const std::string& strName)
    {
        const TextureRef texture = CTextureManager::Instance().GetTexture(strName);
        ASSERT_NE(texture.GetTexture(), nullptr) << strName;
        EXPECT_GT(texture.GetTexture()->GetWidth(), 0u) << strName;
    }

    static COffscreenDevice* s_pDevice;
    static CRenderQueue* s_pQueue;
    CSpriteLayerVisualSource m_VisualSource;
    bool m_bLoaderWasFinished = false;
};

COffscreenDevice* ShippedAquariumTest::s_pDevice = nullptr;
CRenderQueue* ShippedAquariumTest::s_pQueue = nullptr;

TEST_F(ShippedAquariumTest, EveryLevelSceneLoadsWithItsPicturesAndPlants)
{
    std::set<std::string> scenes;
    for (const CLevelInfo& level : CGameFile::load())
        scenes.insert(level.m_strScene);
    EXPECT_EQ(scenes, (std::set<std::string>{"scene01.xml", "scene02.xml", "scene03.xml", "scene04.xml",
                                             "scene05.xml"}));
    std::set<std::string> backgrounds;
    for (const std::string& strScene : scenes) {
        SCOPED_TRACE(strScene);
        CSceneManager& manager = CSceneManager::Instance();
        manager.ChangeScene(strScene);
        manager.SetVisible(true);
        const CAquariumScene* pScene = manager.GetScene();
        manager.SetVisible(false);
        ASSERT_NE(pScene, nullptr);
        backgrounds.insert(pScene->m_pBackground->getTextureName());
        expectPicture(pScene->m_pBackground->getTextureName());
        expectPicture(pScene->m_pForeground->getTextureName());
        for (const CSprite* pSprite : pScene->m_FrontSprites)
            expectPicture(pSprite->getTextureName());
        EXPECT_FALSE(pScene->m_BackPlants.empty());
        EXPECT_FALSE(pScene->m_FrontPlants.empty());
        for (const CNode* pPlant : pScene->m_FrontPlants)
            EXPECT_GT(pPlant->GetAnimationLength("sway", true), 0.0f) << "plants sway";
    }
    EXPECT_EQ(backgrounds.size(), scenes.size()) << "every scene has its own picture";
}

TEST_F(ShippedAquariumTest, EverySpeciesHasFourSegmentsItsSkinFollows)
{
    for (const CFishWorld::SSpecies& species : CFishWorld::species()) {
        SCOPED_TRACE(species.pszObject);
        const CNode* pRoot = CSceneLoader::Instance().GetObject(species.pszObject)->GetRoot();
        float fLastX = 1e9f;
        for (const char* pszSegment : {"Fish001", "Fish002", "Fish003", "Fish004"}) {
            const CNode* pSegment = pRoot->FindChild(pszSegment);
            ASSERT_NE(pSegment, nullptr) << pszSegment;
            EXPECT_EQ(pSegment->GetParent(), pRoot) << "segments are siblings";
            const D3DXMATRIX& mLocal = *const_cast<CNode*>(pSegment)->GetLocalMatrix();
            EXPECT_LT(mLocal._41, fLastX) << "head to tail along -x";
            fLastX = mLocal._41;
        }
        std::unique_ptr<CNode> pClone(pRoot->Clone());
        auto* pSkin = dynamic_cast<CSkinNode*>(pClone->FindChild("Body"));
        ASSERT_NE(pSkin, nullptr);
        EXPECT_EQ(pSkin->ResolveBones(*pClone), 0u);
        const CTexture* pTexture = pSkin->GetMaterial(0)->aTextures[0].GetTexture();
        ASSERT_NE(pTexture, nullptr);
        EXPECT_GT(pTexture->GetWidth(), 0u);
    }
    // The mini-game asks for two of them with other capitals.
    EXPECT_NE(CSceneLoader::Instance().GetObject("EmperiorAngel.object"), nullptr);
    EXPECT_NE(CSceneLoader::Instance().GetObject("Percula.object"), nullptr);
}

TEST_F(ShippedAquariumTest, AnimalsPathsAndCameraAreThere)
{
    for (const char* pszAnimal : {"turtle.object", "blue_shark.object", "ray.object"})
        EXPECT_GT(CSceneLoader::Instance().GetObject(pszAnimal)->GetRoot()->GetAnimationLength("swim", true), 0.0f)
            << pszAnimal << " swims";
    std::unique_ptr<CNode> pPaths(CSceneLoader::Instance().LoadScene("aniscene01.xml"));
    ASSERT_NE(pPaths, nullptr);
    for (const char* pszPath : {"Turtle_Dummy01", "Turtle_Dummy02", "Turtle_Dummy03", "Turtle_Dummy04",
                                "Turtle_Dummy05"}) {
        const CNode* pPath = pPaths->FindChild(pszPath);
        ASSERT_NE(pPath, nullptr) << pszPath;
        const float fLength = pPath->GetAnimationLength("paths", false);
        EXPECT_GT(fLength, 20.0f) << pszPath;
        EXPECT_LE(fLength, CAnimalManager::SWIM_SECONDS) << pszPath;
    }
    std::unique_ptr<CNode> pCameras(CSceneLoader::Instance().LoadScene("camera.xml"));
    ASSERT_NE(pCameras, nullptr);
    EXPECT_NE(dynamic_cast<CCamera*>(pCameras->FindChild("Camera01")), nullptr);
}

TEST_F(ShippedAquariumTest, SeabedLineSpansTheScreenAndFoodHasSevenKinds)
{
    const CNode* pRoot = CSceneLoader::Instance().GetObject("BottomLine.object")->GetRoot();
    const auto* pLine = dynamic_cast<const CSplineNode*>(pRoot->FindChild("BottomLine"));
    ASSERT_NE(pLine, nullptr);
    const std::vector<D3DXVECTOR3>& points = pLine->GetPoints();
    ASSERT_GE(points.size(), 2u);
    EXPECT_LE(points.front().x, -400.0f);
    EXPECT_GE(points.back().x, 400.0f);
    for (size_t i = 1; i < points.size(); ++i) {
        EXPECT_GT(points[i].x, points[i - 1].x);
        // Below the board (its bottom row ends at -220), above the screen's edge.
        EXPECT_LT(points[i].y, -225.0f);
        EXPECT_GT(points[i].y, -290.0f);
    }
    for (int i = 1; i <= 7; ++i)
        expectPicture("food-0" + std::to_string(i) + ".dds");
}

}  // namespace

namespace {

// The sea colour the screen clears to: wherever it still shows, nothing
// of the aquarium was drawn.
bool IsBareSea(D3DCOLOR dwPixel)
{
    return (dwPixel & 0xFFFFFF) == (CBoardScreen::SEA_COLOUR & 0xFFFFFF);
}

TEST_F(ShippedAquariumTest, BoardPlaysInFrontOfItsAquariumFromEverySide)
{
    RunStartupScript("init.lua");
    CAnimationManager::Instance().setVisualSource(&m_VisualSource);
    CSpriteLoader::Instance().setFinished(true);
    {
        CAquariumScreen screen;
        const std::string strLevel = "level37.xml";
        screen.startLevel(AquariumLevelOf(strLevel));
        EXPECT_FALSE(CFishWorld::Instance().frontFish().empty());
        EXPECT_FALSE(CFishWorld::Instance().backFish().empty());
        CGameField field;
        field.setAquarium(&screen.aquarium());
        field.initCells(FieldPictureOf(strLevel));
        CBoardDriver driver(field, true, 3);
        field.Load(strLevel);
        // Moves clear cells while the fish swim and the food falls: items
        // deleted in a frame must not be drawn after it.
        for (int nFrame = 0; nFrame < 90; ++nFrame) {
            std::pair<CGameCell*, CGameCell*> move;
            if (nFrame % 30 == 0 && driver.isSettled() && driver.chooseMove(move))
                driver.playMove(move.first, move.second);
            screen.frame(driver);
        }
        EXPECT_FALSE(CFishWorld::Instance().food().pellets().empty()) << "cleared cells fed the fish";
        // The background above, the seabed below, both beside the board.
        for (const auto& point : {std::make_pair(20u, 20u), std::make_pair(780u, 20u), std::make_pair(20u, 590u),
                                  std::make_pair(780u, 590u)})
            EXPECT_FALSE(IsBareSea(s_pDevice->Pixel(point.first, point.second))) << point.first << "," << point.second;
        field.setAquarium(nullptr);
    }
    CSpriteVBArray::Instance().clear();
    CAnimationManager::Instance().setVisualSource(nullptr);
    CAnimationManager::Instance().clear();
}

}  // namespace
