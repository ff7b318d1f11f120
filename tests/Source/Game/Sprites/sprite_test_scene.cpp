#include "sprite_test_scene.h"

#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spriteloader.h"
#include "Game/Sprites/spritescreen.h"
#include "Game/Sprites/spritevbarray.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resourcemanager.h"
#include "Resources/vantile_texturemanager.h"

namespace {

ArgbImage Filled(uint32_t nWidth, uint32_t nHeight, uint32_t dwColour)
{
    ArgbImage image;
    image.nWidth = nWidth;
    image.nHeight = nHeight;
    image.pixels.assign(size_t(nWidth) * nHeight, dwColour);
    return image;
}

ArgbImage Strip()
{
    ArgbImage image = Filled(64, 16, 0);
    for (uint32_t y = 0; y < 16; ++y)
        for (uint32_t x = 0; x < 64; ++x)
            image.pixels[y * 64 + x] = FrameColour(int(x / 16));
    return image;
}

}  // namespace

uint32_t FrameColour(int nFrame)
{
    return 0xFF000000u | uint32_t(20 * (nFrame + 1)) << 16 | uint32_t(200 - 15 * nFrame) << 8 | 0x40u;
}

void SpriteScene::SetUp()
{
    ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error();
    Vantile::CD3D9RenderSystem::Instance().SetDevice(m_Device.Device());
    writeFile("red.png", EncodePng(Filled(40, 30, RED)));
    writeFile("white.png", EncodePng(Filled(8, 8, WHITE_ARGB)));
    std::string strList = "#10\n";
    for (int i = 0; i < 10; ++i) {
        writeFile("ten_" + std::to_string(i) + ".png", EncodePng(Filled(8, 8, FrameColour(i))));
        strList += "ten_" + std::to_string(i) + ".png\n";
    }
    writeFile("ten.ifl", strList);
    writeFile("strip.png", EncodePng(Strip()));
    writeFile("strip.map", "c 4 t strip.png f 8 s 16 16 0 0 0.25 1 0.25 0 0.5 1 0.5 0 0.75 1 0.75 0 1 1");
    Vantile::CResourceManager::Instance().Init(m_Temp.path() + "/game", true);
    m_Textures = {"red.png", "white.png", "ten.ifl", "strip.png", "missing.png"};
    m_Queue.SetEffectLoader(&LoadSpriteScreenEffect);
    m_Queue.MakeCurrent();
    CSpriteLoader::Instance().setFinished(true);
}

void SpriteScene::TearDown()
{
    // The batches and the texture cache outlive the test's queue and
    // device; empty them while both are still there.
    CSpriteVBArray::Instance().clear();
    CSpriteLoader::Instance().setFinished(false);
    for (const std::string& strName : m_Textures)
        Vantile::CTextureManager::Instance().RemoveTexture(strName);
    Vantile::CD3D9RenderSystem::Instance().SetDevice(nullptr);
}

void SpriteScene::writeFile(const std::string& strName, const std::string& strBytes) const
{
    m_Temp.write("game/" + strName, strBytes);
}

void SpriteScene::writeAnimation(const std::string& strName, int nFps, int nFrames, int nWidth, int nHeight,
                                 const std::function<uint32_t(int, int, int)>& texel)
{
    std::string strList = "#" + std::to_string(nFps) + "\n";
    for (int nFrame = 0; nFrame < nFrames; ++nFrame) {
        ArgbImage frame;
        frame.nWidth = uint32_t(nWidth);
        frame.nHeight = uint32_t(nHeight);
        for (int y = 0; y < nHeight; ++y)
            for (int x = 0; x < nWidth; ++x)
                frame.pixels.push_back(texel(nFrame, x, y));
        const std::string strFrame = strName + "_" + std::to_string(nFrame) + ".dds";
        writeFile(strFrame, EncodeDds(frame, 32));
        strList += strFrame + "\n";
    }
    writeFile(strName + ".ifl", strList);
    m_Textures.push_back(strName + ".ifl");
    Vantile::CResourceManager::Instance().Init(m_Temp.path() + "/game", true);
}

void SpriteScene::renderFrame()
{
    IDirect3DDevice8* pDevice = m_Device.Device();
    pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, BLACK, 1.0f, 0);
    pDevice->BeginScene();
    SetSpriteScreenTransforms(pDevice);
    m_Queue.RenderContainers();
    pDevice->EndScene();
    m_Queue.ClearContainers();
}

CSpriteScreenEffect* SpriteScene::effect(const char* pszName)
{
    return static_cast<CSpriteScreenEffect*>(m_Queue.GetEffect(pszName, true));
}
