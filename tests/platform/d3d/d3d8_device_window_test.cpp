// The back buffer drawn straight into a window of its size, or drawn
// offscreen and copied into a larger window: both give the same top-down
// picture, and the window shows it the right way up.
#include "d3d/d3d8_testhooks.h"
#include "support/offscreen_device.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

const D3DCOLOR kBackground = 0xFF203040, kRed = 0xFFFF0000, kGreen = 0xFF00FF00,
               kBlue = 0xFF0000FF, kYellow = 0xFFFFFF00;

struct SVertex {
    float x, y, z;
    D3DCOLOR colour;
};

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

D3DCOLOR At(const std::vector<uint8_t>& rgba, int width, int x, int y)
{
    const uint8_t* p = &rgba[((size_t)y * width + x) * 4];
    return D3DCOLOR_ARGB(0xff, p[0], p[1], p[2]);
}

void DrawTriangle(IDirect3DDevice8* device, const SVertex (&triangle)[3])
{
    device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof(SVertex));
}

// A full clear, a partial clear, a pre-transformed triangle, a clear
// clipped to a viewport, and in that viewport a kept triangle running past
// its right edge, a culled one, and a far triangle behind a near one. Edges
// run through pixel centres, where the two paths could round apart.
void DrawScene(IDirect3DDevice8* device)
{
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kBackground, 1.0f, 0);
    const D3DRECT redRect = {40, 30, 240, 130};
    device->Clear(1, &redRect, D3DCLEAR_TARGET, kRed, 1.0f, 0);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->BeginScene();
    struct SScreenVertex {
        float x, y, z, rhw;
        D3DCOLOR colour;
    } const screen[3] = {{300, 50, 0.5f, 1, kYellow}, {380, 50, 0.5f, 1, kYellow}, {300, 150, 0.5f, 1, kYellow}};
    device->SetVertexShader(D3DFVF_XYZRHW | D3DFVF_DIFFUSE);
    device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, screen, sizeof(SScreenVertex));

    D3DVIEWPORT8 viewport = {400, 300, 300, 200, 0.0f, 1.0f};
    device->SetViewport(&viewport);
    const D3DRECT greenRect = {350, 250, 500, 400};
    device->Clear(1, &greenRect, D3DCLEAR_TARGET, kGreen, 1.0f, 0);
    device->SetVertexShader(D3DFVF_XYZ | D3DFVF_DIFFUSE);
    const SVertex clockwise[3] = {{0.2f, 0.9f, 0.5f, kBlue}, {1.6f, 0.9f, 0.5f, kBlue}, {1.6f, -0.9f, 0.5f, kBlue}};
    const SVertex counterClockwise[3] = {
        {-0.9f, -0.9f, 0.5f, kYellow}, {-0.2f, -0.9f, 0.5f, kYellow}, {-0.9f, 0.9f, 0.5f, kYellow}};
    const SVertex far[3] = {{0.2f, -0.2f, 0.8f, kYellow}, {0.6f, -0.2f, 0.8f, kYellow}, {0.2f, -0.9f, 0.8f, kYellow}};
    const SVertex near[3] = {{0.2f, -0.2f, 0.3f, kRed}, {0.6f, -0.2f, 0.3f, kRed}, {0.2f, -0.9f, 0.3f, kRed}};
    DrawTriangle(device, clockwise);
    DrawTriangle(device, counterClockwise);
    DrawTriangle(device, near);
    DrawTriangle(device, far);
    device->EndScene();
}

// Points of the scene's 800 x 600 picture and what they must show.
const struct {
    int x, y;
    D3DCOLOR colour;
    const char* what;
} kSamples[] = {
    {20, 20, kBackground, "above the partial clear"},
    {140, 80, kRed, "partial clear, top left"},
    {140, 500, kBackground, "where a flipped partial clear would be"},
    {310, 60, kYellow, "pre-transformed triangle"},
    {310, 540, kBackground, "where a flipped pre-transformed triangle would be"},
    {375, 275, kBackground, "clear rectangle outside the viewport"},
    {450, 350, kGreen, "clear rectangle inside the viewport"},
    {670, 330, kBlue, "kept triangle"},
    {720, 320, kBackground, "kept triangle past the viewport"},
    {430, 470, kBackground, "culled triangle"},
    {590, 440, kRed, "near triangle over the far one"},
};

class DeviceWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_Dev.IsReady()) << m_Dev.Error(); }
    IDirect3DDevice8* Device() { return m_pScaled ? m_pScaled->Device() : m_Dev.Device(); }
    COffscreenDevice& Dev() { return m_pScaled ? *m_pScaled : m_Dev; }

    // A 1000 x 750 window around the same 800 x 600 back buffer.
    void UseScaledWindow()
    {
        m_pScaled.reset(new COffscreenDevice(1000, 750));
        ASSERT_TRUE(m_pScaled->IsReady()) << m_pScaled->Error();
        D3DPRESENT_PARAMETERS& params = m_pScaled->PresentParams();
        params.BackBufferWidth = 800;
        params.BackBufferHeight = 600;
        ASSERT_EQ(m_pScaled->Device()->Reset(&params), D3D_OK);
        ASSERT_FALSE(D3DDeviceDrawsToWindow(m_pScaled->Device()));
    }

    std::vector<uint8_t> Picture()
    {
        std::vector<uint8_t> rgba = Dev().ReadRgba();
        EXPECT_EQ(rgba.size(), 800u * 600 * 4);
        return rgba;
    }

    std::vector<uint8_t> Window(int* width, int* height)
    {
        EXPECT_EQ(Device()->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
        return D3DDeviceReadWindow(Device(), width, height);
    }

    COffscreenDevice m_Dev{800, 600};
    std::unique_ptr<COffscreenDevice> m_pScaled;
};

TEST_F(DeviceWindowTest, StraightAndScaledDrawTheSamePicture)
{
    ASSERT_TRUE(D3DDeviceDrawsToWindow(Device()));
    DrawScene(Device());
    const std::vector<uint8_t> straight = Picture();
    for (const auto& s : kSamples)
        EXPECT_EQ(At(straight, 800, s.x, s.y), s.colour) << s.what;

    UseScaledWindow();
    DrawScene(Device());
    const std::vector<uint8_t> scaled = Picture();
    size_t differing = 0, first = 0;
    for (size_t i = 0; i < straight.size(); i += 4) {
        if (std::memcmp(&straight[i], &scaled[i], 4) != 0 && differing++ == 0)
            first = i / 4;
    }
    EXPECT_EQ(differing, 0u) << "first at " << first % 800 << ", " << first / 800;
}

TEST_F(DeviceWindowTest, WindowShowsThePictureUprightOnBothPaths)
{
    DrawScene(Device());
    const std::vector<uint8_t> picture = Picture();
    int width = 0, height = 0;
    std::vector<uint8_t> window = Window(&width, &height);
    ASSERT_EQ(width, 800);
    ASSERT_EQ(height, 600);
    for (size_t i = 0; i < picture.size(); i += 4)
        ASSERT_EQ(std::memcmp(&picture[i], &window[i], 3), 0) << "pixel " << i / 4;

    UseScaledWindow();
    DrawScene(Device());
    window = Window(&width, &height);
    ASSERT_EQ(width, 1000);
    ASSERT_EQ(height, 750);
    for (const auto& s : kSamples)
        EXPECT_EQ(At(window, width, s.x * 5 / 4, s.y * 5 / 4), s.colour) << s.what;
}

// Locks and CopyRects write into the back buffer wherever it lives.
TEST_F(DeviceWindowTest, WritesToTheBackBufferLandUpright)
{
    for (bool scaled : {false, true}) {
        if (scaled)
            UseScaledWindow();
        Device()->Clear(0, nullptr, D3DCLEAR_TARGET, kBackground, 1.0f, 0);
        IDirect3DSurface8* back = nullptr;
        ASSERT_EQ(Device()->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
        D3DLOCKED_RECT locked;
        const RECT strip = {10, 20, 30, 22};
        ASSERT_EQ(back->LockRect(&locked, &strip, 0), D3D_OK);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 20; ++x)
                static_cast<DWORD*>(locked.pBits)[y * locked.Pitch / 4 + x] = y == 0 ? kRed : kGreen;
        ASSERT_EQ(back->UnlockRect(), D3D_OK);

        IDirect3DSurface8* image = nullptr;
        ASSERT_EQ(Device()->CreateImageSurface(4, 4, D3DFMT_X8R8G8B8, &image), D3D_OK);
        ASSERT_EQ(image->LockRect(&locked, nullptr, 0), D3D_OK);
        for (int i = 0; i < 16; ++i)
            static_cast<DWORD*>(locked.pBits)[i / 4 * locked.Pitch / 4 + i % 4] = i < 8 ? kBlue : kYellow;
        image->UnlockRect();
        const RECT whole = {0, 0, 4, 4};
        const POINT at = {700, 500};
        ASSERT_EQ(Device()->CopyRects(image, &whole, 1, back, &at), D3D_OK);
        image->Release();
        back->Release();

        const struct {
            UINT x, y;
            D3DCOLOR colour;
        } expected[] = {{15, 20, kRed}, {15, 21, kGreen}, {15, 22, kBackground}, {15, 19, kBackground},
                        {701, 501, kBlue}, {701, 502, kYellow}, {699, 501, kBackground}};
        for (const auto& e : expected)
            EXPECT_EQ(Dev().Pixel(e.x, e.y), e.colour) << (scaled ? "scaled " : "straight ") << e.x << ", " << e.y;
    }
}

// The window's depth buffer only goes with the window's colour: pairing
// either with a surface of its own moves the back buffer offscreen with
// what it shows so far.
TEST_F(DeviceWindowTest, WindowBuffersPairedWithOtherSurfacesMoveOffscreenKeepingThePixels)
{
    for (bool ownDepth : {true, false}) {
        COffscreenDevice dev(800, 600);
        ASSERT_TRUE(dev.IsReady()) << dev.Error();
        IDirect3DDevice8* device = dev.Device();
        ASSERT_TRUE(D3DDeviceDrawsToWindow(device));
        const D3DRECT redRect = {40, 30, 240, 130};
        device->Clear(0, nullptr, D3DCLEAR_TARGET, kBackground, 1.0f, 0);
        device->Clear(1, &redRect, D3DCLEAR_TARGET, kRed, 1.0f, 0);
        IDirect3DSurface8 *back = nullptr, *autoDepth = nullptr, *depth = nullptr, *target = nullptr;
        IDirect3DTexture8* texture = nullptr;
        device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back);
        device->GetDepthStencilSurface(&autoDepth);
        ASSERT_EQ(device->CreateDepthStencilSurface(800, 600, D3DFMT_D24S8, D3DMULTISAMPLE_NONE, &depth), D3D_OK);
        ASSERT_EQ(device->CreateTexture(800, 600, 1, D3DUSAGE_RENDERTARGET, D3DFMT_X8R8G8B8, D3DPOOL_DEFAULT,
                                        &texture),
                  D3D_OK);
        texture->GetSurfaceLevel(0, &target);
        ASSERT_EQ(ownDepth ? device->SetRenderTarget(back, depth) : device->SetRenderTarget(target, autoDepth),
                  D3D_OK);
        EXPECT_FALSE(D3DDeviceDrawsToWindow(device)) << (ownDepth ? "own depth" : "own colour");
        ASSERT_EQ(device->SetRenderTarget(back, ownDepth ? depth : autoDepth), D3D_OK);
        EXPECT_EQ(dev.Pixel(140, 80), kRed);
        EXPECT_EQ(dev.Pixel(140, 500), kBackground);

        DrawScene(device);
        const std::vector<uint8_t> picture = dev.ReadRgba();
        for (const auto& s : kSamples)
            EXPECT_EQ(At(picture, 800, s.x, s.y), s.colour) << s.what;
        EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
        int width = 0, height = 0;
        const std::vector<uint8_t> window = D3DDeviceReadWindow(device, &width, &height);
        EXPECT_EQ(At(window, width, 140, 80), kRed);
        for (IUnknown* held : std::initializer_list<IUnknown*>{target, texture, depth, autoDepth, back})
            held->Release();
    }
}

}  // namespace
