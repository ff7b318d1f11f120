#include "Scene/vantile_annotation.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../Effects/effect_test_device.h"
#include "Effects/vantile_effect.h"
#include "Renderstages/vantile_renderstages.h"
#include "Resources/vantile_resourcemanager.h"
#include "Scene/vantile_camera.h"
#include "scene_test_support.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

TEST(AnnotationTest, LinesAreDrawnInTheirColourThroughTheDebugEffect)
{
    CEffectTestDevice device(64, 48);
    ASSERT_TRUE(device.Offscreen().IsReady()) << device.Offscreen().Error();
    CTempFolder data;
    std::ifstream file("game/Diffuse.fx");
    std::stringstream text;
    text << file.rdbuf();
    data.write("game/Diffuse.fx", text.str());
    CResourceManager::Instance().Init(data.path() + "/game", true);

    CCamera camera("eye", Translation(0, 0, -10), 43.0f, 1.0f, 100.0f);
    camera.Process(PROCESS_UPDATE);
    device.Queue().AddCamera(&camera);
    device.Queue().SetCamera(0);
    CAnnotation& annotation = CAnnotation::Instance();
    annotation.SetActive(true);
    annotation.AddLine(D3DXVECTOR3(-3, 0, 0), D3DXVECTOR3(3, 0, 0), 0xFFFF0000);
    annotation.AddLine(D3DXVECTOR3(0, -1, 0), D3DXVECTOR3(0, -3, 0), 0xFF0000FF);

    CRSAnnotation lines;
    CRSSetCameraMatrices matrices;
    CRSRenderTargets draw;
    device.Device()->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
    device.Device()->BeginScene();
    lines.Render();
    matrices.Render();
    draw.Render();
    device.Device()->EndScene();
    device.Queue().ClearContainers();
    annotation.SetActive(false);
    annotation.frameEnded(FrameEvent{0, 0});

    const COffscreenDevice& screen = device.Offscreen();
    EXPECT_TRUE(screen.Pixel(20, 23) == 0xFFFF0000u || screen.Pixel(20, 24) == 0xFFFF0000u);
    EXPECT_TRUE(screen.Pixel(31, 32) == 0xFF0000FFu || screen.Pixel(32, 32) == 0xFF0000FFu);
    EXPECT_EQ(screen.Pixel(20, 10), 0xFF000000u);
    DWORD dwLighting = 0;
    device.Device()->GetRenderState(D3DRS_LIGHTING, &dwLighting);
    EXPECT_EQ(dwLighting, DWORD(TRUE));
}

TEST(AnnotationTest, ShapesBecomeLinesOnlyWhileActiveAndLastOneFrame)
{
    CRenderQueue queue;
    queue.SetEffectLoader([](const std::string& strName) { return new CFxEffect(strName); });
    queue.MakeCurrent();
    CAnnotation& annotation = CAnnotation::Instance();
    annotation.AddLine(D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(1, 0, 0), 0xFFFFFFFF);
    EXPECT_EQ(annotation.GetLineCount(), 0u);
    annotation.SetActive(true);
    annotation.AddBox(D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(1, 1, 1), 0xFFFFFFFF);
    annotation.AddCircle(D3DXVECTOR3(0, 0, 0), 2.0f, 8, 0xFFFFFFFF);
    annotation.AddAxes(IdentityMatrix(), 2.0f);
    EXPECT_EQ(annotation.GetLineCount(), 12u + 8u + 3u);
    annotation.SetActive(false);
    annotation.frameEnded(FrameEvent{0, 0});
    EXPECT_EQ(annotation.GetLineCount(), 0u);
}

}  // namespace
