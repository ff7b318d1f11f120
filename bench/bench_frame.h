// Helpers shared by the benchmark programs, each of which is one file.
#pragma once

#include "RenderSystem/vantile_rendersystem.h"
#include "d3d/d3d8.h"

// Waits for the device to finish the frame by reading one pixel back.
inline void finishFrame()
{
    IDirect3DSurface8* pTarget = nullptr;
    if (FAILED(Vantile::CD3D9RenderSystem::Instance().GetDevice()->GetRenderTarget(&pTarget)))
        return;
    const RECT pixel = {0, 0, 1, 1};
    D3DLOCKED_RECT locked;
    if (SUCCEEDED(pTarget->LockRect(&locked, &pixel, D3DLOCK_READONLY)))
        pTarget->UnlockRect();
    pTarget->Release();
}
