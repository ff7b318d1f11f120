// The Direct3D object: adapter, modes, format checks and capabilities.
#include "d3d/d3d8.h"
#include "support/offscreen_device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class Direct3DTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(m_pD3D, nullptr) << PlatformLastError(); }
    void TearDown() override
    {
        if (m_pD3D)
            m_pD3D->Release();
    }
    IDirect3D8* m_pD3D = Direct3DCreate8(D3D_SDK_VERSION);
};

TEST(Direct3DCreateTest, RefusesAnotherSdkVersion)
{
    EXPECT_EQ(Direct3DCreate8(120), nullptr);
}

TEST_F(Direct3DTest, ModesAlwaysOfferTheClassicSizesInBothFormats)
{
    ASSERT_EQ(m_pD3D->GetAdapterCount(), 1u);
    std::vector<D3DDISPLAYMODE> modes(m_pD3D->GetAdapterModeCount(0));
    for (UINT i = 0; i < modes.size(); ++i)
        ASSERT_EQ(m_pD3D->EnumAdapterModes(0, i, &modes[i]), D3D_OK);
    for (UINT width : {640u, 800u, 1024u}) {
        for (D3DFORMAT format : {D3DFMT_X8R8G8B8, D3DFMT_R5G6B5}) {
            auto match = [&](const D3DDISPLAYMODE& m) {
                return m.Width == width && m.Height == width * 3 / 4 && m.Format == format &&
                       m.RefreshRate == 60;
            };
            EXPECT_EQ(std::count_if(modes.begin(), modes.end(), match), 1)
                << width << " format " << format;
        }
    }
    D3DDISPLAYMODE mode;
    EXPECT_EQ(m_pD3D->EnumAdapterModes(0, (UINT)modes.size(), &mode), D3DERR_INVALIDCALL);
    EXPECT_EQ(m_pD3D->EnumAdapterModes(1, 0, &mode), D3DERR_INVALIDCALL);
}

TEST_F(Direct3DTest, DesktopModeAndIdentifier)
{
    D3DDISPLAYMODE desktop;
    ASSERT_EQ(m_pD3D->GetAdapterDisplayMode(0, &desktop), D3D_OK);
    EXPECT_GT(desktop.Width, 0u);
    EXPECT_EQ(desktop.Format, D3DFMT_X8R8G8B8);
    D3DADAPTER_IDENTIFIER8 id;
    ASSERT_EQ(m_pD3D->GetAdapterIdentifier(0, 0, &id), D3D_OK);
    EXPECT_STRNE(id.Description, "");
    EXPECT_STRNE(id.Description, "NVIDIA NVPerfHUD");
}

TEST_F(Direct3DTest, DepthFormatsAreSupportedWith32BitBackBuffers)
{
    for (D3DFORMAT depth : {D3DFMT_D16, D3DFMT_D24S8, D3DFMT_D24X8, D3DFMT_D32}) {
        EXPECT_EQ(m_pD3D->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8,
                                            D3DUSAGE_DEPTHSTENCIL, D3DRTYPE_SURFACE, depth),
                  D3D_OK);
        EXPECT_EQ(m_pD3D->CheckDepthStencilMatch(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8,
                                                 D3DFMT_X8R8G8B8, depth),
                  D3D_OK);
    }
    EXPECT_NE(m_pD3D->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8,
                                        D3DUSAGE_DEPTHSTENCIL, D3DRTYPE_SURFACE,
                                        D3DFMT_A8R8G8B8),
              D3D_OK);
}

TEST_F(Direct3DTest, CapsChooseSoftwareVertexProcessing)
{
    D3DCAPS8 caps;
    ASSERT_EQ(m_pD3D->GetDeviceCaps(0, D3DDEVTYPE_HAL, &caps), D3D_OK);
    EXPECT_EQ(caps.MaxVertexBlendMatrices, 4u);
    EXPECT_EQ(caps.MaxVertexBlendMatrixIndex, 0u);
    EXPECT_GE(caps.MaxTextureWidth, 1024u);
}

TEST_F(Direct3DTest, CreateDeviceRefusesBadArguments)
{
    D3DPRESENT_PARAMETERS params = {};
    params.BackBufferWidth = 800;
    params.BackBufferHeight = 600;
    params.BackBufferFormat = D3DFMT_X8R8G8B8;
    IDirect3DDevice8* device = reinterpret_cast<IDirect3DDevice8*>(1);
    EXPECT_EQ(m_pD3D->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0, &params, &device),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(m_pD3D->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0, nullptr, &device),
              D3DERR_INVALIDCALL);
}

}  // namespace
