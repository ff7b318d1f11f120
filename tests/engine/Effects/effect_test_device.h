// An offscreen device given to the render system, a current render queue
// and quads to draw, for effect and render-stage tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "RenderSystem/vantile_rendersystem.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Scene/vantile_node.h"
#include "support/offscreen_device.h"

class CEffectTestDevice {
public:
    explicit CEffectTestDevice(UINT nWidth = 64, UINT nHeight = 32) : m_Device(nWidth, nHeight)
    {
        Vantile::CD3D9RenderSystem::Instance().SetDevice(m_Device.Device());
        m_Queue.MakeCurrent();
    }
    ~CEffectTestDevice() { Vantile::CD3D9RenderSystem::Instance().SetDevice(nullptr); }

    COffscreenDevice& Offscreen() { return m_Device; }
    IDirect3DDevice8* Device() { return m_Device.Device(); }
    Vantile::CRenderQueue& Queue() { return m_Queue; }

private:
    COffscreenDevice m_Device;
    Vantile::CRenderQueue m_Queue;
};

// A pre-transformed white rectangle of pixels with one material, at a world
// position of the test's choosing.
class CQuadTarget : public Vantile::CNode {
public:
    CQuadTarget(float fLeft, float fTop, float fRight, float fBottom) : m_afRect{fLeft, fTop, fRight, fBottom} {}

    void SetWorld(const D3DXMATRIX& mWorld) { m_mWorld = mWorld; }
    Vantile::SMaterial& Material() { return m_Material; }
    const Vantile::SMaterial* GetMaterial(size_t nIndex) const override { return &m_Material; }
    int Enqueue() override
    {
        Vantile::CRenderQueue::Current()->Enqueue({this, 0});
        return 1;
    }
    void Render(int nSubset) override
    {
        struct SVertex {
            float x, y, z, rhw;
            DWORD dwColor;
            float u, v;
        };
        const float l = m_afRect[0] - 0.5f, t = m_afRect[1] - 0.5f, r = m_afRect[2] - 0.5f, b = m_afRect[3] - 0.5f;
        const SVertex quad[4] = {{l, t, 0, 1, 0xFFFFFFFF, 0, 0}, {r, t, 0, 1, 0xFFFFFFFF, 1, 0},
                                 {l, b, 0, 1, 0xFFFFFFFF, 0, 1}, {r, b, 0, 1, 0xFFFFFFFF, 1, 1}};
        IDirect3DDevice8* pDevice = Vantile::CD3D9RenderSystem::Instance().GetDevice();
        pDevice->SetVertexShader(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1);
        pDevice->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(SVertex));
    }

private:
    float m_afRect[4];
    Vantile::SMaterial m_Material;
};

// Channels within one step of the expected ARGB colour.
inline ::testing::AssertionResult ColorNear(D3DCOLOR dwActual, D3DCOLOR dwExpected)
{
    for (int nShift = 0; nShift < 32; nShift += 8) {
        const int a = int((dwActual >> nShift) & 0xFF), e = int((dwExpected >> nShift) & 0xFF);
        if (std::abs(a - e) > 1)
            return ::testing::AssertionFailure() << std::hex << "0x" << dwActual << " is not near 0x" << dwExpected;
    }
    return ::testing::AssertionSuccess();
}
