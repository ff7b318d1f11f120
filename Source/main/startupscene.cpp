#include "main/startupscene.h"

#include <cmath>

#include "Core/vantile_frametimer.h"

namespace Vantile {

namespace {

const UINT BUBBLE_SIZE = 64;

struct ScreenVertex {
    float x, y, z, rhw;
    D3DCOLOR diffuse;
    float u, v;
};
const DWORD SCREEN_FVF = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

// A soft ring with a highlight, as light catches a bubble under water.
D3DCOLOR BubbleTexel(UINT x, UINT y)
{
    const float fCentre = (BUBBLE_SIZE - 1) / 2.0f;
    const float fDx = (x - fCentre) / fCentre;
    const float fDy = (y - fCentre) / fCentre;
    const float fRadius = std::sqrt(fDx * fDx + fDy * fDy);
    if (fRadius > 1.0f)
        return 0;
    const float fRim = std::pow(fRadius, 6.0f);
    const float fGlint = std::max(0.0f, 1.0f - 6.0f * std::hypot(fDx + 0.35f, fDy + 0.35f));
    const float fAlpha = std::min(1.0f, 0.15f + 0.85f * fRim + fGlint);
    const BYTE nAlpha = static_cast<BYTE>(255 * fAlpha);
    return D3DCOLOR_ARGB(nAlpha, 220, 245, 255);
}

}  // namespace

CStartupScene::CStartupScene(IDirect3DDevice8* pDevice) : m_pDevice(pDevice)
{
    createBubbleTexture();
}

CStartupScene::~CStartupScene()
{
    if (m_pTexture)
        m_pTexture->Release();
}

void CStartupScene::createBubbleTexture()
{
    if (FAILED(m_pDevice->CreateTexture(BUBBLE_SIZE, BUBBLE_SIZE, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                                        &m_pTexture)))
        return;
    D3DLOCKED_RECT locked;
    if (FAILED(m_pTexture->LockRect(0, &locked, nullptr, 0)))
        return;
    for (UINT y = 0; y < BUBBLE_SIZE; ++y) {
        D3DCOLOR* pRow = reinterpret_cast<D3DCOLOR*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
        for (UINT x = 0; x < BUBBLE_SIZE; ++x)
            pRow[x] = BubbleTexel(x, y);
    }
    m_pTexture->UnlockRect(0);
}

void CStartupScene::Render()
{
    const double dSeconds = CFrameTimer::Instance().totalTime() / 1000.0;
    m_pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(8, 54, 92), 1.0f, 0);
    const float fRise = static_cast<float>(std::fmod(dSeconds * 60.0, 700.0));
    const float fSway = static_cast<float>(std::sin(dSeconds * 1.7) * 80.0);
    drawQuad(368 + fSway, 600 - fRise, static_cast<float>(BUBBLE_SIZE));
}

void CStartupScene::drawQuad(float fLeft, float fTop, float fSize)
{
    // Pre-transformed corners sit half a pixel up and left so that texels
    // land on whole pixels.
    const float fL = fLeft - 0.5f, fT = fTop - 0.5f, fR = fL + fSize, fB = fT + fSize;
    const D3DCOLOR white = D3DCOLOR_ARGB(255, 255, 255, 255);
    const ScreenVertex quad[4] = {
        {fL, fT, 0, 1, white, 0, 0},
        {fR, fT, 0, 1, white, 1, 0},
        {fL, fB, 0, 1, white, 0, 1},
        {fR, fB, 0, 1, white, 1, 1},
    };
    m_pDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    m_pDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    m_pDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    m_pDevice->SetRenderState(D3DRS_ZENABLE, FALSE);
    m_pDevice->SetTexture(0, m_pTexture);
    m_pDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    m_pDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    m_pDevice->SetVertexShader(SCREEN_FVF);
    m_pDevice->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(ScreenVertex));
}

}  // namespace Vantile
