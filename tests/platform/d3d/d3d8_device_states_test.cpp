// State read-back: callers save a state, change it and restore it, so every
// Get must return the last Set, and the start values must be Direct3D's.
#include "d3d/d3d8.h"
#include "support/offscreen_device.h"

#include <gtest/gtest.h>

namespace {

class DeviceStatesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_Dev.IsReady()) << m_Dev.Error(); }
    IDirect3DDevice8* Device() { return m_Dev.Device(); }
    COffscreenDevice m_Dev{64, 64};
};

TEST_F(DeviceStatesTest, RenderStatesStartAtDirect3DDefaults)
{
    const struct {
        D3DRENDERSTATETYPE state;
        DWORD value;
    } defaults[] = {
        {D3DRS_ZENABLE, D3DZB_TRUE},          {D3DRS_ZWRITEENABLE, TRUE},
        {D3DRS_ZFUNC, D3DCMP_LESSEQUAL},      {D3DRS_CULLMODE, D3DCULL_CCW},
        {D3DRS_LIGHTING, TRUE},               {D3DRS_ALPHABLENDENABLE, FALSE},
        {D3DRS_SRCBLEND, D3DBLEND_ONE},       {D3DRS_DESTBLEND, D3DBLEND_ZERO},
        {D3DRS_FOGENABLE, FALSE},             {D3DRS_FOGCOLOR, 0},
        {D3DRS_TEXTUREFACTOR, 0xFFFFFFFF},    {D3DRS_ALPHAFUNC, D3DCMP_ALWAYS},
        {D3DRS_FILLMODE, D3DFILL_SOLID},      {D3DRS_COLORVERTEX, TRUE},
        {D3DRS_AMBIENT, 0},                   {D3DRS_FOGEND, 0x3f800000},
    };
    for (const auto& d : defaults) {
        DWORD value = 0xdeadbeef;
        ASSERT_EQ(Device()->GetRenderState(d.state, &value), D3D_OK);
        EXPECT_EQ(value, d.value) << "state " << d.state;
    }
}

TEST_F(DeviceStatesTest, EveryRenderStateReadsBackTheLastValueSet)
{
    const D3DRENDERSTATETYPE states[] = {
        D3DRS_FOGCOLOR,     D3DRS_FOGENABLE,  D3DRS_TEXTUREFACTOR,  D3DRS_LIGHTING,
        D3DRS_ALPHABLENDENABLE, D3DRS_SRCBLEND, D3DRS_DESTBLEND,    D3DRS_ZENABLE,
        D3DRS_ZWRITEENABLE, D3DRS_ZFUNC,      D3DRS_CULLMODE,       D3DRS_ALPHATESTENABLE,
        D3DRS_ALPHAREF,     D3DRS_ALPHAFUNC,  D3DRS_AMBIENT,        D3DRS_FILLMODE,
        D3DRS_COLORVERTEX,  D3DRS_FOGSTART,   D3DRS_FOGEND,         D3DRS_FOGTABLEMODE,
        D3DRS_FOGVERTEXMODE, D3DRS_SPECULARENABLE, D3DRS_NORMALORDER,
    };
    DWORD value = 0x01020304;
    for (D3DRENDERSTATETYPE state : states) {
        ASSERT_EQ(Device()->SetRenderState(state, value), D3D_OK);
        ++value;
    }
    value = 0x01020304;
    for (D3DRENDERSTATETYPE state : states) {
        DWORD read = 0;
        Device()->GetRenderState(state, &read);
        EXPECT_EQ(read, value++) << "state " << state;
    }
    DWORD read;
    EXPECT_EQ(Device()->SetRenderState((D3DRENDERSTATETYPE)300, 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->GetRenderState((D3DRENDERSTATETYPE)300, &read), D3DERR_INVALIDCALL);
}

TEST_F(DeviceStatesTest, TextureStageStatesStartAtDefaultsAndReadBack)
{
    const struct {
        DWORD stage;
        D3DTEXTURESTAGESTATETYPE type;
        DWORD initial, changed;
    } table[] = {
        {0, D3DTSS_COLOROP, D3DTOP_MODULATE, D3DTOP_SELECTARG2},
        {1, D3DTSS_COLOROP, D3DTOP_DISABLE, D3DTOP_ADD},
        {0, D3DTSS_COLORARG1, D3DTA_TEXTURE, D3DTA_TFACTOR},
        {0, D3DTSS_COLORARG2, D3DTA_CURRENT, D3DTA_DIFFUSE},
        {0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1, D3DTOP_MODULATE},
        {1, D3DTSS_ALPHAOP, D3DTOP_DISABLE, D3DTOP_SELECTARG1},
        {0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE, D3DTA_DIFFUSE},
        {0, D3DTSS_ALPHAARG2, D3DTA_CURRENT, D3DTA_TFACTOR},
        {0, D3DTSS_MINFILTER, D3DTEXF_POINT, D3DTEXF_LINEAR},
        {0, D3DTSS_MAGFILTER, D3DTEXF_POINT, D3DTEXF_LINEAR},
        {0, D3DTSS_ADDRESSU, D3DTADDRESS_WRAP, D3DTADDRESS_CLAMP},
        {1, D3DTSS_ADDRESSV, D3DTADDRESS_WRAP, D3DTADDRESS_MIRROR},
        {1, D3DTSS_TEXCOORDINDEX, 1, 0},
    };
    for (const auto& row : table) {
        DWORD value = 0xdeadbeef;
        Device()->GetTextureStageState(row.stage, row.type, &value);
        EXPECT_EQ(value, row.initial) << "stage " << row.stage << " type " << row.type;
        ASSERT_EQ(Device()->SetTextureStageState(row.stage, row.type, row.changed), D3D_OK);
        Device()->GetTextureStageState(row.stage, row.type, &value);
        EXPECT_EQ(value, row.changed) << "stage " << row.stage << " type " << row.type;
    }
    EXPECT_EQ(Device()->SetTextureStageState(8, D3DTSS_COLOROP, D3DTOP_ADD), D3DERR_INVALIDCALL);
}

TEST_F(DeviceStatesTest, TransformsViewportMaterialAndLightsReadBack)
{
    D3DMATRIX m = {};
    m._11 = 2.0f;
    m._42 = 7.0f;
    m._44 = 1.0f;
    for (D3DTRANSFORMSTATETYPE t : {D3DTS_WORLD, D3DTS_VIEW, D3DTS_PROJECTION, D3DTS_TEXTURE0}) {
        D3DMATRIX read;
        Device()->GetTransform(t, &read);
        EXPECT_EQ(read._11, 1.0f) << "identity at start, state " << t;
        ASSERT_EQ(Device()->SetTransform(t, &m), D3D_OK);
        Device()->GetTransform(t, &read);
        EXPECT_EQ(read._42, 7.0f) << "state " << t;
    }

    D3DVIEWPORT8 viewport = {8, 4, 32, 16, 0.25f, 0.75f}, read;
    ASSERT_EQ(Device()->SetViewport(&viewport), D3D_OK);
    Device()->GetViewport(&read);
    EXPECT_EQ(read.X, 8u);
    EXPECT_EQ(read.Height, 16u);
    EXPECT_EQ(read.MaxZ, 0.75f);
    D3DVIEWPORT8 outside = {60, 0, 32, 16, 0.0f, 1.0f};
    EXPECT_EQ(Device()->SetViewport(&outside), D3DERR_INVALIDCALL);

    D3DLIGHT8 light = {};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Direction = {0.0f, -1.0f, 0.0f};
    ASSERT_EQ(Device()->SetLight(3, &light), D3D_OK);
    Device()->LightEnable(3, TRUE);
    BOOL enabled = FALSE;
    Device()->GetLightEnable(3, &enabled);
    EXPECT_TRUE(enabled);
    D3DLIGHT8 readLight;
    EXPECT_EQ(Device()->GetLight(4, &readLight), D3DERR_INVALIDCALL);
}

}  // namespace
