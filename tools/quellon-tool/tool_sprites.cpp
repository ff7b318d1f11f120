// quellon-tool sprites --out FILE.png: draws a test sheet of the sprite
// classes offscreen (the nine anchors, atlas frames, a faded, a tinted and
// a turned sprite) and writes the 800 x 600 picture. The art is drawn here
// into a temporary data folder, so the sheet needs no game data.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spriteloader.h"
#include "Game/Sprites/spritescreen.h"
#include "Game/Sprites/spritevbarray.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Resources/vantile_resourcemanager.h"
#include "Resources/vantile_texturemanager.h"
#include "tool_commands.h"

namespace {

const int ATLAS_FRAMES = 8;

// Pixels as ARGB, rows top first.
struct SArt {
    int nWidth, nHeight;
    std::vector<uint32_t> pixels;
};

SArt Box(int nWidth, int nHeight, uint32_t dwFill, uint32_t dwBorder)
{
    SArt art{nWidth, nHeight, std::vector<uint32_t>(size_t(nWidth) * nHeight, dwFill)};
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            if (x < 2 || y < 2 || x >= nWidth - 2 || y >= nHeight - 2)
                art.pixels[size_t(y) * nWidth + x] = dwBorder;
    // A notch at the top-left corner shows which way up the image is.
    for (int y = 2; y < 8 && y < nHeight / 2; ++y)
        for (int x = 2; x < 8 && x < nWidth / 2; ++x)
            art.pixels[size_t(y) * nWidth + x] = 0xFFFFD000;
    return art;
}

// Frame k: a bar rising to (k + 1) / 8 of the frame's height.
SArt AtlasStrip()
{
    const int nSide = 32;
    SArt art{nSide * ATLAS_FRAMES, nSide, std::vector<uint32_t>(size_t(nSide) * ATLAS_FRAMES * nSide, 0xFF203040)};
    for (int x = 0; x < art.nWidth; ++x) {
        const int nFrame = x / nSide, nBar = (nFrame + 1) * nSide / ATLAS_FRAMES;
        for (int y = nSide - nBar; y < nSide; ++y)
            if (x % nSide >= 8 && x % nSide < 24)
                art.pixels[size_t(y) * art.nWidth + x] = 0xFF40E0A0;
    }
    return art;
}

bool WritePng(const std::string& strPath, const SArt& art)
{
    std::vector<uint8_t> rgba(art.pixels.size() * 4);
    for (size_t i = 0; i < art.pixels.size(); ++i) {
        const uint32_t p = art.pixels[i];
        rgba[i * 4] = uint8_t(p >> 16);
        rgba[i * 4 + 1] = uint8_t(p >> 8);
        rgba[i * 4 + 2] = uint8_t(p);
        rgba[i * 4 + 3] = uint8_t(p >> 24);
    }
    return stbi_write_png(strPath.c_str(), art.nWidth, art.nHeight, 4, rgba.data(), art.nWidth * 4) != 0;
}

std::string AtlasMapText()
{
    std::string strText = "c " + std::to_string(ATLAS_FRAMES) + " t sheet_strip.png f 8 s 32 32\n";
    for (int i = 0; i < ATLAS_FRAMES; ++i) {
        const float fLeft = float(i) / ATLAS_FRAMES, fRight = float(i + 1) / ATLAS_FRAMES;
        strText += std::to_string(fLeft) + " 0 " + std::to_string(fRight) + " 1\n";
    }
    return strText;
}

bool WriteArt(const std::string& strFolder)
{
    FILE* pMap = fopen((strFolder + "/sheet.map").c_str(), "w");
    if (!pMap)
        return false;
    fputs(AtlasMapText().c_str(), pMap);
    fclose(pMap);
    return WritePng(strFolder + "/sheet_box.png", Box(60, 40, 0xFF3060C0, 0xFFE0E0F0)) &&
           WritePng(strFolder + "/sheet_white.png", Box(60, 40, 0xFFFFFFFF, 0xFF808080)) &&
           WritePng(strFolder + "/sheet_dot.png", Box(5, 5, 0xFFFF2020, 0xFFFF2020)) &&
           WritePng(strFolder + "/sheet_stripes.png", Box(200, 60, 0xFFC0C0C0, 0xFF404040)) &&
           WritePng(strFolder + "/sheet_strip.png", AtlasStrip());
}

class CSheet {
public:
    void add(const char* pszTexture, const D3DXVECTOR3& vPosition, int nAnchor, D3DCOLOR dwColor = CSprite::WHITE)
    {
        m_Sprites.push_back(std::make_unique<CSprite>(pszTexture, dwColor, false, true));
        m_Sprites.back()->setPosition(vPosition);
        m_Sprites.back()->setAnchor(nAnchor);
    }
    CSprite& last() { return *m_Sprites.back(); }
    void enqueue()
    {
        for (const auto& pSprite : m_Sprites)
            pSprite->Enqueue();
    }

private:
    std::vector<std::unique_ptr<CSprite>> m_Sprites;
};

// Rows 1 and 2: anchors 0..8, each box with a red dot at its position.
void AddAnchors(CSheet& sheet)
{
    for (int nAnchor = 0; nAnchor < 9; ++nAnchor) {
        const D3DXVECTOR3 vAt(-300.0f + 150.0f * float(nAnchor % 5), nAnchor < 5 ? 200.0f : 80.0f, 0.0f);
        sheet.add("sheet_box.png", vAt, nAnchor);
    }
    for (int nAnchor = 0; nAnchor < 9; ++nAnchor)
        sheet.add("sheet_dot.png", D3DXVECTOR3(-300.0f + 150.0f * float(nAnchor % 5), nAnchor < 5 ? 200.0f : 80.0f, 0.0f),
                  CSprite::CENTRE);
}

// Row 4: a faded box over stripes, a tinted box and a turned box.
void AddEffects(CSheet& sheet)
{
    sheet.add("sheet_stripes.png", D3DXVECTOR3(-220.0f, -190.0f, 0.0f), CSprite::CENTRE);
    sheet.add("sheet_box.png", D3DXVECTOR3(-220.0f, -190.0f, 0.0f), CSprite::CENTRE);
    sheet.last().SetAlpha(0.4f);
    sheet.add("sheet_white.png", D3DXVECTOR3(40.0f, -190.0f, 0.0f), CSprite::CENTRE, 0xFFFF8000);
    sheet.add("sheet_box.png", D3DXVECTOR3(240.0f, -190.0f, 0.0f), CSprite::CENTRE);
    sheet.last().setRotation(0.5f);
}

// Row 3: the atlas at each of its frames, in one batch.
void AddAtlasFrames()
{
    CSpriteVB* pBatch = CSpriteVBArray::Instance().load("sheet.map");
    for (int i = 0; i < pBatch->getFrameCount(); ++i)
        pBatch->addFrame(i, D3DXVECTOR3(-280.0f + 80.0f * float(i), -60.0f, 0.0f), 0.0f, CSprite::WHITE);
    CSpriteVBArray::Instance().submitAll();
}

bool SaveBackBuffer(IDirect3DDevice8* pDevice, const std::string& strPath)
{
    IDirect3DSurface8* pTarget = nullptr;
    if (FAILED(pDevice->GetRenderTarget(&pTarget)))
        return false;
    D3DSURFACE_DESC desc;
    pTarget->GetDesc(&desc);
    SArt shot{int(desc.Width), int(desc.Height), std::vector<uint32_t>(size_t(desc.Width) * desc.Height)};
    D3DLOCKED_RECT locked;
    const bool bLocked = SUCCEEDED(pTarget->LockRect(&locked, nullptr, D3DLOCK_READONLY));
    for (UINT y = 0; bLocked && y < desc.Height; ++y) {
        const uint32_t* pRow = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(locked.pBits) + size_t(y) * locked.Pitch);
        for (UINT x = 0; x < desc.Width; ++x)
            shot.pixels[size_t(y) * desc.Width + x] = pRow[x] | 0xFF000000u;
    }
    if (bLocked)
        pTarget->UnlockRect();
    pTarget->Release();
    return bLocked && WritePng(strPath, shot);
}

bool DrawSheet(IDirect3DDevice8* pDevice, const std::string& strOut)
{
    Vantile::CRenderQueue queue;
    queue.SetEffectLoader(&LoadSpriteScreenEffect);
    queue.MakeCurrent();
    CSheet sheet;
    AddAnchors(sheet);
    AddEffects(sheet);
    pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF101820, 1.0f, 0);
    pDevice->BeginScene();
    SetSpriteScreenTransforms(pDevice);
    sheet.enqueue();
    AddAtlasFrames();
    queue.RenderContainers();
    pDevice->EndScene();
    queue.ClearContainers();
    const bool bSaved = SaveBackBuffer(pDevice, strOut);
    CSpriteVBArray::Instance().clear();
    return bSaved;
}

}  // namespace

int ToolRun_sprites(const ToolArgs& args)
{
    if (args[0] != "--out")
        return ToolFail("sprites", "usage: quellon-tool sprites --out FILE.png");
    char szFolder[] = "/tmp/quellon-sprites-XXXXXX";
    if (!mkdtemp(szFolder) || !WriteArt(szFolder))
        return ToolFail(szFolder, "cannot write the test art");
    Vantile::CD3D9RenderSystem& renderSystem = Vantile::CD3D9RenderSystem::Instance();
    const int nMode = renderSystem.FindVideoMode(800, 600, 32);
    if (nMode < 0 || !renderSystem.CreateRenderWindow(nMode, "quellon-tool sprites", false)) {
        std::filesystem::remove_all(szFolder);
        return ToolFail("sprites", "no 800 x 600 device");
    }
    Vantile::CResourceManager::Instance().Init(szFolder, true);
    CSpriteLoader::Instance().setFinished(true);
    const bool bSaved = DrawSheet(renderSystem.GetDevice(), args[1]);
    std::filesystem::remove_all(szFolder);
    return bSaved ? 0 : ToolFail(args[1], "cannot write the picture");
}
