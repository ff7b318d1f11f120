// Drawing through the device, read back from the back buffer.
#include "d3d/d3dx8.h"
#include "support/offscreen_device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

struct SScreenVertex {
    float x, y, z, rhw;
    D3DCOLOR colour;
};
const DWORD kScreenFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE;

struct STexturedVertex {
    float x, y, z, rhw;
    D3DCOLOR colour;
    float u, v;
};
const DWORD kTexturedFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

struct SWorldVertex {
    float x, y, z;
    D3DCOLOR colour;
};
const DWORD kWorldFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE;

class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Dev.IsReady()) << m_Dev.Error();
        Device()->SetRenderState(D3DRS_LIGHTING, FALSE);
        ASSERT_EQ(Device()->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000,
                                  1.0f, 0),
                  D3D_OK);
        ASSERT_EQ(Device()->BeginScene(), D3D_OK);
    }
    void TearDown() override
    {
        if (m_Dev.IsReady())
            Device()->EndScene();
    }
    IDirect3DDevice8* Device() { return m_Dev.Device(); }

    // A quad covering the pixels [left, right] x [top, bottom], by the
    // rule that pixel centres sit on integers.
    void DrawScreenQuad(float left, float top, float right, float bottom, D3DCOLOR colour)
    {
        SScreenVertex quad[4] = {{left - 0.5f, top - 0.5f, 0.5f, 1.0f, colour},
                                 {right + 0.5f, top - 0.5f, 0.5f, 1.0f, colour},
                                 {left - 0.5f, bottom + 0.5f, 0.5f, 1.0f, colour},
                                 {right + 0.5f, bottom + 0.5f, 0.5f, 1.0f, colour}};
        Device()->SetVertexShader(kScreenFvf);
        ASSERT_EQ(Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(SScreenVertex)),
                  D3D_OK);
    }

    COffscreenDevice m_Dev;
};

TEST_F(DeviceTest, PreTransformedQuadCoversExactlyItsPixels)
{
    DrawScreenQuad(10, 20, 19, 29, 0xFFFF0000);
    struct {
        UINT x, y;
        D3DCOLOR expected;
    } cases[] = {
        {10, 20, 0xFFFF0000}, {19, 20, 0xFFFF0000}, {10, 29, 0xFFFF0000}, {19, 29, 0xFFFF0000},
        {9, 20, 0xFF000000},  {20, 20, 0xFF000000}, {10, 19, 0xFF000000}, {10, 30, 0xFF000000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_Dev.Pixel(c.x, c.y), c.expected) << "pixel " << c.x << "," << c.y;
}

// A lock of a few pixels reads back only those, and a write lock puts back
// only its own rectangle: nothing outside it changes.
TEST_F(DeviceTest, LockingPartOfTheBackBufferTouchesOnlyThatPart)
{
    DrawScreenQuad(10, 20, 19, 29, 0xFFFF0000);
    Device()->EndScene();
    IDirect3DSurface8* pTarget = nullptr;
    ASSERT_EQ(Device()->GetRenderTarget(&pTarget), D3D_OK);
    D3DLOCKED_RECT locked;
    const RECT pixel = {12, 22, 13, 23};
    ASSERT_EQ(pTarget->LockRect(&locked, &pixel, D3DLOCK_READONLY), D3D_OK);
    uint32_t dwRead = 0;
    memcpy(&dwRead, locked.pBits, 4);
    EXPECT_EQ(dwRead & 0x00FFFFFFu, 0x00FF0000u);
    pTarget->UnlockRect();

    const RECT strip = {0, 0, 2, 1};
    ASSERT_EQ(pTarget->LockRect(&locked, &strip, 0), D3D_OK);
    const uint32_t adwGreen[2] = {0xFF00FF00u, 0xFF00FF00u};
    memcpy(locked.pBits, adwGreen, sizeof(adwGreen));
    pTarget->UnlockRect();
    pTarget->Release();
    EXPECT_EQ(m_Dev.Pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(m_Dev.Pixel(1, 0), 0xFF00FF00u);
    EXPECT_EQ(m_Dev.Pixel(2, 0), 0xFF000000u);
    EXPECT_EQ(m_Dev.Pixel(0, 1), 0xFF000000u);
    EXPECT_EQ(m_Dev.Pixel(15, 25), 0xFFFF0000u);
    Device()->BeginScene();
}

TEST_F(DeviceTest, TexturedQuadSamplesTexelsOnPixelCentres)
{
    IDirect3DTexture8* texture = nullptr;
    ASSERT_EQ(Device()->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture),
              D3D_OK);
    D3DLOCKED_RECT locked;
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    const DWORD texels[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    for (int y = 0; y < 2; ++y)
        std::memcpy(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch, &texels[y * 2], 8);
    texture->UnlockRect(0);

    // A 2 x 2 texture on a 2 x 2 pixel quad: each pixel shows one texel.
    STexturedVertex quad[4] = {{99.5f, 99.5f, 0.5f, 1, 0xFFFFFFFF, 0, 0},
                               {101.5f, 99.5f, 0.5f, 1, 0xFFFFFFFF, 1, 0},
                               {99.5f, 101.5f, 0.5f, 1, 0xFFFFFFFF, 0, 1},
                               {101.5f, 101.5f, 0.5f, 1, 0xFFFFFFFF, 1, 1}};
    Device()->SetTexture(0, texture);
    Device()->SetVertexShader(kTexturedFvf);
    ASSERT_EQ(Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(quad[0])), D3D_OK);
    EXPECT_EQ(m_Dev.Pixel(100, 100), 0xFFFF0000u);
    EXPECT_EQ(m_Dev.Pixel(101, 100), 0xFF00FF00u);
    EXPECT_EQ(m_Dev.Pixel(100, 101), 0xFF0000FFu);
    EXPECT_EQ(m_Dev.Pixel(101, 101), 0xFFFFFFFFu);
    Device()->SetTexture(0, nullptr);
    texture->Release();
}

TEST_F(DeviceTest, TransformedTriangleGoesThroughWorldViewProjection)
{
    // Camera at -10 on z looking at the origin; the triangle moved right by
    // the world matrix lands right of the screen centre.
    D3DXMATRIX world, view, projection;
    D3DXVECTOR3 eye(0, 0, -10), at(0, 0, 0), up(0, 1, 0);
    D3DXMatrixTranslation(&world, 2.0f, 0.0f, 0.0f);
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    D3DXMatrixPerspectiveFovLH(&projection, D3DX_PI / 2, 800.0f / 600.0f, 1.0f, 100.0f);
    Device()->SetTransform(D3DTS_WORLD, &world);
    Device()->SetTransform(D3DTS_VIEW, &view);
    Device()->SetTransform(D3DTS_PROJECTION, &projection);
    // Clockwise on screen, so the default culling keeps it.
    SWorldVertex triangle[3] = {{-1, 1, 0, 0xFF00FF00}, {1, -1, 0, 0xFF00FF00},
                                {-1, -1, 0, 0xFF00FF00}};
    Device()->SetVertexShader(kWorldFvf);
    ASSERT_EQ(Device()->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof(triangle[0])),
              D3D_OK);

    // The model point (-0.5, -0.5, 0) is inside; project it to find its pixel.
    D3DVIEWPORT8 viewport;
    Device()->GetViewport(&viewport);
    D3DXVECTOR3 inside(-0.5f, -0.5f, 0), screen;
    D3DXVec3Project(&screen, &inside, &viewport, &projection, &view, &world);
    EXPECT_GT(screen.x, 400.0f);
    EXPECT_EQ(m_Dev.Pixel((UINT)screen.x, (UINT)screen.y), 0xFF00FF00u);
    EXPECT_EQ(m_Dev.Pixel(400, 300), 0xFF000000u);

    // The same triangle wound the other way is culled.
    std::swap(triangle[1], triangle[2]);
    Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    Device()->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof(triangle[0]));
    EXPECT_EQ(m_Dev.Pixel((UINT)screen.x, (UINT)screen.y), 0xFF000000u);
}

TEST_F(DeviceTest, AlphaBlendingMixesWithTheTarget)
{
    DrawScreenQuad(0, 0, 9, 9, 0xFF0000FF);
    Device()->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    Device()->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    Device()->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    DrawScreenQuad(0, 0, 9, 9, 0x80FF0000);
    D3DCOLOR mixed = m_Dev.Pixel(5, 5);
    EXPECT_NEAR((int)((mixed >> 16) & 0xff), 128, 2);
    EXPECT_NEAR((int)(mixed & 0xff), 127, 2);
}

TEST_F(DeviceTest, AlphaTestDiscardsBelowTheReference)
{
    Device()->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    Device()->SetRenderState(D3DRS_ALPHAREF, 0x80);
    Device()->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    DrawScreenQuad(0, 0, 9, 9, 0x7FFF0000);
    DrawScreenQuad(20, 0, 29, 9, 0x80FF0000);
    EXPECT_EQ(m_Dev.Pixel(5, 5), 0xFF000000u);
    EXPECT_EQ(m_Dev.Pixel(25, 5), 0xFFFF0000u);
}

TEST_F(DeviceTest, ClearRespectsTheViewportAndRectangles)
{
    D3DVIEWPORT8 viewport = {100, 50, 20, 10, 0.0f, 1.0f};
    ASSERT_EQ(Device()->SetViewport(&viewport), D3D_OK);
    Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF112233, 1.0f, 0);
    EXPECT_EQ(m_Dev.Pixel(100, 50), 0xFF112233u);
    EXPECT_EQ(m_Dev.Pixel(119, 59), 0xFF112233u);
    EXPECT_EQ(m_Dev.Pixel(99, 50), 0xFF000000u);
    EXPECT_EQ(m_Dev.Pixel(120, 59), 0xFF000000u);
    EXPECT_EQ(m_Dev.Pixel(100, 60), 0xFF000000u);

    // A rectangle reaching outside the viewport is cut to it.
    D3DRECT rect = {110, 0, 200, 55};
    Device()->Clear(1, &rect, D3DCLEAR_TARGET, 0xFF445566, 1.0f, 0);
    EXPECT_EQ(m_Dev.Pixel(110, 50), 0xFF445566u);
    EXPECT_EQ(m_Dev.Pixel(110, 55), 0xFF112233u);
    EXPECT_EQ(m_Dev.Pixel(150, 20), 0xFF000000u);
}

TEST_F(DeviceTest, DepthTestKeepsTheNearerSurface)
{
    SScreenVertex nearQuad[4] = {{0, 0, 0.2f, 1, 0xFF00FF00}, {10, 0, 0.2f, 1, 0xFF00FF00},
                                 {0, 10, 0.2f, 1, 0xFF00FF00}, {10, 10, 0.2f, 1, 0xFF00FF00}};
    SScreenVertex farQuad[4] = {{0, 0, 0.8f, 1, 0xFFFF0000}, {10, 0, 0.8f, 1, 0xFFFF0000},
                                {0, 10, 0.8f, 1, 0xFFFF0000}, {10, 10, 0.8f, 1, 0xFFFF0000}};
    Device()->SetVertexShader(kScreenFvf);
    Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, nearQuad, sizeof(SScreenVertex));
    Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, farQuad, sizeof(SScreenVertex));
    EXPECT_EQ(m_Dev.Pixel(5, 5), 0xFF00FF00u);
    Device()->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, farQuad, sizeof(SScreenVertex));
    EXPECT_EQ(m_Dev.Pixel(5, 5), 0xFFFF0000u);
}


TEST_F(DeviceTest, TextureFactorStageAndVertexFog)
{
    // Stage 0 selecting the texture factor, as the fader draws.
    Device()->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    Device()->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TFACTOR);
    Device()->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFF336699);
    DrawScreenQuad(0, 0, 9, 9, 0xFFFFFFFF);
    EXPECT_EQ(m_Dev.Pixel(5, 5), 0xFF336699u);
    Device()->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    Device()->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);

    // Linear fog on a transformed quad halfway between start and end.
    D3DXMATRIX identity, projection;
    D3DXMatrixIdentity(&identity);
    D3DXMatrixOrthoLH(&projection, 2, 2, 0, 100);
    Device()->SetTransform(D3DTS_PROJECTION, &projection);
    float start = 10.0f, end = 30.0f;
    Device()->SetRenderState(D3DRS_FOGENABLE, TRUE);
    Device()->SetRenderState(D3DRS_FOGCOLOR, 0xFF0000FF);
    Device()->SetRenderState(D3DRS_FOGVERTEXMODE, D3DFOG_LINEAR);
    DWORD startBits, endBits;
    std::memcpy(&startBits, &start, sizeof(startBits));
    std::memcpy(&endBits, &end, sizeof(endBits));
    Device()->SetRenderState(D3DRS_FOGSTART, startBits);
    Device()->SetRenderState(D3DRS_FOGEND, endBits);
    SWorldVertex quad[4] = {{-1, 1, 20, 0xFFFF0000}, {1, 1, 20, 0xFFFF0000},
                            {-1, -1, 20, 0xFFFF0000}, {1, -1, 20, 0xFFFF0000}};
    Device()->SetVertexShader(kWorldFvf);
    Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(quad[0]));
    D3DCOLOR fogged = m_Dev.Pixel(400, 300);
    EXPECT_NEAR((int)((fogged >> 16) & 0xff), 128, 2);
    EXPECT_NEAR((int)(fogged & 0xff), 128, 2);
}

TEST_F(DeviceTest, DirectionalLightShadesByTheNormal)
{
    struct SLitVertex {
        float x, y, z, nx, ny, nz;
    };
    D3DXMATRIX projection;
    D3DXMatrixOrthoLH(&projection, 2, 2, 0, 10);
    Device()->SetTransform(D3DTS_PROJECTION, &projection);
    Device()->SetRenderState(D3DRS_LIGHTING, TRUE);
    Device()->SetRenderState(D3DRS_AMBIENT, 0xFF202020);
    D3DMATERIAL8 material = {};
    material.Diffuse = {1, 1, 1, 1};
    material.Ambient = {1, 1, 1, 1};
    Device()->SetMaterial(&material);
    D3DLIGHT8 light = {};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {0.5f, 0.5f, 0.5f, 1};
    light.Direction = {0, 0, 1};  // shining away from the viewer, onto faces that look back
    Device()->SetLight(0, &light);
    Device()->LightEnable(0, TRUE);
    // The left half faces the light, the right half is edge-on to it.
    SLitVertex facing[4] = {{-1, 1, 1, 0, 0, -1}, {0, 1, 1, 0, 0, -1},
                            {-1, -1, 1, 0, 0, -1}, {0, -1, 1, 0, 0, -1}};
    SLitVertex edgeOn[4] = {{0, 1, 1, 1, 0, 0}, {1, 1, 1, 1, 0, 0},
                            {0, -1, 1, 1, 0, 0}, {1, -1, 1, 1, 0, 0}};
    Device()->SetVertexShader(D3DFVF_XYZ | D3DFVF_NORMAL);
    Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, facing, sizeof(SLitVertex));
    Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, edgeOn, sizeof(SLitVertex));
    D3DCOLOR lit = m_Dev.Pixel(200, 300), unlit = m_Dev.Pixel(600, 300);
    EXPECT_NEAR((int)(lit & 0xff), 0x20 + 128, 2) << "ambient plus half the light";
    EXPECT_NEAR((int)(unlit & 0xff), 0x20, 2) << "ambient only";
}

TEST_F(DeviceTest, IndexedDrawsFromBuffersAndUserMemory)
{
    // Two quads in one vertex buffer; the indices address the second one
    // through the base vertex index.
    SScreenVertex vertices[8] = {
        {0, 0, 0.5f, 1, 0xFFFF0000},   {4, 0, 0.5f, 1, 0xFFFF0000},
        {0, 4, 0.5f, 1, 0xFFFF0000},   {4, 4, 0.5f, 1, 0xFFFF0000},
        {20, 0, 0.5f, 1, 0xFF00FF00},  {24, 0, 0.5f, 1, 0xFF00FF00},
        {20, 4, 0.5f, 1, 0xFF00FF00},  {24, 4, 0.5f, 1, 0xFF00FF00},
    };
    const WORD indices[6] = {0, 1, 2, 2, 1, 3};
    IDirect3DVertexBuffer8* vb = nullptr;
    IDirect3DIndexBuffer8* ib = nullptr;
    ASSERT_EQ(Device()->CreateVertexBuffer(sizeof(vertices), 0, kScreenFvf, D3DPOOL_MANAGED, &vb),
              D3D_OK);
    ASSERT_EQ(Device()->CreateIndexBuffer(sizeof(indices), 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &ib),
              D3D_OK);
    BYTE* data = nullptr;
    ASSERT_EQ(vb->Lock(0, 0, &data, 0), D3D_OK);
    std::memcpy(data, vertices, sizeof(vertices));
    vb->Unlock();
    ASSERT_EQ(ib->Lock(0, sizeof(indices), &data, 0), D3D_OK);
    std::memcpy(data, indices, sizeof(indices));
    ib->Unlock();

    Device()->SetVertexShader(kScreenFvf);
    Device()->SetStreamSource(0, vb, sizeof(SScreenVertex));
    Device()->SetIndices(ib, 4);
    ASSERT_EQ(Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 0, 2), D3D_OK);
    EXPECT_EQ(m_Dev.Pixel(22, 2), 0xFF00FF00u);
    EXPECT_EQ(m_Dev.Pixel(2, 2), 0xFF000000u);
    EXPECT_EQ(Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 4, 2), D3DERR_INVALIDCALL)
        << "indices beyond the buffer";

    ASSERT_EQ(Device()->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 0, 4, 2, indices,
                                               D3DFMT_INDEX16, vertices, sizeof(SScreenVertex)),
              D3D_OK);
    EXPECT_EQ(m_Dev.Pixel(2, 2), 0xFFFF0000u);
    IDirect3DVertexBuffer8* stream = vb;
    UINT stride = 1;
    Device()->GetStreamSource(0, &stream, &stride);
    EXPECT_EQ(stream, nullptr) << "drawing from user memory unsets stream 0";
    EXPECT_EQ(Device()->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL);
    vb->Release();
    ib->Release();
}

// Draws from user memory share one stream buffer that starts afresh when
// full: 48 draws of 40 KB each run through it twice, and every draw still
// shows its own vertices.
TEST_F(DeviceTest, UserMemoryDrawsStayRightPastTheStreamBuffersEnd)
{
    const int nDraws = 48;
    std::vector<SScreenVertex> list(2000);
    for (int i = 0; i < nDraws; ++i) {
        const float x = float(i % 8) * 6.0f, y = float(i / 8) * 6.0f;
        const D3DCOLOR colour = 0xFF000000 | D3DCOLOR(i * 5 + 10) << 16 | D3DCOLOR(255 - i * 5);
        const SScreenVertex corners[4] = {{x - 0.5f, y - 0.5f, 0.5f, 1.0f, colour},
                                          {x + 3.5f, y - 0.5f, 0.5f, 1.0f, colour},
                                          {x - 0.5f, y + 3.5f, 0.5f, 1.0f, colour},
                                          {x + 3.5f, y + 3.5f, 0.5f, 1.0f, colour}};
        const int quad[6] = {0, 1, 2, 2, 1, 3};
        // The rest of the list: triangles of no area.
        std::fill(list.begin(), list.end(), corners[0]);
        for (int k = 0; k < 6; ++k)
            list[k] = corners[quad[k]];
        Device()->SetVertexShader(kScreenFvf);
        ASSERT_EQ(Device()->DrawPrimitiveUP(D3DPT_TRIANGLELIST, UINT(list.size() / 3), list.data(),
                                            sizeof(SScreenVertex)),
                  D3D_OK);
    }
    for (int i = 0; i < nDraws; ++i) {
        const UINT x = UINT(i % 8) * 6 + 1, y = UINT(i / 8) * 6 + 1;
        EXPECT_EQ(m_Dev.Pixel(x, y), 0xFF000000 | D3DCOLOR(i * 5 + 10) << 16 | D3DCOLOR(255 - i * 5)) << "draw " << i;
    }
}

TEST_F(DeviceTest, DrawingOutsideASceneIsRefused)
{
    SScreenVertex quad[3] = {};
    Device()->EndScene();
    Device()->SetVertexShader(kScreenFvf);
    EXPECT_EQ(Device()->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, quad, sizeof(quad[0])),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->EndScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->BeginScene(), D3D_OK);
    EXPECT_EQ(Device()->BeginScene(), D3DERR_INVALIDCALL);
}

}  // namespace
