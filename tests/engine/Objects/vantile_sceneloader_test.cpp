#include "Objects/vantile_sceneloader.h"

#include <gtest/gtest.h>

#include "Core/vantile_exception.h"
#include "Scene/vantile_camera.h"
#include "Scene/vantile_light.h"
#include "Scene/vantile_nodeanimator.h"
#include "Scene/vantile_particleemitter.h"
#include "Scene/vantile_skinnode.h"
#include "object_samples.h"
#include "object_test_folder.h"
#include "support/log_capture.h"

using namespace Vantile;

namespace {

const char* const IDENTITY = "_11=\"1\" _12=\"0\" _13=\"0\" _14=\"0\" _21=\"0\" _22=\"1\" _23=\"0\" _24=\"0\" "
                             "_31=\"0\" _32=\"0\" _33=\"1\" _34=\"0\" _41=\"0\" _42=\"0\" _43=\"0\" _44=\"1\"";

std::string Node(const std::string& strName, const std::string& strBody, const std::string& strExtra = "")
{
    return "<node name=\"" + strName + "\" " + IDENTITY + " " + strExtra + ">" + strBody + "</node>";
}

class SceneLoaderTest : public ::testing::Test {
protected:
    std::unique_ptr<CNode> Load(const std::string& strText)
    {
        return std::unique_ptr<CNode>(CSceneLoader::Instance().LoadSceneFromText(strText, "scene.xml"));
    }

    CObjectTestFolder m_Data;
};

TEST_F(SceneLoaderTest, TypeElementsMakeCamerasEmittersAndLights)
{
    const std::string strScene =
        "<scene>" +
        Node("top",
             Node("Camera01", "<light color_r=\"0.5\"/><camera/>") +
                 Node("Bubbles", "<emitter TTL=\"4\" GenSpeed=\"2.5\" Velocity=\"30\" AVelocity=\"1.5\" Phase=\"0.25\" "
                                 "width=\"100\" height=\"50\" Objects=\"bubble.object,foam.object\"/>") +
                 Node("Lamp", "<light color_r=\"0.25\" color_g=\"0.5\" color_b=\"0.75\" type=\"2\" tdist=\"10\" "
                              "hotspot=\"20\" fallsize=\"30\"/>") +
                 Node("Still", "<emitter/>")) +
        "</scene>";
    std::unique_ptr<CNode> pScene = Load(strScene);
    ASSERT_NE(pScene, nullptr);
    EXPECT_EQ(pScene->GetName(), "top");

    CCamera* pCamera = dynamic_cast<CCamera*>(pScene->FindChild("Camera01"));
    ASSERT_NE(pCamera, nullptr) << "a camera after a light wins";
    EXPECT_FLOAT_EQ(pCamera->GetFov(), 43.0f);
    EXPECT_FLOAT_EQ(pCamera->GetNear(), 1.0f);
    EXPECT_FLOAT_EQ(pCamera->GetFar(), 20000.0f);

    CParticleEmitter* pEmitter = dynamic_cast<CParticleEmitter*>(pScene->FindChild("Bubbles"));
    ASSERT_NE(pEmitter, nullptr);
    EXPECT_FLOAT_EQ(pEmitter->m_fTTL, 4.0f);
    EXPECT_FLOAT_EQ(pEmitter->m_fGenSpeed, 2.5f);
    EXPECT_FLOAT_EQ(pEmitter->m_fVelocity, 30.0f);
    EXPECT_FLOAT_EQ(pEmitter->m_fAVelocity, 1.5f);
    EXPECT_FLOAT_EQ(pEmitter->m_fWidth, 100.0f);
    EXPECT_FLOAT_EQ(pEmitter->m_fHeight, 50.0f);
    EXPECT_EQ(pEmitter->m_Objects, (std::vector<std::string>{"bubble.object", "foam.object"}));
    EXPECT_FALSE(pEmitter->m_bEmit);
    EXPECT_EQ(pEmitter->GetChildCount(), 0u);
    pEmitter->Animate();
    EXPECT_EQ(pEmitter->m_fStartPhase, 0.0f) << "the phase is spent on the first frame";
    const CParticleEmitter* pStill = dynamic_cast<CParticleEmitter*>(pScene->FindChild("Still"));
    ASSERT_NE(pStill, nullptr);
    EXPECT_TRUE(pStill->m_Objects.empty());
    EXPECT_FLOAT_EQ(pStill->m_fGenSpeed, 1.0f);

    CLight* pLight = dynamic_cast<CLight*>(pScene->FindChild("Lamp"));
    ASSERT_NE(pLight, nullptr);
    EXPECT_FLOAT_EQ(pLight->GetColor()[2], 0.75f);
    EXPECT_EQ(pLight->GetType(), 2);
    EXPECT_FLOAT_EQ(pLight->GetTargetDistance(), 10.0f);
    EXPECT_FLOAT_EQ(pLight->GetHotspot(), 20.0f);
    EXPECT_FLOAT_EQ(pLight->GetFalloff(), 30.0f);
}

TEST_F(SceneLoaderTest, MatricesGroupsAndMissingAttributes)
{
    const std::string strScene = "<scene><node name=\"top\" _41=\"5\" _42=\"-2.5\" _11=\"2\" cameras=\"Camera01,Camera02\">" +
                                 Node("any", "", "cameras=\",x,\"") + "</node></scene>";
    std::unique_ptr<CNode> pScene = Load(strScene);
    ASSERT_NE(pScene, nullptr);
    const D3DXMATRIX& m = *pScene->GetLocalMatrix();
    EXPECT_EQ(m._11, 2.0f);
    EXPECT_EQ(m._22, 1.0f) << "missing elements are the identity's";
    EXPECT_EQ(m._41, 5.0f);
    EXPECT_EQ(m._42, -2.5f);
    EXPECT_EQ(m._12, 0.0f);
    EXPECT_EQ(pScene->GetGroups(), (std::vector<std::string>{"Camera01", "Camera02"}));
    EXPECT_EQ(pScene->GetChild(0)->GetGroups(), (std::vector<std::string>{"", "x", ""}));
}

TEST_F(SceneLoaderTest, MeshesCloneCachedObjectsAndTakeTheirAnimation)
{
    m_Data.Write("fish.object", SampleFish());
    std::unique_ptr<CNode> pScene =
        Load("<scene>" + Node("top", Node("Dummy01", "<mesh name=\"fish.object\"/>") + "<mesh name=\"fish.object\"/>") +
             "</scene>");
    ASSERT_NE(pScene, nullptr);
    CObject* pObject = CSceneLoader::Instance().GetObject("fish.object");
    EXPECT_EQ(CSceneLoader::Instance().GetObject("fish.object"), pObject);

    CNode* pDummy = pScene->FindChild("Dummy01");
    ASSERT_EQ(pDummy->GetChildCount(), 1u);
    CNode* pClone = pDummy->GetChild(0);
    EXPECT_NE(pClone, pObject->GetRoot());
    EXPECT_EQ(pClone->GetName(), "FishRoot");
    EXPECT_EQ(pClone->GetAnimator(), nullptr);
    ASSERT_NE(pDummy->GetAnimator(), nullptr) << "the scene node moves by the object's animation";
    EXPECT_EQ(pDummy->GetAnimator()->GetCurrentTrack()->GetName(), "swim");
    EXPECT_NE(pObject->GetRoot()->GetAnimator(), nullptr) << "the cached object keeps its own";

    CSkinNode* pFin = dynamic_cast<CSkinNode*>(pClone->FindChild("Fin"));
    ASSERT_NE(pFin, nullptr);
    EXPECT_EQ(pFin->GetBoneNode(0), pScene->FindChild("Body")) << "bones resolve from the scene root, first match";
    pScene.reset();
    EXPECT_NE(pObject->GetRoot()->FindChild("Fin"), nullptr) << "deleting clones never touches the cache";
}

TEST_F(SceneLoaderTest, UnreadableDocumentsGiveNoScene)
{
    CLogCapture log;
    for (const char* pszText : {"", "<scene>", "<scene>text first<node/></scene>", "<scene/>", "<scene><!-- c --><node/></scene>",
                                "<a></b>"})
        EXPECT_EQ(Load(pszText), nullptr) << pszText;
    EXPECT_TRUE(log.contains("Failed to load scene file [scene.xml]"));
}

TEST_F(SceneLoaderTest, ABrokenObjectFailsTheLoadAndIsNotCached)
{
    m_Data.Write("broken.object", WriteObjectFile(SampleFish()).substr(0, 40));
    const std::string strScene = "<scene>" + Node("top", Node("a", "") + "<mesh name=\"broken.object\"/>") + "</scene>";
    EXPECT_THROW(Load(strScene), Exception);
    EXPECT_THROW(CSceneLoader::Instance().GetObject("broken.object"), Exception);
    EXPECT_THROW(Load("<scene>" + Node("top", "<mesh name=\"absent.object\"/>") + "</scene>"), Exception);
}

}  // namespace

// Every number of a scene is read whole and in range: a value a float
// would turn into infinity, zero or a cut-off prefix fails the load with
// the attribute's name instead of placing a node at infinity.
TEST_F(SceneLoaderTest, NumbersOutsideTheSceneOrNotWholeFailTheLoad)
{
    const std::pair<std::string, std::string> cases[] = {
        {"<node name=\"n\" _41=\"1e308\"/>", "_41"},
        {"<node name=\"n\" _11=\"nan\"/>", "_11"},
        {"<node name=\"n\" _42=\"5abc\"/>", "_42"},
        {"<node name=\"n\" _43=\"\"/>", "_43"},
        {"<node name=\"n\"><emitter TTL=\"1e-64\"/></node>", "TTL"},
        {"<node name=\"n\"><emitter Velocity=\"-inf\"/></node>", "Velocity"},
        {"<node name=\"n\"><light type=\"4294967297\"/></node>", "type"},
        {"<node name=\"n\"><light color_r=\"2e6\"/></node>", "color_r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        try {
            Load("<scene>" + c.first + "</scene>");
            ADD_FAILURE() << "loaded";
        } catch (const Exception& e) {
            EXPECT_NE(e.getDetails().find("[" + c.second + "]"), std::string::npos) << e.getDetails();
        }
    }
    std::unique_ptr<CNode> pScene = Load("<scene><node name=\"n\" _41=\"-1200.5\" _42=\"+3\" _43=\"1e3\"/></scene>");
    ASSERT_NE(pScene, nullptr);
    EXPECT_EQ(pScene->GetLocalMatrix()->_41, -1200.5f);
    EXPECT_EQ(pScene->GetLocalMatrix()->_42, 3.0f);
    EXPECT_EQ(pScene->GetLocalMatrix()->_43, 1000.0f);
}
