// Textures: the Direct3D byte layout of locks seen through the GPU, mip
// chains, render targets and reading them back.
#include "d3d/d3d8.h"
#include "support/offscreen_device.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct SQuadVertex {
    float x, y, z, rhw;
    float u, v;
};

class TextureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Dev.IsReady()) << m_Dev.Error();
        Device()->SetRenderState(D3DRS_LIGHTING, FALSE);
        Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    }
    IDirect3DDevice8* Device() { return m_Dev.Device(); }

    // Draws the texture over the pixels [0, side) x [0, side).
    void DrawTexture(IDirect3DBaseTexture8* texture, float side)
    {
        SQuadVertex quad[4] = {{-0.5f, -0.5f, 0.5f, 1, 0, 0},
                               {side - 0.5f, -0.5f, 0.5f, 1, 1, 0},
                               {-0.5f, side - 0.5f, 0.5f, 1, 0, 1},
                               {side - 0.5f, side - 0.5f, 0.5f, 1, 1, 1}};
        Device()->SetTexture(0, texture);
        Device()->SetVertexShader(D3DFVF_XYZRHW | D3DFVF_TEX1);
        Device()->BeginScene();
        ASSERT_EQ(Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(quad[0])),
                  D3D_OK);
        Device()->EndScene();
        Device()->SetTexture(0, nullptr);
    }

    COffscreenDevice m_Dev{64, 64};
};

TEST_F(TextureTest, LockedBytesReachTheScreenInEveryFormat)
{
    const struct {
        D3DFORMAT format;
        BYTE texel[4];
        D3DCOLOR onScreen;
    } table[] = {
        {D3DFMT_A8R8G8B8, {0x30, 0x20, 0x10, 0xFF}, 0xFF102030},  // B, G, R, A in memory
        {D3DFMT_X8R8G8B8, {0x30, 0x20, 0x10, 0x00}, 0xFF102030},
        {D3DFMT_R5G6B5, {0x00, 0xF8}, 0xFFFF0000},                // red is the top 5 bits
        {D3DFMT_R5G6B5, {0xE0, 0x07}, 0xFF00FF00},
        {D3DFMT_L8, {0x80}, 0xFF808080},
        {D3DFMT_A8, {0xFF}, 0xFF000000},
    };
    for (const auto& row : table) {
        IDirect3DTexture8* texture = nullptr;
        ASSERT_EQ(Device()->CreateTexture(4, 4, 1, 0, row.format, D3DPOOL_MANAGED, &texture),
                  D3D_OK);
        D3DLOCKED_RECT locked;
        ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
        UINT bytes = row.format == D3DFMT_R5G6B5 ? 2 : (row.format == D3DFMT_L8 || row.format == D3DFMT_A8) ? 1 : 4;
        EXPECT_EQ(locked.Pitch, (int)(4 * bytes));
        for (int i = 0; i < 16; ++i)
            std::memcpy(static_cast<BYTE*>(locked.pBits) + i * bytes, row.texel, bytes);
        ASSERT_EQ(texture->UnlockRect(0), D3D_OK);
        Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0);
        DrawTexture(texture, 4);
        EXPECT_EQ(m_Dev.Pixel(1, 1), row.onScreen) << "format " << row.format;
        EXPECT_EQ(m_Dev.Pixel(4, 4), 0xFF0000FFu) << "format " << row.format;
        texture->Release();
    }
}

TEST_F(TextureTest, LockingARectangleAddressesItInsideTheLevel)
{
    IDirect3DTexture8* texture = nullptr;
    ASSERT_EQ(Device()->CreateTexture(8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture),
              D3D_OK);
    RECT rect = {2, 3, 4, 5};
    D3DLOCKED_RECT locked;
    ASSERT_EQ(texture->LockRect(0, &locked, &rect, 0), D3D_OK);
    *static_cast<DWORD*>(locked.pBits) = 0xFFFFFFFF;
    EXPECT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3DERR_INVALIDCALL) << "locked twice";
    texture->UnlockRect(0);
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    const DWORD* texels = static_cast<const DWORD*>(locked.pBits);
    EXPECT_EQ(texels[3 * 8 + 2], 0xFFFFFFFFu);
    EXPECT_EQ(texels[3 * 8 + 1], 0u);
    texture->UnlockRect(0);
    RECT outside = {6, 6, 9, 9};
    EXPECT_EQ(texture->LockRect(0, &locked, &outside, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture->UnlockRect(0), D3DERR_INVALIDCALL);
    texture->Release();
}

TEST_F(TextureTest, FullMipChainHalvesDownToOneTexel)
{
    IDirect3DTexture8* texture = nullptr;
    ASSERT_EQ(Device()->CreateTexture(64, 16, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture),
              D3D_OK);
    ASSERT_EQ(texture->GetLevelCount(), 7u);
    D3DSURFACE_DESC desc;
    texture->GetLevelDesc(2, &desc);
    EXPECT_EQ(desc.Width, 16u);
    EXPECT_EQ(desc.Height, 4u);
    EXPECT_EQ(desc.Pool, D3DPOOL_MANAGED);
    texture->GetLevelDesc(6, &desc);
    EXPECT_EQ(desc.Width, 1u);
    EXPECT_EQ(desc.Height, 1u);
    EXPECT_EQ(texture->GetLevelDesc(7, &desc), D3DERR_INVALIDCALL);
    texture->Release();
    EXPECT_EQ(Device()->CreateTexture(0, 16, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->CreateTexture(16, 16, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8,
                                      D3DPOOL_MANAGED, &texture),
              D3DERR_INVALIDCALL);
}

TEST_F(TextureTest, RenderToTextureThenSampleIt)
{
    IDirect3DTexture8* target = nullptr;
    ASSERT_EQ(Device()->CreateTexture(16, 16, 1, D3DUSAGE_RENDERTARGET, D3DFMT_X8R8G8B8,
                                      D3DPOOL_DEFAULT, &target),
              D3D_OK);
    IDirect3DSurface8 *back = nullptr, *depth = nullptr, *level = nullptr;
    Device()->GetRenderTarget(&back);
    Device()->GetDepthStencilSurface(&depth);
    target->GetSurfaceLevel(0, &level);

    ASSERT_EQ(Device()->SetRenderTarget(level, nullptr), D3D_OK);
    D3DVIEWPORT8 viewport;
    Device()->GetViewport(&viewport);
    EXPECT_EQ(viewport.Width, 16u) << "the viewport follows the new target";
    Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0);
    D3DRECT top = {0, 0, 16, 4};
    Device()->Clear(1, &top, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0);

    // Reading the target gives the top rows first.
    D3DLOCKED_RECT locked;
    ASSERT_EQ(level->LockRect(&locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    const DWORD* texels = static_cast<const DWORD*>(locked.pBits);
    EXPECT_EQ(texels[0], 0xFFFF0000u);
    EXPECT_EQ(texels[15 * 16], 0xFF0000FFu);
    level->UnlockRect();

    ASSERT_EQ(Device()->SetRenderTarget(back, depth), D3D_OK);
    DrawTexture(target, 16);
    EXPECT_EQ(m_Dev.Pixel(8, 1), 0xFFFF0000u) << "sampled the right way up";
    EXPECT_EQ(m_Dev.Pixel(8, 12), 0xFF0000FFu);

    level->Release();
    back->Release();
    depth->Release();
    target->Release();
}

TEST_F(TextureTest, ReleasingTheBoundTargetFallsBackToTheBackBuffer)
{
    IDirect3DTexture8* target = nullptr;
    IDirect3DSurface8* level = nullptr;
    ASSERT_EQ(Device()->CreateTexture(16, 16, 1, D3DUSAGE_RENDERTARGET, D3DFMT_X8R8G8B8,
                                      D3DPOOL_DEFAULT, &target),
              D3D_OK);
    target->GetSurfaceLevel(0, &level);
    Device()->SetRenderTarget(level, nullptr);
    Device()->SetTexture(0, target);
    level->Release();
    target->Release();
    IDirect3DBaseTexture8* bound = reinterpret_cast<IDirect3DBaseTexture8*>(1);
    Device()->GetTexture(0, &bound);
    EXPECT_EQ(bound, nullptr);
    EXPECT_EQ(Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF00FF00, 1.0f, 0), D3D_OK);
    EXPECT_EQ(m_Dev.Pixel(40, 40), 0xFF00FF00u);
}

TEST_F(TextureTest, UpdateTextureAndCopyRectsMoveTexels)
{
    IDirect3DTexture8 *system = nullptr, *target = nullptr;
    ASSERT_EQ(Device()->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_SYSTEMMEM, &system),
              D3D_OK);
    ASSERT_EQ(Device()->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &target),
              D3D_OK);
    D3DLOCKED_RECT locked;
    system->LockRect(0, &locked, nullptr, 0);
    for (int i = 0; i < 16; ++i)
        static_cast<DWORD*>(locked.pBits)[i] = 0xFF00FF00;
    system->UnlockRect(0);
    ASSERT_EQ(Device()->UpdateTexture(system, target), D3D_OK);
    EXPECT_EQ(Device()->UpdateTexture(target, system), D3DERR_INVALIDCALL);
    DrawTexture(target, 4);
    EXPECT_EQ(m_Dev.Pixel(2, 2), 0xFF00FF00u);

    // The back buffer copied into an image surface of the same format.
    IDirect3DSurface8 *back = nullptr, *image = nullptr;
    Device()->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back);
    ASSERT_EQ(Device()->CreateImageSurface(8, 8, D3DFMT_X8R8G8B8, &image), D3D_OK);
    RECT source = {0, 0, 4, 4};
    POINT at = {2, 2};
    ASSERT_EQ(Device()->CopyRects(back, &source, 1, image, &at), D3D_OK);
    image->LockRect(&locked, nullptr, D3DLOCK_READONLY);
    EXPECT_EQ(static_cast<const DWORD*>(locked.pBits)[3 * 8 + 3], 0xFF00FF00u);
    EXPECT_EQ(static_cast<const DWORD*>(locked.pBits)[0], 0u);
    image->UnlockRect();
    image->Release();
    back->Release();
    system->Release();
    target->Release();
}

}  // namespace
