// The lost-device protocol: lost, not reset, Reset refused while default-
// pool resources live, accepted after, back buffer at the new size.
#include "d3d/d3d8_testhooks.h"
#include "support/offscreen_device.h"

#include <gtest/gtest.h>

namespace {

// Window-manager events reach the window record when messages are pumped.
void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

class DeviceLostTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_Dev.IsReady()) << m_Dev.Error(); }
    IDirect3DDevice8* Device() { return m_Dev.Device(); }
    COffscreenDevice m_Dev{200, 100};
};

TEST_F(DeviceLostTest, ForcedLossNeedsResetAndResetRestoresPresent)
{
    ASSERT_EQ(Device()->TestCooperativeLevel(), D3D_OK);
    ASSERT_EQ(Device()->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    D3DForceDeviceLost(Device());
    EXPECT_EQ(Device()->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    EXPECT_EQ(Device()->TestCooperativeLevel(), D3DERR_DEVICENOTRESET);
    ASSERT_EQ(Device()->Reset(&m_Dev.PresentParams()), D3D_OK);
    EXPECT_EQ(Device()->TestCooperativeLevel(), D3D_OK);
    EXPECT_EQ(Device()->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
}

TEST_F(DeviceLostTest, MinimisedWindowIsLostUntilRestoredThenNeedsReset)
{
    PlatformMinimizeWindow(m_Dev.Window());
    PumpMessages();
    EXPECT_EQ(Device()->TestCooperativeLevel(), D3DERR_DEVICELOST);
    EXPECT_EQ(Device()->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    EXPECT_EQ(Device()->Reset(&m_Dev.PresentParams()), D3DERR_DEVICELOST);
    PlatformRestoreWindow(m_Dev.Window());
    PumpMessages();
    EXPECT_EQ(Device()->TestCooperativeLevel(), D3DERR_DEVICENOTRESET);
    EXPECT_EQ(Device()->Reset(&m_Dev.PresentParams()), D3D_OK);
    EXPECT_EQ(Device()->TestCooperativeLevel(), D3D_OK);
}

TEST_F(DeviceLostTest, ResetRefusedWhileDefaultPoolResourcesLive)
{
    IDirect3DTexture8* target = nullptr;
    IDirect3DTexture8* managed = nullptr;
    IDirect3DSurface8* depth = nullptr;
    ASSERT_EQ(Device()->CreateTexture(64, 64, 1, D3DUSAGE_RENDERTARGET, D3DFMT_X8R8G8B8,
                                      D3DPOOL_DEFAULT, &target),
              D3D_OK);
    ASSERT_EQ(Device()->CreateTexture(64, 64, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &managed),
              D3D_OK);
    ASSERT_EQ(Device()->CreateDepthStencilSurface(64, 64, D3DFMT_D24X8, D3DMULTISAMPLE_NONE,
                                                  &depth),
              D3D_OK);
    D3DForceDeviceLost(Device());
    EXPECT_EQ(Device()->Reset(&m_Dev.PresentParams()), D3DERR_INVALIDCALL);
    target->Release();
    EXPECT_EQ(Device()->Reset(&m_Dev.PresentParams()), D3DERR_INVALIDCALL);
    depth->Release();
    // Managed resources survive a reset and do not hold it up.
    EXPECT_EQ(Device()->Reset(&m_Dev.PresentParams()), D3D_OK);
    D3DSURFACE_DESC desc;
    EXPECT_EQ(managed->GetLevelDesc(0, &desc), D3D_OK);
    managed->Release();
}

TEST_F(DeviceLostTest, ResetRebuildsTheBackBufferAndDefaultState)
{
    Device()->SetRenderState(D3DRS_FOGCOLOR, 0xFF123456);
    D3DPRESENT_PARAMETERS params = m_Dev.PresentParams();
    params.BackBufferWidth = 320;
    params.BackBufferHeight = 240;
    ASSERT_EQ(Device()->Reset(&params), D3D_OK);

    IDirect3DSurface8* back = nullptr;
    ASSERT_EQ(Device()->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
    D3DSURFACE_DESC desc;
    back->GetDesc(&desc);
    back->Release();
    EXPECT_EQ(desc.Width, 320u);
    EXPECT_EQ(desc.Height, 240u);
    D3DVIEWPORT8 viewport;
    Device()->GetViewport(&viewport);
    EXPECT_EQ(viewport.Width, 320u);
    DWORD fog = 1;
    Device()->GetRenderState(D3DRS_FOGCOLOR, &fog);
    EXPECT_EQ(fog, 0u);

    Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF00FF00, 1.0f, 0);
    EXPECT_EQ(m_Dev.Pixel(319, 239), 0xFF00FF00u);
}

TEST_F(DeviceLostTest, WindowSizeChangeNeedsReset)
{
    ASSERT_EQ(Device()->TestCooperativeLevel(), D3D_OK);
    ASSERT_TRUE(SetWindowPos(m_Dev.Window(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER));
    PumpMessages();
    EXPECT_EQ(Device()->TestCooperativeLevel(), D3DERR_DEVICENOTRESET);
    EXPECT_EQ(Device()->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    EXPECT_EQ(Device()->Reset(&m_Dev.PresentParams()), D3D_OK);
    EXPECT_EQ(Device()->TestCooperativeLevel(), D3D_OK);
}

}  // namespace
