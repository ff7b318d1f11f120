// What the window shows until the game's screens are built on top: sea
// water and a bubble drifting across it.
#pragma once

#include "Core/vantile_root.h"
#include "RenderSystem/vantile_lostdevicenotify.h"
#include "d3d/d3d8.h"

namespace Vantile {

class CStartupScene : public IRenderQueue {
public:
    explicit CStartupScene(IDirect3DDevice8* pDevice);
    ~CStartupScene() override;

    void Render() override;

private:
    void createBubbleTexture();
    void drawQuad(float fLeft, float fTop, float fSize);

    IDirect3DDevice8* m_pDevice;
    IDirect3DTexture8* m_pTexture = nullptr;
};

}  // namespace Vantile
