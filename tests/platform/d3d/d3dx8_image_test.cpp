// Image files into textures: DDS (uncompressed and DXT), PNG, BMP, and
// damaged files refused with an error code.
#include "d3d/d3dx8.h"
#include "support/offscreen_device.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

void Put32(std::vector<BYTE>& out, size_t at, DWORD value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = (BYTE)(value >> (8 * i));
}

// A DDS header for the given pixel format; the caller appends the data.
std::vector<BYTE> DdsHeader(UINT width, UINT height, DWORD pfFlags, DWORD fourCC, DWORD bits,
                            DWORD r, DWORD g, DWORD b, DWORD a)
{
    std::vector<BYTE> out(128, 0);
    std::memcpy(out.data(), "DDS ", 4);
    Put32(out, 4, 124);
    Put32(out, 8, 0x1007);
    Put32(out, 12, height);
    Put32(out, 16, width);
    Put32(out, 28, 1);
    Put32(out, 76, 32);
    Put32(out, 80, pfFlags);
    Put32(out, 84, fourCC);
    Put32(out, 88, bits);
    Put32(out, 92, r);
    Put32(out, 96, g);
    Put32(out, 100, b);
    Put32(out, 104, a);
    return out;
}

void WriteCallback(void* context, void* data, int size)
{
    auto* bytes = static_cast<std::vector<BYTE>*>(context);
    bytes->insert(bytes->end(), static_cast<BYTE*>(data), static_cast<BYTE*>(data) + size);
}

// 2 x 2 RGBA: red, green / blue, half-transparent white.
const BYTE kPixels[16] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 128};

class ImageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_Dev.IsReady()) << m_Dev.Error(); }

    // Loads the file as the texture manager does and returns level 0's
    // texels as ARGB.
    std::vector<DWORD> Load(const std::vector<BYTE>& file, D3DCOLOR colourKey = 0,
                            UINT* levels = nullptr)
    {
        IDirect3DTexture8* texture = nullptr;
        D3DXIMAGE_INFO info;
        HRESULT hr = D3DXCreateTextureFromFileInMemoryEx(
            m_Dev.Device(), file.data(), (UINT)file.size(), 0, 0, D3DX_DEFAULT, 0,
            D3DFMT_UNKNOWN, D3DPOOL_MANAGED, D3DX_FILTER_LINEAR, D3DX_DEFAULT, colourKey, &info,
            nullptr, &texture);
        EXPECT_EQ(hr, D3D_OK);
        std::vector<DWORD> texels;
        if (FAILED(hr))
            return texels;
        D3DSURFACE_DESC desc;
        texture->GetLevelDesc(0, &desc);
        EXPECT_TRUE(desc.Format == D3DFMT_A8R8G8B8 || desc.Format == D3DFMT_X8R8G8B8) << desc.Format;
        if (levels)
            *levels = texture->GetLevelCount();
        D3DLOCKED_RECT locked;
        texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY);
        for (UINT y = 0; y < desc.Height; ++y)
            for (UINT x = 0; x < desc.Width; ++x)
                texels.push_back(
                    static_cast<const DWORD*>(locked.pBits)[y * locked.Pitch / 4 + x]);
        texture->UnlockRect(0);
        texture->Release();
        return texels;
    }

    COffscreenDevice m_Dev{16, 16};
};

const std::vector<DWORD> kExpected = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x80FFFFFF};

TEST_F(ImageTest, UncompressedDdsWithMasks)
{
    std::vector<BYTE> file = DdsHeader(2, 2, 0x41, 0, 32, 0x00FF0000, 0x0000FF00, 0x000000FF,
                                       0xFF000000);
    for (int i = 0; i < 4; ++i) {
        const BYTE* p = &kPixels[i * 4];
        BYTE bgra[4] = {p[2], p[1], p[0], p[3]};
        file.insert(file.end(), bgra, bgra + 4);
    }
    D3DXIMAGE_INFO info;
    ASSERT_EQ(D3DXGetImageInfoFromFileInMemory(file.data(), (UINT)file.size(), &info), D3D_OK);
    EXPECT_EQ(info.Width, 2u);
    EXPECT_EQ(info.Format, D3DFMT_A8R8G8B8);
    EXPECT_EQ(info.ImageFileFormat, D3DXIFF_DDS);
    EXPECT_EQ(Load(file), kExpected);
}

TEST_F(ImageTest, Dxt1AndDxt5Blocks)
{
    // One 4 x 4 block: colour 0 pure red, colour 1 pure blue; the first
    // row of indices picks 0, 1, 2 (two thirds red), 3 (one third red).
    const BYTE colourBlock[8] = {0x00, 0xF8, 0x1F, 0x00, 0xE4, 0x00, 0x00, 0x00};
    std::vector<BYTE> dxt1 = DdsHeader(4, 4, 0x4, D3DFMT_DXT1, 0, 0, 0, 0, 0);
    dxt1.insert(dxt1.end(), colourBlock, colourBlock + 8);
    std::vector<DWORD> texels = Load(dxt1);
    ASSERT_EQ(texels.size(), 16u);
    EXPECT_EQ(texels[0], 0xFFFF0000u);
    EXPECT_EQ(texels[1], 0xFF0000FFu);
    EXPECT_EQ(texels[2], 0xFFAA0055u);
    EXPECT_EQ(texels[3], 0xFF5500AAu);

    // DXT5 alpha: endpoints 255 and 0, the first texel index 1 (alpha 0).
    const BYTE alphaBlock[8] = {255, 0, 0x01, 0, 0, 0, 0, 0};
    std::vector<BYTE> dxt5 = DdsHeader(4, 4, 0x4, D3DFMT_DXT5, 0, 0, 0, 0, 0);
    dxt5.insert(dxt5.end(), alphaBlock, alphaBlock + 8);
    dxt5.insert(dxt5.end(), colourBlock, colourBlock + 8);
    texels = Load(dxt5);
    ASSERT_EQ(texels.size(), 16u);
    EXPECT_EQ(texels[0], 0x00FF0000u);
    EXPECT_EQ(texels[1], 0xFF0000FFu);
}

TEST_F(ImageTest, PngAndBmpThroughTheCommonDecoder)
{
    std::vector<BYTE> png, bmp;
    ASSERT_TRUE(stbi_write_png_to_func(WriteCallback, &png, 2, 2, 4, kPixels, 8));
    ASSERT_TRUE(stbi_write_bmp_to_func(WriteCallback, &bmp, 2, 2, 4, kPixels));
    D3DXIMAGE_INFO info;
    ASSERT_EQ(D3DXGetImageInfoFromFileInMemory(png.data(), (UINT)png.size(), &info), D3D_OK);
    EXPECT_EQ(info.ImageFileFormat, D3DXIFF_PNG);
    EXPECT_EQ(info.Format, D3DFMT_A8R8G8B8);
    EXPECT_EQ(info.MipLevels, 1u);
    UINT levels = 0;
    EXPECT_EQ(Load(png, 0, &levels), kExpected);
    EXPECT_EQ(levels, 2u) << "a full chain down to 1 x 1";
    ASSERT_EQ(D3DXGetImageInfoFromFileInMemory(bmp.data(), (UINT)bmp.size(), &info), D3D_OK);
    EXPECT_EQ(info.ImageFileFormat, D3DXIFF_BMP);
    EXPECT_EQ(Load(bmp), kExpected);
}

// JPEG goes through libjpeg-turbo: a good file reads close to its colours,
// and a Huffman table whose counts add up past 256 symbols or a header of
// absurd size is refused rather than written past a table.
TEST_F(ImageTest, JpegReadsAndDamagedTablesAreRefused)
{
    const BYTE flat[4 * 8 * 8] = {};
    std::vector<BYTE> jpeg;
    ASSERT_TRUE(stbi_write_jpg_to_func(WriteCallback, &jpeg, 8, 8, 4, flat, 100));
    D3DXIMAGE_INFO info;
    ASSERT_EQ(D3DXGetImageInfoFromFileInMemory(jpeg.data(), (UINT)jpeg.size(), &info), D3D_OK);
    EXPECT_EQ(info.ImageFileFormat, D3DXIFF_JPG);
    EXPECT_EQ(info.Width, 8u);
    const std::vector<DWORD> texels = Load(jpeg);
    ASSERT_EQ(texels.size(), 64u);
    EXPECT_EQ(texels[9] & 0x00FFFFFFu, 0u) << std::hex << texels[9];

    const size_t nTable = std::string(jpeg.begin(), jpeg.end()).find("\xFF\xC4");
    ASSERT_NE(nTable, std::string::npos);
    std::vector<BYTE> bogusCounts = jpeg;
    for (size_t i = 0; i < 16; ++i)
        bogusCounts[nTable + 5 + i] = 0xFF;
    const size_t nFrame = std::string(jpeg.begin(), jpeg.end()).find("\xFF\xC0");
    ASSERT_NE(nFrame, std::string::npos);
    std::vector<BYTE> huge = jpeg;
    huge[nFrame + 5] = huge[nFrame + 7] = 0xEA;  // 60000 x 60000
    for (const std::vector<BYTE>* file : {&bogusCounts, &huge}) {
        IDirect3DTexture8* texture = nullptr;
        EXPECT_EQ(D3DXCreateTextureFromFileInMemoryEx(m_Dev.Device(), file->data(), (UINT)file->size(), 0, 0, 1, 0,
                                                      D3DFMT_UNKNOWN, D3DPOOL_MANAGED, D3DX_FILTER_LINEAR,
                                                      D3DX_DEFAULT, 0, nullptr, nullptr, &texture),
                  D3DXERR_INVALIDDATA);
        EXPECT_EQ(texture, nullptr);
    }
}

TEST_F(ImageTest, ColourKeyBecomesTransparentBlack)
{
    std::vector<BYTE> png;
    ASSERT_TRUE(stbi_write_png_to_func(WriteCallback, &png, 2, 2, 4, kPixels, 8));
    std::vector<DWORD> texels = Load(png, 0xFF00FF00);
    ASSERT_EQ(texels.size(), 4u);
    EXPECT_EQ(texels[0], 0xFFFF0000u);
    EXPECT_EQ(texels[1], 0x00000000u);
}

TEST_F(ImageTest, DamagedFilesAreRefused)
{
    std::vector<BYTE> png;
    ASSERT_TRUE(stbi_write_png_to_func(WriteCallback, &png, 2, 2, 4, kPixels, 8));
    std::vector<BYTE> truncatedDds = DdsHeader(64, 64, 0x41, 0, 32, 0xFF0000, 0xFF00, 0xFF,
                                               0xFF000000);
    truncatedDds.resize(200);
    std::vector<BYTE> hugeDds = DdsHeader(0x7fffffff, 0x7fffffff, 0x41, 0, 32, 0xFF0000, 0xFF00,
                                          0xFF, 0xFF000000);
    std::vector<BYTE> unknownFourCC = DdsHeader(4, 4, 0x4, MAKEFOURCC('A', 'T', 'I', '2'), 0, 0,
                                                0, 0, 0);
    unknownFourCC.resize(256);
    std::vector<BYTE> damagedPng(png.begin(), png.begin() + 40);
    std::string text = "this is not an image at all, only some text";
    std::vector<BYTE> noise(text.begin(), text.end());
    // Tiny files whose headers claim millions of pixels: refused at once
    // rather than decoded for seconds into a gigabyte of nothing.
    std::vector<BYTE> hugeBmp;
    ASSERT_TRUE(stbi_write_bmp_to_func(WriteCallback, &hugeBmp, 2, 2, 4, kPixels));
    hugeBmp[18] = 0x08, hugeBmp[19] = 0x00, hugeBmp[20] = 0x3d, hugeBmp[21] = 0x00;
    const std::vector<BYTE> hugeTga = {0x00, 0x00, 0x0a, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x60,
                                       0xc0, 0x80, 0x00, 0x30, 0xb3, 0x20, 0x08, 0x83, 0x00, 0x00,
                                       0xff, 0x00, 0x83, 0x00, 0x0a, 0x00, 0x00, 0x00};
    // Within the side limit, 2653 x 2586 run-length pixels, but 22 bytes
    // cannot hold them.
    const std::vector<BYTE> cutTga = {0x00, 0x00, 0x0a, 0x00, 0x00, 0x16, 0x00, 0x80, 0x89, 0x50, 0x4e,
                                      0x47, 0x5d, 0x0a, 0x1a, 0x0a, 0x10, 0x00, 0x3d, 0x29, 0x30, 0x00};
    const std::vector<BYTE>* files[] = {&truncatedDds, &hugeDds, &unknownFourCC, &damagedPng,
                                        &noise,        &hugeBmp, &hugeTga,       &cutTga};
    for (const std::vector<BYTE>* file : files) {
        IDirect3DTexture8* texture = reinterpret_cast<IDirect3DTexture8*>(1);
        HRESULT hr = D3DXCreateTextureFromFileInMemoryEx(
            m_Dev.Device(), file->data(), (UINT)file->size(), 0, 0, 1, 0, D3DFMT_UNKNOWN,
            D3DPOOL_MANAGED, D3DX_FILTER_LINEAR, D3DX_DEFAULT, 0, nullptr, nullptr, &texture);
        EXPECT_EQ(hr, D3DXERR_INVALIDDATA) << "file of " << file->size() << " bytes";
        EXPECT_EQ(texture, nullptr);
    }
    D3DXIMAGE_INFO info;
    EXPECT_EQ(D3DXGetImageInfoFromFileInMemory(noise.data(), 0, &info), D3DXERR_INVALIDDATA);
    EXPECT_EQ(D3DXGetImageInfoFromFileInMemory(nullptr, 10, &info), D3DXERR_INVALIDDATA);
}

TEST_F(ImageTest, RequestedSizeScalesTheImage)
{
    std::vector<BYTE> png;
    ASSERT_TRUE(stbi_write_png_to_func(WriteCallback, &png, 2, 2, 4, kPixels, 8));
    IDirect3DTexture8* texture = nullptr;
    ASSERT_EQ(D3DXCreateTextureFromFileInMemoryEx(m_Dev.Device(), png.data(), (UINT)png.size(),
                                                  4, 4, 1, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED,
                                                  D3DX_FILTER_POINT, D3DX_DEFAULT, 0, nullptr,
                                                  nullptr, &texture),
              D3D_OK);
    D3DSURFACE_DESC desc;
    texture->GetLevelDesc(0, &desc);
    EXPECT_EQ(desc.Width, 4u);
    EXPECT_EQ(desc.Format, D3DFMT_X8R8G8B8);
    D3DLOCKED_RECT locked;
    texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY);
    const DWORD* texels = static_cast<const DWORD*>(locked.pBits);
    EXPECT_EQ(texels[1], 0xFFFF0000u);
    EXPECT_EQ(texels[2], 0xFF00FF00u);
    EXPECT_EQ(texels[3 * 4 + 3], 0xFFFFFFFFu) << "X8: the alpha byte reads as opaque";
    texture->UnlockRect(0);
    texture->Release();
}

}  // namespace
