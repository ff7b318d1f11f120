#include "RenderSystem/vantile_framepicture.h"

#include <cstdint>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

#include "RenderSystem/vantile_rendersystem.h"
#include "d3d/d3d8.h"

namespace Vantile {

bool SaveFramePicture(const std::string& strPath)
{
    IDirect3DDevice8* pDevice = CD3D9RenderSystem::Instance().GetDevice();
    IDirect3DSurface8* pTarget = nullptr;
    if (!pDevice || FAILED(pDevice->GetRenderTarget(&pTarget)))
        return false;
    D3DSURFACE_DESC desc;
    pTarget->GetDesc(&desc);
    std::vector<uint8_t> rgb(size_t(desc.Width) * desc.Height * 3);
    D3DLOCKED_RECT locked;
    const bool bLocked = SUCCEEDED(pTarget->LockRect(&locked, nullptr, D3DLOCK_READONLY));
    for (UINT y = 0; bLocked && y < desc.Height; ++y) {
        const uint8_t* pRow = static_cast<const uint8_t*>(locked.pBits) + size_t(y) * locked.Pitch;
        for (UINT x = 0; x < desc.Width; ++x) {
            uint8_t* pOut = &rgb[(size_t(y) * desc.Width + x) * 3];
            // X8R8G8B8 in memory order: blue, green, red, unused.
            pOut[0] = pRow[x * 4 + 2];
            pOut[1] = pRow[x * 4 + 1];
            pOut[2] = pRow[x * 4];
        }
    }
    if (bLocked)
        pTarget->UnlockRect();
    pTarget->Release();
    return bLocked && stbi_write_png(strPath.c_str(), int(desc.Width), int(desc.Height), 3, rgb.data(),
                                     int(desc.Width) * 3) != 0;
}

}  // namespace Vantile
