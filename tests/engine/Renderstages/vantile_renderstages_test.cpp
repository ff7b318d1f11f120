#include "Renderstages/vantile_renderstages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "../Effects/effect_test_device.h"
#include "../Objects/object_samples.h"
#include "../Scene/scene_test_support.h"
#include "Objects/vantile_sceneloader.h"
#include "Renderstages/vantile_rsmultiplerendertargets.h"
#include "Renderstages/vantile_rsscreenquad.h"
#include "Resources/vantile_resourcemanager.h"
#include "Resources/vantile_texturemanager.h"
#include "Scene/vantile_camera.h"
#include "Scene/vantile_fademeshnode.h"
#include "support/image_builder.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

std::string GameFile(const std::string& strName)
{
    std::ifstream file("game/" + strName);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string SolidPng(uint32_t dwColor)
{
    ArgbImage image;
    image.nWidth = image.nHeight = 4;
    image.pixels.assign(16, dwColor);
    return EncodePng(image);
}

// A 2 x 2 textured square in the x-y plane facing -z.
SObjectFile Square(const std::string& strTexture)
{
    SObjectFile file;
    SMaterialDef material;
    material.nId = 1;
    material.strEffect = "mesh_rigid.fx";
    material.astrTextures[0] = strTexture;
    file.Materials.push_back(material);
    SNodeRecord& node = file.Root;
    node.strName = "square";
    node.mLocal = IdentityMatrix();
    node.nType = OBJECT_NODE_MESH;
    node.dwFVF = D3DFVF_XYZ | D3DFVF_TEX1;
    const std::string strVertices = Floats({-1, -1, 0, 0, 1, -1, 1, 0, 0, 0, 1, -1, 0, 1, 1, 1, 1, 0, 1, 0});
    node.Vertices.assign(strVertices.begin(), strVertices.end());
    node.Indices = {0, 1, 2, 2, 1, 3};
    node.Subsets = {{1, 0, 2}};
    return file;
}

const char SCENE[] = R"(<scene>
  <node name="top" _11="1" _22="1" _33="1" _44="1">
    <node name="Camera01" _11="1" _22="1" _33="1" _43="-10" _44="1"><camera/></node>
    <node name="Left" _11="1" _22="1" _33="1" _41="-2" _44="1"><mesh name="red_square.object"/></node>
    <node name="Right" _11="1" _22="1" _33="1" _41="2" _44="1"><mesh name="blue_square.object"/></node>
  </node>
</scene>)";

class RenderPipelineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Device.Offscreen().IsReady()) << m_Device.Offscreen().Error();
        for (const char* pszEffect : {"mesh_rigid.fx", "fade.fx", "TranspNoLight.fx"})
            m_Data.write(std::string("game/") + pszEffect, GameFile(pszEffect));
        m_Data.write("game/red.png", SolidPng(0xFFFF0000));
        m_Data.write("game/blue.png", SolidPng(0xFF0000FF));
        m_Data.write("game/red_square.object", WriteObjectFile(Square("red.png")));
        m_Data.write("game/blue_square.object", WriteObjectFile(Square("blue.png")));
        m_Data.write("game/squares.xml", SCENE);
        CResourceManager::Instance().Init(m_Data.path() + "/game", true);
    }
    void TearDown() override
    {
        for (const char* pszName : {"red.png", "blue.png", "::frame0", "::frame1"})
            CTextureManager::Instance().RemoveTexture(pszName);
    }

    CTempFolder m_Data;
    CEffectTestDevice m_Device{64, 48};
};

TEST_F(RenderPipelineTest, ASceneFileIsDrawnOffScreenThenToTheScreenQuad)
{
    CRenderQueue& queue = m_Device.Queue();
    std::unique_ptr<CNode> pScene(CSceneLoader::Instance().LoadScene("squares.xml"));
    ASSERT_NE(pScene, nullptr);
    CCamera* pCamera = dynamic_cast<CCamera*>(pScene->FindChild("Camera01"));
    ASSERT_NE(pCamera, nullptr);
    queue.AddCamera(pCamera);
    CFadeMeshNode* pFade = new CFadeMeshNode("fader", 64, 48);
    pFade->SetColor(0x80000000);
    pScene->AddChild(pFade);

    CRSMultipleRenderTargets* pTargets = new CRSMultipleRenderTargets(2, "::frame", -1, -1);
    queue.AddStage(pTargets, true);
    queue.AddStage(new CRSClear(0xFFFFFFFF, true, 1.0f, true), true);
    queue.AddStage(new CRSSetCamera(0), true);
    queue.AddStage(new CRSProcessTree(pScene.get(), PROCESS_ALL), true);
    queue.AddStage(new CRSSetCameraMatrices(), true);
    queue.AddStage(new CRSRenderTargets(), true);
    queue.AddStage(new CRSClearTargets(), true);
    queue.AddStage(new CRSRestoreRenderTargets(pTargets), true);
    queue.AddStage(new CRSClear(0xFF00FF00, true, 1.0f, true), true);
    queue.AddStage(new CRSScreenQuad(queue.GetEffect("TranspNoLight.fx", true),
                                     CTextureManager::Instance().CreateEmpty("::frame0")), true);

    m_Device.Device()->BeginScene();
    queue.Render();
    m_Device.Device()->EndScene();

    const COffscreenDevice& screen = m_Device.Offscreen();
    EXPECT_TRUE(ColorNear(screen.Pixel(16, 24), 0xFF800000)) << "the left square, red under the half-dark fade";
    EXPECT_TRUE(ColorNear(screen.Pixel(48, 24), 0xFF000080)) << "the right square, blue";
    for (const auto& at : {std::make_pair(32u, 24u), std::make_pair(0u, 0u), std::make_pair(63u, 47u), std::make_pair(16u, 5u)})
        EXPECT_TRUE(ColorNear(screen.Pixel(at.first, at.second), 0xFF808080)) << at.first << ", " << at.second;
}

TEST(RenderStagesTest, CameraMatricesReachTheDevice)
{
    CEffectTestDevice device;
    ASSERT_TRUE(device.Offscreen().IsReady());
    CCamera camera("eye", Translation(1, 2, 3), 60.0f, 1.0f, 50.0f);
    camera.Process(PROCESS_UPDATE);
    device.Queue().AddCamera(&camera);
    CRSSetCamera select(0);
    CRSSetCameraMatrices matrices;
    select.Render();
    matrices.Render();
    D3DXMATRIX mView, mProjection;
    device.Device()->GetTransform(D3DTS_VIEW, &mView);
    device.Device()->GetTransform(D3DTS_PROJECTION, &mProjection);
    EXPECT_TRUE(MatrixNear(mView, camera.GetViewMatrix()));
    EXPECT_TRUE(MatrixNear(mProjection, camera.GetProjectionMatrix()));
}

}  // namespace
