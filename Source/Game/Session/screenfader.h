// The screen fader: a black veil whose darkness follows a progress from
// 0 (clear) over 0.5 (black) to 1 (clear again). A transition restarts it;
// the session switches screens at the dark midpoint, which the fader
// reports once per pass.
#pragma once

#include "d3d/d3d8.h"

namespace Vantile {
class CFadeMeshNode;
}

class CScreenFader {
public:
    // While the game clock is paused the screen stays at least this dark.
    static constexpr int PAUSED_ALPHA = 170;

    // A transition of fFadeSeconds: from the current darkness when already
    // past the midpoint, from clear otherwise. The reveal after the
    // midpoint always takes half a second.
    void start(float fFadeSeconds);
    void setRate(float fRate) { m_fRate = fRate; }
    // One frame; true in the frame that reaches the midpoint.
    bool advance(float fSeconds, bool bPaused);

    float progress() const { return m_fProgress; }
    int alpha() const { return m_nAlpha; }
    D3DCOLOR color() const { return D3DCOLOR_ARGB(m_nAlpha, 0, 0, 0); }
    // The mesh that draws the veil; not owned.
    void setMesh(Vantile::CFadeMeshNode* pMesh) { m_pMesh = pMesh; }

private:
    // Just past the midpoint: the first screen fades in from black
    // without a transition.
    float m_fProgress = 0.51f;
    int m_nAlpha = 0;
    float m_fRate = 1.0f;
    bool m_bMidpoint = false;
    Vantile::CFadeMeshNode* m_pMesh = nullptr;
};
