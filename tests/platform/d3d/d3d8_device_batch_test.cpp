// Merged draws: consecutive draws of one program and state reach GL as one
// draw call, each part where its own world transform put it, and nothing
// that reads or changes the frame misses a held-back draw.
#include "d3d/d3d8_program.h"
#include "d3d/d3d8_testhooks.h"
#include "d3d/d3dx8.h"
#include "support/offscreen_device.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char kVertex[] = R"(
out vec4 v_Diffuse;
void main() { gl_Position = d3d_TransformPosition(a_Position); v_Diffuse = a_Diffuse; }
)";

// The vertex colour, times the texture's centre when one is bound, times
// the texture factor.
const char kFragment[] = R"(
in vec4 v_Diffuse;
void main()
{
    vec4 texel = u_TextureBound0 != 0 ? texture(u_Texture0, vec2(0.5)) : vec4(1.0);
    o_Color = v_Diffuse * texel * u_TextureFactor;
}
)";

struct SVertex {
    float x, y, z;
    D3DCOLOR colour;
};
const DWORD kFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE;
const D3DCOLOR kClear = 0xFF000000;

// The unit square as two triangles, and as four corners with indices.
const WORD kQuadIndices[6] = {0, 1, 2, 2, 1, 3};

class DeviceBatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Dev.IsReady()) << m_Dev.Error();
        std::string errors;
        ASSERT_EQ(D3DProgramCreate(Device(), kVertex, kFragment, &m_nProgram, &errors), D3D_OK) << errors;
        // Pixels of the 32 x 32 target as x, y with rows down; z in 0..1.
        D3DXMATRIX projection;
        D3DXMatrixIdentity(&projection);
        projection._11 = 2.0f / 32.0f;
        projection._22 = -2.0f / 32.0f;
        projection._41 = -1.0f;
        projection._42 = 1.0f;
        Device()->SetTransform(D3DTS_PROJECTION, &projection);
        Device()->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
        Device()->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        Device()->SetVertexShader(kFvf);
        ASSERT_EQ(D3DProgramBind(Device(), m_nProgram), D3D_OK);
        ASSERT_EQ(Device()->Clear(0, nullptr, D3DCLEAR_TARGET, kClear, 1.0f, 0), D3D_OK);
        ASSERT_EQ(Device()->BeginScene(), D3D_OK);
    }
    void TearDown() override
    {
        if (m_Dev.IsReady())
            Device()->EndScene();
    }
    IDirect3DDevice8* Device() { return m_Dev.Device(); }

    // The unit square scaled to 6 x 6 pixels with its corner at x, y.
    void PlaceQuad(float x, float y)
    {
        D3DXMATRIX scale, move, world;
        D3DXMatrixScaling(&scale, 6.0f, 6.0f, 1.0f);
        D3DXMatrixTranslation(&move, x, y, 0.0f);
        D3DXMatrixMultiply(&world, &scale, &move);
        Device()->SetTransform(D3DTS_WORLD, &world);
    }
    static void Corners(D3DCOLOR colour, SVertex* corners)
    {
        const float xy[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
        for (int i = 0; i < 4; ++i)
            corners[i] = {xy[i][0], xy[i][1], 0.5f, colour};
    }
    void DrawQuad(float x, float y, D3DCOLOR colour)
    {
        PlaceQuad(x, y);
        SVertex corners[4], list[6];
        Corners(colour, corners);
        for (int i = 0; i < 6; ++i)
            list[i] = corners[kQuadIndices[i]];
        ASSERT_EQ(Device()->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 2, list, sizeof(SVertex)), D3D_OK);
    }
    UINT DrawCalls() { return D3DDeviceDrawCalls(Device()); }

    COffscreenDevice m_Dev{32, 32};
    D3DPROGRAM m_nProgram = 0;
};

// One quad through each way of drawing, each with its own world: the
// indices of every kind are moved onto the merged vertices.
TEST_F(DeviceBatchTest, DrawsOfOneStateBecomeOneCallAndEachLandsWhereItsWorldPutsIt)
{
    IDirect3DVertexBuffer8* pVertices = nullptr;
    IDirect3DIndexBuffer8* pIndices = nullptr;
    ASSERT_EQ(Device()->CreateVertexBuffer(10 * sizeof(SVertex), 0, kFvf, D3DPOOL_MANAGED, &pVertices), D3D_OK);
    ASSERT_EQ(Device()->CreateIndexBuffer(12 * sizeof(WORD), 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &pIndices),
              D3D_OK);
    BYTE* pData = nullptr;
    ASSERT_EQ(pVertices->Lock(0, 0, &pData, 0), D3D_OK);
    // Two unused vertices ahead of the corners: the draw names them away.
    SVertex buffer[10] = {};
    Corners(0xFF0000FF, buffer + 2);
    Corners(0xFFFFFF00, buffer + 6);
    std::memcpy(pData, buffer, sizeof(buffer));
    pVertices->Unlock();
    ASSERT_EQ(pIndices->Lock(0, 0, &pData, 0), D3D_OK);
    WORD indices[12];
    for (int i = 0; i < 6; ++i) {
        indices[i] = WORD(kQuadIndices[i] + 2);
        indices[6 + i] = kQuadIndices[i];
    }
    std::memcpy(pData, indices, sizeof(indices));
    pIndices->Unlock();

    const UINT nBefore = DrawCalls();
    DrawQuad(1, 1, 0xFFFF0000);
    PlaceQuad(9, 1);
    SVertex corners[5];
    Corners(0xFF00FF00, corners + 1);
    WORD userIndices[6];
    for (int i = 0; i < 6; ++i)
        userIndices[i] = WORD(kQuadIndices[i] + 1);
    ASSERT_EQ(Device()->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 1, 4, 2, userIndices, D3DFMT_INDEX16, corners,
                                               sizeof(SVertex)),
              D3D_OK);
    PlaceQuad(17, 1);
    Device()->SetStreamSource(0, pVertices, sizeof(SVertex));
    Device()->SetIndices(pIndices, 0);
    ASSERT_EQ(Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 2, 4, 0, 2), D3D_OK);
    PlaceQuad(1, 9);
    Device()->SetIndices(pIndices, 6);  // the second corners through the plain indices
    ASSERT_EQ(Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 6, 2), D3D_OK);
    ASSERT_EQ(Device()->EndScene(), D3D_OK);
    EXPECT_EQ(DrawCalls() - nBefore, 1u);

    struct {
        UINT x, y;
        D3DCOLOR expected;
    } cases[] = {{3, 3, 0xFFFF0000}, {11, 3, 0xFF00FF00}, {19, 3, 0xFF0000FF},
                 {3, 11, 0xFFFFFF00}, {11, 11, kClear},    {25, 3, kClear}};
    for (const auto& c : cases)
        EXPECT_EQ(m_Dev.Pixel(c.x, c.y), c.expected) << "pixel " << c.x << "," << c.y;
    pIndices->Release();
    pVertices->Release();
    ASSERT_EQ(Device()->BeginScene(), D3D_OK);
}

// The held-back draws are drawn with the states they were made with, even
// when the draw that ends them has moved the states on; states set and put
// back between draws (as an effect does around each item) do not split.
TEST_F(DeviceBatchTest, EachPartDrawsWithItsOwnStatesAndPutBackStatesDoNotSplit)
{
    const UINT nBefore = DrawCalls();
    Device()->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFFFFFFFF);
    DrawQuad(1, 1, 0xFFFFFFFF);
    Device()->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFF00FF00);
    D3DProgramBind(Device(), 0);
    D3DProgramBind(Device(), m_nProgram);
    Device()->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFFFFFFFF);
    DrawQuad(9, 1, 0xFFFFFFFF);
    Device()->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFFFF0000);
    DrawQuad(17, 1, 0xFFFFFFFF);
    ASSERT_EQ(Device()->EndScene(), D3D_OK);
    EXPECT_EQ(DrawCalls() - nBefore, 2u);
    EXPECT_EQ(m_Dev.Pixel(3, 3), 0xFFFFFFFFu);
    EXPECT_EQ(m_Dev.Pixel(11, 3), 0xFFFFFFFFu);
    EXPECT_EQ(m_Dev.Pixel(19, 3), 0xFFFF0000u);
    ASSERT_EQ(Device()->BeginScene(), D3D_OK);
}

// A read of the target, a new texture content, a clear and a program's
// uniform each come after the draws made before them.
TEST_F(DeviceBatchTest, WhatReadsOrChangesTheFrameSeesTheHeldBackDraws)
{
    DrawQuad(1, 1, 0xFFFF0000);
    EXPECT_EQ(m_Dev.Pixel(3, 3), 0xFFFF0000u) << "a read-back in the scene";

    IDirect3DTexture8* pTexture = nullptr;
    ASSERT_EQ(Device()->CreateTexture(1, 1, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &pTexture), D3D_OK);
    auto fill = [pTexture](D3DCOLOR colour) {
        D3DLOCKED_RECT locked;
        ASSERT_EQ(pTexture->LockRect(0, &locked, nullptr, 0), D3D_OK);
        std::memcpy(locked.pBits, &colour, sizeof(colour));
        pTexture->UnlockRect(0);
    };
    fill(0xFF00FF00);
    Device()->SetTexture(0, pTexture);
    DrawQuad(9, 1, 0xFFFFFFFF);
    fill(0xFF0000FF);
    DrawQuad(17, 1, 0xFFFFFFFF);
    Device()->SetTexture(0, nullptr);
    pTexture->Release();

    DrawQuad(1, 9, 0xFFFFFFFF);
    const D3DRECT lower = {0, 16, 32, 32};
    Device()->Clear(1, &lower, D3DCLEAR_TARGET, 0xFF808080, 1.0f, 0);
    ASSERT_EQ(Device()->EndScene(), D3D_OK);
    EXPECT_EQ(m_Dev.Pixel(11, 3), 0xFF00FF00u) << "the texture as it was when drawn";
    EXPECT_EQ(m_Dev.Pixel(19, 3), 0xFF0000FFu);
    EXPECT_EQ(m_Dev.Pixel(3, 11), 0xFFFFFFFFu) << "drawn before the clear";
    EXPECT_EQ(m_Dev.Pixel(3, 20), 0xFF808080u);
    ASSERT_EQ(Device()->BeginScene(), D3D_OK);
}

// The fixed-function program lights with the world matrix: its draws stay
// apart, as do strips.
TEST_F(DeviceBatchTest, FixedFunctionAndStripsDrawAlone)
{
    const UINT nBefore = DrawCalls();
    D3DProgramBind(Device(), 0);
    Device()->SetRenderState(D3DRS_LIGHTING, FALSE);
    DrawQuad(1, 1, 0xFFFF0000);
    DrawQuad(9, 1, 0xFF00FF00);
    D3DProgramBind(Device(), m_nProgram);
    PlaceQuad(17, 1);
    SVertex strip[4];
    Corners(0xFF0000FF, strip);
    ASSERT_EQ(Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, strip, sizeof(SVertex)), D3D_OK);
    ASSERT_EQ(Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, strip, sizeof(SVertex)), D3D_OK);
    ASSERT_EQ(Device()->EndScene(), D3D_OK);
    EXPECT_EQ(DrawCalls() - nBefore, 4u);
    EXPECT_EQ(m_Dev.Pixel(3, 3), 0xFFFF0000u);
    EXPECT_EQ(m_Dev.Pixel(11, 3), 0xFF00FF00u);
    EXPECT_EQ(m_Dev.Pixel(19, 3), 0xFF0000FFu);
    ASSERT_EQ(Device()->BeginScene(), D3D_OK);
}

}  // namespace
