// Draws 2,000 animated sprites a frame on a headless 800 x 600 device, once
// as atlas frames collected into one batch (one draw call) and once as
// sprite nodes of a four-frame animated texture (one draw call each), and
// prints the time per frame of both and their ratio, also net of an empty
// frame's clear and present.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Core/vantile_frametimer.h"
#include "Game/Sprites/basesprite.h"
#include "Game/Sprites/spriteloader.h"
#include "Game/Sprites/spritescreen.h"
#include "Game/Sprites/spritevbarray.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Resources/vantile_resourcemanager.h"

namespace {

const int kSprites = 2000;
const int kFrames = 60;

void WriteFrameImage(const std::string& strPath, int nWidth, int nFrames)
{
    std::vector<uint32_t> pixels(size_t(nWidth) * 16);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t nFrame = uint32_t(i % nWidth) * nFrames / nWidth;
        pixels[i] = 0xFF000000u | (60 * nFrame) << 8 | 0x80u;
    }
    stbi_write_png(strPath.c_str(), nWidth, 16, 4, pixels.data(), nWidth * 4);
}

std::string MakeDataFolder()
{
    char szFolder[] = "/tmp/quellon-bench-XXXXXX";
    if (!mkdtemp(szFolder))
        return std::string();
    const std::string strFolder = szFolder;
    WriteFrameImage(strFolder + "/bench_strip.png", 64, 4);
    FILE* pMap = fopen((strFolder + "/bench.map").c_str(), "w");
    fprintf(pMap, "c 4 t bench_strip.png f 10 s 16 16 0 0 0.25 1 0.25 0 0.5 1 0.5 0 0.75 1 0.75 0 1 1\n");
    fclose(pMap);
    FILE* pList = fopen((strFolder + "/bench.ifl").c_str(), "w");
    fprintf(pList, "#10\n");
    for (int i = 0; i < 4; ++i) {
        WriteFrameImage(strFolder + "/bench_" + std::to_string(i) + ".png", 16, 1);
        fprintf(pList, "bench_%d.png\n", i);
    }
    fclose(pList);
    return strFolder;
}

D3DXVECTOR3 Place(int i)
{
    return D3DXVECTOR3(float(i % 50) * 16.0f - 392.0f, float(i / 50) * 14.0f - 280.0f, 0.0f);
}

// Milliseconds per frame of kFrames frames that each call drawAll between
// the start and the end of the scene.
template <class DrawAll>
double TimeFrames(IDirect3DDevice8* pDevice, Vantile::CRenderQueue& queue, DrawAll drawAll)
{
    const auto start = std::chrono::steady_clock::now();
    for (int nFrame = 0; nFrame < kFrames; ++nFrame) {
        Vantile::CFrameTimer::Instance().update();
        pDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
        pDevice->BeginScene();
        SetSpriteScreenTransforms(pDevice);
        drawAll();
        queue.RenderContainers();
        pDevice->EndScene();
        queue.ClearContainers();
        pDevice->Present(nullptr, nullptr, nullptr, nullptr);
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / kFrames;
}

}  // namespace

int main()
{
    Vantile::CD3D9RenderSystem& renderSystem = Vantile::CD3D9RenderSystem::Instance();
    const int nMode = renderSystem.FindVideoMode(800, 600, 32);
    if (nMode < 0 || !renderSystem.CreateRenderWindow(nMode, "sprite batches", false)) {
        fprintf(stderr, "bench_sprite_batches: no 800 x 600 device\n");
        return 1;
    }
    const std::string strFolder = MakeDataFolder();
    Vantile::CResourceManager::Instance().Init(strFolder, true);
    Vantile::CRenderQueue queue;
    queue.SetEffectLoader(&LoadSpriteScreenEffect);
    queue.MakeCurrent();
    CSpriteLoader::Instance().setFinished(true);

    std::vector<std::unique_ptr<CBaseSprite>> atlasSprites;
    std::vector<std::unique_ptr<CSprite>> nodeSprites;
    for (int i = 0; i < kSprites; ++i) {
        atlasSprites.push_back(std::make_unique<CBaseSprite>("bench.map"));
        nodeSprites.push_back(std::make_unique<CSprite>("bench.ifl", CSprite::WHITE, false, true));
        nodeSprites.back()->setPosition(Place(i));
    }
    CSpriteVBArray& batches = CSpriteVBArray::Instance();
    IDirect3DDevice8* pDevice = renderSystem.GetDevice();
    // Clearing and presenting alone, which both figures include.
    const double dEmpty = TimeFrames(pDevice, queue, [] {});
    const double dBatched = TimeFrames(pDevice, queue, [&] {
        batches.resetAll();
        for (int i = 0; i < kSprites; ++i) {
            // Looping, as board items do, so every frame steps an animation.
            if (!atlasSprites[i]->isPlaying())
                atlasSprites[i]->reset();
            atlasSprites[i]->draw(Place(i));
        }
        batches.submitAll();
    });
    const double dSingle = TimeFrames(pDevice, queue, [&] {
        for (const auto& pSprite : nodeSprites)
            pSprite->draw();
    });
    printf("sprites per frame:         %d\n", kSprites);
    printf("empty frame:               %.3f ms per frame\n", dEmpty);
    printf("batched (1 draw call):     %.3f ms per frame\n", dBatched);
    printf("one draw call per sprite:  %.3f ms per frame\n", dSingle);
    printf("ratio (single / batched):  %.2f\n", dSingle / dBatched);
    printf("ratio without the empty frame: %.2f\n", (dSingle - dEmpty) / (dBatched - dEmpty));

    atlasSprites.clear();
    nodeSprites.clear();
    batches.clear();
    std::filesystem::remove_all(strFolder);
    return 0;
}
