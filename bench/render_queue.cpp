// Draws a scene of 200 meshes (depth-sorted) and 2,000 sprite-sized quads
// (in queue order) through the render queue on a headless 800 x 600 device
// and prints the time per frame, split into the tree walk (world matrices
// and animation), queueing with its depth sort, and drawing.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "Core/vantile_frametimer.h"
#include "Effects/vantile_fxeffectd3d8.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Renderstages/vantile_renderstages.h"
#include "Scene/vantile_camera.h"
#include "Scene/vantile_meshnode.h"

namespace {

const int kMeshes = 200;
const int kSprites = 2000;
const int kFrames = 120;

std::string EffectText(const char* pszContainer, const char* pszColour)
{
    return std::string("string ContainerName = \"") + pszContainer +
           "\";\ntechnique T { pass P { ZEnable = false; AlphaBlendEnable = true; SrcBlend = SrcAlpha; "
           "DestBlend = InvSrcAlpha; CullMode = None;\n"
           "vertex { void main() { gl_Position = d3d_TransformPosition(a_Position); } }\n"
           "fragment { void main() { o_Color = " + pszColour + "; } } } }";
}

Vantile::CFxEffect* AddEffect(Vantile::CRenderQueue& queue, const std::string& strName, const std::string& strText)
{
    return queue.AddEffect(new Vantile::CFxEffectD3D8(strName, strText.data(), strText.size()));
}

// A square of the given half size in the x-y plane, two triangles.
std::shared_ptr<Vantile::CMesh> Square(float fHalf)
{
    const float afVertices[] = {-fHalf, -fHalf, 0, -fHalf, fHalf, 0, fHalf, -fHalf, 0, fHalf, fHalf, 0};
    std::vector<uint8_t> bytes(sizeof(afVertices));
    memcpy(bytes.data(), afVertices, sizeof(afVertices));
    return std::make_shared<Vantile::CMesh>(D3DFVF_XYZ, std::move(bytes), std::vector<uint16_t>{0, 1, 2, 2, 1, 3},
                                            std::vector<Vantile::CMesh::SSubset>{{0, 2}});
}

void AddNodes(Vantile::CNode& root, int nCount, const std::shared_ptr<Vantile::CMesh>& pMesh, Vantile::CFxEffect* pEffect,
              float fSpacing, float fDepthStep)
{
    for (int i = 0; i < nCount; ++i) {
        D3DXMATRIX mLocal;
        D3DXMatrixTranslation(&mLocal, float(i % 50) * fSpacing - 25.0f * fSpacing, float(i / 50 % 40) * fSpacing - 20.0f * fSpacing,
                              float(i % 7) * fDepthStep);
        Vantile::CMeshNode* pNode = new Vantile::CMeshNode("node", mLocal, pMesh);
        pNode->GetMaterials().resize(1);
        pNode->GetMaterials()[0].pEffect = pEffect;
        root.AddChild(pNode);
    }
}

struct SFrameTimes {
    double dWalk = 0, dQueue = 0, dDraw = 0, dTotal = 0;
};

double Since(std::chrono::steady_clock::time_point& start)
{
    const auto now = std::chrono::steady_clock::now();
    const std::chrono::duration<double, std::milli> elapsed = now - start;
    start = now;
    return elapsed.count();
}

SFrameTimes TimeFrames(IDirect3DDevice8* pDevice, Vantile::CRenderQueue& queue, Vantile::CNode& scene)
{
    Vantile::CRSSetCameraMatrices cameraMatrices;
    SFrameTimes times;
    const auto begin = std::chrono::steady_clock::now();
    for (int nFrame = 0; nFrame < kFrames; ++nFrame) {
        Vantile::CFrameTimer::Instance().update();
        pDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
        pDevice->BeginScene();
        auto start = std::chrono::steady_clock::now();
        scene.Process(Vantile::PROCESS_UPDATE | Vantile::PROCESS_ANIMATE);
        times.dWalk += Since(start);
        scene.Process(Vantile::PROCESS_ENQUEUE);
        times.dQueue += Since(start);
        cameraMatrices.Render();
        queue.RenderContainers();
        queue.ClearContainers();
        pDevice->EndScene();
        pDevice->Present(nullptr, nullptr, nullptr, nullptr);
        times.dDraw += Since(start);
    }
    times.dTotal = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    return times;
}

}  // namespace

int main()
{
    Vantile::CD3D9RenderSystem& renderSystem = Vantile::CD3D9RenderSystem::Instance();
    const int nMode = renderSystem.FindVideoMode(800, 600, 32);
    if (nMode < 0 || !renderSystem.CreateRenderWindow(nMode, "render queue", false)) {
        fprintf(stderr, "bench_render_queue: no 800 x 600 device\n");
        return 1;
    }
    Vantile::CRenderQueue queue;
    queue.MakeCurrent();
    Vantile::CFxEffect* pMeshEffect = AddEffect(queue, "bench_mesh.fx", EffectText("descsort", "vec4(0.2, 0.6, 1.0, 0.8)"));
    Vantile::CFxEffect* pSpriteEffect = AddEffect(queue, "bench_sprite.fx", EffectText("nosort", "vec4(1.0, 0.8, 0.2, 0.5)"));

    Vantile::CNode scene;
    D3DXMATRIX mEye;
    D3DXMatrixTranslation(&mEye, 0, 0, -600);
    Vantile::CCamera* pCamera = new Vantile::CCamera("eye", mEye, 60.0f, 1.0f, 5000.0f);
    scene.AddChild(pCamera);
    queue.AddCamera(pCamera);
    queue.SetCamera(0);
    AddNodes(scene, kMeshes, Square(6.0f), pMeshEffect, 16.0f, 40.0f);
    AddNodes(scene, kSprites, Square(8.0f), pSpriteEffect, 16.0f, 0.0f);

    const SFrameTimes times = TimeFrames(renderSystem.GetDevice(), queue, scene);
    printf("meshes (descsort) per frame:  %d\n", kMeshes);
    printf("quads (nosort) per frame:     %d\n", kSprites);
    printf("tree walk:                    %.3f ms per frame\n", times.dWalk / kFrames);
    printf("queueing and depth sort:      %.3f ms per frame\n", times.dQueue / kFrames);
    printf("drawing (with present):       %.3f ms per frame\n", times.dDraw / kFrames);
    printf("whole frame:                  %.3f ms per frame\n", times.dTotal / kFrames);
    return 0;
}
