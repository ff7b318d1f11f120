// The diagnostic screenshot: the back buffer saved as a 24-bit BMP.
#include "d3d/d3dx8.h"
#include "support/offscreen_device.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

DWORD Read32(const std::vector<BYTE>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | ((DWORD)b[at + 3] << 24);
}

TEST(SaveSurfaceTest, BackBufferBecomesABottomUpBmp)
{
    COffscreenDevice dev(5, 3);
    ASSERT_TRUE(dev.IsReady()) << dev.Error();
    dev.Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0);
    D3DRECT topLeft = {0, 0, 1, 1};
    dev.Device()->Clear(1, &topLeft, D3DCLEAR_TARGET, 0xFFFF8000, 1.0f, 0);

    CTempFolder folder;
    std::string path = folder.path() + "/shot.bmp";
    IDirect3DSurface8* back = nullptr;
    dev.Device()->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back);
    ASSERT_EQ(D3DXSaveSurfaceToFileA(path.c_str(), D3DXIFF_BMP, back, nullptr, nullptr), D3D_OK);
    EXPECT_EQ(D3DXSaveSurfaceToFileA(path.c_str(), D3DXIFF_PNG, back, nullptr, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXSaveSurfaceToFileA((folder.path() + "/missing/shot.bmp").c_str(), D3DXIFF_BMP,
                                     back, nullptr, nullptr),
              D3DERR_INVALIDCALL);
    back->Release();

    std::ifstream in(path, std::ios::binary);
    std::vector<BYTE> bmp((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t rowBytes = 16;  // 5 pixels x 3 bytes, padded to 4
    ASSERT_EQ(bmp.size(), 54 + rowBytes * 3);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Read32(bmp, 2), bmp.size());
    EXPECT_EQ(Read32(bmp, 18), 5u);
    EXPECT_EQ(Read32(bmp, 22), 3u);
    EXPECT_EQ(bmp[28], 24);
    // The top-left pixel is in the last stored row, as B, G, R.
    size_t topRow = 54 + rowBytes * 2;
    EXPECT_EQ(bmp[topRow + 0], 0x00);
    EXPECT_EQ(bmp[topRow + 1], 0x80);
    EXPECT_EQ(bmp[topRow + 2], 0xFF);
    EXPECT_EQ(bmp[54 + 0], 0xFF) << "bottom row is blue";
    EXPECT_EQ(bmp[54 + 2], 0x00);
}

}  // namespace
