// The progress bar over the splash picture while the game loads: a bar
// that shows more of its picture as the percentage grows, and a marker
// riding on its end.
#pragma once

#include <memory>

#include "Game/Sprites/spritemap.h"
#include "d3d/d3dx8.h"

class CSprite;

class CLoadingScreen {
public:
    // The bar's picture shows from its left edge to this fraction of its
    // width at 0 % and to START + SPAN at 100 %; the marker travels the
    // same 355 units.
    static constexpr float BAR_START = 338.0f / 1024.0f;
    static constexpr float BAR_SPAN = 355.0f / 1024.0f;
    static constexpr float MARKER_START = 338.0f;
    static constexpr float MARKER_STEP = 3.55f;
    static const D3DXVECTOR3 POSITION;

    CLoadingScreen();
    ~CLoadingScreen();

    // 0 to 100; anything outside is held at the nearest end.
    void setPercent(int nPercent);
    int percent() const { return m_nPercent; }
    void render(float fSeconds);

    // The bar's cut for a percentage: texture rectangle and width on
    // screen for a bar picture nTextureWidth wide.
    static STextureRect barRect(int nPercent, float fTextureWidth, float& fWidth);
    // The marker's centre, for a bar picture fBarHeight high.
    static D3DXVECTOR3 markerPosition(int nPercent, float fBarHeight);

private:
    void cutBar();

    int m_nPercent = 0;
    std::unique_ptr<CSprite> m_pBackground;
    std::unique_ptr<CSprite> m_pBar;
    std::unique_ptr<CSprite> m_pMarker;
};
