#include "Resources/vantile_texturemanager.h"

#include <gtest/gtest.h>

#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resourcemanager.h"
#include "support/image_builder.h"
#include "support/log_capture.h"
#include "support/offscreen_device.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

class TextureManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error();
        CD3D9RenderSystem::Instance().SetDevice(m_Device.Device());
        m_Temp.write("game/shell.dds", EncodeDds(BlockPattern(8, 4, true), 32));
        CResourceManager::Instance().Init(m_Temp.path() + "/game", true);
    }
    void TearDown() override
    {
        // The cache outlives the test's device; empty it while the device
        // is still there.
        for (const char* pszName : {"shell.dds", "SHELL.DDS", "gui_page", "gui_rgb", "target", "missing.dds"})
            CTextureManager::Instance().RemoveTexture(pszName);
        CD3D9RenderSystem::Instance().SetDevice(nullptr);
    }

    CTempFolder m_Temp;
    COffscreenDevice m_Device;
};

TEST_F(TextureManagerTest, LoadsEachExactNameOnce)
{
    CTextureManager& manager = CTextureManager::Instance();
    CLogCapture log;
    const TextureRef first = manager.GetTexture("shell.dds", -1, -1, 1, D3DFMT_UNKNOWN);
    const TextureRef second = manager.GetTexture("shell.dds", -1, -1, -1, D3DFMT_A8R8G8B8);
    ASSERT_NE(first.GetTexture(), nullptr);
    EXPECT_EQ(first.GetTexture(), second.GetTexture());
    EXPECT_EQ(second.GetTexture()->GetFrame(0)->GetLevelCount(), 1u) << "the second request reloaded";
    EXPECT_TRUE(log.contains("TexName[shell.dds]"));
    EXPECT_EQ(log.text().find("TexName[shell.dds]"), log.text().rfind("TexName[shell.dds]"));

    const TextureRef other = manager.GetTexture("SHELL.DDS");
    EXPECT_NE(other.GetTexture(), first.GetTexture()) << "the cache key ignores case";
    EXPECT_EQ(other.GetTexture()->GetFrameCount(), 1u);
}

TEST_F(TextureManagerTest, RawBufferFillsTheTopOfASquare)
{
    const UINT nWidth = 100, nHeight = 50;
    std::vector<uint8_t> rgba(nWidth * nHeight * 4);
    for (size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = 0x11;      // red
        rgba[i + 1] = 0x22;  // green
        rgba[i + 2] = uint8_t(i / 4);
        rgba[i + 3] = 0x80;  // alpha
    }
    CTextureManager& manager = CTextureManager::Instance();
    const TextureRef ref = manager.CreateFromRawBuffer("gui_page", rgba.data(), nWidth * nHeight, nWidth, nHeight,
                                                       D3DFMT_A8R8G8B8);
    ASSERT_EQ(ref.GetTexture()->GetFrameCount(), 1u);
    IDirect3DTexture8* pFrame = ref.GetFrame();
    D3DSURFACE_DESC desc = {};
    ASSERT_EQ(pFrame->GetLevelDesc(0, &desc), S_OK);
    EXPECT_EQ(desc.Width, 100u);
    EXPECT_EQ(desc.Height, 100u);
    EXPECT_EQ(desc.Format, D3DFMT_A8R8G8B8);
    EXPECT_EQ(pFrame->GetLevelCount(), 1u);

    D3DLOCKED_RECT locked = {};
    ASSERT_EQ(pFrame->LockRect(0, &locked, nullptr, D3DLOCK_READONLY), S_OK);
    auto texel = [&](UINT x, UINT y) {
        return static_cast<const uint32_t*>(locked.pBits)[y * (locked.Pitch / 4) + x];
    };
    EXPECT_EQ(texel(0, 0), 0x80112200u);
    EXPECT_EQ(texel(99, 49), 0x80112200u | uint8_t(49 * 100 + 99));
    for (UINT y = 50; y < 100; ++y)
        EXPECT_EQ(texel(y, y), 0u) << "row " << y << " of the square was written";
    pFrame->UnlockRect(0);

    const uint8_t abyOther[4] = {1, 2, 3, 4};
    EXPECT_EQ(manager.CreateFromRawBuffer("gui_page", abyOther, 1, 1, 1, D3DFMT_A8R8G8B8).GetFrame(), pFrame)
        << "a cached buffer texture was replaced";
}

TEST_F(TextureManagerTest, RgbBufferIsReadAsThreeBytesAPixel)
{
    // Exactly width x height x 3 bytes: reading 4 a pixel would run past.
    const std::vector<uint8_t> rgb = {0xff, 0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff};
    const TextureRef ref = CTextureManager::Instance().CreateFromRawBuffer("gui_rgb", rgb.data(), 3, 3, 1,
                                                                           D3DFMT_R8G8B8);
    IDirect3DTexture8* pFrame = ref.GetFrame();
    ASSERT_NE(pFrame, nullptr);
    D3DLOCKED_RECT locked = {};
    ASSERT_EQ(pFrame->LockRect(0, &locked, nullptr, D3DLOCK_READONLY), S_OK);
    const uint32_t* pdwRow = static_cast<const uint32_t*>(locked.pBits);
    EXPECT_EQ(pdwRow[0], 0xffff0000u);
    EXPECT_EQ(pdwRow[1], 0xff00ff00u);
    EXPECT_EQ(pdwRow[2], 0xff0000ffu);
    pFrame->UnlockRect(0);
}

TEST_F(TextureManagerTest, RemovedTextureLeavesHandlesDrawingNothing)
{
    CTextureManager& manager = CTextureManager::Instance();
    const TextureRef ref = manager.GetTexture("shell.dds");
    ASSERT_NE(ref.GetFrame(), nullptr);
    manager.RemoveTexture("shell.dds");
    manager.RemoveTexture("never.dds");
    EXPECT_EQ(manager.FindTexture("shell.dds"), nullptr);
    EXPECT_EQ(ref.GetFrame(), nullptr);
    const TextureRef again = manager.GetTexture("shell.dds");
    EXPECT_NE(again.GetTexture(), ref.GetTexture());
    EXPECT_NE(again.GetFrame(), nullptr);
}

TEST_F(TextureManagerTest, DeviceLossDropsOnlyDefaultPoolFrames)
{
    CTextureManager& manager = CTextureManager::Instance();
    const TextureRef managed = manager.GetTexture("shell.dds");
    const TextureRef missing = manager.GetTexture("missing.dds");
    EXPECT_EQ(missing.GetFrame(), nullptr);
    const TextureRef target = manager.CreateEmpty("target");
    EXPECT_EQ(manager.CreateEmpty("target").GetTexture(), target.GetTexture());
    EXPECT_EQ(target.GetFrame(), nullptr);

    IDirect3DTexture8* pDeviceTexture = nullptr;
    ASSERT_EQ(m_Device.Device()->CreateTexture(64, 64, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT,
                                               &pDeviceTexture),
              S_OK);
    manager.SetFromDeviceTexture(target.GetTexture(), pDeviceTexture);
    EXPECT_EQ(target.GetFrame(), pDeviceTexture);
    EXPECT_TRUE(target.GetTexture()->IsDefaultPool());
    EXPECT_FALSE(managed.GetTexture()->IsDefaultPool());
    EXPECT_EQ(pDeviceTexture->AddRef(), 3u) << "the texture holds a reference of its own";
    pDeviceTexture->Release();

    manager.OnDeviceLost();
    EXPECT_EQ(target.GetFrame(), nullptr);
    EXPECT_NE(managed.GetFrame(), nullptr);
    EXPECT_EQ(pDeviceTexture->Release(), 0u);
    manager.OnDeviceRestored();
    EXPECT_NE(managed.GetFrame(), nullptr);
}

}  // namespace
