#include "Resources/vantile_texture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "Core/vantile_exception.h"
#include "Core/vantile_random.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resourcemanager.h"
#include "support/image_builder.h"
#include "support/log_capture.h"
#include "support/offscreen_device.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

// Level 0 of a texture as ARGB values, whatever its texel layout.
ArgbImage ReadLevel0(IDirect3DTexture8* pTexture)
{
    ArgbImage image;
    D3DSURFACE_DESC desc = {};
    D3DLOCKED_RECT locked = {};
    if (FAILED(pTexture->GetLevelDesc(0, &desc)) || FAILED(pTexture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY)))
        return image;
    image.nWidth = desc.Width;
    image.nHeight = desc.Height;
    const size_t nBytes = desc.Format == D3DFMT_R8G8B8 ? 3 : 4;
    for (UINT y = 0; y < desc.Height; ++y)
        for (UINT x = 0; x < desc.Width; ++x) {
            const uint8_t* p = static_cast<const uint8_t*>(locked.pBits) + y * locked.Pitch + x * nBytes;
            uint32_t argb = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
            argb |= desc.Format == D3DFMT_A8R8G8B8 ? uint32_t(p[3]) << 24 : 0xff000000u;
            image.pixels.push_back(argb);
        }
    pTexture->UnlockRect(0);
    return image;
}

int ChannelDistance(uint32_t a, uint32_t b)
{
    int nWorst = 0;
    for (int nShift = 0; nShift < 32; nShift += 8)
        nWorst = std::max(nWorst, std::abs(int((a >> nShift) & 0xff) - int((b >> nShift) & 0xff)));
    return nWorst;
}

class TextureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error();
        CD3D9RenderSystem::Instance().SetDevice(m_Device.Device());
    }
    void TearDown() override { CD3D9RenderSystem::Instance().SetDevice(nullptr); }

    // Files go in before the file system opens, as at start-up.
    void AddFile(const std::string& strName, const std::string& strBytes) { m_Temp.write("game/" + strName, strBytes); }
    void OpenFiles() { CResourceManager::Instance().Init(m_Temp.path() + "/game", true); }

    CTempFolder m_Temp;
    COffscreenDevice m_Device;
};

struct ImageCase {
    const char* pszName;
    std::string strBytes;
    ArgbImage expected;
    int nTolerance;
};

TEST_F(TextureTest, EveryImageFormatDecodesToItsPixels)
{
    const ArgbImage opaque = BlockPattern(12, 8, false);
    const ArgbImage alpha = BlockPattern(8, 12, true);
    ArgbImage opaque565 = opaque, alpha565 = alpha;
    for (uint32_t& argb : opaque565.pixels)
        argb = Quantise565(argb);
    for (uint32_t& argb : alpha565.pixels)
        argb = Quantise565(argb);
    const std::vector<ImageCase> cases = {
        {"pic.png", EncodePng(alpha), alpha, 0},
        {"pic.jpg", EncodeJpeg(opaque), opaque, 24},
        {"pic.bmp", EncodeBmp(opaque), opaque, 0},
        {"pic.tga", EncodeTga(alpha), alpha, 0},
        {"pic32.dds", EncodeDds(alpha, 32), alpha, 0},
        {"pic24.dds", EncodeDds(opaque, 24), opaque, 0},
        {"dxt1.dds", EncodeDdsBlocks(opaque, "DXT1"), opaque565, 0},
        {"dxt3.dds", EncodeDdsBlocks(alpha, "DXT3"), alpha565, 0},
        {"dxt5.dds", EncodeDdsBlocks(alpha, "DXT5"), alpha565, 0},
    };
    for (const ImageCase& test : cases)
        AddFile(test.pszName, test.strBytes);
    OpenFiles();
    for (const ImageCase& test : cases) {
        CTexture texture(test.pszName);
        texture.Load(1, D3DFMT_UNKNOWN);
        ASSERT_EQ(texture.GetFrameCount(), 1u) << test.pszName;
        EXPECT_EQ(texture.GetWidth(), test.expected.nWidth) << test.pszName;
        EXPECT_EQ(texture.GetHeight(), test.expected.nHeight) << test.pszName;
        EXPECT_EQ(texture.GetData(), nullptr) << "the file stays mapped: " << test.pszName;
        const ArgbImage decoded = ReadLevel0(texture.GetFrame(0));
        ASSERT_EQ(decoded.pixels.size(), test.expected.pixels.size()) << test.pszName;
        int nWorst = 0;
        for (size_t i = 0; i < decoded.pixels.size(); ++i)
            nWorst = std::max(nWorst, ChannelDistance(decoded.pixels[i], test.expected.pixels[i]));
        EXPECT_LE(nWorst, test.nTolerance) << test.pszName;
    }
}

TEST_F(TextureTest, UndecodableImagesThrowNamingTheTexture)
{
    const std::string strPng = EncodePng(BlockPattern(8, 8, true));
    std::string strHugeDds = EncodeDds(BlockPattern(4, 4, true), 32);
    strHugeDds[12] = '\xff';  // height far beyond the pixels that follow
    strHugeDds[16] = '\xff';  // and width
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"cut.png", strPng.substr(0, strPng.size() / 2)},
        {"garbage.png", std::string(64, '\x5a')},
        {"empty.dds", ""},
        {"huge.dds", strHugeDds},
        {"cut.dds", EncodeDds(BlockPattern(8, 8, true), 32).substr(0, 200)},
    };
    for (const auto& test : cases)
        AddFile(test.first, test.second);
    OpenFiles();
    for (const auto& test : cases) {
        CTexture texture(test.first);
        try {
            texture.Load(1, D3DFMT_UNKNOWN);
            ADD_FAILURE() << test.first << " was accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.getCode(), 10) << test.first;
            EXPECT_EQ(e.getDetails().rfind(std::string("Failed to load texture [") + test.first + "] from memory: ", 0),
                      0u)
                << e.getDetails();
        }
        EXPECT_EQ(texture.GetFrameCount(), 0u) << test.first;
        EXPECT_EQ(texture.GetData(), nullptr) << test.first;
    }
}

TEST_F(TextureTest, MissingImageLeavesNoFramesAndNoLoadTimeLine)
{
    OpenFiles();
    CLogCapture log;
    CTexture texture("missing.png");
    texture.Load(-1, D3DFMT_UNKNOWN);
    EXPECT_EQ(texture.GetFrameCount(), 0u);
    EXPECT_TRUE(log.contains("Failed to get file [missing.png] from VFS"));
    EXPECT_EQ(log.text().find("texture missing.png loaded"), std::string::npos);
    TextureRef ref(&texture, texture.GetFPS());
    EXPECT_EQ(ref.GetFrame(), nullptr);
    EXPECT_EQ(ref.GetLength(), 0.0f);
}

TEST_F(TextureTest, FrameListLoadsEveryFrameAtItsRate)
{
    AddFile("wave_0000.dds", EncodeDds(BlockPattern(4, 4, true), 32));
    AddFile("wave_0001.png", EncodePng(BlockPattern(8, 4, true)));
    AddFile("wave_0002.dds", EncodeDds(BlockPattern(16, 8, true), 32));
    AddFile("wave.ifl", "#25\r\nwave_0000.dds\n\nWAVE_0001.PNG\twave_0002.dds\n");
    AddFile("still.ifl", "wave_0000.dds wave_0001.png");
    AddFile("broken.ifl", "#5 wave_0000.dds nowhere.dds");
    OpenFiles();
    CLogCapture log;

    CTexture wave("wave.ifl");
    wave.Load(1, D3DFMT_UNKNOWN);
    EXPECT_EQ(wave.GetFrameCount(), 3u);
    EXPECT_FLOAT_EQ(wave.GetFPS(), 25.0f);
    EXPECT_EQ(wave.GetWidth(), 16u) << "the size is the last frame's";
    EXPECT_EQ(wave.GetHeight(), 8u);
    EXPECT_TRUE(log.contains("texture wave.ifl loaded ("));

    CTexture still("still.ifl");
    still.Load(1, D3DFMT_UNKNOWN);
    EXPECT_EQ(still.GetFrameCount(), 2u);
    EXPECT_FLOAT_EQ(still.GetFPS(), 10.0f);

    // A frame the list names but the data lacks is an install fault.
    CTexture broken("broken.ifl");
    try {
        broken.Load(1, D3DFMT_UNKNOWN);
        FAIL() << "a missing frame was accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.getCode(), 4);
        EXPECT_EQ(e.getDetails(), "Failed to get file [nowhere.dds] from VFS");
    }
}

TEST_F(TextureTest, HandlesRunTheirOwnClocks)
{
    for (int i = 0; i < 3; ++i)
        AddFile("f" + std::to_string(i) + ".dds", EncodeDds(BlockPattern(4, 4, false), 32));
    AddFile("anim.ifl", "#10 f0.dds f1.dds f2.dds");
    AddFile("still.dds", EncodeDds(BlockPattern(4, 4, false), 32));
    OpenFiles();
    CTexture anim("anim.ifl");
    anim.Load(1, D3DFMT_UNKNOWN);
    ASSERT_EQ(anim.GetFrameCount(), 3u);

    SeedRandom(7);
    std::set<float> phases;
    for (int i = 0; i < 8; ++i) {
        const TextureRef ref(&anim, anim.GetFPS());
        EXPECT_GE(ref.GetTime(), 0.0f);
        EXPECT_LE(ref.GetTime(), 0.3f);
        phases.insert(ref.GetTime());
    }
    EXPECT_GT(phases.size(), 1u) << "handles start in step";

    TextureRef ref(&anim, anim.GetFPS());
    const std::vector<std::pair<float, size_t>> clock = {
        {0.0f, 0}, {0.05f, 0}, {0.15f, 1}, {0.25f, 2}, {0.35f, 0}, {-0.05f, 0}, {-0.15f, 2}, {1e30f, 0},
    };
    for (const auto& tick : clock) {
        ref.SetTime(tick.first);
        EXPECT_EQ(ref.GetFrameIndex(), tick.second) << tick.first;
        EXPECT_EQ(ref.GetFrame(), anim.GetFrame(tick.second)) << tick.first;
    }
    ref.SetTime(0.0f);
    ref.Advance(0.12f);
    EXPECT_EQ(ref.GetFrameIndex(), 1u);
    EXPECT_FLOAT_EQ(ref.GetLength(), 0.3f);

    CTexture still("still.dds");
    still.Load(1, D3DFMT_UNKNOWN);
    TextureRef stillRef(&still, still.GetFPS());
    EXPECT_EQ(stillRef.GetTime(), 0.0f) << "a still image has no phase";
    for (float fTime : {0.0f, 0.37f, 99.0f}) {
        stillRef.SetTime(fTime);
        EXPECT_EQ(stillRef.GetFrame(), still.GetFrame(0));
    }
}

}  // namespace
